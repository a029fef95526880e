<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="69"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="88"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="104"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Strength of all effects combined for corresponding axis. In percents to what device can produce depending on other settings.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Суммарная сила всех эффектов для соответствующей оси в процентах от того, что устройство может выдать с учётом остальных настроек.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="111"/>
        <source>Axis 0</source>
        <translation>Ось 0</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="117"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="394"/>
        <source>Motion range (degrees)</source>
        <translation>Диапазон хода (градусы)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="153"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="430"/>
        <source>Total effect strength (%)</source>
        <translation>Общая сила эффектов (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="189"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="466"/>
        <source>Soft stop strength (%)</source>
        <translation>Сила мягкого упора (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="225"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="502"/>
        <source>Soft stop range (degrees)</source>
        <translation>Зона мягкого упора (градусы)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="261"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="538"/>
        <source>Static dampening (%)</source>
        <translation>Статическое демпфирование (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="297"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="574"/>
        <source>Dynamic dampening (%)</source>
        <translation>Динамическое демпфирование (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="327"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="604"/>
        <source>Soft stop dampening (%)</source>
        <translation>Демпфирование мягкого упора (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="357"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="634"/>
        <source>Max force available (kg)</source>
        <translation>Максимальное доступное усилие (кг)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="388"/>
        <source>Axis 1</source>
        <translation>Ось 1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="668"/>
        <source>DirectX FFB</source>
        <translation>DirectX FFB</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="674"/>
        <source>Invert constant force</source>
        <translation>Инвертировать постоянную силу</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="681"/>
        <source>Direct X spring forces strength (%)</source>
        <translation>Уровень пружинных усилий DirectX (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="717"/>
        <source>Direct X constant forces strength (%)</source>
        <translation>Уровень постоянных усилий DirectX (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="753"/>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Уровень периодических усилий DirectX (%)</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="32"/>
        <source>Debug forces</source>
        <translation>Отладка усилий</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="39"/>
        <source>Enable forces (Require reboot)</source>
        <translation>Включить усилия (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="60"/>
        <source>Current sense gain (Require reboot)</source>
        <translation>Усиление датчика тока (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="68"/>
        <source>80V/V</source>
        <translation>80V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="73"/>
        <source>40V/V</source>
        <translation>40V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="78"/>
        <source>20V/V</source>
        <translation>20V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="83"/>
        <source>10V/V</source>
        <translation>10V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="91"/>
        <source>Calibration (Require reboot)</source>
        <translation>Калибровка (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="113"/>
        <source>Axis 0</source>
        <translation>Ось 0</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="119"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="233"/>
        <source>Invert joystick output</source>
        <translation>Инвертировать выход джойстика</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="126"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="240"/>
        <source>Invert force output</source>
        <translation>Инвертировать направление усилия</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="145"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="259"/>
        <source>Encoder CPR</source>
        <translation>CPR энкодера</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="171"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="285"/>
        <source>Pole pairs</source>
        <translation>Пары полюсов</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="194"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="308"/>
        <source>P gain</source>
        <translation>Коэффициент P</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="216"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="330"/>
        <source>I gain</source>
        <translation>Коэффициент I</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="227"/>
        <source>Axis 1</source>
        <translation>Ось 1</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="358"/>
        <source>Power limit (%)</source>
        <translation>Ограничение мощности (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="382"/>
        <source>Calibration magnitude (%)</source>
        <translation>Сила калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="406"/>
        <source>Calibration speed (%)</source>
        <translation>Скорость калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="430"/>
        <source>Calibration stop current (%)</source>
        <translation>Ток остановки калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="454"/>
        <source>Braking resistor limit (%)</source>
        <translation>Предел тормозного резистора (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="478"/>
        <source>Speed sample buffer size</source>
        <translation>Размер буфера выборок скорости</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="514"/>
        <source>Position smoothing (%)</source>
        <translation>Сглаживание положения (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="90"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="91"/>
        <source>Calibration start angle as the center</source>
        <translation>Начальный угол калибровки как центр</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="92"/>
        <source>Automatic center of range search</source>
        <translation>Автоматический поиск центра диапазона</translation>
    </message>
</context>
</TS>

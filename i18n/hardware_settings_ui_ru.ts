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
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="27"/>
        <location filename="../ui/mainwindow.cpp" line="200"/>
        <source>No compatible devices connected</source>
        <translation>Совместимые устройства не подключены</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="37"/>
        <source>Effects</source>
        <translation>Эффекты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="67"/>
        <source>Read current effects settings from controller</source>
        <translation>Прочитать текущие настройки эффектов из контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="72"/>
        <source>Apply current effects settings to controller</source>
        <translation>Применить текущие настройки эффектов в контроллере</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="77"/>
        <source>Save effects settings to controller&apos;s permament memory</source>
        <translation>Сохранить настройки эффектов в постоянную память контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="83"/>
        <source>Hardware</source>
        <translation>Оборудование</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="113"/>
        <location filename="../ui/mainwindow.ui" line="346"/>
        <location filename="../ui/mainwindow.ui" line="791"/>
        <location filename="../ui/mainwindow.ui" line="954"/>
        <source>Read current hardware settings from controller</source>
        <translation>Прочитать текущие аппаратные настройки из контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="118"/>
        <location filename="../ui/mainwindow.ui" line="351"/>
        <location filename="../ui/mainwindow.ui" line="796"/>
        <location filename="../ui/mainwindow.ui" line="959"/>
        <source>Apply current hardware settings to controller</source>
        <translation>Применить текущие аппаратные настройки в контроллере</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="123"/>
        <location filename="../ui/mainwindow.ui" line="356"/>
        <location filename="../ui/mainwindow.ui" line="801"/>
        <location filename="../ui/mainwindow.ui" line="964"/>
        <source>Save hardware settings to controller&apos;s permament memory</source>
        <translation>Сохранить аппаратные настройки в постоянную память контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="129"/>
        <location filename="../ui/mainwindow.ui" line="368"/>
        <source>GPIO</source>
        <translation>GPIO</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="136"/>
        <source>GPIO modes (Require reboot)</source>
        <translation>Режимы GPIO (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="143"/>
        <source>Pin 1</source>
        <translation>Вывод 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="158"/>
        <source>Pin 2</source>
        <translation>Вывод 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="173"/>
        <source>Pin 3</source>
        <translation>Вывод 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="188"/>
        <source>Pin 4</source>
        <translation>Вывод 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="203"/>
        <source>Pin 5</source>
        <translation>Вывод 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="218"/>
        <source>Pin 6</source>
        <translation>Вывод 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="233"/>
        <source>Pin 7</source>
        <translation>Вывод 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="248"/>
        <source>Pin 8</source>
        <translation>Вывод 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="263"/>
        <source>Encoder Z0</source>
        <translation>Энкодер Z0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="278"/>
        <source>Encoder Z1</source>
        <translation>Энкодер Z1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="293"/>
        <source>Extensions (Require reboot)</source>
        <translation>Расширения (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="299"/>
        <source>SPI mode</source>
        <translation>Режим SPI</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="310"/>
        <source>SPI recomendations</source>
        <translation>Рекомендации по SPI</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="314"/>
        <source>- SCK line at PIN 3</source>
        <translation>- линия SCK на выводе 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="319"/>
        <source>- MISO line at PIN 4</source>
        <translation>- линия MISO на выводе 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="324"/>
        <source>- CS line at PIN 5</source>
        <translation>- линия CS на выводе 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="362"/>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="375"/>
        <source>Button 1</source>
        <translation>Кнопка 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="387"/>
        <source>Button 2</source>
        <translation>Кнопка 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="399"/>
        <source>Button 3</source>
        <translation>Кнопка 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="411"/>
        <source>Button 4</source>
        <translation>Кнопка 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="423"/>
        <source>Button 5</source>
        <translation>Кнопка 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="435"/>
        <source>Button 6</source>
        <translation>Кнопка 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="447"/>
        <source>Button 7</source>
        <translation>Кнопка 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="459"/>
        <source>Button 8</source>
        <translation>Кнопка 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="471"/>
        <source>Shift register 1</source>
        <translation>Сдвиговый регистр 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="478"/>
        <source>Button 9</source>
        <translation>Кнопка 9</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="490"/>
        <source>Button 10</source>
        <translation>Кнопка 10</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="502"/>
        <source>Button 11</source>
        <translation>Кнопка 11</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="514"/>
        <source>Button 12</source>
        <translation>Кнопка 12</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="526"/>
        <source>Button 13</source>
        <translation>Кнопка 13</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="538"/>
        <source>Button 14</source>
        <translation>Кнопка 14</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="550"/>
        <source>Button 15</source>
        <translation>Кнопка 15</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="562"/>
        <source>Button 16</source>
        <translation>Кнопка 16</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="574"/>
        <source>Shift register 2</source>
        <translation>Сдвиговый регистр 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="581"/>
        <source>Button 17</source>
        <translation>Кнопка 17</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="593"/>
        <source>Button 18</source>
        <translation>Кнопка 18</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="605"/>
        <source>Button 19</source>
        <translation>Кнопка 19</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="617"/>
        <source>Button 20</source>
        <translation>Кнопка 20</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="629"/>
        <source>Button 21</source>
        <translation>Кнопка 21</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="641"/>
        <source>Button 22</source>
        <translation>Кнопка 22</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="653"/>
        <source>Button 23</source>
        <translation>Кнопка 23</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="665"/>
        <source>Button 24</source>
        <translation>Кнопка 24</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="677"/>
        <source>Shift register 3</source>
        <translation>Сдвиговый регистр 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="684"/>
        <source>Button 25</source>
        <translation>Кнопка 25</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="696"/>
        <source>Button 26</source>
        <translation>Кнопка 26</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="708"/>
        <source>Button 27</source>
        <translation>Кнопка 27</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="720"/>
        <source>Button 28</source>
        <translation>Кнопка 28</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="732"/>
        <source>Button 29</source>
        <translation>Кнопка 29</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="744"/>
        <source>Button 30</source>
        <translation>Кнопка 30</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="756"/>
        <source>Button 31</source>
        <translation>Кнопка 31</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="768"/>
        <source>Button 32</source>
        <translation>Кнопка 32</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="807"/>
        <source>Analog axes</source>
        <translation>Аналоговые оси</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="813"/>
        <source>Lower dead zone</source>
        <translation>Нижняя мёртвая зона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="818"/>
        <source>Upper dead zone</source>
        <translation>Верхняя мёртвая зона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="823"/>
        <source>Smoothing(%)</source>
        <translation>Сглаживание (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="828"/>
        <source>Button low(%)</source>
        <translation>Нижний порог кнопки (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="833"/>
        <source>Button high(%)</source>
        <translation>Верхний порог кнопки (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="838"/>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="868"/>
        <location filename="../ui/mainwindow.ui" line="903"/>
        <location filename="../ui/mainwindow.ui" line="938"/>
        <source>Invert</source>
        <translation>Инверсия</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="873"/>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="908"/>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="973"/>
        <source>Switch to DFU mode</source>
        <translation>Перейти в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="978"/>
        <source>Reboot controller</source>
        <translation>Перезагрузить контроллер</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="202"/>
        <source>Select compatible device (</source>
        <translation>Выберите совместимое устройство (подключено: </translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="204"/>
        <source> connected)</source>
        <translation>)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="253"/>
        <source>Latest version</source>
        <translation>Последняя версия</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="348"/>
        <location filename="../ui/mainwindow.cpp" line="379"/>
        <location filename="../ui/mainwindow.cpp" line="398"/>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="349"/>
        <source>Generic button</source>
        <translation>Обычная кнопка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="350"/>
        <source>Analog</source>
        <translation>Аналоговый вход</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="351"/>
        <source>SPI CS</source>
        <translation>SPI CS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="352"/>
        <source>SPI SCK</source>
        <translation>SPI SCK</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="353"/>
        <source>SPI MISO</source>
        <translation>SPI MISO</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="354"/>
        <source>Enable effects switch</source>
        <translation>Переключатель включения эффектов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="355"/>
        <source>Reset center button</source>
        <translation>Кнопка сброса центра</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="356"/>
        <source>Reboot button</source>
        <translation>Кнопка перезагрузки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="357"/>
        <source>Braking PWM</source>
        <translation>ШИМ торможения</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="398"/>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="398"/>
        <source>Inverted</source>
        <translation>Инвертированный</translation>
    </message>
</context>
</TS>

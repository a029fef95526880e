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
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="28"/>
        <source>Type a name for the profile first.</source>
        <translation>Сначала введите имя профиля.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="37"/>
        <source>A profile name may not start with a dot or hold a slash (/), a backslash (\) or a control character.</source>
        <translation>Имя профиля не может начинаться с точки и содержать косую черту (/), обратную косую черту (\) или управляющий символ.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="252"/>
        <source>Profile not saved: %1</source>
        <translation>Профиль не сохранён: %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="255"/>
        <source>Profile &quot;%1&quot; not saved: the folder %2 cannot be created.</source>
        <translation>Профиль «%1» не сохранён: не удаётся создать папку %2.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="268"/>
        <source>Profile &quot;%1&quot; saved.</source>
        <translation>Профиль «%1» сохранён.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="270"/>
        <source>Profile &quot;%1&quot; not saved: %2</source>
        <translation>Профиль «%1» не сохранён: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="284"/>
        <source>No profile deleted: %1</source>
        <translation>Профиль не удалён: %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="288"/>
        <source>No profile deleted: there is no profile &quot;%1&quot;.</source>
        <translation>Профиль не удалён: профиля «%1» нет.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="291"/>
        <source>Profile &quot;%1&quot; deleted.</source>
        <translation>Профиль «%1» удалён.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="293"/>
        <source>Profile &quot;%1&quot; not deleted: %2</source>
        <translation>Профиль «%1» не удалён: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="313"/>
        <source>Profile &quot;%1&quot; not loaded: the file is not an effect profile.</source>
        <translation>Профиль «%1» не загружен: файл не является профилем эффектов.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="322"/>
        <source>Profile &quot;%1&quot; loaded into the form; Apply or Save sends it to the board.</source>
        <translation>Профиль «%1» загружен в форму; «Применить» или «Сохранить» отправит его на плату.</translation>
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
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="119"/>
        <source>Not a number: type a finite decimal number such as 0.35 (with a point or %1 as decimal separator).</source>
        <translation>Не число: введите конечное десятичное число, например 0.35 (с точкой или %1 в качестве десятичного разделителя).</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="152"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="153"/>
        <source>Calibration start angle as the center</source>
        <translation>Начальный угол калибровки как центр</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="154"/>
        <source>Automatic center of range search</source>
        <translation>Автоматический поиск центра диапазона</translation>
    </message>
</context>
<context>
    <name>LiveInputView</name>
    <message>
        <location filename="../ui/liveinputview.cpp" line="38"/>
        <source>Throttle</source>
        <translation>Газ (РУД)</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="39"/>
        <source>Rudder</source>
        <translation>Руль направления</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="40"/>
        <source>Wheel</source>
        <translation>Руль</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="41"/>
        <source>Gas</source>
        <translation>Педаль газа</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="42"/>
        <source>Brake</source>
        <translation>Тормоз</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="85"/>
        <source>Axes</source>
        <translation>Оси</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="91"/>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="105"/>
        <location filename="../ui/liveinputview.cpp" line="122"/>
        <location filename="../ui/liveinputview.cpp" line="145"/>
        <source>Select a board to see its inputs.</source>
        <translation>Выберите плату, чтобы увидеть её входы.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="272"/>
        <source>The board reports no axes and no buttons.</source>
        <translation>Плата не сообщает ни об осях, ни о кнопках.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="287"/>
        <source>Axis %1</source>
        <translation>Ось %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="299"/>
        <source>Live input is not available on this operating system yet.</source>
        <translation>Входы в реальном времени в этой операционной системе пока недоступны.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="301"/>
        <source>The board is not connected.</source>
        <translation>Плата не подключена.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="303"/>
        <source>The system made no input device of this board, so its inputs cannot be shown. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Система не создала устройство ввода для этой платы, поэтому её входы нельзя показать. Проверьте, загружен ли HID-драйвер платы.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="306"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Устройство ввода платы %1 не существует. Подключите плату заново.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="312"/>
        <source>No permission to read the board&apos;s input device %1 (owner %2, group %3, mode %4). Install the udev rule that comes with Gravolt Setup and reconnect the board, or add your user to the group %3.</source>
        <translation>Нет прав на чтение устройства ввода платы %1 (владелец %2, группа %3, режим %4). Установите правило udev из комплекта Gravolt Setup и подключите плату заново или добавьте своего пользователя в группу %3.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="318"/>
        <source>The board was disconnected.</source>
        <translation>Плата была отключена.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="323"/>
        <source>The board&apos;s inputs cannot be read: %1</source>
        <translation>Не удаётся прочитать входы платы: %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="324"/>
        <source>The board&apos;s input device %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать устройство ввода платы %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="27"/>
        <location filename="../ui/mainwindow.cpp" line="236"/>
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
        <location filename="../ui/mainwindow.cpp" line="102"/>
        <source>Live input</source>
        <translation>Входы в реальном времени</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="238"/>
        <source>Select compatible device (</source>
        <translation>Выберите совместимое устройство (подключено: </translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="240"/>
        <source> connected)</source>
        <translation>)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="290"/>
        <source>Latest version</source>
        <translation>Последняя версия</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="444"/>
        <source>the board</source>
        <translation>плата</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="450"/>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="476"/>
        <source>Effect settings read from %1.</source>
        <translation>Настройки эффектов прочитаны с %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="477"/>
        <source>Effect settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Не удалось прочитать настройки эффектов с %1: %2. «Применить» и «Сохранить» недоступны, пока чтение не удастся.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="487"/>
        <source>Hardware settings read from %1.</source>
        <translation>Настройки оборудования прочитаны с %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="488"/>
        <source>Hardware settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Не удалось прочитать настройки оборудования с %1: %2. «Применить» и «Сохранить» недоступны, пока чтение не удастся.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="493"/>
        <source>Effect settings applied to the working memory of %1.</source>
        <translation>Настройки эффектов применены в рабочей памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="494"/>
        <source>Effect settings could not be applied to %1: %2.</source>
        <translation>Не удалось применить настройки эффектов на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="497"/>
        <source>Hardware settings applied to the working memory of %1.</source>
        <translation>Настройки оборудования применены в рабочей памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="498"/>
        <source>Hardware settings could not be applied to %1: %2.</source>
        <translation>Не удалось применить настройки оборудования на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="501"/>
        <source>Effect settings saved to the permanent memory of %1.</source>
        <translation>Настройки эффектов сохранены в постоянной памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="502"/>
        <source>Effect settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки эффектов на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="504"/>
        <source>The effect settings</source>
        <translation>Настройки эффектов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="507"/>
        <source>Hardware settings saved to the permanent memory of %1.</source>
        <translation>Настройки оборудования сохранены в постоянной памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="508"/>
        <source>Hardware settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки оборудования на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="510"/>
        <source>The hardware settings</source>
        <translation>Настройки оборудования</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="514"/>
        <source>%1 is rebooting; it will come back in the list in a few seconds.</source>
        <translation>%1 перезагружается и через несколько секунд снова появится в списке.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="515"/>
        <source>%1 could not be told to reboot: %2.</source>
        <translation>Не удалось отправить %1 команду перезагрузки: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="518"/>
        <source>%1 now waits for a firmware update and leaves the list.</source>
        <translation>%1 теперь ожидает обновления прошивки и исчезает из списка.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="519"/>
        <source>%1 could not be switched to DFU mode: %2.</source>
        <translation>Не удалось перевести %1 в режим DFU: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="526"/>
        <source>Settings not saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="527"/>
        <source>%1 may not be stored on %2: %3.

The board may lose them when it is switched off. Check the connection and save again.</source>
        <translation>%1, возможно, не сохранены на %2: %3.

Плата может потерять их при выключении. Проверьте подключение и сохраните ещё раз.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="545"/>
        <location filename="../ui/mainwindow.cpp" line="576"/>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="546"/>
        <source>Generic button</source>
        <translation>Обычная кнопка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="547"/>
        <source>Analog</source>
        <translation>Аналоговый вход</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="548"/>
        <source>SPI CS</source>
        <translation>SPI CS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="549"/>
        <source>SPI SCK</source>
        <translation>SPI SCK</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="550"/>
        <source>SPI MISO</source>
        <translation>SPI MISO</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="551"/>
        <source>Enable effects switch</source>
        <translation>Переключатель включения эффектов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="552"/>
        <source>Reset center button</source>
        <translation>Кнопка сброса центра</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="553"/>
        <source>Reboot button</source>
        <translation>Кнопка перезагрузки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="554"/>
        <source>Braking PWM</source>
        <translation>ШИМ торможения</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Inverted</source>
        <translation>Инвертированный</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="69"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="88"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="104"/>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Strength of all effects combined for corresponding axis. In percents to what device can produce depending on other settings.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:10pt;&quot;&gt;Stärke aller Effekte zusammen für die jeweilige Achse, in Prozent dessen, was das Gerät abhängig von den übrigen Einstellungen leisten kann.&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="111"/>
        <source>Axis 0</source>
        <translation>Achse 0</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="117"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="394"/>
        <source>Motion range (degrees)</source>
        <translation>Bewegungsbereich (Grad)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="153"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="430"/>
        <source>Total effect strength (%)</source>
        <translation>Gesamtstärke der Effekte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="189"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="466"/>
        <source>Soft stop strength (%)</source>
        <translation>Stärke des weichen Anschlags (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="225"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="502"/>
        <source>Soft stop range (degrees)</source>
        <translation>Bereich des weichen Anschlags (Grad)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="261"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="538"/>
        <source>Static dampening (%)</source>
        <translation>Statische Dämpfung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="297"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="574"/>
        <source>Dynamic dampening (%)</source>
        <translation>Dynamische Dämpfung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="327"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="604"/>
        <source>Soft stop dampening (%)</source>
        <translation>Dämpfung des weichen Anschlags (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="357"/>
        <location filename="../ui/fulleffectsettingswidget.ui" line="634"/>
        <source>Max force available (kg)</source>
        <translation>Maximal verfügbare Kraft (kg)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="388"/>
        <source>Axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="668"/>
        <source>DirectX FFB</source>
        <translation>DirectX-FFB</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="674"/>
        <source>Invert constant force</source>
        <translation>Konstante Kraft umkehren</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="681"/>
        <source>Direct X spring forces strength (%)</source>
        <translation>Stärke der DirectX-Federkräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="717"/>
        <source>Direct X constant forces strength (%)</source>
        <translation>Stärke der konstanten DirectX-Kräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="753"/>
        <source>Direct X periodic forces strength (%)</source>
        <translation>Stärke der periodischen DirectX-Kräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="28"/>
        <source>Type a name for the profile first.</source>
        <translation>Geben Sie zuerst einen Namen für das Profil ein.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="37"/>
        <source>A profile name may not start with a dot or hold a slash (/), a backslash (\) or a control character.</source>
        <translation>Ein Profilname darf nicht mit einem Punkt beginnen und keinen Schrägstrich (/), keinen umgekehrten Schrägstrich (\) und kein Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="252"/>
        <source>Profile not saved: %1</source>
        <translation>Profil nicht gespeichert: %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="255"/>
        <source>Profile &quot;%1&quot; not saved: the folder %2 cannot be created.</source>
        <translation>Profil „%1“ nicht gespeichert: Der Ordner %2 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="268"/>
        <source>Profile &quot;%1&quot; saved.</source>
        <translation>Profil „%1“ gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="270"/>
        <source>Profile &quot;%1&quot; not saved: %2</source>
        <translation>Profil „%1“ nicht gespeichert: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="284"/>
        <source>No profile deleted: %1</source>
        <translation>Kein Profil gelöscht: %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="288"/>
        <source>No profile deleted: there is no profile &quot;%1&quot;.</source>
        <translation>Kein Profil gelöscht: Es gibt kein Profil „%1“.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="291"/>
        <source>Profile &quot;%1&quot; deleted.</source>
        <translation>Profil „%1“ gelöscht.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="293"/>
        <source>Profile &quot;%1&quot; not deleted: %2</source>
        <translation>Profil „%1“ nicht gelöscht: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="313"/>
        <source>Profile &quot;%1&quot; not loaded: the file is not an effect profile.</source>
        <translation>Profil „%1“ nicht geladen: Die Datei ist kein Effektprofil.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="322"/>
        <source>Profile &quot;%1&quot; loaded into the form; Apply or Save sends it to the board.</source>
        <translation>Profil „%1“ in das Formular geladen; Übernehmen oder Speichern sendet es an das Board.</translation>
    </message>
</context>
<context>
    <name>FullHardwareSettingsWidget</name>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="32"/>
        <source>Debug forces</source>
        <translation>Kräfte-Debugging</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="39"/>
        <source>Enable forces (Require reboot)</source>
        <translation>Kräfte aktivieren (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="60"/>
        <source>Current sense gain (Require reboot)</source>
        <translation>Verstärkung der Strommessung (Neustart erforderlich)</translation>
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
        <translation>Kalibrierung (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="113"/>
        <source>Axis 0</source>
        <translation>Achse 0</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="119"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="233"/>
        <source>Invert joystick output</source>
        <translation>Joystick-Ausgabe umkehren</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="126"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="240"/>
        <source>Invert force output</source>
        <translation>Kraftausgabe umkehren</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="145"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="259"/>
        <source>Encoder CPR</source>
        <translation>Encoder-CPR</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="171"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="285"/>
        <source>Pole pairs</source>
        <translation>Polpaare</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="194"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="308"/>
        <source>P gain</source>
        <translation>P-Verstärkung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="216"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="330"/>
        <source>I gain</source>
        <translation>I-Verstärkung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="227"/>
        <source>Axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="358"/>
        <source>Power limit (%)</source>
        <translation>Leistungsgrenze (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="382"/>
        <source>Calibration magnitude (%)</source>
        <translation>Kalibrierkraft (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="406"/>
        <source>Calibration speed (%)</source>
        <translation>Kalibriergeschwindigkeit (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="430"/>
        <source>Calibration stop current (%)</source>
        <translation>Abschaltstrom der Kalibrierung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="454"/>
        <source>Braking resistor limit (%)</source>
        <translation>Grenze des Bremswiderstands (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="478"/>
        <source>Speed sample buffer size</source>
        <translation>Puffergröße der Geschwindigkeitsmessung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="514"/>
        <source>Position smoothing (%)</source>
        <translation>Positionsglättung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="119"/>
        <source>Not a number: type a finite decimal number such as 0.35 (with a point or %1 as decimal separator).</source>
        <translation>Keine Zahl: Geben Sie eine endliche Dezimalzahl wie 0.35 ein (mit Punkt oder %1 als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="152"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="153"/>
        <source>Calibration start angle as the center</source>
        <translation>Startwinkel der Kalibrierung als Mitte</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="154"/>
        <source>Automatic center of range search</source>
        <translation>Automatische Suche der Bereichsmitte</translation>
    </message>
</context>
<context>
    <name>LiveInputView</name>
    <message>
        <location filename="../ui/liveinputview.cpp" line="38"/>
        <source>Throttle</source>
        <translation>Schubregler</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="39"/>
        <source>Rudder</source>
        <translation>Seitenruder</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="40"/>
        <source>Wheel</source>
        <translation>Lenkrad</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="41"/>
        <source>Gas</source>
        <translation>Gaspedal</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="42"/>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="85"/>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="91"/>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="105"/>
        <location filename="../ui/liveinputview.cpp" line="122"/>
        <location filename="../ui/liveinputview.cpp" line="145"/>
        <source>Select a board to see its inputs.</source>
        <translation>Wählen Sie ein Board, um seine Eingaben zu sehen.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="272"/>
        <source>The board reports no axes and no buttons.</source>
        <translation>Das Board meldet weder Achsen noch Tasten.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="287"/>
        <source>Axis %1</source>
        <translation>Achse %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="299"/>
        <source>Live input is not available on this operating system yet.</source>
        <translation>Live-Eingaben sind auf diesem Betriebssystem noch nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="301"/>
        <source>The board is not connected.</source>
        <translation>Das Board ist nicht angeschlossen.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="303"/>
        <source>The system made no input device of this board, so its inputs cannot be shown. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Das System hat für dieses Board kein Eingabegerät angelegt, daher können seine Eingaben nicht angezeigt werden. Prüfen Sie, ob der HID-Treiber des Boards geladen ist.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="306"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Das Eingabegerät %1 des Boards existiert nicht. Schließen Sie das Board erneut an.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="312"/>
        <source>No permission to read the board&apos;s input device %1 (owner %2, group %3, mode %4). Install the udev rule that comes with Gravolt Setup and reconnect the board, or add your user to the group %3.</source>
        <translation>Keine Berechtigung, das Eingabegerät %1 des Boards zu lesen (Eigentümer %2, Gruppe %3, Modus %4). Installieren Sie die mit Gravolt Setup gelieferte udev-Regel und schließen Sie das Board erneut an, oder fügen Sie Ihren Benutzer der Gruppe %3 hinzu.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="318"/>
        <source>The board was disconnected.</source>
        <translation>Das Board wurde getrennt.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="323"/>
        <source>The board&apos;s inputs cannot be read: %1</source>
        <translation>Die Eingaben des Boards können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="324"/>
        <source>The board&apos;s input device %1 cannot be read: %2</source>
        <translation>Das Eingabegerät %1 des Boards kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="27"/>
        <location filename="../ui/mainwindow.cpp" line="236"/>
        <source>No compatible devices connected</source>
        <translation>Keine kompatiblen Geräte angeschlossen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="37"/>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="67"/>
        <source>Read current effects settings from controller</source>
        <translation>Aktuelle Effekteinstellungen aus dem Controller lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="72"/>
        <source>Apply current effects settings to controller</source>
        <translation>Aktuelle Effekteinstellungen im Controller übernehmen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="77"/>
        <source>Save effects settings to controller&apos;s permament memory</source>
        <translation>Effekteinstellungen dauerhaft im Controller speichern</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="83"/>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="113"/>
        <location filename="../ui/mainwindow.ui" line="346"/>
        <location filename="../ui/mainwindow.ui" line="791"/>
        <location filename="../ui/mainwindow.ui" line="954"/>
        <source>Read current hardware settings from controller</source>
        <translation>Aktuelle Hardware-Einstellungen aus dem Controller lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="118"/>
        <location filename="../ui/mainwindow.ui" line="351"/>
        <location filename="../ui/mainwindow.ui" line="796"/>
        <location filename="../ui/mainwindow.ui" line="959"/>
        <source>Apply current hardware settings to controller</source>
        <translation>Aktuelle Hardware-Einstellungen im Controller übernehmen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="123"/>
        <location filename="../ui/mainwindow.ui" line="356"/>
        <location filename="../ui/mainwindow.ui" line="801"/>
        <location filename="../ui/mainwindow.ui" line="964"/>
        <source>Save hardware settings to controller&apos;s permament memory</source>
        <translation>Hardware-Einstellungen dauerhaft im Controller speichern</translation>
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
        <translation>GPIO-Modi (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="143"/>
        <source>Pin 1</source>
        <translation>Pin 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="158"/>
        <source>Pin 2</source>
        <translation>Pin 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="173"/>
        <source>Pin 3</source>
        <translation>Pin 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="188"/>
        <source>Pin 4</source>
        <translation>Pin 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="203"/>
        <source>Pin 5</source>
        <translation>Pin 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="218"/>
        <source>Pin 6</source>
        <translation>Pin 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="233"/>
        <source>Pin 7</source>
        <translation>Pin 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="248"/>
        <source>Pin 8</source>
        <translation>Pin 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="263"/>
        <source>Encoder Z0</source>
        <translation>Encoder Z0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="278"/>
        <source>Encoder Z1</source>
        <translation>Encoder Z1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="293"/>
        <source>Extensions (Require reboot)</source>
        <translation>Erweiterungen (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="299"/>
        <source>SPI mode</source>
        <translation>SPI-Modus</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="310"/>
        <source>SPI recomendations</source>
        <translation>SPI-Empfehlungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="314"/>
        <source>- SCK line at PIN 3</source>
        <translation>- SCK-Leitung an Pin 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="319"/>
        <source>- MISO line at PIN 4</source>
        <translation>- MISO-Leitung an Pin 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="324"/>
        <source>- CS line at PIN 5</source>
        <translation>- CS-Leitung an Pin 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="362"/>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="375"/>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="387"/>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="399"/>
        <source>Button 3</source>
        <translation>Taste 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="411"/>
        <source>Button 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="423"/>
        <source>Button 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="435"/>
        <source>Button 6</source>
        <translation>Taste 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="447"/>
        <source>Button 7</source>
        <translation>Taste 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="459"/>
        <source>Button 8</source>
        <translation>Taste 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="471"/>
        <source>Shift register 1</source>
        <translation>Schieberegister 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="478"/>
        <source>Button 9</source>
        <translation>Taste 9</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="490"/>
        <source>Button 10</source>
        <translation>Taste 10</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="502"/>
        <source>Button 11</source>
        <translation>Taste 11</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="514"/>
        <source>Button 12</source>
        <translation>Taste 12</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="526"/>
        <source>Button 13</source>
        <translation>Taste 13</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="538"/>
        <source>Button 14</source>
        <translation>Taste 14</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="550"/>
        <source>Button 15</source>
        <translation>Taste 15</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="562"/>
        <source>Button 16</source>
        <translation>Taste 16</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="574"/>
        <source>Shift register 2</source>
        <translation>Schieberegister 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="581"/>
        <source>Button 17</source>
        <translation>Taste 17</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="593"/>
        <source>Button 18</source>
        <translation>Taste 18</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="605"/>
        <source>Button 19</source>
        <translation>Taste 19</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="617"/>
        <source>Button 20</source>
        <translation>Taste 20</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="629"/>
        <source>Button 21</source>
        <translation>Taste 21</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="641"/>
        <source>Button 22</source>
        <translation>Taste 22</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="653"/>
        <source>Button 23</source>
        <translation>Taste 23</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="665"/>
        <source>Button 24</source>
        <translation>Taste 24</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="677"/>
        <source>Shift register 3</source>
        <translation>Schieberegister 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="684"/>
        <source>Button 25</source>
        <translation>Taste 25</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="696"/>
        <source>Button 26</source>
        <translation>Taste 26</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="708"/>
        <source>Button 27</source>
        <translation>Taste 27</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="720"/>
        <source>Button 28</source>
        <translation>Taste 28</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="732"/>
        <source>Button 29</source>
        <translation>Taste 29</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="744"/>
        <source>Button 30</source>
        <translation>Taste 30</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="756"/>
        <source>Button 31</source>
        <translation>Taste 31</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="768"/>
        <source>Button 32</source>
        <translation>Taste 32</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="807"/>
        <source>Analog axes</source>
        <translation>Analogachsen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="813"/>
        <source>Lower dead zone</source>
        <translation>Untere Totzone</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="818"/>
        <source>Upper dead zone</source>
        <translation>Obere Totzone</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="823"/>
        <source>Smoothing(%)</source>
        <translation>Glättung (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="828"/>
        <source>Button low(%)</source>
        <translation>Tastenschwelle unten (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="833"/>
        <source>Button high(%)</source>
        <translation>Tastenschwelle oben (%)</translation>
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
        <translation>Umkehren</translation>
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
        <translation>In den DFU-Modus wechseln</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="978"/>
        <source>Reboot controller</source>
        <translation>Controller neu starten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="102"/>
        <source>Live input</source>
        <translation>Live-Eingaben</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="238"/>
        <source>Select compatible device (</source>
        <translation>Kompatibles Gerät wählen (</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="240"/>
        <source> connected)</source>
        <translation> angeschlossen)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="290"/>
        <source>Latest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="444"/>
        <source>the board</source>
        <translation>das Board</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="450"/>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="476"/>
        <source>Effect settings read from %1.</source>
        <translation>Effekteinstellungen von %1 gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="477"/>
        <source>Effect settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Die Effekteinstellungen konnten nicht von %1 gelesen werden: %2. Übernehmen und Speichern bleiben deaktiviert, bis ein Lesen gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="487"/>
        <source>Hardware settings read from %1.</source>
        <translation>Hardwareeinstellungen von %1 gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="488"/>
        <source>Hardware settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Die Hardwareeinstellungen konnten nicht von %1 gelesen werden: %2. Übernehmen und Speichern bleiben deaktiviert, bis ein Lesen gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="493"/>
        <source>Effect settings applied to the working memory of %1.</source>
        <translation>Effekteinstellungen in den Arbeitsspeicher von %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="494"/>
        <source>Effect settings could not be applied to %1: %2.</source>
        <translation>Die Effekteinstellungen konnten nicht auf %1 übernommen werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="497"/>
        <source>Hardware settings applied to the working memory of %1.</source>
        <translation>Hardwareeinstellungen in den Arbeitsspeicher von %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="498"/>
        <source>Hardware settings could not be applied to %1: %2.</source>
        <translation>Die Hardwareeinstellungen konnten nicht auf %1 übernommen werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="501"/>
        <source>Effect settings saved to the permanent memory of %1.</source>
        <translation>Effekteinstellungen im permanenten Speicher von %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="502"/>
        <source>Effect settings could not be saved to %1: %2.</source>
        <translation>Die Effekteinstellungen konnten nicht auf %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="504"/>
        <source>The effect settings</source>
        <translation>Die Effekteinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="507"/>
        <source>Hardware settings saved to the permanent memory of %1.</source>
        <translation>Hardwareeinstellungen im permanenten Speicher von %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="508"/>
        <source>Hardware settings could not be saved to %1: %2.</source>
        <translation>Die Hardwareeinstellungen konnten nicht auf %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="510"/>
        <source>The hardware settings</source>
        <translation>Die Hardwareeinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="514"/>
        <source>%1 is rebooting; it will come back in the list in a few seconds.</source>
        <translation>%1 startet neu und erscheint in wenigen Sekunden wieder in der Liste.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="515"/>
        <source>%1 could not be told to reboot: %2.</source>
        <translation>%1 konnte nicht zum Neustart aufgefordert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="518"/>
        <source>%1 now waits for a firmware update and leaves the list.</source>
        <translation>%1 wartet jetzt auf ein Firmware-Update und verschwindet aus der Liste.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="519"/>
        <source>%1 could not be switched to DFU mode: %2.</source>
        <translation>%1 konnte nicht in den DFU-Modus versetzt werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="526"/>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="527"/>
        <source>%1 may not be stored on %2: %3.

The board may lose them when it is switched off. Check the connection and save again.</source>
        <translation>%1 sind möglicherweise nicht auf %2 gespeichert: %3.

Das Board kann sie beim Ausschalten verlieren. Prüfen Sie die Verbindung und speichern Sie erneut.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="545"/>
        <location filename="../ui/mainwindow.cpp" line="576"/>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="546"/>
        <source>Generic button</source>
        <translation>Allgemeiner Taster</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="547"/>
        <source>Analog</source>
        <translation>Analog</translation>
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
        <translation>Schalter zum Aktivieren der Effekte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="552"/>
        <source>Reset center button</source>
        <translation>Taster zum Zurücksetzen der Mitte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="553"/>
        <source>Reboot button</source>
        <translation>Neustart-Taster</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="554"/>
        <source>Braking PWM</source>
        <translation>Brems-PWM</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="595"/>
        <source>Inverted</source>
        <translation>Invertiert</translation>
    </message>
</context>
</TS>

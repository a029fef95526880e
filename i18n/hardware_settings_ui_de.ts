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
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="90"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="91"/>
        <source>Calibration start angle as the center</source>
        <translation>Startwinkel der Kalibrierung als Mitte</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="92"/>
        <source>Automatic center of range search</source>
        <translation>Automatische Suche der Bereichsmitte</translation>
    </message>
</context>
</TS>

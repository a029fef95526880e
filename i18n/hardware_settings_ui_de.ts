<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BackupController</name>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="30"/>
        <source>Board backups (*%1)</source>
        <translation>Board-Sicherungen (*%1)</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="21"/>
        <source>saving the effect settings to permanent memory</source>
        <translation>dem Speichern der Effekteinstellungen im Dauerspeicher</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="24"/>
        <source>saving the hardware settings to permanent memory</source>
        <translation>dem Speichern der Hardwareeinstellungen im Dauerspeicher</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="26"/>
        <source>switching to DFU mode</source>
        <translation>dem Wechsel in den DFU-Modus</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="43"/>
        <source>&amp;Board</source>
        <translation>&amp;Board</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="45"/>
        <source>&amp;Back up board...</source>
        <translation>Board &amp;sichern...</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="47"/>
        <source>Read both settings records from the board and save them to a file</source>
        <translation>Beide Einstellungsdatensätze vom Board lesen und in einer Datei sichern</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="49"/>
        <source>&amp;Restore...</source>
        <translation>&amp;Wiederherstellen...</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="51"/>
        <source>Load a backup into the forms; apply or save it afterwards</source>
        <translation>Eine Sicherung in die Formulare laden; danach anwenden oder speichern</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="74"/>
        <source>the board is not connected</source>
        <translation>das Board ist nicht angeschlossen</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="82"/>
        <source>reading the effect settings failed: %1</source>
        <translation>das Lesen der Effekteinstellungen ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="87"/>
        <source>reading the hardware settings failed: %1</source>
        <translation>das Lesen der Hardwareeinstellungen ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="108"/>
        <source>Automatic backup written to %1</source>
        <translation>Automatische Sicherung in %1 geschrieben</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="115"/>
        <source>No backup taken</source>
        <translation>Keine Sicherung erstellt</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="116"/>
        <source>No backup of the board could be taken before %1:
%2

Go ahead without a backup?</source>
        <translation>Vor %1 konnte keine Sicherung des Boards erstellt werden:
%2

Ohne Sicherung fortfahren?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="119"/>
        <source>&amp;Go ahead without backup</source>
        <translation>&amp;Ohne Sicherung fortfahren</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="121"/>
        <source>Stopped before %1: no backup could be taken</source>
        <translation>Vor %1 abgebrochen: Es konnte keine Sicherung erstellt werden</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="132"/>
        <source>Select a connected board to back up</source>
        <translation>Wählen Sie ein angeschlossenes Board zum Sichern aus</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="145"/>
        <source>Back up board</source>
        <translation>Board sichern</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="159"/>
        <source>Backup failed: %1</source>
        <translation>Sicherung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="162"/>
        <source>Board backed up to %1</source>
        <translation>Board in %1 gesichert</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="169"/>
        <source>Select the board to restore to first</source>
        <translation>Wählen Sie zuerst das Board aus, auf das wiederhergestellt werden soll</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="183"/>
        <source>The backup was taken from a %1 board; the selected board is a %2.</source>
        <translation>Die Sicherung stammt von einem Board vom Typ „%1“; das ausgewählte Board ist vom Typ „%2“.</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="187"/>
        <source>The backup was taken on firmware version %1; the selected board runs version %2.</source>
        <translation>Die Sicherung wurde mit Firmware-Version %1 erstellt; auf dem ausgewählten Board läuft Version %2.</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="14"/>
        <source>generic</source>
        <translation>Generic</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="15"/>
        <source>joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="16"/>
        <source>rudder</source>
        <translation>Pedale</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="17"/>
        <source>wheel</source>
        <translation>Lenkrad</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="18"/>
        <source>collective</source>
        <translation>Collective</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="60"/>
        <source>unknown (type %1)</source>
        <translation>unbekannt (Typ %1)</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="200"/>
        <source>Cannot restore</source>
        <translation>Wiederherstellen nicht möglich</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="201"/>
        <source>%1 cannot be restored:
%2</source>
        <translation>%1 kann nicht wiederhergestellt werden:
%2</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="205"/>
        <source>Nothing restored: %1</source>
        <translation>Nichts wiederhergestellt: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="212"/>
        <source>Nothing restored: the board is not connected</source>
        <translation>Nichts wiederhergestellt: Das Board ist nicht angeschlossen</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="220"/>
        <source>Restore a backup of another board?</source>
        <translation>Sicherung eines anderen Boards wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="222"/>
        <source>Settings made for another model or firmware may not suit this board. Load the backup into the forms anyway?</source>
        <translation>Einstellungen für ein anderes Modell oder eine andere Firmware passen womöglich nicht zu diesem Board. Die Sicherung trotzdem in die Formulare laden?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="224"/>
        <source>&amp;Load anyway</source>
        <translation>&amp;Trotzdem laden</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="225"/>
        <location filename="../ui/backupcontroller.cpp" line="231"/>
        <source>Nothing restored</source>
        <translation>Nichts wiederhergestellt</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="236"/>
        <source>Loaded %1 into the forms; apply or save to send it to the board</source>
        <translation>%1 in die Formulare geladen; anwenden oder speichern, um es an das Board zu senden</translation>
    </message>
</context>
<context>
    <name>BoardDiscovery</name>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="78"/>
        <source>No permission on %1 (owner %2, group %3, mode %4; %5).</source>
        <translation>Keine Berechtigung für %1 (Besitzer %2, Gruppe %3, Modus %4; %5).</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="84"/>
        <source>its ACL does not grant you access</source>
        <translation>seine ACL gewährt Ihnen keinen Zugriff</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="85"/>
        <source>no ACL grants you access</source>
        <translation>keine ACL gewährt Ihnen Zugriff</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="89"/>
        <source>The system made no hidraw device for it.</source>
        <translation>Das System hat dafür kein hidraw-Gerät angelegt.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="90"/>
        <source>Its device node %1 is missing.</source>
        <translation>Der Geräteknoten %1 fehlt.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="93"/>
        <source>The kernel&apos;s HID driver (%1) is bound to it, and this build&apos;s USB library cannot reach a board through it.</source>
        <translation>Der HID-Treiber des Kernels (%1) ist an das Gerät gebunden, und die USB-Bibliothek dieses Builds erreicht ein Gerät nicht an ihm vorbei.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="99"/>
        <source>It is held by another program: %1.</source>
        <translation>Das Gerät wird von einem anderen Programm belegt: %1.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="102"/>
        <source>%1 can be opened, but the board does not answer.</source>
        <translation>%1 lässt sich öffnen, aber das Gerät antwortet nicht.</translation>
    </message>
</context>
<context>
    <name>BoardLock</name>
    <message>
        <location filename="../device/boardlock.cpp" line="68"/>
        <location filename="../device/boardlock.cpp" line="70"/>
        <source>another program</source>
        <translation>ein anderes Programm</translation>
    </message>
    <message>
        <location filename="../device/boardlock.cpp" line="71"/>
        <source>%1 (process %2)</source>
        <translation>%1 (Prozess %2)</translation>
    </message>
</context>
<context>
    <name>BoardNotice</name>
    <message>
        <location filename="../ui/boardnotice.cpp" line="36"/>
        <source>&amp;Copy commands</source>
        <translation>Befehle &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="87"/>
        <source>%1 (USB port %2) is connected but cannot be opened. %3</source>
        <translation>Das Gerät %1 (USB-Port %2) ist angeschlossen, kann aber nicht geöffnet werden. %3</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="98"/>
        <source>%1 %2s are connected. One board of each model can be configured at a time: unplug the others.</source>
        <translation>%2: %1 Geräte sind angeschlossen. Es lässt sich jeweils nur ein Gerät pro Modell konfigurieren: Trennen Sie die übrigen.</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="103"/>
        <source>To fix this, run these commands, then unplug the board and plug it in again:</source>
        <translation>Führen Sie zur Behebung diese Befehle aus und stecken Sie das Gerät danach aus und wieder ein:</translation>
    </message>
</context>
<context>
    <name>ChangeTracker</name>
    <message>
        <location filename="../ui/changetracker.cpp" line="185"/>
        <source>Effect settings</source>
        <translation>Effekteinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="185"/>
        <source>Hardware settings</source>
        <translation>Hardware-Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="193"/>
        <source>%1: changes in the form that were not sent to the board</source>
        <translation>%1: Änderungen im Formular, die nicht an das Board gesendet wurden</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="196"/>
        <location filename="../ui/changetracker.cpp" line="258"/>
        <source>%1: applied to the board but not saved; lost when it loses power</source>
        <translation>%1: auf das Board angewendet, aber nicht gespeichert; gehen verloren, wenn es stromlos wird</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="204"/>
        <source>Close Gravolt Setup? These settings of %1 would be lost:</source>
        <translation>Gravolt Setup schließen? Diese Einstellungen von %1 gingen verloren:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="205"/>
        <source>Leave %1? These of its settings would be lost:</source>
        <translation>%1 verlassen? Diese seiner Einstellungen gingen verloren:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="210"/>
        <location filename="../ui/changetracker.cpp" line="224"/>
        <source>Unsaved settings</source>
        <translation>Nicht gespeicherte Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="211"/>
        <source>Save to board writes them to the board&apos;s permanent memory first, and goes on only if that succeeds.</source>
        <translation>„Auf dem Board speichern“ schreibt sie zuerst in den Dauerspeicher des Boards und fährt nur fort, wenn das gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="213"/>
        <location filename="../ui/changetracker.cpp" line="241"/>
        <source>&amp;Save to board</source>
        <translation>Auf dem Board s&amp;peichern</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="214"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="228"/>
        <source>&amp;Discard changes and read</source>
        <translation>Änderungen &amp;verwerfen und lesen</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="242"/>
        <source>&amp;Reboot</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="253"/>
        <source>Save to board</source>
        <translation>Auf dem Board speichern</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="262"/>
        <source>&amp;Save both</source>
        <translation>&amp;Beide speichern</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="279"/>
        <source>&amp;Switch to DFU mode</source>
        <translation>In den DFU-Modus &amp;schalten</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="225"/>
        <source>%1 in the form hold changes that were not sent to the board. Reading the board&apos;s settings replaces them.</source>
        <translation>%1 im Formular enthalten Änderungen, die nicht an das Board gesendet wurden. Das Lesen der Einstellungen des Boards ersetzt sie.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="236"/>
        <source>Reboot controller</source>
        <translation>Controller neu starten</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="237"/>
        <source>Rebooting %1 loses these settings:</source>
        <translation>Ein Neustart von %1 verwirft diese Einstellungen:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="239"/>
        <source>The board starts again with the settings of its permanent memory. Save to board writes them to its permanent memory first, and reboots only if that succeeds.</source>
        <translation>Das Board startet mit den Einstellungen aus seinem Dauerspeicher neu. „Auf dem Board speichern“ schreibt sie zuerst in seinen Dauerspeicher und startet nur neu, wenn das gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="254"/>
        <source>%1 stores every setting now in effect when it saves, not only those of this page. These settings, applied to try them, would be stored too:</source>
        <translation>%1 speichert beim Speichern alle gerade wirksamen Einstellungen, nicht nur die dieser Seite. Diese zum Ausprobieren angewendeten Einstellungen würden ebenfalls gespeichert:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="260"/>
        <source>To keep them out of the permanent memory, reboot the board first: it then drops them.</source>
        <translation>Damit sie nicht in den Dauerspeicher gelangen, starten Sie das Board zuerst neu: Es verwirft sie dann.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="268"/>
        <source>DFU mode is the board&apos;s firmware-update mode: it stops working as a controller and waits for new firmware from a DFU flashing tool. It leaves the device list until its firmware is flashed or it is power-cycled. Changes that were not sent and settings that were applied but not saved are lost.</source>
        <translation>Der DFU-Modus ist der Firmware-Update-Modus des Boards: Es arbeitet nicht mehr als Controller und wartet auf neue Firmware von einem DFU-Flash-Werkzeug. Es verschwindet aus der Board-Liste, bis seine Firmware geflasht oder es aus- und wieder eingeschaltet wird. Nicht gesendete Änderungen und angewendete, aber nicht gespeicherte Einstellungen gehen verloren.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="274"/>
        <source>Lost now:</source>
        <translation>Jetzt verloren:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="277"/>
        <source>Switch to DFU mode</source>
        <translation>In den DFU-Modus schalten</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="278"/>
        <source>Switch %1 to DFU mode?</source>
        <translation>%1 in den DFU-Modus schalten?</translation>
    </message>
</context>
<context>
    <name>DfuBootloader</name>
    <message>
        <location filename="../dfu/dfubootloader.cpp" line="83"/>
        <source>The list of USB devices cannot be read (%1).</source>
        <translation>Die Liste der USB-Geräte kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <location filename="../dfu/dfubootloader.cpp" line="135"/>
        <source>no permission to open it</source>
        <translation>keine Berechtigung, es zu öffnen</translation>
    </message>
</context>
<context>
    <name>DfuSession</name>
    <message>
        <location filename="../dfu/dfusession.cpp" line="29"/>
        <source>erasing</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="31"/>
        <source>writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="33"/>
        <source>verifying</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="73"/>
        <source>The bootloader is no longer on port %1.</source>
        <translation>Der Bootloader ist nicht mehr an Anschluss %1.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="77"/>
        <source>No permission to open the bootloader on port %1.</source>
        <translation>Keine Berechtigung, den Bootloader an Anschluss %1 zu öffnen.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="80"/>
        <source>The bootloader on port %1 cannot be opened (%2).</source>
        <translation>Der Bootloader an Anschluss %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="182"/>
        <source>The bootloader left the USB bus while %1 at address %2: the board was unplugged or lost power.</source>
        <translation>Der Bootloader hat den USB-Bus beim %1 an Adresse %2 verlassen: Das Board wurde abgesteckt oder hat keinen Strom mehr.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="186"/>
        <source>The bootloader left the USB bus while %1: the board was unplugged or lost power.</source>
        <translation>Der Bootloader hat den USB-Bus beim %1 verlassen: Das Board wurde abgesteckt oder hat keinen Strom mehr.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="198"/>
        <source> at address %1</source>
        <translation> an Adresse %1</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="202"/>
        <source>the bootloader is in a state this program did not expect</source>
        <translation>der Bootloader ist in einem Zustand, den dieses Programm nicht erwartet hat</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="206"/>
        <source>The bootloader stopped answering while %1%2 (%3).</source>
        <translation>Der Bootloader antwortet nicht mehr beim %1%2 (%3).</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="217"/>
        <source>Failed while %1 at address %2: %3</source>
        <translation>Fehler beim %1 an Adresse %2: %3</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="219"/>
        <source>Failed while %1: %2</source>
        <translation>Fehler beim %1: %2</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="264"/>
        <source>The bootloader was still busy %1 at address %2 after %3 seconds; it is taken for hung.</source>
        <translation>Der Bootloader war beim %1 an Adresse %2 nach %3 Sekunden noch beschäftigt; er gilt als hängengeblieben.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="394"/>
        <source>Verifying failed at address %1: the bootloader&apos;s memory ends there.</source>
        <translation>Die Prüfung ist an Adresse %1 fehlgeschlagen: Dort endet der Speicher des Bootloaders.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="399"/>
        <source>Verifying failed at address %1: the board holds 0x%2 where the file has 0x%3.</source>
        <translation>Die Prüfung ist an Adresse %1 fehlgeschlagen: Das Board enthält 0x%2, die Datei 0x%3.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="426"/>
        <location filename="../dfu/dfusession.cpp" line="557"/>
        <source>The bootloader is not open.</source>
        <translation>Der Bootloader ist nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="430"/>
        <source>The raw image has not been given an address.</source>
        <translation>Dem Rohabbild wurde keine Adresse gegeben.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="436"/>
        <source>The bootloader names no transfer size.</source>
        <translation>Der Bootloader nennt keine Blockgröße.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="446"/>
        <source>The file holds firmware for memory %1, which the bootloader does not have.</source>
        <translation>Die Datei enthält Firmware für Speicher %1, den der Bootloader nicht hat.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="456"/>
        <source>The bootloader does not describe its memory &quot;%1&quot;.</source>
        <translation>Der Bootloader beschreibt seinen Speicher „%1“ nicht.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="474"/>
        <source>Cancelled before anything was written.</source>
        <translation>Abgebrochen, bevor etwas geschrieben wurde.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="497"/>
        <source>Written, not verified: the bootloader cannot read its memory back.</source>
        <translation>Geschrieben, nicht geprüft: Der Bootloader kann seinen Speicher nicht zurücklesen.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="516"/>
        <source>Written, not verified: %1</source>
        <translation>Geschrieben, nicht geprüft: %1</translation>
    </message>
</context>
<context>
    <name>DfuStatus</name>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="11"/>
        <source>No error.</source>
        <translation>Kein Fehler.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="13"/>
        <source>The firmware file is meant for another device.</source>
        <translation>Die Firmware-Datei ist für ein anderes Gerät bestimmt.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="16"/>
        <source>The bootloader rejected the firmware file as not meant for this device.</source>
        <translation>Der Bootloader hat die Firmware-Datei als nicht für dieses Gerät bestimmt abgelehnt.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="19"/>
        <source>The bootloader could not write the memory.</source>
        <translation>Der Bootloader konnte den Speicher nicht beschreiben.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="22"/>
        <source>The bootloader could not erase the memory.</source>
        <translation>Der Bootloader konnte den Speicher nicht löschen.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="25"/>
        <source>The memory was not blank after erasing.</source>
        <translation>Der Speicher war nach dem Löschen nicht leer.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="27"/>
        <source>Programming the memory failed.</source>
        <translation>Das Programmieren des Speichers ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="29"/>
        <source>The bootloader read back different bytes than it wrote.</source>
        <translation>Der Bootloader hat andere Bytes zurückgelesen, als er geschrieben hat.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="32"/>
        <source>The firmware holds bytes for an address outside the device&apos;s memory.</source>
        <translation>Die Firmware enthält Bytes für eine Adresse außerhalb des Gerätespeichers.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="35"/>
        <source>The bootloader received the end of the firmware before it had all of it.</source>
        <translation>Der Bootloader hat das Ende der Firmware erhalten, bevor er sie vollständig hatte.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="39"/>
        <source>The device&apos;s firmware is corrupt and cannot be started; it stays in its bootloader until a firmware is written.</source>
        <translation>Die Firmware des Geräts ist beschädigt und kann nicht gestartet werden; es bleibt im Bootloader, bis eine Firmware geschrieben ist.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="44"/>
        <source>The board&apos;s memory is read-protected: the bootloader refuses to read it back.</source>
        <translation>Der Speicher des Boards ist lesegeschützt: Der Bootloader verweigert das Zurücklesen.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="48"/>
        <source>The bootloader reported an error of its maker&apos;s own.</source>
        <translation>Der Bootloader hat einen herstellereigenen Fehler gemeldet.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="51"/>
        <source>The device saw an unexpected USB reset.</source>
        <translation>Das Gerät hat einen unerwarteten USB-Reset erlebt.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="53"/>
        <source>The device saw an unexpected power-on reset.</source>
        <translation>Das Gerät hat einen unerwarteten Einschalt-Reset erlebt.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="56"/>
        <source>The bootloader reported an unknown error.</source>
        <translation>Der Bootloader hat einen unbekannten Fehler gemeldet.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="59"/>
        <source>The bootloader refused a request it did not expect.</source>
        <translation>Der Bootloader hat eine Anfrage abgelehnt, die er nicht erwartet hat.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="62"/>
        <source>The bootloader reported error code %1, which the DFU standard does not define.</source>
        <translation>Der Bootloader hat den Fehlercode %1 gemeldet, den der DFU-Standard nicht kennt.</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="82"/>
        <source>The file ends inside its DfuSe header.</source>
        <translation>Die Datei endet mitten in ihrem DfuSe-Kopf.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="85"/>
        <source>The file is a DfuSe file of version %1, which this program does not know.</source>
        <translation>Die Datei ist eine DfuSe-Datei der Version %1, die dieses Programm nicht kennt.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="92"/>
        <source>The file&apos;s DfuSe header says it holds %1 bytes, but it holds %2: it is cut short or has bytes added.</source>
        <translation>Laut DfuSe-Kopf enthält die Datei %1 Bytes, sie enthält aber %2: Sie ist abgeschnitten oder hat zusätzliche Bytes.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="100"/>
        <source>The file holds no firmware (no DfuSe targets).</source>
        <translation>Die Datei enthält keine Firmware (keine DfuSe-Ziele).</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="105"/>
        <source>The file ends inside target %1.</source>
        <translation>Die Datei endet mitten in Ziel %1.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="111"/>
        <source>Target %1 of the file does not start with &quot;Target&quot;.</source>
        <translation>Ziel %1 der Datei beginnt nicht mit „Target“.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="124"/>
        <source>Target %1 of the file says it holds %2 bytes, more than the file has left.</source>
        <translation>Ziel %1 der Datei gibt %2 Bytes an, mehr als die Datei noch enthält.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="133"/>
        <source>Element %1 of target %2 lies outside the target&apos;s size.</source>
        <translation>Element %1 von Ziel %2 liegt außerhalb der Größe des Ziels.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="143"/>
        <source>Element %1 of target %2 (%3 bytes at %4) runs past the end of its target.</source>
        <translation>Element %1 von Ziel %2 (%3 Bytes an %4) reicht über das Ende seines Ziels hinaus.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="152"/>
        <source>Element %1 of target %2 runs past the end of the address space.</source>
        <translation>Element %1 von Ziel %2 reicht über das Ende des Adressraums hinaus.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="164"/>
        <source>Target %1 of the file says it holds %2 bytes, but its elements hold %3.</source>
        <translation>Ziel %1 der Datei gibt %2 Bytes an, seine Elemente enthalten aber %3.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="173"/>
        <source>The file holds %1 bytes after its last target.</source>
        <translation>Die Datei enthält %1 Bytes nach ihrem letzten Ziel.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="202"/>
        <source>Line %1 follows the end-of-file record.</source>
        <translation>Zeile %1 folgt auf den Dateiende-Datensatz.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="207"/>
        <source>Line %1 is not an Intel HEX record.</source>
        <translation>Zeile %1 ist kein Intel-HEX-Datensatz.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="215"/>
        <source>Line %1 holds characters that are not hexadecimal digits.</source>
        <translation>Zeile %1 enthält Zeichen, die keine Hexadezimalziffern sind.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="222"/>
        <source>Line %1 says it holds %2 bytes of data but holds %3.</source>
        <translation>Zeile %1 gibt %2 Datenbytes an, enthält aber %3.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="232"/>
        <source>Line %1 fails its checksum: the file is damaged.</source>
        <translation>Die Prüfsumme von Zeile %1 stimmt nicht: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="243"/>
        <source>Line %1 runs past the end of the address space.</source>
        <translation>Zeile %1 reicht über das Ende des Adressraums hinaus.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="249"/>
        <source>Line %1 gives address %2 a second time.</source>
        <translation>Zeile %1 belegt Adresse %2 ein zweites Mal.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="258"/>
        <source>Line %1 is a malformed end-of-file record.</source>
        <translation>Zeile %1 ist ein fehlerhafter Dateiende-Datensatz.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="266"/>
        <source>Line %1 is a malformed address record.</source>
        <translation>Zeile %1 ist ein fehlerhafter Adressdatensatz.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="277"/>
        <source>Line %1 is a malformed start address record.</source>
        <translation>Zeile %1 ist ein fehlerhafter Startadress-Datensatz.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="282"/>
        <source>Line %1 has a record type %2 that Intel HEX does not define.</source>
        <translation>Zeile %1 hat den Datensatztyp %2, den Intel HEX nicht kennt.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="291"/>
        <source>The file has no end-of-file record: it is cut short.</source>
        <translation>Die Datei hat keinen Dateiende-Datensatz: Sie ist abgeschnitten.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="294"/>
        <location filename="../dfu/firmwarefile.cpp" line="394"/>
        <location filename="../dfu/firmwarefile.cpp" line="402"/>
        <source>The file holds no firmware bytes.</source>
        <translation>Die Datei enthält keine Firmware-Bytes.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="363"/>
        <source>The file&apos;s DFU suffix gives its length as %1 bytes; this program knows only 16-byte suffixes.</source>
        <translation>Der DFU-Anhang der Datei gibt seine Länge mit %1 Bytes an; dieses Programm kennt nur Anhänge mit 16 Bytes.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="371"/>
        <source>The file is damaged: its checksum (CRC-32 %1) does not match its contents (%2).</source>
        <translation>Die Datei ist beschädigt: Ihre Prüfsumme (CRC-32 %1) passt nicht zu ihrem Inhalt (%2).</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="383"/>
        <source>The file has no DFU suffix: it is cut short or not a DFU file.</source>
        <translation>Die Datei hat keinen DFU-Anhang: Sie ist abgeschnitten oder keine DFU-Datei.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="412"/>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>FirmwareNotice</name>
    <message>
        <location filename="../ui/firmwarenotice.cpp" line="19"/>
        <source>&amp;Update firmware…</source>
        <translation>Firmware a&amp;ktualisieren…</translation>
    </message>
    <message>
        <location filename="../ui/firmwarenotice.cpp" line="21"/>
        <source>S&amp;tart its firmware</source>
        <translation>Firmware &amp;starten</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateController</name>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="34"/>
        <source>The firmware was written, but %1 did not come back within %2 seconds. If it waits in its bootloader, it is listed in the board list.</source>
        <translation>Die Firmware wurde geschrieben, aber %1 ist nicht innerhalb von %2 Sekunden zurückgekehrt. Wartet es in seinem Bootloader, steht es in der Board-Liste.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="85"/>
        <source>The file is meant for another device (%1:%2), not %3 or its bootloader; nothing will be sent.</source>
        <translation>Die Datei ist für ein anderes Gerät (%1:%2) bestimmt, nicht für %3 oder seinen Bootloader; es wird nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="157"/>
        <source>Stopped before anything was sent: no backup could be taken.</source>
        <translation>Angehalten, bevor etwas gesendet wurde: Es konnte keine Sicherung erstellt werden.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="164"/>
        <source>%1 could not be sent to its bootloader: %2. Nothing was written; the board runs its firmware as before.</source>
        <translation>%1 konnte nicht in seinen Bootloader geschickt werden: %2. Es wurde nichts geschrieben; das Board läuft mit seiner bisherigen Firmware.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="179"/>
        <source>Cancelled: nothing was sent.</source>
        <translation>Abgebrochen: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="186"/>
        <source>Cancelled before anything was written. The board waits in its bootloader: it is listed in the board list, where its firmware can be started as it is.</source>
        <translation>Abgebrochen, bevor etwas geschrieben wurde. Das Board wartet in seinem Bootloader: Es steht in der Board-Liste, wo seine Firmware unverändert gestartet werden kann.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="320"/>
        <source>%1 went to its bootloader, but %2 bootloaders wait (ports %3). Pick its entry in the board list and update it from there.</source>
        <translation>%1 ist in seinen Bootloader gewechselt, aber es warten %2 Bootloader (Ports %3). Wählen Sie seinen Eintrag in der Board-Liste und aktualisieren Sie es von dort.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="325"/>
        <source>%1 left for its bootloader, but no bootloader appeared within %2 seconds. Nothing was written. Check the cable; a board waiting in its bootloader is listed in the board list.</source>
        <translation>%1 ist zu seinem Bootloader gewechselt, aber innerhalb von %2 Sekunden ist kein Bootloader erschienen. Es wurde nichts geschrieben. Prüfen Sie das Kabel; ein Board, das in seinem Bootloader wartet, steht in der Board-Liste.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="345"/>
        <source>The firmware was written, and the board waits in its bootloader on port %1 as you chose; start its firmware from the board list.</source>
        <translation>Die Firmware wurde geschrieben, und das Board wartet wie gewählt in seinem Bootloader an Port %1; starten Sie seine Firmware über die Board-Liste.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="352"/>
        <source>The firmware was written, but the bootloader did not start it: %1 The board waits in its bootloader on port %2; start its firmware from the board list.</source>
        <translation>Die Firmware wurde geschrieben, aber der Bootloader hat sie nicht gestartet: %1 Das Board wartet in seinem Bootloader an Port %2; starten Sie seine Firmware über die Board-Liste.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="361"/>
        <source>The firmware was written and started on port %1; the board is listed once it runs.</source>
        <translation>Die Firmware wurde an Port %1 geschrieben und gestartet; das Board erscheint in der Liste, sobald sie läuft.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="380"/>
        <source>Plugged in again, the board comes up in its bootloader and is listed in the board list, where the update can be tried again.</source>
        <translation>Wieder eingesteckt, startet das Board in seinem Bootloader und erscheint in der Board-Liste, wo die Aktualisierung erneut versucht werden kann.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="383"/>
        <source>The board stays in its bootloader on port %1. It is listed in the board list, where its firmware can be updated again or started as it is.</source>
        <translation>Das Board bleibt in seinem Bootloader an Port %1. Es steht in der Board-Liste, wo seine Firmware erneut aktualisiert oder unverändert gestartet werden kann.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="399"/>
        <source>Every byte was written and read back equal.</source>
        <translation>Jedes Byte wurde geschrieben und gleich zurückgelesen.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="400"/>
        <source>%1 runs firmware %2 (was %3). %4</source>
        <translation>%1 läuft mit Firmware %2 (vorher %3). %4</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateDialog</name>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="49"/>
        <source>Update firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="57"/>
        <source>&amp;File:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="63"/>
        <source>C&amp;hoose file…</source>
        <translation>Datei &amp;wählen…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="128"/>
        <source>&amp;Start update</source>
        <translation>Aktualisierung &amp;starten</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="130"/>
        <source>&amp;Try again</source>
        <translation>&amp;Erneut versuchen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="132"/>
        <source>&amp;Restore settings</source>
        <translation>Einstellungen wieder&amp;herstellen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="134"/>
        <source>&amp;Keep settings as they are</source>
        <translation>Einstellungen &amp;beibehalten</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="136"/>
        <location filename="../ui/firmwareupdatedialog.cpp" line="326"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="166"/>
        <source>%1, firmware %2</source>
        <translation>%1, Firmware %2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="167"/>
        <source> (port %1)</source>
        <translation> (Port %1)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="168"/>
        <source>%1, waiting in its bootloader on port %2</source>
        <translation>%1, wartet in seinem Bootloader an Port %2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="184"/>
        <source>Choose firmware file</source>
        <translation>Firmware-Datei wählen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="185"/>
        <source>Firmware files (*.dfu *.hex *.bin);;All files (*)</source>
        <translation>Firmware-Dateien (*.dfu *.hex *.bin);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="206"/>
        <source>This file cannot be used: %1</source>
        <translation>Diese Datei kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="210"/>
        <source>Format: %1</source>
        <translation>Format: %1</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="211"/>
        <source>Device: the file names none</source>
        <translation>Gerät: Die Datei nennt keines</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="213"/>
        <source>Device: any (%1:%2)</source>
        <translation>Gerät: beliebig (%1:%2)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="214"/>
        <source>Device: %1:%2</source>
        <translation>Gerät: %1:%2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="218"/>
        <source>Memory %1: %2 bytes, no address</source>
        <translation>Speicher %1: %2 Bytes, ohne Adresse</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="219"/>
        <source>Memory %1%2: %3 bytes at %4</source>
        <translation>Speicher %1%2: %3 Bytes ab %4</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="229"/>
        <source>Choose the firmware file to write.</source>
        <translation>Wählen Sie die Firmware-Datei, die geschrieben werden soll.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="232"/>
        <source>The file says it suits any device; I have checked that it is meant for this board</source>
        <translation>Die Datei gibt an, zu jedem Gerät zu passen; ich habe geprüft, dass sie für dieses Board bestimmt ist</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="234"/>
        <source>The file names no device; I have checked that it is meant for this board</source>
        <translation>Die Datei nennt kein Gerät; ich habe geprüft, dass sie für dieses Board bestimmt ist</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="239"/>
        <source>Write the raw image at %1, the first writable address</source>
        <translation>Das Rohabbild an %1 schreiben, die erste beschreibbare Adresse</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="240"/>
        <source>Write the raw image at the first writable address the bootloader names</source>
        <translation>Das Rohabbild an die erste beschreibbare Adresse schreiben, die der Bootloader nennt</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="254"/>
        <source>Both settings records of %1 go into an automatic backup.</source>
        <translation>Beide Einstellungsdatensätze von %1 kommen in eine automatische Sicherung.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="255"/>
        <source>%1 is sent to its bootloader and leaves the list for a moment.</source>
        <translation>%1 wird in seinen Bootloader geschickt und verschwindet kurz aus der Liste.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="257"/>
        <source>Only the sectors the file touches are erased; the file is written and read back.</source>
        <translation>Nur die Sektoren, die die Datei berührt, werden gelöscht; die Datei wird geschrieben und zurückgelesen.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="260"/>
        <source>The new firmware is started, and %1 is awaited and its version read.</source>
        <translation>Die neue Firmware wird gestartet, auf %1 gewartet und seine Version gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="262"/>
        <source>The new firmware is started.</source>
        <translation>Die neue Firmware wird gestartet.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="263"/>
        <source>What will happen:</source>
        <translation>Was geschieht:</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="267"/>
        <source>Until writing starts you can cancel; after that the board stays in its bootloader until the update ends.</source>
        <translation>Bis das Schreiben beginnt, können Sie abbrechen; danach bleibt das Board bis zum Ende der Aktualisierung in seinem Bootloader.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="302"/>
        <location filename="../ui/firmwareupdatedialog.cpp" line="347"/>
        <source>Erasing…</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="303"/>
        <source>Writing…</source>
        <translation>Schreiben…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="304"/>
        <source>Reading back and comparing…</source>
        <translation>Zurücklesen und vergleichen…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="326"/>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="425"/>
        <source>Keep &amp;watching</source>
        <translation>&amp;Weiter verfolgen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="445"/>
        <source>&amp;Close and leave it in its bootloader</source>
        <translation>&amp;Schließen und im Bootloader lassen</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="336"/>
        <source>Not started.</source>
        <translation>Nicht gestartet.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="340"/>
        <source>Backing up the settings and sending %1 to its bootloader…</source>
        <translation>Einstellungen werden gesichert und %1 in seinen Bootloader geschickt…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="344"/>
        <source>Waiting for the bootloader (at most %1 s)…</source>
        <translation>Warten auf den Bootloader (höchstens %1 s)…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="350"/>
        <source>Starting the new firmware…</source>
        <translation>Die neue Firmware wird gestartet…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="353"/>
        <source>Waiting for %1 to come back (at most %2 s)…</source>
        <translation>Warten, bis %1 zurückkehrt (höchstens %2 s)…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="358"/>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="365"/>
        <source>The update failed.</source>
        <translation>Die Aktualisierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="368"/>
        <source>Stopped.</source>
        <translation>Angehalten.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="377"/>
        <source>The firmware version is unchanged. Restore the settings from the backup taken before the update (%1)?</source>
        <translation>Die Firmware-Version ist unverändert. Die Einstellungen aus der vor der Aktualisierung erstellten Sicherung (%1) wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="380"/>
        <source>The firmware changed from %1 to %2, and the layout of the settings records may differ between versions. Restore the settings from the backup taken before the update (%3) only if the new firmware reads them the same way; otherwise check and set them again.</source>
        <translation>Die Firmware hat sich von %1 auf %2 geändert, und der Aufbau der Einstellungsdatensätze kann sich zwischen Versionen unterscheiden. Stellen Sie die Einstellungen aus der vor der Aktualisierung erstellten Sicherung (%3) nur wieder her, wenn die neue Firmware sie gleich liest; andernfalls prüfen und setzen Sie sie neu.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="420"/>
        <source>Stop following the update?</source>
        <translation>Die Aktualisierung nicht mehr verfolgen?</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="421"/>
        <source>The board&apos;s flash is being written. The update goes on to its end, but if you close this window the new firmware is not started: the board will stay in its bootloader, listed in the board list, where its firmware can be started or updated again.</source>
        <translation>Der Flash-Speicher des Boards wird gerade beschrieben. Die Aktualisierung läuft bis zu ihrem Ende weiter, aber wenn Sie dieses Fenster schließen, wird die neue Firmware nicht gestartet: Das Board bleibt in seinem Bootloader und steht in der Board-Liste, wo seine Firmware gestartet oder erneut aktualisiert werden kann.</translation>
    </message>
</context>
<context>
    <name>Flasher</name>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="107"/>
        <source>A bootloader is waiting on port %1 but cannot be opened: %2. Install the udev rule that comes with this program.</source>
        <translation>An Anschluss %1 wartet ein Bootloader, der sich nicht öffnen lässt: %2. Installieren Sie die udev-Regel, die diesem Programm beiliegt.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="118"/>
        <source>No bootloader is waiting on port %1.</source>
        <translation>An Anschluss %1 wartet kein Bootloader.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="153"/>
        <source>The file is meant for another device (%1:%2), not this bootloader (%3:%4) or its board; nothing was sent.</source>
        <translation>Die Datei ist für ein anderes Gerät bestimmt (%1:%2), nicht für diesen Bootloader (%3:%4) oder sein Board; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="164"/>
        <source>The file says it suits any device; it is written only when you agree.</source>
        <translation>Laut Datei passt sie zu jedem Gerät; sie wird nur mit Ihrer Zustimmung geschrieben.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="172"/>
        <source>The file names no device; it is written only when you confirm that it suits the board.</source>
        <translation>Die Datei nennt kein Gerät; sie wird nur geschrieben, wenn Sie bestätigen, dass sie zum Board passt.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="186"/>
        <source>The bootloader names no writable memory for the raw image.</source>
        <translation>Der Bootloader nennt keinen beschreibbaren Speicher für das Rohabbild.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="192"/>
        <source>The raw image would be written at %1, the first writable address; it is written only when you confirm that address.</source>
        <translation>Das Rohabbild würde an %1, die erste beschreibbare Adresse, geschrieben; es wird nur geschrieben, wenn Sie diese Adresse bestätigen.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="303"/>
        <source>The USB library cannot be started.</source>
        <translation>Die USB-Bibliothek kann nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="83"/>
        <source>The flasher %1 cannot be started: %2</source>
        <translation>Das Flash-Programm %1 kann nicht gestartet werden: %2</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="100"/>
        <source>The flasher stopped answering and was ended.</source>
        <translation>Das Flash-Programm antwortet nicht mehr und wurde beendet.</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="108"/>
        <source>The flasher crashed.</source>
        <translation>Das Flash-Programm ist abgestürzt.</translation>
    </message>
</context>
<context>
    <name>ForceFeedback</name>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="19"/>
        <source>constant</source>
        <translation>konstant</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="20"/>
        <source>spring</source>
        <translation>Feder</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="21"/>
        <source>damper</source>
        <translation>Dämpfer</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="22"/>
        <source>friction</source>
        <translation>Reibung</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="23"/>
        <source>inertia</source>
        <translation>Trägheit</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="24"/>
        <source>ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="25"/>
        <source>periodic</source>
        <translation>periodisch</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="26"/>
        <source>rumble</source>
        <translation>Rumpeln</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="27"/>
        <source>sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="28"/>
        <source>square</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="29"/>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="30"/>
        <source>saw up</source>
        <translation>Sägezahn steigend</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="31"/>
        <source>saw down</source>
        <translation>Sägezahn fallend</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="32"/>
        <source>gain</source>
        <translation>Verstärkung</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="33"/>
        <source>autocentre</source>
        <translation>Autozentrierung</translation>
    </message>
</context>
<context>
    <name>ForceTestPanel</name>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="43"/>
        <source>Pulls the axis towards its centre</source>
        <translation>Zieht die Achse zu ihrer Mitte</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="45"/>
        <source>Resists motion, the more the faster it is</source>
        <translation>Bremst die Bewegung, umso stärker, je schneller sie ist</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="47"/>
        <source>Resists motion evenly</source>
        <translation>Bremst die Bewegung gleichmäßig</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="49"/>
        <source>A constant force towards the axis&apos;s smallest value (left, or forward)</source>
        <translation>Eine konstante Kraft zum kleinsten Wert der Achse (links oder nach vorn)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="52"/>
        <source>A constant force towards the axis&apos;s largest value (right, or back)</source>
        <translation>Eine konstante Kraft zum größten Wert der Achse (rechts oder nach hinten)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="55"/>
        <source>Swings to and fro twice a second</source>
        <translation>Schwingt zweimal in der Sekunde hin und her</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="72"/>
        <source>owner %1, group %2, mode %3</source>
        <translation>Besitzer %1, Gruppe %2, Modus %3</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="83"/>
        <source>Force feedback</source>
        <translation>Force-Feedback</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="95"/>
        <source>Axis:</source>
        <translation>Achse:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="98"/>
        <source>The axis the test force acts on</source>
        <translation>Die Achse, auf die die Testkraft wirkt</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="100"/>
        <source>Strength:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="106"/>
        <source>How strong the test force is, of the most the system can ask of the board</source>
        <translation>Wie stark die Testkraft ist, gemessen am Höchsten, das das System vom Board verlangen kann</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="113"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="118"/>
        <source>Time:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="125"/>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="126"/>
        <source>How long the test force plays; it ends by itself after that</source>
        <translation>Wie lange die Testkraft wirkt; danach endet sie von selbst</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="156"/>
        <source>Stops and erases every test force at once (Escape)</source>
        <translation>Stoppt und löscht sofort jede Testkraft (Esc)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="178"/>
        <source>%1 finished.</source>
        <translation>%1 beendet.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="267"/>
        <source>Force test</source>
        <translation>Krafttest</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="268"/>
        <source>The board&apos;s motors will move the controls by themselves. Hold the controls firmly and keep hands and objects clear of their path.</source>
        <translation>Die Motoren des Boards bewegen die Steuerung selbsttätig. Halten Sie die Steuerung fest und halten Sie Hände und Gegenstände aus ihrem Weg.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="42"/>
        <source>&amp;Spring</source>
        <translation>&amp;Feder</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="44"/>
        <source>&amp;Damper</source>
        <translation>Dä&amp;mpfer</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="46"/>
        <source>Fr&amp;iction</source>
        <translation>&amp;Reibung</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="48"/>
        <source>&amp;Push to minimum</source>
        <translation>Zum M&amp;inimum drücken</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="51"/>
        <source>Push to ma&amp;ximum</source>
        <translation>Zum Ma&amp;ximum drücken</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="54"/>
        <source>Si&amp;ne</source>
        <translation>&amp;Sinus</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="154"/>
        <source>S&amp;top</source>
        <translation>S&amp;topp</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="270"/>
        <source>&amp;Start test</source>
        <translation>Test &amp;starten</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="306"/>
        <source>%1 playing on %2 at %3 %, %4 s left. Stop or Escape ends it.</source>
        <translation>%1 läuft auf %2 mit %3 %, noch %4 s. Stopp oder Esc beendet den Test.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="319"/>
        <source>%1 stopped.</source>
        <translation>%1 gestoppt.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="326"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="329"/>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="329"/>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="331"/>
        <source>The system offers force feedback for this board (driver %1%2). Effects: %3. It holds %4 effects at once. Gain can be set: %5. Autocentre can be set: %6.</source>
        <translation>Das System bietet Force-Feedback für dieses Board (Treiber %1%2). Effekte: %3. Es hält %4 Effekte gleichzeitig. Verstärkung einstellbar: %5. Autozentrierung einstellbar: %6.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="344"/>
        <source>The test cannot play forces: this user may not write to %1 (%2). Install the udev rule %3 that comes with Gravolt Setup and reconnect the board.</source>
        <translation>Der Test kann keine Kräfte abspielen: Dieser Benutzer darf nicht auf %1 schreiben (%2). Installieren Sie die udev-Regel %3, die Gravolt Setup beiliegt, und schließen Sie das Board neu an.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="351"/>
        <source>The system offers no force feedback for this board: its driver %1 registered none for the input device %2, so games cannot use the board&apos;s forces either. Most likely no force-feedback driver is bound to the board: the kernel needs its HID force-feedback support (usbhid with HID PID support) for it.</source>
        <translation>Das System bietet kein Force-Feedback für dieses Board: Sein Treiber %1 hat für das Eingabegerät %2 keines angemeldet, also können auch Spiele die Kräfte des Boards nicht nutzen. Wahrscheinlich ist kein Force-Feedback-Treiber an das Board gebunden: Der Kernel braucht dafür seine HID-Force-Feedback-Unterstützung (usbhid mit HID-PID-Unterstützung).</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="355"/>
        <source>of the board</source>
        <translation>des Boards</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="370"/>
        <source>Force feedback cannot be tested on this operating system yet.</source>
        <translation>Force-Feedback kann auf diesem Betriebssystem noch nicht getestet werden.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="372"/>
        <source>The board is not connected.</source>
        <translation>Das Board ist nicht angeschlossen.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="374"/>
        <source>The system made no input device of this board, so it offers no force feedback for it. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Das System hat aus diesem Board kein Eingabegerät gemacht und bietet daher kein Force-Feedback dafür. Prüfen Sie, ob der HID-Treiber des Boards geladen ist.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="377"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Das Eingabegerät %1 des Boards existiert nicht. Schließen Sie das Board neu an.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="379"/>
        <source>The system offers no force feedback for this board.</source>
        <translation>Das System bietet kein Force-Feedback für dieses Board.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="381"/>
        <source>No permission to open the board&apos;s input device %1 for force feedback (%2). Install the udev rule %3 that comes with Gravolt Setup and reconnect the board.</source>
        <translation>Keine Berechtigung, das Eingabegerät %1 des Boards für Force-Feedback zu öffnen (%2). Installieren Sie die udev-Regel %3, die Gravolt Setup beiliegt, und schließen Sie das Board neu an.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="386"/>
        <source>The board refused the test force: %1</source>
        <translation>Das Board hat die Testkraft abgelehnt: %1</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="388"/>
        <source>The board was disconnected.</source>
        <translation>Das Board wurde getrennt.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="393"/>
        <source>The test force cannot be played: %1</source>
        <translation>Die Testkraft kann nicht abgespielt werden: %1</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="394"/>
        <source>The test force cannot be played on %1: %2</source>
        <translation>Die Testkraft kann auf %1 nicht abgespielt werden: %2</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="69"/>
        <source>Sa&amp;ve</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="88"/>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="511"/>
        <source>&amp;Delete</source>
        <translation>L&amp;öschen</translation>
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
        <source>DirectX spring forces strength (%)</source>
        <translation>Stärke der DirectX-Federkräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="717"/>
        <source>DirectX constant forces strength (%)</source>
        <translation>Stärke der konstanten DirectX-Kräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="753"/>
        <source>DirectX periodic forces strength (%)</source>
        <translation>Stärke der periodischen DirectX-Kräfte (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="44"/>
        <source>Type a name for the profile first.</source>
        <translation>Geben Sie zuerst einen Namen für das Profil ein.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="46"/>
        <source>A profile name may not start with a dot.</source>
        <translation>Ein Profilname darf nicht mit einem Punkt beginnen.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="49"/>
        <source>A profile name may not contain / or \ or control characters such as a line break or a tab.</source>
        <translation>Ein Profilname darf weder / noch \ noch Steuerzeichen wie Zeilenumbruch oder Tabulator enthalten.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="167"/>
        <source>Store an effect profile file as a profile</source>
        <translation>Eine Effektprofil-Datei als Profil ablegen</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="170"/>
        <source>Write the effect settings of the form to a profile file</source>
        <translation>Die Effekteinstellungen des Formulars in eine Profildatei schreiben</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="173"/>
        <source>Apply an effect profile while a game runs</source>
        <translation>Ein Effektprofil anwenden, solange ein Spiel läuft</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="437"/>
        <source>Effect profiles</source>
        <translation>Effektprofile</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="448"/>
        <source>The effect profile was not saved. %1</source>
        <translation>Das Effektprofil wurde nicht gespeichert. %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="457"/>
        <source>An effect profile named “%1” exists. Replace it with the settings in the form?</source>
        <translation>Es gibt bereits ein Effektprofil „%1“. Soll es durch die Einstellungen im Formular ersetzt werden?</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="165"/>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="168"/>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="171"/>
        <source>&amp;Games...</source>
        <translation>S&amp;piele...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="460"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="461"/>
        <source>The effect profile “%1” was left as it was.</source>
        <translation>Das Effektprofil „%1“ blieb unverändert.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="479"/>
        <source>the folder %1 cannot be created</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="483"/>
        <source>Effect profile “%1” saved.</source>
        <translation>Effektprofil „%1“ gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="485"/>
        <source>The effect profile “%1” could not be saved: %2</source>
        <translation>Das Effektprofil „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="497"/>
        <source>No effect profile was deleted. %1</source>
        <translation>Es wurde kein Effektprofil gelöscht. %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="503"/>
        <source>There is no effect profile named “%1”.</source>
        <translation>Es gibt kein Effektprofil „%1“.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="508"/>
        <source>Delete the effect profile “%1”? Its file is removed from this computer; the form keeps what it shows.</source>
        <translation>Effektprofil „%1“ löschen? Seine Datei wird von diesem Computer entfernt; das Formular behält, was es anzeigt.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="512"/>
        <source>The effect profile “%1” was kept.</source>
        <translation>Das Effektprofil „%1“ wurde behalten.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="518"/>
        <source>Effect profile “%1” deleted.</source>
        <translation>Effektprofil „%1“ gelöscht.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="520"/>
        <source>The effect profile “%1” could not be deleted: %2</source>
        <translation>Das Effektprofil „%1“ konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="537"/>
        <source>“%1” was not loaded: the file cannot be read.</source>
        <translation>„%1“ wurde nicht geladen: Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="538"/>
        <source>“%1” was not loaded: it is not a regular file.</source>
        <translation>„%1“ wurde nicht geladen: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="547"/>
        <source>“%1” was not loaded: an effect profile holds exactly %2 bytes.</source>
        <translation>„%1“ wurde nicht geladen: Ein Effektprofil umfasst genau %2 Bytes.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="556"/>
        <source>The effect settings in the form hold changes that were not sent to the board. Load the profile “%1” and discard them?</source>
        <translation>Die Effekteinstellungen im Formular enthalten Änderungen, die nicht an das Board gesendet wurden. Profil „%1“ laden und die Änderungen verwerfen?</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="559"/>
        <source>&amp;Discard changes and load</source>
        <translation>Änderungen &amp;verwerfen und laden</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="560"/>
        <source>The effect profile “%1” was not loaded; the form keeps your changes.</source>
        <translation>Das Effektprofil „%1“ wurde nicht geladen; das Formular behält Ihre Änderungen.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="573"/>
        <source>Profile “%1” loaded into the form; Apply or Save sends it to the board.</source>
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
        <source>&lt;p&gt;Puts the board&apos;s force output into its diagnostic mode, for tracking down drive problems. Leave it off in normal use.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Schaltet die Kraftausgabe des Boards in ihren Diagnosemodus, um Antriebsprobleme aufzuspüren. Im normalen Betrieb ausgeschaltet lassen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="35"/>
        <source>Debug forces</source>
        <translation>Kräfte-Debugging</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="80"/>
        <source>80V/V</source>
        <translation>80V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="85"/>
        <source>40V/V</source>
        <translation>40V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="90"/>
        <source>20V/V</source>
        <translation>20V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="95"/>
        <source>10V/V</source>
        <translation>10V/V</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="42"/>
        <source>&lt;p&gt;Lets the board drive its motors. Off, it still reports positions and buttons but produces no force. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Erlaubt dem Board, seine Motoren anzusteuern. Ausgeschaltet meldet es weiter Positionen und Tasten, erzeugt aber keine Kraft. Wirkt erst nach einem Neustart.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="45"/>
        <source>Enable forces (requires reboot)</source>
        <translation>Kräfte aktivieren (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="66"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="76"/>
        <source>&lt;p&gt;Gain of the board&apos;s motor current-sense amplifier, in V/V. It must match the board&apos;s current-sense circuit. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Verstärkung des Strommessverstärkers der Motoren, in V/V. Sie muss zur Strommessschaltung des Boards passen. Wirkt erst nach einem Neustart.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="69"/>
        <source>Current sense gain (requires reboot)</source>
        <translation>Verstärkung der Strommessung (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="103"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="113"/>
        <source>&lt;p&gt;How the board finds the centre of travel when it starts: not at all, taking the position at calibration start as the centre, or searching the whole range for its middle. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wie das Board beim Start die Mitte des Weges findet: gar nicht, mit der Position beim Kalibrierstart als Mitte oder durch Absuchen des ganzen Bereichs nach seiner Mitte. Wirkt erst nach einem Neustart.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="106"/>
        <source>Calibration (requires reboot)</source>
        <translation>Kalibrierung (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="132"/>
        <source>Axis 0</source>
        <translation>Achse 0</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="138"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="284"/>
        <source>&lt;p&gt;Reverses the direction in which this axis reports its position to the computer.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kehrt die Richtung um, in der diese Achse ihre Position an den Computer meldet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="141"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="287"/>
        <source>Invert joystick output</source>
        <translation>Joystick-Ausgabe umkehren</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="148"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="294"/>
        <source>&lt;p&gt;Reverses the direction in which the motor pushes this axis.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kehrt die Richtung um, in der der Motor diese Achse drückt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="151"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="297"/>
        <source>Invert force output</source>
        <translation>Kraftausgabe umkehren</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="158"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="180"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="304"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="326"/>
        <source>&lt;p&gt;Resolution of this axis&apos;s encoder, in counts per revolution.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Auflösung des Encoders dieser Achse, in Zählschritten pro Umdrehung.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="173"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="319"/>
        <source>Encoder CPR</source>
        <translation>Encoder-CPR</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="190"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="212"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="336"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="358"/>
        <source>&lt;p&gt;Number of pole pairs of this axis&apos;s motor (half its number of magnet poles), as given by the motor&apos;s data sheet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Anzahl der Polpaare des Motors dieser Achse (die Hälfte seiner Magnetpole), laut Datenblatt des Motors.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="205"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="351"/>
        <source>Pole pairs</source>
        <translation>Polpaare</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="219"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="241"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="365"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="387"/>
        <source>&lt;p&gt;Proportional gain of this axis&apos;s motor control loop (a plain factor): how strongly it answers a deviation. Higher is stiffer; too high makes the motor oscillate.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Proportionalverstärkung des Motorregelkreises dieser Achse (ein reiner Faktor): wie stark er auf eine Abweichung antwortet. Höher ist steifer; zu hoch lässt den Motor schwingen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="234"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="380"/>
        <source>P gain</source>
        <translation>P-Verstärkung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="248"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="270"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="394"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="416"/>
        <source>&lt;p&gt;Integral gain of this axis&apos;s motor control loop (a plain factor): how strongly it corrects a deviation that persists. Too high makes the motor overshoot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Integralverstärkung des Motorregelkreises dieser Achse (ein reiner Faktor): wie stark er eine bleibende Abweichung ausgleicht. Zu hoch lässt den Motor überschwingen.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="263"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="409"/>
        <source>I gain</source>
        <translation>I-Verstärkung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="278"/>
        <source>Axis 1</source>
        <translation>Achse 1</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="441"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="451"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="464"/>
        <source>&lt;p&gt;Highest motor power the board will deliver, in percent of its maximum. Every force is kept below it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Höchste Motorleistung, die das Board abgibt, in Prozent seines Maximums. Jede Kraft bleibt darunter.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="444"/>
        <source>Power limit (%)</source>
        <translation>Leistungsgrenze (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="474"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="484"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="497"/>
        <source>&lt;p&gt;Force with which the motor moves the axis while calibrating, in percent of full force.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kraft, mit der der Motor die Achse beim Kalibrieren bewegt, in Prozent der vollen Kraft.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="477"/>
        <source>Calibration magnitude (%)</source>
        <translation>Kalibrierkraft (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="507"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="517"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="530"/>
        <source>&lt;p&gt;Speed at which the motor moves the axis while calibrating, in percent of the highest calibration speed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Geschwindigkeit, mit der der Motor die Achse beim Kalibrieren bewegt, in Prozent der höchsten Kalibriergeschwindigkeit.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="510"/>
        <source>Calibration speed (%)</source>
        <translation>Kalibriergeschwindigkeit (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="540"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="550"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="563"/>
        <source>&lt;p&gt;Motor current at which calibration takes an end stop as reached, in percent of the maximum current.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Motorstrom, bei dem die Kalibrierung einen Endanschlag als erreicht ansieht, in Prozent des Höchststroms.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="543"/>
        <source>Calibration stop current (%)</source>
        <translation>Abschaltstrom der Kalibrierung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="573"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="583"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="596"/>
        <source>&lt;p&gt;Highest load of the braking resistor, in percent. The resistor burns the energy the motor feeds back when it is pushed; a lower limit keeps it cooler.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Höchste Belastung des Bremswiderstands, in Prozent. Der Widerstand verheizt die Energie, die der Motor zurückspeist, wenn er bewegt wird; eine niedrigere Grenze hält ihn kühler.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="576"/>
        <source>Braking resistor limit (%)</source>
        <translation>Grenze des Bremswiderstands (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="606"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="616"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="635"/>
        <source>&lt;p&gt;Number of position samples (2 to 32) from which the board works out the axis speed that dampening uses. More samples give a smoother but later speed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Anzahl der Positionsmessungen (2 bis 32), aus denen das Board die Achsgeschwindigkeit für die Dämpfung berechnet. Mehr Messungen ergeben eine ruhigere, aber spätere Geschwindigkeit.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="609"/>
        <source>Speed sample buffer size</source>
        <translation>Puffergröße der Geschwindigkeitsmessung</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="651"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="661"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="674"/>
        <source>&lt;p&gt;How strongly the board smooths the axis position it reports, in percent. 0 reports it unfiltered; higher is steadier but follows movement later.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wie stark das Board die gemeldete Achsposition glättet, in Prozent. 0 meldet sie ungefiltert; höher ist ruhiger, folgt Bewegungen aber später.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="654"/>
        <source>Position smoothing (%)</source>
        <translation>Positionsglättung (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="125"/>
        <source>Not a number: type a finite decimal number such as %1 (a point or a comma separates the decimals).</source>
        <translation>Keine Zahl: Geben Sie eine endliche Dezimalzahl wie %1 ein (Punkt oder Komma trennt die Nachkommastellen).</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="158"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="159"/>
        <source>Calibration start angle as the center</source>
        <translation>Startwinkel der Kalibrierung als Mitte</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="160"/>
        <source>Automatic center of range search</source>
        <translation>Automatische Suche der Bereichsmitte</translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="63"/>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="66"/>
        <source>While a linked game runs, its effect profile is applied to the board&apos;s working memory; when the game ends, the settings from before come back. Permanent memory is never changed.</source>
        <translation>Solange ein verknüpftes Spiel läuft, liegt sein Effektprofil im Arbeitsspeicher des Boards; endet das Spiel, kehren die vorherigen Einstellungen zurück. Der Dauerspeicher wird nie verändert.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="74"/>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="74"/>
        <source>Effect profile</source>
        <translation>Effektprofil</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="81"/>
        <source>rallygame, or Game.exe for Wine and Proton</source>
        <translation>rallygame, oder Game.exe für Wine und Proton</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="100"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="85"/>
        <source>&amp;Link</source>
        <translation>&amp;Verknüpfen</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="89"/>
        <source>&amp;Unlink</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="93"/>
        <source>&amp;Program name:</source>
        <translation>&amp;Programmname:</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="94"/>
        <source>&amp;Effect profile:</source>
        <translation>&amp;Effektprofil:</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="101"/>
        <source>&amp;Follow games in the background</source>
        <translation>Spiele im &amp;Hintergrund verfolgen</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="104"/>
        <source>Starts the game watcher now and at every login (a systemd user service)</source>
        <translation>Startet die Spielüberwachung jetzt und bei jeder Anmeldung (ein systemd-Benutzerdienst)</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="159"/>
        <source>The list of games cannot be read: %1</source>
        <translation>Die Liste der Spiele kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="174"/>
        <source>Type the program&apos;s name without its folder, such as “rallygame” or “Game.exe”.</source>
        <translation>Geben Sie den Namen des Programms ohne seinen Ordner ein, etwa „rallygame“ oder „Game.exe“.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="180"/>
        <source>The game was not linked: %1</source>
        <translation>Das Spiel wurde nicht verknüpft: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="183"/>
        <source>“%1” now gets the effect profile “%2”.</source>
        <translation>„%1“ erhält jetzt das Effektprofil „%2“.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="196"/>
        <source>The game was not unlinked: %1</source>
        <translation>Die Verknüpfung des Spiels wurde nicht gelöst: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="198"/>
        <source>“%1” no longer changes the effect settings.</source>
        <translation>„%1“ ändert die Effekteinstellungen nicht mehr.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="217"/>
        <source>The background service is not installed; run “gravoltctl watch” to follow games.</source>
        <translation>Der Hintergrunddienst ist nicht installiert; starten Sie „gravoltctl watch“, um Spiele zu verfolgen.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="219"/>
        <source>The background service is not available on this system; run “gravoltctl watch” to follow games.</source>
        <translation>Der Hintergrunddienst ist auf diesem System nicht verfügbar; starten Sie „gravoltctl watch“, um Spiele zu verfolgen.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="229"/>
        <source>The game watcher is running.</source>
        <translation>Die Spielüberwachung läuft.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="230"/>
        <source>The game watcher is not running.</source>
        <translation>Die Spielüberwachung läuft nicht.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="240"/>
        <source>The game watcher could not be started.</source>
        <translation>Die Spielüberwachung konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="241"/>
        <source>The game watcher could not be stopped.</source>
        <translation>Die Spielüberwachung konnte nicht beendet werden.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../ui/helpmenu.cpp" line="24"/>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="34"/>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="35"/>
        <source>The manual could not be opened: %1 (%2).</source>
        <translation>Das Handbuch konnte nicht geöffnet werden: %1 (%2).</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="42"/>
        <source>Gravolt Setup manual</source>
        <translation>Handbuch zu Gravolt Setup</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="60"/>
        <source>About Gravolt Setup</source>
        <translation>Über Gravolt Setup</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="73"/>
        <source>Gravolt Setup %1
Made for board firmware %2.
Built with Qt %3, running on Qt %4.
Licence: %5

Effect profiles are kept in %6
Board backups are kept in %7</source>
        <translation>Gravolt Setup %1
Gemacht für die Board-Firmware %2.
Erstellt mit Qt %3, läuft mit Qt %4.
Lizenz: %5

Effektprofile liegen in %6
Board-Sicherungen liegen in %7</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="88"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="90"/>
        <source>&amp;Manual</source>
        <translation>&amp;Handbuch</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="95"/>
        <source>&amp;About Gravolt Setup</source>
        <translation>&amp;Über Gravolt Setup</translation>
    </message>
</context>
<context>
    <name>LiveInputView</name>
    <message>
        <location filename="../ui/liveinputview.cpp" line="40"/>
        <source>Throttle</source>
        <translation>Schubregler</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="41"/>
        <source>Rudder</source>
        <translation>Seitenruder</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="42"/>
        <source>Wheel</source>
        <translation>Lenkrad</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="43"/>
        <source>Gas</source>
        <translation>Gaspedal</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="44"/>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="98"/>
        <source>Axes</source>
        <translation>Achsen</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="109"/>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="124"/>
        <location filename="../ui/liveinputview.cpp" line="142"/>
        <location filename="../ui/liveinputview.cpp" line="170"/>
        <source>Select a board to see its inputs.</source>
        <translation>Wählen Sie ein Board, um seine Eingaben zu sehen.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="297"/>
        <source>The board reports no axes and no buttons.</source>
        <translation>Das Board meldet weder Achsen noch Tasten.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="312"/>
        <source>Axis %1</source>
        <translation>Achse %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="324"/>
        <source>Live input is not available on this operating system yet.</source>
        <translation>Live-Eingaben sind auf diesem Betriebssystem noch nicht verfügbar.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="326"/>
        <source>The board is not connected.</source>
        <translation>Das Board ist nicht angeschlossen.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="328"/>
        <source>The system made no input device of this board, so its inputs cannot be shown. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Das System hat für dieses Board kein Eingabegerät angelegt, daher können seine Eingaben nicht angezeigt werden. Prüfen Sie, ob der HID-Treiber des Boards geladen ist.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="331"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Das Eingabegerät %1 des Boards existiert nicht. Schließen Sie das Board erneut an.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="337"/>
        <source>No permission to read the board&apos;s input device %1 (owner %2, group %3, mode %4). Install the udev rule that comes with Gravolt Setup and reconnect the board, or add your user to the group %3.</source>
        <translation>Keine Berechtigung, das Eingabegerät %1 des Boards zu lesen (Eigentümer %2, Gruppe %3, Modus %4). Installieren Sie die mit Gravolt Setup gelieferte udev-Regel und schließen Sie das Board erneut an, oder fügen Sie Ihren Benutzer der Gruppe %3 hinzu.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="343"/>
        <source>The board was disconnected.</source>
        <translation>Das Board wurde getrennt.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="348"/>
        <source>The board&apos;s inputs cannot be read: %1</source>
        <translation>Die Eingaben des Boards können nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="349"/>
        <source>The board&apos;s input device %1 cannot be read: %2</source>
        <translation>Das Eingabegerät %1 des Boards kann nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="27"/>
        <location filename="../ui/mainwindow.cpp" line="426"/>
        <source>No compatible devices connected</source>
        <translation>Keine kompatiblen Geräte angeschlossen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="10"/>
        <source>Effects</source>
        <translation>Effekte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="72"/>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="134"/>
        <location filename="../ui/mainwindowpages.ui" line="412"/>
        <source>GPIO</source>
        <translation>GPIO</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="159"/>
        <source>Pin 1</source>
        <translation>Pin 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="175"/>
        <source>Pin 2</source>
        <translation>Pin 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="191"/>
        <source>Pin 3</source>
        <translation>Pin 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="207"/>
        <source>Pin 4</source>
        <translation>Pin 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="223"/>
        <source>Pin 5</source>
        <translation>Pin 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="239"/>
        <source>Pin 6</source>
        <translation>Pin 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="255"/>
        <source>Pin 7</source>
        <translation>Pin 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="271"/>
        <source>Pin 8</source>
        <translation>Pin 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="287"/>
        <source>Encoder Z0</source>
        <translation>Encoder Z0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="303"/>
        <source>Encoder Z1</source>
        <translation>Encoder Z1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="326"/>
        <source>SPI mode</source>
        <translation>SPI-Modus</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="55"/>
        <source>&amp;Read current effects settings from controller</source>
        <translation>Aktuelle Effekteinstellungen aus dem Controller &amp;lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="60"/>
        <source>&amp;Apply current effects settings to controller</source>
        <translation>&amp;Aktuelle Effekteinstellungen im Controller übernehmen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="65"/>
        <source>&amp;Save effects settings to controller&apos;s permanent memory</source>
        <translation>Effekteinstellungen dauerhaft im Controller &amp;speichern</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="117"/>
        <location filename="../ui/mainwindowpages.ui" line="378"/>
        <location filename="../ui/mainwindowpages.ui" line="871"/>
        <location filename="../ui/mainwindowpages.ui" line="1083"/>
        <source>&amp;Read current hardware settings from controller</source>
        <translation>Aktuelle Hardware-Einstellungen aus dem Controller &amp;lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="122"/>
        <location filename="../ui/mainwindowpages.ui" line="383"/>
        <location filename="../ui/mainwindowpages.ui" line="876"/>
        <location filename="../ui/mainwindowpages.ui" line="1088"/>
        <source>&amp;Apply current hardware settings to controller</source>
        <translation>&amp;Aktuelle Hardware-Einstellungen im Controller übernehmen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="127"/>
        <location filename="../ui/mainwindowpages.ui" line="388"/>
        <location filename="../ui/mainwindowpages.ui" line="881"/>
        <location filename="../ui/mainwindowpages.ui" line="1093"/>
        <source>&amp;Save hardware settings to controller&apos;s permanent memory</source>
        <translation>Hardware-Einstellungen dauerhaft im Controller &amp;speichern</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="152"/>
        <source>GPIO modes (requires reboot)</source>
        <translation>GPIO-Modi (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="164"/>
        <location filename="../ui/mainwindowpages.ui" line="180"/>
        <location filename="../ui/mainwindowpages.ui" line="196"/>
        <location filename="../ui/mainwindowpages.ui" line="212"/>
        <location filename="../ui/mainwindowpages.ui" line="228"/>
        <location filename="../ui/mainwindowpages.ui" line="244"/>
        <location filename="../ui/mainwindowpages.ui" line="260"/>
        <location filename="../ui/mainwindowpages.ui" line="276"/>
        <location filename="../ui/mainwindowpages.ui" line="292"/>
        <location filename="../ui/mainwindowpages.ui" line="308"/>
        <source>&lt;p&gt;What this pin does on the board: a button input, an analog input (pins 1 to 3 only), a line of the SPI extension, or a special switch or output. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Was dieser Pin auf dem Board tut: Tasteneingang, Analogeingang (nur Pins 1 bis 3), Leitung der SPI-Erweiterung oder ein besonderer Schalter oder Ausgang. Wirkt erst nach einem Neustart.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="319"/>
        <source>Extensions (requires reboot)</source>
        <translation>Erweiterungen (Neustart erforderlich)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="325"/>
        <location filename="../ui/mainwindowpages.ui" line="331"/>
        <source>&lt;p&gt;Extension attached to the board&apos;s SPI pins: three shift registers that add buttons 9 to 32, or a control grip. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;An den SPI-Pins des Boards angeschlossene Erweiterung: drei Schieberegister, die die Tasten 9 bis 32 hinzufügen, oder ein Steuergriff. Wirkt erst nach einem Neustart.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="338"/>
        <source>SPI recommendations</source>
        <translation>SPI-Empfehlungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="342"/>
        <source>- SCK line at PIN 3</source>
        <translation>- SCK-Leitung an Pin 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="347"/>
        <source>- MISO line at PIN 4</source>
        <translation>- MISO-Leitung an Pin 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="352"/>
        <source>- CS line at PIN 5</source>
        <translation>- CS-Leitung an Pin 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="395"/>
        <source>Buttons</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="419"/>
        <source>Button 1</source>
        <translation>Taste 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="424"/>
        <location filename="../ui/mainwindowpages.ui" line="437"/>
        <location filename="../ui/mainwindowpages.ui" line="450"/>
        <location filename="../ui/mainwindowpages.ui" line="463"/>
        <location filename="../ui/mainwindowpages.ui" line="476"/>
        <location filename="../ui/mainwindowpages.ui" line="489"/>
        <location filename="../ui/mainwindowpages.ui" line="502"/>
        <location filename="../ui/mainwindowpages.ui" line="515"/>
        <location filename="../ui/mainwindowpages.ui" line="535"/>
        <location filename="../ui/mainwindowpages.ui" line="548"/>
        <location filename="../ui/mainwindowpages.ui" line="561"/>
        <location filename="../ui/mainwindowpages.ui" line="574"/>
        <location filename="../ui/mainwindowpages.ui" line="587"/>
        <location filename="../ui/mainwindowpages.ui" line="600"/>
        <location filename="../ui/mainwindowpages.ui" line="613"/>
        <location filename="../ui/mainwindowpages.ui" line="626"/>
        <location filename="../ui/mainwindowpages.ui" line="646"/>
        <location filename="../ui/mainwindowpages.ui" line="659"/>
        <location filename="../ui/mainwindowpages.ui" line="672"/>
        <location filename="../ui/mainwindowpages.ui" line="685"/>
        <location filename="../ui/mainwindowpages.ui" line="698"/>
        <location filename="../ui/mainwindowpages.ui" line="711"/>
        <location filename="../ui/mainwindowpages.ui" line="724"/>
        <location filename="../ui/mainwindowpages.ui" line="737"/>
        <location filename="../ui/mainwindowpages.ui" line="757"/>
        <location filename="../ui/mainwindowpages.ui" line="770"/>
        <location filename="../ui/mainwindowpages.ui" line="783"/>
        <location filename="../ui/mainwindowpages.ui" line="796"/>
        <location filename="../ui/mainwindowpages.ui" line="809"/>
        <location filename="../ui/mainwindowpages.ui" line="822"/>
        <location filename="../ui/mainwindowpages.ui" line="835"/>
        <location filename="../ui/mainwindowpages.ui" line="848"/>
        <source>&lt;p&gt;How the board reports this button input: Disabled (never pressed), Normal, or Inverted (pressed while the contact is open).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wie das Board diesen Tasteneingang meldet: Deaktiviert (nie gedrückt), Normal oder Invertiert (gedrückt, solange der Kontakt offen ist).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="432"/>
        <source>Button 2</source>
        <translation>Taste 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="445"/>
        <source>Button 3</source>
        <translation>Taste 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="458"/>
        <source>Button 4</source>
        <translation>Taste 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="471"/>
        <source>Button 5</source>
        <translation>Taste 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="484"/>
        <source>Button 6</source>
        <translation>Taste 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="497"/>
        <source>Button 7</source>
        <translation>Taste 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="510"/>
        <source>Button 8</source>
        <translation>Taste 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="523"/>
        <source>Shift register 1</source>
        <translation>Schieberegister 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="530"/>
        <source>Button 9</source>
        <translation>Taste 9</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="543"/>
        <source>Button 10</source>
        <translation>Taste 10</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="556"/>
        <source>Button 11</source>
        <translation>Taste 11</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="569"/>
        <source>Button 12</source>
        <translation>Taste 12</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="582"/>
        <source>Button 13</source>
        <translation>Taste 13</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="595"/>
        <source>Button 14</source>
        <translation>Taste 14</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="608"/>
        <source>Button 15</source>
        <translation>Taste 15</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="621"/>
        <source>Button 16</source>
        <translation>Taste 16</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="634"/>
        <source>Shift register 2</source>
        <translation>Schieberegister 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="641"/>
        <source>Button 17</source>
        <translation>Taste 17</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="654"/>
        <source>Button 18</source>
        <translation>Taste 18</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="667"/>
        <source>Button 19</source>
        <translation>Taste 19</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="680"/>
        <source>Button 20</source>
        <translation>Taste 20</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="693"/>
        <source>Button 21</source>
        <translation>Taste 21</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="706"/>
        <source>Button 22</source>
        <translation>Taste 22</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="719"/>
        <source>Button 23</source>
        <translation>Taste 23</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="732"/>
        <source>Button 24</source>
        <translation>Taste 24</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="745"/>
        <source>Shift register 3</source>
        <translation>Schieberegister 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="752"/>
        <source>Button 25</source>
        <translation>Taste 25</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="765"/>
        <source>Button 26</source>
        <translation>Taste 26</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="778"/>
        <source>Button 27</source>
        <translation>Taste 27</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="791"/>
        <source>Button 28</source>
        <translation>Taste 28</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="804"/>
        <source>Button 29</source>
        <translation>Taste 29</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="817"/>
        <source>Button 30</source>
        <translation>Taste 30</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="830"/>
        <source>Button 31</source>
        <translation>Taste 31</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="843"/>
        <source>Button 32</source>
        <translation>Taste 32</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="888"/>
        <source>Analog axes</source>
        <translation>Analogachsen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="907"/>
        <location filename="../ui/mainwindowpages.ui" line="950"/>
        <location filename="../ui/mainwindowpages.ui" line="991"/>
        <location filename="../ui/mainwindowpages.ui" line="1032"/>
        <source>&lt;p&gt;Travel at the low end of this axis that still reads as its lowest value, in raw axis units (0 to 32767).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Weg am unteren Ende dieser Achse, der noch als ihr niedrigster Wert gilt, in Rohwerten der Achse (0 bis 32767).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="908"/>
        <source>Lower dead zone</source>
        <translation>Untere Totzone</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="915"/>
        <location filename="../ui/mainwindowpages.ui" line="956"/>
        <location filename="../ui/mainwindowpages.ui" line="997"/>
        <location filename="../ui/mainwindowpages.ui" line="1038"/>
        <source>&lt;p&gt;Travel at the high end of this axis that already reads as its highest value, in raw axis units (0 to 32767).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Weg am oberen Ende dieser Achse, der schon als ihr höchster Wert gilt, in Rohwerten der Achse (0 bis 32767).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="916"/>
        <source>Upper dead zone</source>
        <translation>Obere Totzone</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="923"/>
        <location filename="../ui/mainwindowpages.ui" line="962"/>
        <location filename="../ui/mainwindowpages.ui" line="1003"/>
        <location filename="../ui/mainwindowpages.ui" line="1044"/>
        <source>&lt;p&gt;How strongly the board smooths this axis, in percent. 0 reports it unfiltered; higher is steadier but follows movement later.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Wie stark das Board diese Achse glättet, in Prozent. 0 meldet sie ungefiltert; höher ist ruhiger, folgt Bewegungen aber später.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="924"/>
        <source>Smoothing(%)</source>
        <translation>Glättung (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="931"/>
        <location filename="../ui/mainwindowpages.ui" line="968"/>
        <location filename="../ui/mainwindowpages.ui" line="1009"/>
        <location filename="../ui/mainwindowpages.ui" line="1050"/>
        <source>&lt;p&gt;Position, in percent of this axis&apos;s travel, below which the axis&apos;s button is released again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Position in Prozent des Achsweges, unterhalb der die Taste der Achse wieder losgelassen ist.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="932"/>
        <source>Button low(%)</source>
        <translation>Tastenschwelle unten (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="939"/>
        <location filename="../ui/mainwindowpages.ui" line="974"/>
        <location filename="../ui/mainwindowpages.ui" line="1015"/>
        <location filename="../ui/mainwindowpages.ui" line="1056"/>
        <source>&lt;p&gt;Position, in percent of this axis&apos;s travel, above which the axis reports its button as pressed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Position in Prozent des Achsweges, oberhalb der die Achse ihre Taste als gedrückt meldet.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="940"/>
        <source>Button high(%)</source>
        <translation>Tastenschwelle oben (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="945"/>
        <source>Rx</source>
        <translation>Rx</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="980"/>
        <location filename="../ui/mainwindowpages.ui" line="1021"/>
        <location filename="../ui/mainwindowpages.ui" line="1062"/>
        <source>&lt;p&gt;Reverses this axis: its lowest position reads as its highest and the other way round.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Kehrt diese Achse um: ihre niedrigste Position gilt als ihre höchste und umgekehrt.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="981"/>
        <location filename="../ui/mainwindowpages.ui" line="1022"/>
        <location filename="../ui/mainwindowpages.ui" line="1063"/>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="986"/>
        <source>Ry</source>
        <translation>Ry</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="1027"/>
        <source>Rz</source>
        <translation>Rz</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="32"/>
        <source>S&amp;witch to DFU mode</source>
        <translation>In den DFU-Modus &amp;wechseln</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="37"/>
        <source>Reb&amp;oot controller</source>
        <translation>Controller &amp;neu starten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="220"/>
        <source>Live input</source>
        <translation>Live-Eingaben</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="428"/>
        <source>Select compatible device (</source>
        <translation>Kompatibles Gerät wählen (</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="430"/>
        <source> connected)</source>
        <translation> angeschlossen)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="517"/>
        <source>Firmware %1 differs from %2, the version this program is made for.</source>
        <translation>Die Firmware %1 weicht von %2 ab, der Version, für die dieses Programm gemacht ist.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="604"/>
        <source>Latest version</source>
        <translation>Neueste Version</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="605"/>
        <source>No web browser could be started. The downloads page is at:

%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Download-Seite ist:

%1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="610"/>
        <source>&amp;Copy address</source>
        <translation>Adresse &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="473"/>
        <location filename="../ui/mainwindow.cpp" line="644"/>
        <source>Reading the settings of %1…</source>
        <translation>Die Einstellungen von %1 werden gelesen…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="165"/>
        <source>A game started or ended: the game watcher changed the effect settings of %1.</source>
        <translation>Ein Spiel wurde gestartet oder beendet: Die Spielüberwachung hat die Effekteinstellungen von %1 geändert.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="467"/>
        <source>%1 is back after %2 s.</source>
        <translation>%1 ist nach %2 s wieder da.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="478"/>
        <source>%1 is back after %2 s; its settings were read again.</source>
        <translation>%1 ist nach %2 s wieder da; seine Einstellungen wurden neu gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="481"/>
        <source>%1 is back after %2 s, but its settings could not all be read; the pages say which.</source>
        <translation>%1 ist nach %2 s wieder da, aber nicht alle Einstellungen konnten gelesen werden; die Seiten sagen, welche.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="498"/>
        <source>%1 did not restart: it kept answering for %2 s.</source>
        <translation>%1 wurde nicht neu gestartet: Es hat %2 s lang weiter geantwortet.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="499"/>
        <source>%1 did not switch to DFU mode: it still answers as a controller.</source>
        <translation>%1 ist nicht in den DFU-Modus gewechselt: Es antwortet weiterhin als Controller.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="503"/>
        <source>%1 did not come back within %2 s. Check its cable and power, and whether it waits in DFU mode.</source>
        <translation>%1 ist nicht innerhalb von %2 s zurückgekommen. Prüfen Sie Kabel und Stromversorgung und ob es im DFU-Modus wartet.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="163"/>
        <location filename="../ui/mainwindow.cpp" line="662"/>
        <source>Reading effect settings from %1…</source>
        <translation>Effekteinstellungen werden von %1 gelesen…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="489"/>
        <source>%1 now waits for a firmware update in its bootloader, and is listed as such once it is seen there.</source>
        <translation>%1 wartet jetzt in seinem Bootloader auf eine Firmware-Aktualisierung und erscheint als solches in der Liste, sobald es dort gesehen wird.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="573"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="574"/>
        <location filename="../ui/widgets/widgethelpers.cpp" line="67"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="575"/>
        <source>&amp;Latest version</source>
        <translation>&amp;Neueste Version</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="615"/>
        <source>&amp;Copied</source>
        <translation>&amp;Kopiert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="672"/>
        <source>Reading hardware settings from %1…</source>
        <translation>Hardwareeinstellungen werden von %1 gelesen…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="683"/>
        <source>Applying effect settings to %1…</source>
        <translation>Effekteinstellungen werden auf %1 angewendet…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="696"/>
        <location filename="../ui/mainwindow.cpp" line="1339"/>
        <source>Saving effect settings to %1…</source>
        <translation>Effekteinstellungen werden auf %1 gespeichert…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="723"/>
        <source>Rebooting %1…</source>
        <translation>%1 wird neu gestartet…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="734"/>
        <source>Switching %1 to DFU mode…</source>
        <translation>%1 wird in den DFU-Modus geschaltet…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="844"/>
        <source>Reading the effect settings of %1…</source>
        <translation>Die Effekteinstellungen von %1 werden gelesen…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="845"/>
        <source>The effect settings of %1 could not be read: %2. None are shown until a read succeeds; a profile can still be loaded.</source>
        <translation>Die Effekteinstellungen von %1 konnten nicht gelesen werden: %2. Bis ein Lesen gelingt, werden keine angezeigt; ein Profil kann trotzdem geladen werden.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="855"/>
        <source>Reading the hardware settings of %1…</source>
        <translation>Die Hardware-Einstellungen von %1 werden gelesen…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="856"/>
        <source>The hardware settings of %1 could not be read: %2. None are shown until a read succeeds.</source>
        <translation>Die Hardware-Einstellungen von %1 konnten nicht gelesen werden: %2. Bis ein Lesen gelingt, werden keine angezeigt.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="873"/>
        <source>the board</source>
        <translation>das Board</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="879"/>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="910"/>
        <source>Effect settings read from %1.</source>
        <translation>Effekteinstellungen von %1 gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="911"/>
        <source>Effect settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Die Effekteinstellungen konnten nicht von %1 gelesen werden: %2. Übernehmen und Speichern bleiben deaktiviert, bis ein Lesen gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="922"/>
        <source>Hardware settings read from %1.</source>
        <translation>Hardwareeinstellungen von %1 gelesen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="923"/>
        <source>Hardware settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Die Hardwareeinstellungen konnten nicht von %1 gelesen werden: %2. Übernehmen und Speichern bleiben deaktiviert, bis ein Lesen gelingt.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="928"/>
        <source>Effect settings applied to the working memory of %1.</source>
        <translation>Effekteinstellungen in den Arbeitsspeicher von %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="929"/>
        <source>Effect settings could not be applied to %1: %2.</source>
        <translation>Die Effekteinstellungen konnten nicht auf %1 übernommen werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="932"/>
        <source>Hardware settings applied to the working memory of %1.</source>
        <translation>Hardwareeinstellungen in den Arbeitsspeicher von %1 übernommen.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="933"/>
        <source>Hardware settings could not be applied to %1: %2.</source>
        <translation>Die Hardwareeinstellungen konnten nicht auf %1 übernommen werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="936"/>
        <source>Effect settings saved to the permanent memory of %1.</source>
        <translation>Effekteinstellungen im permanenten Speicher von %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="937"/>
        <source>Effect settings could not be saved to %1: %2.</source>
        <translation>Die Effekteinstellungen konnten nicht auf %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="939"/>
        <source>The effect settings</source>
        <translation>Die Effekteinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="942"/>
        <source>Hardware settings saved to the permanent memory of %1.</source>
        <translation>Hardwareeinstellungen im permanenten Speicher von %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="943"/>
        <source>Hardware settings could not be saved to %1: %2.</source>
        <translation>Die Hardwareeinstellungen konnten nicht auf %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="945"/>
        <source>The hardware settings</source>
        <translation>Die Hardwareeinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="951"/>
        <source>%1 could not be told to reboot: %2.</source>
        <translation>%1 konnte nicht zum Neustart aufgefordert werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="948"/>
        <source>%1 is rebooting; waiting for it to come back (at most %2 s)…</source>
        <translation>%1 startet neu; es wird gewartet, bis es zurückkommt (höchstens %2 s)…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="956"/>
        <source>%1 was told to switch to DFU mode; waiting for it to leave the list…</source>
        <translation>%1 wurde angewiesen, in den DFU-Modus zu wechseln; es wird gewartet, bis es die Liste verlässt…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="958"/>
        <source>%1 could not be switched to DFU mode: %2.</source>
        <translation>%1 konnte nicht in den DFU-Modus versetzt werden: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="968"/>
        <source>Settings not saved</source>
        <translation>Einstellungen nicht gespeichert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="969"/>
        <source>%1 may not be stored on %2: %3.

The board may lose them when it is switched off. Check the connection and save again.</source>
        <translation>%1 sind möglicherweise nicht auf %2 gespeichert: %3.

Das Board kann sie beim Ausschalten verlieren. Prüfen Sie die Verbindung und speichern Sie erneut.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="987"/>
        <location filename="../ui/mainwindow.cpp" line="1018"/>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Disabled</source>
        <translation>Deaktiviert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="988"/>
        <source>Generic button</source>
        <translation>Allgemeiner Taster</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="989"/>
        <source>Analog</source>
        <translation>Analog</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="990"/>
        <source>SPI CS</source>
        <translation>SPI CS</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="991"/>
        <source>SPI SCK</source>
        <translation>SPI SCK</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="992"/>
        <source>SPI MISO</source>
        <translation>SPI MISO</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="993"/>
        <source>Enable effects switch</source>
        <translation>Schalter zum Aktivieren der Effekte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="994"/>
        <source>Reset center button</source>
        <translation>Taster zum Zurücksetzen der Mitte</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="995"/>
        <source>Reboot button</source>
        <translation>Neustart-Taster</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="996"/>
        <source>Braking PWM</source>
        <translation>Brems-PWM</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Inverted</source>
        <translation>Invertiert</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1086"/>
        <source>Applying hardware settings to %1…</source>
        <translation>Hardwareeinstellungen werden auf %1 angewendet…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1097"/>
        <location filename="../ui/mainwindow.cpp" line="1339"/>
        <source>Saving hardware settings to %1…</source>
        <translation>Hardwareeinstellungen werden auf %1 gespeichert…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1297"/>
        <source>Nothing was saved: %1 left the list while the question was open.</source>
        <translation>Nichts wurde gespeichert: %1 hat die Liste verlassen, während die Frage offen war.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1323"/>
        <source>Nothing was saved and %1 stays selected: the settings in the form cannot be sent as they are.</source>
        <translation>Es wurde nichts gespeichert und %1 bleibt ausgewählt: Die Einstellungen im Formular können so nicht gesendet werden.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="59"/>
        <source>Applied, not saved: lost when the board loses power</source>
        <translation>Angewendet, nicht gespeichert: geht verloren, wenn das Board stromlos wird</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="68"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="71"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="80"/>
        <source>R&amp;ead</source>
        <translation>&amp;Lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="82"/>
        <source>&amp;Apply</source>
        <translation>&amp;Anwenden</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="83"/>
        <source>&amp;Save to board</source>
        <translation>Auf dem Board s&amp;peichern</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="87"/>
        <source>Reb&amp;oot</source>
        <translation>&amp;Neu starten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="89"/>
        <source>Switch to &amp;DFU mode</source>
        <translation>In den &amp;DFU-Modus schalten</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="91"/>
        <source>&amp;Update firmware…</source>
        <translation>Firmware a&amp;ktualisieren…</translation>
    </message>
    <message>
        <location filename="../ui/unreadgroupnotice.cpp" line="23"/>
        <source>Read agai&amp;n</source>
        <translation>E&amp;rneut lesen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="48"/>
        <source>The bootloader on port %1 starts the board&apos;s firmware; the board is listed again once it runs.</source>
        <translation>Der Bootloader an Port %1 startet die Firmware des Boards; das Board erscheint wieder in der Liste, sobald sie läuft.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="51"/>
        <source>The firmware on port %1 could not be started: %2</source>
        <translation>Die Firmware an Port %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="77"/>
        <source>A firmware update is still running</source>
        <translation>Eine Firmware-Aktualisierung läuft noch</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="94"/>
        <location filename="../ui/mainwindowfirmware.cpp" line="297"/>
        <source>The board</source>
        <translation>Das Board</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="120"/>
        <source>Pick the board to update in the board list first</source>
        <translation>Wählen Sie zuerst das zu aktualisierende Board in der Board-Liste</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="184"/>
        <source>Nothing restored: %1 is not connected</source>
        <translation>Nichts wiederhergestellt: %1 ist nicht angeschlossen</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="195"/>
        <source>Restoring the settings of %1…</source>
        <translation>Die Einstellungen von %1 werden wiederhergestellt…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="205"/>
        <source>Starting the firmware of the board on port %1…</source>
        <translation>Die Firmware des Boards an Port %1 wird gestartet…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="217"/>
        <source>The board on port %1 stayed in its bootloader: the firmware it holds did not start, it may be missing or damaged. Update its firmware.</source>
        <translation>Das Board an Port %1 ist in seinem Bootloader geblieben: Die Firmware darin ist nicht gestartet, sie fehlt vielleicht oder ist beschädigt. Aktualisieren Sie seine Firmware.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="232"/>
        <source>%1 — waiting in its bootloader (port %2)</source>
        <translation>%1 — wartet in seinem Bootloader (Port %2)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="233"/>
        <source>Board waiting in its bootloader (port %1)</source>
        <translation>Board wartet in seinem Bootloader (Port %1)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="235"/>
        <source> — cannot be opened</source>
        <translation> — kann nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="264"/>
        <source>Ids %1:%2; memory: %3</source>
        <translation>IDs %1:%2; Speicher: %3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="300"/>
        <source>%1 waits in its bootloader on port %2: it has no settings to show until its firmware runs. Update its firmware, or start the firmware it holds.</source>
        <translation>%1 wartet in seinem Bootloader an Port %2: Bis seine Firmware läuft, gibt es keine Einstellungen anzuzeigen. Aktualisieren Sie seine Firmware oder starten Sie die vorhandene.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="306"/>
        <source>A bootloader waits on port %1 but cannot be opened: %2. Install the udev rule that comes with this program (see Troubleshooting in the manual), then unplug the board and plug it in again.</source>
        <translation>An Port %1 wartet ein Bootloader, der sich nicht öffnen lässt: %2. Installieren Sie die udev-Regel, die diesem Programm beiliegt (siehe Fehlerbehebung im Handbuch), und stecken Sie das Board danach aus und wieder ein.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="315"/>
        <source>%1 runs firmware %2; this program is made for %3. Update its firmware with a file of version %3, or pick it anyway to work with it as it is.</source>
        <translation>%1 läuft mit Firmware %2; dieses Programm ist für %3 gemacht. Aktualisieren Sie seine Firmware mit einer Datei der Version %3, oder wählen Sie es trotzdem, um so damit zu arbeiten.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="343"/>
        <source>Firmware update running</source>
        <translation>Firmware-Aktualisierung läuft</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="344"/>
        <source>A firmware update is still running. If you close the program now, it waits for the flash to be written, but the new firmware is not started: the board will stay in its bootloader.</source>
        <translation>Eine Firmware-Aktualisierung läuft noch. Wenn Sie das Programm jetzt schließen, wartet es, bis der Flash-Speicher geschrieben ist, aber die neue Firmware wird nicht gestartet: Das Board bleibt in seinem Bootloader.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="347"/>
        <source>&amp;Keep the program open</source>
        <translation>Programm &amp;geöffnet lassen</translation>
    </message>
</context>
<context>
    <name>MemoryLayout</name>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="48"/>
        <source>The memory layout &quot;%1&quot; does not start with &apos;@&apos;.</source>
        <translation>Die Speicheraufteilung „%1“ beginnt nicht mit „@“.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="54"/>
        <source>The memory layout &quot;%1&quot; has no address and sectors.</source>
        <translation>Die Speicheraufteilung „%1“ hat keine Adresse und Sektoren.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="67"/>
        <source>The memory layout names &quot;%1&quot; as an address.</source>
        <translation>Die Speicheraufteilung nennt „%1“ als Adresse.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="73"/>
        <source>The memory layout holds a sector group &quot;%1&quot; it cannot read.</source>
        <translation>Die Speicheraufteilung enthält eine unlesbare Sektorgruppe „%1“.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="89"/>
        <source>The memory layout&apos;s sector group &quot;%1&quot; does not fit the address space.</source>
        <translation>Die Sektorgruppe „%1“ der Speicheraufteilung passt nicht in den Adressraum.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="110"/>
        <source>The memory layout &quot;%1&quot; has overlapping sectors.</source>
        <translation>Die Speicheraufteilung „%1“ hat sich überlappende Sektoren.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="133"/>
        <source>The image runs past the end of the address space.</source>
        <translation>Das Abbild reicht über das Ende des Adressraums hinaus.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="139"/>
        <source>The image holds bytes for address 0x%1, where the bootloader has no memory.</source>
        <translation>Das Abbild enthält Bytes für Adresse 0x%1, wo der Bootloader keinen Speicher hat.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="146"/>
        <source>The image holds bytes for address 0x%1, in a sector the bootloader protects from writing.</source>
        <translation>Das Abbild enthält Bytes für Adresse 0x%1 in einem Sektor, den der Bootloader vor dem Schreiben schützt.</translation>
    </message>
</context>
<context>
    <name>OperationOutcome</name>
    <message>
        <location filename="../device/operationoutcome.cpp" line="37"/>
        <source>the board is not connected</source>
        <translation>das Board ist nicht angeschlossen</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="39"/>
        <source>the board left the USB bus during the operation</source>
        <translation>das Board hat den USB-Bus während des Vorgangs verlassen</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="45"/>
        <source>report %1 of %2 of the record was not accepted (%3); nothing more was sent</source>
        <translation>Report %1 von %2 des Datensatzes wurde nicht angenommen (%3); danach wurde nichts mehr gesendet</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="52"/>
        <source>a USB transfer failed (%1)</source>
        <translation>eine USB-Übertragung ist fehlgeschlagen (%1)</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="56"/>
        <source>the board stayed busy and never confirmed that it had finished</source>
        <translation>das Board blieb beschäftigt und hat nie bestätigt, dass es fertig war</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="59"/>
        <source>the board answered with %1 of the %2 bytes of the record</source>
        <translation>das Board hat mit %1 der %2 Bytes des Datensatzes geantwortet</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="64"/>
        <source>the board is in use by %1; nothing was sent, try again when it has finished</source>
        <translation>das Board wird von %1 benutzt; nichts wurde gesendet, versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
</context>
<context>
    <name>ProfileExchange</name>
    <message>
        <location filename="../ui/profileexchange.cpp" line="23"/>
        <source>Effect profiles (*%1)</source>
        <translation>Effektprofile (*%1)</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="65"/>
        <source>Profile of another board</source>
        <translation>Profil eines anderen Boards</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="93"/>
        <source>the profile folder %1 cannot be created</source>
        <translation>der Profilordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="66"/>
        <source>The profile “%1” was made on a %2 board; the selected board is a %3. Its settings, the motion range among them, may not suit this board.

Load it anyway?</source>
        <translation>Das Profil „%1“ wurde auf einem Board vom Typ „%2“ erstellt; das ausgewählte Board ist vom Typ „%3“. Seine Einstellungen, darunter der Bewegungsbereich, passen womöglich nicht zu diesem Board.

Trotzdem laden?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="69"/>
        <source>&amp;Load anyway</source>
        <translation>&amp;Trotzdem laden</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="84"/>
        <location filename="../ui/profileexchange.cpp" line="170"/>
        <source>“%1” cannot be a profile name</source>
        <translation>„%1“ kann kein Profilname sein</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="129"/>
        <source>The effect settings of the form</source>
        <translation>Die Effekteinstellungen des Formulars</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="134"/>
        <source>Effect profile “%1”</source>
        <translation>Effektprofil „%1“</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="135"/>
        <source>The effect settings of the form (changed from profile “%1”)</source>
        <translation>Die Effekteinstellungen des Formulars (gegenüber Profil „%1“ geändert)</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="149"/>
        <source>Import effect profile</source>
        <translation>Effektprofil importieren</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="157"/>
        <source>Board backup</source>
        <translation>Board-Sicherung</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="158"/>
        <source>“%1” is a backup of a whole board (%2), not an effect profile. Restore it into the settings pages instead?</source>
        <translation>„%1“ ist eine Sicherung eines ganzen Boards (%2), kein Effektprofil. Stattdessen in die Einstellungsseiten wiederherstellen?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="161"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="177"/>
        <source>Replace profile?</source>
        <translation>Profil ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="200"/>
        <source>%1 exported to %2</source>
        <translation>%1 nach %2 exportiert</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="170"/>
        <location filename="../ui/profileexchange.cpp" line="185"/>
        <source>Profile not imported: %1</source>
        <translation>Profil nicht importiert: %1</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="178"/>
        <source>A profile named “%1” exists already. Replace it with the imported one?</source>
        <translation>Ein Profil namens „%1“ ist bereits vorhanden. Durch das importierte ersetzen?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="179"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="183"/>
        <source>Profile “%1” imported</source>
        <translation>Profil „%1“ importiert</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="191"/>
        <source>Export effect profile</source>
        <translation>Effektprofil exportieren</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="203"/>
        <source>Profile not exported: %1</source>
        <translation>Profil nicht exportiert: %1</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="29"/>
        <source>Restore board backup</source>
        <translation>Board-Sicherung wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="34"/>
        <source>No automatic backups yet. Open a backup file to load it into the forms.</source>
        <translation>Noch keine automatischen Sicherungen. Öffnen Sie eine Sicherungsdatei, um sie in die Formulare zu laden.</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="35"/>
        <source>Automatic backups, newest first. The chosen backup is loaded into the forms; nothing reaches the board until you apply or save.</source>
        <translation>Automatische Sicherungen, neueste zuerst. Die gewählte Sicherung wird in die Formulare geladen; das Board erhält nichts, bevor Sie anwenden oder speichern.</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Taken</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Before</source>
        <translation>Vor</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="61"/>
        <source>&amp;Open file...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="63"/>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="22"/>
        <source>Saving effect settings</source>
        <translation>Speichern der Effekteinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="25"/>
        <source>Saving hardware settings</source>
        <translation>Speichern der Hardwareeinstellungen</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="27"/>
        <source>Switching to DFU mode</source>
        <translation>Wechsel in den DFU-Modus</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="30"/>
        <source>Restoring a backup</source>
        <translation>Wiederherstellen einer Sicherung</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="91"/>
        <source>Open board backup</source>
        <translation>Board-Sicherung öffnen</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="92"/>
        <source>Board backups (*%1);;All files (*)</source>
        <translation>Board-Sicherungen (*%1);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>UnshowableValues</name>
    <message>
        <location filename="../ui/unshowablevalues.cpp" line="98"/>
        <source>The value read, %1, cannot be shown here and shows as %2. Unless you change this field, a write sends %1 back unchanged.</source>
        <translation>Der gelesene Wert %1 kann hier nicht angezeigt werden und erscheint als %2. Solange Sie dieses Feld nicht ändern, sendet ein Schreiben %1 unverändert zurück.</translation>
    </message>
    <message>
        <location filename="../ui/unshowablevalues.cpp" line="129"/>
        <source>Some values read cannot be shown by this form. A write sends them back unchanged unless you change them (value read → value shown):</source>
        <translation>Einige gelesene Werte kann dieses Formular nicht anzeigen. Ein Schreiben sendet sie unverändert zurück, solange Sie sie nicht ändern (gelesener Wert → angezeigter Wert):</translation>
    </message>
</context>
</TS>

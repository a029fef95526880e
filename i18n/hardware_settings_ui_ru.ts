<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>BackupController</name>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="30"/>
        <source>Board backups (*%1)</source>
        <translation>Резервные копии платы (*%1)</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="21"/>
        <source>saving the effect settings to permanent memory</source>
        <translation>сохранением настроек эффектов в постоянную память</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="24"/>
        <source>saving the hardware settings to permanent memory</source>
        <translation>сохранением аппаратных настроек в постоянную память</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="26"/>
        <source>switching to DFU mode</source>
        <translation>переходом в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="43"/>
        <source>&amp;Board</source>
        <translation>&amp;Плата</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="45"/>
        <source>&amp;Back up board...</source>
        <translation>&amp;Сохранить резервную копию платы...</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="47"/>
        <source>Read both settings records from the board and save them to a file</source>
        <translation>Прочитать с платы обе записи настроек и сохранить их в файл</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="49"/>
        <source>&amp;Restore...</source>
        <translation>&amp;Восстановить...</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="51"/>
        <source>Load a backup into the forms; apply or save it afterwards</source>
        <translation>Загрузить резервную копию в формы; затем применить или сохранить её</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="74"/>
        <source>the board is not connected</source>
        <translation>плата не подключена</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="82"/>
        <source>reading the effect settings failed: %1</source>
        <translation>не удалось прочитать настройки эффектов: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="87"/>
        <source>reading the hardware settings failed: %1</source>
        <translation>не удалось прочитать аппаратные настройки: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="108"/>
        <source>Automatic backup written to %1</source>
        <translation>Автоматическая резервная копия записана в %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="115"/>
        <source>No backup taken</source>
        <translation>Резервная копия не создана</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="116"/>
        <source>No backup of the board could be taken before %1:
%2

Go ahead without a backup?</source>
        <translation>Не удалось создать резервную копию платы перед %1:
%2

Продолжить без резервной копии?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="119"/>
        <source>&amp;Go ahead without backup</source>
        <translation>&amp;Продолжить без резервной копии</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="121"/>
        <source>Stopped before %1: no backup could be taken</source>
        <translation>Остановлено перед %1: не удалось создать резервную копию</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="132"/>
        <source>Select a connected board to back up</source>
        <translation>Выберите подключённую плату для резервного копирования</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="145"/>
        <source>Back up board</source>
        <translation>Резервная копия платы</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="159"/>
        <source>Backup failed: %1</source>
        <translation>Резервное копирование не удалось: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="162"/>
        <source>Board backed up to %1</source>
        <translation>Резервная копия платы сохранена в %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="169"/>
        <source>Select the board to restore to first</source>
        <translation>Сначала выберите плату для восстановления</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="183"/>
        <source>The backup was taken from a %1 board; the selected board is a %2.</source>
        <translation>Резервная копия снята с платы типа «%1»; выбранная плата — типа «%2».</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="187"/>
        <source>The backup was taken on firmware version %1; the selected board runs version %2.</source>
        <translation>Резервная копия снята на прошивке версии %1; на выбранной плате работает версия %2.</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="14"/>
        <source>generic</source>
        <translation>универсальная</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="15"/>
        <source>joystick</source>
        <translation>джойстик</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="16"/>
        <source>rudder</source>
        <translation>педали</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="17"/>
        <source>wheel</source>
        <translation>руль</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="18"/>
        <source>collective</source>
        <translation>шаг-газ</translation>
    </message>
    <message>
        <location filename="../device/firmwareinfo.cpp" line="60"/>
        <source>unknown (type %1)</source>
        <translation>неизвестный (тип %1)</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="200"/>
        <source>Cannot restore</source>
        <translation>Восстановление невозможно</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="201"/>
        <source>%1 cannot be restored:
%2</source>
        <translation>%1 невозможно восстановить:
%2</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="205"/>
        <source>Nothing restored: %1</source>
        <translation>Ничего не восстановлено: %1</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="212"/>
        <source>Nothing restored: the board is not connected</source>
        <translation>Ничего не восстановлено: плата не подключена</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="220"/>
        <source>Restore a backup of another board?</source>
        <translation>Восстановить резервную копию другой платы?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="222"/>
        <source>Settings made for another model or firmware may not suit this board. Load the backup into the forms anyway?</source>
        <translation>Настройки для другой модели или прошивки могут не подойти этой плате. Всё равно загрузить резервную копию в формы?</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="224"/>
        <source>&amp;Load anyway</source>
        <translation>&amp;Всё равно загрузить</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="225"/>
        <location filename="../ui/backupcontroller.cpp" line="231"/>
        <source>Nothing restored</source>
        <translation>Ничего не восстановлено</translation>
    </message>
    <message>
        <location filename="../ui/backupcontroller.cpp" line="236"/>
        <source>Loaded %1 into the forms; apply or save to send it to the board</source>
        <translation>%1 загружена в формы; примените или сохраните, чтобы отправить её на плату</translation>
    </message>
</context>
<context>
    <name>BoardDiscovery</name>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="78"/>
        <source>No permission on %1 (owner %2, group %3, mode %4; %5).</source>
        <translation>Нет прав доступа к %1 (владелец %2, группа %3, режим %4; %5).</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="84"/>
        <source>its ACL does not grant you access</source>
        <translation>его ACL не даёт вам доступа</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="85"/>
        <source>no ACL grants you access</source>
        <translation>доступ вам не выдан ни одной ACL</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="89"/>
        <source>The system made no hidraw device for it.</source>
        <translation>Система не создала для устройства узел hidraw.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="90"/>
        <source>Its device node %1 is missing.</source>
        <translation>Узел устройства %1 отсутствует.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="93"/>
        <source>The kernel&apos;s HID driver (%1) is bound to it, and this build&apos;s USB library cannot reach a board through it.</source>
        <translation>К устройству привязан HID-драйвер ядра (%1), а USB-библиотека этой сборки не может обратиться к устройству в обход него.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="99"/>
        <source>It is held by another program: %1.</source>
        <translation>Устройство занято другой программой: %1.</translation>
    </message>
    <message>
        <location filename="../device/boardproblemtext.cpp" line="102"/>
        <source>%1 can be opened, but the board does not answer.</source>
        <translation>%1 открывается, но плата не отвечает.</translation>
    </message>
</context>
<context>
    <name>BoardLock</name>
    <message>
        <location filename="../device/boardlock.cpp" line="68"/>
        <location filename="../device/boardlock.cpp" line="70"/>
        <source>another program</source>
        <translation>другая программа</translation>
    </message>
    <message>
        <location filename="../device/boardlock.cpp" line="71"/>
        <source>%1 (process %2)</source>
        <translation>%1 (процесс %2)</translation>
    </message>
</context>
<context>
    <name>BoardNotice</name>
    <message>
        <location filename="../ui/boardnotice.cpp" line="36"/>
        <source>&amp;Copy commands</source>
        <translation>Скопировать &amp;команды</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="87"/>
        <source>%1 (USB port %2) is connected but cannot be opened. %3</source>
        <translation>Устройство %1 (порт USB %2) подключено, но его не удаётся открыть. %3</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="98"/>
        <source>%1 %2s are connected. One board of each model can be configured at a time: unplug the others.</source>
        <translation>%2: подключено плат — %1. Одновременно можно настраивать только одну плату каждой модели: отключите остальные.</translation>
    </message>
    <message>
        <location filename="../ui/boardnotice.cpp" line="103"/>
        <source>To fix this, run these commands, then unplug the board and plug it in again:</source>
        <translation>Чтобы это исправить, выполните эти команды, затем отключите плату и подключите её снова:</translation>
    </message>
</context>
<context>
    <name>ChangeTracker</name>
    <message>
        <location filename="../ui/changetracker.cpp" line="185"/>
        <source>Effect settings</source>
        <translation>Настройки эффектов</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="185"/>
        <source>Hardware settings</source>
        <translation>Настройки оборудования</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="193"/>
        <source>%1: changes in the form that were not sent to the board</source>
        <translation>%1: изменения в форме, не отправленные на плату</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="196"/>
        <location filename="../ui/changetracker.cpp" line="258"/>
        <source>%1: applied to the board but not saved; lost when it loses power</source>
        <translation>%1: применены на плате, но не сохранены; пропадут при отключении её питания</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="204"/>
        <source>Close Gravolt Setup? These settings of %1 would be lost:</source>
        <translation>Закрыть Gravolt Setup? Эти настройки платы %1 будут потеряны:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="205"/>
        <source>Leave %1? These of its settings would be lost:</source>
        <translation>Перейти от платы %1? Эти её настройки будут потеряны:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="210"/>
        <location filename="../ui/changetracker.cpp" line="224"/>
        <source>Unsaved settings</source>
        <translation>Несохранённые настройки</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="211"/>
        <source>Save to board writes them to the board&apos;s permanent memory first, and goes on only if that succeeds.</source>
        <translation>«Сохранить на плату» сначала записывает их в постоянную память платы и продолжает, только если это удалось.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="213"/>
        <location filename="../ui/changetracker.cpp" line="241"/>
        <source>&amp;Save to board</source>
        <translation>Со&amp;хранить на плату</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="214"/>
        <source>&amp;Discard</source>
        <translation>О&amp;тбросить</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="228"/>
        <source>&amp;Discard changes and read</source>
        <translation>О&amp;тбросить изменения и прочитать</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="242"/>
        <source>&amp;Reboot</source>
        <translation>&amp;Перезагрузить</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="253"/>
        <source>Save to board</source>
        <translation>Сохранить на плату</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="262"/>
        <source>&amp;Save both</source>
        <translation>&amp;Сохранить обе</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="279"/>
        <source>&amp;Switch to DFU mode</source>
        <translation>&amp;Перейти в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="225"/>
        <source>%1 in the form hold changes that were not sent to the board. Reading the board&apos;s settings replaces them.</source>
        <translation>%1 в форме содержат изменения, не отправленные на плату. Чтение настроек платы заменит их.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="236"/>
        <source>Reboot controller</source>
        <translation>Перезагрузить контроллер</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="237"/>
        <source>Rebooting %1 loses these settings:</source>
        <translation>При перезагрузке %1 будут потеряны эти настройки:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="239"/>
        <source>The board starts again with the settings of its permanent memory. Save to board writes them to its permanent memory first, and reboots only if that succeeds.</source>
        <translation>Плата запустится заново с настройками из своей постоянной памяти. «Сохранить на плату» сначала записывает их в её постоянную память и перезагружает, только если это удалось.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="254"/>
        <source>%1 stores every setting now in effect when it saves, not only those of this page. These settings, applied to try them, would be stored too:</source>
        <translation>%1 при сохранении записывает все действующие сейчас настройки, а не только настройки этой страницы. Эти настройки, применённые для пробы, тоже будут сохранены:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="260"/>
        <source>To keep them out of the permanent memory, reboot the board first: it then drops them.</source>
        <translation>Чтобы они не попали в постоянную память, сначала перезагрузите плату: тогда она их сбросит.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="268"/>
        <source>DFU mode is the board&apos;s firmware-update mode: it stops working as a controller and waits for new firmware from a DFU flashing tool. It leaves the device list until its firmware is flashed or it is power-cycled. Changes that were not sent and settings that were applied but not saved are lost.</source>
        <translation>Режим DFU — это режим обновления прошивки платы: она перестаёт работать как контроллер и ждёт новую прошивку от программы прошивки DFU. Плата пропадёт из списка устройств, пока её не прошьют или не выключат и снова включат питание. Неотправленные изменения и применённые, но не сохранённые настройки будут потеряны.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="274"/>
        <source>Lost now:</source>
        <translation>Будет потеряно сейчас:</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="277"/>
        <source>Switch to DFU mode</source>
        <translation>Перейти в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="278"/>
        <source>Switch %1 to DFU mode?</source>
        <translation>Перевести %1 в режим DFU?</translation>
    </message>
</context>
<context>
    <name>DfuBootloader</name>
    <message>
        <location filename="../dfu/dfubootloader.cpp" line="83"/>
        <source>The list of USB devices cannot be read (%1).</source>
        <translation>Не удаётся прочитать список USB-устройств (%1).</translation>
    </message>
    <message>
        <location filename="../dfu/dfubootloader.cpp" line="135"/>
        <source>no permission to open it</source>
        <translation>нет прав на его открытие</translation>
    </message>
</context>
<context>
    <name>DfuSession</name>
    <message>
        <location filename="../dfu/dfusession.cpp" line="29"/>
        <source>erasing</source>
        <translation>стирания</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="31"/>
        <source>writing</source>
        <translation>записи</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="33"/>
        <source>verifying</source>
        <translation>проверки</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="73"/>
        <source>The bootloader is no longer on port %1.</source>
        <translation>Загрузчика больше нет на порту %1.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="77"/>
        <source>No permission to open the bootloader on port %1.</source>
        <translation>Нет прав на открытие загрузчика на порту %1.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="80"/>
        <source>The bootloader on port %1 cannot be opened (%2).</source>
        <translation>Загрузчик на порту %1 не удаётся открыть (%2).</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="182"/>
        <source>The bootloader left the USB bus while %1 at address %2: the board was unplugged or lost power.</source>
        <translation>Загрузчик пропал с шины USB во время %1 по адресу %2: плату отключили или она потеряла питание.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="186"/>
        <source>The bootloader left the USB bus while %1: the board was unplugged or lost power.</source>
        <translation>Загрузчик пропал с шины USB во время %1: плату отключили или она потеряла питание.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="198"/>
        <source> at address %1</source>
        <translation> по адресу %1</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="202"/>
        <source>the bootloader is in a state this program did not expect</source>
        <translation>загрузчик в состоянии, которого программа не ожидала</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="206"/>
        <source>The bootloader stopped answering while %1%2 (%3).</source>
        <translation>Загрузчик перестал отвечать во время %1%2 (%3).</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="217"/>
        <source>Failed while %1 at address %2: %3</source>
        <translation>Ошибка во время %1 по адресу %2: %3</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="219"/>
        <source>Failed while %1: %2</source>
        <translation>Ошибка во время %1: %2</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="264"/>
        <source>The bootloader was still busy %1 at address %2 after %3 seconds; it is taken for hung.</source>
        <translation>Загрузчик всё ещё был занят во время %1 по адресу %2 спустя %3 с; он считается зависшим.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="394"/>
        <source>Verifying failed at address %1: the bootloader&apos;s memory ends there.</source>
        <translation>Проверка не прошла по адресу %1: там заканчивается память загрузчика.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="399"/>
        <source>Verifying failed at address %1: the board holds 0x%2 where the file has 0x%3.</source>
        <translation>Проверка не прошла по адресу %1: на плате 0x%2, а в файле 0x%3.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="426"/>
        <location filename="../dfu/dfusession.cpp" line="557"/>
        <source>The bootloader is not open.</source>
        <translation>Загрузчик не открыт.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="430"/>
        <source>The raw image has not been given an address.</source>
        <translation>Образу без адреса не назначен адрес.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="436"/>
        <source>The bootloader names no transfer size.</source>
        <translation>Загрузчик не сообщает размер блока.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="446"/>
        <source>The file holds firmware for memory %1, which the bootloader does not have.</source>
        <translation>Файл содержит прошивку для памяти %1, которой у загрузчика нет.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="456"/>
        <source>The bootloader does not describe its memory &quot;%1&quot;.</source>
        <translation>Загрузчик не описывает свою память «%1».</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="474"/>
        <source>Cancelled before anything was written.</source>
        <translation>Отменено до того, как что-либо было записано.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="497"/>
        <source>Written, not verified: the bootloader cannot read its memory back.</source>
        <translation>Записано, не проверено: загрузчик не умеет считывать свою память.</translation>
    </message>
    <message>
        <location filename="../dfu/dfusession.cpp" line="516"/>
        <source>Written, not verified: %1</source>
        <translation>Записано, не проверено: %1</translation>
    </message>
</context>
<context>
    <name>DfuStatus</name>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="11"/>
        <source>No error.</source>
        <translation>Ошибок нет.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="13"/>
        <source>The firmware file is meant for another device.</source>
        <translation>Файл прошивки предназначен для другого устройства.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="16"/>
        <source>The bootloader rejected the firmware file as not meant for this device.</source>
        <translation>Загрузчик отклонил файл прошивки как предназначенный не для этого устройства.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="19"/>
        <source>The bootloader could not write the memory.</source>
        <translation>Загрузчику не удалось записать память.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="22"/>
        <source>The bootloader could not erase the memory.</source>
        <translation>Загрузчику не удалось стереть память.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="25"/>
        <source>The memory was not blank after erasing.</source>
        <translation>После стирания память оказалась не пустой.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="27"/>
        <source>Programming the memory failed.</source>
        <translation>Программирование памяти не удалось.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="29"/>
        <source>The bootloader read back different bytes than it wrote.</source>
        <translation>Загрузчик считал не те байты, что записал.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="32"/>
        <source>The firmware holds bytes for an address outside the device&apos;s memory.</source>
        <translation>Прошивка содержит байты для адреса вне памяти устройства.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="35"/>
        <source>The bootloader received the end of the firmware before it had all of it.</source>
        <translation>Загрузчик получил конец прошивки раньше, чем всю прошивку.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="39"/>
        <source>The device&apos;s firmware is corrupt and cannot be started; it stays in its bootloader until a firmware is written.</source>
        <translation>Прошивка устройства повреждена и не может быть запущена; оно остаётся в загрузчике, пока не будет записана прошивка.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="44"/>
        <source>The board&apos;s memory is read-protected: the bootloader refuses to read it back.</source>
        <translation>Память платы защищена от чтения: загрузчик отказывается её считывать.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="48"/>
        <source>The bootloader reported an error of its maker&apos;s own.</source>
        <translation>Загрузчик сообщил об ошибке, определённой его производителем.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="51"/>
        <source>The device saw an unexpected USB reset.</source>
        <translation>Устройство получило неожиданный сброс USB.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="53"/>
        <source>The device saw an unexpected power-on reset.</source>
        <translation>Устройство неожиданно перезапустилось при включении питания.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="56"/>
        <source>The bootloader reported an unknown error.</source>
        <translation>Загрузчик сообщил о неизвестной ошибке.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="59"/>
        <source>The bootloader refused a request it did not expect.</source>
        <translation>Загрузчик отклонил запрос, которого не ожидал.</translation>
    </message>
    <message>
        <location filename="../dfu/dfustatustext.cpp" line="62"/>
        <source>The bootloader reported error code %1, which the DFU standard does not define.</source>
        <translation>Загрузчик сообщил код ошибки %1, которого нет в стандарте DFU.</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="82"/>
        <source>The file ends inside its DfuSe header.</source>
        <translation>Файл обрывается внутри заголовка DfuSe.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="85"/>
        <source>The file is a DfuSe file of version %1, which this program does not know.</source>
        <translation>Файл DfuSe версии %1, которую эта программа не знает.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="92"/>
        <source>The file&apos;s DfuSe header says it holds %1 bytes, but it holds %2: it is cut short or has bytes added.</source>
        <translation>По заголовку DfuSe в файле %1 байт, а в нём %2: он обрезан или в него добавлены байты.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="100"/>
        <source>The file holds no firmware (no DfuSe targets).</source>
        <translation>В файле нет прошивки (нет целей DfuSe).</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="105"/>
        <source>The file ends inside target %1.</source>
        <translation>Файл обрывается внутри цели %1.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="111"/>
        <source>Target %1 of the file does not start with &quot;Target&quot;.</source>
        <translation>Цель %1 файла не начинается с «Target».</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="124"/>
        <source>Target %1 of the file says it holds %2 bytes, more than the file has left.</source>
        <translation>Цель %1 файла заявляет %2 байт — больше, чем осталось в файле.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="133"/>
        <source>Element %1 of target %2 lies outside the target&apos;s size.</source>
        <translation>Элемент %1 цели %2 выходит за размер цели.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="143"/>
        <source>Element %1 of target %2 (%3 bytes at %4) runs past the end of its target.</source>
        <translation>Элемент %1 цели %2 (%3 байт по адресу %4) выходит за конец своей цели.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="152"/>
        <source>Element %1 of target %2 runs past the end of the address space.</source>
        <translation>Элемент %1 цели %2 выходит за конец адресного пространства.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="164"/>
        <source>Target %1 of the file says it holds %2 bytes, but its elements hold %3.</source>
        <translation>Цель %1 файла заявляет %2 байт, а в её элементах %3.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="173"/>
        <source>The file holds %1 bytes after its last target.</source>
        <translation>В файле %1 байт после последней цели.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="202"/>
        <source>Line %1 follows the end-of-file record.</source>
        <translation>Строка %1 идёт после записи конца файла.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="207"/>
        <source>Line %1 is not an Intel HEX record.</source>
        <translation>Строка %1 — не запись Intel HEX.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="215"/>
        <source>Line %1 holds characters that are not hexadecimal digits.</source>
        <translation>Строка %1 содержит символы, не являющиеся шестнадцатеричными цифрами.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="222"/>
        <source>Line %1 says it holds %2 bytes of data but holds %3.</source>
        <translation>Строка %1 заявляет %2 байт данных, а содержит %3.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="232"/>
        <source>Line %1 fails its checksum: the file is damaged.</source>
        <translation>Контрольная сумма строки %1 не сходится: файл повреждён.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="243"/>
        <source>Line %1 runs past the end of the address space.</source>
        <translation>Строка %1 выходит за конец адресного пространства.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="249"/>
        <source>Line %1 gives address %2 a second time.</source>
        <translation>Строка %1 задаёт адрес %2 повторно.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="258"/>
        <source>Line %1 is a malformed end-of-file record.</source>
        <translation>Строка %1 — искажённая запись конца файла.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="266"/>
        <source>Line %1 is a malformed address record.</source>
        <translation>Строка %1 — искажённая запись адреса.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="277"/>
        <source>Line %1 is a malformed start address record.</source>
        <translation>Строка %1 — искажённая запись начального адреса.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="282"/>
        <source>Line %1 has a record type %2 that Intel HEX does not define.</source>
        <translation>Строка %1 имеет тип записи %2, которого нет в Intel HEX.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="291"/>
        <source>The file has no end-of-file record: it is cut short.</source>
        <translation>В файле нет записи конца файла: он обрезан.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="294"/>
        <location filename="../dfu/firmwarefile.cpp" line="394"/>
        <location filename="../dfu/firmwarefile.cpp" line="402"/>
        <source>The file holds no firmware bytes.</source>
        <translation>В файле нет байтов прошивки.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="363"/>
        <source>The file&apos;s DFU suffix gives its length as %1 bytes; this program knows only 16-byte suffixes.</source>
        <translation>Суффикс DFU файла указывает длину %1 байт; программа знает только суффиксы по 16 байт.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="371"/>
        <source>The file is damaged: its checksum (CRC-32 %1) does not match its contents (%2).</source>
        <translation>Файл повреждён: его контрольная сумма (CRC-32 %1) не совпадает с содержимым (%2).</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="383"/>
        <source>The file has no DFU suffix: it is cut short or not a DFU file.</source>
        <translation>У файла нет суффикса DFU: он обрезан или это не файл DFU.</translation>
    </message>
    <message>
        <location filename="../dfu/firmwarefile.cpp" line="412"/>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
</context>
<context>
    <name>FirmwareNotice</name>
    <message>
        <location filename="../ui/firmwarenotice.cpp" line="19"/>
        <source>&amp;Update firmware…</source>
        <translation>&amp;Обновить прошивку…</translation>
    </message>
    <message>
        <location filename="../ui/firmwarenotice.cpp" line="21"/>
        <source>S&amp;tart its firmware</source>
        <translation>&amp;Запустить её прошивку</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateController</name>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="34"/>
        <source>The firmware was written, but %1 did not come back within %2 seconds. If it waits in its bootloader, it is listed in the board list.</source>
        <translation>Прошивка записана, но %1 не вернулась за %2 с. Если плата ждёт в своём загрузчике, она есть в списке плат.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="85"/>
        <source>The file is meant for another device (%1:%2), not %3 or its bootloader; nothing will be sent.</source>
        <translation>Файл предназначен для другого устройства (%1:%2), а не для %3 или её загрузчика; ничего не будет отправлено.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="157"/>
        <source>Stopped before anything was sent: no backup could be taken.</source>
        <translation>Остановлено до отправки чего-либо: не удалось сделать резервную копию.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="164"/>
        <source>%1 could not be sent to its bootloader: %2. Nothing was written; the board runs its firmware as before.</source>
        <translation>Не удалось перевести %1 в загрузчик: %2. Ничего не записано; плата работает на прежней прошивке.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="179"/>
        <source>Cancelled: nothing was sent.</source>
        <translation>Отменено: ничего не отправлено.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="186"/>
        <source>Cancelled before anything was written. The board waits in its bootloader: it is listed in the board list, where its firmware can be started as it is.</source>
        <translation>Отменено до начала записи. Плата ждёт в своём загрузчике: она есть в списке плат, где её прошивку можно запустить без изменений.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="320"/>
        <source>%1 went to its bootloader, but %2 bootloaders wait (ports %3). Pick its entry in the board list and update it from there.</source>
        <translation>%1 перешла в загрузчик, но ждут %2 загрузчика (порты %3). Выберите её запись в списке плат и обновите оттуда.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="325"/>
        <source>%1 left for its bootloader, but no bootloader appeared within %2 seconds. Nothing was written. Check the cable; a board waiting in its bootloader is listed in the board list.</source>
        <translation>%1 ушла в загрузчик, но за %2 с загрузчик не появился. Ничего не записано. Проверьте кабель; плата, ждущая в загрузчике, показывается в списке плат.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="345"/>
        <source>The firmware was written, and the board waits in its bootloader on port %1 as you chose; start its firmware from the board list.</source>
        <translation>Прошивка записана, и плата, как вы выбрали, ждёт в загрузчике на порту %1; запустите её прошивку из списка плат.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="352"/>
        <source>The firmware was written, but the bootloader did not start it: %1 The board waits in its bootloader on port %2; start its firmware from the board list.</source>
        <translation>Прошивка записана, но загрузчик её не запустил: %1 Плата ждёт в загрузчике на порту %2; запустите её прошивку из списка плат.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="361"/>
        <source>The firmware was written and started on port %1; the board is listed once it runs.</source>
        <translation>Прошивка записана и запущена на порту %1; плата появится в списке, как только заработает.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="380"/>
        <source>Plugged in again, the board comes up in its bootloader and is listed in the board list, where the update can be tried again.</source>
        <translation>После повторного подключения плата запустится в загрузчике и появится в списке плат, где обновление можно повторить.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="383"/>
        <source>The board stays in its bootloader on port %1. It is listed in the board list, where its firmware can be updated again or started as it is.</source>
        <translation>Плата остаётся в загрузчике на порту %1. Она есть в списке плат, где её прошивку можно обновить снова или запустить без изменений.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="399"/>
        <source>Every byte was written and read back equal.</source>
        <translation>Каждый байт записан и считан обратно без расхождений.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatecontroller.cpp" line="400"/>
        <source>%1 runs firmware %2 (was %3). %4</source>
        <translation>%1 работает на прошивке %2 (была %3). %4</translation>
    </message>
</context>
<context>
    <name>FirmwareUpdateDialog</name>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="49"/>
        <source>Update firmware</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="57"/>
        <source>&amp;File:</source>
        <translation>&amp;Файл:</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="63"/>
        <source>C&amp;hoose file…</source>
        <translation>Вы&amp;брать файл…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Erase</source>
        <translation>Стирание</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Write</source>
        <translation>Запись</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Verify</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="95"/>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="128"/>
        <source>&amp;Start update</source>
        <translation>&amp;Начать обновление</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="130"/>
        <source>&amp;Try again</source>
        <translation>&amp;Повторить</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="132"/>
        <source>&amp;Restore settings</source>
        <translation>&amp;Восстановить настройки</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="134"/>
        <source>&amp;Keep settings as they are</source>
        <translation>О&amp;ставить настройки как есть</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="136"/>
        <location filename="../ui/firmwareupdatedialog.cpp" line="326"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="166"/>
        <source>%1, firmware %2</source>
        <translation>%1, прошивка %2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="167"/>
        <source> (port %1)</source>
        <translation> (порт %1)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="168"/>
        <source>%1, waiting in its bootloader on port %2</source>
        <translation>%1, ждёт в загрузчике на порту %2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="184"/>
        <source>Choose firmware file</source>
        <translation>Выбор файла прошивки</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="185"/>
        <source>Firmware files (*.dfu *.hex *.bin);;All files (*)</source>
        <translation>Файлы прошивки (*.dfu *.hex *.bin);;Все файлы (*)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="206"/>
        <source>This file cannot be used: %1</source>
        <translation>Этот файл нельзя использовать: %1</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="210"/>
        <source>Format: %1</source>
        <translation>Формат: %1</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="211"/>
        <source>Device: the file names none</source>
        <translation>Устройство: в файле не указано</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="213"/>
        <source>Device: any (%1:%2)</source>
        <translation>Устройство: любое (%1:%2)</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="214"/>
        <source>Device: %1:%2</source>
        <translation>Устройство: %1:%2</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="218"/>
        <source>Memory %1: %2 bytes, no address</source>
        <translation>Память %1: %2 байт, без адреса</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="219"/>
        <source>Memory %1%2: %3 bytes at %4</source>
        <translation>Память %1%2: %3 байт по адресу %4</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="229"/>
        <source>Choose the firmware file to write.</source>
        <translation>Выберите файл прошивки для записи.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="232"/>
        <source>The file says it suits any device; I have checked that it is meant for this board</source>
        <translation>Файл заявляет, что подходит любому устройству; я проверил, что он предназначен для этой платы</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="234"/>
        <source>The file names no device; I have checked that it is meant for this board</source>
        <translation>В файле не указано устройство; я проверил, что он предназначен для этой платы</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="239"/>
        <source>Write the raw image at %1, the first writable address</source>
        <translation>Записать образ по адресу %1, первому доступному для записи</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="240"/>
        <source>Write the raw image at the first writable address the bootloader names</source>
        <translation>Записать образ по первому доступному для записи адресу, который назовёт загрузчик</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="254"/>
        <source>Both settings records of %1 go into an automatic backup.</source>
        <translation>Обе записи настроек платы %1 сохраняются в автоматическую резервную копию.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="255"/>
        <source>%1 is sent to its bootloader and leaves the list for a moment.</source>
        <translation>%1 переводится в загрузчик и ненадолго исчезает из списка.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="257"/>
        <source>Only the sectors the file touches are erased; the file is written and read back.</source>
        <translation>Стираются только секторы, которых касается файл; файл записывается и считывается обратно.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="260"/>
        <source>The new firmware is started, and %1 is awaited and its version read.</source>
        <translation>Новая прошивка запускается; программа ждёт возвращения платы %1 и считывает её версию.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="262"/>
        <source>The new firmware is started.</source>
        <translation>Новая прошивка запускается.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="263"/>
        <source>What will happen:</source>
        <translation>Что произойдёт:</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="267"/>
        <source>Until writing starts you can cancel; after that the board stays in its bootloader until the update ends.</source>
        <translation>До начала записи можно отменить; после этого плата остаётся в загрузчике до конца обновления.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="302"/>
        <location filename="../ui/firmwareupdatedialog.cpp" line="347"/>
        <source>Erasing…</source>
        <translation>Стирание…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="303"/>
        <source>Writing…</source>
        <translation>Запись…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="304"/>
        <source>Reading back and comparing…</source>
        <translation>Обратное чтение и сравнение…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="326"/>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="425"/>
        <source>Keep &amp;watching</source>
        <translation>Продолжать с&amp;ледить</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="445"/>
        <source>&amp;Close and leave it in its bootloader</source>
        <translation>&amp;Закрыть и оставить в загрузчике</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="336"/>
        <source>Not started.</source>
        <translation>Не начато.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="340"/>
        <source>Backing up the settings and sending %1 to its bootloader…</source>
        <translation>Резервное копирование настроек и перевод платы %1 в загрузчик…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="344"/>
        <source>Waiting for the bootloader (at most %1 s)…</source>
        <translation>Ожидание загрузчика (не более %1 с)…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="350"/>
        <source>Starting the new firmware…</source>
        <translation>Запуск новой прошивки…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="353"/>
        <source>Waiting for %1 to come back (at most %2 s)…</source>
        <translation>Ожидание возвращения платы %1 (не более %2 с)…</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="358"/>
        <source>Done.</source>
        <translation>Готово.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="365"/>
        <source>The update failed.</source>
        <translation>Обновление не удалось.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="368"/>
        <source>Stopped.</source>
        <translation>Остановлено.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="377"/>
        <source>The firmware version is unchanged. Restore the settings from the backup taken before the update (%1)?</source>
        <translation>Версия прошивки не изменилась. Восстановить настройки из резервной копии, сделанной перед обновлением (%1)?</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="380"/>
        <source>The firmware changed from %1 to %2, and the layout of the settings records may differ between versions. Restore the settings from the backup taken before the update (%3) only if the new firmware reads them the same way; otherwise check and set them again.</source>
        <translation>Прошивка изменилась с %1 на %2, и структура записей настроек в разных версиях может отличаться. Восстанавливайте настройки из резервной копии, сделанной перед обновлением (%3), только если новая прошивка читает их так же; иначе проверьте и задайте их заново.</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="420"/>
        <source>Stop following the update?</source>
        <translation>Перестать следить за обновлением?</translation>
    </message>
    <message>
        <location filename="../ui/firmwareupdatedialog.cpp" line="421"/>
        <source>The board&apos;s flash is being written. The update goes on to its end, but if you close this window the new firmware is not started: the board will stay in its bootloader, listed in the board list, where its firmware can be started or updated again.</source>
        <translation>Идёт запись флеш-памяти платы. Обновление продолжится до конца, но если закрыть это окно, новая прошивка не будет запущена: плата останется в загрузчике и будет в списке плат, где её прошивку можно запустить или обновить снова.</translation>
    </message>
</context>
<context>
    <name>Flasher</name>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="107"/>
        <source>A bootloader is waiting on port %1 but cannot be opened: %2. Install the udev rule that comes with this program.</source>
        <translation>На порту %1 ждёт загрузчик, но его не удаётся открыть: %2. Установите правило udev, которое поставляется с программой.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="118"/>
        <source>No bootloader is waiting on port %1.</source>
        <translation>На порту %1 нет ожидающего загрузчика.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="153"/>
        <source>The file is meant for another device (%1:%2), not this bootloader (%3:%4) or its board; nothing was sent.</source>
        <translation>Файл предназначен для другого устройства (%1:%2), а не для этого загрузчика (%3:%4) или его платы; ничего не отправлено.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="164"/>
        <source>The file says it suits any device; it is written only when you agree.</source>
        <translation>Файл заявляет, что подходит любому устройству; он будет записан только с вашего согласия.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="172"/>
        <source>The file names no device; it is written only when you confirm that it suits the board.</source>
        <translation>Файл не называет устройство; он будет записан, только если вы подтвердите, что он подходит плате.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="186"/>
        <source>The bootloader names no writable memory for the raw image.</source>
        <translation>Загрузчик не называет записываемой памяти для образа без адреса.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="192"/>
        <source>The raw image would be written at %1, the first writable address; it is written only when you confirm that address.</source>
        <translation>Образ без адреса будет записан по адресу %1, первому записываемому; запись будет только после подтверждения этого адреса.</translation>
    </message>
    <message>
        <location filename="../dfu/flashercommands.cpp" line="303"/>
        <source>The USB library cannot be started.</source>
        <translation>Не удаётся запустить библиотеку USB.</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="83"/>
        <source>The flasher %1 cannot be started: %2</source>
        <translation>Не удаётся запустить программу прошивки %1: %2</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="100"/>
        <source>The flasher stopped answering and was ended.</source>
        <translation>Программа прошивки перестала отвечать и была завершена.</translation>
    </message>
    <message>
        <location filename="../flasher/process.cpp" line="108"/>
        <source>The flasher crashed.</source>
        <translation>Программа прошивки аварийно завершилась.</translation>
    </message>
</context>
<context>
    <name>ForceFeedback</name>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="19"/>
        <source>constant</source>
        <translation>постоянная</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="20"/>
        <source>spring</source>
        <translation>пружина</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="21"/>
        <source>damper</source>
        <translation>демпфер</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="22"/>
        <source>friction</source>
        <translation>трение</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="23"/>
        <source>inertia</source>
        <translation>инерция</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="24"/>
        <source>ramp</source>
        <translation>нарастание</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="25"/>
        <source>periodic</source>
        <translation>периодическая</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="26"/>
        <source>rumble</source>
        <translation>вибрация</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="27"/>
        <source>sine</source>
        <translation>синус</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="28"/>
        <source>square</source>
        <translation>меандр</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="29"/>
        <source>triangle</source>
        <translation>треугольник</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="30"/>
        <source>saw up</source>
        <translation>пила вверх</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="31"/>
        <source>saw down</source>
        <translation>пила вниз</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="32"/>
        <source>gain</source>
        <translation>усиление</translation>
    </message>
    <message>
        <location filename="../device/forcetesteffect.cpp" line="33"/>
        <source>autocentre</source>
        <translation>автоцентрирование</translation>
    </message>
</context>
<context>
    <name>ForceTestPanel</name>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="43"/>
        <source>Pulls the axis towards its centre</source>
        <translation>Тянет ось к центру</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="45"/>
        <source>Resists motion, the more the faster it is</source>
        <translation>Сопротивляется движению, тем сильнее, чем оно быстрее</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="47"/>
        <source>Resists motion evenly</source>
        <translation>Равномерно сопротивляется движению</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="49"/>
        <source>A constant force towards the axis&apos;s smallest value (left, or forward)</source>
        <translation>Постоянная сила к наименьшему значению оси (влево или вперёд)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="52"/>
        <source>A constant force towards the axis&apos;s largest value (right, or back)</source>
        <translation>Постоянная сила к наибольшему значению оси (вправо или назад)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="55"/>
        <source>Swings to and fro twice a second</source>
        <translation>Качается туда и обратно дважды в секунду</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="72"/>
        <source>owner %1, group %2, mode %3</source>
        <translation>владелец %1, группа %2, режим %3</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="83"/>
        <source>Force feedback</source>
        <translation>Обратная связь по усилию</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="95"/>
        <source>Axis:</source>
        <translation>Ось:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="98"/>
        <source>The axis the test force acts on</source>
        <translation>Ось, на которую действует тестовое усилие</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="100"/>
        <source>Strength:</source>
        <translation>Сила:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="106"/>
        <source>How strong the test force is, of the most the system can ask of the board</source>
        <translation>Сила тестового усилия от наибольшей, которую система может запросить у платы</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="113"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="118"/>
        <source>Time:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="125"/>
        <source> s</source>
        <translation> с</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="126"/>
        <source>How long the test force plays; it ends by itself after that</source>
        <translation>Сколько длится тестовое усилие; затем оно заканчивается само</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="156"/>
        <source>Stops and erases every test force at once (Escape)</source>
        <translation>Сразу останавливает и удаляет все тестовые усилия (Escape)</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="178"/>
        <source>%1 finished.</source>
        <translation>%1: завершено.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="267"/>
        <source>Force test</source>
        <translation>Проверка усилий</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="268"/>
        <source>The board&apos;s motors will move the controls by themselves. Hold the controls firmly and keep hands and objects clear of their path.</source>
        <translation>Моторы платы будут сами двигать органы управления. Крепко держите их и уберите руки и предметы с их пути.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="42"/>
        <source>&amp;Spring</source>
        <translation>Пруж&amp;ина</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="44"/>
        <source>&amp;Damper</source>
        <translation>&amp;Демпфер</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="46"/>
        <source>Fr&amp;iction</source>
        <translation>Тр&amp;ение</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="48"/>
        <source>&amp;Push to minimum</source>
        <translation>Толкать к ми&amp;нимуму</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="51"/>
        <source>Push to ma&amp;ximum</source>
        <translation>Толкать к &amp;максимуму</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="54"/>
        <source>Si&amp;ne</source>
        <translation>Син&amp;ус</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="154"/>
        <source>S&amp;top</source>
        <translation>С&amp;топ</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="270"/>
        <source>&amp;Start test</source>
        <translation>&amp;Начать проверку</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="306"/>
        <source>%1 playing on %2 at %3 %, %4 s left. Stop or Escape ends it.</source>
        <translation>%1 на оси %2, %3 %, осталось %4 с. «Стоп» или Escape прекращает проверку.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="319"/>
        <source>%1 stopped.</source>
        <translation>%1: остановлено.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="326"/>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="329"/>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="329"/>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="331"/>
        <source>The system offers force feedback for this board (driver %1%2). Effects: %3. It holds %4 effects at once. Gain can be set: %5. Autocentre can be set: %6.</source>
        <translation>Система поддерживает обратную связь по усилию для этой платы (драйвер %1%2). Эффекты: %3. Одновременно хранится эффектов: %4. Усиление настраивается: %5. Автоцентрирование настраивается: %6.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="344"/>
        <source>The test cannot play forces: this user may not write to %1 (%2). Install the udev rule %3 that comes with Gravolt Setup and reconnect the board.</source>
        <translation>Проверка не может воспроизводить усилия: этот пользователь не может писать в %1 (%2). Установите правило udev %3 из комплекта Gravolt Setup и переподключите плату.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="351"/>
        <source>The system offers no force feedback for this board: its driver %1 registered none for the input device %2, so games cannot use the board&apos;s forces either. Most likely no force-feedback driver is bound to the board: the kernel needs its HID force-feedback support (usbhid with HID PID support) for it.</source>
        <translation>Система не поддерживает обратную связь по усилию для этой платы: её драйвер %1 не зарегистрировал её для устройства ввода %2, поэтому и игры не могут использовать усилия платы. Скорее всего, к плате не привязан драйвер обратной связи по усилию: ядру для этого нужна поддержка HID force feedback (usbhid с поддержкой HID PID).</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="355"/>
        <source>of the board</source>
        <translation>платы</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="370"/>
        <source>Force feedback cannot be tested on this operating system yet.</source>
        <translation>В этой операционной системе обратную связь по усилию пока нельзя проверить.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="372"/>
        <source>The board is not connected.</source>
        <translation>Плата не подключена.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="374"/>
        <source>The system made no input device of this board, so it offers no force feedback for it. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Система не создала устройство ввода для этой платы, поэтому обратная связь по усилию недоступна. Проверьте, загружен ли HID-драйвер платы.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="377"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Устройство ввода платы %1 не существует. Переподключите плату.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="379"/>
        <source>The system offers no force feedback for this board.</source>
        <translation>Система не поддерживает обратную связь по усилию для этой платы.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="381"/>
        <source>No permission to open the board&apos;s input device %1 for force feedback (%2). Install the udev rule %3 that comes with Gravolt Setup and reconnect the board.</source>
        <translation>Нет прав открыть устройство ввода платы %1 для обратной связи по усилию (%2). Установите правило udev %3 из комплекта Gravolt Setup и переподключите плату.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="386"/>
        <source>The board refused the test force: %1</source>
        <translation>Плата отклонила тестовое усилие: %1</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="388"/>
        <source>The board was disconnected.</source>
        <translation>Плата была отключена.</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="393"/>
        <source>The test force cannot be played: %1</source>
        <translation>Тестовое усилие невозможно воспроизвести: %1</translation>
    </message>
    <message>
        <location filename="../ui/forcetestpanel.cpp" line="394"/>
        <source>The test force cannot be played on %1: %2</source>
        <translation>Тестовое усилие невозможно воспроизвести на %1: %2</translation>
    </message>
</context>
<context>
    <name>FullEffectSettingsWidget</name>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="14"/>
        <source>Form</source>
        <translation>Форма</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="69"/>
        <source>Sa&amp;ve</source>
        <translation>Сохр&amp;анить</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="88"/>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="511"/>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
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
        <source>DirectX spring forces strength (%)</source>
        <translation>Уровень пружинных усилий DirectX (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="717"/>
        <source>DirectX constant forces strength (%)</source>
        <translation>Уровень постоянных усилий DirectX (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.ui" line="753"/>
        <source>DirectX periodic forces strength (%)</source>
        <translation>Уровень периодических усилий DirectX (%)</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="44"/>
        <source>Type a name for the profile first.</source>
        <translation>Сначала введите имя профиля.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="46"/>
        <source>A profile name may not start with a dot.</source>
        <translation>Имя профиля не может начинаться с точки.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="49"/>
        <source>A profile name may not contain / or \ or control characters such as a line break or a tab.</source>
        <translation>Имя профиля не может содержать / или \, а также управляющие символы, например перевод строки или табуляцию.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="167"/>
        <source>Store an effect profile file as a profile</source>
        <translation>Сохранить файл профиля эффектов как профиль</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="170"/>
        <source>Write the effect settings of the form to a profile file</source>
        <translation>Записать настройки эффектов из формы в файл профиля</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="173"/>
        <source>Apply an effect profile while a game runs</source>
        <translation>Применять профиль эффектов, пока работает игра</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="437"/>
        <source>Effect profiles</source>
        <translation>Профили эффектов</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="448"/>
        <source>The effect profile was not saved. %1</source>
        <translation>Профиль эффектов не сохранён. %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="457"/>
        <source>An effect profile named “%1” exists. Replace it with the settings in the form?</source>
        <translation>Профиль эффектов «%1» уже существует. Заменить его настройками из формы?</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="165"/>
        <source>&amp;Import...</source>
        <translation>И&amp;мпорт...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="168"/>
        <source>&amp;Export...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="171"/>
        <source>&amp;Games...</source>
        <translation>И&amp;гры...</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="460"/>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="461"/>
        <source>The effect profile “%1” was left as it was.</source>
        <translation>Профиль эффектов «%1» оставлен без изменений.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="479"/>
        <source>the folder %1 cannot be created</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="483"/>
        <source>Effect profile “%1” saved.</source>
        <translation>Профиль эффектов «%1» сохранён.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="485"/>
        <source>The effect profile “%1” could not be saved: %2</source>
        <translation>Не удалось сохранить профиль эффектов «%1»: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="497"/>
        <source>No effect profile was deleted. %1</source>
        <translation>Ни один профиль эффектов не удалён. %1</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="503"/>
        <source>There is no effect profile named “%1”.</source>
        <translation>Профиля эффектов «%1» нет.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="508"/>
        <source>Delete the effect profile “%1”? Its file is removed from this computer; the form keeps what it shows.</source>
        <translation>Удалить профиль эффектов «%1»? Его файл будет удалён с этого компьютера; форма сохранит то, что в ней показано.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="512"/>
        <source>The effect profile “%1” was kept.</source>
        <translation>Профиль эффектов «%1» сохранён без изменений.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="518"/>
        <source>Effect profile “%1” deleted.</source>
        <translation>Профиль эффектов «%1» удалён.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="520"/>
        <source>The effect profile “%1” could not be deleted: %2</source>
        <translation>Не удалось удалить профиль эффектов «%1»: %2</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="537"/>
        <source>“%1” was not loaded: the file cannot be read.</source>
        <translation>«%1» не загружен: файл не удаётся прочитать.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="538"/>
        <source>“%1” was not loaded: it is not a regular file.</source>
        <translation>«%1» не загружен: это не обычный файл.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="547"/>
        <source>“%1” was not loaded: an effect profile holds exactly %2 bytes.</source>
        <translation>«%1» не загружен: профиль эффектов занимает ровно %2 байт.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="556"/>
        <source>The effect settings in the form hold changes that were not sent to the board. Load the profile “%1” and discard them?</source>
        <translation>В настройках эффектов в форме есть изменения, не отправленные на плату. Загрузить профиль «%1» и отбросить их?</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="559"/>
        <source>&amp;Discard changes and load</source>
        <translation>О&amp;тбросить изменения и загрузить</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="560"/>
        <source>The effect profile “%1” was not loaded; the form keeps your changes.</source>
        <translation>Профиль эффектов «%1» не загружен; ваши изменения в форме сохранены.</translation>
    </message>
    <message>
        <location filename="../ui/fulleffectsettingswidget.cpp" line="573"/>
        <source>Profile “%1” loaded into the form; Apply or Save sends it to the board.</source>
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
        <source>&lt;p&gt;Puts the board&apos;s force output into its diagnostic mode, for tracking down drive problems. Leave it off in normal use.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Переводит силовой выход платы в диагностический режим для поиска неисправностей привода. В обычной работе держите выключенным.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="35"/>
        <source>Debug forces</source>
        <translation>Отладка усилий</translation>
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
        <translation>&lt;p&gt;Разрешает плате управлять двигателями. В выключенном состоянии она по-прежнему передаёт положения и кнопки, но не создаёт усилия. Вступает в силу после перезагрузки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="45"/>
        <source>Enable forces (requires reboot)</source>
        <translation>Включить усилия (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="66"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="76"/>
        <source>&lt;p&gt;Gain of the board&apos;s motor current-sense amplifier, in V/V. It must match the board&apos;s current-sense circuit. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Коэффициент усиления усилителя датчика тока двигателей, в V/V. Должен соответствовать схеме измерения тока на плате. Вступает в силу после перезагрузки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="69"/>
        <source>Current sense gain (requires reboot)</source>
        <translation>Усиление датчика тока (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="103"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="113"/>
        <source>&lt;p&gt;How the board finds the centre of travel when it starts: not at all, taking the position at calibration start as the centre, or searching the whole range for its middle. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Как плата находит центр хода при запуске: никак, принимая за центр положение в начале калибровки или отыскивая середину всего диапазона. Вступает в силу после перезагрузки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="106"/>
        <source>Calibration (requires reboot)</source>
        <translation>Калибровка (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="132"/>
        <source>Axis 0</source>
        <translation>Ось 0</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="138"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="284"/>
        <source>&lt;p&gt;Reverses the direction in which this axis reports its position to the computer.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Меняет направление, в котором эта ось сообщает компьютеру своё положение.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="141"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="287"/>
        <source>Invert joystick output</source>
        <translation>Инвертировать выход джойстика</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="148"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="294"/>
        <source>&lt;p&gt;Reverses the direction in which the motor pushes this axis.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Меняет направление, в котором двигатель толкает эту ось.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="151"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="297"/>
        <source>Invert force output</source>
        <translation>Инвертировать направление усилия</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="158"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="180"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="304"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="326"/>
        <source>&lt;p&gt;Resolution of this axis&apos;s encoder, in counts per revolution.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Разрешение энкодера этой оси, в отсчётах на оборот.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="173"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="319"/>
        <source>Encoder CPR</source>
        <translation>CPR энкодера</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="190"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="212"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="336"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="358"/>
        <source>&lt;p&gt;Number of pole pairs of this axis&apos;s motor (half its number of magnet poles), as given by the motor&apos;s data sheet.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Число пар полюсов двигателя этой оси (половина числа его магнитных полюсов), по техническому описанию двигателя.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="205"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="351"/>
        <source>Pole pairs</source>
        <translation>Пары полюсов</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="219"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="241"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="365"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="387"/>
        <source>&lt;p&gt;Proportional gain of this axis&apos;s motor control loop (a plain factor): how strongly it answers a deviation. Higher is stiffer; too high makes the motor oscillate.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Пропорциональный коэффициент контура управления двигателем этой оси (безразмерный множитель): насколько сильно он реагирует на отклонение. Больше — жёстче; слишком большое значение вызывает колебания двигателя.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="234"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="380"/>
        <source>P gain</source>
        <translation>Коэффициент P</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="248"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="270"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="394"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="416"/>
        <source>&lt;p&gt;Integral gain of this axis&apos;s motor control loop (a plain factor): how strongly it corrects a deviation that persists. Too high makes the motor overshoot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Интегральный коэффициент контура управления двигателем этой оси (безразмерный множитель): насколько сильно он устраняет устойчивое отклонение. Слишком большое значение вызывает перерегулирование.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="263"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="409"/>
        <source>I gain</source>
        <translation>Коэффициент I</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="278"/>
        <source>Axis 1</source>
        <translation>Ось 1</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="441"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="451"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="464"/>
        <source>&lt;p&gt;Highest motor power the board will deliver, in percent of its maximum. Every force is kept below it.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Наибольшая мощность двигателя, которую выдаёт плата, в процентах от максимума. Любое усилие остаётся ниже неё.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="444"/>
        <source>Power limit (%)</source>
        <translation>Ограничение мощности (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="474"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="484"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="497"/>
        <source>&lt;p&gt;Force with which the motor moves the axis while calibrating, in percent of full force.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Усилие, с которым двигатель перемещает ось при калибровке, в процентах от полного усилия.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="477"/>
        <source>Calibration magnitude (%)</source>
        <translation>Сила калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="507"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="517"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="530"/>
        <source>&lt;p&gt;Speed at which the motor moves the axis while calibrating, in percent of the highest calibration speed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Скорость, с которой двигатель перемещает ось при калибровке, в процентах от наибольшей скорости калибровки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="510"/>
        <source>Calibration speed (%)</source>
        <translation>Скорость калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="540"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="550"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="563"/>
        <source>&lt;p&gt;Motor current at which calibration takes an end stop as reached, in percent of the maximum current.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Ток двигателя, при котором калибровка считает упор достигнутым, в процентах от максимального тока.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="543"/>
        <source>Calibration stop current (%)</source>
        <translation>Ток остановки калибровки (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="573"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="583"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="596"/>
        <source>&lt;p&gt;Highest load of the braking resistor, in percent. The resistor burns the energy the motor feeds back when it is pushed; a lower limit keeps it cooler.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Наибольшая нагрузка тормозного резистора, в процентах. Резистор рассеивает энергию, которую двигатель возвращает, когда его проворачивают; меньший предел бережёт его от перегрева.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="576"/>
        <source>Braking resistor limit (%)</source>
        <translation>Предел тормозного резистора (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="606"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="616"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="635"/>
        <source>&lt;p&gt;Number of position samples (2 to 32) from which the board works out the axis speed that dampening uses. More samples give a smoother but later speed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Число выборок положения (от 2 до 32), по которым плата вычисляет скорость оси для демпфирования. Больше выборок — скорость ровнее, но запаздывает.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="609"/>
        <source>Speed sample buffer size</source>
        <translation>Размер буфера выборок скорости</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="651"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="661"/>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="674"/>
        <source>&lt;p&gt;How strongly the board smooths the axis position it reports, in percent. 0 reports it unfiltered; higher is steadier but follows movement later.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Насколько сильно плата сглаживает передаваемое положение оси, в процентах. 0 — без фильтрации; больше — ровнее, но с запаздыванием.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.ui" line="654"/>
        <source>Position smoothing (%)</source>
        <translation>Сглаживание положения (%)</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="125"/>
        <source>Not a number: type a finite decimal number such as %1 (a point or a comma separates the decimals).</source>
        <translation>Не число: введите конечное десятичное число, например %1 (дробную часть отделяет точка или запятая).</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="158"/>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="159"/>
        <source>Calibration start angle as the center</source>
        <translation>Начальный угол калибровки как центр</translation>
    </message>
    <message>
        <location filename="../ui/fullhardwaresettingswidget.cpp" line="160"/>
        <source>Automatic center of range search</source>
        <translation>Автоматический поиск центра диапазона</translation>
    </message>
</context>
<context>
    <name>GamesDialog</name>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="63"/>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="66"/>
        <source>While a linked game runs, its effect profile is applied to the board&apos;s working memory; when the game ends, the settings from before come back. Permanent memory is never changed.</source>
        <translation>Пока работает связанная игра, её профиль эффектов записан в рабочую память платы; когда игра завершается, возвращаются прежние настройки. Постоянная память никогда не изменяется.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="74"/>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="74"/>
        <source>Effect profile</source>
        <translation>Профиль эффектов</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="81"/>
        <source>rallygame, or Game.exe for Wine and Proton</source>
        <translation>rallygame или Game.exe для Wine и Proton</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="100"/>
        <source>Background</source>
        <translation>Фоновый режим</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="85"/>
        <source>&amp;Link</source>
        <translation>&amp;Связать</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="89"/>
        <source>&amp;Unlink</source>
        <translation>&amp;Отвязать</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="93"/>
        <source>&amp;Program name:</source>
        <translation>&amp;Имя программы:</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="94"/>
        <source>&amp;Effect profile:</source>
        <translation>П&amp;рофиль эффектов:</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="101"/>
        <source>&amp;Follow games in the background</source>
        <translation>Следить за играми в &amp;фоне</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="104"/>
        <source>Starts the game watcher now and at every login (a systemd user service)</source>
        <translation>Запускает наблюдение за играми сейчас и при каждом входе в систему (пользовательская служба systemd)</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="159"/>
        <source>The list of games cannot be read: %1</source>
        <translation>Не удаётся прочитать список игр: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="174"/>
        <source>Type the program&apos;s name without its folder, such as “rallygame” or “Game.exe”.</source>
        <translation>Введите имя программы без папки, например «rallygame» или «Game.exe».</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="180"/>
        <source>The game was not linked: %1</source>
        <translation>Игра не связана: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="183"/>
        <source>“%1” now gets the effect profile “%2”.</source>
        <translation>«%1» теперь получает профиль эффектов «%2».</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="196"/>
        <source>The game was not unlinked: %1</source>
        <translation>Связь игры не снята: %1</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="198"/>
        <source>“%1” no longer changes the effect settings.</source>
        <translation>«%1» больше не меняет настройки эффектов.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="217"/>
        <source>The background service is not installed; run “gravoltctl watch” to follow games.</source>
        <translation>Фоновая служба не установлена; чтобы следить за играми, запустите «gravoltctl watch».</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="219"/>
        <source>The background service is not available on this system; run “gravoltctl watch” to follow games.</source>
        <translation>Фоновая служба недоступна в этой системе; чтобы следить за играми, запустите «gravoltctl watch».</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="229"/>
        <source>The game watcher is running.</source>
        <translation>Наблюдение за играми работает.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="230"/>
        <source>The game watcher is not running.</source>
        <translation>Наблюдение за играми не запущено.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="240"/>
        <source>The game watcher could not be started.</source>
        <translation>Не удалось запустить наблюдение за играми.</translation>
    </message>
    <message>
        <location filename="../ui/gamesdialog.cpp" line="241"/>
        <source>The game watcher could not be stopped.</source>
        <translation>Не удалось остановить наблюдение за играми.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <location filename="../ui/helpmenu.cpp" line="24"/>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="34"/>
        <source>Manual</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="35"/>
        <source>The manual could not be opened: %1 (%2).</source>
        <translation>Не удалось открыть руководство: %1 (%2).</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="42"/>
        <source>Gravolt Setup manual</source>
        <translation>Руководство Gravolt Setup</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="60"/>
        <source>About Gravolt Setup</source>
        <translation>О программе Gravolt Setup</translation>
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
Сделана для прошивки платы %2.
Собрана с Qt %3, работает с Qt %4.
Лицензия: %5

Профили эффектов хранятся в %6
Резервные копии плат хранятся в %7</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="88"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="90"/>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <location filename="../ui/helpmenu.cpp" line="95"/>
        <source>&amp;About Gravolt Setup</source>
        <translation>&amp;О программе Gravolt Setup</translation>
    </message>
</context>
<context>
    <name>LiveInputView</name>
    <message>
        <location filename="../ui/liveinputview.cpp" line="40"/>
        <source>Throttle</source>
        <translation>Газ (РУД)</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="41"/>
        <source>Rudder</source>
        <translation>Руль направления</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="42"/>
        <source>Wheel</source>
        <translation>Руль</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="43"/>
        <source>Gas</source>
        <translation>Педаль газа</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="44"/>
        <source>Brake</source>
        <translation>Тормоз</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="98"/>
        <source>Axes</source>
        <translation>Оси</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="109"/>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="124"/>
        <location filename="../ui/liveinputview.cpp" line="142"/>
        <location filename="../ui/liveinputview.cpp" line="170"/>
        <source>Select a board to see its inputs.</source>
        <translation>Выберите плату, чтобы увидеть её входы.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="297"/>
        <source>The board reports no axes and no buttons.</source>
        <translation>Плата не сообщает ни об осях, ни о кнопках.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="312"/>
        <source>Axis %1</source>
        <translation>Ось %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="324"/>
        <source>Live input is not available on this operating system yet.</source>
        <translation>Входы в реальном времени в этой операционной системе пока недоступны.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="326"/>
        <source>The board is not connected.</source>
        <translation>Плата не подключена.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="328"/>
        <source>The system made no input device of this board, so its inputs cannot be shown. Check that the board&apos;s HID driver is loaded.</source>
        <translation>Система не создала устройство ввода для этой платы, поэтому её входы нельзя показать. Проверьте, загружен ли HID-драйвер платы.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="331"/>
        <source>The board&apos;s input device %1 does not exist. Reconnect the board.</source>
        <translation>Устройство ввода платы %1 не существует. Подключите плату заново.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="337"/>
        <source>No permission to read the board&apos;s input device %1 (owner %2, group %3, mode %4). Install the udev rule that comes with Gravolt Setup and reconnect the board, or add your user to the group %3.</source>
        <translation>Нет прав на чтение устройства ввода платы %1 (владелец %2, группа %3, режим %4). Установите правило udev из комплекта Gravolt Setup и подключите плату заново или добавьте своего пользователя в группу %3.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="343"/>
        <source>The board was disconnected.</source>
        <translation>Плата была отключена.</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="348"/>
        <source>The board&apos;s inputs cannot be read: %1</source>
        <translation>Не удаётся прочитать входы платы: %1</translation>
    </message>
    <message>
        <location filename="../ui/liveinputview.cpp" line="349"/>
        <source>The board&apos;s input device %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать устройство ввода платы %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../ui/mainwindow.ui" line="27"/>
        <location filename="../ui/mainwindow.cpp" line="426"/>
        <source>No compatible devices connected</source>
        <translation>Совместимые устройства не подключены</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="10"/>
        <source>Effects</source>
        <translation>Эффекты</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="72"/>
        <source>Hardware</source>
        <translation>Оборудование</translation>
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
        <translation>Вывод 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="175"/>
        <source>Pin 2</source>
        <translation>Вывод 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="191"/>
        <source>Pin 3</source>
        <translation>Вывод 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="207"/>
        <source>Pin 4</source>
        <translation>Вывод 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="223"/>
        <source>Pin 5</source>
        <translation>Вывод 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="239"/>
        <source>Pin 6</source>
        <translation>Вывод 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="255"/>
        <source>Pin 7</source>
        <translation>Вывод 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="271"/>
        <source>Pin 8</source>
        <translation>Вывод 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="287"/>
        <source>Encoder Z0</source>
        <translation>Энкодер Z0</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="303"/>
        <source>Encoder Z1</source>
        <translation>Энкодер Z1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="326"/>
        <source>SPI mode</source>
        <translation>Режим SPI</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="55"/>
        <source>&amp;Read current effects settings from controller</source>
        <translation>П&amp;рочитать текущие настройки эффектов из контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="60"/>
        <source>&amp;Apply current effects settings to controller</source>
        <translation>Пр&amp;именить текущие настройки эффектов в контроллере</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="65"/>
        <source>&amp;Save effects settings to controller&apos;s permanent memory</source>
        <translation>Со&amp;хранить настройки эффектов в постоянную память контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="117"/>
        <location filename="../ui/mainwindowpages.ui" line="378"/>
        <location filename="../ui/mainwindowpages.ui" line="871"/>
        <location filename="../ui/mainwindowpages.ui" line="1083"/>
        <source>&amp;Read current hardware settings from controller</source>
        <translation>П&amp;рочитать текущие аппаратные настройки из контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="122"/>
        <location filename="../ui/mainwindowpages.ui" line="383"/>
        <location filename="../ui/mainwindowpages.ui" line="876"/>
        <location filename="../ui/mainwindowpages.ui" line="1088"/>
        <source>&amp;Apply current hardware settings to controller</source>
        <translation>Пр&amp;именить текущие аппаратные настройки в контроллере</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="127"/>
        <location filename="../ui/mainwindowpages.ui" line="388"/>
        <location filename="../ui/mainwindowpages.ui" line="881"/>
        <location filename="../ui/mainwindowpages.ui" line="1093"/>
        <source>&amp;Save hardware settings to controller&apos;s permanent memory</source>
        <translation>Со&amp;хранить аппаратные настройки в постоянную память контроллера</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="152"/>
        <source>GPIO modes (requires reboot)</source>
        <translation>Режимы GPIO (требуется перезагрузка)</translation>
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
        <translation>&lt;p&gt;Назначение этого вывода платы: вход кнопки, аналоговый вход (только выводы 1–3), линия расширения SPI или особый переключатель либо выход. Вступает в силу после перезагрузки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="319"/>
        <source>Extensions (requires reboot)</source>
        <translation>Расширения (требуется перезагрузка)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="325"/>
        <location filename="../ui/mainwindowpages.ui" line="331"/>
        <source>&lt;p&gt;Extension attached to the board&apos;s SPI pins: three shift registers that add buttons 9 to 32, or a control grip. Takes effect after a reboot.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Расширение, подключённое к выводам SPI платы: три сдвиговых регистра, добавляющие кнопки 9–32, или рукоятка управления. Вступает в силу после перезагрузки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="338"/>
        <source>SPI recommendations</source>
        <translation>Рекомендации по SPI</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="342"/>
        <source>- SCK line at PIN 3</source>
        <translation>- линия SCK на выводе 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="347"/>
        <source>- MISO line at PIN 4</source>
        <translation>- линия MISO на выводе 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="352"/>
        <source>- CS line at PIN 5</source>
        <translation>- линия CS на выводе 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="395"/>
        <source>Buttons</source>
        <translation>Кнопки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="419"/>
        <source>Button 1</source>
        <translation>Кнопка 1</translation>
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
        <translation>&lt;p&gt;Как плата сообщает об этом входе кнопки: Отключено (никогда не нажата), Обычный или Инвертированный (нажата, пока контакт разомкнут).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="432"/>
        <source>Button 2</source>
        <translation>Кнопка 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="445"/>
        <source>Button 3</source>
        <translation>Кнопка 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="458"/>
        <source>Button 4</source>
        <translation>Кнопка 4</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="471"/>
        <source>Button 5</source>
        <translation>Кнопка 5</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="484"/>
        <source>Button 6</source>
        <translation>Кнопка 6</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="497"/>
        <source>Button 7</source>
        <translation>Кнопка 7</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="510"/>
        <source>Button 8</source>
        <translation>Кнопка 8</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="523"/>
        <source>Shift register 1</source>
        <translation>Сдвиговый регистр 1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="530"/>
        <source>Button 9</source>
        <translation>Кнопка 9</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="543"/>
        <source>Button 10</source>
        <translation>Кнопка 10</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="556"/>
        <source>Button 11</source>
        <translation>Кнопка 11</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="569"/>
        <source>Button 12</source>
        <translation>Кнопка 12</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="582"/>
        <source>Button 13</source>
        <translation>Кнопка 13</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="595"/>
        <source>Button 14</source>
        <translation>Кнопка 14</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="608"/>
        <source>Button 15</source>
        <translation>Кнопка 15</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="621"/>
        <source>Button 16</source>
        <translation>Кнопка 16</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="634"/>
        <source>Shift register 2</source>
        <translation>Сдвиговый регистр 2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="641"/>
        <source>Button 17</source>
        <translation>Кнопка 17</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="654"/>
        <source>Button 18</source>
        <translation>Кнопка 18</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="667"/>
        <source>Button 19</source>
        <translation>Кнопка 19</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="680"/>
        <source>Button 20</source>
        <translation>Кнопка 20</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="693"/>
        <source>Button 21</source>
        <translation>Кнопка 21</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="706"/>
        <source>Button 22</source>
        <translation>Кнопка 22</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="719"/>
        <source>Button 23</source>
        <translation>Кнопка 23</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="732"/>
        <source>Button 24</source>
        <translation>Кнопка 24</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="745"/>
        <source>Shift register 3</source>
        <translation>Сдвиговый регистр 3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="752"/>
        <source>Button 25</source>
        <translation>Кнопка 25</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="765"/>
        <source>Button 26</source>
        <translation>Кнопка 26</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="778"/>
        <source>Button 27</source>
        <translation>Кнопка 27</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="791"/>
        <source>Button 28</source>
        <translation>Кнопка 28</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="804"/>
        <source>Button 29</source>
        <translation>Кнопка 29</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="817"/>
        <source>Button 30</source>
        <translation>Кнопка 30</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="830"/>
        <source>Button 31</source>
        <translation>Кнопка 31</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="843"/>
        <source>Button 32</source>
        <translation>Кнопка 32</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="888"/>
        <source>Analog axes</source>
        <translation>Аналоговые оси</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="907"/>
        <location filename="../ui/mainwindowpages.ui" line="950"/>
        <location filename="../ui/mainwindowpages.ui" line="991"/>
        <location filename="../ui/mainwindowpages.ui" line="1032"/>
        <source>&lt;p&gt;Travel at the low end of this axis that still reads as its lowest value, in raw axis units (0 to 32767).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Участок хода у нижнего края этой оси, который ещё считается её наименьшим значением, в необработанных единицах оси (от 0 до 32767).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="908"/>
        <source>Lower dead zone</source>
        <translation>Нижняя мёртвая зона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="915"/>
        <location filename="../ui/mainwindowpages.ui" line="956"/>
        <location filename="../ui/mainwindowpages.ui" line="997"/>
        <location filename="../ui/mainwindowpages.ui" line="1038"/>
        <source>&lt;p&gt;Travel at the high end of this axis that already reads as its highest value, in raw axis units (0 to 32767).&lt;/p&gt;</source>
        <translation>&lt;p&gt;Участок хода у верхнего края этой оси, который уже считается её наибольшим значением, в необработанных единицах оси (от 0 до 32767).&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="916"/>
        <source>Upper dead zone</source>
        <translation>Верхняя мёртвая зона</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="923"/>
        <location filename="../ui/mainwindowpages.ui" line="962"/>
        <location filename="../ui/mainwindowpages.ui" line="1003"/>
        <location filename="../ui/mainwindowpages.ui" line="1044"/>
        <source>&lt;p&gt;How strongly the board smooths this axis, in percent. 0 reports it unfiltered; higher is steadier but follows movement later.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Насколько сильно плата сглаживает эту ось, в процентах. 0 — без фильтрации; больше — ровнее, но с запаздыванием.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="924"/>
        <source>Smoothing(%)</source>
        <translation>Сглаживание (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="931"/>
        <location filename="../ui/mainwindowpages.ui" line="968"/>
        <location filename="../ui/mainwindowpages.ui" line="1009"/>
        <location filename="../ui/mainwindowpages.ui" line="1050"/>
        <source>&lt;p&gt;Position, in percent of this axis&apos;s travel, below which the axis&apos;s button is released again.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Положение в процентах хода оси, ниже которого кнопка оси снова считается отпущенной.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="932"/>
        <source>Button low(%)</source>
        <translation>Нижний порог кнопки (%)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="939"/>
        <location filename="../ui/mainwindowpages.ui" line="974"/>
        <location filename="../ui/mainwindowpages.ui" line="1015"/>
        <location filename="../ui/mainwindowpages.ui" line="1056"/>
        <source>&lt;p&gt;Position, in percent of this axis&apos;s travel, above which the axis reports its button as pressed.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Положение в процентах хода оси, выше которого ось сообщает о нажатии своей кнопки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="940"/>
        <source>Button high(%)</source>
        <translation>Верхний порог кнопки (%)</translation>
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
        <translation>&lt;p&gt;Инвертирует эту ось: её наименьшее положение считается наибольшим и наоборот.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowpages.ui" line="981"/>
        <location filename="../ui/mainwindowpages.ui" line="1022"/>
        <location filename="../ui/mainwindowpages.ui" line="1063"/>
        <source>Invert</source>
        <translation>Инверсия</translation>
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
        <translation>Пере&amp;йти в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.ui" line="37"/>
        <source>Reb&amp;oot controller</source>
        <translation>Пере&amp;загрузить контроллер</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="220"/>
        <source>Live input</source>
        <translation>Входы в реальном времени</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="428"/>
        <source>Select compatible device (</source>
        <translation>Выберите совместимое устройство (подключено: </translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="430"/>
        <source> connected)</source>
        <translation>)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="517"/>
        <source>Firmware %1 differs from %2, the version this program is made for.</source>
        <translation>Прошивка %1 отличается от %2 — версии, для которой сделана эта программа.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="604"/>
        <source>Latest version</source>
        <translation>Последняя версия</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="605"/>
        <source>No web browser could be started. The downloads page is at:

%1</source>
        <translation>Не удалось запустить веб-браузер. Страница загрузок находится по адресу:

%1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="610"/>
        <source>&amp;Copy address</source>
        <translation>&amp;Копировать адрес</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="473"/>
        <location filename="../ui/mainwindow.cpp" line="644"/>
        <source>Reading the settings of %1…</source>
        <translation>Чтение настроек платы %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="165"/>
        <source>A game started or ended: the game watcher changed the effect settings of %1.</source>
        <translation>Игра запущена или завершена: наблюдение за играми изменило настройки эффектов платы %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="467"/>
        <source>%1 is back after %2 s.</source>
        <translation>%1 снова на связи через %2 с.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="478"/>
        <source>%1 is back after %2 s; its settings were read again.</source>
        <translation>%1 снова на связи через %2 с; её настройки прочитаны заново.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="481"/>
        <source>%1 is back after %2 s, but its settings could not all be read; the pages say which.</source>
        <translation>%1 снова на связи через %2 с, но не все её настройки удалось прочитать; какие именно, указано на страницах.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="498"/>
        <source>%1 did not restart: it kept answering for %2 s.</source>
        <translation>%1 не перезапустилась: она продолжала отвечать %2 с.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="499"/>
        <source>%1 did not switch to DFU mode: it still answers as a controller.</source>
        <translation>%1 не перешла в режим DFU: она по-прежнему отвечает как контроллер.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="503"/>
        <source>%1 did not come back within %2 s. Check its cable and power, and whether it waits in DFU mode.</source>
        <translation>%1 не вернулась в течение %2 с. Проверьте кабель и питание, а также не ждёт ли она в режиме DFU.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="163"/>
        <location filename="../ui/mainwindow.cpp" line="662"/>
        <source>Reading effect settings from %1…</source>
        <translation>Чтение настроек эффектов с платы %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="489"/>
        <source>%1 now waits for a firmware update in its bootloader, and is listed as such once it is seen there.</source>
        <translation>%1 теперь ждёт обновления прошивки в загрузчике и появится в списке как таковая, когда её там обнаружат.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="573"/>
        <source>&amp;OK</source>
        <translation>О&amp;К</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="574"/>
        <location filename="../ui/widgets/widgethelpers.cpp" line="67"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="575"/>
        <source>&amp;Latest version</source>
        <translation>&amp;Последняя версия</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="615"/>
        <source>&amp;Copied</source>
        <translation>С&amp;копировано</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="672"/>
        <source>Reading hardware settings from %1…</source>
        <translation>Чтение аппаратных настроек с платы %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="683"/>
        <source>Applying effect settings to %1…</source>
        <translation>Применение настроек эффектов к плате %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="696"/>
        <location filename="../ui/mainwindow.cpp" line="1339"/>
        <source>Saving effect settings to %1…</source>
        <translation>Сохранение настроек эффектов на плату %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="723"/>
        <source>Rebooting %1…</source>
        <translation>Перезагрузка платы %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="734"/>
        <source>Switching %1 to DFU mode…</source>
        <translation>Перевод платы %1 в режим DFU…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="844"/>
        <source>Reading the effect settings of %1…</source>
        <translation>Чтение настроек эффектов %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="845"/>
        <source>The effect settings of %1 could not be read: %2. None are shown until a read succeeds; a profile can still be loaded.</source>
        <translation>Не удалось прочитать настройки эффектов %1: %2. Пока чтение не удастся, они не показываются; профиль загрузить всё же можно.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="855"/>
        <source>Reading the hardware settings of %1…</source>
        <translation>Чтение аппаратных настроек %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="856"/>
        <source>The hardware settings of %1 could not be read: %2. None are shown until a read succeeds.</source>
        <translation>Не удалось прочитать аппаратные настройки %1: %2. Пока чтение не удастся, они не показываются.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="873"/>
        <source>the board</source>
        <translation>плата</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="879"/>
        <source>Failed: %1</source>
        <translation>Ошибка: %1</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="910"/>
        <source>Effect settings read from %1.</source>
        <translation>Настройки эффектов прочитаны с %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="911"/>
        <source>Effect settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Не удалось прочитать настройки эффектов с %1: %2. «Применить» и «Сохранить» недоступны, пока чтение не удастся.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="922"/>
        <source>Hardware settings read from %1.</source>
        <translation>Настройки оборудования прочитаны с %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="923"/>
        <source>Hardware settings could not be read from %1: %2. Apply and Save stay disabled until a read succeeds.</source>
        <translation>Не удалось прочитать настройки оборудования с %1: %2. «Применить» и «Сохранить» недоступны, пока чтение не удастся.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="928"/>
        <source>Effect settings applied to the working memory of %1.</source>
        <translation>Настройки эффектов применены в рабочей памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="929"/>
        <source>Effect settings could not be applied to %1: %2.</source>
        <translation>Не удалось применить настройки эффектов на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="932"/>
        <source>Hardware settings applied to the working memory of %1.</source>
        <translation>Настройки оборудования применены в рабочей памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="933"/>
        <source>Hardware settings could not be applied to %1: %2.</source>
        <translation>Не удалось применить настройки оборудования на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="936"/>
        <source>Effect settings saved to the permanent memory of %1.</source>
        <translation>Настройки эффектов сохранены в постоянной памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="937"/>
        <source>Effect settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки эффектов на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="939"/>
        <source>The effect settings</source>
        <translation>Настройки эффектов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="942"/>
        <source>Hardware settings saved to the permanent memory of %1.</source>
        <translation>Настройки оборудования сохранены в постоянной памяти %1.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="943"/>
        <source>Hardware settings could not be saved to %1: %2.</source>
        <translation>Не удалось сохранить настройки оборудования на %1: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="945"/>
        <source>The hardware settings</source>
        <translation>Настройки оборудования</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="951"/>
        <source>%1 could not be told to reboot: %2.</source>
        <translation>Не удалось отправить %1 команду перезагрузки: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="948"/>
        <source>%1 is rebooting; waiting for it to come back (at most %2 s)…</source>
        <translation>%1 перезагружается; ожидание её возвращения (не более %2 с)…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="956"/>
        <source>%1 was told to switch to DFU mode; waiting for it to leave the list…</source>
        <translation>%1 получила команду перейти в режим DFU; ожидание, пока она исчезнет из списка…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="958"/>
        <source>%1 could not be switched to DFU mode: %2.</source>
        <translation>Не удалось перевести %1 в режим DFU: %2.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="968"/>
        <source>Settings not saved</source>
        <translation>Настройки не сохранены</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="969"/>
        <source>%1 may not be stored on %2: %3.

The board may lose them when it is switched off. Check the connection and save again.</source>
        <translation>%1, возможно, не сохранены на %2: %3.

Плата может потерять их при выключении. Проверьте подключение и сохраните ещё раз.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="987"/>
        <location filename="../ui/mainwindow.cpp" line="1018"/>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Disabled</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="988"/>
        <source>Generic button</source>
        <translation>Обычная кнопка</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="989"/>
        <source>Analog</source>
        <translation>Аналоговый вход</translation>
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
        <translation>Переключатель включения эффектов</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="994"/>
        <source>Reset center button</source>
        <translation>Кнопка сброса центра</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="995"/>
        <source>Reboot button</source>
        <translation>Кнопка перезагрузки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="996"/>
        <source>Braking PWM</source>
        <translation>ШИМ торможения</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Normal</source>
        <translation>Обычный</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1037"/>
        <source>Inverted</source>
        <translation>Инвертированный</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1086"/>
        <source>Applying hardware settings to %1…</source>
        <translation>Применение аппаратных настроек к плате %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1097"/>
        <location filename="../ui/mainwindow.cpp" line="1339"/>
        <source>Saving hardware settings to %1…</source>
        <translation>Сохранение аппаратных настроек на плату %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1297"/>
        <source>Nothing was saved: %1 left the list while the question was open.</source>
        <translation>Ничего не сохранено: %1 исчезла из списка, пока вопрос был открыт.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindow.cpp" line="1323"/>
        <source>Nothing was saved and %1 stays selected: the settings in the form cannot be sent as they are.</source>
        <translation>Ничего не сохранено, и %1 остаётся выбранным: настройки в форме нельзя отправить в таком виде.</translation>
    </message>
    <message>
        <location filename="../ui/changetracker.cpp" line="59"/>
        <source>Applied, not saved: lost when the board loses power</source>
        <translation>Применено, но не сохранено: пропадёт при отключении питания платы</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="68"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="71"/>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="80"/>
        <source>R&amp;ead</source>
        <translation>П&amp;рочитать</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="82"/>
        <source>&amp;Apply</source>
        <translation>Пр&amp;именить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="83"/>
        <source>&amp;Save to board</source>
        <translation>Со&amp;хранить на плату</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="87"/>
        <source>Reb&amp;oot</source>
        <translation>Пере&amp;загрузить</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="89"/>
        <source>Switch to &amp;DFU mode</source>
        <translation>Перевести в режим &amp;DFU</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowmenus.cpp" line="91"/>
        <source>&amp;Update firmware…</source>
        <translation>Обновить &amp;прошивку…</translation>
    </message>
    <message>
        <location filename="../ui/unreadgroupnotice.cpp" line="23"/>
        <source>Read agai&amp;n</source>
        <translation>Прочитать сно&amp;ва</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="48"/>
        <source>The bootloader on port %1 starts the board&apos;s firmware; the board is listed again once it runs.</source>
        <translation>Загрузчик на порту %1 запускает прошивку платы; плата снова появится в списке, как только заработает.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="51"/>
        <source>The firmware on port %1 could not be started: %2</source>
        <translation>Не удалось запустить прошивку на порту %1: %2</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="77"/>
        <source>A firmware update is still running</source>
        <translation>Обновление прошивки ещё идёт</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="94"/>
        <location filename="../ui/mainwindowfirmware.cpp" line="297"/>
        <source>The board</source>
        <translation>Плата</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="120"/>
        <source>Pick the board to update in the board list first</source>
        <translation>Сначала выберите в списке плату для обновления</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="184"/>
        <source>Nothing restored: %1 is not connected</source>
        <translation>Ничего не восстановлено: %1 не подключена</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="195"/>
        <source>Restoring the settings of %1…</source>
        <translation>Восстановление настроек платы %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="205"/>
        <source>Starting the firmware of the board on port %1…</source>
        <translation>Запуск прошивки платы на порту %1…</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="217"/>
        <source>The board on port %1 stayed in its bootloader: the firmware it holds did not start, it may be missing or damaged. Update its firmware.</source>
        <translation>Плата на порту %1 осталась в загрузчике: её прошивка не запустилась, возможно, она отсутствует или повреждена. Обновите её прошивку.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="232"/>
        <source>%1 — waiting in its bootloader (port %2)</source>
        <translation>%1 — ждёт в загрузчике (порт %2)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="233"/>
        <source>Board waiting in its bootloader (port %1)</source>
        <translation>Плата ждёт в загрузчике (порт %1)</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="235"/>
        <source> — cannot be opened</source>
        <translation> — не открывается</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="264"/>
        <source>Ids %1:%2; memory: %3</source>
        <translation>ID %1:%2; память: %3</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="300"/>
        <source>%1 waits in its bootloader on port %2: it has no settings to show until its firmware runs. Update its firmware, or start the firmware it holds.</source>
        <translation>%1 ждёт в загрузчике на порту %2: пока её прошивка не работает, показывать нечего. Обновите прошивку или запустите ту, что в ней есть.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="306"/>
        <source>A bootloader waits on port %1 but cannot be opened: %2. Install the udev rule that comes with this program (see Troubleshooting in the manual), then unplug the board and plug it in again.</source>
        <translation>На порту %1 ждёт загрузчик, но его нельзя открыть: %2. Установите правило udev, поставляемое с программой (см. «Устранение неполадок» в руководстве), затем отключите плату и подключите снова.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="315"/>
        <source>%1 runs firmware %2; this program is made for %3. Update its firmware with a file of version %3, or pick it anyway to work with it as it is.</source>
        <translation>%1 работает на прошивке %2; эта программа сделана для %3. Обновите прошивку файлом версии %3 или всё равно выберите плату, чтобы работать с ней как есть.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="343"/>
        <source>Firmware update running</source>
        <translation>Идёт обновление прошивки</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="344"/>
        <source>A firmware update is still running. If you close the program now, it waits for the flash to be written, but the new firmware is not started: the board will stay in its bootloader.</source>
        <translation>Обновление прошивки ещё идёт. Если закрыть программу сейчас, она дождётся окончания записи флеш-памяти, но новая прошивка не будет запущена: плата останется в загрузчике.</translation>
    </message>
    <message>
        <location filename="../ui/mainwindowfirmware.cpp" line="347"/>
        <source>&amp;Keep the program open</source>
        <translation>&amp;Не закрывать программу</translation>
    </message>
</context>
<context>
    <name>MemoryLayout</name>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="48"/>
        <source>The memory layout &quot;%1&quot; does not start with &apos;@&apos;.</source>
        <translation>Описание памяти «%1» не начинается с «@».</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="54"/>
        <source>The memory layout &quot;%1&quot; has no address and sectors.</source>
        <translation>В описании памяти «%1» нет адреса и секторов.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="67"/>
        <source>The memory layout names &quot;%1&quot; as an address.</source>
        <translation>Описание памяти называет адресом «%1».</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="73"/>
        <source>The memory layout holds a sector group &quot;%1&quot; it cannot read.</source>
        <translation>Описание памяти содержит непонятную группу секторов «%1».</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="89"/>
        <source>The memory layout&apos;s sector group &quot;%1&quot; does not fit the address space.</source>
        <translation>Группа секторов «%1» из описания памяти не помещается в адресное пространство.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="110"/>
        <source>The memory layout &quot;%1&quot; has overlapping sectors.</source>
        <translation>В описании памяти «%1» сектора перекрываются.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="133"/>
        <source>The image runs past the end of the address space.</source>
        <translation>Образ выходит за конец адресного пространства.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="139"/>
        <source>The image holds bytes for address 0x%1, where the bootloader has no memory.</source>
        <translation>Образ содержит байты для адреса 0x%1, где у загрузчика нет памяти.</translation>
    </message>
    <message>
        <location filename="../dfu/memorylayout.cpp" line="146"/>
        <source>The image holds bytes for address 0x%1, in a sector the bootloader protects from writing.</source>
        <translation>Образ содержит байты для адреса 0x%1 в секторе, который загрузчик защищает от записи.</translation>
    </message>
</context>
<context>
    <name>OperationOutcome</name>
    <message>
        <location filename="../device/operationoutcome.cpp" line="37"/>
        <source>the board is not connected</source>
        <translation>плата не подключена</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="39"/>
        <source>the board left the USB bus during the operation</source>
        <translation>плата отключилась от шины USB во время операции</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="45"/>
        <source>report %1 of %2 of the record was not accepted (%3); nothing more was sent</source>
        <translation>отчёт %1 из %2 записи не был принят (%3); больше ничего не отправлялось</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="52"/>
        <source>a USB transfer failed (%1)</source>
        <translation>передача по USB не удалась (%1)</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="56"/>
        <source>the board stayed busy and never confirmed that it had finished</source>
        <translation>плата оставалась занятой и так и не подтвердила, что закончила</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="59"/>
        <source>the board answered with %1 of the %2 bytes of the record</source>
        <translation>плата ответила %1 из %2 байт записи</translation>
    </message>
    <message>
        <location filename="../device/operationoutcome.cpp" line="64"/>
        <source>the board is in use by %1; nothing was sent, try again when it has finished</source>
        <translation>плата занята: %1; ничего не отправлено, повторите попытку, когда работа будет закончена</translation>
    </message>
</context>
<context>
    <name>ProfileExchange</name>
    <message>
        <location filename="../ui/profileexchange.cpp" line="23"/>
        <source>Effect profiles (*%1)</source>
        <translation>Профили эффектов (*%1)</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="65"/>
        <source>Profile of another board</source>
        <translation>Профиль другой платы</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="93"/>
        <source>the profile folder %1 cannot be created</source>
        <translation>не удаётся создать папку профилей %1</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="66"/>
        <source>The profile “%1” was made on a %2 board; the selected board is a %3. Its settings, the motion range among them, may not suit this board.

Load it anyway?</source>
        <translation>Профиль «%1» создан на плате типа «%2»; выбранная плата — типа «%3». Его настройки, в том числе диапазон движения, могут не подойти этой плате.

Всё равно загрузить?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="69"/>
        <source>&amp;Load anyway</source>
        <translation>&amp;Всё равно загрузить</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="84"/>
        <location filename="../ui/profileexchange.cpp" line="170"/>
        <source>“%1” cannot be a profile name</source>
        <translation>«%1» не может быть именем профиля</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="129"/>
        <source>The effect settings of the form</source>
        <translation>Настройки эффектов из формы</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="134"/>
        <source>Effect profile “%1”</source>
        <translation>Профиль эффектов «%1»</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="135"/>
        <source>The effect settings of the form (changed from profile “%1”)</source>
        <translation>Настройки эффектов из формы (изменённые относительно профиля «%1»)</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="149"/>
        <source>Import effect profile</source>
        <translation>Импорт профиля эффектов</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="157"/>
        <source>Board backup</source>
        <translation>Резервная копия платы</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="158"/>
        <source>“%1” is a backup of a whole board (%2), not an effect profile. Restore it into the settings pages instead?</source>
        <translation>«%1» — резервная копия всей платы (%2), а не профиль эффектов. Восстановить её на страницы настроек?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="161"/>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="177"/>
        <source>Replace profile?</source>
        <translation>Заменить профиль?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="200"/>
        <source>%1 exported to %2</source>
        <translation>%1: экспортировано в %2</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="170"/>
        <location filename="../ui/profileexchange.cpp" line="185"/>
        <source>Profile not imported: %1</source>
        <translation>Профиль не импортирован: %1</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="178"/>
        <source>A profile named “%1” exists already. Replace it with the imported one?</source>
        <translation>Профиль с именем «%1» уже существует. Заменить его импортированным?</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="179"/>
        <source>&amp;Replace</source>
        <translation>&amp;Заменить</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="183"/>
        <source>Profile “%1” imported</source>
        <translation>Профиль «%1» импортирован</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="191"/>
        <source>Export effect profile</source>
        <translation>Экспорт профиля эффектов</translation>
    </message>
    <message>
        <location filename="../ui/profileexchange.cpp" line="203"/>
        <source>Profile not exported: %1</source>
        <translation>Профиль не экспортирован: %1</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDialog</name>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="29"/>
        <source>Restore board backup</source>
        <translation>Восстановление резервной копии платы</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="34"/>
        <source>No automatic backups yet. Open a backup file to load it into the forms.</source>
        <translation>Автоматических резервных копий пока нет. Откройте файл резервной копии, чтобы загрузить его в формы.</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="35"/>
        <source>Automatic backups, newest first. The chosen backup is loaded into the forms; nothing reaches the board until you apply or save.</source>
        <translation>Автоматические резервные копии, сначала новые. Выбранная копия загружается в формы; на плату ничего не попадёт, пока вы не примените или не сохраните настройки.</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Taken</source>
        <translation>Создана</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="44"/>
        <source>Before</source>
        <translation>Перед</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="61"/>
        <source>&amp;Open file...</source>
        <translation>&amp;Открыть файл...</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="63"/>
        <source>&amp;Restore</source>
        <translation>&amp;Восстановить</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="22"/>
        <source>Saving effect settings</source>
        <translation>Сохранением настроек эффектов</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="25"/>
        <source>Saving hardware settings</source>
        <translation>Сохранением аппаратных настроек</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="27"/>
        <source>Switching to DFU mode</source>
        <translation>Переходом в режим DFU</translation>
    </message>
    <message>
        <location filename="../ui/backupcausetext.cpp" line="30"/>
        <source>Restoring a backup</source>
        <translation>Восстановлением резервной копии</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="91"/>
        <source>Open board backup</source>
        <translation>Открыть резервную копию платы</translation>
    </message>
    <message>
        <location filename="../ui/restorebackupdialog.cpp" line="92"/>
        <source>Board backups (*%1);;All files (*)</source>
        <translation>Резервные копии платы (*%1);;Все файлы (*)</translation>
    </message>
</context>
<context>
    <name>UnshowableValues</name>
    <message>
        <location filename="../ui/unshowablevalues.cpp" line="98"/>
        <source>The value read, %1, cannot be shown here and shows as %2. Unless you change this field, a write sends %1 back unchanged.</source>
        <translation>Прочитанное значение %1 здесь показать нельзя, оно отображается как %2. Если вы не измените это поле, при записи будет отправлено исходное %1.</translation>
    </message>
    <message>
        <location filename="../ui/unshowablevalues.cpp" line="129"/>
        <source>Some values read cannot be shown by this form. A write sends them back unchanged unless you change them (value read → value shown):</source>
        <translation>Некоторые прочитанные значения эта форма показать не может. При записи они отправляются без изменений, если вы их не измените (прочитанное значение → показанное значение):</translation>
    </message>
</context>
</TS>

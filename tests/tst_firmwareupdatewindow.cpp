// The firmware update as the window runs it, against the simulated board and
// its bootloader: Board > Update firmware…, the dialog's file and Start, and
// what the window says and lists afterwards, for success and every fault.
#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedbootloader.h"
#include "device/featurereporttransport.h"
#include "dfu/firmwarefile.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/firmwareupdatecontroller.h"
#include "ui/firmwareupdatedialog.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;
using Stage = FirmwareUpdateController::Stage;

Q_DECLARE_METATYPE(BootloaderFaults)

namespace {

constexpr int JOYSTICK_PID = BOARD_PRODUCT_ID_JOYSTICK;
constexpr uint32_t OLD_VERSION = SUPPORTED_FIRMWARE_VERSION - 1;
constexpr int FLOW_TIMEOUT_MS = 15000;  // bootloader, flash, leave, and a scan or two
constexpr BootloaderTimings FAST{std::chrono::milliseconds(1), std::chrono::milliseconds(0),
                                 std::chrono::milliseconds(0)};

BootloaderFaults faults(int refuseAt, int mismatchAt, int unplugAfter, bool protectedRead)
{
    BootloaderFaults f;
    f.refuseWriteAtBlock = refuseAt;
    f.verifyMismatchAt = mismatchAt;
    f.unplugAfterBlocks = unplugAfter;
    f.readProtected = protectedRead;
    return f;
}

}  // namespace

class TestFirmwareUpdateWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    SimulatedBoard joystick{JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, OLD_VERSION};

    template <typename T> T *find(const QString &name = QString()) const
    {
        return window->findChild<T *>(name);
    }
    QComboBox *list() const { return find<QComboBox>(QStringLiteral("devices_combo_box")); }
    FirmwareUpdateController *controller() const
    {
        return find<FirmwareUpdateController>(QStringLiteral("firmware_update_controller"));
    }
    QString firmwareFile(uint32_t version) const
    {
        const QString path = workDir->filePath(QStringLiteral("%1.dfu").arg(version));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(buildDfuSeFile({{BOOTLOADER_FLASH_ADDRESS, demoFirmwareImage(version)}},
                                      BOOTLOADER_VENDOR_ID, BOOTLOADER_PRODUCT_ID));
        return path;
    }
    // The joystick on the bus and in the list, nothing picked.
    void openWindow(const BootloaderFaults &bootloaderFaults)
    {
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, OLD_VERSION);
        joystick.setRebootDuration(std::chrono::milliseconds(0));
        SimulatedBootloader bootloader(joystick);
        bootloader.setTimings(FAST);
        bootloader.setFaults(bootloaderFaults);
        Bus::plug(joystick);
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(list()->placeholderText().contains(QLatin1String("1 connected")),
                                 5000);
    }
    FirmwareUpdateDialog *openDialog(const QString &file)
    {
        find<QAction>(QStringLiteral("update_firmware_action"))->trigger();
        auto *dialog = find<FirmwareUpdateDialog>();
        if (dialog)
            dialog->setFile(file);
        return dialog;
    }
    // The row of the first bootloader entry, -1 while none is listed.
    int bootloaderRow() const
    {
        for (int row = 0; row < list()->count(); ++row)
            if (list()->itemText(row).contains(QLatin1String("waiting in its bootloader")))
                return row;
        return -1;
    }
    bool noticeOffersBoth() const
    {
        const auto *update = find<QPushButton>(QStringLiteral("notice_update_firmware_button"));
        const auto *start = find<QPushButton>(QStringLiteral("notice_start_firmware_button"));
        return update->isVisible() && update->isEnabled() && start->isVisible() &&
               start->isEnabled();
    }

private slots:
    void init()
    {
        Bus::reset();
        workDir = std::make_unique<QTemporaryDir>();
        QVERIFY(workDir->isValid());
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir->path()));
    }

    void cleanup()
    {
        window.reset();
        Bus::reset();
        QDir::setCurrent(previousDir);
        workDir.reset();
    }

    void flow_data()
    {
        QTest::addColumn<BootloaderFaults>("bootloaderFaults");
        QTest::addColumn<uint>("fileVersion");
        QTest::addColumn<int>("endStage");
        QTest::addColumn<QString>("said");
        // Restore offered, and which answer is the default.
        QTest::addColumn<bool>("restoreOffered");
        QTest::addColumn<bool>("restoreDefault");
        const int succeeded = int(Stage::Succeeded), failed = int(Stage::Failed);
        QTest::newRow("new version")
            << faults(-1, -1, -1, false) << uint(SUPPORTED_FIRMWARE_VERSION) << succeeded
            << QStringLiteral("runs firmware 240719 (was 240718). Every "
                              "byte was written and read back equal.")
            << true << false;
        QTest::newRow("same version") << faults(-1, -1, -1, false) << uint(OLD_VERSION) << succeeded
                                      << QStringLiteral("runs firmware 240718 (was "
                                                        "240718)")
                                      << true << true;
        QTest::newRow("read protection")
            << faults(-1, -1, -1, true) << uint(SUPPORTED_FIRMWARE_VERSION) << succeeded
            << QStringLiteral("Written, not verified") << true << false;
        QTest::newRow("write refused")
            << faults(3, -1, -1, false) << uint(SUPPORTED_FIRMWARE_VERSION) << failed
            << QStringLiteral("writing at address 0x08001800") << false << false;
        QTest::newRow("verify mismatch")
            << faults(-1, 0x5A5A, -1, false) << uint(SUPPORTED_FIRMWARE_VERSION) << failed
            << QStringLiteral("Verifying failed at address 0x08005a5a") << false << false;
        QTest::newRow("unplugged")
            << faults(-1, -1, 3, false) << uint(SUPPORTED_FIRMWARE_VERSION) << failed
            << QStringLiteral("unplugged or lost power") << false << false;
    }

    void flow()
    {
        QFETCH(BootloaderFaults, bootloaderFaults);
        QFETCH(uint, fileVersion);
        QFETCH(int, endStage);
        QFETCH(QString, said);
        QFETCH(bool, restoreOffered);
        QFETCH(bool, restoreDefault);
        openWindow(bootloaderFaults);
        FirmwareUpdateDialog *dialog = openDialog(firmwareFile(fileVersion));
        QVERIFY(dialog);
        QCOMPARE(controller()->stage(), Stage::Ready);
        dialog->findChild<QPushButton *>(QStringLiteral("start_update_button"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!controller()->isBusy(), FLOW_TIMEOUT_MS);

        QCOMPARE(int(controller()->stage()), endStage);
        const QString text = controller()->outcomeText();
        QVERIFY2(text.contains(said), qPrintable(text));
        QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("firmware_outcome_label"))->text(),
                 text);
        // The backup of both records was taken before anything else.
        QVERIFY(QFile::exists(controller()->backupPath()));
        auto *restore = dialog->findChild<QPushButton *>(QStringLiteral("restore_settings_button"));
        auto *keep = dialog->findChild<QPushButton *>(QStringLiteral("keep_settings_button"));
        QCOMPARE(restore->isVisible(), restoreOffered);
        QCOMPARE(keep->isVisible(), restoreOffered);
        if (restoreOffered) {
            QCOMPARE(restore->isDefault(), restoreDefault);
            QCOMPARE(keep->isDefault(), !restoreDefault);
        }
        const bool retryShown =
            dialog->findChild<QPushButton *>(QStringLiteral("retry_update_button"))->isVisible();

        if (endStage == int(Stage::Succeeded)) {
            // Listed with its new version; a supported one is picked at once,
            // with no version warning.
            const QString row = list()->itemText(DEVICE_TYPE_JOYSTICK);
            QVERIFY2(row.contains(QString::number(fileVersion)), qPrintable(row));
            QCOMPARE(window->currentDevice() == JOYSTICK_PID,
                     fileVersion == SUPPORTED_FIRMWARE_VERSION);
            QVERIFY(!retryShown);
            // A version this program is not made for is warned about as
            // the board is picked for the restore.
            MessageBoxAnswerer answerer(MessageBoxAnswerer::Ok);
            restore->click();
            QTRY_VERIFY(find<QWidget>(QStringLiteral("operation_status_label"))
                            ->property("text")
                            .toString()
                            .contains(QLatin1String("into the forms")));
            QCOMPARE(window->currentDevice(), JOYSTICK_PID);
            return;
        }
        if (controller()->unplugged()) {
            // Nothing to try again on; plugged in again, it waits in its
            // bootloader, its flash not whole.
            QVERIFY(!retryShown);
            QVERIFY(controller()->bootloaderPort().isEmpty());
            Bus::plug(joystick);
        } else {
            QVERIFY(retryShown);
            QCOMPARE(controller()->bootloaderPort(), joystick.port());
            QVERIFY2(text.contains(QLatin1String("stays in its bootloader")), qPrintable(text));
        }
        dialog->close();
        QTRY_VERIFY_WITH_TIMEOUT(bootloaderRow() >= 0, 5000);
        QVERIFY(list()->itemText(bootloaderRow()).contains(QLatin1String("Gravolt Joystick")));
        pickDevice(*window, bootloaderRow());
        QVERIFY(noticeOffersBoth());
        // No board picked yet: the pages are not built, or hidden.
        const QWidget *pages = find<QWidget>(QStringLiteral("main_tab_widget"));
        QVERIFY(!pages || pages->isHidden());

        // Started without flashing, a whole flash comes back as a board and
        // its entry goes (a half-written one stays in its bootloader).
        if (!controller()->unplugged() && bootloaderFaults.refuseWriteAtBlock < 0) {
            find<QPushButton>(QStringLiteral("notice_start_firmware_button"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(bootloaderRow() < 0, 5000);
            QTRY_VERIFY_WITH_TIMEOUT(list()->placeholderText().contains(QLatin1String("1 "
                                                                                      "connected")),
                                     5000);
        }
    }

    // A file that does not name the board, or a raw image, is written only
    // with the consent it needs; a file for another device never. Driven on
    // the controller alone, for a board already waiting in its bootloader.
    void consents_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("vendor");  // -1: no suffix (raw image)
        QTest::addColumn<int>("needed");
        QTest::addColumn<bool>("refused");
        using C = FirmwareUpdateController;
        QTest::newRow("names the bootloader")
            << "ok.dfu" << int(BOOTLOADER_VENDOR_ID) << 0 << false;
        QTest::newRow("suits any device")
            << "any.dfu" << int(DFU_SUFFIX_ANY_ID) << int(C::AnyDeviceConsent) << false;
        QTest::newRow("raw image")
            << "image.bin" << -1 << int(C::NoIdsConsent | C::RawAddressConsent) << false;
        QTest::newRow("another device") << "other.dfu" << 0x1234 << 0 << true;
    }

    void consents()
    {
        QFETCH(QString, fileName);
        QFETCH(int, vendor);
        QFETCH(int, needed);
        QFETCH(bool, refused);
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, OLD_VERSION);
        Bus::plug(joystick);
        SimulatedBootloader bootloader(joystick);
        bootloader.setTimings(FAST);
        bootloader.enter();
        const QByteArray image = demoFirmwareImage(SUPPORTED_FIRMWARE_VERSION);
        QFile file(workDir->filePath(fileName));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(vendor < 0
                       ? image
                       : buildDfuSeFile({{BOOTLOADER_FLASH_ADDRESS, image}}, uint16_t(vendor),
                                        vendor == 0x1234                 ? uint16_t(0x5678)
                                        : vendor == BOOTLOADER_VENDOR_ID ? BOOTLOADER_PRODUCT_ID
                                                                         : DFU_SUFFIX_ANY_ID));
        file.close();

        FirmwareUpdateController controller(nullptr, {});
        FirmwareUpdateController::Target target;
        target.bootloaderPort = joystick.port();
        target.boardName = QStringLiteral("the joystick");
        target.memories = {QLatin1String(BOOTLOADER_FLASH_LAYOUT)};
        controller.setTarget(target);
        QCOMPARE(controller.chooseFile(file.fileName()), !refused);
        QCOMPARE(controller.consentsNeeded(), needed);
        uint32_t address = 0;
        QVERIFY(controller.rawAddress(&address));
        QCOMPARE(address, BOOTLOADER_FLASH_ADDRESS);
        Bus::clearTransfers();
        controller.start(0);
        if (refused || needed) {
            QVERIFY(!controller.isBusy());
            QVERIFY(Bus::transfersFor(BOOTLOADER_PRODUCT_ID).isEmpty());
            if (refused) {
                QCOMPARE(controller.stage(), Stage::Choosing);
                QVERIFY(controller.fileProblem().contains(QLatin1String("1234:5678")));
                return;
            }
            controller.start(needed);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!controller.isBusy(), FLOW_TIMEOUT_MS);
        QCOMPARE(controller.stage(), Stage::Succeeded);
        QVERIFY(controller.verified());
        QCOMPARE(bootloader.flash().left(image.size()), image);
        QCOMPARE(bootloader.leaveCount(), 1);
    }

    // A board that starts in its bootloader is listed as such; updated from
    // its entry, no backup is read and no command is sent to a board.
    void boardStartedInItsBootloader()
    {
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, OLD_VERSION);
        joystick.setRebootDuration(std::chrono::milliseconds(0));
        QVERIFY(applyBootloaderDemoFault(joystick, QStringLiteral("in-bootloader")));
        SimulatedBootloader(joystick).setTimings(FAST);
        Bus::plug(joystick);
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(bootloaderRow() >= 0, 5000);
        QCOMPARE(list()->itemText(bootloaderRow()),
                 QStringLiteral("Board waiting in its bootloader (port %1)").arg(joystick.port()));
        pickDevice(*window, bootloaderRow());
        QVERIFY(noticeOffersBoth());

        // Its flash holds no firmware: told to start it, the bootloader
        // stays, and the window says so instead of waiting for a board that
        // never comes.
        find<QPushButton>(QStringLiteral("notice_start_firmware_button"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(find<QLabel>(QStringLiteral("operation_status_label"))
                                     ->text()
                                     .contains(QLatin1String("stayed in its bootloader")),
                                 10000);
        QVERIFY(bootloaderRow() >= 0);

        find<QPushButton>(QStringLiteral("notice_update_firmware_button"))->click();
        auto *dialog = find<FirmwareUpdateDialog>();
        QVERIFY(dialog);
        dialog->setFile(firmwareFile(SUPPORTED_FIRMWARE_VERSION));
        dialog->findChild<QPushButton *>(QStringLiteral("start_update_button"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!controller()->isBusy(), FLOW_TIMEOUT_MS);
        QCOMPARE(controller()->stage(), Stage::Succeeded);
        QVERIFY(controller()->backupPath().isEmpty());
        // The board runs the new firmware; its entry has gone.
        QTRY_VERIFY_WITH_TIMEOUT(
            list()->itemText(DEVICE_TYPE_JOYSTICK).contains(QLatin1String("240719")), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(bootloaderRow(), -1, 5000);
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            QVERIFY(!t.isWrite() && t.reportId() == REPORT_ID_DEVICE_INFO);
    }

    // Closing while the flash is written asks, with staying as the default;
    // agreed, the write ends but the firmware is not started, as was said.
    void closingWhileWritingLeavesItInItsBootloader()
    {
        openWindow(BootloaderFaults{});
        // Slow enough (some 3 s of writing) for two questions.
        SimulatedBootloader(joystick).setTimings({std::chrono::milliseconds(1),
                                                  std::chrono::milliseconds(100),
                                                  std::chrono::milliseconds(0)});
        FirmwareUpdateDialog *dialog = openDialog(firmwareFile(SUPPORTED_FIRMWARE_VERSION));
        QVERIFY(dialog);
        dialog->findChild<QPushButton *>(QStringLiteral("start_update_button"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(controller()->stage(), Stage::Writing, FLOW_TIMEOUT_MS);

        QuestionAnswerer answerer(QMessageBox::RejectRole);
        dialog->reject();
        QCOMPARE(answerer.seen, QStringList{QStringLiteral("stop_update_question")});
        QCOMPARE(answerer.defaultRoles, QList<QMessageBox::ButtonRole>{QMessageBox::RejectRole});
        QVERIFY(answerer.texts.value(0).contains(QLatin1String("stay in its bootloader")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(controller()->stage(), Stage::Writing);

        answerer.role = QMessageBox::AcceptRole;
        dialog->reject();
        QTRY_VERIFY_WITH_TIMEOUT(!controller()->isBusy(), FLOW_TIMEOUT_MS);
        QCOMPARE(controller()->stage(), Stage::Cancelled);
        QCOMPARE(SimulatedBootloader(joystick).leaveCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(bootloaderRow() >= 0, 5000);
    }

    // Until Start nothing reaches the board: no backup read, no command.
    void cancelBeforeStartSendsNothing()
    {
        openWindow(BootloaderFaults{});
        Bus::clearTransfers();
        FirmwareUpdateDialog *dialog = openDialog(firmwareFile(SUPPORTED_FIRMWARE_VERSION));
        QVERIFY(dialog);
        dialog->findChild<QPushButton *>(QStringLiteral("close_update_button"))->click();
        QCOMPARE(controller()->stage(), Stage::Cancelled);
        QCoreApplication::processEvents();
        for (const Transfer &t : Bus::transfers())
            QVERIFY2(!t.isWrite() && t.reportId() == REPORT_ID_DEVICE_INFO,
                     qPrintable(QString::number(t.productId, 16)));
        QVERIFY(Bus::isPlugged(joystick));
        QCOMPARE(bootloaderRow(), -1);
    }
};

QTEST_MAIN(TestFirmwareUpdateWindow)
#include "tst_firmwareupdatewindow.moc"

// Saves a PNG of each of the six pages of the main window, with a simulated
// joystick selected, and of the firmware update dialog, for the README. Run through
// scripts/screenshots.sh.
//
//   gravolt-screenshots [--lang CODE] OUTPUT_DIR
//
// The real MainWindow runs against the simulated boards; the language goes
// through config.ini exactly as for a user, so --lang also shows how a
// catalogue fits the layout.
#include "boardsim/simulatedboard.h"
#include "boardsim/simulatedbootloader.h"
#include "boardsim/simulatedinput.h"
#include "device/firmwareinfo.h"
#include "ui/firmwareupdatecontroller.h"
#include "ui/firmwareupdatedialog.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <functional>
#include <iterator>

namespace {

constexpr int JOYSTICK_DEVICE_TYPE = 1;
constexpr int FONT_PIXEL_SIZE = 11;      // px, as the program's own entry sets it
constexpr int READY_TIMEOUT_MS = 20000;  // first scan plus both records, with margin

const char *const PAGE_FILE_NAMES[] = {"1-effects.png", "2-hardware.png",    "3-gpio.png",
                                       "4-buttons.png", "5-analog-axes.png", "6-live-input.png"};

int fail(const QString &message)
{
    std::fprintf(stderr, "gravolt-screenshots: %s\n", qPrintable(message));
    return 1;
}

bool waitFor(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(READY_TIMEOUT_MS);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    return true;
}

template <typename T> T *child(QWidget &window, const char *name)
{
    return window.findChild<T *>(QLatin1String(name));
}

bool save(QWidget &widget, const QString &outputDir, const char *name)
{
    QApplication::processEvents();
    const QString path = outputDir + QLatin1Char('/') + QLatin1String(name);
    if (!widget.grab().save(path))
        return false;
    std::printf("%s\n", qPrintable(path));
    return true;
}

// The update dialog: the plan for the demo file of the next version, the
// progress half-way through writing, the success, and a failed verify.
int shootFirmwareUpdate(MainWindow &window, boardsim::SimulatedBoard &joystick,
                        const QString &buildDir, const QString &outputDir)
{
    using Stage = FirmwareUpdateController::Stage;
    // Slow enough that the progress can be caught half-way.
    boardsim::SimulatedBootloader bootloader(joystick);
    bootloader.setTimings({std::chrono::milliseconds(40), std::chrono::milliseconds(40),
                           std::chrono::milliseconds(1)});
    joystick.setRebootDuration(std::chrono::milliseconds(300));
    auto *controller =
        window.findChild<FirmwareUpdateController *>(QStringLiteral("firmware_update_controller"));
    auto *update = window.findChild<QAction *>(QStringLiteral("update_firmware_action"));
    if (!controller || !update)
        return fail(QStringLiteral("the window has no firmware update"));
    const auto open = [&](const char *file) -> FirmwareUpdateDialog * {
        update->trigger();
        auto *dialog = window.findChild<FirmwareUpdateDialog *>();
        // From the working directory, so that the path shown is short.
        const QString path = QDir::current().filePath(QLatin1String(file));
        QFile::copy(buildDir + QStringLiteral("/demo-firmware/") + QLatin1String(file), path);
        if (dialog)
            dialog->setFile(path);
        return dialog;
    };
    FirmwareUpdateDialog *dialog = open("240720.dfu");
    if (!dialog || controller->stage() != Stage::Ready)
        return fail(QStringLiteral("the update dialog did not take the demo firmware"));
    if (!save(*dialog, outputDir, "8-update-plan.png"))
        return fail(QStringLiteral("cannot write the plan"));
    dialog->findChild<QPushButton *>(QStringLiteral("start_update_button"))->click();
    auto *write = dialog->findChild<QProgressBar *>(QStringLiteral("firmware_write_bar"));
    if (!waitFor([&] { return write->value() >= 40 || !controller->isBusy(); }) ||
        !save(*dialog, outputDir, "9-update-progress.png"))
        return fail(QStringLiteral("the update made no progress"));
    if (!waitFor([&] { return !controller->isBusy(); }) ||
        controller->stage() != Stage::Succeeded || !save(*dialog, outputDir, "10-update-done.png"))
        return fail(
            QStringLiteral("the update did not succeed: %1").arg(controller->outcomeText()));
    dialog->findChild<QPushButton *>(QStringLiteral("keep_settings_button"))->click();
    // Closed, it deletes itself; gone before the next one is looked up.
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    boardsim::BootloaderFaults faults;
    faults.verifyMismatchAt = 0x5A5A;
    bootloader.setFaults(faults);
    dialog = open("240719.dfu");
    if (!dialog)
        return fail(QStringLiteral("the update dialog did not open again"));
    dialog->findChild<QPushButton *>(QStringLiteral("start_update_button"))->click();
    if (!waitFor([&] { return !controller->isBusy(); }) || controller->stage() != Stage::Failed ||
        !save(*dialog, outputDir, "11-update-failed.png"))
        return fail(QStringLiteral("the verify mismatch was not reported"));
    dialog->close();
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QString language = QStringLiteral("en");
    QString outputDir;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--lang") && i + 1 < argc)
            language = QString::fromLocal8Bit(argv[++i]);
        else if (outputDir.isEmpty() && !arg.startsWith(QLatin1Char('-')))
            outputDir = arg;
        else
            return fail(QStringLiteral("usage: gravolt-screenshots [--lang CODE] OUTPUT_DIR"));
    }
    if (outputDir.isEmpty())
        return fail(QStringLiteral("usage: gravolt-screenshots [--lang CODE] OUTPUT_DIR"));
    outputDir = QDir(outputDir).absolutePath();
    if (!QDir().mkpath(outputDir))
        return fail(QStringLiteral("cannot create %1").arg(outputDir));

    // The window reads config.ini only when started without arguments.
    int appArgc = 1;
    QApplication app(appArgc, argv);

    // A working directory of our own: config.ini names the language, the
    // catalogues and icon come from the build folder.
    const QString buildDir =
        QDir(QApplication::applicationDirPath() + QStringLiteral("/..")).canonicalPath();
    QTemporaryDir workDir;
    if (!workDir.isValid())
        return fail(QStringLiteral("cannot create a working directory"));
    {
        QFile config(workDir.filePath(QStringLiteral("config.ini")));
        if (!config.open(QIODevice::WriteOnly | QIODevice::Text))
            return fail(QStringLiteral("cannot write %1").arg(config.fileName()));
        QTextStream(&config) << "[UI]\nlang=" << language << "\n";
    }
    QFile::link(buildDir + QStringLiteral("/i18n"), workDir.filePath(QStringLiteral("i18n")));
    QFile::link(buildDir + QStringLiteral("/gravolt_hardware_icon.png"),
                workDir.filePath(QStringLiteral("gravolt_hardware_icon.png")));
    if (language != QLatin1String("en") &&
        !QFile::exists(
            QStringLiteral("%1/i18n/hardware_settings_ui_%2.qm").arg(buildDir, language)))
        return fail(QStringLiteral("no catalogue for \"%1\" in %2/i18n").arg(language, buildDir));
    QDir::setCurrent(workDir.path());

    boardsim::SimulatedBoard joystick(boardsim::productIdForDeviceType(JOYSTICK_DEVICE_TYPE),
                                      JOYSTICK_DEVICE_TYPE);
    boardsim::Bus::plug(joystick);
    // A stick pushed forward and right, the throttle half open, the trigger
    // and a hat direction held: the live page with something to show.
    using boardsim::SimulatedInputs;
    const int joystickId = joystick.productId();
    SimulatedInputs::setAxis(joystickId, 0, 12000);
    SimulatedInputs::setAxis(joystickId, 1, -20000);
    SimulatedInputs::setAxis(joystickId, 2, 2048);
    SimulatedInputs::setAxis(joystickId, 3, 310);
    SimulatedInputs::setAxis(joystickId, 4, 3900);
    for (const int button : {1, 6, 13})
        SimulatedInputs::setButton(joystickId, button, true);

    MainWindow window;
    window.show();
    QFont font = QApplication::font();
    font.setPixelSize(FONT_PIXEL_SIZE);
    QApplication::setFont(font);

    auto *devices = child<QComboBox>(window, "devices_combo_box");
    if (!devices)
        return fail(QStringLiteral("the main window lacks its device list"));

    // The device list has one row per device type; the scan writes the
    // firmware version into the row of each connected board.
    const QString version = QString::number(SUPPORTED_FIRMWARE_VERSION);
    if (!waitFor([&] {
            return devices->count() > JOYSTICK_DEVICE_TYPE &&
                   devices->itemText(JOYSTICK_DEVICE_TYPE).contains(version);
        }))
        return fail(QStringLiteral("the simulated joystick never showed up in the device list"));
    devices->setCurrentIndex(JOYSTICK_DEVICE_TYPE);
    Q_EMIT devices->activated(JOYSTICK_DEVICE_TYPE);

    // Picking the board built the pages.
    auto *pages = child<QTabWidget>(window, "main_tab_widget");
    auto *motionRange = child<QSpinBox>(window, "motion_range_axis0");
    auto *powerLimit = child<QSpinBox>(window, "power_limit");
    if (!pages || !motionRange || !powerLimit)
        return fail(QStringLiteral("the main window lacks its pages or settings"));
    if (pages->count() != int(std::size(PAGE_FILE_NAMES)))
        return fail(QStringLiteral("expected %1 pages, found %2")
                        .arg(std::size(PAGE_FILE_NAMES))
                        .arg(pages->count()));

    // The simulated board starts with non-zero settings, so both records
    // have arrived once these two show something.
    if (!waitFor([&] {
            return pages->isTabVisible(0) && motionRange->value() != 0 &&
                   powerLimit->value() != 0 && !QApplication::overrideCursor();
        }))
        return fail(QStringLiteral("the joystick's settings were never read (pages shown: %1, "
                                   "motion range: %2, power limit: %3, busy: %4)")
                        .arg(pages->isTabVisible(0) ? "yes" : "no")
                        .arg(motionRange->value())
                        .arg(powerLimit->value())
                        .arg(QApplication::overrideCursor() ? "yes" : "no"));

    for (int page = 0; page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        const QString path = outputDir + QLatin1Char('/') + QLatin1String(PAGE_FILE_NAMES[page]);
        if (!window.grab().save(path))
            return fail(QStringLiteral("cannot write %1").arg(path));
        std::printf("%s\n", qPrintable(path));
    }
    if (const int failed = shootFirmwareUpdate(window, joystick, buildDir, outputDir))
        return failed;
    window.close();
    return 0;
}

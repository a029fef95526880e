// The flasher run as the program gravolt-flash beside the calling program:
// for the products, whose board backend may define libusb's names itself.
#include "dfu/flasher.h"
#include "dfu/flashercommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

namespace {

// The flasher bounds every wait of its own (an erase at most a minute); this
// is only the guard against a flasher that stopped printing altogether.
constexpr int SILENCE_BOUND_MS = 120000;
constexpr int START_BOUND_MS = 10000;

// Beside the calling program (the build folder, Windows, the window's own
// folder), else where an installation puts it relative to gravoltctl.
QString flasherProgram()
{
    const QDir here(QCoreApplication::applicationDirPath());
    const QString beside = here.filePath(QStringLiteral("gravolt-flash"));
#ifdef GRAVOLT_BIN_TO_FLASHER
    const QString installed =
        QDir::cleanPath(here.filePath(QStringLiteral(GRAVOLT_BIN_TO_FLASHER)));
    if (!QFileInfo::exists(beside) && QFileInfo::exists(installed))
        return installed;
#endif
    return beside;
}

#ifdef Q_OS_LINUX
// Whether any USB interface of the DFU class (0xFE / 0x01) is on the bus, as
// sysfs tells everybody. The window asks for the list every few seconds, and
// a board rarely waits in its bootloader: without one, no flasher is started.
bool dfuInterfacePresent()
{
    const QDir devices(QStringLiteral("/sys/bus/usb/devices"));
    if (!devices.exists())
        return true;  // cannot tell; the flasher can
    for (const QString &name : devices.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!name.contains(QLatin1Char(':')))
            continue;  // a device, not one of its interfaces
        const auto read = [&](const char *attribute) {
            QFile file(devices.filePath(name + QLatin1Char('/') + QLatin1String(attribute)));
            return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
        };
        if (read("bInterfaceClass") == "fe" && read("bInterfaceSubClass") == "01")
            return true;
    }
    return false;
}
#endif

QJsonObject failure(const QString &error)
{
    return {{QStringLiteral("event"), QStringLiteral("result")},
            {QStringLiteral("ok"), false},
            {QStringLiteral("refused"), false},
            {QStringLiteral("error"), error}};
}

}  // namespace

int runFlasher(const QStringList &arguments, const FlasherEvents &onEvent)
{
#ifdef Q_OS_LINUX
    if (arguments == QStringList{QStringLiteral("list")} && !dfuInterfacePresent()) {
        onEvent({{QStringLiteral("event"), QStringLiteral("result")},
                 {QStringLiteral("ok"), true},
                 {QStringLiteral("refused"), false},
                 {QStringLiteral("count"), 0}});
        return FLASHER_DONE;
    }
#endif
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(flasherProgram(), arguments);
    if (!process.waitForStarted(START_BOUND_MS)) {
        onEvent(failure(QCoreApplication::translate("Flasher", "The flasher %1 cannot be "
                                                               "started: %2")
                            .arg(flasherProgram(), process.errorString())));
        return FLASHER_FAILED;
    }
    auto drain = [&] {
        while (process.canReadLine()) {
            const QJsonDocument event = QJsonDocument::fromJson(process.readLine().trimmed());
            if (event.isObject())
                onEvent(event.object());
        }
    };
    while (process.state() != QProcess::NotRunning) {
        if (!process.waitForReadyRead(SILENCE_BOUND_MS) &&
            process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            onEvent(failure(QCoreApplication::translate(
                "Flasher", "The flasher stopped answering and was ended.")));
            return FLASHER_FAILED;
        }
        drain();
    }
    drain();
    if (process.exitStatus() != QProcess::NormalExit) {
        onEvent(failure(QCoreApplication::translate("Flasher", "The flasher crashed.")));
        return FLASHER_FAILED;
    }
    return process.exitCode();
}

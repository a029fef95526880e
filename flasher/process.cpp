// The flasher run as the program gravolt-flash beside the calling program:
// for the products, whose board backend may define libusb's names itself.
#include "dfu/flasher.h"
#include "dfu/flashercommands.h"

#include <QCoreApplication>
#include <QDir>
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

#include "boarddoctor.h"

#include "device/boarddiscovery.h"
#include "device/boardproblemtext.h"
#include "device/firmwareinfo.h"
#include "dfu/flasherclient.h"

#include <libusb.h>

#include <QJsonObject>
#include <QTextStream>

#include <algorithm>

QString diagnosisText(const BoardDiagnosis &diagnosis, const WaitingBootloaders &bootloaders)
{
    QStringList lines;
    if (!diagnosis.listingKnown) {
        // All that can be said here is what the USB library opened.
        for (const int productId : diagnosis.opened)
            lines << QStringLiteral("%1: usable.").arg(boardModelName(productId));
        lines << QStringLiteral("Boards that cannot be opened: unknown (this system offers no way "
                                "to list them).");
    } else if (diagnosis.boards.isEmpty()) {
        lines << QStringLiteral("No supported board is attached.");
    }
    QStringList commands;
    for (const BoardStatus &status : diagnosis.boards) {
        const QString where = status.board.port.isEmpty()
                                  ? QString()
                                  : QStringLiteral(" on USB port %1").arg(status.board.port);
        if (status.problem == BoardProblem::None) {
            lines << QStringLiteral("%1%2: usable (%3).")
                         .arg(boardModelName(status.board.productId), where, status.node.path);
            continue;
        }
        lines << QStringLiteral("%1%2: cannot be opened. %3")
                     .arg(boardModelName(status.board.productId), where, problemText(status));
        commands << fixCommands(status, diagnosis.rule);
    }
    for (const int productId : diagnosis.crowdedModels())
        lines << QStringLiteral("%1 %2s are connected. One board of each model can be configured "
                                "at a time: unplug the others.")
                     .arg(diagnosis.boardsPerProductId.value(productId))
                     .arg(boardModelName(productId));
    // A board in its bootloader is not a board the program can configure,
    // but one that cannot be opened stops a firmware update.
    for (const WaitingBootloader &bootloader : bootloaders.found) {
        const QString what = QStringLiteral("DFU bootloader %1:%2 on USB port %3")
                                 .arg(bootloader.vendorId, 4, 16, QLatin1Char('0'))
                                 .arg(bootloader.productId, 4, 16, QLatin1Char('0'))
                                 .arg(bootloader.port);
        if (bootloader.openable) {
            lines << QStringLiteral("%1: usable.").arg(what);
            continue;
        }
        lines << QStringLiteral("%1: cannot be opened: %2.").arg(what, bootloader.openError);
        if (bootloader.accessDenied)
            commands << udevRuleCommands(diagnosis.rule);
    }
    if (!bootloaders.error.isEmpty())
        lines << QStringLiteral("DFU bootloaders: unknown (%1).").arg(bootloaders.error);
    // Each command once, where it was first needed.
    commands.removeDuplicates();
    if (!commands.isEmpty()) {
        lines << QString() << QStringLiteral("To fix it, run:");
        for (const QString &command : std::as_const(commands))
            lines << QStringLiteral("  ") + command;
        lines << QStringLiteral("then unplug the board and plug it in again.");
    }
    lines << QString();
    if (!diagnosis.rule.readFrom.isEmpty())
        lines << QStringLiteral("udev rule: installed (%1).").arg(diagnosis.rule.readFrom);
    else if (!diagnosis.rule.unreadCopy.isEmpty())
        lines << QStringLiteral("udev rule: not installed where udev reads it; a copy is in %1.")
                     .arg(diagnosis.rule.unreadCopy);
    else
        lines << QStringLiteral("udev rule: not installed.");
    if (diagnosis.judgedFor.invokedThroughSudo)
        lines << QStringLiteral("Access judged for %1 (uid %2), who ran this through sudo; as "
                                "root every board could be opened.")
                     .arg(userName(diagnosis.judgedFor.uid))
                     .arg(diagnosis.judgedFor.uid);
    lines << QStringLiteral("USB backend: %1.").arg(QString::fromLatin1(diagnosis.backend.name));
    // Every line, not only the program names: paths and driver names come
    // from outside the program too.
    for (QString &line : lines)
        line = printableText(line);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

int runBoardDoctor(QTextStream &out, const BoardDiscovery &discovery, const QList<int> &productIds,
                   int vendorId)
{
    // Opened and closed again at once: whether the library can open a board
    // is the one thing the system's own description cannot tell.
    QList<int> opened;
    if (libusb_init(nullptr) == LIBUSB_SUCCESS) {
        for (const int productId : productIds) {
            if (libusb_device_handle *handle = libusb_open_device_with_vid_pid(
                    nullptr, uint16_t(vendorId), uint16_t(productId))) {
                opened.append(productId);
                libusb_close(handle);
            }
        }
        libusb_exit(nullptr);
    }
    const BoardDiagnosis diagnosis = discovery.run(&opened);
    WaitingBootloaders bootloaders;
    for (const QJsonObject &event : listBootloaders(&bootloaders.error))
        bootloaders.found.append({event.value(QStringLiteral("port")).toString(),
                                  event.value(QStringLiteral("vendor_id")).toInt(),
                                  event.value(QStringLiteral("product_id")).toInt(),
                                  event.value(QStringLiteral("openable")).toBool(),
                                  event.value(QStringLiteral("open_error")).toString(),
                                  event.value(QStringLiteral("access_denied")).toBool()});
    out << diagnosisText(diagnosis, bootloaders);
    out.flush();
    const bool bootloadersUsable =
        std::all_of(bootloaders.found.cbegin(), bootloaders.found.cend(),
                    [](const WaitingBootloader &bootloader) { return bootloader.openable; });
    return diagnosis.allUsable() && bootloadersUsable ? 0 : 1;
}

int runBoardDoctor(QTextStream &out)
{
    BoardDiscovery discovery(boardProductIds(), BOARD_VENDOR_ID);
    discovery.setCredentials(Credentials::ofInvokingUser());
    return runBoardDoctor(out, discovery, boardProductIds(), BOARD_VENDOR_ID);
}

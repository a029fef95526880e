#include "flasherclient.h"

#include "dfu/flasher.h"
#include "dfu/flashercommands.h"

#include <QJsonArray>

BootloaderEntry BootloaderEntry::fromEvent(const QJsonObject &event)
{
    BootloaderEntry entry;
    entry.port = event.value(QStringLiteral("port")).toString();
    entry.vendorId = event.value(QStringLiteral("vendor_id")).toInt();
    entry.productId = event.value(QStringLiteral("product_id")).toInt();
    entry.dfuse = event.value(QStringLiteral("dfuse")).toBool();
    entry.openable = event.value(QStringLiteral("openable")).toBool();
    entry.openError = event.value(QStringLiteral("open_error")).toString();
    for (const QJsonValue &memory : event.value(QStringLiteral("memories")).toArray())
        entry.memories.append(memory.toObject().value(QStringLiteral("name")).toString());
    return entry;
}

bool BootloaderEntry::operator==(const BootloaderEntry &other) const
{
    return port == other.port && vendorId == other.vendorId && productId == other.productId &&
           dfuse == other.dfuse && openable == other.openable && openError == other.openError &&
           memories == other.memories;
}

QList<QJsonObject> listBootloaders(QString *error)
{
    QList<QJsonObject> found;
    const int status = runFlasher({QStringLiteral("list")}, [&](const QJsonObject &event) {
        if (event.value(QStringLiteral("event")).toString() == QLatin1String("bootloader"))
            found.append(event);
        else if (!event.value(QStringLiteral("ok")).toBool())
            *error = event.value(QStringLiteral("error")).toString();
    });
    if (status != FLASHER_DONE && error->isEmpty())
        *error = QStringLiteral("the flasher failed");
    return found;
}

QList<BootloaderEntry> listBootloaderEntries(QString *error)
{
    QList<BootloaderEntry> entries;
    for (const QJsonObject &event : listBootloaders(error))
        entries.append(BootloaderEntry::fromEvent(event));
    return entries;
}

bool leaveBootloader(const QString &port, QString *error)
{
    const int status = runFlasher({QStringLiteral("leave"), QStringLiteral("--port"), port},
                                  [&](const QJsonObject &event) {
                                      *error = event.value(QStringLiteral("error")).toString();
                                  });
    return status == FLASHER_DONE;
}

QString bootloaderOfBoard(const QStringList &bootloaderPorts, const QString &boardPort)
{
    if (boardPort.isEmpty())
        return bootloaderPorts.size() == 1 ? bootloaderPorts.first() : QString();
    return bootloaderPorts.contains(boardPort) ? boardPort : QString();
}

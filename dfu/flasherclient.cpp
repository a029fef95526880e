#include "flasherclient.h"

#include "dfu/flasher.h"
#include "dfu/flashercommands.h"

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

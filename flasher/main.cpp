// gravolt-flash: the DFU side of a firmware update in a process of its own,
// linked with the real libusb (see dfu/flasher.h). It prints one JSON event
// per line on standard output and exits with the status of flasherMain().
#include "dfu/flashercommands.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gravolt-flash"));
    return flasherMain(QCoreApplication::arguments().mid(1), [](const QJsonObject &event) {
        const QByteArray line = QJsonDocument(event).toJson(QJsonDocument::Compact);
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fputc('\n', stdout);
        // The caller shows progress as it comes.
        std::fflush(stdout);
    });
}

// Writes the demo firmware files: DfuSe files for the simulated bootloader,
// named after the version they stamp into the board ("240720.dfu").
#include "boardsim/simulatedbootloader.h"
#include "dfu/firmwarefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: gravolt-demo-firmware FOLDER VERSION...\n");
        return 2;
    }
    const QDir folder(arguments.at(1));
    for (const QString &text : arguments.mid(2)) {
        const uint32_t version = text.toUInt();
        const QByteArray file = buildDfuSeFile(
            {{boardsim::BOOTLOADER_FLASH_ADDRESS, boardsim::demoFirmwareImage(version)}},
            boardsim::BOOTLOADER_VENDOR_ID, boardsim::BOOTLOADER_PRODUCT_ID,
            QStringLiteral("Internal Flash"));
        QSaveFile out(folder.filePath(text + QStringLiteral(".dfu")));
        if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
            return 1;
        }
    }
    return 0;
}

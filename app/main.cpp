#include "app/startupoptions.h"
#include "device/standardstreams.h"
#include "ui/mainwindow.h"
#include "ui/widgets/deferredextensionstyle.h"
#include "ui/windowplacement.h"

#include <QApplication>
#include <QFont>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    keepStandardStreamsOpen();
    // Answered before QApplication exists, so that it needs no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> text = informationRequested(arguments)) {
        std::fputs(text->toLocal8Bit().constData(), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    deferExtensionIcons();
    MainWindow window;
    restoreWindowPlacement(&window);
    window.show();
    QFont font = QApplication::font();
    font.setPixelSize(APPLICATION_FONT_PIXEL_SIZE);
    QApplication::setFont(font);
    const int exitCode = app.exec();
    saveWindowPlacement(&window);
    return exitCode;
}

#include "app/startupoptions.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    window.show();
    QFont font = QApplication::font();
    font.setPixelSize(APPLICATION_FONT_PIXEL_SIZE);
    QApplication::setFont(font);
    return app.exec();
}

// The floor for the start-up figures: the least a Qt Widgets program with a
// main window does before its event loop first goes idle.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Gravolt Setup"), &window));
    window.show();
    return app.exec();
}

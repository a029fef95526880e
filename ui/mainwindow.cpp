#include "mainwindow.h"

#include "app/startupoptions.h"

#include <QIcon>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    advanced = runStartupConfiguration(translator);
    setWindowIcon(QIcon(WINDOW_ICON_FILE));
    setWindowTitle(applicationWindowTitle());
}

MainWindow::~MainWindow() = default;

#pragma once

#include <QMainWindow>
#include <QTranslator>

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isAdvancedMode() const { return advanced; }

private:
    QTranslator translator;
    bool advanced = false;
};

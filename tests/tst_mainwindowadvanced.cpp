#include "boardsim/simulatedboard.h"
#include "support/mainwindowhelpers.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QtTest>

using namespace boardsim;
using namespace mainwindowtest;

// The window evaluates the program's own command line, so this test program
// starts its application object with the word "advanced" after its name.
class TestMainWindowAdvanced : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal"))); }

    void showsGainRowOnceBoardSelected_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("joystick") << int(DEVICE_TYPE_JOYSTICK);
        QTest::newRow("wheel") << int(DEVICE_TYPE_WHEEL);
    }

    void showsGainRowOnceBoardSelected()
    {
        QFETCH(int, type);
        Bus::reset();
        const int pid = productIdForDeviceType(uint8_t(type));
        Bus::plug(SimulatedBoard(pid, uint8_t(type)));
        {
            MainWindow window;
            window.show();
            QVERIFY(window.isAdvancedMode());
            auto *devices = window.findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
            QTRY_COMPARE_WITH_TIMEOUT(devices->placeholderText(),
                                      QStringLiteral("Select compatible device (1 connected)"),
                                      5000);

            MessageBoxAnswerer guard(MessageBoxAnswerer::Cancel);
            pickDevice(window, type);
            QCOMPARE(guard.boxesSeen, 0);
            window.findChild<QTabWidget *>(QStringLiteral("main_tab_widget"))->setCurrentIndex(1);
            for (const char *name : {"amplifier_gain", "amplifier_gain_label"}) {
                auto *widget = window.findChild<QWidget *>(QLatin1String(name));
                QVERIFY2(widget, name);
                // The hardware values show once they were read from the board.
                QTRY_VERIFY2(widget->isVisibleTo(&window), name);
            }
        }
        QCOMPARE(Bus::openHandleCount(), 0);
    }
};

int main(int argc, char *argv[])
{
    QByteArray program(argc > 0 ? argv[0] : "tst_mainwindowadvanced");
    QByteArray advanced("advanced");
    char *appArgv[] = {program.data(), advanced.data(), nullptr};
    int appArgc = 2;
    QApplication app(appArgc, appArgv);
    TestMainWindowAdvanced test;
    // Qt Test gets the real command line (test function names, options).
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mainwindowadvanced.moc"

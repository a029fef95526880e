// The live input page of the shipped program (hidraw for the settings, the
// event device for the inputs) against a board emulated with both nodes.

#include "support/hidrawinputbus.h"

#include "device/firmwareinfo.h"
#include "ui/liveinputview.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int SCAN_TIMEOUT_MS = 5000;  // a scan a second, up to two to list a board

bool lit(const QWidget &view, int number)
{
    const auto *mark = view.findChild<QLabel *>(QStringLiteral("live_button_%1").arg(number));
    return mark && mark->property("lit").toBool();
}

QProgressBar *axis(const QWidget &view, int number)
{
    return view.findChild<QProgressBar *>(QStringLiteral("live_axis_%1").arg(number));
}

QString statusOf(const QWidget &view)
{
    const auto *status = view.findChild<QLabel *>(QStringLiteral("live_input_status"));
    return status->isVisible() ? status->text() : QString();
}

}  // namespace

class TestEndToEndLiveInput : public QObject
{
    Q_OBJECT

public:
    explicit TestEndToEndLiveInput(e2e::KernelTestbed &kernel) : kernel(kernel) {}

private:
    std::shared_ptr<e2e::EmulatedBoard> plugJoystick()
    {
        auto board = std::make_shared<e2e::EmulatedBoard>(uint16_t(BOARD_PRODUCT_ID_JOYSTICK),
                                                          uint8_t(DEVICE_TYPE_JOYSTICK),
                                                          SUPPORTED_FIRMWARE_VERSION);
        QString error;
        if (!bus->plug(board, &error)) {
            qWarning("cannot plug the joystick: %s", qPrintable(error));
            return nullptr;
        }
        return board;
    }

    e2e::KernelTestbed &kernel;
    std::unique_ptr<e2e::HidrawInputBus> bus;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(kernel.preloadActive(),
                 "libumockdev-preload is not loaded: run this test through ctest");
        bus = std::make_unique<e2e::HidrawInputBus>(kernel);
    }

    void cleanup() { bus->unplugAll(); }

    void shippedProgramShowsTheBoardsInputs()
    {
        const auto board = plugJoystick();
        QVERIFY(board);
        MainWindow window;
        window.show();
        auto *devices = window.findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
        QVERIFY(devices);
        QTRY_VERIFY_WITH_TIMEOUT(
            devices->itemText(DEVICE_TYPE_JOYSTICK).contains(QLatin1String("Version")),
            SCAN_TIMEOUT_MS);
        devices->setCurrentIndex(DEVICE_TYPE_JOYSTICK);
        Q_EMIT devices->activated(DEVICE_TYPE_JOYSTICK);
        auto *pages = window.findChild<QTabWidget *>(QStringLiteral("main_tab_widget"));
        auto *live = window.findChild<LiveInputView *>();
        QVERIFY(pages && live);
        QTRY_VERIFY(pages->isTabVisible(pages->indexOf(live)));
        QCOMPARE(bus->openEventFiles(*board), 0);

        pages->setCurrentWidget(live);
        QVERIFY2(live->isReading(), qPrintable(statusOf(*live)));
        QCOMPARE(bus->openEventFiles(*board), 1);
        QVERIFY(axis(*live, e2e::HidrawInputBus::AXIS_COUNT));
        QVERIFY(lit(*live, e2e::HidrawInputBus::BUTTON_COUNT) == false);

        // Button 17 is the first the HID driver puts past the sixteen
        // joystick codes; the numbering must not skip or reorder there.
        bus->setButton(*board, 17, true);
        QTRY_VERIFY(lit(*live, 17));
        QVERIFY(!lit(*live, 16));
        QVERIFY(!lit(*live, 1));
        bus->moveAxis(*board, 1, -12345);
        QTRY_COMPARE(axis(*live, 2)->value(), -12345);
        QCOMPARE(axis(*live, 2)->text(), QStringLiteral("-12345"));
        bus->setButton(*board, 17, false);
        QTRY_VERIFY(!lit(*live, 17));
        // Read beside the HID driver, never taken from it.
        QCOMPARE(bus->grabAttempts(), 0);

        pages->setCurrentIndex(0);
        QCOMPARE(bus->openEventFiles(*board), 0);
    }

    void unpluggedWhileShownSaysSo()
    {
        const auto board = plugJoystick();
        QVERIFY(board);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!.*propagateSizeHints)")));
        LiveInputView view;
        view.setBoard(BOARD_PRODUCT_ID_JOYSTICK);
        view.show();
        QVERIFY2(view.isReading(), qPrintable(statusOf(view)));
        bus->setButton(*board, 3, true);
        QTRY_VERIFY(lit(view, 3));

        bus->unplugBoard(*board);
        QTRY_COMPARE(statusOf(view), QStringLiteral("The board was disconnected."));
        QVERIFY(!view.isReading());
        QCOMPARE(bus->openEventFiles(*board), 0);
    }
};

int main(int argc, char *argv[])
{
    // Before anything can touch udev or hidapi.
    e2e::KernelTestbed kernel;
    QApplication app(argc, argv);
    TestEndToEndLiveInput test(kernel);
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_e2e_liveinput.moc"

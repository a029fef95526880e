#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "support/captions.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/fulleffectsettingswidget.h"
#include "ui/fullhardwaresettingswidget.h"
#include "ui/mainwindow.h"

#include <libusb.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int GENERIC_PID = 22000;
constexpr int JOYSTICK_PID = 22777;
constexpr int RUDDER_PID = 22888;
constexpr int WHEEL_PID = 22999;
constexpr int COLLECTIVE_PID = 22001;
constexpr uint32_t OLDER_FIRMWARE = 240718;

// A scan runs once a second; a report can take up to two of them to show.
constexpr int REPORT_TIMEOUT_MS = 5000;

const QString NO_DEVICES = QStringLiteral("No compatible devices connected");

// Effect settings every control of the effect panel can show as they are.
EffectSettingsTypeDef showableEffects(int seed)
{
    EffectSettingsTypeDef e;
    std::memset(&e, 0, sizeof e);
    e.invert_constant_force = 1;
    e.direct_x_spring_strength = uint8_t(10 + seed);
    e.direct_x_constant_strength = uint8_t(20 + seed);
    e.direct_x_periodic_strength = uint8_t(30 + seed);
    for (int a = 0; a < EFFECT_AXIS_COUNT; ++a) {
        auto &axis = e.axis[a];
        axis.total_effect_scale = uint8_t(40 + seed + a);
        axis.soft_stop_strength = uint8_t(50 + seed + a);
        axis.soft_stop_range = uint8_t(3 + seed + a);
        axis.static_dampening = uint16_t(60 + seed + a);
        axis.dynamic_dampening = uint16_t(70 + seed + a);
        axis.motion_range = uint16_t(300 + seed + a);
        axis.max_force = float(5 + seed + a);
        axis.soft_stop_dampening = uint16_t(80 + seed + a);
    }
    return e;
}

}  // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    int exitsBefore = 0;

    QComboBox *devices() const
    {
        return window->findChild<QComboBox *>(QStringLiteral("devices_combo_box"));
    }
    QTabWidget *tabs() const
    {
        return window->findChild<QTabWidget *>(QStringLiteral("main_tab_widget"));
    }
    QPushButton *button(const char *name) const
    {
        return window->findChild<QPushButton *>(QLatin1String(name));
    }
    QLabel *statusLabel() const
    {
        return window->findChild<QLabel *>(QStringLiteral("operation_status_label"));
    }
    FullEffectSettingsWidget *effectsPanel() const
    {
        return window->findChild<FullEffectSettingsWidget *>(
            QStringLiteral("effects_settings_widget"));
    }

    // Empty while the pages are not built: no board was picked yet.
    QList<bool> visiblePages() const
    {
        QList<bool> pages;
        for (int i = 0; tabs() && i < tabs()->count(); ++i)
            pages << tabs()->isTabVisible(i);
        return pages;
    }
    bool anyPageVisible() const { return visiblePages().contains(true); }
    bool allPagesVisible() const { return tabs() && !visiblePages().contains(false); }
    bool bottomButtonsShown() const
    {
        return !button("reboot_button")->isHidden() && !button("dfu_mode_button")->isHidden();
    }
    bool bottomButtonsHidden() const
    {
        return button("reboot_button")->isHidden() && button("dfu_mode_button")->isHidden();
    }

    QList<int> pickableRows() const
    {
        auto *view = qobject_cast<QListView *>(devices()->view());
        auto *model = qobject_cast<QStandardItemModel *>(devices()->model());
        QList<int> rows;
        for (int row = 0; row < devices()->count(); ++row) {
            if (!view->isRowHidden(row) && model->item(row)->isEnabled())
                rows << row;
        }
        return rows;
    }

    void openWindow()
    {
        window = std::make_unique<MainWindow>();
        window->show();
    }
    // For a look at the pages before any board is picked.
    void openWindowWithPages()
    {
        openWindow();
        window->ensurePages();
    }

    // Waits until the list shows its placeholder for exactly `count` boards.
    bool waitForBoardCount(int count)
    {
        const QString expected =
            count == 0 ? NO_DEVICES
                       : QStringLiteral("Select compatible device (%1 connected)").arg(count);
        return QTest::qWaitFor(
            [&] {
                return devices()->currentIndex() == -1 &&
                       devices()->placeholderText() == expected && pickableRows().size() == count;
            },
            REPORT_TIMEOUT_MS);
    }

    // Selects a board whose version matches and waits until both settings
    // reads have gone out to it.
    void selectMatchingBoard(int row, int productId)
    {
        const auto reads = [productId](uint8_t report) {
            int n = 0;
            for (const Transfer &t : Bus::transfersFor(productId))
                n += !t.isWrite() && t.reportId() == report;
            return n;
        };
        const int hardwareReadsBefore = reads(REPORT_ID_HARDWARE_SETTINGS);
        MessageBoxAnswerer guard(MessageBoxAnswerer::Cancel);
        pickDevice(*window, row);
        QTRY_VERIFY(reads(REPORT_ID_HARDWARE_SETTINGS) > hardwareReadsBefore);
        QCOMPARE(guard.boxesSeen, 0);
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal")));
        Bus::reset();
        exitsBefore = Bus::exitCount();
    }

    void cleanup()
    {
        window.reset();
        // Closing the window stops the scans and closes every handle before
        // the USB library goes.
        QCOMPARE(Bus::exitCount(), exitsBefore + 1);
        QCOMPARE(Bus::openHandlesAtLastExit(), 0);
        QCOMPARE(Bus::openHandleCount(), 0);
        Bus::reset();
    }

    void startsWithoutSelection()
    {
        openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral("Gravolt Setup (240719)"));
        QCOMPARE(devices()->count(), 5);
        QCOMPARE(devices()->currentIndex(), -1);
        QCOMPARE(devices()->placeholderText(), NO_DEVICES);
        QVERIFY(pickableRows().isEmpty());
        // The pages wait for the first board picked: none of their controls
        // is built before.
        QVERIFY(!tabs());
        QVERIFY(!effectsPanel());
        QVERIFY(bottomButtonsHidden());
        window->ensurePages();
        QCOMPARE(tabs()->count(), 6);
        QVERIFY(!anyPageVisible());
    }

    void formProperties()
    {
        openWindowWithPages();
        QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
        QCOMPARE(window->minimumWidth(), 600);
        QCOMPARE(window->font().pointSize(), 10);
        QCOMPARE(window->toolTipDuration(), -4);
        QVERIFY(window->autoFillBackground());
        QVERIFY(!window->documentMode());
        QTRY_VERIFY(window->width() >= 600);

        const QStringList pages{QStringLiteral("tab"),
                                QStringLiteral("hardware_tab"),
                                QStringLiteral("gpio_tab"),
                                QStringLiteral("buttons_tab"),
                                QStringLiteral("analog_axes_tab"),
                                QStringLiteral("live_input_view")};
        const QStringList titles{QStringLiteral("Effects"),     QStringLiteral("Hardware"),
                                 QStringLiteral("GPIO"),        QStringLiteral("Buttons"),
                                 QStringLiteral("Analog axes"), QStringLiteral("Live input")};
        for (int i = 0; i < pages.size(); ++i) {
            QCOMPARE(tabs()->widget(i)->objectName(), pages[i]);
            QCOMPARE(tabs()->tabText(i), titles[i]);
        }
        // The panels are the promoted widgets, one on each of the first two pages.
        QVERIFY(tabs()->widget(0)->isAncestorOf(effectsPanel()));
        QVERIFY(window->findChild<FullHardwareSettingsWidget *>(
            QStringLiteral("hardware_settings_widget")));
        QVERIFY(tabs()->widget(1)->isAncestorOf(
            window->findChild<QWidget *>(QStringLiteral("hardware_settings_widget"))));

        // Every trio sits on its own page.
        for (int page = 1; page <= 4; ++page) {
            for (const char *kind : {"read", "apply", "save"}) {
                const QString name = QStringLiteral("%1_hardware_settings_button_%2")
                                         .arg(QLatin1String(kind))
                                         .arg(page);
                auto *trioButton = window->findChild<QPushButton *>(name);
                QVERIFY2(trioButton, qPrintable(name));
                QCOMPARE(trioButton->parentWidget(), tabs()->widget(page));
            }
        }

        // The I/O controls start at their lowest values, nothing checked.
        for (QSpinBox *spin : tabs()->widget(4)->findChildren<QSpinBox *>())
            QCOMPARE(spin->value(), 0);
        for (QCheckBox *box : tabs()->widget(4)->findChildren<QCheckBox *>())
            QVERIFY(!box->isChecked());
    }

    void ioRanges_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("maximum");
        QTest::newRow("lower dead zone") << QStringLiteral("lowerDeadZoneSpinBox_") << 32767;
        QTest::newRow("upper dead zone") << QStringLiteral("upperDeadZoneSpinBox_") << 32767;
        QTest::newRow("smoothing") << QStringLiteral("analogSmoothingSpinBox_") << 100;
        QTest::newRow("button low") << QStringLiteral("analogButtonLowSpinBox_") << 100;
        QTest::newRow("button high") << QStringLiteral("analogButtonHighSpinBox_") << 100;
    }

    void ioRanges()
    {
        QFETCH(QString, prefix);
        QFETCH(int, maximum);
        openWindowWithPages();
        for (int axis = 1; axis <= 3; ++axis) {
            auto *spin = window->findChild<QSpinBox *>(prefix + QString::number(axis));
            QVERIFY(spin);
            QCOMPARE(spin->minimum(), 0);
            QCOMPARE(spin->maximum(), maximum);
            QCOMPARE(spin->singleStep(), 1);
        }
    }

    void captions_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *caption) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption);
        };
        row("read_effects_settings_button", "Read current effects settings from controller");
        row("apply_effect_settings_button", "Apply current effects settings to controller");
        row("save_effects_settings_button",
            "Save effects settings to controller's permanent memory");
        for (int page = 1; page <= 4; ++page) {
            const QByteArray n = QByteArray::number(page);
            QTest::newRow("read_hardware_settings_button_" + n)
                << QStringLiteral("read_hardware_settings_button_") + QString::number(page)
                << QStringLiteral("Read current hardware settings from controller");
            QTest::newRow("apply_hardware_settings_button_" + n)
                << QStringLiteral("apply_hardware_settings_button_") + QString::number(page)
                << QStringLiteral("Apply current hardware settings to controller");
            QTest::newRow("save_hardware_settings_button_" + n)
                << QStringLiteral("save_hardware_settings_button_") + QString::number(page)
                << QStringLiteral("Save hardware settings to controller's permanent memory");
        }
        row("dfu_mode_button", "Switch to DFU mode");
        row("reboot_button", "Reboot controller");
        row("groupBox", "GPIO modes (requires reboot)");
        row("label_6", "Pin 1");
        row("label_8", "Pin 2");
        row("label_9", "Pin 3");
        row("label_10", "Pin 4");
        row("label_12", "Pin 5");
        row("label_13", "Pin 6");
        row("label_14", "Pin 7");
        row("label_4", "Pin 8");
        row("label_22", "Encoder Z0");
        row("label_7", "Encoder Z1");
        row("groupBox_7", "Extensions (requires reboot)");
        row("spi_recommendations", "SPI recommendations");
        row("label_2", "- SCK line at PIN 3");
        row("label", "- MISO line at PIN 4");
        row("label_3", "- CS line at PIN 5");
        row("groupBox_2", "GPIO");
        row("groupBox_3", "Shift register 1");
        row("groupBox_4", "Shift register 2");
        row("groupBox_5", "Shift register 3");
        row("label_69", "Rx");
        row("label_67", "Ry");
        row("label_70", "Rz");
        row("label_66", "Lower dead zone");
        row("label_71", "Upper dead zone");
        row("label_68", "Smoothing(%)");
        row("label_16", "Button low(%)");
        row("label_11", "Button high(%)");
        row("analogAxisInvert_1", "Invert");
        row("analogAxisInvert_2", "Invert");
        row("analogAxisInvert_3", "Invert");
    }

    void captions()
    {
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        openWindowWithPages();
        // Several forms share generic names such as label_2; the main form's
        // own control is the one outside the two panels.
        QWidget *found = nullptr;
        for (QWidget *candidate : window->findChildren<QWidget *>(objectName)) {
            if (!effectsPanel()->isAncestorOf(candidate) &&
                !window->findChild<QWidget *>(QStringLiteral("hardware_settings_widget"))
                     ->isAncestorOf(candidate))
                found = candidate;
        }
        QVERIFY(found);
        QString text;
        if (auto *label = qobject_cast<QLabel *>(found))
            text = label->text();
        else if (auto *pressable = qobject_cast<QAbstractButton *>(found))
            text = shownText(pressable);
        else if (auto *group = qobject_cast<QGroupBox *>(found))
            text = group->title();
        QCOMPARE(text, caption);
    }

    void buttonCaptions()
    {
        openWindowWithPages();
        const QStringList groups{QStringLiteral("groupBox_2"), QStringLiteral("groupBox_3"),
                                 QStringLiteral("groupBox_4"), QStringLiteral("groupBox_5")};
        for (int b = 1; b <= BUTTON_COUNT; ++b) {
            auto *combo = window->findChild<QComboBox *>(QStringLiteral("buttonMode_%1").arg(b));
            QVERIFY(combo);
            auto *group = window->findChild<QGroupBox *>(groups[(b - 1) / 8]);
            QCOMPARE(combo->parentWidget(), group);
            auto *form = qobject_cast<QFormLayout *>(group->layout());
            QVERIFY(form);
            auto *label = qobject_cast<QLabel *>(form->labelForField(combo));
            QVERIFY(label);
            QCOMPARE(label->text(), QStringLiteral("Button %1").arg(b));
            QCOMPARE(label->minimumWidth(), 60);
        }
        for (int pin = 1; pin <= GPIO_PIN_COUNT; ++pin) {
            auto *combo =
                window->findChild<QComboBox *>(QStringLiteral("gpioModeCombo_%1").arg(pin));
            QVERIFY(combo);
            QCOMPARE(combo->minimumWidth(), 100);
            auto *form = window->findChild<QFormLayout *>(QStringLiteral("formLayout_9"));
            QCOMPARE(form->rowCount(), GPIO_PIN_COUNT);
            int row = -1;
            QFormLayout::ItemRole role;
            form->getWidgetPosition(combo, &row, &role);
            QCOMPARE(row, pin - 1);
            QCOMPARE(form->labelForField(combo)->minimumWidth(), 60);
        }
    }

    void noBoardConnected()
    {
        openWindow();
        // One full scan finds nothing; its report is queued before the next
        // scan starts opening again.
        const int attempts = Bus::openAttemptCount();
        QTRY_VERIFY_WITH_TIMEOUT(Bus::openAttemptCount() >= attempts + 6, REPORT_TIMEOUT_MS);
        QCoreApplication::processEvents();
        QCOMPARE(devices()->placeholderText(), NO_DEVICES);
        QCOMPARE(devices()->currentIndex(), -1);
        QVERIFY(pickableRows().isEmpty());
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
    }

    void listsConnectedBoards_data()
    {
        QTest::addColumn<QList<int>>("types");
        QTest::addColumn<QList<uint>>("versions");
        QTest::addColumn<QStringList>("rowTexts");

        QTest::newRow("joystick and rudder")
            << QList<int>{DEVICE_TYPE_JOYSTICK, DEVICE_TYPE_RUDDER}
            << QList<uint>{SUPPORTED_FIRMWARE_VERSION, OLDER_FIRMWARE}
            << QStringList{QStringLiteral("Gravolt Joystick (Version 240719)"),
                           QStringLiteral("Gravolt Rudder (Version 240718)")};
        QTest::newRow("generic, wheel and collective")
            << QList<int>{DEVICE_TYPE_GENERIC, DEVICE_TYPE_WHEEL, DEVICE_TYPE_COLLECTIVE}
            << QList<uint>{SUPPORTED_FIRMWARE_VERSION, SUPPORTED_FIRMWARE_VERSION, 7u}
            << QStringList{QStringLiteral("Gravolt Generic (Version 240719)"),
                           QStringLiteral("Gravolt Wheel PRO (Version 240719)"),
                           QStringLiteral("Gravolt Collective (Version 7)")};
        QTest::newRow("one wheel")
            << QList<int>{DEVICE_TYPE_WHEEL} << QList<uint>{4294967295u}
            << QStringList{QStringLiteral("Gravolt Wheel PRO (Version 4294967295)")};
    }

    void listsConnectedBoards()
    {
        QFETCH(QList<int>, types);
        QFETCH(QList<uint>, versions);
        QFETCH(QStringList, rowTexts);

        for (int i = 0; i < types.size(); ++i)
            Bus::plug(SimulatedBoard(productIdForDeviceType(uint8_t(types[i])), uint8_t(types[i]),
                                     versions[i]));
        openWindow();
        QVERIFY(waitForBoardCount(int(types.size())));

        // The row of a board is its device type, whatever order it answers in.
        QCOMPARE(pickableRows(), types);
        for (int i = 0; i < types.size(); ++i)
            QCOMPARE(devices()->itemText(types[i]), rowTexts[i]);
        QCOMPARE(devices()->currentIndex(), -1);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
    }

    void selectsMatchingBoard_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("joystick") << DEVICE_TYPE_JOYSTICK;
        QTest::newRow("rudder") << DEVICE_TYPE_RUDDER;
        QTest::newRow("wheel") << DEVICE_TYPE_WHEEL;
        QTest::newRow("collective") << DEVICE_TYPE_COLLECTIVE;
    }

    void selectsMatchingBoard()
    {
        QFETCH(int, type);
        const int pid = productIdForDeviceType(uint8_t(type));
        SimulatedBoard board(pid, uint8_t(type));
        const EffectSettingsTypeDef effects = showableEffects(type);
        board.setWorkingEffects(bytesOf(effects));
        Bus::plug(board);
        // A second board that must stay untouched.
        Bus::plug(SimulatedBoard(GENERIC_PID, DEVICE_TYPE_GENERIC));
        openWindow();
        QVERIFY(waitForBoardCount(2));

        selectMatchingBoard(type, pid);
        QCOMPARE(visiblePages(), QList<bool>(6, true));
        QVERIFY(bottomButtonsShown());
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(effects));
        // Selecting only reads: nothing was written to either board.
        for (const Transfer &t : Bus::transfers())
            QVERIFY(!t.isWrite());

        // The selection survives the reports that follow.
        const int reportsBefore = Bus::openAttemptCount();
        QTRY_VERIFY_WITH_TIMEOUT(Bus::openAttemptCount() >= reportsBefore + 3, REPORT_TIMEOUT_MS);
        QCoreApplication::processEvents();
        QCOMPARE(devices()->currentIndex(), type);
        QVERIFY(allPagesVisible());
        QVERIFY(bottomButtonsShown());
    }

    void selectsGenericBoardWithoutPages()
    {
        Bus::plug(SimulatedBoard(GENERIC_PID, DEVICE_TYPE_GENERIC));
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_GENERIC, GENERIC_PID);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsShown());
    }

    void versionMismatch_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<bool>("downloadsOpened");

        QTest::newRow("OK") << int(MessageBoxAnswerer::Ok) << true << false;
        QTest::newRow("Cancel") << int(MessageBoxAnswerer::Cancel) << false << false;
        QTest::newRow("Escape") << int(MessageBoxAnswerer::Escape) << false << false;
        QTest::newRow("box closed") << int(MessageBoxAnswerer::CloseWindow) << false << false;
        QTest::newRow("Latest version") << int(MessageBoxAnswerer::LatestVersion) << false << true;
    }

    void versionMismatch()
    {
        QFETCH(int, answer);
        QFETCH(bool, selected);
        QFETCH(bool, downloadsOpened);

        SimulatedBoard rudder(RUDDER_PID, DEVICE_TYPE_RUDDER, OLDER_FIRMWARE);
        const EffectSettingsTypeDef effects = showableEffects(3);
        rudder.setWorkingEffects(bytesOf(effects));
        Bus::plug(rudder);
        UrlCatcher browser;
        openWindow();
        QVERIFY(waitForBoardCount(1));
        Bus::clearTransfers();

        MessageBoxAnswerer answerer{MessageBoxAnswerer::Answer(answer)};
        pickDevice(*window, DEVICE_TYPE_RUDDER);
        QCOMPARE(answerer.boxesSeen, 1);
        QCOMPARE(answerer.title, QStringLiteral("Version mismatch!"));
        QCOMPARE(answerer.text,
                 QStringLiteral("Device firmware and Gravolt Setup have different versions. "
                                "Changing settings with incompatible software can cause "
                                "unexpected device behaviour.\n\n**Consider using matching "
                                "versions of Gravolt Setup and firmware.**"));
        QCOMPARE(answerer.textFormat, Qt::MarkdownText);
        QCOMPARE(answerer.icon, QMessageBox::Warning);
        QVERIFY(!answerer.hasParent);
        QCOMPARE(answerer.buttonTexts.size(), 3);
        const int latest = int(answerer.buttonTexts.indexOf(QStringLiteral("Latest version")));
        QVERIFY(latest >= 0);
        QCOMPARE(answerer.buttonRoles[latest], int(QMessageBox::ActionRole));
        QVERIFY(answerer.buttonRoles.contains(int(QMessageBox::AcceptRole)));
        QVERIFY(answerer.buttonRoles.contains(int(QMessageBox::RejectRole)));
        QCOMPARE(answerer.focusedButtonText, QStringLiteral("Latest version"));

        QCOMPARE(browser.urls.isEmpty(), !downloadsOpened);
        if (downloadsOpened) {
            QCOMPARE(browser.urls, QList<QUrl>{QUrl(DOWNLOADS_PAGE_URL)});
            QVERIFY(DOWNLOADS_PAGE_URL.startsWith(QLatin1String("https://")));
            QVERIFY(DOWNLOADS_PAGE_URL.endsWith(QLatin1String("/docs/en/downloads.html")));
        }

        if (selected) {
            QCOMPARE(visiblePages(), QList<bool>(6, true));
            QVERIFY(bottomButtonsShown());
            QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(effects));
        } else {
            QVERIFY(!anyPageVisible());
            QVERIFY(bottomButtonsHidden());
            // The next report shows the placeholder again.
            QVERIFY(waitForBoardCount(1));
            QCOMPARE(devices()->currentIndex(), -1);
            QCoreApplication::processEvents();
            for (const Transfer &t : Bus::transfers())
                QVERIFY(t.reportId() == REPORT_ID_DEVICE_INFO);
        }
    }

    void versionMismatchForBoardThatLeaves()
    {
        // The box keeps the event loop going; if the board disappears
        // meanwhile, OK must not bring up the pages of a board that is gone.
        SimulatedBoard rudder(RUDDER_PID, DEVICE_TYPE_RUDDER, OLDER_FIRMWARE);
        Bus::plug(rudder);
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        openWindow();
        QVERIFY(waitForBoardCount(2));

        MessageBoxAnswerer answerer(MessageBoxAnswerer::Ok, [&](QMessageBox *) {
            Bus::unplug(rudder);
            QVERIFY(waitForBoardCount(1));
        });
        pickDevice(*window, DEVICE_TYPE_RUDDER);
        QCOMPARE(answerer.boxesSeen, 1);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
        QCOMPARE(devices()->currentIndex(), -1);
        for (const Transfer &t : Bus::transfersFor(RUDDER_PID))
            QCOMPARE(t.reportId(), REPORT_ID_DEVICE_INFO);
    }

    void rowOfAbsentBoardWarnsAboutVersion0()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        openWindow();
        QVERIFY(waitForBoardCount(1));

        MessageBoxAnswerer answerer(MessageBoxAnswerer::Ok);
        pickDevice(*window, DEVICE_TYPE_WHEEL);
        QCOMPARE(answerer.boxesSeen, 1);
        // OK goes on with the all-zero record: a generic board without pages.
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsShown());
        // The next report does not list it, which ends the selection.
        QTRY_VERIFY_WITH_TIMEOUT(bottomButtonsHidden(), REPORT_TIMEOUT_MS);
        QCOMPARE(devices()->currentIndex(), -1);
    }

    void rowOutsideTheListResetsSelection()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        emit devices()->activated(-1);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
    }

    void pickingCurrentBoardAgainClearsSelection()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);

        MessageBoxAnswerer guard(MessageBoxAnswerer::Cancel);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
        QVERIFY(waitForBoardCount(1));
        QCOMPARE(devices()->currentIndex(), -1);

        // Once more: selected anew, with new reads.
        Bus::clearTransfers();
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QVERIFY(allPagesVisible());
        QVERIFY(bottomButtonsShown());
        QCOMPARE(guard.boxesSeen, 0);
    }

    void switchesBetweenBoards()
    {
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        SimulatedBoard collective(COLLECTIVE_PID, DEVICE_TYPE_COLLECTIVE);
        const EffectSettingsTypeDef joystickEffects = showableEffects(1);
        const EffectSettingsTypeDef collectiveEffects = showableEffects(9);
        joystick.setWorkingEffects(bytesOf(joystickEffects));
        collective.setWorkingEffects(bytesOf(collectiveEffects));
        Bus::plug(joystick);
        Bus::plug(collective);
        openWindow();
        QVERIFY(waitForBoardCount(2));

        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(joystickEffects));
        selectMatchingBoard(DEVICE_TYPE_COLLECTIVE, COLLECTIVE_PID);
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(collectiveEffects));
        QVERIFY(allPagesVisible());

        // Requests now go to the collective only.
        Bus::clearTransfers();
        button("apply_effect_settings_button")->click();
        QTRY_COMPARE(recordsWritten(COLLECTIVE_PID, COMMAND_WRITE_EFFECT_SETTINGS).size(), 1);
        QVERIFY(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_EFFECT_SETTINGS).isEmpty());
    }

    void unplugResetsWindow_data()
    {
        QTest::addColumn<bool>("secondBoard");
        QTest::newRow("last board") << false;
        QTest::newRow("one board remains") << true;
    }

    void unplugResetsWindow()
    {
        QFETCH(bool, secondBoard);
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(joystick);
        if (secondBoard)
            Bus::plug(SimulatedBoard(RUDDER_PID, DEVICE_TYPE_RUDDER));
        openWindow();
        QVERIFY(waitForBoardCount(secondBoard ? 2 : 1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);

        Bus::unplug(joystick);
        QVERIFY(waitForBoardCount(secondBoard ? 1 : 0));
        QCOMPARE(devices()->currentIndex(), -1);
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
        QCOMPARE(pickableRows(), secondBoard ? QList<int>{DEVICE_TYPE_RUDDER} : QList<int>{});
    }

    void pluggingAnotherBoardKeepsSelection()
    {
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick.setWorkingEffects(bytesOf(showableEffects(2)));
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(showableEffects(2)));

        Bus::plug(SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL));
        QTRY_COMPARE_WITH_TIMEOUT(pickableRows(),
                                  (QList<int>{DEVICE_TYPE_JOYSTICK, DEVICE_TYPE_WHEEL}),
                                  REPORT_TIMEOUT_MS);
        QCOMPARE(devices()->currentIndex(), DEVICE_TYPE_JOYSTICK);
        QCOMPARE(devices()->itemText(DEVICE_TYPE_WHEEL),
                 QStringLiteral("Gravolt Wheel PRO (Version 240719)"));
        QVERIFY(allPagesVisible());
        QVERIFY(bottomButtonsShown());
        QCOMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(showableEffects(2)));
        for (const Transfer &t : Bus::transfersFor(WHEEL_PID))
            QCOMPARE(t.reportId(), REPORT_ID_DEVICE_INFO);
    }

    void effectRequests_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QList<int>>("expectedConversation");
        QTest::addColumn<bool>("stored");

        QTest::newRow("apply") << QStringLiteral("apply_effect_settings_button")
                               << QList<int>{COMMAND_WRITE_EFFECT_SETTINGS, REPORT_ID_BUSY_STATUS}
                               << false;
        QTest::newRow("save") << QStringLiteral("save_effects_settings_button")
                              << QList<int>{COMMAND_WRITE_EFFECT_SETTINGS, REPORT_ID_BUSY_STATUS,
                                            COMMAND_STORE_PERMANENTLY, REPORT_ID_BUSY_STATUS}
                              << true;
    }

    void effectRequests()
    {
        QFETCH(QString, buttonName);
        QFETCH(QList<int>, expectedConversation);
        QFETCH(bool, stored);

        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick.setWorkingEffects(bytesOf(showableEffects(0)));
        // Reserved bytes the board keeps must not travel back.
        QByteArray permanent = joystick.permanentEffects();
        permanent.fill('\x5A');
        joystick.setPermanentEffects(permanent);
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(showableEffects(0)));

        // What the user changes in the form is what goes out.
        EffectSettingsTypeDef edited = showableEffects(5);
        effectsPanel()->setEffectSettings(edited);
        QCOMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(edited));

        Bus::clearTransfers();
        window->findChild<QPushButton *>(buttonName)->click();
        // Nothing leaves before the click handler has returned.
        QVERIFY(Bus::transfers().isEmpty());
        QTRY_COMPARE(conversation(JOYSTICK_PID), expectedConversation);
        QCOMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_EFFECT_SETTINGS),
                 QList<QByteArray>{bytesOf(edited)});
        QCOMPARE(joystick.workingEffects(), bytesOf(edited));
        QCOMPARE(joystick.permanentEffects() == bytesOf(edited), stored);
    }

    void readEffectsButtonReloadsForm()
    {
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick.setWorkingEffects(bytesOf(showableEffects(0)));
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(showableEffects(0)));

        joystick.setWorkingEffects(bytesOf(showableEffects(7)));
        Bus::clearTransfers();
        button("read_effects_settings_button")->click();
        QTRY_COMPARE(bytesOf(effectsPanel()->getEffectSettings()), bytesOf(showableEffects(7)));
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            QVERIFY(!t.isWrite());
    }

    void requestsWithoutSelectionSendNothing_data()
    {
        QTest::addColumn<QString>("buttonName");
        for (const char *name :
             {"read_effects_settings_button", "apply_effect_settings_button",
              "save_effects_settings_button", "read_hardware_settings_button_1",
              "apply_hardware_settings_button_2", "save_hardware_settings_button_3",
              "read_hardware_settings_button_4", "reboot_button", "dfu_mode_button"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void requestsWithoutSelectionSendNothing()
    {
        QFETCH(QString, buttonName);
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(joystick);
        openWindowWithPages();
        QVERIFY(waitForBoardCount(1));
        const QByteArray effectsBefore = joystick.workingEffects();
        const QByteArray hardwareBefore = joystick.workingHardware();

        Bus::clearTransfers();
        window->findChild<QPushButton *>(buttonName)->click();
        // Let the request run, then a full scan after it.
        const int polled = int(Bus::transfers().size());
        QTRY_VERIFY_WITH_TIMEOUT(Bus::transfers().size() > polled, REPORT_TIMEOUT_MS);
        for (const Transfer &t : Bus::transfers())
            QCOMPARE(t.reportId(), REPORT_ID_DEVICE_INFO);
        QCOMPARE(joystick.workingEffects(), effectsBefore);
        QCOMPARE(joystick.workingHardware(), hardwareBefore);
        QCOMPARE(joystick.rebootCount(), 0);
        QVERIFY(!joystick.inDfuMode());
    }

    void sendsValuesOfTheClick_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::newRow("apply") << QStringLiteral("apply_effect_settings_button");
        QTest::newRow("save") << QStringLiteral("save_effects_settings_button");
    }

    void sendsValuesOfTheClick()
    {
        QFETCH(QString, buttonName);
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_VERIFY(!Bus::transfersFor(JOYSTICK_PID).isEmpty());

        const EffectSettingsTypeDef atClick = showableEffects(4);
        effectsPanel()->setEffectSettings(atClick);
        window->findChild<QPushButton *>(buttonName)->click();
        effectsPanel()->setEffectSettings(showableEffects(12));

        QTRY_COMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_EFFECT_SETTINGS).size(), 1);
        QCOMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_EFFECT_SETTINGS).first(),
                 bytesOf(atClick));
    }

    void rebootAndDfu_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("offBusMs");  // how long a rebooted board stays away
        QTest::newRow("reboot") << QStringLiteral("reboot_button") << int(COMMAND_REBOOT) << 60000;
        QTest::newRow("reboot, board back")
            << QStringLiteral("reboot_button") << int(COMMAND_REBOOT) << 1500;
        QTest::newRow("DFU") << QStringLiteral("dfu_mode_button") << int(COMMAND_SWITCH_TO_DFU)
                             << 60000;
    }

    void rebootAndDfu()
    {
        QFETCH(QString, buttonName);
        QFETCH(int, command);
        QFETCH(int, offBusMs);
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick.setRebootDuration(std::chrono::milliseconds(offBusMs));
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);

        Bus::clearTransfers();
        QuestionAnswerer guard(QMessageBox::DestructiveRole);
        window->findChild<QPushButton *>(buttonName)->click();
        // DFU mode takes the board away until it is flashed, so it is always
        // confirmed; a reboot with nothing to lose is not. No wait for the
        // board, and nothing in the window changes until it drops off the bus.
        QTRY_COMPARE(conversation(JOYSTICK_PID), QList<int>{command});
        QCOMPARE(guard.seen,
                 command == COMMAND_SWITCH_TO_DFU ? QStringList{"dfu_question"} : QStringList());
        QVERIFY(bottomButtonsShown());
        QCOMPARE(joystick.rebootCount(), command == COMMAND_REBOOT ? 1 : 0);
        QCOMPARE(joystick.inDfuMode(), command == COMMAND_SWITCH_TO_DFU);

        auto *status = window->findChild<QLabel *>(QStringLiteral("operation_status_label"));
        if (offBusMs < 60000) {
            // Back on its port: picked and read again, and the time it took told.
            QTRY_VERIFY_WITH_TIMEOUT(status->text().contains(QLatin1String("is back after")),
                                     10000);
            QVERIFY2(status->text().contains(QLatin1String("read again")),
                     qPrintable(status->text()));
            QCOMPARE(window->currentDevice(), JOYSTICK_PID);
            int reads = 0;
            for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
                reads += t.reportId() == REPORT_ID_EFFECT_SETTINGS ||
                         t.reportId() == REPORT_ID_HARDWARE_SETTINGS;
            QCOMPARE(reads, 2);
            return;
        }
        if (command != COMMAND_SWITCH_TO_DFU) {
            QVERIFY(waitForBoardCount(0));
        } else {
            // The board's row goes; its bootloader's entry takes its place.
            QVERIFY(QTest::qWaitFor(
                [&] {
                    const QList<int> rows = pickableRows();
                    return devices()->currentIndex() == -1 && rows.size() == 1 &&
                           devices()
                               ->itemText(rows.first())
                               .contains(
                                   QStringLiteral("Gravolt Joystick — waiting in its bootloader"));
                },
                REPORT_TIMEOUT_MS));
        }
        QVERIFY(!anyPageVisible());
        QVERIFY(bottomButtonsHidden());
        // A board sent to DFU mode succeeds once it has left the list.
        if (command == COMMAND_SWITCH_TO_DFU)
            QTRY_VERIFY(status->text().contains(QLatin1String("waits for a firmware update")));
    }

    void writeButtonsNeedARead_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("effects");
        QTest::addColumn<bool>("hardware");
        QTest::newRow("nothing picked") << "unpicked" << false << false;
        QTest::newRow("both reads succeeded") << "" << true << true;
        QTest::newRow("reads refused") << "fail-reads" << false << false;
        QTest::newRow("reads short") << "short" << false << false;
        QTest::newRow("effects read again, refused") << "re-read fails" << false << true;
        QTest::newRow("deselected") << "deselect" << false << false;
        QTest::newRow("board lost") << "unplug" << false << false;
        QTest::newRow("another board picked, its reads refused")
            << "switch to failing" << false << false;
    }

    // Apply and Save of a group are offered only for a record read from the
    // selected board, so no byte the user did not choose reaches it.
    void writeButtonsNeedARead()
    {
        QFETCH(QString, situation);
        QFETCH(bool, effects);
        QFETCH(bool, hardware);
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        SimulatedBoard wheel(WHEEL_PID, DEVICE_TYPE_WHEEL);
        if (situation == "fail-reads")
            joystick.setFailSettingsReads(true);
        if (situation == "short")
            joystick.setShortReads(FIRMWARE_INFO_SIZE);
        wheel.setFailSettingsReads(true);
        Bus::plug(joystick);
        Bus::plug(wheel);
        openWindow();
        QVERIFY(waitForBoardCount(2));
        if (situation != "unpicked")
            selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        else
            window->ensurePages();  // built with no board, they offer no write
        if (situation == "re-read fails") {
            joystick.setFailSettingsReads(true);
            button("read_effects_settings_button")->click();
            QTRY_VERIFY(statusLabel()->property("failure").toBool());
        } else if (situation == "deselect") {
            pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        } else if (situation == "unplug") {
            Bus::unplug(joystick);
            QVERIFY(waitForBoardCount(1));
        } else if (situation == "switch to failing") {
            selectMatchingBoard(DEVICE_TYPE_WHEEL, WHEEL_PID);
        }
        QTest::qWait(0);

        QCOMPARE(button("apply_effect_settings_button")->isEnabled(), effects);
        QCOMPARE(button("save_effects_settings_button")->isEnabled(), effects);
        for (int page = 1; page <= 4; ++page) {
            const QByteArray apply = "apply_hardware_settings_button_" + QByteArray::number(page);
            const QByteArray save = "save_hardware_settings_button_" + QByteArray::number(page);
            QCOMPARE(button(apply.constData())->isEnabled(), hardware);
            QCOMPARE(button(save.constData())->isEnabled(), hardware);
        }
        const bool readFailed = situation == "fail-reads" || situation == "short" ||
                                situation.startsWith("re-read") || situation.startsWith("switch");
        QCOMPARE(statusLabel()->property("failure").toBool(), readFailed);
        if (readFailed)
            QVERIFY2(statusLabel()->text().contains("could not be read"),
                     qPrintable(statusLabel()->text()));
    }

    // A save whose record did not go out whole sends no store command and
    // says so twice: in a message box and, until the next operation, in the
    // status bar.
    void failedSaveIsReported()
    {
        SimulatedBoard joystick(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(joystick);
        openWindow();
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        QTRY_VERIFY(statusLabel()->text().contains("Hardware settings read from Gravolt Joystick"));
        QVERIFY(!statusLabel()->property("failure").toBool());
        const QByteArray permanentBefore = joystick.permanentEffects();

        joystick.setFailRecordReportsFrom(3);
        Bus::clearTransfers();
        MessageBoxAnswerer guard(MessageBoxAnswerer::Ok);
        button("save_effects_settings_button")->click();
        QTRY_COMPARE(guard.boxesSeen, 1);
        QVERIFY2(guard.text.contains("may not be stored on Gravolt Joystick"),
                 qPrintable(guard.text));
        QVERIFY2(guard.text.contains("report 3 of 8"), qPrintable(guard.text));
        QCOMPARE(guard.icon, QMessageBox::Warning);
        // Two reports taken, the third refused, then nothing: no terminator,
        // no busy poll, no store command.
        QList<int> writeResults;
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            if (t.isWrite())
                writeResults << t.result;
        QCOMPARE(writeResults,
                 QList<int>({WRITE_REPORT_SIZE, WRITE_REPORT_SIZE, int(LIBUSB_ERROR_PIPE)}));
        QVERIFY(conversation(JOYSTICK_PID).isEmpty());
        QCOMPARE(joystick.permanentEffects(), permanentBefore);
        QVERIFY(statusLabel()->property("failure").toBool());
        QVERIFY2(statusLabel()->text().contains(
                     "Failed: Effect settings could not be saved to Gravolt Joystick"),
                 qPrintable(statusLabel()->text()));

        // It stays through scans, and the next operation replaces it.
        QTest::qWait(1500);
        QVERIFY(statusLabel()->property("failure").toBool());
        joystick.setFailRecordReportsFrom(0);
        button("save_effects_settings_button")->click();
        QTRY_VERIFY(!statusLabel()->property("failure").toBool());
        QVERIFY2(statusLabel()->text().contains(
                     "Effect settings saved to the permanent memory of Gravolt Joystick"),
                 qPrintable(statusLabel()->text()));
        QCOMPARE(guard.boxesSeen, 1);
    }

    void staysBasicWithoutAdvancedArgument()
    {
        Bus::plug(SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK));
        openWindow();
        QVERIFY(!window->isAdvancedMode());
        QVERIFY(waitForBoardCount(1));
        selectMatchingBoard(DEVICE_TYPE_JOYSTICK, JOYSTICK_PID);
        tabs()->setCurrentIndex(1);
        auto *gain = window->findChild<QWidget *>(QStringLiteral("amplifier_gain"));
        QVERIFY(gain);
        QVERIFY(!gain->isVisibleTo(window.get()));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/changetracker.h"
#include "ui/fulleffectsettingswidget.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int JOYSTICK_PID = BOARD_PRODUCT_ID_JOYSTICK;
constexpr int WHEEL_PID = BOARD_PRODUCT_ID_WHEEL;
constexpr int REPORT_TIMEOUT_MS = 5000;

// What the board heard apart from the scans: writes and settings reads.
int settingsTransfers(int productId)
{
    int n = 0;
    for (const Transfer &t : Bus::transfersFor(productId))
        n += t.isWrite() || t.reportId() == REPORT_ID_EFFECT_SETTINGS ||
             t.reportId() == REPORT_ID_HARDWARE_SETTINGS;
    return n;
}

}  // namespace

class TestUnsavedChanges : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    SimulatedBoard joystick{JOYSTICK_PID, DEVICE_TYPE_JOYSTICK};
    SimulatedBoard wheel{WHEEL_PID, DEVICE_TYPE_WHEEL};

    template <typename T = QWidget> T *find(const QString &name) const
    {
        auto *found = window->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    QPushButton *button(const QString &name) const { return find<QPushButton>(name); }

    // Every value the five pages show, to prove that nothing changed.
    QStringList formState() const
    {
        QStringList values;
        for (const QSpinBox *box : window->findChildren<QSpinBox *>())
            values << QString::number(box->value());
        for (const QComboBox *box : window->findChildren<QComboBox *>())
            if (box->objectName() != QLatin1String("devices_combo_box"))
                values << QString::number(box->currentIndex());
        for (const QCheckBox *box : window->findChildren<QCheckBox *>())
            values << QString::number(box->isChecked());
        return values;
    }

    QStringList tabCaptions() const
    {
        auto *tabs = find<QTabWidget>(QStringLiteral("main_tab_widget"));
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        return captions;
    }

    bool writable() const
    {
        return button(QStringLiteral("apply_effect_settings_button"))->isEnabled() &&
               button(QStringLiteral("apply_hardware_settings_button_1"))->isEnabled();
    }

    // Opens the window with a joystick and a wheel, picks the joystick and
    // waits until both of its records have been read.
    void openOnJoystick()
    {
        Bus::plug(joystick);
        Bus::plug(wheel);
        window = std::make_unique<MainWindow>();
        window->show();
        auto *devices = find<QComboBox>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->placeholderText().contains(QLatin1String("2 connected")),
                                 REPORT_TIMEOUT_MS);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        QTRY_VERIFY_WITH_TIMEOUT(writable(), REPORT_TIMEOUT_MS);
    }

    void editEffects() { find<QSpinBox>(QStringLiteral("total_effect_scale_axis0"))->stepBy(1); }
    void editGpio()
    {
        auto *pin = find<QComboBox>(QStringLiteral("gpioModeCombo_1"));
        pin->setCurrentIndex(pin->currentIndex() == GPIO_MODE_DISABLED ? GPIO_MODE_GENERIC_BUTTON
                                                                       : GPIO_MODE_DISABLED);
    }

    void runAction(const QString &action)
    {
        if (action == "read effects")
            button(QStringLiteral("read_effects_settings_button"))->click();
        else if (action == "read hardware")
            button(QStringLiteral("read_hardware_settings_button_3"))->click();
        else if (action == "pick the other board")
            pickDevice(*window, DEVICE_TYPE_WHEEL);
        else if (action == "deselect")
            pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        else if (action == "close the window")
            window->close();
        else if (action == "reboot")
            button(QStringLiteral("reboot_button"))->click();
        else if (action == "DFU")
            button(QStringLiteral("dfu_mode_button"))->click();
        else if (action == "load a profile")
            QMetaObject::invokeMethod(find(QStringLiteral("effects_settings_widget")),
                                      "applyProfile", Q_ARG(QString, QStringLiteral("Race")));
        else
            QFAIL(qPrintable(action));
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal|no control")));
        workDir = std::make_unique<QTemporaryDir>();
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir->path()));
        Bus::reset();
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick.setRebootDuration(std::chrono::seconds(60));
        wheel = SimulatedBoard(WHEEL_PID, DEVICE_TYPE_WHEEL);
    }

    void cleanup()
    {
        window.reset();
        Bus::reset();
        QDir::setCurrent(previousDir);
        workDir.reset();
    }

    // Every action that can lose something asks first, and only then, and
    // Cancel keeps the form, the selection and the board as they were.
    void asksOnlyBeforeLoss_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("edit");  // none, effects, gpio
        QTest::addColumn<QString>("question");

        QTest::newRow("read effects over edits") << "read effects"
                                                 << "effects"
                                                 << "read_over_edits_question";
        QTest::newRow("read effects, no edits") << "read effects"
                                                << "none"
                                                << "";
        QTest::newRow("read hardware over edits") << "read hardware"
                                                  << "gpio"
                                                  << "read_over_edits_question";
        QTest::newRow("read hardware, effects edited") << "read hardware"
                                                       << "effects"
                                                       << "";
        QTest::newRow("other board over edits") << "pick the other board"
                                                << "gpio"
                                                << "unsaved_board_question";
        QTest::newRow("other board, no edits") << "pick the other board"
                                               << "none"
                                               << "";
        QTest::newRow("deselect over edits") << "deselect"
                                             << "effects"
                                             << "unsaved_board_question";
        QTest::newRow("close over edits") << "close the window"
                                          << "gpio"
                                          << "unsaved_board_question";
        QTest::newRow("close, no edits") << "close the window"
                                         << "none"
                                         << "";
        QTest::newRow("reboot over edits") << "reboot"
                                           << "gpio"
                                           << "reboot_question";
        QTest::newRow("reboot, no edits") << "reboot"
                                          << "none"
                                          << "";
        QTest::newRow("DFU, no edits") << "DFU"
                                       << "none"
                                       << "dfu_question";
        QTest::newRow("profile over edits") << "load a profile"
                                            << "effects"
                                            << "profile_load_question";
        QTest::newRow("profile, no edits") << "load a profile"
                                           << "none"
                                           << "";
    }

    void asksOnlyBeforeLoss()
    {
        QFETCH(QString, action);
        QFETCH(QString, edit);
        QFETCH(QString, question);

        openOnJoystick();
        if (action == "load a profile") {
            auto *name = find<QComboBox>(QStringLiteral("profile_combo_box"));
            name->setEditText(QStringLiteral("Race"));
            button(QStringLiteral("profile_save_button"))->click();
        }
        if (edit == "effects")
            editEffects();
        else if (edit == "gpio")
            editGpio();
        QTRY_COMPARE(tabCaptions().join(' ').contains(ChangeTracker::tabMark()), edit != "none");

        const QStringList form = formState();
        Bus::clearTransfers();
        QuestionAnswerer answerer(QMessageBox::RejectRole);
        runAction(action);
        QTest::qWait(50);  // a question comes from the click itself; this lets a request start

        QCOMPARE(answerer.seen, question.isEmpty() ? QStringList() : QStringList{question});
        if (question.isEmpty()) {
            // Nothing to lose: the action goes ahead.
            if (action.startsWith("read"))
                QTRY_VERIFY(settingsTransfers(JOYSTICK_PID) > 0);
            else if (action == "pick the other board")
                QTRY_COMPARE(window->currentDevice(), WHEEL_PID);
            else if (action == "close the window")
                QVERIFY(!window->isVisible());
            else if (action == "reboot")
                QTRY_COMPARE(joystick.rebootCount(), 1);
            return;
        }
        QCOMPARE(answerer.defaultRoles.value(0), QMessageBox::RejectRole);
        QCOMPARE(formState(), form);
        QCOMPARE(window->currentDevice(), JOYSTICK_PID);
        QCOMPARE(find<QComboBox>(QStringLiteral("devices_combo_box"))->currentIndex(),
                 int(DEVICE_TYPE_JOYSTICK));
        QVERIFY(window->isVisible());
        QTest::qWait(50);
        QCOMPARE(settingsTransfers(JOYSTICK_PID), 0);
        QCOMPARE(settingsTransfers(WHEEL_PID), 0);
        QCOMPARE(joystick.rebootCount(), 0);
        QVERIFY(!joystick.inDfuMode());
    }

    // The form is compared with the board's record by the bytes it would
    // send: a value typed and typed back is no change; apply takes the mark.
    void marksFollowTheBytes()
    {
        openOnJoystick();
        const QStringList clean = tabCaptions();
        auto *deadZone = find<QSpinBox>(QStringLiteral("lowerDeadZoneSpinBox_2"));
        const int was = deadZone->value();
        deadZone->setValue(was == 0 ? 1 : 0);
        QTRY_VERIFY(tabCaptions() != clean);
        // All four hardware pages carry the mark, the effects page does not.
        const QStringList marked = tabCaptions();
        QCOMPARE(marked.at(0), clean.at(0));
        for (int page = 1; page <= 4; ++page)
            QCOMPARE(marked.at(page), clean.at(page) + ChangeTracker::tabMark());

        deadZone->setValue(was);
        QTRY_COMPARE(tabCaptions(), clean);

        deadZone->setValue(was == 0 ? 1 : 0);
        QTRY_VERIFY(tabCaptions() != clean);
        button(QStringLiteral("apply_hardware_settings_button_4"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(tabCaptions(), clean, REPORT_TIMEOUT_MS);
    }

    // Applied settings are lost at power-off until a save of their group
    // succeeds; a failed save leaves the notice, and the question on leaving.
    void appliedNotSavedUntilASaveSucceeds()
    {
        openOnJoystick();
        const auto notice = [this](int page) {
            return !find<QLabel>(QStringLiteral("hardware_applied_not_saved_notice_%1").arg(page))
                        ->isHidden();
        };
        QVERIFY(!notice(1));
        editGpio();
        button(QStringLiteral("apply_hardware_settings_button_2"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(notice(1) && notice(4), REPORT_TIMEOUT_MS);
        QVERIFY(find<QLabel>(QStringLiteral("effects_applied_not_saved_notice"))->isHidden());
        QCOMPARE(find<QLabel>(QStringLiteral("hardware_applied_not_saved_notice_2"))->text(),
                 QStringLiteral("Applied, not saved: lost when the board loses power"));

        {
            // The record's first report fails: nothing is stored.
            QuestionAnswerer answerer(QMessageBox::AcceptRole);
            joystick.setFailRecordReportsFrom(1);
            button(QStringLiteral("save_hardware_settings_button_1"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(!answerer.seen.isEmpty(), REPORT_TIMEOUT_MS);
            QVERIFY(notice(1));
            joystick.setFailRecordReportsFrom(0);
        }
        {
            QuestionAnswerer answerer(QMessageBox::RejectRole);
            window->close();
            QCOMPARE(answerer.seen, QStringList{"unsaved_board_question"});
            QVERIFY(window->isVisible());
        }

        button(QStringLiteral("save_hardware_settings_button_1"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!notice(1) && !notice(4), REPORT_TIMEOUT_MS);
        QuestionAnswerer answerer(QMessageBox::RejectRole);
        window->close();
        QVERIFY(answerer.seen.isEmpty());
        QVERIFY(!window->isVisible());
    }

    // "Save to board" saves each group at risk and goes on only when every
    // save succeeded.
    void savingBeforeLeaving_data()
    {
        QTest::addColumn<bool>("saveFails");
        QTest::newRow("saves succeed") << false;
        QTest::newRow("a save fails") << true;
    }

    void savingBeforeLeaving()
    {
        QFETCH(bool, saveFails);
        openOnJoystick();
        editEffects();
        editGpio();
        const QStringList form = formState();
        Bus::clearTransfers();
        if (saveFails)
            joystick.setFailRecordReportsFrom(1);

        QuestionAnswerer answerer(QMessageBox::AcceptRole);
        pickDevice(*window, DEVICE_TYPE_WHEEL);
        QCOMPARE(answerer.seen.value(0), QStringLiteral("unsaved_board_question"));
        if (saveFails) {
            QCOMPARE(window->currentDevice(), JOYSTICK_PID);
            QCOMPARE(formState(), form);
            QVERIFY(!conversation(JOYSTICK_PID).contains(COMMAND_STORE_PERMANENTLY));
            return;
        }
        QCOMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_EFFECT_SETTINGS).size(), 1);
        QCOMPARE(recordsWritten(JOYSTICK_PID, COMMAND_WRITE_HARDWARE_SETTINGS).size(), 1);
        QCOMPARE(conversation(JOYSTICK_PID).count(COMMAND_STORE_PERMANENTLY), 2);
        QTRY_COMPARE(window->currentDevice(), WHEEL_PID);
    }

    // The board's store command keeps everything in effect: a Save of one
    // group while the other is applied but unsaved asks first, and once it
    // went through both groups count as saved.
    void aSaveStoresEverythingInEffect_data()
    {
        QTest::addColumn<QString>("applied");  // none, effects, hardware
        QTest::addColumn<QString>("saved");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<bool>("asked");
        QTest::newRow("hardware tried, effects saved") << "hardware"
                                                       << "effects" << true << true;
        QTest::newRow("hardware tried, effects save cancelled") << "hardware"
                                                                << "effects" << false << true;
        QTest::newRow("effects tried, hardware saved") << "effects"
                                                       << "hardware" << true << true;
        QTest::newRow("hardware tried, hardware saved") << "hardware"
                                                        << "hardware" << false << false;
        QTest::newRow("nothing tried") << "none"
                                       << "effects" << false << false;
    }

    void aSaveStoresEverythingInEffect()
    {
        QFETCH(QString, applied);
        QFETCH(QString, saved);
        QFETCH(bool, agree);
        QFETCH(bool, asked);
        openOnJoystick();
        const auto notice = [this](const char *name) {
            return !find<QLabel>(QString::fromLatin1(name))->isHidden();
        };
        const char *effectsNotice = "effects_applied_not_saved_notice";
        const char *hardwareNotice = "hardware_applied_not_saved_notice_3";
        if (applied == "effects") {
            editEffects();
            button(QStringLiteral("apply_effect_settings_button"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(notice(effectsNotice), REPORT_TIMEOUT_MS);
        } else if (applied == "hardware") {
            editGpio();
            button(QStringLiteral("apply_hardware_settings_button_2"))->click();
            QTRY_VERIFY_WITH_TIMEOUT(notice(hardwareNotice), REPORT_TIMEOUT_MS);
        }
        const QByteArray appliedHardware = joystick.workingHardware();
        Bus::clearTransfers();

        QuestionAnswerer answerer(agree ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        button(saved == "effects" ? QStringLiteral("save_effects_settings_button")
                                  : QStringLiteral("save_hardware_settings_button_1"))
            ->click();
        QCOMPARE(answerer.seen, asked ? QStringList{"save_stores_all_question"} : QStringList());
        if (asked) {
            QCOMPARE(answerer.defaultRoles.value(0), QMessageBox::RejectRole);
            QVERIFY(answerer.texts.value(0).contains(applied == "effects"
                                                         ? QLatin1String("Effect settings")
                                                         : QLatin1String("Hardware settings")));
        }
        const bool stores = agree || !asked;
        if (stores) {
            QTRY_COMPARE_WITH_TIMEOUT(conversation(JOYSTICK_PID).count(COMMAND_STORE_PERMANENTLY),
                                      1, REPORT_TIMEOUT_MS);
            if (applied == "hardware")
                QCOMPARE(joystick.permanentHardware(), appliedHardware);
        } else {
            QTest::qWait(50);
            QCOMPARE(conversation(JOYSTICK_PID).count(COMMAND_STORE_PERMANENTLY), 0);
        }
        QTRY_COMPARE(notice(effectsNotice), !stores && applied == "effects");
        QTRY_COMPARE(notice(hardwareNotice), !stores && applied == "hardware");
    }

    // Until a group is read from the board picked, its pages show none of
    // another board's values (nor zeros) and nothing there can be edited.
    void aFailedReadShowsNoForeignValue()
    {
        openOnJoystick();
        joystick.setFailSettingsReads(true);
        wheel.setFailSettingsReads(false);
        pickDevice(*window, DEVICE_TYPE_WHEEL);
        QTRY_VERIFY_WITH_TIMEOUT(writable(), REPORT_TIMEOUT_MS);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        auto *effects = find<QWidget>(QStringLiteral("effects_unread_notice"));
        QTRY_VERIFY_WITH_TIMEOUT(effects->isVisible() &&
                                     find<QLabel>(QStringLiteral("effects_unread_notice_text"))
                                         ->text()
                                         .contains(QLatin1String("could not be read")),
                                 REPORT_TIMEOUT_MS);
        QWidget *effectValues = find(QStringLiteral("effects_settings_widget"))
                                    ->findChild<QWidget *>(QStringLiteral("axis_tab"));
        QVERIFY(effectValues->isHidden());
        for (const char *values : {"direct_x_group_box", "hardware_scroll_area", "gpio_scroll_area",
                                   "buttons_scroll_area", "analog_axes_scroll_area"})
            QVERIFY2(find(QString::fromLatin1(values))->isHidden(), values);
        for (int page = 1; page <= 4; ++page)
            QVERIFY(!find(QStringLiteral("hardware_unread_notice_%1").arg(page))->isHidden());
        QVERIFY(!writable());
        // Both axes of the joystick, whatever the board before had.
        QCOMPARE(find(QStringLiteral("hardware_settings_widget"))
                     ->findChild<QTabWidget *>(QStringLiteral("axis_tab"))
                     ->count(),
                 2);

        joystick.setFailSettingsReads(false);
        button(QStringLiteral("hardware_unread_notice_2_read_button"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!find(QStringLiteral("gpio_scroll_area"))->isHidden(),
                                 REPORT_TIMEOUT_MS);
        QVERIFY(find(QStringLiteral("hardware_unread_notice_1"))->isHidden());
        QVERIFY(effectValues->isHidden());
    }

    // Text that is no number is an edit: leaving asks, the mark shows.
    void invalidGainTextCountsAsAnEdit()
    {
        openOnJoystick();
        const QStringList clean = tabCaptions();
        find<QLineEdit>(QStringLiteral("axis0_p_gain"))->setText(QStringLiteral("0.5x"));
        QTRY_COMPARE(tabCaptions().at(1), clean.at(1) + ChangeTracker::tabMark());
        QuestionAnswerer answerer(QMessageBox::RejectRole);
        window->close();
        QCOMPARE(answerer.seen, QStringList{"unsaved_board_question"});
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"

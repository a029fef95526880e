#include "boardsim/simulatedboard.h"
#include "support/mainwindowhelpers.h"
#include "ui/mainwindow.h"
#include "ui/statusline.h"
#include "ui/windowplacement.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int JOYSTICK_PID = BOARD_PRODUCT_ID_JOYSTICK;
constexpr int REPORT_TIMEOUT_MS = 5000;  // a scan runs once a second

// Where every control on screen is, by object name, in window coordinates.
using Layout = QMap<QString, QRect>;

}  // namespace

// The window as a hand on a mouse meets it: nothing moves under the pointer,
// input given while the window waits for a board is not acted on later, the
// window comes back where it was left, and the keyboard walks a page from
// top to bottom.
class TestSteadyWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    SimulatedBoard joystick{JOYSTICK_PID, DEVICE_TYPE_JOYSTICK};

    template <typename T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QPushButton *button(const char *name) const { return find<QPushButton>(QLatin1String(name)); }
    StatusLine *status() const
    {
        return find<StatusLine>(QStringLiteral("operation_status_label"));
    }
    QTabWidget *tabs() const { return find<QTabWidget>(QStringLiteral("main_tab_widget")); }

    void openOnJoystick()
    {
        Bus::plug(joystick);
        window = std::make_unique<MainWindow>();
        window->resize(760, 700);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(
            find<QComboBox>(QStringLiteral("devices_combo_box"))->placeholderText().contains('1'),
            REPORT_TIMEOUT_MS);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        QTRY_VERIFY(button("save_effects_settings_button")->isEnabled());
        QTRY_VERIFY(button("save_hardware_settings_button_1")->isEnabled());
        QCoreApplication::processEvents();
    }

    Layout layout() const
    {
        Layout where;
        for (const QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->objectName().isEmpty() || !widget->isVisible() ||
                !(qobject_cast<const QPushButton *>(widget) ||
                  qobject_cast<const QComboBox *>(widget) ||
                  qobject_cast<const QAbstractSpinBox *>(widget)))
                continue;
            where.insert(widget->objectName(),
                         QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size()));
        }
        return where;
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        workDir = std::make_unique<QTemporaryDir>();
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir->path()));
        Bus::reset();
        joystick = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
    }

    void cleanup()
    {
        window.reset();
        Bus::reset();
        QDir::setCurrent(previousDir);
        workDir.reset();
    }

    // After each kind of outcome every button, list and field is where it was,
    // a long failure included.
    void controlsStayPutAcrossOutcomes_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("action");   // a button, or "profile"
        QTest::addColumn<QString>("fault");    // none, reads, writes
        QTest::addColumn<QString>("outcome");  // part of the status text
        QTest::newRow("read") << 0 << "read_effects_settings_button"
                              << "none"
                              << "read from";
        QTest::newRow("apply") << 0 << "apply_effect_settings_button"
                               << "none"
                               << "applied";
        QTest::newRow("save") << 0 << "save_effects_settings_button"
                              << "none"
                              << "saved";
        QTest::newRow("failed save") << 0 << "save_effects_settings_button"
                                     << "writes"
                                     << "could not be saved";
        QTest::newRow("failed read") << 0 << "read_effects_settings_button"
                                     << "reads"
                                     << "could not be read";
        QTest::newRow("profile load") << 0 << "profile"
                                      << "none"
                                      << "Profile";
        QTest::newRow("hardware apply") << 1 << "apply_hardware_settings_button_1"
                                        << "none"
                                        << "applied";
        QTest::newRow("hardware failed apply") << 4 << "apply_hardware_settings_button_4"
                                               << "writes"
                                               << "could not be applied";
    }

    void controlsStayPutAcrossOutcomes()
    {
        QFETCH(int, page);
        QFETCH(QString, action);
        QFETCH(QString, fault);
        QFETCH(QString, outcome);
        openOnJoystick();
        if (action == "profile") {
            find<QComboBox>(QStringLiteral("profile_combo_box"))
                ->setEditText(QStringLiteral("Race"));
            button("profile_save_button")->click();
        }
        tabs()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const Layout before = layout();
        QVERIFY(before.contains(QStringLiteral("reboot_button")));

        joystick.setFailSettingsReads(fault == "reads");
        joystick.setFailRecordReportsFrom(fault == "writes" ? 1 : 0);
        if (action == "profile")
            QMetaObject::invokeMethod(find(QStringLiteral("effects_settings_widget")),
                                      "applyProfile", Q_ARG(QString, QStringLiteral("Race")));
        else
            find<QPushButton>(action)->click();
        QTRY_VERIFY2(status()->text().contains(outcome), qPrintable(status()->text()));
        QCOMPARE(status()->kind() == StatusLine::Kind::Failure, fault != "none");
        if (auto *box = find<QMessageBox>(QStringLiteral("save_failed_message_box")))
            box->close();
        QCoreApplication::processEvents();
        const Layout after = layout();
        // A group that could not be read shows no values at all, so its fields
        // leave the page; whatever is still shown, and every button, stays.
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const bool button = window->findChild<QPushButton *>(it.key()) != nullptr;
            if (!after.contains(it.key()) && !button && fault == "reads")
                continue;
            QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        }
        QCOMPARE(status()->height(), status()->sizeHint().height());
    }

    // Clicks and keys that queued up while the window waited for the board
    // are dropped, not acted on once the wait is over.
    void inputDuringAnOperationIsDropped()
    {
        openOnJoystick();
        joystick.setBusyPolls(3);
        QTabBar *tabBar = tabs()->tabBar();
        QPushButton *read = button("read_effects_settings_button");
        Bus::clearTransfers();
        button("apply_effect_settings_button")->click();
        // Queued behind the apply, as the window system holds them while the
        // event loop is blocked.
        const QPoint tabCentre = tabBar->tabRect(1).center();
        const QPoint readCentre = read->rect().center();
        for (const auto &[target, at] : {std::pair<QWidget *, QPoint>{tabBar, tabCentre},
                                         std::pair<QWidget *, QPoint>{read, readCentre}}) {
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(
                    target, new QMouseEvent(type, at, target->mapToGlobal(at), Qt::LeftButton,
                                            type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                             : Qt::NoButton,
                                            Qt::NoModifier));
        }
        QCoreApplication::postEvent(read, new QKeyEvent(QEvent::KeyPress, Qt::Key_Space,
                                                        Qt::NoModifier, QStringLiteral(" ")));
        QCoreApplication::postEvent(read, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Space,
                                                        Qt::NoModifier, QStringLiteral(" ")));
        QTRY_VERIFY(status()->text().contains("applied"));
        QTest::qWait(20);
        QCOMPARE(tabs()->currentIndex(), 0);
        QCOMPARE(conversation(JOYSTICK_PID).count(0x24) > 0, true);
        bool readAfterApply = false;
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            readAfterApply = readAfterApply || (!t.isWrite() && t.reportId() != 0x24);
        QVERIFY(!readAfterApply);

        // Once the window answers again, a click acts as always.
        QTest::mouseClick(tabBar, Qt::LeftButton, Qt::NoModifier, tabCentre);
        QCOMPARE(tabs()->currentIndex(), 1);
    }

    void placementComesBack_data()
    {
        QTest::addColumn<bool>("saved");
        QTest::newRow("left at a place") << true;
        QTest::newRow("first start") << false;
    }

    void placementComesBack()
    {
        QFETCH(bool, saved);
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("gravolt-setup"),
                  QStringLiteral("window"))
            .clear();
        QWidget left;
        left.setMinimumSize(200, 150);
        left.setGeometry(60, 70, 640, 480);
        if (saved)
            saveWindowPlacement(&left);
        QWidget opened;
        opened.setMinimumSize(200, 150);
        restoreWindowPlacement(&opened);
        const QRect available = opened.screen()->availableGeometry();
        if (saved) {
            QCOMPARE(opened.size(), QSize(640, 480));
            QCOMPARE(opened.pos(), left.pos());
        } else {
            QVERIFY(available.contains(opened.frameGeometry()));
            QVERIFY(opened.width() >= 600 && opened.height() >= 400);
        }
    }

    // The Effects page from the keyboard: the profile row with its four
    // buttons, then the fields top to bottom, then the page's buttons.
    void effectsPageTabOrder()
    {
        openOnJoystick();
        tabs()->setCurrentIndex(0);
        QWidget *page = find(QStringLiteral("tab"));
        QWidget *start = find(QStringLiteral("profile_combo_box"));
        QList<QWidget *> chain;
        for (QWidget *w = start->nextInFocusChain(); w != start; w = w->nextInFocusChain()) {
            if (page->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
                chain << w;
        }
        QStringList names;
        for (const QWidget *w : chain)
            names << w->objectName();
        const QStringList head = names.mid(0, 4);
        QCOMPARE(head, (QStringList{"profile_save_button", "profile_delete_button",
                                    "profile_import_button", "profile_export_button"}));
        QCOMPARE(names.mid(names.size() - 3),
                 (QStringList{"read_effects_settings_button", "apply_effect_settings_button",
                              "save_effects_settings_button"}));
        // Row by row: a field's centre is never above the one before it
        // (a slider and its spin box share a row).
        constexpr int ROW_TOLERANCE = 4;  // px
        int lastCentre = -1;
        for (const QWidget *w : chain) {
            const int centre = w->mapTo(window.get(), w->rect().center()).y();
            QVERIFY2(centre + ROW_TOLERANCE >= lastCentre,
                     qPrintable(w->objectName() + QStringLiteral(" in ") + names.join(' ')));
            lastCentre = std::max(lastCentre, centre);
        }
        QCOMPARE(QApplication::focusWidget(), find(QStringLiteral("devices_combo_box")));
    }
};

QTEST_MAIN(TestSteadyWindow)
#include "tst_steadywindow.moc"

#include "boardsim/simulatedboard.h"
#include "support/mainwindowhelpers.h"
#include "ui/mainwindow.h"
#include "ui/widgets/pagescrollarea.h"
#include "ui/widgets/wheelguard.h"

#include <iterator>

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTranslator>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

// A 1366x768 laptop screen, less the desktop's panel, the title bar and a
// status bar or notice that the window may still grow.
constexpr int MAXIMUM_MINIMUM_HEIGHT = 700;  // px
constexpr int REPORT_TIMEOUT_MS = 5000;      // a scan runs once a second
constexpr int WHEEL_NOTCH = 120;             // angle delta of one wheel step

// Buttons that must stay in view on each settings page, in tab order.
const char *const PAGE_BUTTONS[][3] = {
    {"read_effects_settings_button", "apply_effect_settings_button",
     "save_effects_settings_button"},
    {"read_hardware_settings_button_1", "apply_hardware_settings_button_1",
     "save_hardware_settings_button_1"},
    {"read_hardware_settings_button_2", "apply_hardware_settings_button_2",
     "save_hardware_settings_button_2"},
    {"read_hardware_settings_button_3", "apply_hardware_settings_button_3",
     "save_hardware_settings_button_3"},
    {"read_hardware_settings_button_4", "apply_hardware_settings_button_4",
     "save_hardware_settings_button_4"},
};

// The object names a form declares, except its root, which the form that
// places it renames. Spacers are no objects.
QStringList objectNamesOfForm(const QString &path)
{
    QStringList names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return names;
    QXmlStreamReader xml(&file);
    bool root = true;
    while (!xml.atEnd()) {
        xml.readNext();
        const bool isWidget = xml.isStartElement() && xml.name() == QLatin1String("widget");
        const bool isLayout = xml.isStartElement() && xml.name() == QLatin1String("layout");
        if (!isWidget && !isLayout)
            continue;
        const QString name = xml.attributes().value(QLatin1String("name")).toString();
        if (!root && !name.isEmpty())
            names << name;
        root = root && !isWidget;
    }
    return xml.hasError() ? QStringList() : names;
}

// Marks every text it is asked for, so that a test sees which texts go
// through the window's translation and which do not.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "MainWindow") != 0)
            return QString();
        return QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText));
    }
};

}  // namespace

class TestMainWindowFit : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QTranslator> translator;

    template <typename T = QWidget> T *control(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QTabWidget *tabs() const { return control<QTabWidget>(QStringLiteral("main_tab_widget")); }

    // Opens the window with one board of `deviceType` connected and picked.
    void openWithBoard(int deviceType, int productId)
    {
        Bus::plug(SimulatedBoard(productId, uint8_t(deviceType)));
        window = std::make_unique<MainWindow>();
        window->show();
        auto *devices = control<QComboBox>(QStringLiteral("devices_combo_box"));
        QTRY_VERIFY_WITH_TIMEOUT(devices->placeholderText().contains(QLatin1Char('1')),
                                 REPORT_TIMEOUT_MS);
        MessageBoxAnswerer noWarningExpected(MessageBoxAnswerer::Cancel);
        pickDevice(*window, deviceType);
        QCOMPARE(noWarningExpected.boxesSeen, 0);
        QTRY_VERIFY(!control(QStringLiteral("reboot_button"))->isHidden());
        // The window grows to its natural size once the click has been handled.
        QCoreApplication::processEvents();
    }

    // Whether `widget` is shown and lies wholly inside the window.
    bool inView(const QWidget *widget) const
    {
        if (!widget || !widget->isVisible())
            return false;
        const QRect area(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        return window->rect().contains(area);
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal")));
        Bus::reset();
    }

    void cleanup()
    {
        window.reset();
        if (translator)
            QCoreApplication::removeTranslator(translator.get());
        translator.reset();
        Bus::reset();
    }

    void fitsASmallScreen_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("language");
        const struct {
            const char *name;
            int type, productId;
        } boards[] = {
            {"generic", DEVICE_TYPE_GENERIC, BOARD_PRODUCT_ID_GENERIC},
            {"joystick", DEVICE_TYPE_JOYSTICK, BOARD_PRODUCT_ID_JOYSTICK},
            {"rudder", DEVICE_TYPE_RUDDER, BOARD_PRODUCT_ID_RUDDER},
            {"wheel", DEVICE_TYPE_WHEEL, BOARD_PRODUCT_ID_WHEEL},
            {"collective", DEVICE_TYPE_COLLECTIVE, BOARD_PRODUCT_ID_COLLECTIVE},
        };
        for (const char *language : {"en", "de", "ru"}) {
            for (const auto &board : boards) {
                QTest::addRow("%s %s", board.name, language)
                    << board.type << board.productId << QString::fromLatin1(language);
            }
        }
    }

    // Every page, squeezed to the window's smallest height, keeps its buttons,
    // the board list and Reboot / DFU in view; the rest scrolls.
    void fitsASmallScreen()
    {
        QFETCH(int, deviceType);
        QFETCH(int, productId);
        QFETCH(QString, language);

        if (language != QLatin1String("en")) {
            translator = std::make_unique<QTranslator>();
            QVERIFY(translator->load(QStringLiteral("hardware_settings_ui_") + language,
                                     QStringLiteral(GRAVOLT_CATALOGUE_DIR)));
            QCoreApplication::installTranslator(translator.get());
        }
        openWithBoard(deviceType, productId);
        if (language != QLatin1String("en"))
            QVERIFY(tabs()->tabText(4) != QLatin1String("Analog axes"));

        window->layout()->activate();
        const int minimum = std::max(window->minimumHeight(), window->minimumSizeHint().height());
        QVERIFY2(minimum <= MAXIMUM_MINIMUM_HEIGHT, qPrintable(QString::number(minimum)));

        // Opened at its natural size, the window stays on the screen, and the
        // shown page needs no sideways scrolling.
        const QRect screen = window->screen()->availableGeometry();
        const QSize decoration = window->frameGeometry().size() - window->size();
        const QSize natural = window->sizeHint().boundedTo(screen.size() - decoration);
        QTRY_VERIFY2(window->width() >= natural.width() && window->height() >= natural.height(),
                     qPrintable(QStringLiteral("%1x%2 < %3x%4 (screen %5x%6)")
                                    .arg(window->width())
                                    .arg(window->height())
                                    .arg(natural.width())
                                    .arg(natural.height())
                                    .arg(screen.width())
                                    .arg(screen.height())));
        QVERIFY(screen.contains(window->frameGeometry()));
        // The live input page is no settings page: it has no scroll area.
        const bool settingsPage = tabs()->currentIndex() < int(std::size(PAGE_BUTTONS));
        auto *area = tabs()->currentWidget()->findChild<PageScrollArea *>();
        QVERIFY(area || !settingsPage);
        if (area && area->isVisible() && area->sizeHint().width() < screen.width())
            QTRY_COMPARE(area->horizontalScrollBar()->maximum(), 0);

        window->resize(window->width(), minimum);
        QTRY_COMPARE(window->height(), minimum);
        QVERIFY(inView(control(QStringLiteral("devices_combo_box"))));
        QVERIFY(inView(control(QStringLiteral("reboot_button"))));
        QVERIFY(inView(control(QStringLiteral("dfu_mode_button"))));
        for (int page = 0; page < int(std::size(PAGE_BUTTONS)); ++page) {
            if (!tabs()->isTabVisible(page))
                continue;
            tabs()->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const char *name : PAGE_BUTTONS[page])
                QVERIFY2(inView(control(QLatin1String(name))), name);
        }
    }

    void mnemonicsDistinctOnEveryPage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "ru"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    // Every button of a page, and Reboot, DFU and the board notice's button
    // that show over every page, has an Alt key of its own: shared with no
    // other of them and with no menu of the menu bar. A shared key would only
    // move the focus between the two instead of pressing either.
    void mnemonicsDistinctOnEveryPage()
    {
        QFETCH(QString, language);
        if (language != QLatin1String("en")) {
            translator = std::make_unique<QTranslator>();
            QVERIFY(translator->load(QStringLiteral("hardware_settings_ui_") + language,
                                     QStringLiteral(GRAVOLT_CATALOGUE_DIR)));
            QCoreApplication::installTranslator(translator.get());
        }
        openWithBoard(DEVICE_TYPE_JOYSTICK, BOARD_PRODUCT_ID_JOYSTICK);

        QMap<QString, QString> menus;  // key -> caption
        for (const QAction *menu : window->menuBar()->actions()) {
            const QString key = QKeySequence::mnemonic(menu->text()).toString();
            QVERIFY2(!key.isEmpty(), qPrintable(menu->text()));
            menus.insert(key, menu->text());
        }
        QCOMPARE(menus.size(), window->menuBar()->actions().size());
        // The firmware notice stands in place of the pages (a board in its
        // bootloader has none), so its buttons only meet the menus.
        const auto *firmwareNotice = control(QStringLiteral("firmware_notice"));
        QList<QPushButton *> everywhere;
        for (QPushButton *button : window->findChildren<QPushButton *>())
            if (!tabs()->isAncestorOf(button) && !firmwareNotice->isAncestorOf(button))
                everywhere << button;
        QVERIFY(everywhere.contains(control<QPushButton>(QStringLiteral("reboot_button"))));

        QList<QList<QPushButton *>> screens;
        for (int page = 0; page < tabs()->count(); ++page)
            screens << tabs()->widget(page)->findChildren<QPushButton *>() + everywhere;
        screens << firmwareNotice->findChildren<QPushButton *>();
        QCOMPARE(screens.last().size(), 2);
        for (int page = 0; page < screens.size(); ++page) {
            QMap<QString, QString> taken = menus;
            const QList<QPushButton *> &buttons = screens.at(page);
            for (const QPushButton *button : buttons) {
                const QString key = QKeySequence::mnemonic(button->text()).toString();
                const QString where = (page < tabs()->count() ? tabs()->tabText(page)
                                                              : QStringLiteral("firmware notice")) +
                                      QStringLiteral(": ") + button->text();
                QVERIFY2(!key.isEmpty(), qPrintable(where));
                QVERIFY2(!taken.contains(key),
                         qPrintable(where + QStringLiteral(" and ") + taken.value(key)));
                taken.insert(key, button->text());
            }
        }
    }

    void wheelNeedsFocus_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<bool>("focused");
        for (const char *name : {"motion_range_slider_axis0", "power_limit", "horizontalSlider_11",
                                 "gpioModeCombo_1", "buttonMode_20", "lowerDeadZoneSpinBox_2"}) {
            QTest::addRow("%s unfocused", name) << QString::fromLatin1(name) << false;
            QTest::addRow("%s focused", name) << QString::fromLatin1(name) << true;
        }
    }

    // A wheel turn over a setting the user only scrolls past leaves it as it
    // was and goes on to the page; once the control has the focus, it edits.
    void wheelNeedsFocus()
    {
        QFETCH(QString, objectName);
        QFETCH(bool, focused);
        openWithBoard(DEVICE_TYPE_JOYSTICK, BOARD_PRODUCT_ID_JOYSTICK);
        auto *target = control(objectName);
        QVERIFY(target);
        QVERIFY(WheelGuard::guards(target));
        for (int page = 0; page < tabs()->count(); ++page) {
            if (tabs()->widget(page)->isAncestorOf(target))
                tabs()->setCurrentIndex(page);
        }
        QTRY_VERIFY(target->isVisible());
        QCOMPARE(target->focusPolicy(), Qt::StrongFocus);

        // Somewhere in the middle, so that the wheel can move it either way.
        const auto value = [target]() -> int {
            if (auto *slider = qobject_cast<QAbstractSlider *>(target))
                return slider->value();
            if (auto *spin = qobject_cast<QSpinBox *>(target))
                return spin->value();
            return qobject_cast<QComboBox *>(target)->currentIndex();
        };
        if (auto *slider = qobject_cast<QAbstractSlider *>(target))
            slider->setValue((slider->minimum() + slider->maximum()) / 2);
        else if (auto *spin = qobject_cast<QSpinBox *>(target))
            spin->setValue((spin->minimum() + spin->maximum()) / 2);
        else
            qobject_cast<QComboBox *>(target)->setCurrentIndex(1);

        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        if (focused) {
            target->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY(target->hasFocus());
        } else {
            control(QStringLiteral("main_tab_widget"))->setFocus(Qt::OtherFocusReason);
            QTRY_VERIFY(!target->hasFocus());
        }

        const int before = value();
        const QPointF middle = QRectF(target->rect()).center();
        QWheelEvent wheel(middle, target->mapToGlobal(middle), QPoint(), QPoint(0, WHEEL_NOTCH),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(target, &wheel);

        QCOMPARE(value() != before, focused);
        // Left unaccepted, a real wheel event travels on to the scroll area.
        QCOMPARE(wheel.isAccepted(), focused);
    }

    // The version warning's text stays English on purpose; its buttons speak
    // the window's language, Qt's own OK and Cancel included.
    void versionWarningButtonsTranslated()
    {
        translator = std::make_unique<MarkingTranslator>();
        QCoreApplication::installTranslator(translator.get());
        constexpr uint32_t OLDER_FIRMWARE = SUPPORTED_FIRMWARE_VERSION - 1;
        Bus::plug(SimulatedBoard(BOARD_PRODUCT_ID_RUDDER, DEVICE_TYPE_RUDDER, OLDER_FIRMWARE));
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(control<QComboBox>(QStringLiteral("devices_combo_box"))
                                     ->placeholderText()
                                     .contains('1'),
                                 REPORT_TIMEOUT_MS);

        MessageBoxAnswerer answerer(MessageBoxAnswerer::Cancel);
        pickDevice(*window, DEVICE_TYPE_RUDDER);
        QCOMPARE(answerer.boxesSeen, 1);
        QCOMPARE(answerer.title, QStringLiteral("Version mismatch!"));
        QVERIFY(answerer.text.startsWith(QLatin1String("Device firmware")));
        QStringList texts = answerer.buttonTexts;
        texts.sort();
        QCOMPARE(texts, (QStringList{QStringLiteral("<Cancel>"), QStringLiteral("<Latest version>"),
                                     QStringLiteral("<OK>")}));
    }

    // The window's frame exists from construction; the pages, which stay
    // hidden until a board is picked, are built on their first use, all
    // their controls at once.
    void everyFormObjectFoundOnceItsPartIsBuilt()
    {
        window = std::make_unique<MainWindow>();
        const auto namesOf = [](std::initializer_list<const char *> forms) {
            QStringList names;
            for (const char *form : forms)
                names += objectNamesOfForm(QStringLiteral(GRAVOLT_SOURCE_DIR "/ui/") +
                                           QLatin1String(form));
            return names;
        };
        const QStringList frame = namesOf({"mainwindow.ui"});
        const QStringList pages = namesOf(
            {"mainwindowpages.ui", "fulleffectsettingswidget.ui", "fullhardwaresettingswidget.ui"});
        QVERIFY(frame.size() >= 5);
        QVERIFY(pages.size() > 300);
        const auto missing = [this](const QStringList &names) {
            QStringList notFound;
            for (const QString &name : names)
                if (!window->findChild<QObject *>(name))
                    notFound << name;
            return notFound;
        };
        QCOMPARE(missing(frame), QStringList());
        QCOMPARE(missing(pages), pages);
        window->ensurePages();
        QCOMPARE(missing(frame + pages), QStringList());

        // The pages are built apart and moved in. Moving one whose font
        // differs from the window's sends a font change through all its
        // controls, and each combo box builds its popup list for it.
        for (const QComboBox *combo :
             window->findChildren<QComboBox *>(QRegularExpression(QStringLiteral("^buttonMode_"))))
            QVERIFY2(!combo->findChild<QAbstractItemView *>(), qPrintable(combo->objectName()));
        // Nor is any hidden page laid out yet: that waits until it is needed.
        for (const PageScrollArea *area : window->findChildren<PageScrollArea *>())
            QVERIFY2(!area->widget(), qPrintable(area->objectName()));
    }

    // The four hardware pages explain every control in a tooltip, as the
    // effects page does.
    void everyHardwareControlExplained()
    {
        window = std::make_unique<MainWindow>();
        window->ensurePages();
        QStringList unexplained;
        for (int page = 1; page < tabs()->count(); ++page) {
            for (QWidget *w : tabs()->widget(page)->findChildren<QWidget *>()) {
                const bool editor = qobject_cast<QAbstractSlider *>(w) ||
                                    qobject_cast<QAbstractSpinBox *>(w) ||
                                    qobject_cast<QComboBox *>(w) || qobject_cast<QCheckBox *>(w) ||
                                    qobject_cast<QLineEdit *>(w);
                // Scroll bars and the editors inside spin boxes belong to
                // another control.
                if (!editor || qobject_cast<QScrollBar *>(w) ||
                    qobject_cast<QAbstractSpinBox *>(w->parentWidget()))
                    continue;
                if (w->toolTip().isEmpty())
                    unexplained << w->objectName();
            }
        }
        QCOMPARE(unexplained, QStringList());
    }
};

QTEST_MAIN(TestMainWindowFit)
#include "tst_mainwindowfit.moc"

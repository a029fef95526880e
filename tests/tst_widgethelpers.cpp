#include "device/firmwareinfo.h"
#include "ui/widgets/deferredextensionstyle.h"
#include "ui/widgets/lazyfileicon.h"
#include "ui/widgets/widgethelpers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QListView>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestWidgetHelpers : public QObject
{
    Q_OBJECT

    static void fill(QComboBox &combo)
    {
        combo.addItems({"alpha", "bravo", "charlie", "delta", "echo"});
    }

    static bool rowHiddenInPopup(QComboBox &combo, int row)
    {
        auto *view = qobject_cast<QListView *>(combo.view());
        return view && view->isRowHidden(row);
    }

    static bool rowEnabled(QComboBox &combo, int row)
    {
        return combo.model()->flags(combo.model()->index(row, 0)).testFlag(Qt::ItemIsEnabled);
    }

private slots:
    void hiddenRowLeavesPopupButKeepsIndex()
    {
        QComboBox combo;
        fill(combo);
        setComboRowHidden(&combo, 2, true);

        QCOMPARE(combo.count(), 5);
        QCOMPARE(combo.itemText(2), QStringLiteral("charlie"));
        QVERIFY(rowHiddenInPopup(combo, 2));
        QVERIFY(!rowEnabled(combo, 2));
        QVERIFY(!rowHiddenInPopup(combo, 1));
        QVERIFY(rowEnabled(combo, 1));

        // A record code may still name the hidden row.
        combo.setCurrentIndex(2);
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.currentText(), QStringLiteral("charlie"));

        setComboRowHidden(&combo, 2, false);
        QVERIFY(!rowHiddenInPopup(combo, 2));
        QVERIFY(rowEnabled(combo, 2));
    }

    // The pin mode boxes build their popup list only when it opens; the rows
    // hidden before then are hidden in it, and it follows later changes.
    void lazyListTakesHiddenRowsAsItOpens()
    {
        LazyListComboBox combo;
        fill(combo);
        setComboRowHidden(&combo, 2, true);
        setComboRowHidden(&combo, 3, true);
        setComboRowHidden(&combo, 3, false);
        QVERIFY(!combo.findChild<QAbstractItemView *>());
        QVERIFY(!rowEnabled(combo, 2));
        QVERIFY(rowEnabled(combo, 3));

        combo.show();
        combo.showPopup();
        QVERIFY(rowHiddenInPopup(combo, 2));
        QVERIFY(!rowHiddenInPopup(combo, 3));
        combo.hidePopup();

        setComboRowHidden(&combo, 2, false);
        setComboRowHidden(&combo, 4, true);
        combo.showPopup();
        QVERIFY(!rowHiddenInPopup(combo, 2));
        QVERIFY(rowHiddenInPopup(combo, 4));
        combo.hidePopup();
    }

    // The window icon is read when it is first drawn, not when it is made: a
    // file that appears in between is the one drawn; a missing one is null.
    void lazyIconReadsItsFileWhenDrawn()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("icon.png"));
        const QIcon icon = lazyFileIcon(path);
        QVERIFY(icon.isNull());

        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(16, 16)});
        QCOMPARE(icon.pixmap(16).toImage().pixelColor(8, 8), QColor(Qt::red));
    }

    // The menu bar's overflow button gets its icon while the window is built;
    // under the deferring style that icon is made only when first drawn, and
    // then it is the wrapped style's own.
    void extensionIconIsMadeWhenDrawn()
    {
        int made = 0;
        const QIcon lazy = lazyIcon([&made] {
            ++made;
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        });
        QVERIFY(!lazy.isNull());
        QCOMPARE(made, 0);
        QVERIFY(!lazy.pixmap(16).isNull());
        lazy.pixmap(32);
        QCOMPARE(made, 1);

        auto *base = QStyleFactory::create(QStringLiteral("Fusion"));
        QVERIFY(base);
        DeferredExtensionStyle style(base);
        const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon direct = base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(deferred.pixmap(16).toImage(), direct.pixmap(16).toImage());
    }

    void outOfRangeRowsAreIgnored()
    {
        QComboBox combo;
        fill(combo);
        setComboRowHidden(&combo, -1, true);
        setComboRowHidden(&combo, 5, true);
        setComboRowHidden(nullptr, 0, true);
        QCOMPARE(combo.count(), 5);
        for (int row = 0; row < combo.count(); ++row) {
            QVERIFY(!rowHiddenInPopup(combo, row));
            QVERIFY(rowEnabled(combo, row));
        }
    }

    // The closed box: arrow keys, Home/End and the wheel must step over hidden rows.
    void closedComboSkipsHiddenRows_data()
    {
        QTest::addColumn<QList<int>>("hidden");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");  // 0 for a wheel step
        QTest::addColumn<int>("wheelDelta");
        QTest::addColumn<int>("expected");

        QTest::newRow("down over a middle row")
            << QList<int>{2} << 1 << int(Qt::Key_Down) << 0 << 3;
        QTest::newRow("up over a middle row") << QList<int>{2} << 3 << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("down over two rows") << QList<int>{2, 3} << 1 << int(Qt::Key_Down) << 0 << 4;
        QTest::newRow("down onto a hidden last row")
            << QList<int>{4} << 3 << int(Qt::Key_Down) << 0 << 3;
        QTest::newRow("up onto a hidden first row")
            << QList<int>{0} << 1 << int(Qt::Key_Up) << 0 << 1;
        QTest::newRow("home to a hidden first row")
            << QList<int>{0} << 3 << int(Qt::Key_Home) << 0 << 1;
        QTest::newRow("end to a hidden last row")
            << QList<int>{4} << 1 << int(Qt::Key_End) << 0 << 3;
        QTest::newRow("wheel down over a row") << QList<int>{2} << 1 << 0 << -120 << 3;
        QTest::newRow("wheel up over a row") << QList<int>{2} << 3 << 0 << 120 << 1;
        QTest::newRow("first letter of a hidden row")
            << QList<int>{2} << 0 << int(Qt::Key_C) << 0 << 0;
        QTest::newRow("first letter of a shown row")
            << QList<int>{3} << 0 << int(Qt::Key_C) << 0 << 2;
        QTest::newRow("shown again, reachable") << QList<int>{} << 1 << int(Qt::Key_Down) << 0 << 2;
    }

    void closedComboSkipsHiddenRows()
    {
        QFETCH(QList<int>, hidden);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, wheelDelta);
        QFETCH(int, expected);

        QComboBox combo;
        fill(combo);
        for (int row = 0; row < combo.count(); ++row)
            setComboRowHidden(&combo, row, true);
        for (int row = 0; row < combo.count(); ++row)
            setComboRowHidden(&combo, row, hidden.contains(row));
        combo.setCurrentIndex(start);

        if (key) {
            QTest::keyClick(&combo, Qt::Key(key));
        } else {
            const QPoint at(combo.width() / 2, combo.height() / 2);
            QWheelEvent wheel(at, combo.mapToGlobal(at), QPoint(), QPoint(0, wheelDelta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&combo, &wheel);
        }
        QCOMPARE(combo.currentIndex(), expected);
    }

    void axisTabs_data()
    {
        QTest::addColumn<bool>("secondTabBefore");
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<bool>("secondTabAfter");

        QTest::newRow("joystick shows both") << false << int(DEVICE_TYPE_JOYSTICK) << true;
        QTest::newRow("rudder hides axis 1") << true << int(DEVICE_TYPE_RUDDER) << false;
        QTest::newRow("wheel hides axis 1") << true << int(DEVICE_TYPE_WHEEL) << false;
        QTest::newRow("collective hides axis 1") << true << int(DEVICE_TYPE_COLLECTIVE) << false;
        QTest::newRow("generic keeps shown") << true << int(DEVICE_TYPE_GENERIC) << true;
        QTest::newRow("generic keeps hidden") << false << int(DEVICE_TYPE_GENERIC) << false;
        QTest::newRow("unknown 7 keeps hidden") << false << 7 << false;
        QTest::newRow("unknown 7 keeps shown") << true << 7 << true;
        QTest::newRow("negative keeps hidden") << false << -1 << false;
    }

    void axisTabs()
    {
        QFETCH(bool, secondTabBefore);
        QFETCH(int, deviceType);
        QFETCH(bool, secondTabAfter);

        QTabWidget tabs;
        tabs.addTab(new QWidget, "Axis 0");
        tabs.addTab(new QWidget, "Axis 1");
        tabs.setTabVisible(1, secondTabBefore);

        setAxisTabsForDevice(&tabs, deviceType);
        QVERIFY(tabs.isTabVisible(0));
        QCOMPARE(tabs.isTabVisible(1), secondTabAfter);
        QCOMPARE(tabs.count(), 2);
    }

    void hidingTheCurrentAxisTabSelectsAxisZero()
    {
        QTabWidget tabs;
        tabs.addTab(new QWidget, "Axis 0");
        tabs.addTab(new QWidget, "Axis 1");
        tabs.setCurrentIndex(1);

        setAxisTabsForDevice(&tabs, DEVICE_TYPE_WHEEL);
        QCOMPARE(tabs.currentIndex(), 0);
    }

    void axisTabsToleratesMissingTabs()
    {
        QTabWidget tabs;
        tabs.addTab(new QWidget, "Axis 0");
        setAxisTabsForDevice(&tabs, DEVICE_TYPE_RUDDER);
        setAxisTabsForDevice(nullptr, DEVICE_TYPE_JOYSTICK);
        QVERIFY(tabs.isTabVisible(0));
        QCOMPARE(tabs.count(), 1);
    }
};

QTEST_MAIN(TestWidgetHelpers)
#include "tst_widgethelpers.moc"

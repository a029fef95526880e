// The Games dialog of the Effects page: links made there are the ones the
// command-line watcher reads, and the service switch drives systemctl.
#include "settings/gamelinks.h"
#include "ui/gamesdialog.h"

#include <QtTest>
#include <QtWidgets>

class TestGamesDialog : public QObject
{
    Q_OBJECT

private slots:
    void linksAndUnlinks()
    {
        QTemporaryDir data;
        GamesDialog dialog(data.path(), {"Jets", "Rally"}, nullptr,
                           [](const QStringList &) { return GamesDialog::ServiceAnswer(); });
        auto *program = dialog.findChild<QLineEdit *>("game_program_edit");
        auto *profile = dialog.findChild<QComboBox *>("game_profile_combo");
        auto *link = dialog.findChild<QPushButton *>("game_link_button");
        auto *unlink = dialog.findChild<QPushButton *>("game_unlink_button");
        auto *list = dialog.findChild<QTreeWidget *>("game_link_list");
        QVERIFY(program && profile && link && unlink && list);
        QVERIFY(!link->isEnabled());

        for (const auto &[name, row] :
             {std::pair{"rallygame", 1}, std::pair{"Game.exe", 0}, std::pair{"/usr/bin/sim", 0}}) {
            program->setText(QLatin1String(name));
            profile->setCurrentIndex(row);
            QVERIFY(link->isEnabled());
            link->click();
        }
        // A path is refused: the watcher matches names only.
        const QList<GameLink> links = GameLinks(data.path()).load();
        QCOMPARE(links.size(), 2);
        QCOMPARE(links.at(0).program, QStringLiteral("rallygame"));
        QCOMPARE(links.at(0).profile, QStringLiteral("Rally"));
        QCOMPARE(links.at(1).profile, QStringLiteral("Jets"));
        QCOMPARE(list->topLevelItemCount(), 2);

        list->setCurrentItem(list->topLevelItem(0));
        QCOMPARE(program->text(), QStringLiteral("rallygame"));
        unlink->click();
        QCOMPARE(GameLinks(data.path()).load().size(), 1);
        QCOMPARE(list->topLevelItemCount(), 1);
    }

    void switchesTheService_data()
    {
        QTest::addColumn<int>("status");  // systemctl show's exit status
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("available");
        QTest::addColumn<QString>("clickSends");
        const QString loaded = QStringLiteral("LoadState=loaded\n");
        QTest::newRow("running") << 0 << loaded + "ActiveState=active\nUnitFileState=enabled\n"
                                 << true << true << "disable --now";
        QTest::newRow("enabled, stopped")
            << 0 << loaded + "ActiveState=inactive\nUnitFileState=enabled\n"
            << true << true << "disable --now";
        QTest::newRow("off") << 0 << loaded + "ActiveState=inactive\nUnitFileState=disabled\n"
                             << false << true << "enable --now";
        QTest::newRow("not installed")
            << 0 << "LoadState=not-found\nActiveState=inactive\nUnitFileState=\n"
            << false << false << "";
        QTest::newRow("no user manager") << 1 << "" << false << false << "";
    }

    void switchesTheService()
    {
        QFETCH(int, status);
        QFETCH(QString, shown);
        QFETCH(bool, checked);
        QFETCH(bool, available);
        QFETCH(QString, clickSends);
        QTemporaryDir data;
        QStringList sent;
        GamesDialog dialog(data.path(), {}, nullptr, [&](const QStringList &arguments) {
            sent.append(arguments.join(QLatin1Char(' ')));
            if (arguments.first() == QLatin1String("show"))
                return GamesDialog::ServiceAnswer{status, shown};
            return GamesDialog::ServiceAnswer{0, QString()};
        });
        auto *check = dialog.findChild<QCheckBox *>("game_service_check");
        auto *state = dialog.findChild<QLabel *>("game_service_state");
        QCOMPARE(check->isChecked(), checked);
        QCOMPARE(check->isEnabled(), available);
        QVERIFY(!state->text().isEmpty());
        if (!available)
            return;
        sent.clear();
        check->click();
        QCOMPARE(sent.value(0),
                 clickSends + QLatin1Char(' ') + QLatin1String(GamesDialog::SERVICE_NAME));
        // The state is asked again after the switch.
        QVERIFY(sent.value(1).startsWith(QLatin1String("show")));
    }
};

QTEST_MAIN(TestGamesDialog)
#include "tst_gamesdialog.moc"

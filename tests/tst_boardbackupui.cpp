#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"
#include "settings/profileorigins.h"
#include "support/mainwindowhelpers.h"
#include "support/questionanswerer.h"
#include "ui/backupcontroller.h"
#include "ui/fulleffectsettingswidget.h"
#include "ui/mainwindow.h"
#include "ui/profileexchange.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstddef>

#include <memory>

using namespace boardsim;
using namespace mainwindowtest;

namespace {

constexpr int JOYSTICK_PID = BOARD_PRODUCT_ID_JOYSTICK;

// Sets every byte of a reserved area to a pattern no form could produce, so
// that a byte that went through a form shows.
void pattern(QByteArray &image, size_t offset, size_t size, int seed)
{
    for (size_t i = 0; i < size; ++i)
        image[int(offset + i)] = char(seed ^ int(offset + i));
}

QByteArray withPatternedEffectsReserved(QByteArray image, int seed = 0xA5)
{
    using Axis = EffectAxisSettingsTypeDef;
    pattern(image, offsetof(EffectSettingsTypeDef, reserved_4),
            sizeof(EffectSettingsTypeDef::reserved_4), seed);
    for (int a = 0; a < EFFECT_AXIS_COUNT; ++a) {
        const size_t axis = offsetof(EffectSettingsTypeDef, axis) + size_t(a) * sizeof(Axis);
        pattern(image, axis + offsetof(Axis, reserved_13), sizeof(Axis::reserved_13), seed);
        pattern(image, axis + offsetof(Axis, reserved_16), sizeof(Axis::reserved_16), seed);
    }
    return image;
}

QByteArray withPatternedHardwareReserved(QByteArray image, int seed = 0xA5)
{
    using Record = HardwareSettingsTypeDef;
    using Axis = HardwareAxisSettingsTypeDef;
    pattern(image, offsetof(Record, reserved_2), sizeof(Record::reserved_2), seed);
    pattern(image, offsetof(Record, reserved_53), sizeof(Record::reserved_53), seed);
    pattern(image, offsetof(Record, reserved_85), sizeof(Record::reserved_85), seed);
    for (int a = 0; a < HARDWARE_AXIS_COUNT; ++a) {
        const size_t axis = offsetof(Record, axis) + size_t(a) * sizeof(Axis);
        pattern(image, axis + offsetof(Axis, reserved_5), sizeof(Axis::reserved_5), seed);
        pattern(image, axis + offsetof(Axis, reserved_15), sizeof(Axis::reserved_15), seed);
    }
    return image;
}

}  // namespace

class TestBoardBackupUi : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> workDir;
    QString previousDir;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<SimulatedBoard> joystick;

    BackupController *controller() const
    {
        return window->findChild<BackupController *>(QStringLiteral("backup_controller"));
    }

    int settingsReads(uint8_t report) const
    {
        int n = 0;
        for (const Transfer &t : Bus::transfersFor(JOYSTICK_PID))
            n += !t.isWrite() && t.reportId() == report;
        return n;
    }

    // A joystick whose reserved bytes hold a pattern, selected in a window
    // that has read both records.
    void openWindowOnJoystick()
    {
        joystick = std::make_unique<SimulatedBoard>(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        joystick->setWorkingEffects(withPatternedEffectsReserved(joystick->workingEffects()));
        joystick->setWorkingHardware(withPatternedHardwareReserved(joystick->workingHardware()));
        Bus::plug(*joystick);
        window = std::make_unique<MainWindow>();
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(window->findChild<QComboBox *>(QStringLiteral("devices_combo_box"))
                                     ->placeholderText()
                                     .contains(QLatin1String("1 connected")),
                                 5000);
        pickDevice(*window, DEVICE_TYPE_JOYSTICK);
        QTRY_VERIFY(settingsReads(REPORT_ID_HARDWARE_SETTINGS) > 0);
        QTRY_VERIFY(settingsReads(REPORT_ID_EFFECT_SETTINGS) > 0);
    }

    void click(const char *buttonName)
    {
        window->findChild<QPushButton *>(QLatin1String(buttonName))->click();
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("No matching signal")));
        Bus::reset();
        workDir = std::make_unique<QTemporaryDir>();
        QVERIFY(workDir->isValid());
        previousDir = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workDir->path()));
    }

    void cleanup()
    {
        window.reset();
        joystick.reset();
        Bus::reset();
        QDir::setCurrent(previousDir);
        workDir.reset();
    }

    void automaticBackupPrecedesCommit_data()
    {
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<int>("commitCommand");
        QTest::addColumn<QString>("cause");
        // The question the action itself asks first, answered yes.
        QTest::addColumn<QString>("question");
        QTest::newRow("save effects")
            << "save_effects_settings_button" << int(COMMAND_STORE_PERMANENTLY)
            << QString::fromLatin1(BACKUP_CAUSE_SAVE_EFFECTS) << QString();
        QTest::newRow("save hardware")
            << "save_hardware_settings_button_2" << int(COMMAND_STORE_PERMANENTLY)
            << QString::fromLatin1(BACKUP_CAUSE_SAVE_HARDWARE) << QString();
        QTest::newRow("dfu") << "dfu_mode_button" << int(COMMAND_SWITCH_TO_DFU)
                             << QString::fromLatin1(BACKUP_CAUSE_DFU)
                             << QStringLiteral("dfu_question");
    }

    void automaticBackupPrecedesCommit()
    {
        QFETCH(QString, buttonName);
        QFETCH(int, commitCommand);
        QFETCH(QString, cause);
        QFETCH(QString, question);
        openWindowOnJoystick();
        const QByteArray effectsBefore = joystick->workingEffects();
        const QByteArray hardwareBefore = joystick->workingHardware();

        QuestionAnswerer answerer(QMessageBox::DestructiveRole);
        Bus::clearTransfers();
        click(buttonName.toLatin1().constData());
        QTRY_VERIFY(conversation(JOYSTICK_PID).contains(commitCommand));
        QCOMPARE(answerer.seen, question.isEmpty() ? QStringList() : QStringList{question});

        // Both records were read before anything was written to the board.
        const QList<Transfer> log = Bus::transfersFor(JOYSTICK_PID);
        int firstWrite = -1, lastEffectsRead = -1, lastHardwareRead = -1;
        for (int i = 0; i < log.size(); ++i) {
            if (log[i].isWrite() && firstWrite < 0)
                firstWrite = i;
            if (!log[i].isWrite() && log[i].reportId() == REPORT_ID_EFFECT_SETTINGS)
                lastEffectsRead = i;
            if (!log[i].isWrite() && log[i].reportId() == REPORT_ID_HARDWARE_SETTINGS)
                lastHardwareRead = i;
        }
        QVERIFY(lastEffectsRead >= 0 && lastEffectsRead < firstWrite);
        QVERIFY(lastHardwareRead >= 0 && lastHardwareRead < firstWrite);

        const QList<AutomaticBackupEntry> backups = listAutomaticBackups(QDir::currentPath());
        QCOMPARE(backups.size(), 1);
        QCOMPARE(backups[0].cause, cause);
        BoardBackup backup;
        QString error;
        QVERIFY2(readBoardBackup(backups[0].path, backup, &error), qPrintable(error));
        QCOMPARE(bytesOf(backup.effects), effectsBefore);
        QCOMPARE(bytesOf(backup.hardware), hardwareBefore);
        QCOMPARE(backup.board.productId, JOYSTICK_PID);
    }

    void failedBackupAsksBeforeCommit_data()
    {
        QTest::addColumn<bool>("committed");
        QTest::newRow("stop") << false;
        QTest::newRow("go ahead") << true;
    }

    void failedBackupAsksBeforeCommit()
    {
        QFETCH(bool, committed);
        openWindowOnJoystick();
        joystick->setFailSettingsReads(true);

        QuestionAnswerer answerer(committed ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        Bus::clearTransfers();
        click("save_effects_settings_button");
        QTRY_COMPARE(answerer.seen, QStringList{QStringLiteral("no_backup_question")});
        if (committed)
            QTRY_VERIFY(conversation(JOYSTICK_PID).contains(COMMAND_STORE_PERMANENTLY));
        // A scan after the answer shows the request had its turn.
        const int transfers = int(Bus::transfers().size());
        QTRY_VERIFY(Bus::transfers().size() > transfers);
        QCOMPARE(conversation(JOYSTICK_PID).contains(COMMAND_WRITE_EFFECT_SETTINGS), committed);
        QVERIFY(listAutomaticBackups(QDir::currentPath()).isEmpty());
    }

    void restoredBackupSendsOnlyTheEditedField_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("applyButton");
        QTest::newRow("effects axis field")
            << "effect_settings"
            << "motion_range" << 777 << "apply_effect_settings_button";
        QTest::newRow("effects record field")
            << "effect_settings"
            << "direct_x_spring_strength" << 33 << "apply_effect_settings_button";
        QTest::newRow("hardware field")
            << "hardware_settings"
            << "power_limit" << 42 << "apply_hardware_settings_button_1";
    }

    void restoredBackupSendsOnlyTheEditedField()
    {
        QFETCH(QString, group);
        QFETCH(QString, field);
        QFETCH(int, value);
        QFETCH(QString, applyButton);
        openWindowOnJoystick();
        const QByteArray effectsOnBoard = joystick->workingEffects();
        const QByteArray hardwareOnBoard = joystick->workingHardware();

        const QString path = QDir::current().absoluteFilePath(QStringLiteral("hand.gravolt.json"));
        QVERIFY(controller()->backUpTo(path));
        // The board's reserved bytes change and are read again: what goes out
        // after the restore must still be the file's.
        joystick->setWorkingEffects(withPatternedEffectsReserved(effectsOnBoard, 0x3C));
        joystick->setWorkingHardware(withPatternedHardwareReserved(hardwareOnBoard, 0x3C));
        const int readsBefore = settingsReads(REPORT_ID_HARDWARE_SETTINGS);
        click("read_effects_settings_button");
        click("read_hardware_settings_button_1");
        QTRY_VERIFY(settingsReads(REPORT_ID_HARDWARE_SETTINGS) > readsBefore);

        // Edited as a person would in a text editor: one field, nothing else.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QJsonObject record = root.value(group).toObject();
        if (record.contains(field)) {
            record.insert(field, value);
        } else {
            QJsonArray axes = record.value(QStringLiteral("axis")).toArray();
            QJsonObject first = axes[0].toObject();
            QVERIFY(first.contains(field));
            first.insert(field, value);
            axes[0] = first;
            record.insert(QStringLiteral("axis"), axes);
        }
        root.insert(group, record);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
        file.close();

        BoardBackup edited;
        QString error;
        QVERIFY2(readBoardBackup(path, edited, &error), qPrintable(error));
        const bool effects = group == QLatin1String("effect_settings");
        const QByteArray expected = effects ? bytesOf(edited.effects) : bytesOf(edited.hardware);
        const QByteArray original = effects ? effectsOnBoard : hardwareOnBoard;
        QVERIFY(expected != original);

        QuestionAnswerer noQuestions(QMessageBox::RejectRole);
        QVERIFY(controller()->restoreFrom(path));
        Bus::clearTransfers();
        click(applyButton.toLatin1().constData());
        const uint8_t command =
            effects ? COMMAND_WRITE_EFFECT_SETTINGS : COMMAND_WRITE_HARDWARE_SETTINGS;
        QTRY_COMPARE(recordsWritten(JOYSTICK_PID, command).size(), 1);
        const QByteArray sent = recordsWritten(JOYSTICK_PID, command).first();
        QCOMPARE(sent, expected);
        // Exactly the edited field's bytes differ from what the board had.
        int changed = 0;
        for (int i = 0; i < sent.size(); ++i)
            changed += sent[i] != original[i];
        QVERIFY(changed >= 1 && changed <= 2);
        QVERIFY(noQuestions.seen.isEmpty());
    }

    void backupOfAnotherBoardAsks_data()
    {
        QTest::addColumn<int>("deviceType");
        QTest::addColumn<quint32>("firmware");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("loaded");  // also the answer, where asked
        QTest::addColumn<QStringList>("textParts");
        const quint32 same = SUPPORTED_FIRMWARE_VERSION;
        QTest::newRow("same board")
            << DEVICE_TYPE_JOYSTICK << same << false << true << QStringList();
        QTest::newRow("other model, cancelled")
            << DEVICE_TYPE_WHEEL << same << true << false
            << QStringList{QStringLiteral("wheel"), QStringLiteral("joystick")};
        QTest::newRow("other firmware, loaded")
            << DEVICE_TYPE_JOYSTICK << quint32(240718) << true << true
            << QStringList{QStringLiteral("240718"), QString::number(same)};
        QTest::newRow("both differ")
            << DEVICE_TYPE_RUDDER << quint32(1) << true << true
            << QStringList{QStringLiteral("rudder"), QStringLiteral("version 1;")};
    }

    void backupOfAnotherBoardAsks()
    {
        QFETCH(int, deviceType);
        QFETCH(quint32, firmware);
        QFETCH(bool, asked);
        QFETCH(bool, loaded);
        QFETCH(QStringList, textParts);
        openWindowOnJoystick();

        BoardBackup backup;
        backup.created = QDateTime::currentDateTimeUtc();
        backup.board = boardIdentityFor(JOYSTICK_PID + deviceType, deviceType, firmware);
        backup.effects = recordFrom<EffectSettingsTypeDef>(joystick->workingEffects());
        backup.effects.direct_x_spring_strength = 77;
        backup.hardware = recordFrom<HardwareSettingsTypeDef>(joystick->workingHardware());
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("b.gravolt.json"));
        QString error;
        QVERIFY2(writeBoardBackup(path, backup, &error), qPrintable(error));

        auto *panel = window->findChild<FullEffectSettingsWidget *>(
            QStringLiteral("effects_settings_widget"));
        const uint8_t before = panel->getEffectSettings().direct_x_spring_strength;
        QVERIFY(before != 77);
        QuestionAnswerer answerer(loaded ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
        QCOMPARE(controller()->restoreFrom(path), loaded);
        QCOMPARE(answerer.seen.contains(QStringLiteral("restore_mismatch_question")), asked);
        for (const QString &part : textParts)
            QVERIFY2(answerer.texts.value(0).contains(part), qPrintable(answerer.texts.value(0)));
        QCOMPARE(panel->getEffectSettings().direct_x_spring_strength, loaded ? 77 : before);
    }

    void profileOfAnotherDeviceTypeAsks_data()
    {
        QTest::addColumn<int>("origin");  // -1: saved before origins were kept
        QTest::addColumn<int>("loadedOn");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("loaded");  // also the answer, where asked
        QTest::newRow("same type") << DEVICE_TYPE_WHEEL << DEVICE_TYPE_WHEEL << false << true;
        QTest::newRow("unknown origin") << -1 << DEVICE_TYPE_WHEEL << false << true;
        QTest::newRow("joystick on wheel, cancelled")
            << DEVICE_TYPE_JOYSTICK << DEVICE_TYPE_WHEEL << true << false;
        QTest::newRow("joystick on wheel, loaded")
            << DEVICE_TYPE_JOYSTICK << DEVICE_TYPE_WHEEL << true << true;
    }

    void profileOfAnotherDeviceTypeAsks()
    {
        QFETCH(int, origin);
        QFETCH(int, loadedOn);
        QFETCH(bool, asked);
        QFETCH(bool, loaded);

        FullEffectSettingsWidget panel;
        auto *combo = panel.findChild<QComboBox *>(QStringLiteral("profile_combo_box"));
        EffectSettingsTypeDef profile = panel.getEffectSettings();
        profile.axis[0].motion_range = 540;
        panel.setEffectSettings(profile);
        panel.setDeviceType(origin < 0 ? DEVICE_TYPE_JOYSTICK : origin);
        panel.setBoardIdentity(origin < 0 ? BoardIdentity{}
                                          : boardIdentityFor(JOYSTICK_PID, origin, 1));
        combo->setEditText(QStringLiteral("tuned"));
        panel.findChild<QPushButton *>(QStringLiteral("profile_save_button"))->click();
        const ProfileOrigins origins(QDir::current().absoluteFilePath("device_effects_profiles"));
        QCOMPARE(origins.deviceTypeOf(QStringLiteral("tuned")), origin);

        profile.axis[0].motion_range = 900;
        panel.setEffectSettings(profile);
        panel.setDeviceType(loadedOn);
        panel.setBoardIdentity(boardIdentityFor(JOYSTICK_PID, loadedOn, 1));
        {
            QuestionAnswerer answerer(loaded ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
            const int row = combo->findText(QStringLiteral("tuned"));
            combo->setCurrentIndex(row);
            emit combo->activated(row);
            QCOMPARE(answerer.seen.contains(QStringLiteral("profile_origin_question")), asked);
            QCOMPARE(int(panel.getEffectSettings().axis[0].motion_range), loaded ? 540 : 900);
        }

        QuestionAnswerer deleting(QMessageBox::DestructiveRole);
        combo->setEditText(QStringLiteral("tuned"));
        panel.findChild<QPushButton *>(QStringLiteral("profile_delete_button"))->click();
        QVERIFY(!QFile::exists(QDir::current().absoluteFilePath("device_effects_profiles/tuned")));
        QCOMPARE(origins.deviceTypeOf(QStringLiteral("tuned")), -1);
    }

    void importRemembersTheFilesBoard()
    {
        FullEffectSettingsWidget panel;
        panel.setBoardIdentity(boardIdentityFor(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK, 1));
        EffectSettingsTypeDef effects = panel.getEffectSettings();
        effects.direct_x_periodic_strength = 61;
        panel.setEffectSettings(effects);
        const QString path = QDir::current().absoluteFilePath(QStringLiteral("stick.gravolt.json"));
        QString error;
        QVERIFY2(panel.profileExchange()->exportTo(path, &error), qPrintable(error));

        QCOMPARE(ProfileExchange::profileNameForFile(path), QStringLiteral("stick"));
        QVERIFY2(panel.profileExchange()->importFrom(path, QStringLiteral("stick"), &error),
                 qPrintable(error));
        const QString stored = QDir::current().absoluteFilePath("device_effects_profiles/stick");
        QFile raw(stored);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        QCOMPARE(raw.readAll(), bytesOf(effects));
        const ProfileOrigins origins(QDir::current().absoluteFilePath("device_effects_profiles"));
        QCOMPARE(origins.deviceTypeOf(QStringLiteral("stick")), DEVICE_TYPE_JOYSTICK);
        auto *combo = panel.findChild<QComboBox *>(QStringLiteral("profile_combo_box"));
        QCOMPARE(combo->currentText(), QStringLiteral("stick"));

        // A broken file stores nothing.
        QVERIFY(QFile::resize(path, 10));
        QVERIFY(!panel.profileExchange()->importFrom(path, QStringLiteral("broken"), &error));
        QVERIFY(!QFile::exists(QDir::current().absoluteFilePath("device_effects_profiles/broken")));
    }

    void oneNameRuleForSaveImportListAndOrigins_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("tab") << QStringLiteral("a\tb") << false;
        QTest::newRow("escape") << QStringLiteral("Race\x1b[2J") << false;
        QTest::newRow("hidden") << QStringLiteral(".Race") << false;
        QTest::newRow("blank") << QStringLiteral("  ") << false;
        QTest::newRow("leading space") << QStringLiteral(" Race") << true;
        QTest::newRow("beyond ASCII") << QString::fromUtf8("Rallye Überland") << true;
    }

    // What one way of storing a profile accepts, every other accepts and the
    // list shows, so that a stored profile can always be loaded and deleted.
    void oneNameRuleForSaveImportListAndOrigins()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        const QString folder = QDir::current().absoluteFilePath("device_effects_profiles");
        const QString stored = folder + QLatin1Char('/') + name;
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile(stored).open(QIODevice::WriteOnly));  // put there by hand
        QuestionAnswerer answerer(QMessageBox::AcceptRole);
        FullEffectSettingsWidget panel;
        auto *combo = panel.findChild<QComboBox *>(QStringLiteral("profile_combo_box"));
        QCOMPARE(combo->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) >= 0, accepted);
        QVERIFY(QFile::remove(stored));

        combo->setEditText(name);
        panel.findChild<QPushButton *>(QStringLiteral("profile_save_button"))->click();
        QCOMPARE(QFile::remove(stored), accepted);
        const QString exported = QDir::current().absoluteFilePath("exported.gravolt.json");
        QString error;
        QVERIFY2(panel.profileExchange()->exportTo(exported, &error), qPrintable(error));
        QCOMPARE(panel.profileExchange()->importFrom(exported, name, &error), accepted);
        QCOMPARE(ProfileOrigins(folder).remember(name, DEVICE_TYPE_JOYSTICK), accepted);
    }
};

QTEST_MAIN(TestBoardBackupUi)
#include "tst_boardbackupui.moc"

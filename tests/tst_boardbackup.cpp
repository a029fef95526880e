#include "device/firmwareinfo.h"
#include "settings/automaticbackups.h"
#include "settings/boardbackup.h"
#include "settings/effectprofilefile.h"
#include "settings/profileorigins.h"
#include "support/nonregularfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

namespace {

const QDateTime BASE_TIME = QDateTime(QDate(2026, 12, 8), QTime(11, 22, 33, 456), Qt::UTC);

template <typename Record> Record randomRecord(quint32 seed)
{
    QRandomGenerator random(seed);
    unsigned char bytes[sizeof(Record)];
    for (unsigned char &byte : bytes)
        byte = static_cast<unsigned char>(random.bounded(256));
    Record record;
    std::memcpy(&record, bytes, sizeof record);
    return record;
}

template <typename Record> QByteArray imageOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

BoardBackup sampleBackup(int deviceType, const QDateTime &created, quint32 seed)
{
    BoardBackup backup;
    backup.created = created;
    backup.board = boardIdentityFor(22777, deviceType, 240719);
    backup.effects = randomRecord<EffectSettingsTypeDef>(seed);
    backup.hardware = randomRecord<HardwareSettingsTypeDef>(seed + 1);
    return backup;
}

QByteArray withChange(const QByteArray &json, const QStringList &path, const QJsonValue &value)
{
    QJsonObject root = QJsonDocument::fromJson(json).object();
    if (path.size() == 1) {
        if (value.isUndefined())
            root.remove(path[0]);
        else
            root[path[0]] = value;
    } else {
        QJsonObject inner = root[path[0]].toObject();
        inner[path[1]] = value;
        root[path[0]] = inner;
    }
    return QJsonDocument(root).toJson();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class TestBoardBackup : public QObject
{
    Q_OBJECT

private slots:
    void backupAndProfileRoundTrip()
    {
        QTemporaryDir dir;
        const BoardBackup backup = sampleBackup(DEVICE_TYPE_WHEEL, BASE_TIME, 1);
        const QString path = dir.filePath(QStringLiteral("wheel") + BOARD_BACKUP_EXTENSION);
        QString error;
        QVERIFY2(writeBoardBackup(path, backup, &error), qPrintable(error));
        BoardBackup back;
        QVERIFY2(readBoardBackup(path, back, &error), qPrintable(error));
        QCOMPARE(back.created, BASE_TIME);
        QCOMPARE(back.board.model, QStringLiteral("wheel"));
        QCOMPARE(back.board.productId, 22777);
        QCOMPARE(back.board.deviceType, DEVICE_TYPE_WHEEL);
        QCOMPARE(back.board.firmwareVersion, 240719u);
        QCOMPARE(imageOf(back.effects), imageOf(backup.effects));
        QCOMPARE(imageOf(back.hardware), imageOf(backup.hardware));

        // A profile of unknown origin keeps saying so.
        const QString profilePath = dir.filePath(QStringLiteral("race.gravolt.json"));
        QVERIFY2(writeEffectProfileFile(profilePath, backup.effects, BoardIdentity(), &error),
                 qPrintable(error));
        EffectSettingsTypeDef effects{};
        BoardIdentity origin = backup.board;
        QVERIFY2(readEffectProfileFile(profilePath, effects, origin, &error), qPrintable(error));
        QCOMPARE(imageOf(effects), imageOf(backup.effects));
        QCOMPARE(origin.deviceType, -1);
        QVERIFY(origin.model.isEmpty());

        // A backup that could not be read back is not written at all.
        BoardBackup unknownModel = backup;
        unknownModel.board.deviceType = 9;
        unknownModel.board.model.clear();
        const QString refused = dir.filePath(QStringLiteral("refused.gravolt.json"));
        QVERIFY(!writeBoardBackup(refused, unknownModel, &error));
        QVERIFY(!QFile::exists(refused));
    }

    void parseRefuses_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("message");
        const QByteArray valid =
            serializeBoardBackup(sampleBackup(DEVICE_TYPE_JOYSTICK, BASE_TIME, 2));
        const QJsonValue removed(QJsonValue::Undefined);

        QTest::newRow("not JSON") << valid.left(valid.size() / 2) << "not valid JSON";
        QTest::newRow("unknown format")
            << withChange(valid, {"format"}, "gravolt-something") << "not a Gravolt board backup";
        QTest::newRow("effect profile")
            << serializeEffectProfile(EffectSettingsTypeDef{}, BoardIdentity())
            << "not a Gravolt board backup";
        QTest::newRow("newer version")
            << withChange(valid, {"version"}, 2) << "written by a newer version";
        QTest::newRow("version as text")
            << withChange(valid, {"version"}, "1") << "version: expected a whole number";
        QTest::newRow("created missing")
            << withChange(valid, {"created"}, removed) << "created: missing";
        QTest::newRow("created not a time")
            << withChange(valid, {"created"}, "yesterday") << "created: \"yesterday\" is not";
        QTest::newRow("created without a zone")
            << withChange(valid, {"created"}, "2026-12-08T11:22:33") << "has no time zone";
        QTest::newRow("unknown model")
            << withChange(valid, {"board", "model"}, "pedal") << "board.model: \"pedal\"";
        QTest::newRow("model and type disagree")
            << withChange(valid, {"board", "device_type"}, 3) << "board.device_type: 3 does not";
        QTest::newRow("product id too large") << withChange(valid, {"board", "product_id"}, 70000)
                                              << "board.product_id: 70000 is out of range";
        QTest::newRow("negative firmware") << withChange(valid, {"board", "firmware_version"}, -1)
                                           << "board.firmware_version: -1 is out of range";
        QTest::newRow("hardware missing")
            << withChange(valid, {"hardware_settings"}, removed) << "hardware_settings: missing";
        QTest::newRow("field error named with its record")
            << withChange(valid, {"effect_settings", "reserved_4"}, "00")
            << "effect_settings.reserved_4: expected 248 hex digits";
        QTest::newRow("unknown key")
            << withChange(valid, {"comment"}, "mine") << "comment: not a field";
    }

    void parseRefuses()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, message);
        BoardBackup untouched = sampleBackup(DEVICE_TYPE_RUDDER, BASE_TIME.addDays(-1), 3);
        const QByteArray before = serializeBoardBackup(untouched);
        QString error;
        QVERIFY(!parseBoardBackup(json, untouched, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QCOMPARE(serializeBoardBackup(untouched), before);
    }

    // Padding with spaces keeps the JSON valid: only the size limit refuses it.
    void oversizeFileRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.gravolt.json"));
        QByteArray json = serializeBoardBackup(sampleBackup(DEVICE_TYPE_JOYSTICK, BASE_TIME, 4));
        json.append(QByteArray(BOARD_BACKUP_MAX_FILE_SIZE - json.size(), ' '));
        QVERIFY(writeAll(path, json));
        BoardBackup backup;
        QString error;
        QVERIFY2(readBoardBackup(path, backup, &error), qPrintable(error));
        QVERIFY(writeAll(path, json + ' '));
        QVERIFY(!readBoardBackup(path, backup, &error));
        QVERIFY2(error.contains(QStringLiteral("too large")), qPrintable(error));
    }

    void retentionKeepsNewestPerModelOnly()
    {
        QTemporaryDir dir;
        const QString data = dir.path();
        const QString autoDir = automaticBackupDirectory(data);
        QString error;

        // The user's own backups: one beside auto/, one copied into it by hand.
        const QByteArray userBackup =
            serializeBoardBackup(sampleBackup(DEVICE_TYPE_JOYSTICK, BASE_TIME.addYears(-1), 5));
        QVERIFY(QDir().mkpath(autoDir));
        const QString outside = data + QStringLiteral("/board_backups/before-tuning.gravolt.json");
        const QString inside = autoDir + QStringLiteral("/keep-me.gravolt.json");
        QVERIFY(writeAll(outside, userBackup));
        QVERIFY(writeAll(inside, userBackup));
        const QString wheel = writeAutomaticBackup(
            data, sampleBackup(DEVICE_TYPE_WHEEL, BASE_TIME.addYears(-1), 6), "dfu", &error);
        QVERIFY2(!wheel.isEmpty(), qPrintable(error));

        // Two per second: the names must still be distinct.
        constexpr int written = AUTOMATIC_BACKUPS_KEPT_PER_MODEL + 6;
        QStringList paths;
        for (int i = 0; i < written; ++i) {
            const QDateTime created = BASE_TIME.addSecs(i / 2);
            paths.append(writeAutomaticBackup(data, sampleBackup(DEVICE_TYPE_JOYSTICK, created, i),
                                              BACKUP_CAUSE_SAVE_EFFECTS, &error));
            QVERIFY2(!paths.last().isEmpty(), qPrintable(error));
        }
        QCOMPARE(QSet<QString>(paths.begin(), paths.end()).size(), written);
        for (int i = 0; i < written; ++i)
            QCOMPARE(QFile::exists(paths[i]), i >= written - AUTOMATIC_BACKUPS_KEPT_PER_MODEL);
        QCOMPARE(readAll(outside), userBackup);
        QCOMPARE(readAll(inside), userBackup);
        QVERIFY(QFile::exists(wheel));

        const QList<AutomaticBackupEntry> entries = listAutomaticBackups(data);
        QCOMPARE(entries.size(), AUTOMATIC_BACKUPS_KEPT_PER_MODEL + 2);
        QCOMPARE(entries.first().path, paths.last());
        QCOMPARE(entries.first().cause, QStringLiteral("save-effects"));
        QCOMPARE(entries.first().model, QStringLiteral("joystick"));
        QCOMPARE(entries.first().firmwareVersion, 240719u);
        QCOMPARE(entries.at(1).path, paths.at(written - 2));  // same second, written earlier
        for (int i = 1; i < entries.size(); ++i)
            QVERIFY(entries.at(i - 1).created >= entries.at(i).created);
    }

    void nonRegularFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "fifo";
        QTest::newRow("endless device") << "/dev/zero";
        QTest::newRow("folder") << "folder";
    }

    // Refused at once: neither blocking nor reading without end.
    void nonRegularFilesAreRefused()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral(".origins.json"));
        QVERIFY(makeNonRegularFile(kind, path));
        BoardBackup backup;
        EffectSettingsTypeDef effects{};
        QString error;
        QVERIFY(!readBoardBackup(path, backup, &error));
        QVERIFY2(error.contains(QStringLiteral("not a regular file")), qPrintable(error));
        QVERIFY(!readEffectProfileFile(path, effects, backup.board, &error));
        QCOMPARE(ProfileOrigins(dir.path()).deviceTypeOf(QStringLiteral("Race")), -1);
    }

    void rotationSurvivesAWrongClock_data()
    {
        QTest::addColumn<qint64>("earlierOffset");  // seconds from BASE_TIME
        QTest::addColumn<qint64>("laterOffset");
        constexpr qint64 years = 4LL * 365 * 24 * 60 * 60;
        QTest::newRow("clock was years ahead") << years << qint64(0);
        QTest::newRow("clock is years behind") << qint64(0) << -years;
    }

    // A folder full of backups named by the program under one clock, then
    // five written under another: those five are the newest and all stay.
    void rotationSurvivesAWrongClock()
    {
        QFETCH(qint64, earlierOffset);
        QFETCH(qint64, laterOffset);
        QTemporaryDir dir;
        const QString autoDir = automaticBackupDirectory(dir.path());
        QVERIFY(QDir().mkpath(autoDir));
        QString error;
        QStringList paths;
        for (int i = 0; i < AUTOMATIC_BACKUPS_KEPT_PER_MODEL + 5; ++i) {
            const bool later = i >= AUTOMATIC_BACKUPS_KEPT_PER_MODEL;
            const BoardBackup backup = sampleBackup(
                DEVICE_TYPE_JOYSTICK, BASE_TIME.addSecs((later ? laterOffset : earlierOffset) + i),
                quint32(i));
            const QString name =
                QStringLiteral("/joystick-%1-dfu.gravolt.json")
                    .arg(backup.created.toString(QStringLiteral("yyyyMMdd-HHmmss")));
            // Only the later ones rotate: fifty rotations would be slow.
            paths.append(later ? writeAutomaticBackup(dir.path(), backup, BACKUP_CAUSE_DFU, &error)
                         : writeBoardBackup(autoDir + name, backup, &error) ? autoDir + name
                                                                            : QString());
            QVERIFY2(!paths.last().isEmpty(), qPrintable(error));
        }
        for (int i = 0; i < paths.size(); ++i)
            QVERIFY2(QFile::exists(paths.at(i)) == (i >= 5), qPrintable(paths.at(i)));
    }

    void profileOriginsSurviveReload()
    {
        QTemporaryDir dir;
        const QByteArray profile(EFFECT_SETTINGS_SIZE, char(0x5a));
        QVERIFY(writeAll(dir.filePath(QStringLiteral("Race")), profile));
        {
            ProfileOrigins origins(dir.path());
            QVERIFY(origins.remember(QStringLiteral("Race"), DEVICE_TYPE_JOYSTICK));
            QVERIFY(origins.remember(QStringLiteral("Drift"), DEVICE_TYPE_WHEEL));
            QVERIFY(origins.remember(QStringLiteral("Race"), DEVICE_TYPE_RUDDER));
            QVERIFY(origins.forget(QStringLiteral("Drift")));
            QVERIFY(!origins.remember(QStringLiteral(".hidden"), DEVICE_TYPE_WHEEL));
            QVERIFY(!origins.remember(QStringLiteral("../escape"), DEVICE_TYPE_WHEEL));
        }
        const ProfileOrigins reloaded(dir.path());
        QCOMPARE(reloaded.deviceTypeOf(QStringLiteral("Race")), DEVICE_TYPE_RUDDER);
        QCOMPARE(reloaded.deviceTypeOf(QStringLiteral("Drift")), -1);
        QCOMPARE(reloaded.deviceTypeOf(QStringLiteral("Never saved")), -1);
        // The profile list shows visible files only; the index must not be one.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("Race")});
        QCOMPARE(readAll(dir.filePath(QStringLiteral("Race"))), profile);
    }
};

QTEST_GUILESS_MAIN(TestBoardBackup)
#include "tst_boardbackup.moc"

// Single fields of the settings records as gravoltctl's set, read and diff
// see them: names, the window's ranges, units and code meanings.
#include "cli/recordfields.h"
#include "settings/recordcodec.h"

#include <QtTest>

class TestRecordFields : public QObject
{
    Q_OBJECT

private:
    static EffectSettingsTypeDef effects()
    {
        EffectSettingsTypeDef record{};
        record.invert_constant_force = -1;
        record.axis[0].max_force = 8.0f;
        record.axis[1].soft_stop_range = 5;
        record.reserved_4[3] = 0xAB;
        return record;
    }
    static HardwareSettingsTypeDef hardware()
    {
        HardwareSettingsTypeDef record{};
        record.calibration_mode = CALIBRATION_START_ANGLE_AS_CENTER;
        record.gpio_mode[3] = GPIO_MODE_GENERIC_BUTTON;
        record.speed_sample_buffer_size = 8;
        record.axis[1].encoder_direction = -1;
        return record;
    }
    static QJsonObject recordOf(bool isEffects)
    {
        return isEffects ? encodeEffectSettings(effects()) : encodeHardwareSettings(hardware());
    }

private slots:
    void setChecksBeforeChanging_data()
    {
        QTest::addColumn<bool>("isEffects");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");  // the listing's value, or the error's start
        QTest::addColumn<bool>("accepted");

        QTest::newRow("float with decimals") << true << "axis[0].max_force"
                                             << "8.5"
                                             << "8.5 kg" << true;
        QTest::newRow("float at the top") << true << "axis[0].max_force"
                                          << "100"
                                          << "100 kg" << true;
        QTest::newRow("float above the window's range")
            << true << "axis[0].max_force"
            << "100.5"
            << "axis[0].max_force: 100.5 is out of range" << false;
        QTest::newRow("float not a number")
            << true << "axis[0].max_force"
            << "nan"
            << "axis[0].max_force: \"nan\" is not a number" << false;
        QTest::newRow("second axis, degrees") << true << "axis[1].soft_stop_range"
                                              << "45"
                                              << "45°" << true;
        QTest::newRow("below the window's minimum")
            << true << "axis[1].soft_stop_range"
            << "0"
            << "axis[1].soft_stop_range: 0 is out of range" << false;
        QTest::newRow("fraction of a whole field")
            << true << "direct_x_spring_strength"
            << "50.5"
            << "direct_x_spring_strength: \"50.5\" is not a whole number" << false;
        QTest::newRow("sign field takes +1") << true << "invert_constant_force"
                                             << "1"
                                             << "1 (inverted)" << true;
        QTest::newRow("sign field refuses 0") << true << "invert_constant_force"
                                              << "0"
                                              << "invert_constant_force: 0 is not one of" << false;
        QTest::newRow("reserved area") << true << "reserved_4"
                                       << "0"
                                       << "reserved_4: a reserved area" << false;
        QTest::newRow("axis that does not exist") << true << "axis[2].max_force"
                                                  << "1"
                                                  << "axis[2].max_force: no such field" << false;
        QTest::newRow("other record's field") << true << "calibration_mode"
                                              << "1"
                                              << "calibration_mode: no such field" << false;
        QTest::newRow("array without index") << false << "gpio_mode"
                                             << "1"
                                             << "gpio_mode: no such field" << false;
        QTest::newRow("code with meaning")
            << false << "calibration_mode"
            << "2"
            << "2 (automatic search for the centre of the range)" << true;
        QTest::newRow("unknown code") << false << "calibration_mode"
                                      << "3"
                                      << "calibration_mode: 3 is not one of" << false;
        QTest::newRow("analog on pin 3") << false << "gpio_mode[2]"
                                         << "2"
                                         << "2 (analog)" << true;
        QTest::newRow("analog on pin 4") << false << "gpio_mode[3]"
                                         << "2"
                                         << "gpio_mode[3]: only pins 1 to 3" << false;
        QTest::newRow("braking PWM on pin 8") << false << "gpio_mode[7]"
                                              << "9"
                                              << "9 (braking PWM)" << true;
        QTest::newRow("braking PWM on pin 1") << false << "gpio_mode[0]"
                                              << "9"
                                              << "gpio_mode[0]: only pin 8" << false;
        QTest::newRow("button on Z0") << false << "gpio_mode[8]"
                                      << "1"
                                      << "gpio_mode[8]: the encoder index" << false;
        QTest::newRow("samples, lower bound")
            << false << "speed_sample_buffer_size"
            << "1"
            << "speed_sample_buffer_size: 1 is out of range" << false;
        QTest::newRow("samples") << false << "speed_sample_buffer_size"
                                 << "32"
                                 << "32 samples" << true;
        QTest::newRow("direction") << false << "axis[1].encoder_direction"
                                   << "1"
                                   << "1 (inverted)" << true;
        QTest::newRow("gain, any float") << false << "axis[0].p_gain"
                                         << "-0.35"
                                         << "-0.35" << true;
        QTest::newRow("gain beyond a float") << false << "axis[0].p_gain"
                                             << "1e39"
                                             << "axis[0].p_gain: 1e39 is out of range" << false;
    }

    void setChecksBeforeChanging()
    {
        QFETCH(bool, isEffects);
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(bool, accepted);
        const QJsonObject original = recordOf(isEffects);
        QJsonObject record = original;
        QJsonValue old;
        QString error;
        QCOMPARE(setRecordField(record, path, text, old, &error), accepted);
        if (!accepted) {
            QVERIFY2(error.startsWith(expected), qPrintable(error));
            QCOMPARE(record, original);
            return;
        }
        // Only the named field changed, and the codec takes the record back.
        const QList<QPair<RecordField, RecordField>> changed =
            differingFields(original, record, true);
        const bool sameValue = old == changed.value(0).second.value;
        QCOMPARE(changed.size(), sameValue ? 0 : 1);
        const QList<RecordField> fields = recordFields(record);
        const auto field = std::find_if(fields.cbegin(), fields.cend(),
                                        [&path](const RecordField &f) { return f.path == path; });
        QVERIFY(field != fields.cend());
        QCOMPARE(readableValue(*field), expected);
        EffectSettingsTypeDef decodedEffects{};
        HardwareSettingsTypeDef decodedHardware{};
        QVERIFY2(isEffects ? decodeEffectSettings(record, decodedEffects, &error)
                           : decodeHardwareSettings(record, decodedHardware, &error),
                 qPrintable(error));
    }

    void listingHidesReservedUnlessAll()
    {
        const QJsonObject record = recordOf(true);
        const QStringList shown = readableListing(record, false);
        const QStringList all = readableListing(record, true);
        QVERIFY(shown.contains(QStringLiteral("invert_constant_force = -1 (not inverted)")));
        QVERIFY(shown.contains(QStringLiteral("axis[0].max_force = 8 kg")));
        QVERIFY(!shown.filter(QStringLiteral("reserved")).size());
        QVERIFY(all.contains(QStringLiteral("reserved_4 = 000000ab") +
                             QString(248 - 8, QLatin1Char('0'))));
        // Every field once, reserved areas included, in record order.
        QCOMPARE(all.size(), recordFields(record).size());
        QVERIFY(all.indexOf(QStringLiteral("axis[1].max_force = 0 kg")) >
                all.indexOf(QStringLiteral("axis[0].soft_stop_dampening = 0 %")));
    }

    void diffNamesOnlyWhatDiffers()
    {
        EffectSettingsTypeDef other = effects();
        other.axis[1].max_force = 12.25f;
        other.reserved_4[0] = 1;
        const auto differing = differingFields(recordOf(true), encodeEffectSettings(other), false);
        QCOMPARE(differing.size(), 1);
        QCOMPARE(differing.at(0).first.path, QStringLiteral("axis[1].max_force"));
        QCOMPARE(readableValue(differing.at(0).second), QStringLiteral("12.25 kg"));
        QCOMPARE(differingFields(recordOf(true), encodeEffectSettings(other), true).size(), 2);
        QVERIFY(differingFields(recordOf(false), recordOf(false), true).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecordFields)
#include "tst_recordfields.moc"

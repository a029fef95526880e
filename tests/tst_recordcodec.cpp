#include "settings/orderedjson.h"
#include "settings/recordcodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QtTest>

#include <clocale>
#include <cstring>
#include <string>

namespace {

constexpr int RANDOM_IMAGES_PER_SIZE = 40;

// Offsets of every float in the two records, where the random images get the
// bit patterns JSON numbers cannot carry.
constexpr int EFFECT_FLOAT_OFFSETS[] = {128 + 9, 256 + 9};
constexpr int HARDWARE_FLOAT_OFFSETS[] = {256 + 7, 256 + 11, 384 + 7, 384 + 11};

constexpr quint32 SPECIAL_FLOAT_BITS[] = {
    0x7fc00000,  // quiet NaN
    0xffc00001,  // negative NaN with payload
    0x7f800001,  // signalling NaN
    0x7f800000,  // +infinity
    0xff800000,  // -infinity
    0x80000000,  // -0
    0x00000001,  // smallest subnormal
    0x7f7fffff,  // largest finite
    0x3dcccccd,  // 0.1f
};

QByteArray randomImage(int size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray image(size, Qt::Uninitialized);
    for (char &byte : image)
        byte = char(random.bounded(256));
    return image;
}

void putFloatBits(QByteArray &image, int offset, quint32 bits)
{
    std::memcpy(image.data() + offset, &bits, sizeof bits);
}

// Through the text forms too: the object must survive being written to a file
// by QJsonDocument and by the file writer that keeps record order.
QJsonObject throughText(const QJsonObject &object)
{
    const QJsonObject plain = QJsonDocument::fromJson(QJsonDocument(object).toJson()).object();
    const QJsonObject ordered =
        QJsonDocument::fromJson(orderedJson(object, recordFieldOrder())).object();
    return plain == ordered ? ordered : QJsonObject();
}

QByteArray roundTrip(const QByteArray &image, QString *error)
{
    if (image.size() == EFFECT_SETTINGS_SIZE) {
        EffectSettingsTypeDef in;
        std::memcpy(&in, image.constData(), sizeof in);
        EffectSettingsTypeDef out{};
        if (!decodeEffectSettings(throughText(encodeEffectSettings(in)), out, error))
            return QByteArray();
        return QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
    }
    HardwareSettingsTypeDef in;
    std::memcpy(&in, image.constData(), sizeof in);
    HardwareSettingsTypeDef out{};
    if (!decodeHardwareSettings(throughText(encodeHardwareSettings(in)), out, error))
        return QByteArray();
    return QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
}

// Replaces (or, with an undefined value, removes) the value at a path of keys
// and array indexes, e.g. {"axis", "1", "encoder_cpr"}.
QJsonValue replaced(const QJsonValue &root, QStringList path, const QJsonValue &value)
{
    const QString step = path.takeFirst();
    if (root.isArray()) {
        QJsonArray array = root.toArray();
        const int index = step.toInt();
        if (path.isEmpty() && value.isUndefined())
            array.removeAt(index);
        else
            array[index] = path.isEmpty() ? value : replaced(array.at(index), path, value);
        return array;
    }
    QJsonObject object = root.toObject();
    if (path.isEmpty() && value.isUndefined())
        object.remove(step);
    else
        object[step] = path.isEmpty() ? value : replaced(object.value(step), path, value);
    return object;
}

}  // namespace

class TestRecordCodec : public QObject
{
    Q_OBJECT

private slots:
    void roundTripIsByteExact_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::newRow("effects, zero") << QByteArray(EFFECT_SETTINGS_SIZE, 0);
        QTest::newRow("hardware, all ones") << QByteArray(HARDWARE_SETTINGS_SIZE, char(0xff));
        for (int i = 0; i < RANDOM_IMAGES_PER_SIZE; ++i) {
            for (int size : {EFFECT_SETTINGS_SIZE, HARDWARE_SETTINGS_SIZE}) {
                QByteArray image = randomImage(size, quint32(size * 1000 + i));
                // Every special pattern lands in every float slot across the rows.
                const quint32 bits = SPECIAL_FLOAT_BITS[i % std::size(SPECIAL_FLOAT_BITS)];
                if (size == EFFECT_SETTINGS_SIZE) {
                    for (int offset : EFFECT_FLOAT_OFFSETS)
                        putFloatBits(image, offset, bits);
                } else {
                    putFloatBits(image, HARDWARE_FLOAT_OFFSETS[i % 4], bits);
                }
                QTest::addRow("%s, random %d",
                              size == EFFECT_SETTINGS_SIZE ? "effects" : "hardware", i)
                    << image;
            }
        }
    }

    void roundTripIsByteExact()
    {
        QFETCH(QByteArray, image);
        QString error;
        const QByteArray back = roundTrip(image, &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(back.toHex(), image.toHex());
    }

    // What a person editing the file sees: names, arrays, plain numbers.
    void encodesReadableFields()
    {
        HardwareSettingsTypeDef hardware{};
        hardware.gpio_mode[9] = GPIO_MODE_BRAKING_PWM;
        const float gain = 0.1f;
        std::memcpy(reinterpret_cast<char *>(&hardware) + 256 + 7, &gain, sizeof gain);
        const float nan = std::numeric_limits<float>::quiet_NaN();
        std::memcpy(reinterpret_cast<char *>(&hardware) + 384 + 11, &nan, sizeof nan);
        const QByteArray text =
            QJsonDocument(encodeHardwareSettings(hardware)).toJson(QJsonDocument::Compact);
        QVERIFY2(text.contains("\"gpio_mode\":[0,0,0,0,0,0,0,0,0,9]"), text.constData());
        QVERIFY2(text.contains("\"p_gain\":0.1,"), text.constData());
        QVERIFY2(text.contains("\"i_gain\":\"7fc00000\""), text.constData());
        QVERIFY2(text.contains("\"reserved_2\":\"00\""), text.constData());
    }

    // A backup is one text wherever it is taken, decimal comma or not.
    void textIsTheSameUnderEveryLocale()
    {
        HardwareSettingsTypeDef hardware{};
        const float gains[] = {0.1f, 2.5f, 1e-7f, 123456.7f};
        for (std::size_t i = 0; i < std::size(gains); ++i)
            std::memcpy(reinterpret_cast<char *>(&hardware) + HARDWARE_FLOAT_OFFSETS[i], &gains[i],
                        sizeof(float));
        const QByteArray inC = orderedJson(encodeHardwareSettings(hardware), recordFieldOrder());
        QVERIFY2(inC.contains("\"p_gain\": 0.1,"), inC.constData());
        const std::string previous = std::setlocale(LC_ALL, nullptr);
        for (const char *locale : {"de_DE.UTF-8", "ru_RU.UTF-8"}) {
            // scripts/install-deps.sh generates both.
            QVERIFY2(std::setlocale(LC_ALL, locale), locale);
            const QByteArray decimalPoint = std::localeconv()->decimal_point;
            const QByteArray text =
                orderedJson(encodeHardwareSettings(hardware), recordFieldOrder());
            std::setlocale(LC_ALL, previous.c_str());
            QCOMPARE(decimalPoint, QByteArray(","));
            QCOMPARE(text, inC);
        }
    }

    void decodeRefuses_data()
    {
        QTest::addColumn<bool>("effects");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("message");
        const QJsonValue removed(QJsonValue::Undefined);

        QTest::newRow("missing field")
            << true << "direct_x_spring_strength" << removed << "direct_x_spring_strength: missing";
        QTest::newRow("missing axis field")
            << false << "axis/1/encoder_cpr" << removed << "axis[1].encoder_cpr: missing";
        QTest::newRow("missing axis block") << false << "axis" << removed << "axis: missing";
        QTest::newRow("number as text") << true << "axis/0/motion_range" << QJsonValue("900")
                                        << "axis[0].motion_range: expected a number";
        QTest::newRow("array for a scalar")
            << false << "force_enable" << QJsonValue(QJsonArray{1}) << "force_enable: expected";
        QTest::newRow("null") << false << "spi_mode" << QJsonValue(QJsonValue::Null)
                              << "spi_mode: expected a number, found null";
        QTest::newRow("number for reserved")
            << true << "reserved_4" << QJsonValue(0) << "reserved_4: expected a hex string";
        QTest::newRow("u16 too large") << false << "axis/1/encoder_cpr" << QJsonValue(65536)
                                       << "axis[1].encoder_cpr: 65536 is out of range";
        QTest::newRow("u8 negative") << false << "axis/0/pole_pairs" << QJsonValue(-1)
                                     << "axis[0].pole_pairs: -1 is out of range";
        QTest::newRow("s8 too small") << true << "invert_constant_force" << QJsonValue(-129)
                                      << "invert_constant_force: -129 is out of range";
        QTest::newRow("s8 too large") << false << "axis/0/force_direction" << QJsonValue(128)
                                      << "axis[0].force_direction: 128 is out of range";
        QTest::newRow("fraction") << true << "axis/1/total_effect_scale" << QJsonValue(1.5)
                                  << "axis[1].total_effect_scale: expected a whole number";
        QTest::newRow("beyond float") << true << "axis/0/max_force" << QJsonValue(1e39)
                                      << "axis[0].max_force: 1e+39 is out of range";
        QTest::newRow("float bits too short")
            << false << "axis/0/i_gain" << QJsonValue("7fc0000") << "axis[0].i_gain: expected 8";
        QTest::newRow("element out of range") << false << "button_mode/31" << QJsonValue(256)
                                              << "button_mode[31]: 256 is out of range";
        QTest::newRow("array too short")
            << false << "gpio_mode/9" << removed << "gpio_mode: expected 10 entries, found 9";
        QTest::newRow("one axis missing")
            << true << "axis/1" << removed << "axis: expected 2 entries, found 1";
        QTest::newRow("hex too short") << true << "axis/0/reserved_13" << QJsonValue("0")
                                       << "axis[0].reserved_13: expected 2 hex digits";
        QTest::newRow("hex too long")
            << false << "reserved_2" << QJsonValue("0000") << "reserved_2: expected 2 hex digits";
        QTest::newRow("not hex") << false << "axis/1/reserved_5" << QJsonValue("00zz")
                                 << "axis[1].reserved_5: 'z' is not a hex digit";
        QTest::newRow("unknown key") << true << "axis/0/motion_rnage" << QJsonValue(900)
                                     << "axis[0].motion_rnage: not a field";
        QTest::newRow("unknown top-level key")
            << false << "comment" << QJsonValue("x") << "comment: not a field";
    }

    void decodeRefuses()
    {
        QFETCH(bool, effects);
        QFETCH(QString, path);
        QFETCH(QJsonValue, value);
        QFETCH(QString, message);

        // Start from a valid object of a random record, break one thing.
        // One image large enough for either record.
        const QByteArray image = randomImage(HARDWARE_SETTINGS_SIZE, 7);
        EffectSettingsTypeDef effectRecord;
        HardwareSettingsTypeDef hardwareRecord;
        std::memcpy(&effectRecord, image.constData(), sizeof effectRecord);
        std::memcpy(&hardwareRecord, image.constData(), sizeof hardwareRecord);
        const QJsonObject valid =
            effects ? encodeEffectSettings(effectRecord) : encodeHardwareSettings(hardwareRecord);
        const QJsonObject broken = replaced(valid, path.split('/'), value).toObject();
        QVERIFY(broken != valid);

        // A failed decode leaves the destination as it was.
        QString error;
        bool decoded = true;
        QByteArray before;
        QByteArray after;
        if (effects) {
            EffectSettingsTypeDef out;
            std::memset(&out, 0xab, sizeof out);
            before = QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
            decoded = decodeEffectSettings(broken, out, &error);
            after = QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
        } else {
            HardwareSettingsTypeDef out;
            std::memset(&out, 0xab, sizeof out);
            before = QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
            decoded = decodeHardwareSettings(broken, out, &error);
            after = QByteArray(reinterpret_cast<const char *>(&out), sizeof out);
        }
        QVERIFY(!decoded);
        QVERIFY2(error.startsWith(message), qPrintable(error));
        QCOMPARE(after, before);
    }
};

QTEST_GUILESS_MAIN(TestRecordCodec)
#include "tst_recordcodec.moc"

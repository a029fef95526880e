#include "device/firmwareinfo.h"
#include "settings/effectsettings.h"
#include "settings/hardwaresettings.h"
#include "settings/recordmetatypes.h"

#include <QtTest>

#include <cstring>

namespace {

template <typename Record> QByteArray imageOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray result;
    for (int v : values)
        result.append(char(v));
    return result;
}

}  // namespace

// The structs are compile-time checked for size and offsets; these tests check
// what the compiler cannot: that multi-byte fields land on the wire in the
// board's byte order, and that the records survive a queued signal whole.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void effectFieldsOnTheWire()
    {
        EffectSettingsTypeDef e{};
        e.axis[1].max_force = 25.0f;
        e.axis[0].motion_range = 900;
        e.axis[0].soft_stop_dampening = 0x1234;
        e.invert_constant_force = -1;
        const QByteArray image = imageOf(e);
        QCOMPARE(image.size(), 384);
        QCOMPARE(image.mid(265, 4), bytes({0x00, 0x00, 0xC8, 0x41}));
        QCOMPARE(image.mid(135, 2), bytes({0x84, 0x03}));
        QCOMPARE(image.mid(142, 2), bytes({0x34, 0x12}));
        QCOMPARE(uint8_t(image[0]), uint8_t(0xFF));
    }

    void hardwareFieldsOnTheWire()
    {
        HardwareSettingsTypeDef h{};
        h.analog_lower_dead_zone[2] = 0x7FFF;
        h.analog_upper_dead_zone[0] = 0x0102;
        h.axis[0].encoder_cpr = 65535;
        h.axis[1].encoder_cpr = 0x0A0B;
        h.axis[1].p_gain = 1.0f;
        h.axis[0].i_gain = -2.0f;
        h.axis[1].encoder_direction = -1;
        h.gpio_mode[9] = GPIO_MODE_BRAKING_PWM;
        h.button_mode[31] = BUTTON_MODE_INVERTED;
        const QByteArray image = imageOf(h);
        QCOMPARE(image.size(), 512);
        QCOMPARE(image.mid(71, 2), bytes({0xFF, 0x7F}));
        QCOMPARE(image.mid(73, 2), bytes({0x02, 0x01}));
        QCOMPARE(image.mid(259, 2), bytes({0xFF, 0xFF}));
        QCOMPARE(image.mid(387, 2), bytes({0x0B, 0x0A}));
        QCOMPARE(image.mid(391, 4), bytes({0x00, 0x00, 0x80, 0x3F}));
        QCOMPARE(image.mid(267, 4), bytes({0x00, 0x00, 0x00, 0xC0}));
        QCOMPARE(uint8_t(image[384]), uint8_t(0xFF));
        QCOMPARE(uint8_t(image[15]), uint8_t(9));
        QCOMPARE(uint8_t(image[47]), uint8_t(2));
    }

    void firmwareInfoFromBoardBytes()
    {
        QByteArray reply(64, '\0');
        reply[0] = char(0x4F);
        reply[1] = char(0xAC);
        reply[2] = char(0x03);
        reply[4] = char(DEVICE_TYPE_RUDDER);
        FirmwareInfoTypeDef info;
        std::memcpy(&info, reply.constData(), sizeof info);
        QCOMPARE(uint32_t(info.firmwareVersion), SUPPORTED_FIRMWARE_VERSION);
        QCOMPARE(int(info.deviceType), DEVICE_TYPE_RUDDER);
    }

    void codeTablesMatchTheBoard()
    {
        QCOMPARE(int(CALIBRATION_AUTOMATIC_CENTER_SEARCH), 2);
        QCOMPARE(int(AMPLIFIER_GAIN_10), 3);
        QCOMPARE(int(SPI_MODE_GRIP_VPC_VFX), 8);
        QCOMPARE(SPI_MODE_COUNT, 9);
        QCOMPARE(int(GPIO_MODE_ANALOG), 2);
        QCOMPARE(int(GPIO_MODE_BRAKING_PWM), 9);
        QCOMPARE(GPIO_MODE_COUNT, 10);
        QCOMPARE(int(BUTTON_MODE_INVERTED), 2);
    }

    void registeredNames()
    {
        registerRecordMetaTypes();
        registerRecordMetaTypes();  // a second call must be harmless
        const QMetaType effect = QMetaType::fromName("EffectSettingsTypeDef");
        QVERIFY(effect.isValid());
        QCOMPARE(effect.sizeOf(), 384);
        QCOMPARE(effect.id(), qMetaTypeId<EffectSettingsTypeDef>());
        const QMetaType hardware = QMetaType::fromName("HardwareSettingsTypeDef");
        QVERIFY(hardware.isValid());
        QCOMPARE(hardware.sizeOf(), 512);
        QCOMPARE(hardware.alignOf(), 1);
        const QMetaType map = QMetaType::fromName("QMap<int,FirmwareInfoTypeDef>");
        QVERIFY(map.isValid());
        QCOMPARE(map.id(), qMetaTypeId<FirmwareInfoMap>());
        QVERIFY(!QMetaType::fromName("FirmwareInfoTypeDef").isValid());
    }

    // A record must arrive byte for byte through a queued connection between
    // threads, reserved bytes included.
    void recordsCrossThreadsWhole()
    {
        registerRecordMetaTypes();
        QThread thread;
        QObject receiver;
        receiver.moveToThread(&thread);
        thread.start();

        HardwareSettingsTypeDef sent;
        for (size_t i = 0; i < sizeof sent; ++i)
            reinterpret_cast<unsigned char *>(&sent)[i] = static_cast<unsigned char>(i * 13 + 1);
        QByteArray received;
        QMetaObject::invokeMethod(
            &receiver, [&received, sent] { received = imageOf(sent); },
            Qt::BlockingQueuedConnection);

        FirmwareInfoMap map;
        FirmwareInfoTypeDef info{};
        info.firmwareVersion = 240718;
        map.insert(22888, info);
        QVariant carried = QVariant::fromValue(map);
        QCOMPARE(uint32_t(carried.value<FirmwareInfoMap>().value(22888).firmwareVersion), 240718u);

        thread.quit();
        thread.wait();
        QCOMPARE(received, imageOf(sent));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"

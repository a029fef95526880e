#include "boardsim/simulatedboard.h"
#include "device/featurereporttransport.h"

#include <libusb.h>

#include <QtTest>

using namespace boardsim;

namespace {

constexpr int JOYSTICK_PID = 22777;

QByteArray patternRecord(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + 3) & 0xFF);
    return bytes;
}

uint16_t le16(const QByteArray &b, int at)
{
    return uint16_t(uint8_t(b[at]) | (uint8_t(b[at + 1]) << 8));
}

}  // namespace

class TestFeatureReportTransport : public QObject
{
    Q_OBJECT

    libusb_device_handle *handle = nullptr;
    SimulatedBoard board{JOYSTICK_PID, DEVICE_TYPE_JOYSTICK};

private slots:
    void init()
    {
        Bus::reset();
        board = SimulatedBoard(JOYSTICK_PID, DEVICE_TYPE_JOYSTICK);
        Bus::plug(board);
        handle = libusb_open_device_with_vid_pid(nullptr, VENDOR_ID, JOYSTICK_PID);
        QVERIFY(handle);
        Bus::clearTransfers();
    }

    void cleanup()
    {
        libusb_close(handle);
        handle = nullptr;
        QCOMPARE(Bus::openHandleCount(), 0);
    }

    void recordFraming_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("command");
        QTest::addColumn<QList<int>>("offsets");
        QTest::addColumn<QList<int>>("remaining");
        QTest::addColumn<QList<int>>("chunks");

        QTest::newRow("effect record, 384 bytes") << 384 << int(COMMAND_WRITE_EFFECT_SETTINGS)
                                                  << QList<int>{0, 58, 116, 174, 232, 290, 348}
                                                  << QList<int>{384, 326, 268, 210, 152, 94, 36}
                                                  << QList<int>{58, 58, 58, 58, 58, 58, 36};
        QTest::newRow("hardware record, 512 bytes")
            << 512 << int(COMMAND_WRITE_HARDWARE_SETTINGS)
            << QList<int>{0, 58, 116, 174, 232, 290, 348, 406, 464}
            << QList<int>{512, 454, 396, 338, 280, 222, 164, 106, 48}
            << QList<int>{58, 58, 58, 58, 58, 58, 58, 58, 48};
        QTest::newRow("exact multiple of the chunk size")
            << 116 << int(COMMAND_WRITE_EFFECT_SETTINGS) << QList<int>{0, 58, 116}
            << QList<int>{116, 58, 0} << QList<int>{58, 58, 0};
    }

    void recordFraming()
    {
        QFETCH(int, length);
        QFETCH(int, command);
        QFETCH(QList<int>, offsets);
        QFETCH(QList<int>, remaining);
        QFETCH(QList<int>, chunks);

        const QByteArray record = patternRecord(length);
        sendRecord(handle, uint8_t(command), record.constData(), uint16_t(length));

        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), offsets.size() + 1);

        QByteArray previous(WRITE_REPORT_SIZE, '\0');
        for (int k = 0; k < log.size(); ++k) {
            const Transfer &t = log[k];
            QCOMPARE(t.requestType, uint8_t(0x21));
            QCOMPARE(t.request, uint8_t(0x09));
            QCOMPARE(t.value, uint16_t(0x0320));
            QCOMPARE(t.index, uint16_t(0));
            QCOMPARE(t.length, uint16_t(65));
            QCOMPARE(t.timeout, 1000u);
            const QByteArray &r = t.data;
            QCOMPARE(r.size(), 65);
            QCOMPARE(uint8_t(r[0]), uint8_t(0x20));
            QCOMPARE(uint8_t(r[1]), uint8_t(command));
            QCOMPARE(uint8_t(r[64]), uint8_t(0));

            if (k == offsets.size()) {
                // The terminator repeats the last data report but for the
                // remaining count.
                QByteArray expected = previous;
                expected[4] = char(0xFF);
                expected[5] = char(0xFF);
                QCOMPARE(r, expected);
                break;
            }
            QCOMPARE(int(le16(r, 2)), offsets[k]);
            QCOMPARE(int(le16(r, 4)), remaining[k]);
            const int chunk = chunks[k];
            QCOMPARE(r.mid(6, chunk), record.mid(offsets[k], chunk));
            // Past a short chunk the data area keeps the previous report's bytes.
            QCOMPARE(r.mid(6 + chunk, 58 - chunk), previous.mid(6 + chunk, 58 - chunk));
            previous = r;
        }
    }

    void seventhEffectReportKeepsStaleBytes()
    {
        const QByteArray record = patternRecord(384);
        sendRecord(handle, COMMAND_WRITE_EFFECT_SETTINGS, record.constData(), 384);
        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), 8);
        // Bytes 42 to 63 of the seventh report still hold record bytes 326 to
        // 347, carried over from the sixth report.
        QCOMPARE(log[6].data.mid(42, 22), record.mid(326, 22));
        QCOMPARE(log[6].data.mid(6, 36), record.mid(348, 36));
    }

    void firstShortRecordHasZerosPastItsChunk()
    {
        const QByteArray record = patternRecord(10);
        sendRecord(handle, COMMAND_WRITE_EFFECT_SETTINGS, record.constData(), 10);
        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].data.mid(16, 48), QByteArray(48, '\0'));
    }

    void recordWriteStopsAtFirstFailure_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("failingReport");
        QTest::newRow("first chunk") << 384 << 0;
        QTest::newRow("middle chunk") << 384 << 2;
        QTest::newRow("last chunk") << 512 << 8;
        QTest::newRow("terminator") << 384 << 7;
    }

    // The reports before the failure are byte for byte those of a write that
    // succeeds, and nothing follows the failed one: no terminator after a
    // failed chunk, so the board applies nothing.
    void recordWriteStopsAtFirstFailure()
    {
        QFETCH(int, length);
        QFETCH(int, failingReport);
        const uint8_t command =
            length == 384 ? COMMAND_WRITE_EFFECT_SETTINGS : COMMAND_WRITE_HARDWARE_SETTINGS;
        auto working = [this, length] {
            return length == 384 ? board.workingEffects() : board.workingHardware();
        };
        QByteArray edited = patternRecord(length);
        edited[0] = char(0x5A);
        const QByteArray before = working();

        // The reports a successful write of the edited record sends.
        QCOMPARE(sendRecord(handle, command, edited.constData(), uint16_t(length)), 0);
        const QList<Transfer> whole = Bus::transfers();
        QCOMPARE(whole.size(), recordReportCount(length));
        QCOMPARE(working(), edited);
        QCOMPARE(sendRecord(handle, command, before.constData(), uint16_t(length)), 0);
        Bus::clearTransfers();

        board.setFailRecordReportsFrom(failingReport + 1);
        int failedReport = -2;
        const int result =
            sendRecord(handle, command, edited.constData(), uint16_t(length), &failedReport);
        QCOMPARE(result, int(LIBUSB_ERROR_PIPE));
        QCOMPARE(failedReport, failingReport);
        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), failingReport + 1);
        for (int k = 0; k < log.size(); ++k)
            QCOMPARE(log[k].data, whole[k].data);
        QCOMPARE(log.last().result, int(LIBUSB_ERROR_PIPE));
        QCOMPARE(working(), before);
    }

    void commandReport_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("reboot") << 0x01;
        QTest::newRow("store") << 0x02;
        QTest::newRow("dfu") << 0x03;
    }

    void commandReport()
    {
        QFETCH(int, command);
        const int result = sendCommand(handle, uint8_t(command));
        QCOMPARE(result, 65);
        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), 1);
        QByteArray expected(65, '\0');
        expected[0] = char(0x20);
        expected[1] = char(command);
        QCOMPARE(log[0].data, expected);
        QCOMPARE(log[0].value, uint16_t(0x0320));
        QCOMPARE(log[0].requestType, uint8_t(0x21));
        QCOMPARE(log[0].request, uint8_t(0x09));
    }

    void commandResultIsLibusbs()
    {
        board.failNextTransfers(1, LIBUSB_ERROR_TIMEOUT);
        QCOMPARE(sendCommand(handle, COMMAND_STORE_PERMANENTLY), int(LIBUSB_ERROR_TIMEOUT));
    }

    void readParameters_data()
    {
        QTest::addColumn<int>("reportId");
        QTest::addColumn<int>("expectedBytes");
        QTest::newRow("hardware settings") << 0x21 << 512;
        QTest::newRow("effect settings") << 0x22 << 384;
        QTest::newRow("busy status") << 0x24 << 64;
        QTest::newRow("device information") << 0x25 << 64;
    }

    void readParameters()
    {
        QFETCH(int, reportId);
        QFETCH(int, expectedBytes);
        unsigned char buffer[READ_BUFFER_SIZE];
        const int result = readFeatureReport(handle, uint8_t(reportId), buffer, READ_BUFFER_SIZE);
        QCOMPARE(result, expectedBytes);
        const QList<Transfer> log = Bus::transfers();
        QCOMPARE(log.size(), 1);
        QCOMPARE(log[0].requestType, uint8_t(0xA1));
        QCOMPARE(log[0].request, uint8_t(0x01));
        QCOMPARE(log[0].value, uint16_t(0x0300 | reportId));
        QCOMPARE(log[0].index, uint16_t(0));
        QCOMPARE(log[0].length, uint16_t(1024));
        QCOMPARE(log[0].timeout, 1000u);
    }

    void deviceInformationStartsAtByteZero()
    {
        FirmwareInfoTypeDef info{};
        info.firmwareVersion = 0x0003AC4F;
        info.deviceType = DEVICE_TYPE_WHEEL;
        board.setFirmwareInfo(info);
        unsigned char buffer[READ_BUFFER_SIZE];
        QVERIFY(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE) >= 64);
        QCOMPARE(buffer[0], uint8_t(0x4F));
        QCOMPARE(buffer[1], uint8_t(0xAC));
        QCOMPARE(buffer[2], uint8_t(0x03));
        QCOMPARE(buffer[3], uint8_t(0x00));
        FirmwareInfoTypeDef read;
        std::memcpy(&read, buffer, sizeof read);
        QCOMPARE(uint32_t(read.firmwareVersion), SUPPORTED_FIRMWARE_VERSION);
        QCOMPARE(int(read.deviceType), DEVICE_TYPE_WHEEL);
    }

    void failedReadReturnsNegative()
    {
        board.failNextTransfers(1);
        unsigned char buffer[READ_BUFFER_SIZE];
        QVERIFY(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE) < 0);
        Bus::unplug(board);
        QCOMPARE(readFeatureReport(handle, REPORT_ID_DEVICE_INFO, buffer, READ_BUFFER_SIZE),
                 int(LIBUSB_ERROR_NO_DEVICE));
    }
};

QTEST_GUILESS_MAIN(TestFeatureReportTransport)
#include "tst_featurereporttransport.moc"

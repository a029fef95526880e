// Firmware files, memory layouts and erase planning: what may reach a
// bootloader and what must be refused before a byte is sent.
#include "dfu/dfuconstants.h"
#include "dfu/dfustatustext.h"
#include "dfu/firmwarefile.h"
#include "dfu/memorylayout.h"

#include <QTest>

#include <cstring>

namespace {

constexpr char F4_LAYOUT[] = "@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg";
// A bootloader living in the first two sectors marks them without 'd'.
constexpr char PROTECTED_LAYOUT[] = "@Internal Flash  /0x08000000/02*016Ka,02*016Kg,01*064Kg";

QByteArray pattern(int size, int seed = 0)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + seed) & 0xFF);
    return bytes;
}

QByteArray validDfu()
{
    return buildDfuSeFile({{0x08000000, pattern(1000)}, {0x08004000, pattern(24, 3)}}, 0x0483,
                          0xDF11, QStringLiteral("Internal Flash"));
}

// Recomputes the suffix CRC so that only the damage under test is seen.
QByteArray resealed(QByteArray file)
{
    const uint32_t crc = dfuCrc32(file.left(file.size() - 4));
    for (int i = 0; i < 4; ++i)
        file[file.size() - 4 + i] = char((crc >> (8 * i)) & 0xFF);
    return file;
}

QByteArray hexRecord(int type, uint16_t address, const QByteArray &data)
{
    QByteArray record;
    record.append(char(data.size()));
    record.append(char(address >> 8));
    record.append(char(address & 0xFF));
    record.append(char(type));
    record.append(data);
    uint8_t sum = 0;
    for (char c : record)
        sum = uint8_t(sum + uint8_t(c));
    record.append(char(uint8_t(-sum)));
    return ':' + record.toHex().toUpper() + '\n';
}

QByteArray validHex()
{
    return hexRecord(4, 0, QByteArray::fromHex("0800")) + hexRecord(0, 0x0000, pattern(16)) +
           hexRecord(0, 0x0010, pattern(16, 16)) + hexRecord(0, 0x4000, pattern(8)) +
           hexRecord(5, 0, QByteArray::fromHex("08000101")) + hexRecord(1, 0, QByteArray());
}

}  // namespace

class TestFirmwareFile : public QObject
{
    Q_OBJECT

private slots:
    void crcMatchesTheDfuConvention();
    void wholeFilesAreRead();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void suffixIds_data();
    void suffixIds();
    void layouts_data();
    void layouts();
    void erasePlans_data();
    void erasePlans();
    void readProtectionIsNamedOnlyOnReadBack();
};

void TestFirmwareFile::crcMatchesTheDfuConvention()
{
    // The ones' complement of the usual CRC-32 of "123456789" (0xCBF43926).
    QCOMPARE(dfuCrc32("123456789"), ~uint32_t(0xCBF43926));
}

void TestFirmwareFile::wholeFilesAreRead()
{
    FirmwareFile file;
    QString error;
    QVERIFY2(FirmwareFile::parse(validDfu(), QStringLiteral("a.dfu"), &file, &error),
             qPrintable(error));
    QCOMPARE(file.format, FirmwareFile::Format::DfuSe);
    QCOMPARE(file.vendorId, uint16_t(0x0483));
    QCOMPARE(file.productId, uint16_t(0xDF11));
    QCOMPARE(file.targets.size(), 1);
    QCOMPARE(file.targets[0].name, QStringLiteral("Internal Flash"));
    QCOMPARE(file.targets[0].elements.size(), 2);
    QCOMPARE(file.targets[0].elements[1].address, 0x08004000u);
    QCOMPARE(file.targets[0].elements[1].data, pattern(24, 3));
    QCOMPARE(file.byteCount(), 1024);

    QVERIFY2(FirmwareFile::parse(validHex(), QStringLiteral("a.HEX"), &file, &error),
             qPrintable(error));
    QCOMPARE(file.format, FirmwareFile::Format::IntelHex);
    QCOMPARE(file.targets[0].elements.size(), 2);  // the two adjacent records merged
    QCOMPARE(file.targets[0].elements[0].address, 0x08000000u);
    QCOMPARE(file.targets[0].elements[0].data, pattern(16) + pattern(16, 16));
    QCOMPARE(file.targets[0].elements[1].address, 0x08004000u);

    QVERIFY(FirmwareFile::parse(pattern(300), QStringLiteral("a.bin"), &file, &error));
    QCOMPARE(file.format, FirmwareFile::Format::Raw);
    QVERIFY(file.needsAddress);
    file.placeAt(0x08010000);
    QCOMPARE(file.allChunks().at(0).address, 0x08010000u);
    QCOMPARE(file.allChunks().at(0).data, pattern(300));
}

void TestFirmwareFile::damagedFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("says");

    const QByteArray dfu = validDfu();
    const int suffixAt = dfu.size() - DFU_SUFFIX_SIZE;
    const int firstElementSize = DFUSE_PREFIX_SIZE + DFUSE_TARGET_PREFIX_SIZE + 4;
    auto patched = [&](int offset, const QByteArray &bytes) {
        QByteArray copy = dfu;
        copy.replace(offset, bytes.size(), bytes);
        return resealed(copy);
    };
    QByteArray flipped = dfu;
    flipped[100] = char(flipped[100] ^ 0x01);
    QTest::newRow("one bit flipped") << "a.dfu" << flipped << "checksum";
    QTest::newRow("cut short") << "a.dfu" << dfu.left(dfu.size() - 40) << "no DFU suffix";
    QTest::newRow("cut short, resealed")
        << "a.dfu" << resealed(dfu.left(suffixAt - 10) + dfu.mid(suffixAt)) << "holds";
    QTest::newRow("no suffix") << "a.dfu" << dfu.left(suffixAt) << "no DFU suffix";
    QTest::newRow("suffix length") << "a.dfu" << patched(suffixAt + 11, "\x20") << "16-byte";
    QTest::newRow("DfuSe version") << "a.dfu" << patched(5, "\x02") << "version 2";
    QTest::newRow("image size") << "a.dfu" << patched(6, QByteArray("\x00\x01\x00\x00", 4))
                                << "header says";
    QTest::newRow("no targets") << "a.dfu" << patched(10, QByteArray(1, '\0')) << "no DfuSe";
    QTest::newRow("target signature")
        << "a.dfu" << patched(DFUSE_PREFIX_SIZE, "Tarxet") << "\"Target\"";
    QTest::newRow("element too long")
        << "a.dfu" << patched(firstElementSize, QByteArray("\xff\x10\x00\x00", 4)) << "runs past";
    QTest::newRow("element count too high")
        << "a.dfu"
        << patched(DFUSE_PREFIX_SIZE + DFUSE_TARGET_PREFIX_SIZE - 4,
                   QByteArray("\x03\x00\x00\x00", 4))
        << "outside";
    QTest::newRow("target size too large")
        << "a.dfu"
        << patched(DFUSE_PREFIX_SIZE + DFUSE_TARGET_PREFIX_SIZE - 8,
                   QByteArray("\x00\x00\x01\x00", 4))
        << "more than";
    QTest::newRow("empty bin") << "a.bin" << QByteArray() << "no firmware";

    const QByteArray hex = validHex();
    QByteArray badSum = hex;
    badSum[badSum.indexOf('\n') - 1] = badSum[badSum.indexOf('\n') - 1] == '0' ? '1' : '0';
    QTest::newRow("hex checksum") << "a.hex" << badSum << "Line 1 fails its checksum";
    QTest::newRow("hex without end")
        << "a.hex" << hex.left(hex.lastIndexOf(':')) << "no end-of-file";
    QTest::newRow("hex after end") << "a.hex" << hex + hexRecord(0, 0, "x") << "follows";
    QTest::newRow("hex not hex") << "a.hex" << QByteArray(":0G000000F0\n") + hex << "Line 1";
    QTest::newRow("hex count") << "a.hex" << QByteArray(":0400000001F9\n") + hex
                               << "says it holds 4 bytes";
    QTest::newRow("hex twice") << "a.hex" << hexRecord(0, 0, "ab") + hexRecord(0, 1, "c") + hex
                               << "second time";
    QTest::newRow("hex type") << "a.hex" << hexRecord(7, 0, "") + hex << "record type 7";
    QTest::newRow("hex no data") << "a.hex" << hexRecord(1, 0, QByteArray()) << "no firmware";
}

void TestFirmwareFile::damagedFilesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, says);
    FirmwareFile file;
    file.vendorId = 0x1234;
    QString error;
    QVERIFY(!FirmwareFile::parse(bytes, name, &file, &error));
    QVERIFY2(error.contains(says), qPrintable(error));
    QCOMPARE(file.vendorId, uint16_t(0x1234));  // nothing half-read is handed out
}

void TestFirmwareFile::suffixIds_data()
{
    QTest::addColumn<int>("vendor");
    QTest::addColumn<int>("product");
    QTest::addColumn<int>("boardProduct");
    QTest::addColumn<FirmwareFile::IdMatch>("expected");
    using M = FirmwareFile::IdMatch;
    QTest::newRow("bootloader") << 0x0483 << 0xDF11 << 0 << M::Matches;
    QTest::newRow("board") << 0x045B << 0x58F9 << 0x58F9 << M::Matches;
    QTest::newRow("other board of the maker") << 0x045B << 0x59D7 << 0x58F9 << M::OtherDevice;
    QTest::newRow("board, board unknown") << 0x045B << 0x58F9 << 0 << M::OtherDevice;
    QTest::newRow("any") << 0xFFFF << 0xFFFF << 0 << M::AnyDevice;
    QTest::newRow("any product of the bootloader's vendor")
        << 0x0483 << 0xFFFF << 0 << M::AnyDevice;
    QTest::newRow("any product of another vendor") << 0x1209 << 0xFFFF << 0 << M::OtherDevice;
    QTest::newRow("other") << 0x1209 << 0x0001 << 0x58F9 << M::OtherDevice;
}

void TestFirmwareFile::suffixIds()
{
    QFETCH(int, vendor);
    QFETCH(int, product);
    QFETCH(int, boardProduct);
    QFETCH(FirmwareFile::IdMatch, expected);
    FirmwareFile file;
    QString error;
    QVERIFY(FirmwareFile::parse(
        buildDfuSeFile({{0x08000000, pattern(10)}}, uint16_t(vendor), uint16_t(product)),
        QStringLiteral("x.dfu"), &file, &error));
    QCOMPARE(file.matchIds(0x0483, 0xDF11, 0x045B, uint16_t(boardProduct)), expected);
    file.hasSuffix = false;
    QCOMPARE(file.matchIds(0x0483, 0xDF11, 0x045B, uint16_t(boardProduct)),
             FirmwareFile::IdMatch::NoIds);
}

void TestFirmwareFile::layouts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sectors");      // -1: refused
    QTest::addColumn<quint32>("lastEnd");  // end of the last sector
    QTest::addColumn<quint32>("firstWritable");

    QTest::newRow("F4") << F4_LAYOUT << 12 << 0x08100000u << 0x08000000u;
    QTest::newRow("protected") << PROTECTED_LAYOUT << 5 << 0x08020000u << 0x08008000u;
    QTest::newRow("two regions, bytes unit")
        << "@Option Bytes  /0x1FFFC000/01*016 e/0x1FFEC000/01*016 e" << 2 << 0x1FFFC010u
        << 0x1FFEC000u;
    QTest::newRow("megabytes") << "@Flash/0x08000000/1*1Mg" << 1 << 0x08100000u << 0x08000000u;
    QTest::newRow("read only") << "@OTP/0x1FFF7800/01*512 a" << 1 << 0x1FFF7A00u << 0u;
    QTest::newRow("no at") << "Internal/0x08000000/04*016Kg" << -1 << 0u << 0u;
    QTest::newRow("no sectors") << "@Internal/0x08000000" << -1 << 0u << 0u;
    QTest::newRow("bad address") << "@Internal/08000000/04*016Kg" << -1 << 0u << 0u;
    QTest::newRow("bad letter") << "@Internal/0x08000000/04*016Kz" << -1 << 0u << 0u;
    QTest::newRow("zero sectors") << "@Internal/0x08000000/00*016Kg" << -1 << 0u << 0u;
    QTest::newRow("past 4 GiB") << "@Internal/0xFFFF0000/02*064Kg" << -1 << 0u << 0u;
    QTest::newRow("overlap") << "@A/0x08000000/02*016Kg/0x08004000/01*016Kg" << -1 << 0u << 0u;
}

void TestFirmwareFile::layouts()
{
    QFETCH(QString, text);
    QFETCH(int, sectors);
    QFETCH(quint32, lastEnd);
    QFETCH(quint32, firstWritable);
    MemoryLayout layout;
    QString error;
    const bool ok = MemoryLayout::parse(text, &layout, &error);
    QCOMPARE(ok, sectors >= 0);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QCOMPARE(layout.sectors.size(), sectors);
    QCOMPARE(layout.sectors.last().end(), lastEnd);
    uint32_t first = 0;
    QCOMPARE(layout.firstWritableAddress(&first), firstWritable != 0);
    QCOMPARE(first, firstWritable);
}

void TestFirmwareFile::erasePlans_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QList<quint32>>("addresses");  // one chunk per address
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QList<quint32>>("erased");  // sector starts
    QTest::addColumn<quint32>("failedAddress");  // 0: plan accepted

    QTest::newRow("one byte") << F4_LAYOUT << QList<quint32>{0x08000000} << QList<int>{1}
                              << QList<quint32>{0x08000000} << 0u;
    QTest::newRow("exactly one sector") << F4_LAYOUT << QList<quint32>{0x08004000}
                                        << QList<int>{0x4000} << QList<quint32>{0x08004000} << 0u;
    QTest::newRow("crossing into the 64K sector")
        << F4_LAYOUT << QList<quint32>{0x0800F000} << QList<int>{0x2000}
        << QList<quint32>{0x0800C000, 0x08010000} << 0u;
    QTest::newRow("two chunks in one sector, out of order")
        << F4_LAYOUT << QList<quint32>{0x08021000, 0x08000010, 0x08020000} << QList<int>{16, 16, 16}
        << QList<quint32>{0x08000000, 0x08020000} << 0u;
    QTest::newRow("past the end") << F4_LAYOUT << QList<quint32>{0x080FFFF0} << QList<int>{32}
                                  << QList<quint32>{} << 0x08100000u;
    QTest::newRow("below the flash") << F4_LAYOUT << QList<quint32>{0x07FFFFFF} << QList<int>{2}
                                     << QList<quint32>{} << 0x07FFFFFFu;
    QTest::newRow("into the protected sector")
        << PROTECTED_LAYOUT << QList<quint32>{0x08008000, 0x08007FF0} << QList<int>{16, 16}
        << QList<quint32>{} << 0x08007FF0u;
    QTest::newRow("beside the protected sector")
        << PROTECTED_LAYOUT << QList<quint32>{0x08008000} << QList<int>{0x8001}
        << QList<quint32>{0x08008000, 0x0800C000, 0x08010000} << 0u;
}

void TestFirmwareFile::erasePlans()
{
    QFETCH(QString, layout);
    QFETCH(QList<quint32>, addresses);
    QFETCH(QList<int>, sizes);
    QFETCH(QList<quint32>, erased);
    QFETCH(quint32, failedAddress);
    MemoryLayout memory;
    QVERIFY(MemoryLayout::parse(layout, &memory, nullptr));
    QList<MemoryChunk> chunks;
    for (int i = 0; i < addresses.size(); ++i)
        chunks.append({addresses[i], pattern(sizes[i])});
    const ErasePlan plan = planErase(memory, chunks);
    QCOMPARE(plan.ok, failedAddress == 0);
    QCOMPARE(plan.failedAddress, failedAddress);
    QList<quint32> starts;
    for (const MemorySector &sector : plan.sectors) {
        QVERIFY(sector.writable && sector.erasable);
        starts.append(sector.address);
    }
    QCOMPARE(starts, erased);
}

void TestFirmwareFile::readProtectionIsNamedOnlyOnReadBack()
{
    const QString protectedText = dfuStatusText(DfuStatus::ErrVendor, true, true);
    QVERIFY(protectedText.contains(QLatin1String("read-protected")));
    QVERIFY(dfuStatusText(DfuStatus::ErrVendor, true, false) != protectedText);
    QVERIFY(dfuStatusText(DfuStatus::ErrVendor, false, true) != protectedText);
    // Every code has its own sentence.
    QStringList texts;
    for (int code = 0; code <= int(DfuStatus::ErrStalledPacket); ++code)
        texts.append(dfuStatusText(DfuStatus(code)));
    texts.removeDuplicates();
    QCOMPARE(texts.size(), int(DfuStatus::ErrStalledPacket) + 1);
    QCOMPARE(dfuStateName(DfuState::DnloadIdle), QStringLiteral("dfuDNLOAD-IDLE"));
}

QTEST_GUILESS_MAIN(TestFirmwareFile)
#include "tst_firmwarefile.moc"

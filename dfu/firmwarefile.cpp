#include "firmwarefile.h"

#include "dfu/dfuconstants.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <array>
#include <cctype>
#include <cstring>

namespace {

constexpr uint32_t CRC32_POLYNOMIAL = 0xEDB88320;  // reflected
constexpr int SUFFIX_CRC_OFFSET = 12;              // within the suffix
constexpr int SUFFIX_LENGTH_OFFSET = 11;
constexpr int SUFFIX_SIGNATURE_OFFSET = 8;

// Intel HEX record types.
constexpr int HEX_DATA = 0x00;
constexpr int HEX_END_OF_FILE = 0x01;
constexpr int HEX_EXTENDED_SEGMENT_ADDRESS = 0x02;
constexpr int HEX_START_SEGMENT_ADDRESS = 0x03;
constexpr int HEX_EXTENDED_LINEAR_ADDRESS = 0x04;
constexpr int HEX_START_LINEAR_ADDRESS = 0x05;
constexpr int HEX_RECORD_OVERHEAD = 5;  // count, address (2), type, checksum

uint16_t le16(const char *p)
{
    return uint16_t(uint8_t(p[0]) | (uint8_t(p[1]) << 8));
}

uint32_t le32(const char *p)
{
    return uint32_t(le16(p)) | (uint32_t(le16(p + 2)) << 16);
}

void appendLe16(QByteArray &out, uint16_t value)
{
    out.append(char(value & 0xFF));
    out.append(char(value >> 8));
}

void appendLe32(QByteArray &out, uint32_t value)
{
    appendLe16(out, uint16_t(value & 0xFFFF));
    appendLe16(out, uint16_t(value >> 16));
}

const std::array<uint32_t, 256> &crcTable()
{
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? CRC32_POLYNOMIAL ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    return table;
}

QString hex32(uint32_t value)
{
    return QStringLiteral("0x%1").arg(value, 8, 16, QLatin1Char('0'));
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool parseDfuSeBody(const QByteArray &body, FirmwareFile *file, QString *error)
{
    if (body.size() < DFUSE_PREFIX_SIZE)
        return fail(error, QCoreApplication::translate("FirmwareFile",
                                                       "The file ends inside its DfuSe header."));
    if (uint8_t(body.at(5)) != DFUSE_FILE_VERSION)
        return fail(error, QCoreApplication::translate(
                               "FirmwareFile",
                               "The file is a DfuSe file of version %1, which this program does "
                               "not know.")
                               .arg(uint8_t(body.at(5))));
    const uint32_t imageSize = le32(body.constData() + 6);
    if (imageSize != uint32_t(body.size()))
        return fail(error, QCoreApplication::translate(
                               "FirmwareFile",
                               "The file's DfuSe header says it holds %1 bytes, but it holds %2: "
                               "it is cut short or has bytes added.")
                               .arg(imageSize)
                               .arg(body.size()));
    const int targetCount = uint8_t(body.at(10));
    if (targetCount == 0)
        return fail(error, QCoreApplication::translate(
                               "FirmwareFile", "The file holds no firmware (no DfuSe targets)."));
    qint64 at = DFUSE_PREFIX_SIZE;
    for (int t = 0; t < targetCount; ++t) {
        if (at + DFUSE_TARGET_PREFIX_SIZE > body.size())
            return fail(error, QCoreApplication::translate("FirmwareFile",
                                                           "The file ends inside target %1.")
                                   .arg(t + 1));
        const char *prefix = body.constData() + at;
        if (std::memcmp(prefix, DFUSE_TARGET_SIGNATURE, std::strlen(DFUSE_TARGET_SIGNATURE)) != 0)
            return fail(error,
                        QCoreApplication::translate(
                            "FirmwareFile", "Target %1 of the file does not start with \"Target\".")
                            .arg(t + 1));
        FirmwareTarget target;
        target.alternateSetting = uint8_t(prefix[6]);
        if (le32(prefix + 7) != 0) {
            const char *name = prefix + 11;
            target.name = QString::fromLatin1(name, int(qstrnlen(name, DFUSE_TARGET_NAME_SIZE)));
        }
        const uint32_t targetSize = le32(prefix + 11 + DFUSE_TARGET_NAME_SIZE);
        const uint32_t elementCount = le32(prefix + 15 + DFUSE_TARGET_NAME_SIZE);
        at += DFUSE_TARGET_PREFIX_SIZE;
        if (qint64(targetSize) > body.size() - at)
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile",
                                   "Target %1 of the file says it holds %2 bytes, more than the "
                                   "file has left.")
                                   .arg(t + 1)
                                   .arg(targetSize));
        const qint64 targetEnd = at + targetSize;
        for (uint32_t e = 0; e < elementCount; ++e) {
            if (at + DFUSE_ELEMENT_HEADER_SIZE > targetEnd)
                return fail(error, QCoreApplication::translate(
                                       "FirmwareFile",
                                       "Element %1 of target %2 lies outside the target's size.")
                                       .arg(e + 1)
                                       .arg(t + 1));
            MemoryChunk element;
            element.address = le32(body.constData() + at);
            const uint32_t size = le32(body.constData() + at + 4);
            at += DFUSE_ELEMENT_HEADER_SIZE;
            if (qint64(size) > targetEnd - at)
                return fail(error, QCoreApplication::translate(
                                       "FirmwareFile",
                                       "Element %1 of target %2 (%3 bytes at %4) runs past the end "
                                       "of its target.")
                                       .arg(e + 1)
                                       .arg(t + 1)
                                       .arg(size)
                                       .arg(hex32(element.address)));
            if (uint64_t(element.address) + size > (uint64_t(1) << 32))
                return fail(error, QCoreApplication::translate(
                                       "FirmwareFile",
                                       "Element %1 of target %2 runs past the end of the address "
                                       "space.")
                                       .arg(e + 1)
                                       .arg(t + 1));
            element.data = body.mid(at, size);
            at += size;
            target.elements.append(element);
        }
        if (at != targetEnd)
            return fail(error,
                        QCoreApplication::translate(
                            "FirmwareFile", "Target %1 of the file says it holds %2 bytes, but its "
                                            "elements hold %3.")
                            .arg(t + 1)
                            .arg(targetSize)
                            .arg(targetSize - (targetEnd - at)));
        file->targets.append(target);
    }
    if (at != body.size())
        return fail(error, QCoreApplication::translate(
                               "FirmwareFile", "The file holds %1 bytes after its last target.")
                               .arg(body.size() - at));
    return true;
}

int hexByte(const QByteArray &line, int index, bool *ok)
{
    if (line.size() < index + 2 || !std::isxdigit(uint8_t(line.at(index))) ||
        !std::isxdigit(uint8_t(line.at(index + 1)))) {
        *ok = false;
        return 0;
    }
    return line.mid(index, 2).toInt(nullptr, 16);
}

bool parseIntelHex(const QByteArray &bytes, FirmwareFile *file, QString *error)
{
    // Bytes by address, merged into contiguous elements at the end.
    QMap<uint32_t, uint8_t> memory;
    uint32_t base = 0;
    bool ended = false;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const QByteArray line = lines.at(n).trimmed();
        const int lineNumber = n + 1;
        if (line.isEmpty())
            continue;
        if (ended)
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile", "Line %1 follows the end-of-file record.")
                                   .arg(lineNumber));
        if (!line.startsWith(':') || line.size() % 2 == 0 ||
            line.size() < 1 + 2 * HEX_RECORD_OVERHEAD)
            return fail(error, QCoreApplication::translate("FirmwareFile",
                                                           "Line %1 is not an Intel HEX record.")
                                   .arg(lineNumber));
        bool ok = true;
        QByteArray record;
        for (int i = 1; i < line.size(); i += 2)
            record.append(char(hexByte(line, i, &ok)));
        if (!ok)
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile",
                                   "Line %1 holds characters that are not hexadecimal digits.")
                                   .arg(lineNumber));
        const int count = uint8_t(record.at(0));
        if (record.size() != count + HEX_RECORD_OVERHEAD)
            return fail(error,
                        QCoreApplication::translate(
                            "FirmwareFile", "Line %1 says it holds %2 bytes of data but holds %3.")
                            .arg(lineNumber)
                            .arg(count)
                            .arg(record.size() - HEX_RECORD_OVERHEAD));
        uint8_t sum = 0;
        for (char c : record)
            sum = uint8_t(sum + uint8_t(c));
        if (sum != 0)
            return fail(error,
                        QCoreApplication::translate(
                            "FirmwareFile", "Line %1 fails its checksum: the file is damaged.")
                            .arg(lineNumber));
        const uint16_t offset = uint16_t((uint8_t(record.at(1)) << 8) | uint8_t(record.at(2)));
        const int type = uint8_t(record.at(3));
        const char *data = record.constData() + 4;
        switch (type) {
        case HEX_DATA:
            for (int i = 0; i < count; ++i) {
                const uint64_t address = uint64_t(base) + offset + uint64_t(i);
                if (address >= (uint64_t(1) << 32))
                    return fail(error, QCoreApplication::translate(
                                           "FirmwareFile",
                                           "Line %1 runs past the end of the address space.")
                                           .arg(lineNumber));
                if (memory.contains(uint32_t(address)))
                    return fail(error,
                                QCoreApplication::translate(
                                    "FirmwareFile", "Line %1 gives address %2 a second time.")
                                    .arg(lineNumber)
                                    .arg(hex32(uint32_t(address))));
                memory.insert(uint32_t(address), uint8_t(data[i]));
            }
            break;
        case HEX_END_OF_FILE:
            if (count != 0)
                return fail(error, QCoreApplication::translate(
                                       "FirmwareFile", "Line %1 is a malformed end-of-file record.")
                                       .arg(lineNumber));
            ended = true;
            break;
        case HEX_EXTENDED_SEGMENT_ADDRESS:
        case HEX_EXTENDED_LINEAR_ADDRESS:
            if (count != 2)
                return fail(error, QCoreApplication::translate(
                                       "FirmwareFile", "Line %1 is a malformed address record.")
                                       .arg(lineNumber));
            base = uint32_t((uint8_t(data[0]) << 8) | uint8_t(data[1]));
            base = type == HEX_EXTENDED_LINEAR_ADDRESS ? base << 16 : base << 4;
            break;
        case HEX_START_SEGMENT_ADDRESS:
        case HEX_START_LINEAR_ADDRESS:
            // Where the code starts; the bootloader does not need it.
            if (count != 4)
                return fail(error,
                            QCoreApplication::translate(
                                "FirmwareFile", "Line %1 is a malformed start address record.")
                                .arg(lineNumber));
            break;
        default:
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile",
                                   "Line %1 has a record type %2 that Intel HEX does not define.")
                                   .arg(lineNumber)
                                   .arg(type));
        }
    }
    if (!ended)
        return fail(error,
                    QCoreApplication::translate(
                        "FirmwareFile", "The file has no end-of-file record: it is cut short."));
    if (memory.isEmpty())
        return fail(error, QCoreApplication::translate("FirmwareFile",
                                                       "The file holds no firmware bytes."));
    FirmwareTarget target;
    for (auto it = memory.cbegin(); it != memory.cend(); ++it) {
        if (target.elements.isEmpty() ||
            uint64_t(target.elements.last().address) + target.elements.last().data.size() !=
                it.key())
            target.elements.append(MemoryChunk{it.key(), QByteArray()});
        target.elements.last().data.append(char(it.value()));
    }
    file->targets.append(target);
    return true;
}

}  // namespace

uint32_t dfuCrc32(const QByteArray &bytes)
{
    uint32_t crc = 0xFFFFFFFF;
    for (char c : bytes)
        crc = crcTable()[(crc ^ uint8_t(c)) & 0xFF] ^ (crc >> 8);
    return crc;
}

qint64 FirmwareFile::byteCount() const
{
    qint64 total = 0;
    for (const FirmwareTarget &target : targets)
        for (const MemoryChunk &element : target.elements)
            total += element.data.size();
    return total;
}

void FirmwareFile::placeAt(uint32_t address)
{
    for (FirmwareTarget &target : targets)
        for (MemoryChunk &element : target.elements)
            element.address = address;
    needsAddress = false;
}

QList<MemoryChunk> FirmwareFile::allChunks() const
{
    QList<MemoryChunk> chunks;
    for (const FirmwareTarget &target : targets)
        chunks += target.elements;
    return chunks;
}

bool FirmwareFile::parse(const QByteArray &bytes, const QString &fileName, FirmwareFile *file,
                         QString *error)
{
    const QString extension = QFileInfo(fileName).suffix().toLower();
    FirmwareFile parsed;
    if (extension == QLatin1String("hex")) {
        parsed.format = Format::IntelHex;
        if (!parseIntelHex(bytes, &parsed, error))
            return false;
        *file = parsed;
        return true;
    }
    const bool signed_ =
        bytes.size() >= DFU_SUFFIX_SIZE &&
        std::memcmp(bytes.constData() + bytes.size() - DFU_SUFFIX_SIZE + SUFFIX_SIGNATURE_OFFSET,
                    DFU_SUFFIX_SIGNATURE, 3) == 0;
    QByteArray body = bytes;
    if (signed_) {
        const char *suffix = bytes.constData() + bytes.size() - DFU_SUFFIX_SIZE;
        if (uint8_t(suffix[SUFFIX_LENGTH_OFFSET]) != DFU_SUFFIX_SIZE)
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile",
                                   "The file's DFU suffix gives its length as %1 bytes; this "
                                   "program knows only 16-byte suffixes.")
                                   .arg(uint8_t(suffix[SUFFIX_LENGTH_OFFSET])));
        const uint32_t stored = le32(suffix + SUFFIX_CRC_OFFSET);
        const uint32_t computed = dfuCrc32(bytes.left(bytes.size() - 4));
        if (stored != computed)
            return fail(error, QCoreApplication::translate(
                                   "FirmwareFile",
                                   "The file is damaged: its checksum (CRC-32 %1) does not match "
                                   "its contents (%2).")
                                   .arg(hex32(stored), hex32(computed)));
        parsed.hasSuffix = true;
        parsed.deviceVersion = le16(suffix);
        parsed.productId = le16(suffix + 2);
        parsed.vendorId = le16(suffix + 4);
        parsed.dfuVersion = le16(suffix + 6);
        body.chop(DFU_SUFFIX_SIZE);
    } else if (extension == QLatin1String("dfu")) {
        return fail(error, QCoreApplication::translate(
                               "FirmwareFile",
                               "The file has no DFU suffix: it is cut short or not a DFU file."));
    }
    if (body.startsWith(DFUSE_FILE_SIGNATURE)) {
        parsed.format = Format::DfuSe;
        if (!parseDfuSeBody(body, &parsed, error))
            return false;
    } else {
        parsed.format = signed_ ? Format::PlainDfu : Format::Raw;
        if (body.isEmpty())
            return fail(error, QCoreApplication::translate("FirmwareFile",
                                                           "The file holds no firmware bytes."));
        FirmwareTarget target;
        target.elements.append(MemoryChunk{0, body});
        parsed.targets.append(target);
        parsed.needsAddress = true;
    }
    if (parsed.byteCount() == 0)
        return fail(error, QCoreApplication::translate("FirmwareFile",
                                                       "The file holds no firmware bytes."));
    *file = parsed;
    return true;
}

bool FirmwareFile::load(const QString &path, FirmwareFile *file, QString *error)
{
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return fail(error, QCoreApplication::translate("FirmwareFile", "Cannot read %1: %2")
                               .arg(path, input.errorString()));
    return parse(input.readAll(), path, file, error);
}

QByteArray buildDfuSeFile(const QList<MemoryChunk> &elements, uint16_t vendorId, uint16_t productId,
                          const QString &targetName)
{
    QByteArray target;
    for (const MemoryChunk &element : elements) {
        appendLe32(target, element.address);
        appendLe32(target, uint32_t(element.data.size()));
        target.append(element.data);
    }
    QByteArray prefix(DFUSE_TARGET_PREFIX_SIZE, '\0');
    std::memcpy(prefix.data(), DFUSE_TARGET_SIGNATURE, std::strlen(DFUSE_TARGET_SIGNATURE));
    prefix[6] = 0;  // alternate setting
    const QByteArray name = targetName.toLatin1().left(DFUSE_TARGET_NAME_SIZE - 1);
    if (!name.isEmpty()) {
        prefix[7] = 1;
        std::memcpy(prefix.data() + 11, name.constData(), size_t(name.size()));
    }
    QByteArray counts;
    appendLe32(counts, uint32_t(target.size()));
    appendLe32(counts, uint32_t(elements.size()));
    std::memcpy(prefix.data() + 11 + DFUSE_TARGET_NAME_SIZE, counts.constData(), 8);

    QByteArray file(DFUSE_FILE_SIGNATURE);
    file.append(char(DFUSE_FILE_VERSION));
    appendLe32(file, uint32_t(DFUSE_PREFIX_SIZE + DFUSE_TARGET_PREFIX_SIZE + target.size()));
    file.append(char(1));
    file.append(prefix);
    file.append(target);
    appendLe16(file, DFU_SUFFIX_ANY_ID);  // bcdDevice
    appendLe16(file, productId);
    appendLe16(file, vendorId);
    appendLe16(file, DFUSE_VERSION);
    file.append(DFU_SUFFIX_SIGNATURE, 3);
    file.append(char(DFU_SUFFIX_SIZE));
    appendLe32(file, dfuCrc32(file));
    return file;
}

FirmwareFile::IdMatch FirmwareFile::matchIds(uint16_t bootloaderVendor, uint16_t bootloaderProduct,
                                             uint16_t boardVendor, uint16_t boardProduct) const
{
    if (!hasSuffix)
        return IdMatch::NoIds;
    auto fits = [this](uint16_t vendor, uint16_t product) {
        return vendorId == vendor && productId == product;
    };
    if (fits(bootloaderVendor, bootloaderProduct) ||
        (boardProduct && fits(boardVendor, boardProduct)))
        return IdMatch::Matches;
    // Either field may say "any"; the other still has to fit.
    const bool vendorFits = vendorId == DFU_SUFFIX_ANY_ID || vendorId == bootloaderVendor ||
                            (boardProduct && vendorId == boardVendor);
    const bool productFits = productId == DFU_SUFFIX_ANY_ID || productId == bootloaderProduct ||
                             (boardProduct && productId == boardProduct);
    if (vendorFits && productFits)
        return IdMatch::AnyDevice;
    return IdMatch::OtherDevice;
}

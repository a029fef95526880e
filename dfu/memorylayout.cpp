#include "memorylayout.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

// The type letter of a sector group: 'a' + bits - 1, bit 0 readable, bit 1
// erasable, bit 2 writable ('g' is all three).
constexpr char SECTOR_TYPE_FIRST = 'a';
constexpr char SECTOR_TYPE_LAST = 'g';
constexpr int TYPE_READABLE = 0x1;
constexpr int TYPE_ERASABLE = 0x2;
constexpr int TYPE_WRITABLE = 0x4;
constexpr uint64_t ADDRESS_SPACE = uint64_t(1) << 32;

}  // namespace

const MemorySector *MemoryLayout::sectorAt(uint32_t address) const
{
    for (const MemorySector &sector : sectors)
        if (address >= sector.address && uint64_t(address) < uint64_t(sector.address) + sector.size)
            return &sector;
    return nullptr;
}

bool MemoryLayout::firstWritableAddress(uint32_t *address) const
{
    for (const MemorySector &sector : sectors) {
        if (sector.writable) {
            *address = sector.address;
            return true;
        }
    }
    return false;
}

bool MemoryLayout::parse(const QString &text, MemoryLayout *layout, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!text.startsWith(QLatin1Char('@')))
        return fail(QCoreApplication::translate("MemoryLayout",
                                                "The memory layout \"%1\" does not start with '@'.")
                        .arg(text));
    const QStringList parts = text.mid(1).split(QLatin1Char('/'));
    // Name, then pairs of start address and sector groups.
    if (parts.size() < 3 || parts.size() % 2 == 0)
        return fail(QCoreApplication::translate(
                        "MemoryLayout", "The memory layout \"%1\" has no address and sectors.")
                        .arg(text));
    static const QRegularExpression group(
        QStringLiteral("^\\s*(\\d+)\\*(\\d+)\\s*([BKM ]?)([a-g])\\s*$"));
    MemoryLayout parsed;
    parsed.name = parts.at(0).trimmed();
    for (int i = 1; i + 1 < parts.size(); i += 2) {
        bool ok = false;
        const QString addressText = parts.at(i).trimmed();
        uint64_t next = addressText.toULongLong(&ok, 0);
        if (!ok || !addressText.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ||
            next >= ADDRESS_SPACE)
            return fail(QCoreApplication::translate("MemoryLayout",
                                                    "The memory layout names \"%1\" as an address.")
                            .arg(addressText));
        for (const QString &entry : parts.at(i + 1).split(QLatin1Char(','))) {
            const auto match = group.match(entry);
            if (!match.hasMatch())
                return fail(QCoreApplication::translate(
                                "MemoryLayout",
                                "The memory layout holds a sector group \"%1\" it cannot read.")
                                .arg(entry.trimmed()));
            const uint64_t count = match.captured(1).toULongLong();
            uint64_t size = match.captured(2).toULongLong();
            const QString unit = match.captured(3);
            if (unit == QLatin1String("K"))
                size *= 1024;
            else if (unit == QLatin1String("M"))
                size *= 1024 * 1024;
            const int type = match.captured(4).at(0).toLatin1() - SECTOR_TYPE_FIRST + 1;
            static_assert(SECTOR_TYPE_LAST - SECTOR_TYPE_FIRST + 1 ==
                              (TYPE_READABLE | TYPE_ERASABLE | TYPE_WRITABLE),
                          "one letter per combination");
            if (count == 0 || size == 0 || next + count * size > ADDRESS_SPACE)
                return fail(QCoreApplication::translate(
                                "MemoryLayout",
                                "The memory layout's sector group \"%1\" does not fit the address "
                                "space.")
                                .arg(entry.trimmed()));
            for (uint64_t n = 0; n < count; ++n) {
                MemorySector sector;
                sector.address = uint32_t(next);
                sector.size = uint32_t(size);
                sector.readable = type & TYPE_READABLE;
                sector.erasable = type & TYPE_ERASABLE;
                sector.writable = type & TYPE_WRITABLE;
                parsed.sectors.append(sector);
                next += size;
            }
        }
    }
    std::sort(parsed.sectors.begin(), parsed.sectors.end(),
              [](const MemorySector &a, const MemorySector &b) { return a.address < b.address; });
    for (int i = 1; i < parsed.sectors.size(); ++i)
        if (parsed.sectors.at(i).address < parsed.sectors.at(i - 1).end())
            return fail(QCoreApplication::translate(
                            "MemoryLayout", "The memory layout \"%1\" has overlapping sectors.")
                            .arg(text));
    *layout = parsed;
    return true;
}

ErasePlan planErase(const MemoryLayout &layout, const QList<MemoryChunk> &chunks)
{
    ErasePlan plan;
    auto refuse = [&plan](uint32_t address, const QString &why) {
        plan.sectors.clear();
        plan.failedAddress = address;
        plan.error = why;
        return plan;
    };
    for (const MemoryChunk &chunk : chunks) {
        if (chunk.data.isEmpty())
            continue;
        uint64_t address = chunk.address;
        const uint64_t end = address + uint64_t(chunk.data.size());
        if (end > ADDRESS_SPACE)
            return refuse(chunk.address,
                          QCoreApplication::translate(
                              "MemoryLayout", "The image runs past the end of the address space."));
        while (address < end) {
            const MemorySector *sector = layout.sectorAt(uint32_t(address));
            if (!sector)
                return refuse(uint32_t(address),
                              QCoreApplication::translate(
                                  "MemoryLayout",
                                  "The image holds bytes for address 0x%1, where the bootloader "
                                  "has no memory.")
                                  .arg(address, 8, 16, QLatin1Char('0')));
            if (!sector->writable)
                return refuse(uint32_t(address),
                              QCoreApplication::translate(
                                  "MemoryLayout",
                                  "The image holds bytes for address 0x%1, in a sector the "
                                  "bootloader protects from writing.")
                                  .arg(address, 8, 16, QLatin1Char('0')));
            const bool listed = std::any_of(
                plan.sectors.cbegin(), plan.sectors.cend(),
                [sector](const MemorySector &s) { return s.address == sector->address; });
            if (sector->erasable && !listed)
                plan.sectors.append(*sector);
            address = uint64_t(sector->address) + sector->size;
        }
    }
    std::sort(plan.sectors.begin(), plan.sectors.end(),
              [](const MemorySector &a, const MemorySector &b) { return a.address < b.address; });
    plan.ok = true;
    return plan;
}

#pragma once

#include <QByteArray>

#include <cstring>
#include <type_traits>

// The memory image of a record: what goes on the wire.
template <typename Record> QByteArray recordBytes(const Record &record)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    QByteArray bytes(int(sizeof(Record)), '\0');
    std::memcpy(bytes.data(), &record, sizeof(Record));
    return bytes;
}

// The record of one settings group (the effect settings, or the hardware
// settings behind their four pages) that the selected board holds as far as
// this program knows: as last read from it or written to it. The form is
// compared with it by the bytes it would send, so a value typed and typed
// back is no change, and a value the form cannot hold (it would send another)
// is one.
class SettingsGroupState
{
public:
    // After a successful read, apply or save of the group.
    void setBoardRecord(const QByteArray &record) { boardRecord = record; }
    // Another board, or none: nothing is known of its record.
    void forgetBoardRecord() { boardRecord.clear(); }
    bool knowsBoardRecord() const { return !boardRecord.isEmpty(); }

    // True when the form would send bytes other than the board's record.
    // Without a known record there is nothing to lose.
    bool formDiffers(const QByteArray &form) const
    {
        return knowsBoardRecord() && form != boardRecord;
    }

private:
    QByteArray boardRecord;
};

#pragma once

// Helpers for tests that drive the settings worker against simulated boards.

#include "boardsim/simulatedboard.h"
#include "device/settingsuibackgroundthread.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <mutex>

namespace devicetest {

// Collects every connectedDevices map on the thread that emits it, so a test
// can watch the scan of a worker that runs on its own thread. Destroy it only
// after the worker has been stopped: disconnecting does not wait for an
// emission already under way.
class ConnectedDevicesRecorder
{
public:
    explicit ConnectedDevicesRecorder(SettingsUiBackgroundThread *worker);
    ~ConnectedDevicesRecorder();
    ConnectedDevicesRecorder(const ConnectedDevicesRecorder &) = delete;
    ConnectedDevicesRecorder &operator=(const ConnectedDevicesRecorder &) = delete;

    int count() const;
    FirmwareInfoMap last() const;  // empty map before the first emission
    QList<FirmwareInfoMap> all() const;

private:
    mutable std::mutex mutex;
    QList<FirmwareInfoMap> maps;
    QMetaObject::Connection connection;
};

// The reports a record write must put on the wire, built independently of
// the transport: 58-byte chunks in one reused buffer, then the terminator.
QList<QByteArray> expectedRecordReports(uint8_t command, const QByteArray &record);

// A 65-byte command report.
QByteArray expectedCommandReport(uint8_t command);

// One short word per transfer, for readable sequence comparisons: "W12" is a
// write of report 0x20 with command 0x12, "R24" a read of report 0x24; a "!"
// marks a transfer that failed.
QStringList describe(const QList<boardsim::Transfer> &transfers);

template <typename Record> QByteArray bytesOf(const Record &record)
{
    return QByteArray(reinterpret_cast<const char *>(&record), int(sizeof record));
}

// A record whose bytes all differ from a fresh board's, so a write shows.
template <typename Record> Record patternRecord(int seed)
{
    Record record;
    auto *bytes = reinterpret_cast<unsigned char *>(&record);
    for (size_t i = 0; i < sizeof record; ++i)
        bytes[i] = static_cast<unsigned char>((i * 13 + size_t(seed) * 31 + 5) & 0xFF);
    return record;
}

}  // namespace devicetest

#include "devicetestsupport.h"

#include "device/featurereporttransport.h"

namespace devicetest {

ConnectedDevicesRecorder::ConnectedDevicesRecorder(SettingsUiBackgroundThread *worker)
{
    // No context object: the lambda runs on the emitting thread.
    connection = QObject::connect(worker, &SettingsUiBackgroundThread::connectedDevices,
                                  [this](const FirmwareInfoMap &devices) {
                                      std::lock_guard<std::mutex> lock(mutex);
                                      maps.append(devices);
                                  });
}

ConnectedDevicesRecorder::~ConnectedDevicesRecorder()
{
    QObject::disconnect(connection);
}

int ConnectedDevicesRecorder::count() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return int(maps.size());
}

FirmwareInfoMap ConnectedDevicesRecorder::last() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return maps.isEmpty() ? FirmwareInfoMap() : maps.constLast();
}

QList<FirmwareInfoMap> ConnectedDevicesRecorder::all() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return maps;
}

namespace {

void put16(QByteArray &report, int at, int value)
{
    report[at] = char(value & 0xFF);
    report[at + 1] = char((value >> 8) & 0xFF);
}

}  // namespace

QList<QByteArray> expectedRecordReports(uint8_t command, const QByteArray &record)
{
    QList<QByteArray> reports;
    QByteArray report(65, '\0');
    report[0] = char(0x20);
    report[1] = char(command);
    const int length = int(record.size());
    for (int offset = 0; offset <= length; offset += 58) {
        put16(report, 2, offset);
        put16(report, 4, length - offset);
        const QByteArray chunk = record.mid(offset, 58);
        report.replace(6, chunk.size(), chunk);
        reports.append(report);
    }
    put16(report, 4, 0xFFFF);
    reports.append(report);
    return reports;
}

QByteArray expectedCommandReport(uint8_t command)
{
    QByteArray report(65, '\0');
    report[0] = char(0x20);
    report[1] = char(command);
    return report;
}

QStringList describe(const QList<boardsim::Transfer> &transfers)
{
    QStringList words;
    for (const boardsim::Transfer &t : transfers) {
        QString word;
        if (t.isWrite())
            word = QStringLiteral("W%1").arg(t.data.size() > 1 ? uint8_t(t.data[1]) : 0, 2, 16,
                                             QLatin1Char('0'));
        else
            word = QStringLiteral("R%1").arg(t.reportId(), 2, 16, QLatin1Char('0'));
        if (t.result < 0)
            word += QLatin1Char('!');
        words.append(word);
    }
    return words;
}

}  // namespace devicetest

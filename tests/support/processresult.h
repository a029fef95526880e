#pragma once

#include <QByteArray>
#include <QProcess>

// What the tests that run one of the programs as a shell would (gravoltctl,
// the flasher) read of it: exit status and both output streams.
struct ProcessResult {
    int status = -1;  // -1: did not end in time and was killed; -2: crashed
    QByteArray out;
    QByteArray err;
};

// Waits for a started process to end, killing it after `timeoutMs`.
inline ProcessResult finishProcess(QProcess &process, int timeoutMs)
{
    ProcessResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

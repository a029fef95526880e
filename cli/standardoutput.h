#pragma once

class QTextStream;

// Flushes the data stream and returns `status`, unless the data could not be
// written (a full disk, a closed pipe or standard output): then it says so on
// `err` and returns EXIT_REFUSED, so that a script never takes half a backup
// for a whole one. An earlier failure's status is kept.
int finishStandardOutput(QTextStream &out, QTextStream &err, int status);

#include "standardoutput.h"

#include "exitstatus.h"

#include <QIODevice>
#include <QTextStream>

int finishStandardOutput(QTextStream &out, QTextStream &err, int status)
{
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    const QString reason = out.device() ? out.device()->errorString() : QString();
    err << QStringLiteral("gravoltctl: the data could not be written to standard output (%1); "
                          "what arrived there is incomplete")
               .arg(reason.isEmpty() ? QStringLiteral("write error") : reason)
        << Qt::endl;
    return status == EXIT_DONE ? int(EXIT_REFUSED) : status;
}

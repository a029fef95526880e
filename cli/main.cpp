#include "commandline.h"

#include "device/standardstreams.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    keepStandardStreamsOpen();
    // No GUI application: the tool must run over ssh, from a game launcher
    // and in a console without any display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gravoltctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GRAVOLT_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    const int status = runCommandLine(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return status;
}

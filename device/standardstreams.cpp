#include "standardstreams.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif

void keepStandardStreamsOpen()
{
#if defined(Q_OS_UNIX)
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1)
            continue;
        // open() returns the lowest free number, which is this one.
        const int taken = ::open("/dev/null", O_RDONLY);
        if (taken != fd && taken >= 0)
            ::close(taken);
    }
#endif
}

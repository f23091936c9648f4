#include "platform/streams.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

void openStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor is fd itself, since those below it are open by now.
        const int opened = open("/dev/null", O_RDWR);
        if (opened != fd && opened != -1) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

void ignoreBrokenPipes() { signal(SIGPIPE, SIG_IGN); }

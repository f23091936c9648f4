/* A gamepad of the test's making, for the library's own Linux joystick driver: preloaded into the
 * game, it answers the driver's three joystick ioctls (the API's version, 2 axes, 8 buttons) for
 * the file RYKE_FAKE_PAD names, a FIFO the test writes Linux joystick events into. Everything else
 * the driver does (open, select, read, decoding the events) is its own. The kernel's uinput would
 * make a real device, but these machines lack it. */
#include <dlfcn.h>
#include <linux/joystick.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

static bool isFakePad(int fd)
{
    const char* fake = std::getenv("RYKE_FAKE_PAD");
    if (!fake)
        return false;
    char link[64], path[4096];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n <= 0)
        return false;
    path[n] = 0;
    return std::strcmp(path, fake) == 0;
}

extern "C" int ioctl(int fd, unsigned long request, ...)
{
    using Ioctl = int (*)(int, unsigned long, ...);
    static Ioctl real;
    va_list args;
    va_start(args, request);
    void* arg = va_arg(args, void*);
    va_end(args);
    if (isFakePad(fd)) {
        switch (request) {
        case JSIOCGVERSION: *static_cast<unsigned*>(arg) = JS_VERSION; return 0;
        case JSIOCGAXES: *static_cast<unsigned char*>(arg) = 2; return 0;
        case JSIOCGBUTTONS: *static_cast<unsigned char*>(arg) = 8; return 0;
        }
    }
    if (!real)
        real = reinterpret_cast<Ioctl>(dlsym(RTLD_NEXT, "ioctl"));
    return real(fd, request, arg);
}

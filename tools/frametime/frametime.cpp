// Preloaded into any build of the game (today's or an older one), it times the frames: every copy
// onto the screen ends one. At exit it writes to the file RYKE_FRAMETIME names one line:
//   frames N  frame-ms MEAN  copy-ms MEAN
// frame-ms is the time from one frame's copy to the next (the whole frame: composing and copying);
// copy-ms the time the copy itself took (the stretch and the blit onto the screen). The first
// second, while the game starts and the window maps, is left out.
#include <allegro.h>
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;
using Blit = void (*)(BITMAP*, BITMAP*, int, int, int, int, int, int);
using StretchBlit = void (*)(BITMAP*, BITMAP*, int, int, int, int, int, int, int, int);

const Clock::time_point started = Clock::now();
Clock::time_point lastFrame;
Clock::time_point copyStarted;
bool copying = false;
long frames = 0;
double frameSeconds = 0, copySeconds = 0;

bool warmedUp(Clock::time_point now) { return now - started > std::chrono::seconds(1); }

BITMAP* theScreen() { return *static_cast<BITMAP**>(dlsym(RTLD_DEFAULT, "screen")); }

struct Report {
    ~Report()
    {
        const char* path = std::getenv("RYKE_FRAMETIME");
        if (!path || frames < 2)
            return;
        if (FILE* out = std::fopen(path, "w")) {
            std::fprintf(out, "frames %ld  frame-ms %.3f  copy-ms %.3f\n", frames - 1, 1000 * frameSeconds / (frames - 1),
                         1000 * copySeconds / frames);
            std::fclose(out);
        }
    }
} report;

} // namespace

extern "C" void stretch_blit(BITMAP* s, BITMAP* d, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh)
{
    static auto real = reinterpret_cast<StretchBlit>(dlsym(RTLD_NEXT, "stretch_blit"));
    copyStarted = Clock::now();
    copying = true;
    real(s, d, sx, sy, sw, sh, dx, dy, dw, dh);
}

extern "C" void blit(BITMAP* s, BITMAP* d, int sx, int sy, int dx, int dy, int w, int h)
{
    static auto real = reinterpret_cast<Blit>(dlsym(RTLD_NEXT, "blit"));
    const bool toScreen = d == theScreen();
    const Clock::time_point begun = copying ? copyStarted : Clock::now();
    real(s, d, sx, sy, dx, dy, w, h);
    if (!toScreen)
        return;
    copying = false;
    const Clock::time_point now = Clock::now();
    if (!warmedUp(now))
        return;
    if (frames > 0)
        frameSeconds += std::chrono::duration<double>(now - lastFrame).count();
    copySeconds += std::chrono::duration<double>(now - begun).count();
    lastFrame = now;
    ++frames;
}

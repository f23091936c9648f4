#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commandline/options.h"
#include "display/window.h"
#include "platform/display.h"
#include "platform/pace.h"
#include "platform/signals.h"
#include "platform/streams.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "shell/startup.h"
#include "shell/timer.h"

static CommandLine asked;

// Reads the command line and prints what it says. Returns -1 to go on and play, or the status to
// end the program with.
static int takeCommandLine(int argc, char** argv)
{
    asked = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::fputs(asked.out.c_str(), stdout);
    std::fputs(asked.err.c_str(), stderr);
    return asked.play ? -1 : asked.status;
}

// What the command line asks for wins over the settings, for this run.
static void applyCommandLine()
{
    if (asked.speedPercent)
        setAssistSpeed(asked.speedPercent);
    if (asked.framesPerSecond)
        capFrames(asked.framesPerSecond);
    if (asked.scale)
        screenChoice.scale = asked.scale;
    if (asked.fullscreen >= 0)
        screenChoice.fullscreen = asked.fullscreen == 1;
}

int main(int argc, char** argv)
{
    openStandardStreams();
    ignoreBrokenPipes();
    blockStopSignals();
    const int early = takeCommandLine(argc, argv);
    if (early >= 0)
        return early;
    takeStopSignals();
    watchForLostDisplay();
    if (!initialise(applyCommandLine))
        return exitStatus(1);
    if (gameLoop)
        runGame();
    shutdown();
    // exit, not return: in the browser a main that has given the page its turns returns to no
    // one, and only exit ends the page's run (and tells the page).
    std::exit(exitStatus(0));
}
END_OF_MAIN()

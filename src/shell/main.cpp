#include <allegro.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "commandline/options.h"
#include "platform/display.h"
#include "platform/pace.h"
#include "platform/signals.h"
#include "platform/streams.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "shell/startup.h"
#include "shell/timer.h"

// Reads the command line, prints what it says and sets the assist speed and the frame cap.
// Returns -1 to go on and play, or the status to end the program with.
static int takeCommandLine(int argc, char** argv)
{
    const CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    std::fputs(line.out.c_str(), stdout);
    std::fputs(line.err.c_str(), stderr);
    if (!line.play)
        return line.status;
    setAssistSpeed(line.speedPercent);
    capFrames(line.framesPerSecond);
    return -1;
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
    if (!initialise())
        return exitStatus(1);
    if (gameLoop)
        runGame();
    shutdown();
    // exit, not return: in the browser a main that has given the page its turns returns to no
    // one, and only exit ends the page's run (and tells the page).
    std::exit(exitStatus(0));
}
END_OF_MAIN()

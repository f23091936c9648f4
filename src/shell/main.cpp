#include <allegro.h>

#include "platform/display.h"
#include "shell/game.h"
#include "commandline/options.h"
#include "shell/quit.h"
#include "platform/signals.h"
#include "shell/startup.h"
#include "platform/streams.h"

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
    return exitStatus(0);
}
END_OF_MAIN()

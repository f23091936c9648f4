#include <allegro.h>

#include "shell/display.h"
#include "shell/game.h"
#include "shell/options.h"
#include "shell/quit.h"
#include "shell/signals.h"
#include "shell/startup.h"
#include "shell/streams.h"

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

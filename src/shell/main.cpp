#include <allegro.h>

#include "shell/display.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "shell/signals.h"
#include "shell/startup.h"
#include "shell/streams.h"

int main()
{
    openStandardStreams();
    ignoreBrokenPipes();
    blockStopSignals();
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

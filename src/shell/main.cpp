#include <allegro.h>

#include "shell/game.h"
#include "shell/signals.h"
#include "shell/startup.h"

int main()
{
    takeStopSignals();
    if (!initialise())
        return exitStatus(1);
    runGame();
    shutdown();
    return exitStatus(0);
}
END_OF_MAIN()

#include <allegro.h>

#include "shell/game.h"
#include "shell/options.h"
#include "shell/signals.h"
#include "shell/startup.h"

int main(int argc, char** argv)
{
    const int early = takeCommandLine(argc, argv);
    if (early >= 0)
        return early;
    takeStopSignals();
    if (!initialise())
        return exitStatus(1);
    runGame();
    shutdown();
    return exitStatus(0);
}
END_OF_MAIN()

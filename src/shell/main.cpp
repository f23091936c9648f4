#include "shell/game.h"
#include <allegro.h>
#include "shell/startup.h"

int main()
{
    if (!initialise())
        return 1;
    runGame();
    shutdown();
    return 0;
}
END_OF_MAIN()

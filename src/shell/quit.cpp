#include "shell/quit.h"

#include <allegro.h>

#include "platform/signals.h"

int gameOn = 1;
int gameLoop = 1;
std::atomic<bool> closeRequested{false};

bool quitRequested() { return key[KEY_ESC] || closeRequested.load() || stopRequested(); }

bool stopRequested() { return stopSignal.load() != 0; }

void endProgram()
{
    gameOn = 0;
    gameLoop = 0;
}

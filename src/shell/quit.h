#pragma once
// How the program is told to stop: the run flags of the title loop and the bout, and the
// requests that clear them (ESC, the window's close button, a stop signal).

#include <atomic>

// The current bout runs while this is non-zero.
extern int gameOn;
// The program (title screen and bouts) runs while this is non-zero.
extern int gameLoop;
// Set by the window's close button, on the library's event thread; honoured like ESC.
extern std::atomic<bool> closeRequested;

// ESC is down, the window's close button was pressed, or a stop signal came.
bool quitRequested();
// A stop signal came.
bool stopRequested();
// Ends the bout under way and then the program: the current pass finishes, the library shuts down.
void endProgram();

#pragma once

// The game's screen: its window, its back buffer, and the largest picture it loads.
constexpr int screenWidth = 1024;
constexpr int screenHeight = 768;

// Brings the library up (system, keyboard, timer, the screen screenChoice asks for, sound), loads
// every asset and starts the frame clock. The settings are read first; afterSettings then
// applies what the command line asked for over them. Returns false when the game cannot run; the
// player has then been told why (stderr without a display, a message box with one). A quit
// request while starting up clears gameLoop and ends start-up early, returning true, so that the
// program shuts down in order without showing the title.
bool initialise(void (*afterSettings)());

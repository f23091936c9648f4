#pragma once
// The command line: --help, --version, --speed N, --scale N, --fullscreen and --window. It needs
// no display. What it asks for holds for this run; the settings file keeps what is chosen in the game.

#include <string>
#include <vector>

// What the command line asks for: to play (at an assist speed), or to end at once with a status
// after printing what it says.
struct CommandLine {
    bool play = true;
    int speedPercent = 100;
    bool speedGiven = false;
    int scale = 0;           // the window's scale; 0 when not given
    int fullscreen = -1;     // 1 fullscreen, 0 a window, -1 when not given
    int status = 0;   // the exit status when not playing
    std::string out;  // printed on stdout
    std::string err;  // printed on stderr
};

// Reads the arguments that follow the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);


#pragma once
// The command line: --help, --version, --speed N, --fps N, --scale N, --fullscreen and --window.
// It needs no display. What it asks for holds for this run, over the settings file.

#include <string>
#include <vector>

// What the command line asks for: to play (at an assist speed), or to end at once with a status
// after printing what it says.
struct CommandLine {
    bool play = true;
    // What was not given is 0 (-1 for fullscreen): the settings' choice stands.
    int speedPercent = 0;
    int framesPerSecond = 0; // the frame cap
    int scale = 0;           // the window's scale
    int fullscreen = -1;     // 1 fullscreen, 0 a window
    int status = 0;   // the exit status when not playing
    std::string out;  // printed on stdout
    std::string err;  // printed on stderr
};

// Reads the arguments that follow the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);


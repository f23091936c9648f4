#pragma once
// The command line: --help, --version, --speed N and --fps N. It needs no display.

#include <string>
#include <vector>

// What the command line asks for: to play (at an assist speed), or to end at once with a status
// after printing what it says.
struct CommandLine {
    bool play = true;
    int speedPercent = 100;
    int framesPerSecond = 0; // the frame cap; 0: none
    int status = 0;   // the exit status when not playing
    std::string out;  // printed on stdout
    std::string err;  // printed on stderr
};

// The frame caps --fps takes: fewer than 10 frames a second would leave frames further apart than
// the game is tested at.
constexpr int fewestFrames = 10;
constexpr int mostFrames = 1000;

// Reads the arguments that follow the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);


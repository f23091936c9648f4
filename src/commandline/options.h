#pragma once
// The command line: --help, --version and --speed N. It needs no display.

#include <string>
#include <vector>

// What the command line asks for: to play (at an assist speed), or to end at once with a status
// after printing what it says.
struct CommandLine {
    bool play = true;
    int speedPercent = 100;
    int status = 0;   // the exit status when not playing
    std::string out;  // printed on stdout
    std::string err;  // printed on stderr
};

// Reads the arguments that follow the program's name.
CommandLine parseCommandLine(const std::vector<std::string>& args);


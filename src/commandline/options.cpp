#include "commandline/options.h"

#include <cstdlib>

#include "assist/speeds.h"
#include "display/fit.h"

#ifndef RYKE_VERSION
#define RYKE_VERSION "unknown"
#endif

namespace {

std::string usage()
{
    return "Usage: ryke [--speed N] [--scale N] [--fullscreen | --window]\n"
           "A side-view sword fight against two lines of a hundred enemies.\n"
           "  --speed N   play at N% of the full speed: " +
           speedChoices() +
           " (full speed by default)\n"
           "  --scale N   a window N times as large (1 to 8, as the desktop allows)\n"
           "  --fullscreen, --window   fill the desktop, or play in a window (F11 switches)\n"
           "  --help      show this help and exit\n"
           "  --version   show the version and exit\n"
           "Run it from the folder that holds images/ and sound/ (the installed /usr/games/ryke does).\n"
           "Keys and files: man 6 ryke, or the README.\n";
}

CommandLine refused(const std::string& why)
{
    CommandLine line;
    line.play = false;
    line.status = 2;
    line.err = "ryke: " + why + "\nTry 'ryke --help' for the options.\n";
    return line;
}

// A whole number from 1 to the largest scale, or 0.
int scaleFrom(const std::string& text)
{
    if (text.size() != 1 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int value = std::atoi(text.c_str());
    return value >= 1 && value <= largestScaleAsked ? value : 0;
}

// A whole number that is one of the assist speeds, or 0.
int speedFrom(const std::string& text)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    const int value = std::atoi(text.c_str());
    return isAssistSpeed(value) ? value : 0;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            CommandLine help;
            help.play = false;
            help.out = usage();
            return help;
        }
        if (arg == "--version") {
            CommandLine version;
            version.play = false;
            version.out = "ryke " RYKE_VERSION "\n";
            return version;
        }
        if (arg == "--fullscreen" || arg == "--window") {
            line.fullscreen = arg == "--fullscreen";
            continue;
        }
        std::string name, value;
        for (const std::string option : {"--speed", "--scale"}) {
            if (arg == option) {
                if (i + 1 == args.size())
                    return refused(arg + " needs a value: " + (arg == "--speed" ? speedChoices() : "1 to 8"));
                name = arg;
                value = args[++i];
            } else if (arg.rfind(option + "=", 0) == 0) {
                name = option;
                value = arg.substr(option.size() + 1);
            }
        }
        if (name.empty())
            return refused((arg.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") + arg + "'");
        if (name == "--scale") {
            line.scale = scaleFrom(value);
            if (!line.scale)
                return refused("--scale " + value + ": the scale must be a whole number from 1 to 8");
            continue;
        }
        line.speedPercent = speedFrom(value);
        line.speedGiven = true;
        if (!line.speedPercent)
            return refused("--speed " + value + ": the speed must be " + speedChoices());
    }
    return line;
}

#include "commandline/options.h"

#include <cstdlib>

#include "assist/speeds.h"

#ifndef RYKE_VERSION
#define RYKE_VERSION "unknown"
#endif

namespace {

std::string usage()
{
    return "Usage: ryke [--speed N]\n"
           "A side-view sword fight against two lines of a hundred enemies.\n"
           "  --speed N   play at N% of the full speed: " +
           speedChoices() +
           " (full speed by default)\n"
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
        std::string value;
        if (arg == "--speed") {
            if (i + 1 == args.size())
                return refused("--speed needs a value: " + speedChoices());
            value = args[++i];
        } else if (arg.rfind("--speed=", 0) == 0) {
            value = arg.substr(8);
        } else {
            return refused((arg.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") + arg + "'");
        }
        line.speedPercent = speedFrom(value);
        if (!line.speedPercent)
            return refused("--speed " + value + ": the speed must be " + speedChoices());
    }
    return line;
}

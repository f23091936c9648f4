#include "commandline/options.h"

#include <cstdlib>

#include "assist/speeds.h"
#include "display/fit.h"
#include "platform/pace.h"

#ifndef RYKE_VERSION
#define RYKE_VERSION "unknown"
#endif

namespace {

std::string usage()
{
    return "Usage: ryke [--speed N] [--fps N] [--scale N] [--fullscreen | --window]\n"
           "A side-view sword fight against two lines of a hundred enemies.\n"
           "  --speed N   play at N% of the full speed: " +
           speedChoices() +
           " (full speed by default)\n"
           "  --fps N     draw at most N frames a second (" +
           std::to_string(fewestFrames) + " to " + std::to_string(mostFrames) +
           "), sleeping between them: cooler, quieter\n"
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

// A whole number of at most four digits, or -1.
int wholeNumber(const std::string& text)
{
    if (text.empty() || text.size() > 4 || text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    return std::atoi(text.c_str());
}

// A whole number that is one of the assist speeds, or 0.
int speedFrom(const std::string& text)
{
    const int value = wholeNumber(text);
    return isAssistSpeed(value) ? value : 0;
}

// A frame cap within the bounds, or 0.
int framesFrom(const std::string& text)
{
    const int value = wholeNumber(text);
    return value >= fewestFrames && value <= mostFrames ? value : 0;
}

// A scale from 1 to the largest, or 0.
int scaleFrom(const std::string& text)
{
    const int value = wholeNumber(text);
    return value >= 1 && value <= largestScaleAsked ? value : 0;
}

std::string speedsOffered() { return "the speed must be " + speedChoices(); }

std::string scalesOffered() { return "the scale must be a whole number from 1 to " + std::to_string(largestScaleAsked); }

std::string framesOffered()
{
    return "the frames a second must be a whole number from " + std::to_string(fewestFrames) + " to " +
           std::to_string(mostFrames);
}

// The options that take a value: where it goes, how it is read (0: refused) and what it must be.
struct ValueOption {
    const char* name;
    int CommandLine::*field;
    int (*parse)(const std::string&);
    std::string (*mustBe)();
};

// clang-format off
//                                   name       field                          parse       must be
const ValueOption valueOptions[] = { {"--speed", &CommandLine::speedPercent,    speedFrom,  speedsOffered},
                                     {"--fps",   &CommandLine::framesPerSecond, framesFrom, framesOffered},
                                     {"--scale", &CommandLine::scale,           scaleFrom,  scalesOffered} };
// clang-format on

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
        const ValueOption* option = nullptr;
        std::string value;
        for (const ValueOption& o : valueOptions) {
            const std::string name = o.name;
            if (arg == name) {
                if (i + 1 == args.size())
                    return refused(name + " needs a value: " + o.mustBe());
                option = &o;
                value = args[++i];
            } else if (arg.rfind(name + "=", 0) == 0) {
                option = &o;
                value = arg.substr(name.size() + 1);
            }
        }
        if (!option)
            return refused((arg.rfind('-', 0) == 0 ? "unknown option '" : "unexpected argument '") + arg + "'");
        line.*option->field = option->parse(value);
        if (!(line.*option->field))
            return refused(std::string(option->name) + " " + value + ": " + option->mustBe());
    }
    return line;
}

// The command line: what each option prints, the status it ends with, and the speed and frame cap
// it chooses (0: not given, the settings' choice stands).

#include <gtest/gtest.h>

#include "commandline/options.h"

namespace {

struct Case {
    std::vector<std::string> args;
    bool play;
    int status, speed, frames;
    const char* outHas; // "" for nothing printed there
    const char* errHas;
};

TEST(CommandLine, EachOptionPlaysOrEndsWithItsStatusAndItsWords)
{
    // clang-format off
    const Case cases[] = {
        //  args                             play   status  speed  fps    stdout has        stderr has
        {{},                                 true,  0,      0,     0,     "",               ""},
        {{"--speed", "50"},                  true,  0,      50,    0,     "",               ""},
        {{"--speed=70"},                     true,  0,      70,    0,     "",               ""},
        {{"--speed", "90", "--speed", "60"}, true,  0,      60,    0,     "",               ""},
        {{"--help"},                         false, 0,      0,     0,     "--speed N",      ""},
        {{"-h"},                             false, 0,      0,     0,     "Usage: ryke",    ""},
        {{"--version"},                      false, 0,      0,     0,     "ryke 0.",        ""},
        {{"--speed", "50", "--help"},        false, 0,      0,     0,     "Usage: ryke",    ""},
        {{"--fast"},                         false, 2,      0,     0,     "",               "unknown option '--fast'"},
        {{"level2"},                         false, 2,      0,     0,     "",               "unexpected argument 'level2'"},
        {{"--speed"},                        false, 2,      0,     0,     "",               "--speed needs a value"},
        {{"--speed", "55"},                  false, 2,      0,     0,     "",               "must be 100, 90, 80, 70, 60 or 50"},
        {{"--speed", "40"},                  false, 2,      0,     0,     "",               "must be 100"},
        {{"--speed", "110"},                 false, 2,      0,     0,     "",               "must be 100"},
        {{"--speed", "-50"},                 false, 2,      0,     0,     "",               "must be 100"},
        {{"--speed", "50%"},                 false, 2,      0,     0,     "",               "must be 100"},
        {{"--speed", "050"},                 true,  0,      50,    0,     "",               ""},
        {{"--speed="},                       false, 2,      0,     0,     "",               "must be 100"},
        {{"--fps", "60"},                    true,  0,      0,     60,    "",               ""},
        {{"--fps=120", "--speed", "70"},     true,  0,      70,    120,   "",               ""},
        {{"--fps", "10"},                    true,  0,      0,     10,    "",               ""},
        {{"--fps", "1000"},                  true,  0,      0,     1000,  "",               ""},
        {{"--help"},                         false, 0,      0,     0,     "--fps N",        ""},
        {{"--fps", "9"},                     false, 2,      0,     0,     "",               "--fps 9: the frames a second must be a whole number from 10 to 1000"},
        {{"--fps", "1001"},                  false, 2,      0,     0,     "",               "from 10 to 1000"},
        {{"--fps", "0"},                     false, 2,      0,     0,     "",               "from 10 to 1000"},
        {{"--fps", "60.5"},                  false, 2,      0,     0,     "",               "from 10 to 1000"},
        {{"--fps"},                          false, 2,      0,     0,     "",               "--fps needs a value"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::string shown;
        for (const std::string& a : c.args)
            shown += a + " ";
        const CommandLine line = parseCommandLine(c.args);
        EXPECT_EQ(c.play, line.play) << shown;
        EXPECT_EQ(c.status, line.status) << shown;
        if (c.play) {
            EXPECT_EQ(c.speed, line.speedPercent) << shown;
            EXPECT_EQ(c.frames, line.framesPerSecond) << shown;
        }
        if (*c.outHas)
            EXPECT_NE(std::string::npos, line.out.find(c.outHas)) << shown << "\n" << line.out;
        else
            EXPECT_EQ("", line.out) << shown;
        if (*c.errHas) {
            EXPECT_NE(std::string::npos, line.err.find(c.errHas)) << shown << "\n" << line.err;
            EXPECT_NE(std::string::npos, line.err.find("--help")) << "an error says where the options are";
        } else {
            EXPECT_EQ("", line.err) << shown;
        }
    }
}

} // namespace

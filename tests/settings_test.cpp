// The settings file: what a text holds, what makes it damaged, and the text written back with
// every line the game does not know kept.

#include <allegro.h>

#include "settings/settings.h"
#include "support/headless.h"

namespace {

TEST(Settings, AFileHoldsItsChoicesAndWhatItLeavesOutKeepsItsDefault)
{
    std::string problem;
    const Settings s = readSettings("# mine\n[ryke]\nspeed = 70\nfps = 60\nfullscreen = yes\n[keys]\nright_high = L\n"
                                    "[joystick]\njoystick_device_0 = /tmp/pad\n",
                                    problem);
    EXPECT_EQ("", problem);
    EXPECT_EQ(70, s.speed);
    EXPECT_EQ(60, s.fps);
    EXPECT_EQ(1, s.scale);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_EQ(KEY_L, s.keys[5]) << "right_high";
    EXPECT_EQ(KEY_D, s.keys[0]) << "left_high keeps D";
    EXPECT_EQ(KEY_SPACE, s.keys[6]);
    const Settings none = readSettings("", problem);
    EXPECT_EQ("", problem);
    EXPECT_EQ(100, none.speed);
    EXPECT_EQ(0, none.fps) << "no frame cap";
    EXPECT_FALSE(none.fullscreen);
}

TEST(Settings, ADamagedFileSaysWhereAndGivesTheDefaults)
{
    struct Case {
        std::string text;
        const char* why;
    };
    // clang-format off
    const Case cases[] = {
        //  text                                              why
        {"[ryke]\nspeed = 55\n",                              "speed = 55"},
        {"[ryke]\nspeed = fast\n",                            "speed = fast"},
        {"[ryke]\nfps = 9\n",                                 "fps = 9"},
        {"[ryke]\nfps = 1001\n",                              "fps = 1001"},
        {"[ryke]\nscale = 0\n",                               "scale = 0"},
        {"[ryke]\nscale = 12\n",                              "scale = 12"},
        {"[ryke]\nfullscreen = maybe\n",                      "fullscreen = maybe"},
        {"[keys]\nleft_high = NOSUCHKEY\n",                   "left_high = NOSUCHKEY"},
        {"[keys]\nleft_high = K\n",                           "K is the high attack"},   
        {"[keys]\nevade_key = ESC\n",                         "no key the game knows"},
        {"[ryke]\nspeed 70\n",                                "line 2 is not a setting"},
        {"[ryke\nspeed = 70\n",                               "line 1 is not a setting"},
        {"[ryke]\nspeed = 70\n\xff\xfe\n",                    "line 3"},
        {std::string("[ryke]\nspeed = 7\0\n", 17),            "not text"},
        {std::string(70000, '#'),                             "too large"},
        {"[keys]\nevade_key = C\n",                           "no key the game knows"},
        {"[ryke]\nspeed\x1b[2J\n",                            "'speed?[2J'"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::string problem;
        const Settings s = readSettings(c.text, problem);
        EXPECT_NE(std::string::npos, problem.find(c.why)) << c.text.substr(0, 40) << "\n -> " << problem;
        EXPECT_EQ(100, s.speed) << c.text.substr(0, 40);
        EXPECT_EQ(KEY_D, s.keys[0]) << c.text.substr(0, 40);
    }
}

TEST(Settings, TheTextWrittenBackChangesOnlyTheGamesLinesAndReadsBackTheSame)
{
    const std::string old = "# my notes\n[ryke]\nspeed = 70\n; the window\nscale = 2\nvolume = 11\n"
                            "[joystick]\njoystick_device_0 = /tmp/pad\n";
    Settings chosen;
    chosen.speed = 60;
    chosen.fps = 1000;
    chosen.scale = 2;
    chosen.fullscreen = true;
    chosen.keys[5] = KEY_L;
    const std::string text = settingsText(chosen, old);
    EXPECT_EQ("# my notes\n[ryke]\nspeed = 60\n; the window\nscale = 2\nvolume = 11\nfps = 1000\n"
              "fullscreen = yes\n[joystick]\njoystick_device_0 = /tmp/pad\n",
              text.substr(0, text.find("[keys]")));
    EXPECT_NE(std::string::npos, text.find("[keys]\n")) << text;
    EXPECT_NE(std::string::npos, text.find("right_high = L\n")) << text;
    std::string problem;
    const Settings back = readSettings(text, problem);
    EXPECT_EQ("", problem) << text;
    EXPECT_EQ(60, back.speed);
    EXPECT_EQ(1000, back.fps);
    EXPECT_TRUE(back.fullscreen);
    for (int s = 0; s < slotCount; ++s)
        EXPECT_EQ(chosen.keys[s], back.keys[s]) << keySlots[s].name;
    // A setting written twice by hand: the library takes the last, so the game's one line replaces both.
    const std::string twice = settingsText(chosen, "[ryke]\nspeed = 70\nspeed = 80\n");
    EXPECT_EQ(twice.find("speed = "), twice.rfind("speed = ")) << twice;
    EXPECT_NE(std::string::npos, twice.find("speed = 60\n")) << twice;
}

} // namespace

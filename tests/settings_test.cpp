// The settings file: what a text holds, what makes it damaged, the text written back with
// every line the game does not know kept, and the file saved by games at once.

#include <allegro.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <vector>

#include "settings/settings.h"
#include "support/headless.h"

namespace {

TEST(Settings, AFileHoldsItsChoicesAndWhatItLeavesOutKeepsItsDefault)
{
    std::string problem;
    const Settings s = readSettings("# mine\n[ryke]\nspeed = 70\nfps = 60\nfullscreen = yes\ncoach = off\nbouts_played = 3\n"
                                    "[keys]\nright_high = L\n"
                                    "[joystick]\njoystick_device_0 = /tmp/pad\n",
                                    problem);
    EXPECT_EQ("", problem);
    EXPECT_EQ(70, s.speed);
    EXPECT_EQ(60, s.fps);
    EXPECT_EQ(1, s.scale);
    EXPECT_TRUE(s.fullscreen);
    EXPECT_EQ(CoachChoice::Mode::off, s.coach.mode);
    EXPECT_EQ(3, s.coach.bouts);
    EXPECT_EQ(KEY_L, s.keys[5]) << "right_high";
    EXPECT_EQ(KEY_D, s.keys[0]) << "left_high keeps D";
    EXPECT_EQ(KEY_SPACE, s.keys[6]);
    const Settings none = readSettings("", problem);
    EXPECT_EQ("", problem);
    EXPECT_EQ(100, none.speed);
    EXPECT_EQ(0, none.fps) << "no frame cap";
    EXPECT_FALSE(none.fullscreen);
    EXPECT_EQ(CoachChoice::Mode::firstBouts, none.coach.mode) << "a new player's";
    EXPECT_EQ(0, none.coach.bouts);
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
        {"[ryke]\ncoach = yes\n",                             "coach = yes"},
        {"[ryke]\ncoach = first bouts\n",                     "coach = first bouts"},
        {"[ryke]\nbouts_played = -1\n",                       "bouts_played = -1"},
        {"[ryke]\nbouts_played = 2 3\n",                      "bouts_played = 2 3"},
        {"[ryke]\nbouts_played = 9999999999\n",               "bouts_played = 9999999999"},
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
    chosen.coach = {CoachChoice::Mode::on, 4};
    chosen.keys[5] = KEY_L;
    const std::string text = settingsText(chosen, old);
    EXPECT_EQ("# my notes\n[ryke]\nspeed = 60\n; the window\nscale = 2\nvolume = 11\nfps = 1000\n"
              "fullscreen = yes\ncoach = on\nbouts_played = 4\n[joystick]\njoystick_device_0 = /tmp/pad\n",
              text.substr(0, text.find("[keys]")));
    EXPECT_NE(std::string::npos, text.find("[keys]\n")) << text;
    EXPECT_NE(std::string::npos, text.find("right_high = L\n")) << text;
    std::string problem;
    const Settings back = readSettings(text, problem);
    EXPECT_EQ("", problem) << text;
    EXPECT_EQ(60, back.speed);
    EXPECT_EQ(1000, back.fps);
    EXPECT_TRUE(back.fullscreen);
    EXPECT_EQ(CoachChoice::Mode::on, back.coach.mode);
    EXPECT_EQ(4, back.coach.bouts);
    for (int s = 0; s < slotCount; ++s)
        EXPECT_EQ(chosen.keys[s], back.keys[s]) << keySlots[s].name;
    // A setting written twice by hand: the library takes the last, so the game's one line replaces both.
    const std::string twice = settingsText(chosen, "[ryke]\nspeed = 70\nspeed = 80\n");
    EXPECT_EQ(twice.find("speed = "), twice.rfind("speed = ")) << twice;
    EXPECT_NE(std::string::npos, twice.find("speed = 60\n")) << twice;
}

std::string fileText(const std::filesystem::path& path)
{
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(Settings, GamesSavingAtOnceAllSaveAndADamagedFileIsLeftAsItIs)
{
    // Each save first clears what a killed save left: without the lock it takes another's
    // temporary file from under it.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "ryke-settings-games";
    std::filesystem::remove_all(folder);
    std::vector<int> failed(6, 0);
    std::vector<std::thread> games;
    for (int game = 0; game < 6; ++game)
        games.emplace_back([&folder, &failed, game] {
            Settings mine;
            mine.coach = {game % 2 ? CoachChoice::Mode::off : CoachChoice::Mode::on, game};
            std::string problem;
            for (int save = 0; save < 40; ++save)
                failed[game] += !saveSettings(folder.string(), mine, problem);
        });
    for (std::thread& game : games)
        game.join();
    EXPECT_EQ(std::vector<int>(6, 0), failed);
    std::string problem;
    const Settings last = readSettings(fileText(folder / "ryke.cfg"), problem);
    EXPECT_EQ("", problem);
    EXPECT_EQ(last.coach.bouts % 2 ? CoachChoice::Mode::off : CoachChoice::Mode::on, last.coach.mode)
        << "one game's choice and count, whole";
    const std::string damaged = "[ryke]\ncoach = sometimes\n";
    std::ofstream(folder / "ryke.cfg") << damaged;
    EXPECT_FALSE(saveSettings(folder.string(), Settings(), problem));
    EXPECT_NE(std::string::npos, problem.find("coach = sometimes")) << problem;
    EXPECT_EQ(damaged, fileText(folder / "ryke.cfg"));
    std::filesystem::remove_all(folder);
}

} // namespace

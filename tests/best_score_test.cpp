// The best scores kept between runs: read back as written, a damaged or unreachable file never
// trusted nor fatal, and a write killed at any moment leaves the old file or the new one. Built
// for Windows too and run under Wine, where the file calls and the player's folder differ.

#include <gtest/gtest.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "stores/best_score.h"

namespace {

namespace fs = std::filesystem;

class BestScoreFiles : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("ryke-best-" + std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        file = folder / bestScoreFile;
    }
    void TearDown() override
    {
        fs::permissions(folder, fs::perms::owner_all);
        fs::remove_all(folder);
    }
    void put(const std::string& text) { std::ofstream(file) << text; }
    BestScores read(std::string& problem) { return readBestScores(file.string(), problem); }

    fs::path folder, file;
};

TEST_F(BestScoreFiles, ScoresAreReadBackAsWrittenAndAMissingFileHoldsNone)
{
    std::string problem = "left over";
    EXPECT_TRUE(read(problem).empty());
    EXPECT_EQ("", problem) << "no file yet is no problem";

    const BestScores scores{{100, {37, "2026-12-07"}}, {50, {200, "2027-01-31"}}, {70, {1, "2026-11-30"}}};
    const fs::path deeper = folder / "deeper" / "still";
    ASSERT_TRUE(writeBestScores(deeper.string(), scores, problem)) << problem;
    const BestScores back = readBestScores((deeper / bestScoreFile).string(), problem);
    EXPECT_EQ("", problem);
    ASSERT_EQ(3u, back.size());
    EXPECT_EQ(37, back.at(100).kills);
    EXPECT_EQ("2026-12-07", back.at(100).date);
    EXPECT_EQ(200, back.at(50).kills);
    EXPECT_EQ(1, back.at(70).kills);

    ASSERT_TRUE(writeBestScores(deeper.string(), {{90, {12, "2026-12-08"}}}, problem)) << problem;
    const BestScores again = readBestScores((deeper / bestScoreFile).string(), problem);
    EXPECT_EQ("", problem);
    ASSERT_EQ(1u, again.size()) << "a second write replaces the first whole";
    EXPECT_EQ(12, again.at(90).kills);
    EXPECT_EQ(1, std::distance(fs::directory_iterator(deeper), fs::directory_iterator{})) << "no temporary file is left";
}

TEST_F(BestScoreFiles, ADamagedFileGivesNoScoreAndSaysWhy)
{
    const std::string head = "ryke best scores\n";
    struct Case {
        std::string text;
        const char* why;
    };
    // clang-format off
    const Case cases[] = {
        {"",                                                   "not a best scores file"},
        {"\x89PNG\r\n",                                        "not a best scores file"},
        {head,                                                 "cut short"},
        {head + "100 37 2026-12-07\n",                         "cut short"},
        {head + "100 37 2026-12-07\nen",                       "cut short"},
        {head + "100 37 2026-12-07\nend\n100 38 2026-12-08\n", "after its end"},
        {head + "100 3",                                       "cut short"},
    };
    // clang-format on
    for (const Case& c : cases) {
        put(c.text);
        std::string problem;
        EXPECT_TRUE(read(problem).empty()) << c.text;
        EXPECT_NE(std::string::npos, problem.find(c.why)) << c.text << " -> " << problem;
        EXPECT_NE(std::string::npos, problem.find(file.string())) << "the file is named";
    }
    put(head + "90 12 2026-12-07\nend\n");
    std::string problem;
    EXPECT_EQ(12, read(problem).at(90).kills) << "and a sound one is read: " << problem;
}

TEST_F(BestScoreFiles, AFolderWhereTheFileShouldBeIsNeitherReadNorWrittenOver)
{
    fs::create_directory(file);
    std::string problem;
    EXPECT_TRUE(read(problem).empty());
    EXPECT_NE("", problem);
    EXPECT_FALSE(writeBestScores(folder.string(), {{100, {5, "2026-12-07"}}}, problem));
    EXPECT_NE(std::string::npos, problem.find("cannot be written")) << problem;
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(1, std::distance(fs::directory_iterator(folder), fs::directory_iterator{})) << "no temporary file is left";
}

#ifdef _WIN32

TEST(BestScoreFolder, InTheRoamingApplicationData)
{
    const char* saved = std::getenv("APPDATA");
    const std::string kept = saved ? saved : "";
    struct Case {
        const char* appData;  // nullptr: not set
        const char* folder;
    };
    // clang-format off
    const Case cases[] = {
        {"C:\\Users\\p\\AppData\\Roaming", "C:\\Users\\p\\AppData\\Roaming/ryke"},
        {"d:/roaming",                      "d:/roaming/ryke"},
        {"\\\\server\\p",                   "\\\\server\\p/ryke"},
        {"Roaming",                         ""},
        {"C:Roaming",                       ""},
        {"\\Roaming",                       ""},
        {nullptr,                           ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        // An empty value takes the variable away.
        _putenv_s("APPDATA", c.appData ? c.appData : "");
        EXPECT_EQ(c.folder, bestScoreFolder()) << (c.appData ? c.appData : "(not set)");
    }
    _putenv_s("APPDATA", kept.c_str());
}

#else

TEST_F(BestScoreFiles, TheFolderIsThePlayersOwn)
{
    std::string problem;
    ASSERT_TRUE(writeBestScores((folder / "deeper" / "still").string(), {{100, {5, "2026-12-07"}}}, problem)) << problem;
    EXPECT_EQ(fs::perms::owner_all, fs::status(folder / "deeper").permissions() & fs::perms::all);
    EXPECT_EQ(fs::perms::owner_all, fs::status(folder / "deeper" / "still").permissions() & fs::perms::all);
}

TEST(BestScoreFolder, FromTheDataHomeOrTheHomeFolder)
{
    const char* savedData = std::getenv("XDG_DATA_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string data = savedData ? savedData : "", home = savedHome ? savedHome : "";
    setenv("XDG_DATA_HOME", "/data/here", 1);
    setenv("HOME", "/home/player", 1);
    EXPECT_EQ("/data/here/ryke", bestScoreFolder());
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ("/home/player/.local/share/ryke", bestScoreFolder()) << "a relative data home is ignored";
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ("/home/player/.local/share/ryke", bestScoreFolder());
    unsetenv("HOME");
    EXPECT_EQ("", bestScoreFolder());
    if (savedData)
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    if (savedHome)
        setenv("HOME", home.c_str(), 1);
}

// A writer that saves ever larger scores as fast as it can, killed with SIGKILL at a random
// moment after a few saves, many times: the file is always whole, and never goes back to an
// older score.
TEST_F(BestScoreFiles, AWriteKilledAtAnyMomentLeavesTheOldFileOrTheNewOne)
{
    std::mt19937 dice(20261207);
    std::uniform_int_distribution<int> savesFirst(1, 3), delayUs(0, 2000);
    int lastSeen = 0;
    for (int round = 0; round < 300; ++round) {
        int saved[2];
        ASSERT_EQ(0, pipe(saved));
        const pid_t writer = fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            close(saved[0]);
            for (int kills = lastSeen + 1;; kills = std::min(kills + 1, 200)) {
                std::string problem;
                // Several speeds, so that a write takes more than one small piece.
                BestScores scores;
                for (const int speed : {100, 90, 80, 70, 60, 50})
                    scores[speed] = {kills, "2026-12-07"};
                if (!writeBestScores(folder.string(), scores, problem) || write(saved[1], "s", 1) != 1)
                    _exit(3);
            }
        }
        close(saved[1]);
        // However loaded the machine, the kill lands while the writer is saving, not starting.
        char mark;
        for (int n = savesFirst(dice); n > 0; --n)
            ASSERT_EQ(1, ::read(saved[0], &mark, 1)) << "the writer stopped on its own";
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(dice)));
        kill(writer, SIGKILL);
        int status = 0;
        waitpid(writer, &status, 0);
        close(saved[0]);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own, status " << WEXITSTATUS(status);
        std::string problem;
        const BestScores scores = read(problem);
        ASSERT_EQ("", problem) << "round " << round;
        ASSERT_EQ(6u, scores.size()) << "round " << round;
        const int kills = scores.at(100).kills;
        for (const auto& [speed, best] : scores)
            ASSERT_EQ(kills, best.kills) << "a file mixes two writes, round " << round;
        ASSERT_GT(kills, lastSeen) << "round " << round;
        lastSeen = kills;
        if (lastSeen > 150) {
            fs::remove(file);
            lastSeen = 0;
        }
    }
}

#endif

} // namespace

// The best scores kept between runs: read back as written, and a damaged or unreachable file never
// trusted nor fatal. Built for Windows too and run under Wine, where the file calls and the
// player's folder differ; what only Linux can do to the file is in store_test.cpp.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "stores/best_score.h"
#include "stores/store_file.h"

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
    int filesIn(const fs::path& at) { return static_cast<int>(std::distance(fs::directory_iterator(at), fs::directory_iterator{})); }

    fs::path folder, file;
};

TEST_F(BestScoreFiles, ScoresAreReadBackAsWrittenInAPrivateFolderAndAFolderInTheWayIsLeftAlone)
{
    std::string problem = "left over";
    EXPECT_TRUE(readBestScores(file.string(), problem).empty());
    EXPECT_EQ("", problem) << "no file yet is no problem";

    const fs::path deeper = folder / "deeper" / "still";
    const std::string path = (deeper / bestScoreFile).string();
    ASSERT_TRUE(writeBestScores(deeper.string(), {{100, {37, "2026-12-07"}}, {50, {200, "2027-01-31"}}}, problem)) << problem;
    ASSERT_TRUE(writeBestScores(deeper.string(), {{90, {12, "2026-12-08"}}, {70, {1, "2026-11-30"}}}, problem)) << problem;
    const BestScores back = readBestScores(path, problem);
    EXPECT_EQ("", problem);
    ASSERT_EQ(2u, back.size()) << "a second write replaces the first whole";
    EXPECT_EQ(12, back.at(90).kills);
    EXPECT_EQ("2026-12-08", back.at(90).date);
    EXPECT_EQ(1, back.at(70).kills);
    EXPECT_EQ(1, filesIn(deeper)) << "no temporary file is left";
#ifndef _WIN32
    for (const fs::path& made : {folder / "deeper", deeper})
        EXPECT_EQ(fs::perms::owner_all, fs::status(made).permissions() & fs::perms::all) << made;
#endif

    fs::create_directory(file);
    EXPECT_TRUE(readBestScores(file.string(), problem).empty());
    EXPECT_NE(std::string::npos, problem.find("is a folder")) << problem;
    EXPECT_FALSE(writeBestScores(folder.string(), {{100, {5, "2026-12-07"}}}, problem));
    EXPECT_NE(std::string::npos, problem.find("cannot be written")) << problem;
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_EQ(2, filesIn(folder)) << "no temporary file is left";
}

// A file read: the kills it gives at 100 % and 70 % (-1: none), or a word of why it is refused
// whole. No bout kills more than 200. A message names the file, quotes a short line of plain text, and reaches the
// terminal with no control byte.
TEST_F(BestScoreFiles, ADamagedFileGivesNoScoreAndSaysWhyInOneShortPlainLine)
{
    const std::string head = "ryke best scores\n";
    const std::string nasty = "\x1b[2J\a\r" + std::string(20000, 'x') + "\x1b]0;owned\a";
    struct Case {
        std::string text;
        int at100, at70;
        const char* why;  // "": none
    };
    // clang-format off
    const Case cases[] = {
        // text                                                                   at100 at70 why
        {head + "100 30 2026-12-01\n70 9 2026-12-02\nend\n",                          30,  9, ""},
        {"ryke best scores\r\n100 30 2026-12-01\r\n55 1 2027-03-01\r\nend\r\n\r\n",   30, -1, ""},
        {head + "100 200 2026-12-01\n100 201 2026-12-02\n70 0 2026-12-02\n70 -1 2026-12-02\nend\n", 200, 0, ""},
        {head + "100 7 2026-12-01 wing\n70 5 2026-12\n70 6 26-12-01-1\nend\n",         -1, -1, ""},
        {"",                                                                          -1, -1, "not a best scores file"},
        {"\x89PNG\r\n",                                                               -1, -1, "not a best scores file"},
        {nasty + "\nend\n",                                                           -1, -1, "not a best scores file"},
        {head,                                                                        -1, -1, "cut short"},
        {head + "100 37 2026-12-07\n",                                                -1, -1, "cut short"},
        {head + "100 37 2026-12-07\nen",                                              -1, -1, "cut short"},
        {head + "100 3",                                                              -1, -1, "cut short"},
        {head + "100 37 2026-12-07\nend\n100 38 2026-12-08\n",                        -1, -1, "after its end"},
        {head + "end\n" + nasty + "\n",                                               -1, -1, "after its end"},
    };
    // clang-format on
    for (const Case& c : cases) {
        std::ofstream(file, std::ios::binary) << c.text;
        std::string problem;
        const BestScores scores = readBestScores(file.string(), problem);
        const std::string shown = c.text.substr(0, 60);
        if (*c.why) {
            EXPECT_TRUE(scores.empty()) << shown;
            EXPECT_NE(std::string::npos, problem.find(c.why)) << shown << " -> " << problem.substr(0, 200);
            EXPECT_EQ(0u, problem.find(file.string())) << "the file is named";
            EXPECT_LT(problem.size(), file.string().size() + 100) << problem.substr(0, 200);
            EXPECT_EQ(problem.end(), std::find_if(problem.begin(), problem.end(), [](char b) {
                          return static_cast<unsigned char>(b) < 0x20 || b == 0x7f;
                      })) << "a control byte reaches the terminal";
        } else {
            EXPECT_EQ("", problem) << shown;
            EXPECT_EQ(c.at100, scores.count(100) ? scores.at(100).kills : -1) << shown;
            EXPECT_EQ(c.at70, scores.count(70) ? scores.at(70).kills : -1) << shown;
        }
    }
    EXPECT_EQ("a?b?c", printable("a\nb\x7f" "c", 10));
    EXPECT_EQ("abcdefg...", printable("abcdefghijk", 10));
    EXPECT_EQ("abcdefghij", printable("abcdefghij", 10));
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

#endif

} // namespace

// The best scores file against what the world can put in its place or do to it: a pipe, a
// device, a huge file, a folder another user made, lines of a later version and damage. Linux
// only: fork, pipes and links. What a file's text gives and its messages are in
// best_score_test.cpp; games taking turns at the lock and the leftovers of killed saves in
// store_files_test.cpp; the order in which a save reaches the disk in flush_test.cpp.

#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "stores/best_score.h"
#include "stores/store_file.h"

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Runs body in a child process with at most 1 GB of memory; true if it ended by itself with
// status 0 within the seconds given (it is killed otherwise).
template <typename Body> bool inChild(int seconds, Body body)
{
    const pid_t child = fork();
    if (child == 0) {
        const rlimit memory{1u << 30, 1u << 30};
        setrlimit(RLIMIT_AS, &memory);
        _exit(body() ? 0 : 1);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The game's own store, in a data home of the test's: $XDG_DATA_HOME/ryke/best-scores.
class Store : public testing::Test {
protected:
    void SetUp() override
    {
        home = fs::temp_directory_path() / ("ryke-store-" + std::to_string(std::random_device{}()));
        fs::remove_all(home);
        folder = home / "ryke";
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all);
        file = folder / bestScoreFile;
        const char* kept = std::getenv("XDG_DATA_HOME");
        savedHome = kept ? kept : "";
        hadHome = kept != nullptr;
        setenv("XDG_DATA_HOME", home.c_str(), 1);
    }
    void TearDown() override
    {
        if (hadHome)
            setenv("XDG_DATA_HOME", savedHome.c_str(), 1);
        else
            unsetenv("XDG_DATA_HOME");
        fs::remove_all(home);
    }
    void put(const std::string& text) { std::ofstream(file, std::ios::binary) << text; }
    BestScores read(std::string& problem) { return readBestScores(file.string(), problem); }
    // What the file holds now, failing the test if it is not a sound best scores file.
    BestScores onDisk()
    {
        std::string problem;
        const BestScores scores = read(problem);
        EXPECT_EQ("", problem);
        return scores;
    }

    fs::path home, folder, file;
    std::string savedHome;
    bool hadHome = false;
};

TEST_F(Store, AFolderAnotherUserMadeOrOthersMayWriteInIsLeftAlone)
{
    put("ryke best scores\n100 30 2026-12-01\nend\n");
    // Others, not the group: each kind of write right counts on its own.
    fs::permissions(folder, fs::perms::owner_all | fs::perms::others_all);
    std::string problem;
    EXPECT_TRUE(read(problem).empty());
    EXPECT_NE(std::string::npos, problem.find("others may write")) << problem;
    loadBestScores();
    EXPECT_EQ(0, bestScoreAt(100).kills);
    recordBout(90, 5);
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(30, onDisk().at(100).kills) << "nothing is written there";
    EXPECT_EQ(0u, onDisk().count(90));

    if (geteuid() != 0)
        GTEST_SKIP() << "only root can give the folder to another user";
    ASSERT_EQ(0, chown(folder.c_str(), 12345, 12345));
    EXPECT_TRUE(read(problem).empty());
    EXPECT_NE(std::string::npos, problem.find("another user")) << problem;
    fs::remove(file);
    EXPECT_FALSE(writeBestScores(folder.string(), {{100, {5, "2026-12-07"}}}, problem));
    EXPECT_FALSE(fs::exists(file));
}

// Another game saved a best after this one started, in a file with lines of a later version:
// this one's save keeps them all.
TEST_F(Store, ASaveKeepsLinesOfALaterVersionAndTheBestsAnotherGameSavedMeanwhile)
{
    const std::string later = "55 12 2027-03-01\n100 28 2026-11-30 wing\n";
    put("ryke best scores\n100 30 2026-12-01\n" + later + "70 9 2026-12-02\nend\n");
    loadBestScores();
    EXPECT_EQ(30, bestScoreAt(100).kills);
    put("ryke best scores\n100 35 2026-12-02\n60 8 2026-12-02\n" + later + "end\n");
    ASSERT_TRUE(recordBout(70, 10));
    EXPECT_FALSE(recordBout(70, 10)) << "a bout that only equals the best is no new best";
    std::vector<std::string> others;
    std::string problem;
    const BestScores after = readBestScores(file.string(), problem, &others);
    EXPECT_EQ("", problem);
    EXPECT_EQ(35, after.at(100).kills);
    EXPECT_EQ(8, after.at(60).kills);
    EXPECT_EQ(10, after.at(70).kills);
    EXPECT_EQ((std::vector<std::string>{"55 12 2027-03-01", "100 28 2026-11-30 wing"}), others)
        << "the lines the game does not know are kept as they are";
    EXPECT_EQ(35, bestScoreAt(100).kills) << "and shows it from now on";
}

TEST_F(Store, AFileTheGameCannotUseIsSetAsideNeverReplacedByLess)
{
    const std::string damaged = "ryke best scores\n100 44 2026-12-01\n90 20 2026-12";
    // clang-format off
    const std::pair<const char*, void (*)(const fs::path&, const std::string&)> cases[] = {
        {"cut short", [](const fs::path& f, const std::string& text) { std::ofstream(f) << text; }},
        {"a pipe",    [](const fs::path& f, const std::string&) { ASSERT_EQ(0, mkfifo(f.c_str(), 0600)); }},
    };
    // clang-format on
    for (const auto& [what, plant] : cases) {
        for (const auto& entry : fs::directory_iterator(folder))
            fs::remove(entry.path());
        plant(file, damaged);
        testing::internal::CaptureStderr();
        loadBestScores();
        const std::string said = testing::internal::GetCapturedStderr();
        std::vector<fs::path> aside;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().rfind("best-scores.damaged-", 0) == 0)
                aside.push_back(entry.path());
        ASSERT_EQ(1u, aside.size()) << what << ": " << said;
        EXPECT_NE(std::string::npos, said.find("set aside as " + aside[0].string())) << what << ": " << said;
        EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
        if (fs::is_regular_file(aside[0])) {
            EXPECT_EQ(damaged, slurp(aside[0])) << "what it held is kept whole";
        }
        ASSERT_TRUE(recordBout(100, 3));
        EXPECT_EQ(3, onDisk().at(100).kills) << what;
    }
}

TEST_F(Store, AnUnreadableFileIsSetAsideNotReplaced)
{
    // Root reads whatever the rights say: the game runs as a plain user in a child.
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() == 0 && !nobody)
        GTEST_SKIP() << "no plain user to run as";
    const std::string held = "ryke best scores\n100 44 2026-12-01\nend\n";
    put(held);
    fs::permissions(file, fs::perms::none);
    if (geteuid() == 0) {
        ASSERT_EQ(0, chown(home.c_str(), nobody->pw_uid, nobody->pw_gid));
        ASSERT_EQ(0, chown(folder.c_str(), nobody->pw_uid, nobody->pw_gid));
        ASSERT_EQ(0, chown(file.c_str(), nobody->pw_uid, nobody->pw_gid));
    }
    EXPECT_TRUE(inChild(10, [&] {
        if (geteuid() == 0 && (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0))
            return false;
        loadBestScores();
        return recordBout(90, 3);
    }));
    if (geteuid() == 0) {
        ASSERT_EQ(0, chown(home.c_str(), 0, 0));
        for (const auto& entry : fs::recursive_directory_iterator(home))
            ASSERT_EQ(0, lchown(entry.path().c_str(), 0, 0));
    }
    EXPECT_EQ(3, onDisk().at(90).kills);
    EXPECT_EQ(0u, onDisk().count(100));
    int aside = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind("best-scores.damaged-", 0) == 0) {
            ++aside;
            fs::permissions(entry.path(), fs::perms::owner_read);
            EXPECT_EQ(held, slurp(entry.path()));
        }
    EXPECT_EQ(1, aside);
}

} // namespace

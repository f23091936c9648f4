// The platform's part of keeping files, on Linux and under Wine alike: the lock that makes games
// take turns, the removal of what killed saves left, and reading within a cap.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "stores/store_file.h"

namespace {

namespace fs = std::filesystem;

class StoreFolder : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("ryke-files-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(folder); }
    void put(const char* name, const std::string& text) { std::ofstream(folder / name, std::ios::binary) << text; }

    fs::path folder;
};

TEST_F(StoreFolder, OneGameAtATimeHoldsTheLock)
{
    using Clock = std::chrono::steady_clock;
    {
        const FileLock first(folder.string(), "kept");
        ASSERT_TRUE(first.held()) << first.problem();
        const auto start = Clock::now();
        const FileLock second(folder.string(), "kept");
        EXPECT_FALSE(second.held()) << "two games hold the lock at once";
        EXPECT_NE(std::string::npos, second.problem().find("another game keeps it locked")) << second.problem();
        EXPECT_GE(Clock::now() - start, std::chrono::seconds(4)) << "the second game did not wait its turn";
        const FileLock other(folder.string(), "other");
        EXPECT_TRUE(other.held()) << "another file's lock is another lock";
    }
    const FileLock again(folder.string(), "kept");
    EXPECT_TRUE(again.held()) << "the lock is not released: " << again.problem();
    EXPECT_TRUE(fs::is_regular_file(folder / "kept.lock"));
}

TEST_F(StoreFolder, OnlyTheTemporariesOfKilledSavesAreRemoved)
{
    for (const char* name : {".kept.a1B2c3", ".kept.Zz09xy", "kept", "kept.lock", "kept.damaged-2026-12-01", ".other.a1B2c3"})
        put(name, "x");
    removeLeftoverTemporaries(folder.string(), "kept");
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ((std::vector<std::string>{".other.a1B2c3", "kept", "kept.damaged-2026-12-01", "kept.lock"}), left);
}

TEST_F(StoreFolder, AFileIsReadWholeUpToItsCap)
{
    std::string bytes, problem;
    EXPECT_EQ(FileRead::missing, readStoreFile((folder / "none").string(), "kept", bytes, problem));
    put("kept", std::string(10000, 'k') + "\r\n\x1a");
    EXPECT_EQ(FileRead::read, readStoreFile(folder.string(), "kept", bytes, problem, 10003)) << problem;
    EXPECT_EQ(std::string(10000, 'k') + "\r\n\x1a", bytes) << "read whole, as it is";
    EXPECT_EQ(FileRead::refused, readStoreFile(folder.string(), "kept", bytes, problem, 10002));
    EXPECT_TRUE(bytes.empty());
    EXPECT_NE(std::string::npos, problem.find("too large")) << problem;
}

} // namespace

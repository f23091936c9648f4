// Each documented limit, from both sides: the value at the limit is taken, the one past it is
// refused. A limit moved inwards or outwards by one fails here.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

#include "assetfiles/assetcheck.h"
#include "assist/speeds.h"
#include "stores/store_file.h"
#include "support/asset_bytes.h"

namespace {

namespace fs = std::filesystem;

TEST(Bounds, SoundsAtTheLimitsArePlayedAndOnePastThemRefused)
{
    // grunt.wav: 16-bit mono at 22050 a second; rate at byte 24, channels 22, bits 34, sound 40.
    using Change = std::function<void(std::string&)>;
    struct Case {
        Change change;
        const char* fault;
    };
    // clang-format off
    const Case cases[] = {
        {[](std::string& b) { put32(b, 24, 8000); },  ""},
        {[](std::string& b) { put32(b, 24, 7999); },  "plays at 7999 samples a second"},
        {[](std::string& b) { put32(b, 24, 48000); }, ""},
        {[](std::string& b) { put32(b, 24, 48001); }, "plays at 48001 samples a second"},
        {[](std::string& b) { put16(b, 22, 1); },     ""},
        {[](std::string& b) { put16(b, 22, 0); },     "has 0 channels, not 1 or 2"},
        {[](std::string& b) { put16(b, 22, 2); },     ""},
        {[](std::string& b) { put16(b, 22, 3); },     "has 3 channels, not 1 or 2"},
        {[](std::string& b) { put16(b, 34, 8); },     ""},
        {[](std::string& b) { put16(b, 34, 7); },     "has 7-bit samples, not 8 or 16"},
        {[](std::string& b) { put16(b, 34, 16); },    ""},
        {[](std::string& b) { put16(b, 34, 17); },    "has 17-bit samples, not 8 or 16"},
    };
    // clang-format on
    const std::string grunt = contents("sound/grunt.wav");
    for (const Case& c : cases) {
        std::string bytes = grunt;
        c.change(bytes);
        EXPECT_EQ(c.fault, soundFault(bytes)) << "case " << &c - cases;
    }
}

TEST(Bounds, APictureAsLargeAsTheScreenIsShownAndOnePixelMoreRefused)
{
    const std::string title = contents("images/enterScreen.pcx");
    EXPECT_EQ("", pictureFault(title, {1024, 768})) << "the title fills the screen exactly";
    EXPECT_EQ("claims 1024 x 768 pixels (the screen is 1023 x 768)", pictureFault(title, {1023, 768}));
    EXPECT_EQ("claims 1024 x 768 pixels (the screen is 1024 x 767)", pictureFault(title, {1024, 767}));
}

TEST(Bounds, FilesUpToTheirCapAreReadAndOneByteMoreIsNot)
{
    const fs::path folder = fs::temp_directory_path() / ("ryke-bounds-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder);
    fs::permissions(folder, fs::perms::owner_all);
    const fs::path asset = folder / "large.pcx";
    std::ofstream(asset) << "";
    std::string bytes;
    fs::resize_file(asset, 16 << 20);
    EXPECT_EQ("", readAssetFile(asset.c_str(), bytes)) << "16 MB is read";
    EXPECT_EQ(16u << 20, bytes.size());
    fs::resize_file(asset, (16 << 20) + 1);
    EXPECT_EQ("is too large (16 MB)", readAssetFile(asset.c_str(), bytes));

    const fs::path store = folder / "kept";
    std::ofstream(store) << "";
    std::string problem;
    fs::resize_file(store, storeFileCap);
    EXPECT_EQ(FileRead::read, readStoreFile(folder.string(), "kept", bytes, problem)) << problem;
    EXPECT_EQ(65536u, bytes.size());
    fs::resize_file(store, storeFileCap + 1);
    EXPECT_EQ(FileRead::refused, readStoreFile(folder.string(), "kept", bytes, problem));
    EXPECT_NE(std::string::npos, problem.find("is too large (65537 bytes)")) << problem;
    fs::remove_all(folder);
}

// The kills' bounds are read in best_score_test.cpp, a speed's steps in assist_test.cpp.
TEST(Bounds, TheSpeedsRunFrom100To50)
{
    for (const int speed : {100, 50})
        EXPECT_TRUE(isAssistSpeed(speed)) << speed;
    for (const int speed : {101, 110, 49, 40, 0})
        EXPECT_FALSE(isAssistSpeed(speed)) << speed;
}

} // namespace

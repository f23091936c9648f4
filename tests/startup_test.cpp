// Loading the assets: every file that did not load is named, so nothing is drawn from a null handle.

#include <unistd.h>

#include <filesystem>

#include "shell/assets.h"
#include "support/headless.h"

namespace {

namespace fs = std::filesystem;

TEST(Startup, EveryMissingFileIsNamedAndTheRestStillLoad)
{
    const fs::path repo = fs::current_path();
    const fs::path copy = fs::temp_directory_path() / ("ryke-assets-" + std::to_string(getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    fs::copy(repo / "images", copy / "images");
    fs::copy(repo / "sound", copy / "sound");
    fs::remove(copy / "sound/gunShot_2.wav");
    fs::remove(copy / "images/gunDie.pcx");
    fs::remove(copy / "images/badSwordLo_1_flip.pcx");

    releaseAssets();
    fs::current_path(copy);
    const std::vector<RefusedAsset> refused = loadAssets();
    fs::current_path(repo);
    std::vector<std::string> named;
    for (const RefusedAsset& file : refused)
        named.push_back(file.path + ": " + file.reason);
    const std::vector<std::string> expected = {"sound/gunShot_2.wav: is missing",
                                               "images/badSwordLo_1_flip.pcx: is missing",
                                               "images/gunDie.pcx: is missing"};
    EXPECT_EQ(expected, named);
    EXPECT_EQ(nullptr, gunDeath_1);
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(screen->w, buffer->w) << "the back buffer has the screen's size";
    EXPECT_EQ(screen->h, buffer->h);
    EXPECT_NE(nullptr, gunShotFX);
    EXPECT_NE(nullptr, w00t);

    releaseAssets();
    EXPECT_TRUE(loadAssets().empty()) << "the other tests need the whole set back";
    fs::remove_all(copy);
}

int asks;
// The sounds take some sixty asks in all, so this stop comes among the pictures.
bool stopAtSeventiethAsk() { return ++asks >= 70; }

TEST(Startup, AStopWhileLoadingEndsItThereWithNothingNamed)
{
    releaseAssets();
    asks = 0;
    EXPECT_TRUE(loadAssets(stopAtSeventiethAsk).empty()) << "what was not loaded is not damaged";
    EXPECT_NE(nullptr, enemyDeath_2FX);
    EXPECT_NE(nullptr, background);
    EXPECT_EQ(nullptr, gunDeath_1) << "loading went on after the stop";
    EXPECT_LT(asks, 75);

    releaseAssets();
    EXPECT_TRUE(loadAssets().empty()) << "the other tests need the whole set back";
}

} // namespace

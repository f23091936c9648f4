// Loading the assets: a quit asked for while loading ends it there, and blames no file for it.
// (Every file that did not load is named: the end-to-end test of damaged assets shows that.)

#include "shell/assets.h"
#include "support/headless.h"

namespace {

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

// The screen: where the frame lands at each screen size, which window a desktop gets, the
// command line's screen options, and the frame copied at scale 2 pixel for pixel.

#include <allegro.h>

#include "commandline/options.h"
#include "display/fit.h"
#include "display/window.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

TEST(Fit, TheFrameFillsAsMuchOfEachDesktopAsItsShapeAllowsCentredOnBlack)
{
    struct Case {
        Size screen;
        int x, y, w, h;
    };
    // clang-format off
    const Case cases[] = {
        //  screen         x    y    w     h
        {{1024, 768},      0,   0,   1024, 768},
        {{2048, 1536},     0,   0,   2048, 1536},
        {{1366, 768},      171, 0,   1024, 768},
        {{1920, 1080},     240, 0,   1440, 1080},
        {{2560, 1440},     320, 0,   1920, 1440},
        {{3840, 2160},     480, 0,   2880, 2160},
        {{1280, 1024},     0,   32,  1280, 960},   // taller than 4:3
        {{800, 600},       0,   0,   800,  600},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Area a = frameArea(c.screen);
        EXPECT_EQ(c.x, a.x) << c.screen.w << "x" << c.screen.h;
        EXPECT_EQ(c.y, a.y) << c.screen.w << "x" << c.screen.h;
        EXPECT_EQ(c.w, a.w) << c.screen.w << "x" << c.screen.h;
        EXPECT_EQ(c.h, a.h) << c.screen.w << "x" << c.screen.h;
    }
}

TEST(Fit, AWindowGetsTheScaleAskedForOrTheLargestThatFitsAndFullscreenTheDesktop)
{
    struct Case {
        Size desktop;
        bool fullscreen;
        int asked;
        int w, h, scale;
        bool crowded;
    };
    // clang-format off
    const Case cases[] = {
        //  desktop       full   asked  w     h     scale  crowded
        {{1366, 768},     false, 1,     1024, 768,  1,     true},
        {{1366, 768},     false, 2,     1024, 768,  1,     true},
        {{1920, 1080},    false, 2,     1024, 768,  1,     false},
        {{2560, 1440},    false, 1,     1024, 768,  1,     false},
        {{3840, 2160},    false, 2,     2048, 1536, 2,     false},
        {{3840, 2160},    false, 3,     2048, 1536, 2,     false},
        {{4096, 3072},    false, 4,     4096, 3072, 4,     true},    // no room above for a title bar
        {{1920, 1080},    true,  2,     1920, 1080, 1,     false},
        {{1600, 1600},    false, 2,     1024, 768,  1,     false},   // upright: the width decides
        {{800, 600},      false, 1,     1024, 768,  1,     true},    // too small for any: still 1
    };
    // clang-format on
    for (const Case& c : cases) {
        const ScreenPlan plan = planScreen(c.fullscreen, c.asked, c.desktop);
        EXPECT_EQ(c.w, plan.size.w) << c.desktop.w << "x" << c.desktop.h << " asked " << c.asked;
        EXPECT_EQ(c.h, plan.size.h) << c.desktop.w << "x" << c.desktop.h << " asked " << c.asked;
        EXPECT_EQ(c.scale, plan.scale) << c.desktop.w << "x" << c.desktop.h << " asked " << c.asked;
        EXPECT_EQ(c.fullscreen, plan.fullscreen);
        if (!c.fullscreen) {
            EXPECT_EQ(c.crowded, windowCrowded(c.desktop, plan.scale)) << c.desktop.w << "x" << c.desktop.h;
        }
    }
}

TEST(Fit, TheCommandLineAsksForAScaleAndAWindowOrFullscreen)
{
    struct Case {
        std::vector<std::string> args;
        bool play;
        int scale, fullscreen;
    };
    // clang-format off
    const Case cases[] = {
        //  args                                  play   scale  fullscreen
        {{},                                      true,  0,     -1},
        {{"--scale", "2"},                        true,  2,     -1},
        {{"--scale=8"},                           true,  8,     -1},
        {{"--fullscreen"},                        true,  0,     1},
        {{"--fullscreen", "--window"},            true,  0,     0},
        {{"--window", "--scale", "3"},            true,  3,     0},
        {{"--scale", "0"},                        false, 0,     -1},
        {{"--scale", "9"},                        false, 0,     -1},
        {{"--scale", "1.5"},                      false, 0,     -1},
        {{"--scale"},                             false, 0,     -1},
    };
    // clang-format on
    for (const Case& c : cases) {
        const CommandLine line = parseCommandLine(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(c.play, line.play) << shown;
        if (c.play) {
            EXPECT_EQ(c.scale, line.scale) << shown;
            EXPECT_EQ(c.fullscreen, line.fullscreen) << shown;
            EXPECT_EQ(0, line.speedPercent) << "the settings' speed stands unless --speed is given";
        } else {
            EXPECT_EQ(2, line.status) << shown;
        }
    }
}

class Present : public Stage {};

TEST_F(Present, AtScaleTwoEachPixelOfTheFrameBecomesTwoByTwoAndAtScaleOneItIsCopiedAsIs)
{
    BITMAP* frameScreen = screen;
    for (int y = 0; y < buffer->h; ++y)
        for (int x = 0; x < buffer->w; ++x)
            putpixel(buffer, x, y, makecol(x % 251, y % 241, (x * y) % 239));
    BITMAP* large = create_bitmap(2048, 1536);
    ASSERT_NE(nullptr, large);
    screen = large;
    present(buffer);
    screen = frameScreen;
    int wrong = 0;
    for (int y = 0; y < 1536; ++y)
        for (int x = 0; x < 2048; ++x)
            wrong += getpixel(large, x, y) != getpixel(buffer, x / 2, y / 2);
    EXPECT_EQ(0, wrong) << "pixels that are not their frame pixel repeated";
    destroy_bitmap(large);
    // The copy to a larger screen stretches, which the recorder counts against a frame's drawing.
    unknownDrawing.clear();

    clearLogs();
    present(buffer);
    ASSERT_EQ(1u, paints.size()) << "at scale 1 one copy, as before";
    EXPECT_EQ(0, getpixel(screen, 0, 0) - getpixel(buffer, 0, 0));
    EXPECT_EQ(getpixel(buffer, 1023, 767), getpixel(screen, 1023, 767));
}

} // namespace

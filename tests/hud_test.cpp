// The heads-up display at the edges of its values: life bar, carnage meter, shot pips.

#include <allegro.h>

#include "fighters/player.h"
#include "screen/frame.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class Hud : public Stage {
protected:
    // The colour the HUD leaves at (x, y) for a player with these values.
    int colourAt(int x, int y) { return getpixel(buffer, x, y); }
    void drawWith(int life, double carnage, double shots)
    {
        ryke.life = life;
        ryke.carnage = carnage;
        ryke.shots = shots;
        clear_to_color(buffer, makecol(1, 2, 3));
        draw_interface();
    }
    const int black = makecol(0, 0, 0);
    const int green = makecol(0, 255, 30);
    const int orange = makecol(255, 90, 0);
};

TEST_F(Hud, TheLifeBarIsTwoPixelsAPointInsideABlackFrame)
{
    struct Case {
        int life;
        int lastGreenX; // 0: no green at all
    };
    for (const Case c : {Case{100, 274}, Case{1, 76}, Case{0, 0}, Case{-7, 0}, Case{50, 174}}) {
        drawWith(c.life, 0.0, 0.0);
        EXPECT_EQ(black, colourAt(74, 14)) << c.life;
        EXPECT_EQ(black, colourAt(276, 36)) << c.life;
        EXPECT_EQ(black, colourAt(75, 25)) << "the frame's inner edge, life " << c.life;
        if (c.lastGreenX) {
            EXPECT_EQ(green, colourAt(c.lastGreenX, 16)) << c.life;
            EXPECT_EQ(green, colourAt(76, 34)) << c.life;
            EXPECT_EQ(black, colourAt(c.lastGreenX + 1, 25)) << c.life;
        } else {
            EXPECT_EQ(black, colourAt(76, 25)) << c.life;
        }
    }
}

TEST_F(Hud, TheCarnageMeterFillsInProportionToTheShotsPrice)
{
    struct Case {
        double carnage;
        int lastOrangeX; // 0: no orange at all
    };
    for (const Case c : {Case{5.0, 925}, Case{0.0, 0}, Case{9.99, 1013}, Case{10.0, 1014}}) {
        drawWith(100, c.carnage, 0.0);
        EXPECT_EQ(black, colourAt(834, 14));
        EXPECT_EQ(black, colourAt(1016, 36));
        if (c.lastOrangeX) {
            EXPECT_EQ(orange, colourAt(836, 34)) << c.carnage;
            EXPECT_EQ(orange, colourAt(c.lastOrangeX, 16)) << c.carnage;
            EXPECT_EQ(black, colourAt(c.lastOrangeX + 1, 25)) << c.carnage;
        } else {
            EXPECT_EQ(black, colourAt(836, 25));
        }
    }
}

TEST_F(Hud, EachWholeShotLightsAPipUpToThree)
{
    const int pipCentres[] = {864, 925, 986};
    struct Case {
        double shots;
        int lit;
    };
    for (const Case c : {Case{0.999, 0}, Case{1.0, 1}, Case{2.5, 2}, Case{3.0, 3}, Case{10.0, 3}}) {
        drawWith(100, 0.0, c.shots);
        for (int pip = 0; pip < 3; ++pip) {
            EXPECT_EQ(pip < c.lit ? orange : black, colourAt(pipCentres[pip], 43)) << c.shots << " pip " << pip;
            EXPECT_EQ(black, colourAt(pipCentres[pip], 40)) << "the pip's frame";
        }
    }
    EXPECT_EQ(black, colourAt(894, 46));
    EXPECT_EQ(black, colourAt(895, 40));
    EXPECT_EQ(orange, colourAt(1014, 44));
    EXPECT_EQ(black, colourAt(1015, 44));
}

} // namespace

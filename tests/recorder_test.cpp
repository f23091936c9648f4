// The recorder sees what reaches the library: every argument of every kind of drawing call and
// sound, in the trace the soak and the bot keep (no pixels), nothing drawn past it unnoticed,
// and the back buffer followed when it is made again.

#include <allegro.h>

#include <sstream>
#include <string>

#include "fighters/player.h"
#include "screen/frame.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class Recorder : public Stage {
protected:
    void TearDown() override
    {
        slip = Slip();
        drawingEnabled = true;
        Stage::TearDown();
    }
    // A short bout's trace, without pixels: the hero faces left and parries, both lines fight,
    // and the HUD shows a shot.
    static std::vector<std::string> traceOfABout()
    {
        std::istringstream text("frames every 20\ntap 10 D 5\ntap 60 SPACE 5\nuntil 120\n");
        BoutScript script;
        std::string error;
        EXPECT_TRUE(readScript(text, script, error)) << error;
        RunOptions options;
        options.draw = false;
        options.afterFrame = [](int frame) {
            if (frame == 1)
                ryke.shots = 1.0;
        };
        const BoutRun run = runBout(script, options);
        EXPECT_EQ(std::vector<std::string>{}, run.faults);
        return run.trace;
    }
};

TEST_F(Recorder, EverySlipInALibraryCallsArgumentsShowsInTheTraceWithoutPixels)
{
    const std::vector<std::string> clean = traceOfABout();
    ASSERT_GT(clean.size(), 5u);
    // clang-format off
    const Slip slips[] = {
        {"rectfill", 0, 1},        {"rectfill", 1, -1},       {"rectfill", 2, 1},       {"rectfill", 3, -1},
        {"rectfill", 4, 1},        {"clear_to_color", 0, 1},
        {"blit", 0, 1},            {"blit", 1, 1},            {"blit", 2, -1},          {"blit", 3, 1},
        {"blit", 4, -1},           {"blit", 5, -1},
        {"textprintf_ex", 0, 1},   {"textprintf_ex", 1, -1},  {"textprintf_ex", 2, 1},  {"textprintf_ex", 3, 1},
        {"draw_sprite", 0, 1},     {"draw_sprite", 1, 1},     {"draw_sprite_h_flip", 0, -1},
        {"draw_sprite_h_flip", 1, 1}, {"stretch_sprite", 0, 1}, {"stretch_sprite", 1, 1}, {"stretch_sprite", 2, -1},
        {"stretch_sprite", 3, -1}, {"play_sample", 0, -1},    {"play_sample", 1, 1},    {"play_sample", 2, 1},
        {"play_sample", 3, 1},
    };
    // clang-format on
    for (const Slip& s : slips) {
        slip = s;
        const std::vector<std::string> slipped = traceOfABout();
        slip = Slip();
        EXPECT_NE(clean, slipped) << s.call << ", argument " << s.argument << " moved by " << s.by;
    }
    EXPECT_EQ(clean, traceOfABout()) << "the same bout, the same trace";
}

TEST_F(Recorder, AFillAndATextAreRecordedWithTheirPlaceAndColour)
{
    ryke.life = 1;
    ryke.shots = 0.0;
    draw_interface();
    int white = makecol(255, 255, 255), green = makecol(0, 255, 30);
    bool lifeBar = false;
    for (const DrawCall& d : paints)
        if (std::string(d.call) == "rectfill" && d.color == green) {
            EXPECT_FALSE(lifeBar) << "one life bar";
            lifeBar = true;
            EXPECT_EQ(76, d.x);
            EXPECT_EQ(16, d.y);
            EXPECT_EQ(1, d.w) << "from x = 76 to x = 76";
            EXPECT_EQ(19, d.h) << "from y = 16 to y = 34";
        }
    EXPECT_TRUE(lifeBar);
    clearRecords();
    animate();
    ASSERT_EQ(1u, textCalls.size());
    EXPECT_EQ(120, textCalls[0].x);
    EXPECT_EQ(40, textCalls[0].y);
    EXPECT_EQ(white, textCalls[0].color);
    EXPECT_EQ(0, textCalls[0].background);
    ASSERT_GE(paints.size(), 3u);
    EXPECT_EQ("clear_to_color", std::string(paints[0].call));
    EXPECT_EQ(white, paints[0].color);
    EXPECT_EQ("blit", std::string(paints[1].call));
    EXPECT_EQ(background, paints[1].sprite);
    EXPECT_EQ("blit", std::string(paints.back().call));
    EXPECT_EQ(buffer, paints.back().sprite);
    EXPECT_EQ(screen, paints.back().target);
    EXPECT_EQ(1024, paints.back().w);
    EXPECT_EQ(768, paints.back().h);
}

TEST_F(Recorder, ADrawingCallItDoesNotKnowFailsTheFrame)
{
    struct Unknown {
        const char* entry;
        void (*draw)();
    };
    // clang-format off
    const Unknown unknowns[] = {
        {"masked_blit",        [] { masked_blit(badGuy, buffer, 0, 0, 10, 10, 20, 20); }},
        // A 32-bit sprite is drawn with its alpha.
        {"draw_trans_rgba_sprite", [] { draw_trans_sprite(buffer, badGuy, 10, 10); }},
        {"draw_sprite_v_flip", [] { draw_sprite_v_flip(buffer, badGuy, 10, 10); }},
        {"draw_character",     [] { draw_character_ex(buffer, badGuy, 10, 10, 0, -1); }},
        {"putpixel",           [] { putpixel(buffer, 10, 10, 0); }},
        {"hline",              [] { hline(buffer, 10, 10, 20, 0); }},
        {"stretch_blit",       [] { stretch_blit(badGuy, buffer, 0, 0, 20, 20, 10, 10, 40, 40); }},
        {"circlefill",         [] { circlefill(screen, 10, 10, 5, 0); }},
        {"pivot_scaled_sprite_flip", [] { rotate_sprite(buffer, badGuy, 10, 10, itofix(32)); }},
        {"pivot_scaled_sprite_flip", [] { pivot_sprite(buffer, badGuy, 10, 10, 5, 5, itofix(32)); }},
        {"draw_gouraud_sprite", [] { draw_gouraud_sprite(buffer, badGuy, 10, 10, 0, 0, 0, 0); }},
        {"line",               [] { line(buffer, 10, 10, 40, 30, 0); }},
        {"polygon",            [] { const int p[] = {0, 0, 10, 0, 5, 8}; polygon(buffer, 3, p, 0); }},
        {"floodfill",          [] { floodfill(buffer, 10, 10, 0); }},
        {"draw_glyph",         [] { textout_right_ex(buffer, font, "x", 10, 10, 0, -1); }},
        {"draw_sprite_ex",     [] { draw_sprite_ex(buffer, badGuy, 10, 10, DRAW_SPRITE_NORMAL, DRAW_SPRITE_H_FLIP); }},
    };
    // clang-format on
    drawingEnabled = false;
    for (const Unknown& u : unknowns) {
        clearRecords();
        u.draw();
        EXPECT_EQ(u.entry, unknownDrawing.empty() ? "nothing" : unknownDrawing.front());
    }
    // Within a bout the frame fails at once.
    std::istringstream text("frames every 20\nuntil 1000\n");
    BoutScript script;
    std::string error;
    ASSERT_TRUE(readScript(text, script, error));
    RunOptions options;
    options.draw = false;
    options.afterFrame = [](int frame) {
        if (frame == 3)
            masked_blit(badGuy, buffer, 0, 0, 10, 10, 20, 20);
    };
    const BoutRun run = runBout(script, options);
    ASSERT_EQ(1u, run.faults.size());
    EXPECT_NE(std::string::npos, run.faults[0].find("frame 3 ")) << run.faults[0];
    EXPECT_NE(std::string::npos, run.faults[0].find("masked_blit")) << run.faults[0];
    clearRecords();
}

TEST_F(Recorder, TheLibrarysOwnWorkInsideARecordedCallIsPartOfThatCall)
{
    textprintf_ex(buffer, font, 5, 5, makecol(255, 255, 255), 0, "%s", "glyphs and a background");
    blit(background, buffer, 0, 0, 0, 0, 100, 100);
    stretch_sprite(buffer, badGuy, 0, 0, 50, 50);
    EXPECT_EQ(std::vector<std::string>{}, unknownDrawing);
    EXPECT_EQ(2u, paints.size()) << "the text's background is not a fill of its own";
    clear_bitmap(buffer);
    EXPECT_EQ("clear_to_color", std::string(paints.back().call)) << "a clear by another name";
}

TEST_F(Recorder, FollowsTheBackBufferWhenTheAssetsAreLoadedAgain)
{
    releaseAssets();
    ASSERT_EQ(0u, loadAssets().size());
    draw_sprite(buffer, badGuy, 0, 0);
    EXPECT_EQ(0u, paints.size()) << "a new back buffer, not yet recorded";
    clearRecords(); // as every frame and every test begins
    ryke.faceRight();
    animate();
    int sprites = 0;
    for (const DrawCall& d : paints)
        sprites += d.isSprite() && d.target == buffer;
    EXPECT_GE(sprites, 5) << "the hero, both waiting enemies, both current ones, the panels";
}

} // namespace

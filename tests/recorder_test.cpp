// The recorder sees what reaches the library: every argument of every kind of drawing call and
// sound, in the trace the soak and the bot keep (no pixels), and nothing drawn past it unnoticed.
// No fault in the game trips these; they guard the replays, the soak and the bot, which are
// blind to whatever the recorder misses.

#include <allegro.h>

#include <sstream>
#include <string>

#include "fighters/player.h"
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
        {"putpixel",           [] { putpixel(buffer, 10, 10, 0); }},
        {"circlefill",         [] { circlefill(screen, 10, 10, 5, 0); }},
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

} // namespace

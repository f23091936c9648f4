// The keyboard: which key does what, and which of several keys wins. One action per press, held
// or tapped, is in tap_test.cpp; ESC in bout_test.cpp; no move while a fighter is dead, in the
// soak's check of every frame.

#include <allegro.h>

#include <string>

#include "controls/input.h"
#include "fighters/player.h"
#include "names/names.h"
#include "support/headless.h"

namespace {

class Keys : public Stage {
protected:
    // One logic tick with exactly these keys down.
    void tickWith(std::initializer_list<int> keys)
    {
        releaseAll();
        for (int k : keys)
            press(k);
        input();
    }
};

TEST_F(Keys, EachKeyStartsItsMove)
{
    // The attack keys lie on the side he looks towards, the kicks behind him. The bot and the
    // soak press keys by keyFor, so it must name the very keys the game reads. Facing right here;
    // the keys of both facings are read against what the title shows in keys_shown_test.cpp.
    struct Case {
        int key;
        Move move;
        const char* state;
        const char* facingAfter;
    };
    // clang-format off
    const Case cases[] = {
        // key        move               state after          facing after
        {KEY_K,     Move::highAttack,  states::high,        facings::right},
        {KEY_J,     Move::lowAttack,   states::low,         facings::right},
        {KEY_SPACE, Move::evade,       states::evade,       facings::right},
        {KEY_H,     Move::carnageShot, states::carnageShot, facings::right},
        {KEY_G,     Move::turn,        states::normal,      facings::left},
        {KEY_D,     Move::highKick,    states::highKick,    facings::right},
        {KEY_F,     Move::lowKick,     states::lowKick,     facings::right},
    };
    // clang-format on
    for (const Case& c : cases) {
        SetUp();
        ryke.faceRight();
        ryke.shots = 2.0;
        tickWith({c.key});
        const std::string what = "move " + std::to_string(static_cast<int>(c.move));
        EXPECT_EQ(c.key, keyFor(c.move, facings::right)) << what;
        EXPECT_EQ(c.state, ryke.attackState) << what;
        EXPECT_EQ(c.facingAfter, ryke.facing) << what;
    }
    EXPECT_EQ(-1, keyFor(Move::highAttack, "up"));
}

TEST_F(Keys, TheFirstRowWins)
{
    ryke.faceRight();
    tickWith({KEY_J, KEY_K, KEY_D});
    EXPECT_EQ(states::high, ryke.attackState);

    // Without a shot in hand the carnage key counts as not pressed: the scan goes on past it.
    ryke.returnNormal();
    holding = true;
    tickWith({KEY_H});
    EXPECT_FALSE(holding) << "no move taken: the latch clears";
    EXPECT_EQ(states::normal, ryke.attackState);
    tickWith({KEY_H, KEY_G});
    EXPECT_EQ(facings::left, ryke.facing);
    tickWith({});
    ryke.shots = 1.0;
    tickWith({KEY_G, KEY_H}); // facing left, G is the carnage shot
    EXPECT_EQ(states::carnageShot, ryke.attackState);
    EXPECT_DOUBLE_EQ(0.0, ryke.shots);
    EXPECT_EQ(facings::left, ryke.facing);
}

} // namespace

// The player's keys: the keys page moves a key (the facing rule kept), refuses a key in use with
// why, puts the defaults back; a moved key plays in a bout and the old one does nothing; no pad
// is no matter.

#include <allegro.h>

#include "coach/coach.h"
#include "controls/bindings.h"
#include "controls/pad.h"
#include "fighters/player.h"
#include "names/names.h"
#include "screen/keycaps.h"
#include "shell/keyspage/keys_page.h"
#include "support/headless.h"

namespace {

class Rebinding : public Stage {
protected:
    void SetUp() override
    {
        Stage::SetUp();
        restoreDefaultKeys();
    }
    void TearDown() override
    {
        restoreDefaultKeys();
        Stage::TearDown();
    }
    // Presses each key on the page in turn.
    void take(KeysPage& page, std::initializer_list<int> keys)
    {
        for (int k : keys)
            changed = keysPageTake(page, k) || changed;
    }
    bool changed = false;
    // One logic tick with exactly this key down, the hero ready and facing as asked.
    std::string actOn(int keyCode, bool facingRight)
    {
        ryke.returnNormal();
        facingRight ? ryke.faceRight() : ryke.faceLeft();
        releaseAll();
        input();
        press(keyCode);
        input();
        return ryke.attackState;
    }
};

TEST_F(Rebinding, TheHighKeyOnTheRightMovesToLAndStaysOnTheRightInBothFacings)
{
    KeysPage page;
    // Down five rows to right_high (K), ENTER, then L.
    take(page, {KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_ENTER});
    EXPECT_TRUE(page.waiting);
    take(page, {KEY_L});
    EXPECT_TRUE(changed);
    EXPECT_FALSE(page.waiting);
    EXPECT_EQ(KEY_L, keyFor(Move::highAttack, facings::right));
    EXPECT_EQ(KEY_L, keyFor(Move::highKick, facings::left));
    EXPECT_EQ(KEY_D, keyFor(Move::highAttack, facings::left));
    EXPECT_EQ(states::high, actOn(KEY_L, true));
    EXPECT_EQ(states::highKick, actOn(KEY_L, false));
    EXPECT_EQ(states::normal, actOn(KEY_K, true)) << "the old key does nothing";
    EXPECT_EQ(states::normal, actOn(KEY_K, false));
    EXPECT_EQ("L", keyLabel(boundKeys[5]));
}

TEST_F(Rebinding, AKeyInUseIsRefusedWithWhyAndTheDefaultsComeBack)
{
    KeysPage page;
    take(page, {KEY_ENTER, KEY_J});
    EXPECT_FALSE(changed);
    EXPECT_TRUE(page.waiting) << "another key may be tried";
    EXPECT_NE(std::string::npos, page.note.find("J is the low attack facing right")) << page.note;
    take(page, {KEY_P});
    EXPECT_NE(std::string::npos, page.note.find("pauses")) << page.note;
    take(page, {KEY_F11});
    EXPECT_NE(std::string::npos, page.note.find("fullscreen")) << page.note;
    take(page, {KEY_C});
    EXPECT_NE(std::string::npos, page.note.find("C switches the coach")) << page.note;
    take(page, {KEY_ESC});
    EXPECT_FALSE(page.waiting);
    EXPECT_TRUE(page.open) << "ESC while waiting keeps the key and the page";
    EXPECT_EQ(KEY_D, boundKeys[0]);
    take(page, {KEY_ENTER, KEY_D});
    EXPECT_TRUE(changed) << "its own key again is no clash";
    take(page, {KEY_ENTER, KEY_Q});
    EXPECT_EQ(KEY_Q, keyFor(Move::highAttack, facings::left));
    // Up from the top wraps to "back"; one more up is "defaults".
    take(page, {KEY_UP, KEY_UP, KEY_ENTER});
    EXPECT_EQ(defaultsRow, page.row);
    EXPECT_EQ(KEY_D, keyFor(Move::highAttack, facings::left));
    take(page, {KEY_DOWN, KEY_ENTER});
    EXPECT_FALSE(page.open);
}

TEST_F(Rebinding, TheKeysChartAndTheCoachShowTheKeysAsBound)
{
    KeysPage page;
    // left_low (F) to the open brace, evade (SPACE) to the pad's 5.
    take(page, {KEY_DOWN, KEY_ENTER, KEY_OPENBRACE, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_DOWN, KEY_ENTER, KEY_5_PAD});
    const std::vector<KeysRow> rows = keysRows();
    // Rows: high, low, evade, shot, turn, kick high, kick low; each with its key facing left, then right.
    EXPECT_EQ("[", rows[1].facingLeft);
    EXPECT_EQ("J", rows[1].facingRight);
    EXPECT_EQ("PAD5", rows[2].facingLeft);
    EXPECT_EQ("PAD5", rows[2].facingRight);
    EXPECT_EQ("[", rows[6].facingRight);
    EXPECT_EQ("K", rows[0].facingRight);
    Coach coach;
    Scene s;
    s.facing = facings::left;
    s.heroState = s.frontState = s.behindState = states::normal;
    s.frontKind = kinds::sword;
    s.frontLeft = s.behindLeft = 10;
    s.now = 100;
    coach.watch(s);
    s.frontState = states::low;
    s.now = 110;
    coach.watch(s);
    EXPECT_EQ(std::vector<std::string>{"[: parry low"}, coach.lines(s));
}

TEST_F(Rebinding, WithoutAPadNothingIsHeldAndTheKeysAloneAct)
{
    for (Move m : {Move::highAttack, Move::lowAttack, Move::evade, Move::carnageShot, Move::turn, Move::highKick,
                   Move::lowKick})
        EXPECT_FALSE(padHolds(m, true) || padHolds(m, false));
    EXPECT_FALSE(padStartDown());
    EXPECT_EQ(states::low, actOn(KEY_J, true));
}

} // namespace

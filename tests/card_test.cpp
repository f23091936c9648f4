// The card after a bout: the blow that killed in words, the time lived through at any speed,
// and the counts noted where each thing happens in a real bout.

#include <allegro.h>

#include <sstream>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/parry.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/timer.h"
#include "support/headless.h"
#include "tally/card.h"

namespace {

TEST(Card, SaysTheBlowThatKilledAndTheTimeAPlayerLivedThrough)
{
    EXPECT_EQ("a gunman's low shot, from behind", blowWords({kinds::gun, states::low, true}));
    EXPECT_EQ("a swordsman's high blow, from the front", blowWords({kinds::sword, states::high, false}));
    EXPECT_EQ("0:00", survived(0, 100));
    EXPECT_EQ("1:05", survived(6500, 100));
    // At half speed the clock counts 50 hundredths a second.
    EXPECT_EQ("1:05", survived(3250, 50));
    EXPECT_EQ("0:09", survived(599, 60));
    EXPECT_EQ("0:10", survived(1000, 100));
    BoutTally t;
    t.startedAt = 100;
    t.diedAt = 4100;
    t.clashes = 3;
    t.stuns = 2;
    t.shotsEarned = 2;
    t.shotsFired = 1;
    t.killingBlow = {kinds::gun, states::low, true};
    const std::vector<std::string> card = {"Killed by a gunman's low shot,", "from behind", "Kills: 12",
                                           "Time survived: 0:40", "Clashes won: 3", "Kicks that stunned: 2",
                                           "Carnage shots fired: 1 of 2", "Best at 100%: 14"};
    EXPECT_EQ(card, cardLines(t, 12, 100, 14));
    EXPECT_EQ("New best at 100%!", cardLines(t, 15, 100, 14).back());
    EXPECT_EQ("Best at 100%: 15", cardLines(t, 15, 100, 15).back());
    EXPECT_EQ("Best at 50%: none yet", cardLines(t, 0, 50, 0).back());
}

BoutRun play(const std::string& text)
{
    std::istringstream in(text);
    BoutScript script;
    std::string error;
    EXPECT_TRUE(readScript(in, script, error)) << error;
    RunOptions options;
    options.draw = false;
    return runBout(script, options);
}

class Tally : public Stage {};

TEST_F(Tally, TheKillingBlowIsTheOneThatLandedLast)
{
    // Standing idle facing left (the traces show each blow): the swordsman in front kills him
    // with a low blow at hundredth 1034, a hundredth before the gunman behind would have.
    play("frames every 20\nuntil 1200\n");
    EXPECT_EQ(1034, tally.diedAt);
    EXPECT_EQ(kinds::sword, tally.killingBlow.kind);
    EXPECT_EQ(states::low, tally.killingBlow.height);
    EXPECT_FALSE(tally.killingBlow.fromBehind);
    // Turned to face right at once, the gunman is in front and the swordsman behind.
    play("frames every 20\ntap 4 H 4\nuntil 1500\n");
    EXPECT_EQ(kinds::gun, tally.killingBlow.kind);
    EXPECT_FALSE(tally.killingBlow.fromBehind);
}

TEST_F(Tally, ClashesStunsAndShotsAreCountedWhereTheyHappen)
{
    startTally(0);
    // Blades out at one height: the clash.
    ryke.setAttackState(states::high);
    ryke.attackPhase = 2;
    currentEnemy->setAttackState(states::high);
    currentEnemy->attackPhase = 2;
    checkForParry(states::high);
    EXPECT_EQ(1, tally.clashes);
    // A kick stuns the enemy behind; one already stunned is not stunned again.
    currentEnemyRight->setAttackState(states::normal);
    currentEnemyRight->stun(states::high);
    currentEnemyRight->stun(states::high);
    EXPECT_EQ(1, tally.stuns);
    // Ten carnage earn a shot; the carnage key fires it.
    ryke.returnNormal();
    currentEnemy->returnNormal();
    ryke.raiseCarnage(9);
    EXPECT_EQ(0, tally.shotsEarned);
    ryke.raiseCarnage(1);
    EXPECT_EQ(1, tally.shotsEarned);
    press(KEY_G);
    input();
    EXPECT_EQ(states::carnageShot, ryke.getAttackState());
    EXPECT_EQ(1, tally.shotsFired);
    EXPECT_EQ(-1, tally.diedAt);
}

} // namespace

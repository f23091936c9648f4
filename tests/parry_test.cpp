// Blades that meet in mid-swing: when they clash. Who is slowed and who strikes back is pinned by
// the replays: the long fight's 32 clashes, and the probing replay's at both heights.

#include "encounter/lines.h"
#include "fighters/parry.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class Parry : public Stage {
protected:
    // A fresh sword fighter engaged on the right, attacking high since 1000 (phase 2 from 1040).
    enemy& swordAttackingHigh()
    {
        setNow(1000);
        enemies_R[0] = standardSword();
        ryke.faceRight();
        enemy& foe = enemies_R[0];
        foe.highAttack();
        return foe;
    }
    int clashes() const
    {
        int n = 0;
        for (const SoundCall& c : cues)
            n += c.sample == swordClashFX && c.volume == 200 && c.pan == 127;
        return n;
    }
};

TEST_F(Parry, NothingHappensUnlessBothBladesAreOutAtTheSameHeight)
{
    struct Case {
        const char* playerState;
        int playerPhase;
        const char* enemyState;
        int enemyPhase;
        const char* attack;
        bool clash;
    };
    // clang-format off
    const Case cases[] = {
        //  player        ph  enemy   ph  called  clash
        {states::high,          2,  states::low,  2,  states::high, false},
        {states::high,          2,  states::high, 2,  states::high, true},
        {states::highParry,     2,  states::high, 3,  states::high, true},
        {states::lowParry,      2,  states::high, 2,  states::high, true},  // a parry's own height is not compared
        {states::high,          1,  states::high, 2,  states::high, false},
        {states::high,          3,  states::high, 2,  states::high, false},
        {states::high,          2,  states::high, 1,  states::high, false},
        {states::low,           2,  states::low,  2,  states::high, false},
        {states::evade,         2,  states::high, 2,  states::high, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        enemy& foe = swordAttackingHigh();
        foe.attackState = c.enemyState;
        foe.attackPhase = c.enemyPhase;
        ryke.attackState = c.playerState;
        ryke.attackPhase = c.playerPhase;
        clearLogs();
        checkForParry(c.attack);
        EXPECT_EQ(c.clash ? 1 : 0, clashes()) << c.playerState << " vs " << c.enemyState;
        EXPECT_EQ(c.clash, ryke.attackState == states::normal) << c.playerState << " vs " << c.enemyState;
        if (!c.clash) {
            EXPECT_EQ(c.enemyPhase, foe.attackPhase);
        }
    }
}

} // namespace

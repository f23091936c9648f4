// When each window of each move ends, what a blow costs, and the gunmen's cues: the numbers a
// player feels, written out here by hand.

#include <allegro.h>

#include <string>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class Timings : public Stage {
protected:
    static constexpr int kThen = 1000;

    // e hundredths into a move begun at kThen: the fighter's phase while the move runs, else
    // the state it has gone on to. The hero faces right; an enemy is the right line's, the hero
    // evading out of its reach.
    std::string at(const char* who, const char* state, int e)
    {
        SetUp();
        ryke.faceRight();
        setNow(kThen);
        character* fighter = &ryke;
        void (*timeline)() = animate_ryke;
        if (who == std::string("hero")) {
            ryke.setAttackState(state);
        } else {
            enemies_R[0] = who == std::string("sword") ? enemy(standardSword()) : enemy(standardGun());
            enemies_R[0].setAttackState(state);
            ryke.setAttackState("evade");
            fighter = &enemies_R[0];
            timeline = who == std::string("sword") ? animate_sword_R : animate_gun_R;
        }
        setNow(kThen + e);
        timeline();
        return fighter->attackState == state ? std::to_string(fighter->attackPhase) : fighter->attackState;
    }
};

TEST_F(Timings, EachWindowOfEachMoveEndsOnItsHundredth)
{
    struct Moment {
        const char* who;
        const char* state;
        int e;
        const char* expected;
    };
    // clang-format off
    const Moment moments[] = {
        {"hero",  "high",      29, "1"}, {"hero",  "high",      30, "2"}, {"hero",  "high",      39, "2"},
        {"hero",  "high",      40, "3"}, {"hero",  "high",      44, "3"}, {"hero",  "high",      45, "normal"},
        {"hero",  "low",       29, "1"}, {"hero",  "low",       40, "3"}, {"hero",  "low",       45, "normal"},
        {"hero",  "highParry",  6, "1"}, {"hero",  "highParry",  7, "2"}, {"hero",  "highParry", 39, "2"},
        {"hero",  "highParry", 40, "normal"}, {"hero", "lowParry", 6, "1"}, {"hero", "lowParry",  7, "2"},
        {"hero",  "evade",     29, "0"}, {"hero",  "evade",     30, "normal"},
        {"sword", "high",      39, "1"}, {"sword", "high",      40, "2"}, {"sword", "high",      49, "2"},
        {"sword", "high",      50, "3"}, {"sword", "high",      54, "3"}, {"sword", "high",      55, "normal"},
        {"sword", "low",       39, "1"}, {"sword", "low",       50, "3"}, {"sword", "low",       55, "normal"},
        {"sword", "evade",     29, "0"}, {"sword", "evade",     30, "normal"},
        {"sword", "moving",    24, "0"}, {"sword", "moving",    25, "high"},
        {"sword", "dead",      29, "0"}, {"sword", "dead",      30, "gone"},
        {"gun",   "high",      54, "1"}, {"gun",   "high",      55, "2"}, {"gun",   "high",      64, "2"},
        {"gun",   "high",      65, "3"}, {"gun",   "high",      69, "3"}, {"gun",   "high",      70, "normal"},
        {"gun",   "low",       54, "1"}, {"gun",   "low",       65, "3"}, {"gun",   "low",       70, "normal"},
        {"gun",   "moving",    24, "0"}, {"gun",   "moving",    25, "low"},
        {"gun",   "dead",      29, "0"}, {"gun",   "dead",      30, "gone"},
    };
    // clang-format on
    for (const Moment& m : moments)
        EXPECT_EQ(m.expected, at(m.who, m.state, m.e)) << m.who << " " << m.state << " at e = " << m.e;
}

TEST_F(Timings, TheHerosKickReachesTheEnemyBehindFromTwentyToThirty)
{
    for (const int e : {19, 20, 29, 30}) {
        SetUp();
        ryke.faceRight();
        setNow(kThen);
        currentEnemyLeft->setAttackState("normal");
        ryke.setAttackState("lowKick");
        setNow(kThen + e);
        animate_ryke();
        EXPECT_EQ(e == 20 || e == 29 ? "stunned" : "normal", currentEnemyLeft->attackState) << "e = " << e;
    }
}

TEST_F(Timings, EachKindStrikesForItsOwnDamage)
{
    struct Blow {
        const char* who;
        const char* height;
        int lifeAfter;
    };
    const Blow blows[] = {{"sword", "high", 85}, {"sword", "low", 80}, {"gun", "high", 82}, {"gun", "low", 85}};
    for (const Blow& b : blows) {
        SetUp();
        ryke.faceRight();
        setNow(kThen);
        enemies_R[0] = b.who == std::string("sword") ? enemy(standardSword()) : enemy(standardGun());
        enemies_R[0].setAttackState(b.height);
        enemies_R[0].attackPhase = 2;
        setNow(kThen + (b.who == std::string("sword") ? 52 : 67)); // inside the strike
        (b.who == std::string("sword") ? animate_sword_R : animate_gun_R)();
        EXPECT_EQ(b.lifeAfter, ryke.life) << b.who << " " << b.height;
    }
}

using GunCues = Stage;

TEST_F(GunCues, EachSideAndHeightHasItsOwnVolumeAndPan)
{
    struct Case {
        bool right;
        const char* height;
        int e;
        SAMPLE** sample;
        int volume, pan;
    };
    // clang-format off
    const Case cases[] = {
        {true,  "high",  0, &gunCockFX,   150, 200}, {true,  "high", 60, &gunShot_2FX, 100, 200},
        {true,  "low",   0, &gunCockFX,   150, 127}, {true,  "low",  60, &gunShotFX,   100, 127},
        {false, "high",  0, &gunCockFX,   100, 127}, {false, "high", 60, &gunShotFX,   100, 127},
        {false, "low",   0, &gunCockFX,   100, 50},  {false, "low",  60, &gunShotFX,   100, 50},
    };
    // clang-format on
    for (const Case& c : cases) {
        SetUp();
        ryke.setAttackState("evade");
        setNow(1000);
        enemy& gunman = (c.right ? enemies_R : enemies_L)[0];
        gunman = standardGun();
        gunman.setAttackState(c.height);
        setNow(1000 + c.e);
        clearLogs();
        (c.right ? animate_gun_R : animate_gun_L)();
        const std::string what = std::string(c.right ? "right " : "left ") + c.height + " at e = " + std::to_string(c.e);
        ASSERT_EQ(1u, cues.size()) << what;
        EXPECT_EQ(*c.sample, cues[0].sample) << what;
        EXPECT_EQ(c.volume, cues[0].volume) << what;
        EXPECT_EQ(c.pan, cues[0].pan) << what;
        EXPECT_EQ(1000, cues[0].frequency) << what;
        EXPECT_EQ(0, cues[0].loop) << what;
    }
}

} // namespace

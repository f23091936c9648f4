// A frame that comes late, after windows no frame fell in: their blows, stuns, kills, sounds
// and advances still happen, once each and in their order (the soak plays its bouts with frames
// 10 to 150 ms apart, and the check it makes of every frame is itself checked here).

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "shell/assets.h"
#include "support/headless.h"

namespace {

class CatchUp : public Stage {
protected:
    int played(const SAMPLE* sample) const
    {
        int n = 0;
        for (const SoundCall& c : cues)
            n += c.sample == sample;
        return n;
    }
};

TEST_F(CatchUp, AnEnemyStrikeBetweenTwoFramesLandsAtTheLaterOne)
{
    struct Row {
        bool right;
        bool gun;
        const char* height;
        int lateFrame; // after the strike's window has ended
        int lifeAfter;
    };
    // clang-format off
    //                   right  gun    height        late  life
    const Row rows[] = { {true,  false, states::high, 1070, 85},
                         {true,  true,  states::high, 1085, 82},
                         {false, false, states::low,  1060, 80},
                         {false, true,  states::low,  1090, 85} };
    // clang-format on
    for (const Row& r : rows) {
        SetUp();
        setNow(1000);
        enemy& foe = r.right ? enemies_R[0] : enemies_L[0];
        foe = r.gun ? static_cast<enemy>(standardGun()) : static_cast<enemy>(standardSword());
        r.height == states::high ? foe.highAttack() : foe.lowAttack();
        auto frame = [&](int at) {
            setNow(at);
            clearLogs();
            r.right ? animate_enemy_R() : animate_enemy_L();
        };
        frame(1030);
        EXPECT_EQ(1, foe.attackPhase);
        frame(r.lateFrame);
        EXPECT_EQ(r.lifeAfter, ryke.life) << r.right << r.gun << r.height;
        EXPECT_EQ(states::damaged, ryke.attackState);
        EXPECT_EQ(1, played(gruntFX));
        EXPECT_EQ(states::normal, foe.attackState) << "the move still ends in the same frame";
        if (r.gun) {
            EXPECT_EQ(1, played(r.right ? gunShot_2FX : gunShotFX)) << "fired with the blade out, once";
            EXPECT_EQ(0, played(gunCockFX)) << "cocked in the earlier frame, not again";
        }
    }
}

TEST_F(CatchUp, TheHerosBlowsKicksAndShotsBetweenTwoFramesReachTheirEnemies)
{
    struct Row {
        const char* move;
        int lateFrame;
        enemy* target; // the enemy the move must reach
        const char* targetAfter;
    };
    // Facing right: blows and shots reach the right line, kicks the left one.
    // clang-format off
    //                   move                 late  target        after
    const Row rows[] = { {states::high,        1050, &enemies_R[0], states::dead},
                         {states::low,         1050, &enemies_R[0], states::dead},
                         {states::highKick,    1035, &enemies_L[0], states::stunned},
                         {states::lowKick,     1035, &enemies_L[0], states::stunned},
                         {states::carnageShot, 1065, &enemies_R[0], states::dead} };
    // clang-format on
    for (const Row& r : rows) {
        SetUp();
        ryke.faceRight();
        // Stunned, an enemy dies at any blow; it does not dodge.
        enemies_R[0].stun(states::high);
        ryke.life = 50;
        setNow(1000);
        ryke.setAttackState(r.move);
        setNow(1010);
        animate_ryke();
        setNow(r.lateFrame);
        clearLogs();
        animate_ryke();
        EXPECT_EQ(r.targetAfter, r.target->attackState) << r.move;
        EXPECT_EQ(states::normal, ryke.attackState) << r.move;
        const bool shot = r.move == states::carnageShot;
        EXPECT_EQ(shot ? 1 : 0, played(carnageShotFX)) << r.move;
        EXPECT_EQ(shot ? 65 : 50, ryke.life) << "a shot's life bonus comes after its blast";
    }
}

// The frame check itself: a blow taken back after its frame is reported as lost.
TEST(IdleBout, AStrikeUndoneIsReportedLost)
{
    BoutScript bout;
    bout.intervals = {40};
    bout.until = 3000;
    RunOptions options;
    options.draw = false;
    options.trace = false;
    options.afterFrame = [](int) {
        if (ryke.life < fullLife) {
            ryke.life = fullLife;
            ryke.returnNormal();
        }
    };
    const BoutRun run = runBout(bout, options);
    ASSERT_FALSE(run.faults.empty());
    EXPECT_NE(std::string::npos, run.faults.front().find("strike due at hundredth")) << run.faults.front();
    EXPECT_NE(std::string::npos, run.faults.front().find("was lost")) << run.faults.front();
}

} // namespace

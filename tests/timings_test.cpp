// When each window of each move ends: the numbers a player feels, written out here by hand. What
// each blow costs is in catchup_test.cpp; the gunmen's cues, each side and height with its own
// volume and pan, are pinned by the replays' traces.

#include <string>

#include "choreography/choreography.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
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
            ryke.setAttackState(states::evade);
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
        {"hero",  states::high,      29, "1"}, {"hero",  states::high,      30, "2"}, {"hero",  states::high,      39, "2"},
        {"hero",  states::high,      40, "3"}, {"hero",  states::high,      44, "3"}, {"hero",  states::high,      45, states::normal},
        {"hero",  states::low,       29, "1"}, {"hero",  states::low,       40, "3"}, {"hero",  states::low,       45, states::normal},
        {"hero",  states::highParry,  6, "1"}, {"hero",  states::highParry,  7, "2"}, {"hero",  states::highParry, 39, "2"},
        {"hero",  states::highParry, 40, states::normal}, {"hero", states::lowParry, 6, "1"}, {"hero", states::lowParry,  7, "2"},
        {"hero",  states::evade,     29, "0"}, {"hero",  states::evade,     30, states::normal},
        {"sword", states::high,      39, "1"}, {"sword", states::high,      40, "2"}, {"sword", states::high,      49, "2"},
        {"sword", states::high,      50, "3"}, {"sword", states::high,      54, "3"}, {"sword", states::high,      55, states::normal},
        {"sword", states::low,       39, "1"}, {"sword", states::low,       50, "3"}, {"sword", states::low,       55, states::normal},
        {"sword", states::evade,     29, "0"}, {"sword", states::evade,     30, states::normal},
        {"sword", states::moving,    24, "0"}, {"sword", states::moving,    25, states::high},
        {"sword", states::dead,      29, "0"}, {"sword", states::dead,      30, states::gone},
        {"gun",   states::high,      54, "1"}, {"gun",   states::high,      55, "2"}, {"gun",   states::high,      64, "2"},
        {"gun",   states::high,      65, "3"}, {"gun",   states::high,      69, "3"}, {"gun",   states::high,      70, states::normal},
        {"gun",   states::low,       54, "1"}, {"gun",   states::low,       65, "3"}, {"gun",   states::low,       70, states::normal},
        {"gun",   states::moving,    24, "0"}, {"gun",   states::moving,    25, states::low},
        {"gun",   states::dead,      29, "0"}, {"gun",   states::dead,      30, states::gone},
    };
    // clang-format on
    for (const Moment& m : moments)
        EXPECT_EQ(m.expected, at(m.who, m.state, m.e)) << m.who << " " << m.state << " at e = " << m.e;
}

} // namespace

// The coach: each hint at its moment, in the keys of the hero's facing, gone once done or after
// its time; whether it watches, by the player's choice; and a bout it watches plays as without it.

#include <allegro.h>

#include <sstream>
#include <vector>

#include "coach/coach.h"
#include "names/names.h"
#include "settings/coach_choice.h"
#include "support/headless.h"

namespace {

struct HintCase {
    const char* what;
    void (*moment)(Scene&);
    const char* facingLeft;
    const char* facingRight;
    void (*doIt)(Scene&);
};

// clang-format off
//   the moment                           what shows facing left / facing right                                       done by
const HintCase hintCases[] = {
    {"a swordsman winds up high", [](Scene& s) { s.frontState = states::high; },  "D: parry high", "K: parry high",     [](Scene& s) { s.heroState = states::highParry; }},
    {"a swordsman winds up low",  [](Scene& s) { s.frontState = states::low; },   "F: parry low",  "J: parry low",      [](Scene& s) { s.heroState = states::lowParry; }},
    {"a gunman takes aim",        [](Scene& s) { s.frontKind = kinds::gun; s.frontState = states::low; },
                                  "D: strike the gunman before he fires", "K: strike the gunman before he fires",     [](Scene& s) { s.heroState = states::high; }},
    {"the one behind winds up high", [](Scene& s) { s.behindState = states::high; }, "K: kick behind high", "D: kick behind high", [](Scene& s) { s.heroState = states::highKick; }},
    {"the one behind winds up low",  [](Scene& s) { s.behindState = states::low; },  "J: kick behind low",  "F: kick behind low",  [](Scene& s) { s.heroState = states::lowKick; }},
    {"a shot is ready",           [](Scene& s) { s.shots = 1.0; },                "G: carnage shot ready", "H: carnage shot ready", [](Scene& s) { s.heroState = states::carnageShot; }},
    {"the line in front is empty", [](Scene& s) { s.frontLeft = 0; },             "H: turn around, this line is empty", "G: turn around, this line is empty",
                                                                                  [](Scene& s) { s.facing = s.facing == facings::left ? facings::right : facings::left; }},
};
// clang-format on

Scene quiet(const char* facing, int now)
{
    Scene s;
    s.now = now;
    s.facing = facing;
    s.heroState = states::normal;
    s.frontKind = kinds::sword;
    s.frontState = s.behindState = states::normal;
    s.frontLeft = s.behindLeft = 50;
    return s;
}

TEST(Coach, EachHintShowsAtItsMomentInTheKeysOfTheFacingAndIsLearnedOnceDone)
{
    for (const HintCase& c : hintCases)
        for (const char* facing : {facings::left, facings::right}) {
            SCOPED_TRACE(std::string(c.what) + ", facing " + facing);
            Coach coach;
            Scene s = quiet(facing, 100);
            coach.watch(s);
            EXPECT_TRUE(coach.lines(s).empty()) << "nothing shows before the moment";
            c.moment(s);
            s.now = 110;
            coach.watch(s);
            EXPECT_EQ(std::vector<std::string>{facing == facings::left ? c.facingLeft : c.facingRight}, coach.lines(s));
            c.doIt(s);
            s.now = 120;
            coach.watch(s);
            EXPECT_TRUE(coach.lines(s).empty()) << "done once, the hint goes";
            // The moment comes again: learned, it does not show.
            Scene again = quiet(s.facing.c_str(), 200);
            coach.watch(again);
            c.moment(again);
            again.now = 210;
            coach.watch(again);
            EXPECT_TRUE(coach.lines(again).empty());
        }
}

TEST(Coach, AHintNotActedOnGoesAfterItsTimeAndShowsAgainAtItsNextMoment)
{
    Coach coach;
    Scene s = quiet(facings::left, 0);
    s.frontState = states::high;
    coach.watch(s);
    s.now = 299;
    coach.watch(s);
    EXPECT_EQ(1u, coach.lines(s).size()) << "still up just before its time";
    s.now = 300;
    coach.watch(s);
    EXPECT_TRUE(coach.lines(s).empty());
    s.frontState = states::normal;
    s.now = 400;
    coach.watch(s);
    s.frontState = states::high;
    s.now = 500;
    coach.watch(s);
    EXPECT_EQ(std::vector<std::string>{"D: parry high"}, coach.lines(s));
    // Evading is not what it asked for.
    s.heroState = states::evade;
    s.now = 510;
    coach.watch(s);
    EXPECT_EQ(1u, coach.lines(s).size());
}

TEST(CoachChoice, ANewPlayerHasTheCoachForHisFirstBoutsAndTheSwitchWins)
{
    CoachChoice c;
    for (int bouts = 0; bouts < 5; ++bouts, ++c.bouts)
        EXPECT_TRUE(coachWatches(c)) << bouts << " bouts";
    EXPECT_FALSE(coachWatches(c)) << "after five bouts";
    EXPECT_TRUE(coachWatches(switched(c)));
    EXPECT_FALSE(coachWatches(switched(switched(c))));
    EXPECT_FALSE(coachWatches(switched(CoachChoice{})));
    c.mode = CoachChoice::Mode::on;
    c.bouts = 400;
    EXPECT_TRUE(coachWatches(c));
}

// The trace of a bout without what is drawn: the fighters, the counts and the sounds.
std::vector<std::string> playedOnly(const std::vector<std::string>& trace)
{
    std::vector<std::string> kept;
    for (const std::string& line : trace)
        kept.push_back(line.substr(0, line.find(" draw=")) + line.substr(line.find(" cue="), line.find(" text=") - line.find(" cue=")));
    return kept;
}

class CoachInABout : public Stage {};

TEST_F(CoachInABout, HintsAreDrawnInLargeLettersAndTheBoutPlaysAsWithoutThem)
{
    const std::string bout = "seed 4\nframes every 20\ntap 150 D 5\ntap 260 F 5\ntap 330 K 5\nuntil 1500\n";
    BoutScript off, on;
    std::string error;
    std::istringstream offText(bout), onText("coach on\n" + bout);
    ASSERT_TRUE(readScript(offText, off, error)) << error;
    ASSERT_TRUE(readScript(onText, on, error)) << error;
    RunOptions options;
    options.draw = false;
    std::vector<std::string> hintsSeen;
    Scene firstScene;
    options.afterFrame = [&hintsSeen, &firstScene](int) {
        if (firstScene.facing.empty())
            firstScene = sceneNow(0);
        for (const TextCall& t : textCalls) {
            if (t.text.rfind("Kill Count: ", 0) == 0)
                continue;
            EXPECT_EQ(16, t.height) << t.text;
            if (hintsSeen.empty() || hintsSeen.back() != t.text)
                hintsSeen.push_back(t.text);
        }
    };
    const BoutRun coached = runBout(on, options);
    // At the first frame the hero faces left: the left line's swordsman in front, the gunman behind.
    EXPECT_EQ(facings::left, firstScene.facing);
    EXPECT_EQ(kinds::sword, firstScene.frontKind) << "the coach sees the line behind him as the one in front";
    EXPECT_FALSE(hintsSeen.empty()) << "the coach said nothing in fifteen seconds";
    hintsSeen.clear();
    const BoutRun plain = runBout(off, options);
    EXPECT_TRUE(hintsSeen.empty()) << hintsSeen.front();
    EXPECT_EQ(playedOnly(plain.trace), playedOnly(coached.trace));
}

} // namespace

#include "coach/coach.h"

#include "controls/bindings.h"
#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"

bool coachOn = false;
Coach coach;

namespace {

bool attacking(const std::string& state) { return state == states::high || state == states::low; }

bool swordWindsUp(const Scene& s, const char* height) { return s.frontKind == kinds::sword && s.frontState == height; }
bool parryHighMoment(const Scene& s) { return swordWindsUp(s, states::high); }
bool parryLowMoment(const Scene& s) { return swordWindsUp(s, states::low); }
bool gunAimsMoment(const Scene& s) { return s.frontKind == kinds::gun && attacking(s.frontState); }
bool kickMoment(const Scene& s) { return attacking(s.behindState); }
bool shotMoment(const Scene& s) { return s.shots >= 1.0; }
bool turnMoment(const Scene& s) { return s.frontLeft == 0 && s.behindLeft > 0; }

bool parriedHigh(const Scene& s, const std::string&) { return s.heroState == states::highParry; }
bool parriedLow(const Scene& s, const std::string&) { return s.heroState == states::lowParry; }
bool answeredGun(const Scene& s, const std::string&)
{
    return s.heroState == states::highParry || s.heroState == states::lowParry || attacking(s.heroState);
}
bool kicked(const Scene& s, const std::string&) { return s.heroState == states::highKick || s.heroState == states::lowKick; }
bool fired(const Scene& s, const std::string&) { return s.heroState == states::carnageShot; }
bool turned(const Scene& s, const std::string& facingBefore) { return s.facing != facingBefore; }

std::string keyOf(Move move, const Scene& s) { return keyCap(keyFor(move, s.facing)); }

std::string parryHighText(const Scene& s) { return keyOf(Move::highAttack, s) + ": parry high"; }
std::string parryLowText(const Scene& s) { return keyOf(Move::lowAttack, s) + ": parry low"; }
// A gunman winding up cannot parry: a blow started at once lands before his shot.
std::string gunText(const Scene& s) { return keyOf(Move::highAttack, s) + ": strike the gunman before he fires"; }
std::string kickText(const Scene& s)
{
    const bool high = s.behindState == states::high;
    return keyOf(high ? Move::highKick : Move::lowKick, s) + ": kick behind " + (high ? states::high : states::low);
}
std::string shotText(const Scene& s) { return keyOf(Move::carnageShot, s) + ": carnage shot ready"; }
std::string turnText(const Scene& s) { return keyOf(Move::turn, s) + ": turn around, this line is empty"; }

struct HintRow {
    Hint hint;
    bool (*moment)(const Scene&);
    bool (*done)(const Scene&, const std::string& facingBefore);
    std::string (*text)(const Scene&);
};

// clang-format off
//                          hint              its moment        done once       words
constexpr HintRow hintRows[] = { {Hint::parryHigh,  parryHighMoment,  parriedHigh,    parryHighText},
                                 {Hint::parryLow,   parryLowMoment,   parriedLow,     parryLowText},
                                 {Hint::gunAims,    gunAimsMoment,    answeredGun,    gunText},
                                 {Hint::kickBehind, kickMoment,       kicked,         kickText},
                                 {Hint::shotReady,  shotMoment,       fired,          shotText},
                                 {Hint::turn,       turnMoment,       turned,         turnText} };
// clang-format on

int indexOf(Hint hint) { return static_cast<int>(hint); }

} // namespace

Scene sceneNow(int now)
{
    const bool left = ryke.facing == facings::left;
    const enemy* front = left ? currentEnemyLeft : currentEnemyRight;
    const enemy* behind = left ? currentEnemyRight : currentEnemyLeft;
    Scene s;
    s.now = now;
    s.facing = ryke.facing;
    s.heroState = ryke.attackState;
    s.frontKind = front->enemyType;
    s.frontState = front->attackState;
    s.behindState = behind->attackState;
    s.shots = ryke.shots;
    s.frontLeft = left ? enemiesLeft_L : enemiesLeft_R;
    s.behindLeft = left ? enemiesLeft_R : enemiesLeft_L;
    return s;
}

void Coach::watch(const Scene& scene)
{
    for (const HintRow& row : hintRows) {
        const int i = indexOf(row.hint);
        const bool moment = row.moment(scene);
        if (shownAt[i] >= 0 && row.done(scene, facingBefore)) {
            learned[i] = true;
            shownAt[i] = -1;
        }
        if (shownAt[i] >= 0 && scene.now >= shownAt[i] + hintShows)
            shownAt[i] = -1;
        if (moment && !momentBefore[i] && !learned[i])
            shownAt[i] = scene.now;
        momentBefore[i] = moment;
    }
    facingBefore = scene.facing;
}

std::vector<std::string> Coach::lines(const Scene& scene) const
{
    std::vector<std::string> up;
    for (const HintRow& row : hintRows)
        if (shownAt[indexOf(row.hint)] >= 0)
            up.push_back(row.text(scene));
    return up;
}

void coachNewBout()
{
    for (int& at : coach.shownAt)
        at = -1;
    for (bool& moment : coach.momentBefore)
        moment = false;
    coach.facingBefore.clear();
}

std::vector<std::string> coachFrame(int now)
{
    if (!coachOn || ryke.attackState == states::dead)
        return {};
    const Scene scene = sceneNow(now);
    coach.watch(scene);
    return coach.lines(scene);
}

#include "bot/policy.h"

#include <string>

#include "choreography/choreography.h"
#include "fighters/enemy.h"
#include "fighters/player.h"
#include "names/names.h"

namespace {

// What a player learns of the timing by watching, in hundredths: from the moment a pose shows
// until the blow lands, by kind. An enemy that walks in opens with a swing of its own, always
// at the same height, timed from the end of its walk-in.
struct Swing {
    Kind kind;
    int fromWindUp, fromBladeOut, fromArrival;
    Height opensAt;
};

// The blow lands as the blade-out window ends; the opening swing starts shifted in time.
Swing watched(Kind kind, const EnemyKind& k)
{
    const AttackTimings& t = k.timings;
    return {kind, t.bladeOutEnds, t.bladeOutEnds - t.windUpEnds, t.bladeOutEnds + k.values.quickAttackShift,
            std::string(k.quickAttackHeight) == states::high ? Height::high : Height::low};
}

const Swing swings[] = {watched(Kind::sword, swordKind), watched(Kind::gun, gunKind)};
constexpr int walkIn = walkInLasts;
constexpr int keyLatency = 4;                                        // a pressed key is read at the next logic tick and frame
constexpr int ownBlowAfter = heroTimings.bladeOutEnds;               // his strike lands this long after the press ...
constexpr int ownParryAfter = parryWindUpEnds(heroTimings.windUpEnds); // ... his parry meets the blade this long after ...
constexpr int ownKickAfter = kickReaches;                            // ... his kick lands this long after ...
constexpr int ownKickEnds = kickWithdraws;                           // ... and stops reaching this long after
constexpr int lowLife = 40;
constexpr int emptyFor = 20; // a line showing nobody this long has nobody left

const Swing* swingOf(const Figure& f)
{
    for (const Swing& s : swings)
        if (s.kind == f.kind)
            return &s;
    return nullptr;
}

bool swinging(const Figure& f) { return f.pose == Pose::windUp || f.pose == Pose::bladeOut; }

// When an enemy walking in stops in reach, as far as a player can tell.
int arrivalAt(const Figure& f) { return f.pose == Pose::walking ? f.since + walkIn : 0; }

// The hundredth the figure's blow will land, as far as a player can tell; 0 if none is coming.
int blowAt(const Figure& f)
{
    const Swing* s = swingOf(f);
    if (!s || (!swinging(f) && f.pose != Pose::walking))
        return 0;
    if (f.pose == Pose::walking)
        return arrivalAt(f) + s->fromArrival;
    if (f.opening())
        return f.walkedIn + 2 + s->fromArrival; // it stopped walking just after it was last seen so
    return f.since + (f.pose == Pose::windUp ? s->fromWindUp : s->fromBladeOut);
}

// The height of the blow coming: the one it swings at, or its opening height as it walks in.
Height heightOf(const Figure& f) { return f.pose == Pose::walking ? swingOf(f)->opensAt : f.height; }

Height otherHeight(Height h) { return h == Height::high ? Height::low : Height::high; }
Action attackAt(Height h) { return h == Height::high ? Action::attackHigh : Action::attackLow; }
Action kickAt(Height h) { return h == Height::high ? Action::kickHigh : Action::kickLow; }

// Faces an enemy that can be fought (not dying, not yet in reach).
bool fighting(const Figure& f)
{
    return f.pose == Pose::ready || swinging(f) || f.pose == Pose::strike || f.pose == Pose::dodge ||
           f.pose == Pose::stunned;
}

// The answer to the enemy in front swinging at us, or about to, blow due at hundredth blow.
Action answerFront(const Figure& front, int blow, int now)
{
    const int ourBlow = now + keyLatency + ownBlowAfter;
    // Strike at the other height if our blade lands first: it is open while it winds up.
    // Not before it is in reach, though: wait for that.
    if (ourBlow < blow)
        return ourBlow >= arrivalAt(front) ? attackAt(otherHeight(heightOf(front))) : Action::none;
    // Otherwise parry at its height once it swings, if our blade can still meet it.
    if (!swinging(front))
        return Action::none;
    if (now + keyLatency + ownParryAfter <= blow)
        return attackAt(front.height);
    // Too late to parry: dodge, if there is still time.
    if (now + keyLatency < blow)
        return Action::evade;
    return Action::none;
}

// The answer to the enemy behind swinging at our back, or about to.
Action answerBack(const Figure& back, int blow, int now)
{
    // Kick it at the height it swings at, which stuns it longest, if the kick lands first;
    // one walking in is kicked as it arrives, not before.
    if (now + keyLatency + ownKickAfter < blow)
        return now + keyLatency + ownKickEnds > arrivalAt(back) ? kickAt(heightOf(back)) : Action::none;
    if (swinging(back) && now + keyLatency < blow)
        return Action::evade;
    return Action::none;
}

} // namespace

Action decide(const View& view, int now)
{
    // Nothing to do once the lines are cleared, or while the hero is busy or down.
    if (view.victory || view.hero.pose != Pose::ready)
        return Action::none;
    const int frontBlow = blowAt(view.front), backBlow = blowAt(view.back);
    const bool lastEnemy = view.back.pose == Pose::none && !view.backOnDeck && !view.frontOnDeck;
    // A carnage shot kills the enemy in front, heals, and no blow lands while it is fired: keep
    // it for when both sides swing at once or life runs low, or to finish the last enemy,
    // whom parrying alone never brings down.
    if (view.pips > 0 && fighting(view.front) &&
        ((frontBlow && backBlow) || (view.life <= lowLife && (frontBlow || backBlow)) || lastEnemy))
        return Action::shot;
    // Answer whichever blow falls first.
    if (frontBlow && (!backBlow || frontBlow <= backBlow))
        return answerFront(view.front, frontBlow, now);
    if (backBlow)
        return answerBack(view.back, backBlow, now);
    // A stunned enemy in front dies to any blow.
    if (view.front.pose == Pose::stunned)
        return Action::attackHigh;
    // A standing gunman always meets a low blow: the clash fills the carnage meter and slows
    // him, and he strikes back only half the time. Not with an enemy standing ready behind,
    // who would catch our back mid-swing.
    if (view.front.kind == Kind::gun && view.front.pose == Pose::ready && view.back.pose != Pose::ready)
        return Action::attackLow;
    // Turn when the line in front has nobody left to fight and the other has.
    if (view.front.pose == Pose::none && !view.frontOnDeck && now - view.front.since > emptyFor &&
        (view.back.pose != Pose::none || view.backOnDeck))
        return Action::turn;
    return Action::none;
}

const char* actionName(Action action)
{
    static const char* const names[] = {"none", "attackHigh", "attackLow", "kickHigh",
                                        "kickLow", states::evade, "shot", "turn"};
    return names[static_cast<int>(action)];
}

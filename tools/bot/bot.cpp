#include "bot/bot.h"

#include <allegro.h>

#include <deque>
#include <random>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "replay/runner.h"
#include "shell/game.h"
#include "shell/quit.h"

namespace {

// The game's move for each of the bot's actions; the game's key map gives the key.
struct MoveOf {
    Action action;
    Move move;
};
const MoveOf movesOf[] = {{Action::attackHigh, Move::highAttack}, {Action::attackLow, Move::lowAttack},
                          {Action::evade, Move::evade},           {Action::shot, Move::carnageShot},
                          {Action::turn, Move::turn},             {Action::kickHigh, Move::highKick},
                          {Action::kickLow, Move::lowKick}};

int keyOf(Action action, Side facing)
{
    for (const MoveOf& m : movesOf)
        if (m.action == action)
            return keyFor(m.move, facing == Side::left ? facings::left : facings::right);
    return -1;
}

Action wrongHeight(Action action)
{
    switch (action) {
    case Action::attackHigh: return Action::attackLow;
    case Action::attackLow: return Action::attackHigh;
    case Action::kickHigh: return Action::kickLow;
    case Action::kickLow: return Action::kickHigh;
    default: return Action::none;
    }
}

// The enemy whose blow just took life from the hero: the one in its strike.
void recordBlow(BoutResult& result, int now, const std::string& heroWas, const int (&arrived)[2])
{
    enemy* const current[2] = {currentEnemyLeft, currentEnemyRight};
    const enemy* const lines[2] = {enemies_L, enemies_R};
    for (int line = 0; line < 2; ++line) {
        enemy& e = *current[line];
        if (e.attackPhase != 3 || (e.attackState != states::high && e.attackState != states::low))
            continue;
        const bool behind = (line == 1) != (ryke.facing == facings::right);
        // An opening swing lands within 90 hundredths of the walk-in, before any other can.
        const bool opening = now - arrived[line] <= 90;
        const bool atFloor = e.attackDelay <= lines[line][lineLength - 1].attackDelay;
        result.blows.push_back({now, line, static_cast<int>(&e - lines[line]), behind, opening, atFloor, e.getEnemyType(),
                                e.attackState, heroWas, ryke.life});
        return;
    }
}

} // namespace

BoutResult playBout(const BotSettings& settings, unsigned seed, const BoutWatch& watch)
{
    BoutResult result;
    drawingEnabled = false;
    freshBout(seed);
    std::mt19937 dice(seed * 2654435761u + 12345u);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Every time the bot keeps is real milliseconds; the game's hundredths are only read off.
    struct Seen {
        int realMs;
        View view;
    };
    std::deque<Seen> seen; // what the eyes have taken in, oldest first
    View last;
    int clockMs = 0, ticksGiven = 0, now = 0;
    int lastPress = -1000000, heldKey = -1, releaseAt = 0;
    int arrived[2] = {-1000, -1000}; // when each line's current enemy last walked in
    while (gameOn && now < settings.limitHundredths) {
        clockMs += settings.frameMs;
        now = advanceClock(static_cast<int>(static_cast<long long>(clockMs) * settings.speedPercent / 100), ticksGiven);
        if (heldKey >= 0 && clockMs >= releaseAt) {
            key[heldKey] = 0;
            heldKey = -1;
        }
        const int lifeBefore = ryke.life;
        const std::string heroWas = ryke.attackState;
        clearRecords();
        framePass();
        if (ryke.life < lifeBefore)
            recordBlow(result, now, heroWas, arrived);
        for (int line = 0; line < 2; ++line) {
            if ((line ? currentEnemyRight : currentEnemyLeft)->attackState == states::moving)
                arrived[line] = now;
            const enemy* current = line ? currentEnemyRight : currentEnemyLeft;
            const enemy& lastOfLine = (line ? enemies_R : enemies_L)[lineLength - 1];
            if (result.floorKills[line] < 0 && current->attackDelay <= lastOfLine.attackDelay)
                result.floorKills[line] = killCount_L + killCount_R;
        }
        last = look(now, last);
        seen.push_back({clockMs, last});
        // The bot acts on the newest frame a reaction time old, and not on one drawn before its
        // last press was let go: it waits to see what the press did.
        while (seen.size() > 1 && seen[1].realMs <= clockMs - settings.reactionMs)
            seen.pop_front();
        const View& eye = seen.front().view;
        Action done = Action::none;
        if (seen.front().realMs <= clockMs - settings.reactionMs && seen.front().realMs > lastPress + settings.tapMs) {
            done = decide(eye, now);
            if (done != Action::none) {
                lastPress = clockMs;
                ++result.presses;
                Action pressed = done;
                if (unit(dice) < settings.slipRate) {
                    ++result.slips;
                    pressed = unit(dice) < 0.5 ? wrongHeight(done) : Action::none;
                }
                if (pressed != Action::none) {
                    heldKey = keyOf(pressed, eye.facing);
                    key[heldKey] = 1;
                    releaseAt = clockMs + settings.tapMs;
                }
            }
        }
        if (watch)
            watch(eye, done);
        if (last.victory && !result.won) {
            result.won = true;
            break;
        }
    }
    if (heldKey >= 0)
        key[heldKey] = 0;
    result.kills = killCount_L + killCount_R;
    result.died = ryke.attackState == states::dead;
    result.endedAt = now;
    drawingEnabled = true;
    return result;
}

#include "replay/runner.h"

#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "choreography/choreography.h"
#include "coach/coach.h"
#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "names/names.h"
#include "pause/pause.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/quit.h"
#include "shell/startup.h"
#include "shell/timer.h"

bool startHeadless(std::string& error)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0) {
        error = "the library did not start";
        return false;
    }
    set_color_depth(32);
    screen = create_bitmap(screenWidth, screenHeight);
    const std::vector<RefusedAsset> refused = loadAssets();
    if (!screen || !refused.empty()) {
        error = "could not load " +
                (refused.empty() ? std::string("the screen") : refused.front().path + ": " + refused.front().reason) +
                " (run from the folder that holds images/ and sound/)";
        return false;
    }
    clearRecords();
    return true;
}

void setNow(int hundredths) { g_hSecCounter.store(hundredths); }

int advanceClock(int clockMs, int& ticksGiven)
{
    setNow(clockMs / 10);
    const int ticksDue = static_cast<int>(static_cast<long long>(clockMs) * 35 / 1000);
    g_counter += ticksDue - ticksGiven;
    ticksGiven = ticksDue;
    return clockMs / 10;
}

void freshBout(unsigned seed)
{
    setNow(0);
    g_counter.store(0);
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    closeRequested.store(false);
    std::srand(seed);
    holding = false;
    // A script may pause with P: the next bout starts unpaused.
    endPause();
    gameOn = 1;
    gameLoop = 1;
    ryke = player();
    clearRecords();
    startBout();
    EnemyPools pools;
    fillLines(pools);
}

namespace {

// FNV-1a over the screen's pixels.
std::uint32_t screenChecksum()
{
    std::uint32_t hash = 2166136261u;
    for (int y = 0; y < screen->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(screen->line[y]);
        for (int x = 0; x < screen->w; ++x)
            hash = (hash ^ row[x]) * 16777619u;
    }
    return hash;
}

// An enemy's attack whose strike had not come by the last frame.
struct Swing {
    const enemy* who;
    std::string state;
    int stateTime;
    int strikeAt; // the hundredth its strike is due
};

// What a player relies on, checked after a frame; each broken promise is one sentence.
struct Watch {
    std::string heroStateBefore;
    std::string heroFacingBefore;
    int heroTimeBefore = 0;
    int heroLifeBefore = 0;
    bool engagedDeadBefore = false;
    std::vector<Swing> swings;
    void before();
    std::vector<std::string> after(int now) const;
    // Why a strike that came due in this frame is accounted for, or nullptr if it is not.
    const char* strikeOutcome(int now) const;
};

// The moves only a key starts.
const char* const heroMoves[] = {states::high,    states::low,     states::highParry, states::lowParry,
                                 states::highKick, states::lowKick, states::evade,     states::carnageShot};

template <std::size_t N>
bool among(const std::string& state, const char* const (&names)[N])
{
    for (const char* name : names)
        if (state == name)
            return true;
    return false;
}

bool inLine(const enemy* e, const enemy (&line)[lineLength]) { return e >= line && e < line + lineLength; }

std::string lineView(const enemy* current, const enemy (&line)[lineLength])
{
    std::ostringstream out;
    out << current - line << "," << current->attackState << "," << current->attackPhase << "," << current->life;
    return out.str();
}

std::string bitmapName(const BITMAP* b) { return b == buffer ? "buffer" : b == screen ? "screen" : pictureName(b); }

std::string colourView(int colour)
{
    std::ostringstream out;
    out << "#" << std::hex << colour;
    return out.str();
}

// draw:rykeStick@412,284/200x400, flip:..., stretch:..., blit:background_1<0,0@0,0/1024x768,
// enlarge:... (a sign's text), fill:74,14,276,36#0 (both corners), rect:... (an outline), clear#ffffff; "!screen" or "!elsewhere" when not drawn
// into the back buffer.
std::string drawView(const DrawCall& d)
{
    const std::string call = d.call;
    std::ostringstream out;
    if (call == "rectfill" || call == "rect")
        out << (call == "rect" ? "rect:" : "fill:") << d.x << "," << d.y << "," << d.x + d.w - 1 << "," << d.y + d.h - 1
            << colourView(d.color);
    else if (call == "clear_to_color")
        out << "clear" << colourView(d.color);
    else if (call == "blit" || call == "masked_stretch_blit")
        out << (call == "blit" ? "blit:" : "enlarge:") << bitmapName(d.sprite) << "<" << d.sx << "," << d.sy << "@" << d.x << "," << d.y << "/" << d.w
            << "x" << d.h;
    else
        out << (d.mirrored() ? "flip" : call == "stretch_sprite" ? "stretch" : "draw") << ":" << pictureName(d.sprite)
            << "@" << d.x << "," << d.y << "/" << d.w << "x" << d.h;
    if (d.target != buffer)
        out << "!" << (d.target == screen ? "screen" : "elsewhere");
    return out.str();
}

// "Kill Count: 3"@120,40#ffffff/0: the text, its place, its colour and background; ^16 after
// text printed in a font of that height rather than the library's own.
std::string textView(const TextCall& t)
{
    std::ostringstream out;
    out << "\"" << t.text << "\"@" << t.x << "," << t.y << colourView(t.color) << "/" << t.background;
    if (t.height != 8)
        out << "^" << t.height;
    if (t.target != buffer)
        out << "!" << (t.target == screen ? "screen" : "elsewhere");
    return out.str();
}

std::string soundView(const SoundCall& s)
{
    std::ostringstream out;
    out << soundName(s.sample) << "@" << s.volume << "," << s.pan << "," << s.frequency << "," << s.loop;
    return out.str();
}

template <class Call, class View>
std::string joined(const std::vector<Call>& calls, View view)
{
    std::string all;
    for (const Call& c : calls)
        all += (all.empty() ? "" : ";") + view(c);
    return all.empty() ? "-" : all;
}

std::string traceLine(int frame, int now, bool drawn)
{
    std::ostringstream out;
    out << "f=" << frame << " t=" << now << " hero=" << ryke.attackState << "," << ryke.attackPhase << ","
        << ryke.facing << "," << ryke.life << "," << ryke.carnage << "," << ryke.shots
        << " R=" << lineView(currentEnemyRight, enemies_R) << " L=" << lineView(currentEnemyLeft, enemies_L)
        << " kills=" << killCount_R << "," << killCount_L << " draw=" << joined(drawCalls, drawView)
        << " cue=" << joined(soundCalls, soundView) << " text=" << joined(textCalls, textView);
    if (drawn) {
        char hex[9];
        std::snprintf(hex, sizeof hex, "%08x", screenChecksum());
        out << " px=" << hex;
    }
    return out.str();
}

} // namespace

std::vector<std::string> lineInvariants()
{
    struct Line {
        const char* name;
        enemy* elements;
        int killCount, enemiesLeft;
        enemy *current, *onDeck;
    };
    const Line lines[] = {{facings::right, enemies_R, killCount_R, enemiesLeft_R, currentEnemyRight, enemyOnDeck_R},
                          {facings::left, enemies_L, killCount_L, enemiesLeft_L, currentEnemyLeft, enemyOnDeck_L}};
    std::vector<std::string> broken;
    for (const Line& l : lines) {
        const std::string line = std::string("the ") + l.name + " line ";
        if (l.killCount + l.enemiesLeft != lineLength)
            broken.push_back(line + "counts " + std::to_string(l.killCount) + " kills and " +
                             std::to_string(l.enemiesLeft) + " left");
        if (l.enemiesLeft >= 1 && l.current != &l.elements[l.killCount])
            broken.push_back(line + "has a current enemy that is not the next unfinished one");
        if (l.enemiesLeft >= 2 && l.onDeck != &l.elements[l.killCount + 1])
            broken.push_back(line + "has an on-deck enemy that is not the one after the current");
        if (l.enemiesLeft < 2 && (l.current != &l.elements[99] || l.onDeck != &l.elements[99]))
            broken.push_back(line + "is at its end but does not point at its last enemy");
        if (l.enemiesLeft == 0 && l.elements[99].attackState != states::gone)
            broken.push_back(line + "is exhausted but its last enemy is " + l.elements[99].attackState);
    }
    return broken;
}

void Watch::before()
{
    heroStateBefore = ryke.attackState;
    heroFacingBefore = ryke.facing;
    heroTimeBefore = ryke.stateTime;
    heroLifeBefore = ryke.life;
    engagedDeadBefore = currentEnemy->attackState == states::dead;
    for (const enemy* e : {currentEnemyRight, currentEnemyLeft}) {
        const bool high = e->attackState == states::high;
        if ((high || e->attackState == states::low) && e->attackPhase < 3)
            swings.push_back({e, e->attackState, e->stateTime, e->stateTime + (high ? e->highPhase2End : e->lowPhase2End)});
    }
}

// The hero states in which, by the rules, a blow does nothing to him: dodging, standing in a
// parry, in pain from the last blow, down, or firing a carnage shot.
const char* const outOfReach[] = {states::evade,   states::highParry, states::lowParry,
                                  states::damaged, states::dead,      states::carnageShot};

const char* Watch::strikeOutcome(int now) const
{
    if (ryke.life < heroLifeBefore)
        return "it landed";
    for (const SoundCall& s : soundCalls)
        if (s.sample == swordClashFX)
            return "the blades clashed";
    const bool bladeMoves = heroStateBefore == states::high || heroStateBefore == states::low ||
                            heroStateBefore == states::highParry || heroStateBefore == states::lowParry;
    if (bladeMoves && ryke.attackState == states::normal && ryke.stateTime == now)
        return "it met the hero's blade";
    if (among(ryke.attackState, outOfReach))
        return "the hero was out of its reach";
    return nullptr;
}

std::vector<std::string> Watch::after(int now) const
{
    std::vector<std::string> broken = lineInvariants();
    auto fault = [&](const std::string& what) { broken.push_back(what); };
    if (ryke.life > fullLife)
        fault("the hero has " + std::to_string(ryke.life) + " life");
    if (heroStateBefore == states::dead && (ryke.attackState != states::dead || ryke.stateTime != heroTimeBefore))
        fault("the dead hero acted: " + ryke.attackState);
    if (ryke.carnage < 0.0 || ryke.carnage > ryke.carnageMax)
        fault("carnage stands at " + std::to_string(ryke.carnage));
    if (ryke.shots < 0.0 || ryke.shots > 10.0)
        fault("the hero holds " + std::to_string(ryke.shots) + " shots");
    if (!among(ryke.attackState, heroStates) || ryke.attackPhase < 0 || ryke.attackPhase > 3)
        fault("the hero is in state " + ryke.attackState + ", phase " + std::to_string(ryke.attackPhase));
    const bool started = among(ryke.attackState, heroMoves) && ryke.stateTime == now &&
                         (ryke.attackState != heroStateBefore || ryke.stateTime != heroTimeBefore);
    if (started && engagedDeadBefore)
        fault("the hero started " + ryke.attackState + " while the enemy he faces was dead");
    for (enemy* pointer : {currentEnemyRight, enemyOnDeck_R})
        if (!inLine(pointer, enemies_R))
            fault("a right-line pointer is outside the right line");
    for (enemy* pointer : {currentEnemyLeft, enemyOnDeck_L})
        if (!inLine(pointer, enemies_L))
            fault("a left-line pointer is outside the left line");
    if (!inLine(currentEnemy, enemies_R) && !inLine(currentEnemy, enemies_L))
        fault("the engaged enemy is outside both lines");
    // A strike that came due lands, meets a blade or finds the hero out of reach, unless its
    // enemy was killed or stunned first; however far apart the frames fall, it is never lost.
    for (const Swing& swing : swings) {
        const std::string& state = swing.who->attackState;
        // A kick the frame delivers first stuns the enemy behind, maybe only for that moment.
        const bool behind = inLine(swing.who, heroFacingBefore == facings::right ? enemies_L : enemies_R);
        const bool kicked = behind && (heroStateBefore == states::highKick || heroStateBefore == states::lowKick) &&
                            heroTimeBefore + kickReaches <= now;
        const bool cutShort = kicked || state == states::dead || state == states::gone || state == states::stunned;
        if (swing.strikeAt <= now && !cutShort && !strikeOutcome(now))
            fault("the " + swing.state + " strike due at hundredth " + std::to_string(swing.strikeAt) + " from the " +
                  (inLine(swing.who, enemies_R) ? facings::right : facings::left) + " line was lost");
    }
    for (const enemy* line : {enemies_R, enemies_L})
        for (int i = 0; i < lineLength; ++i)
            if (!among(line[i].attackState, enemyStates) || line[i].attackPhase < 0 || line[i].attackPhase > 3)
                fault(std::string(line == enemies_R ? facings::right : facings::left) + " enemy " + std::to_string(i) +
                      " is in state " + line[i].attackState + ", phase " + std::to_string(line[i].attackPhase));
    for (const std::string& entry : unknownDrawing)
        fault("the game drew with " + entry + ", which the recorder does not see");
    const bool bothEmpty = enemiesLeft_R == 0 && enemiesLeft_L == 0;
    bool victoryShown = false;
    for (const DrawCall& d : drawCalls) {
        victoryShown = victoryShown || d.sprite == w00t;
        if (d.x >= screenWidth || d.x + d.w <= 0 || d.y >= screenHeight || d.y + d.h <= 0)
            fault(pictureName(d.sprite) + " is drawn off the screen at " + std::to_string(d.x) + "," +
                  std::to_string(d.y));
    }
    if (victoryShown != bothEmpty)
        fault(victoryShown ? "the victory picture shows while a line still fights"
                           : "both lines are empty but the victory picture is missing");
    return broken;
}

BoutRun runBout(const BoutScript& script, const RunOptions& options)
{
    BoutRun run;
    drawingEnabled = options.draw;
    freshBout(script.seeded ? script.seed : 1);
    coachOn = script.coach;
    coach = Coach{};
    if (options.trace)
        run.trace.push_back("setup cue=" + joined(soundCalls, soundView));
    FrameSchedule schedule(script);
    std::size_t nextKey = 0, nextKill = 0;
    int clockMs = 0, ticksGiven = 0, now = 0;
    while (gameOn && now < script.until && (!script.lastFrame || run.frames < script.lastFrame)) {
        clockMs += schedule.next(clockMs);
        now = advanceClock(clockMs, ticksGiven);
        for (; nextKey < script.keys.size() && script.keys[nextKey].at <= now; ++nextKey) {
            const KeyEvent& event = script.keys[nextKey];
            // As the keyboard's own callback would: a press is seen even if let go before the tick.
            if (event.down)
                noteKeyDown(event.key);
            key[event.key] = event.down;
        }
        for (; nextKill < script.kills.size() && script.kills[nextKill].at <= now; ++nextKill)
            (script.kills[nextKill].right ? currentEnemyRight : currentEnemyLeft)->kill();
        Watch watch;
        watch.before();
        clearRecords();
        framePass();
        ++run.frames;
        if (options.afterFrame)
            options.afterFrame(run.frames);
        if (options.trace)
            run.trace.push_back(traceLine(run.frames, now, options.draw));
        for (const std::string& what : watch.after(now))
            run.faults.push_back("frame " + std::to_string(run.frames) + " (hundredth " + std::to_string(now) +
                                 "): " + what);
        if (!run.faults.empty())
            break;
    }
    run.lastHundredth = now;
    run.ended = !gameOn;
    drawingEnabled = true;
    return run;
}

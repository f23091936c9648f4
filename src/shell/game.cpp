#include "shell/game.h"

#include <algorithm>

#include "coach/coach.h"
#include "controls/input.h"
#include "controls/pad.h"
#include "display/window.h"
#include "fighters/player.h"
#include "names/names.h"
#include "pause/pause.h"
#include "platform/pace.h"
#include "screen/frame.h"
#include "screen/hints.h"
#include "screen/signs.h"
#include "settings/settings.h"
#include "shell/assets.h"
#include "shell/keyspage/keys_screen.h"
#include "shell/quit.h"
#include "shell/startup.h"
#include "shell/timer.h"
#include "shell/title.h"
#include "sound/cue.h"
#include "stores/best_score.h"
#include "tally/card.h"
#include "tally/tally.h"

// The player is built before both lines and destroyed after them, so the three live in this
// one file, in this order.
player ryke;
enemy enemies_R[lineLength];
enemy enemies_L[lineLength];

// A bout's player dies, then the bout goes on this long before the title comes back.
constexpr int deathLinger = 300;

// TAB on the title opens the keys page.
static bool tabHeld = false;

// The card of the last bout the hero died in; empty before the first.
static std::vector<std::string> lastCard;

static TitleWords titleWords(int speed)
{
    TitleWords words{speedLine(speed), startHereLine(), bestLine(speed, bestScoreAt(speed)),
                     coachLine(coachChoice()), "", {}};
    words.panelHeading = lastCard.empty() ? "HOW A BOUT GOES" : "YOUR LAST BOUT";
    words.panel = lastCard.empty() ? howABoutGoes() : lastCard;
    return words;
}

void switchScreenByKeys()
{
    if (followScreenKeys())
        keepFullscreen(screenChoice.fullscreen);
}

void titleScreen()
{
    // Keys are a state, not presses: ENTER still down from the last bout skips the title. ENTER
    // with Alt held switches fullscreen instead.
    while (!plainEnter() && gameLoop) {
        readPad();
        if (pressedNow(padStartHeld, padStartDown()))
            break;
        switchScreenByKeys();
        if (pressedNow(tabHeld, key[KEY_TAB] != 0))
            runKeysPage();
        chooseSpeedByArrows();
        switchCoachByKey();
        const int speed = assistSpeed();
        composeTitle(buffer, enterScreen, titleWords(speed));
        drawTitleHints(buffer, screenOpen.fullscreen,
                       !screenOpen.fullscreen && windowCrowded(desktopSize(), screenOpen.scale));
        present(buffer);
        frameDone();
        if (quitRequested())
            endProgram();
    }
}

void startBout()
{
    cue(Cue::boutStart);
    gameOn = 1;
    ryke.life = fullLife;
    ryke.shots = 0.0;
    ryke.carnage = 0.0;
    ryke.returnNormal();
    killCount_L = 0;
    killCount_R = 0;
    ryke.attackCount = 0;
    enemiesLeft_L = lineLength;
    enemiesLeft_R = lineLength;
    // What came before the bout is no press in it.
    forgetTaps();
    startTally(hundredthsNow());
    coachNewBout();
}

// Later enemies of a line wait less before attacking: 150 for the first, 20 from the 14th on.
static int attackDelayAt(int index) { return std::max(150 - 10 * index, 20); }

void fillLines(const EnemyPools& pools)
{
    // The right line opens with a gun fighter, the left with a sword fighter.
    for (int i = 0; i < enemyNumRight; ++i) {
        enemies_R[i] = i % 2 ? static_cast<const enemy&>(pools.swordRight[i]) : pools.gunRight[i];
        enemies_R[i].attackDelay = attackDelayAt(i);
    }
    for (int i = 0; i < enemyNumLeft; ++i) {
        enemies_L[i] = i % 2 ? static_cast<const enemy&>(pools.gunLeft[i]) : pools.swordLeft[i];
        enemies_L[i].attackDelay = attackDelayAt(i);
    }
    currentEnemyRight = &enemies_R[0];
    enemyOnDeck_R = &enemies_R[1];
    enemyOnDeck_R->setAttackState(states::waiting);
    currentEnemyLeft = &enemies_L[0];
    enemyOnDeck_L = &enemies_L[1];
    enemyOnDeck_L->setAttackState(states::waiting);
    ryke.faceLeft();
}

void framePass()
{
    switchScreenByKeys();
    readPad();
    const bool paused = updatePause();
    stopClock(paused);
    if (paused) {
        showPaused();
        if (quitRequested())
            endProgram();
        // Nothing moves while paused: no need to spin.
        frameDone(10);
        return;
    }
    // No cap on the catch-up: a long stall is paid back with as many logic ticks.
    while (timer.NotRenderingNow()) {
        input();
        timer.NoteFrameTime();
    }
    animate();
    frameDone();
    if (ryke.getAttackState() == states::dead && ryke.stateTime + deathLinger < hundredthsNow())
        gameOn = 0;
}

bool boutOver() { return ryke.getAttackState() == states::dead || (enemiesLeft_L == 0 && enemiesLeft_R == 0); }

FrameSign greetingFor(int speed, int bestBefore)
{
    const int kills = killCount_L + killCount_R;
    if (!boutOver() || kills <= bestBefore)
        return {};
    return {"New best!", newBestLine(speed, kills)};
}

void playBout()
{
    startBout();
    EnemyPools pools;
    fillLines(pools);
    const int speed = assistSpeed();
    const int bestBefore = bestScoreAt(speed).kills;
    coachOn = coachWatches(coachChoice());
    while (gameOn) {
        frameSign = greetingFor(speed, bestBefore);
        framePass();
    }
    frameSign = {};
    endPause();
    stopClock(false);
    const int kills = killCount_L + killCount_R;
    if (ryke.getAttackState() == states::dead)
        lastCard = cardLines(tally, kills, speed, bestBefore);
    recordBout(speed, kills);
    countBout();
}

void runGame()
{
    cue(Cue::beat);
    loadBestScores();
    watchFocus();
    while (gameLoop) {
        titleScreen();
        if (gameLoop)
            playBout();
    }
}

void shutdown()
{
    remove_timer();
    remove_keyboard();
    allegro_exit();
}

#include "support/headless.h"

#include <allegro.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "controls/input.h"
#include "encounter/lines.h"
#include "fighters/player.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/shell.h"

namespace {

// Brings the library up once per test program, without a system driver, and loads the assets.
class HeadlessLibrary : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(0, chdir(RYKE_SOURCE_DIR)) << "the assets are read relative to the repository root";
        ASSERT_EQ(0, install_allegro(SYSTEM_NONE, &errno, atexit));
        set_color_depth(32);
        screen = create_bitmap(1024, 768);
        ASSERT_NE(nullptr, screen);
        const std::vector<std::string> missing = loadAssets();
        ASSERT_TRUE(missing.empty()) << missing.front();
    }
};

const ::testing::Environment* const library = ::testing::AddGlobalTestEnvironment(new HeadlessLibrary);

} // namespace

void expectLineInvariants(const std::string& when)
{
    struct Line {
        const char* name;
        enemy* elements;
        int killCount, enemiesLeft;
        enemy *current, *onDeck;
    };
    const Line lines[] = {{"right", enemies_R, killCount_R, enemiesLeft_R, currentEnemyRight, enemyOnDeck_R},
                          {"left", enemies_L, killCount_L, enemiesLeft_L, currentEnemyLeft, enemyOnDeck_L}};
    for (const Line& l : lines) {
        const std::string where = std::string(l.name) + " line, " + when;
        EXPECT_EQ(100, l.killCount + l.enemiesLeft) << where;
        if (l.enemiesLeft >= 1) {
            EXPECT_EQ(&l.elements[l.killCount], l.current) << where;
        }
        if (l.enemiesLeft >= 2) {
            EXPECT_EQ(&l.elements[l.killCount + 1], l.onDeck) << where;
        } else {
            EXPECT_EQ(&l.elements[99], l.current) << where;
            EXPECT_EQ(&l.elements[99], l.onDeck) << where;
        }
        if (l.enemiesLeft == 0) {
            EXPECT_EQ("gone", l.elements[99].attackState) << where;
        }
    }
}

void setNow(int hundredths) { g_hSecCounter.store(hundredths); }

void Stage::SetUp()
{
    setNow(0);
    g_counter.store(0);
    releaseAll();
    closeRequested.store(false);
    std::srand(1); // the sequence of a program that never seeds
    holding = false;
    gameOn = 1;
    gameLoop = 1;
    ryke = player();
    startBout();
    EnemyPools pools;
    fillLines(pools);
    clearLogs();
    cueLog = &cues;
    paintLog = &paints;
}

void Stage::TearDown()
{
    cueLog = nullptr;
    paintLog = nullptr;
}

void Stage::clearLogs()
{
    cues.clear();
    paints.clear();
}

void Stage::press(int keyCode) { key[keyCode] = 1; }

void Stage::release(int keyCode) { key[keyCode] = 0; }

void Stage::releaseAll()
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
}

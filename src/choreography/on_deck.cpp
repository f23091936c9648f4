#include "choreography/choreography.h"
#include "choreography/timeline.h"
#include "encounter/lines.h"
#include "names/names.h"
#include "screen/paint.h"
#include "shell/assets.h"

// A waiting enemy is drawn at three quarters of the sword fighter's size, whatever its kind.
static void showOnDeck(enemy* onDeck, BITMAP* sword, BITMAP* gun, int x)
{
    if (onDeck->getAttackState() != states::waiting)
        return;
    const std::string kind = onDeck->getEnemyType();
    BITMAP* picture = kind == kinds::sword ? sword : kind == kinds::gun ? gun : nullptr;
    if (picture)
        paintStretched(picture, x, standY(), static_cast<int>(badGuy->w * 0.75), static_cast<int>(badGuy->h * 0.75));
}

void animate_enemyOnDeck_R() { showOnDeck(enemyOnDeck_R, badGuy, gunStand, standX() + 480); }

// The left one stands at a fixed column, partly off the screen's edge.
void animate_enemyOnDeck_L() { showOnDeck(enemyOnDeck_L, badGuy_flip, gunStand_flip, -50); }

#include "shell/keyspage/keys_screen.h"

#include "display/window.h"
#include "platform/pace.h"
#include "screen/keycaps.h"
#include "screen/lettering.h"
#include "settings/settings.h"
#include "shell/assets.h"
#include "shell/game.h"
#include "shell/quit.h"

namespace {

// The library's keyboard buffer holds presses in order; a press that came in while the frame was
// drawn is not lost.
int nextPress() { return keypressed() ? readkey() >> 8 : 0; }

} // namespace

// The page's columns: the key, what it does facing right, facing left.
// clang-format off
//                              key  facing right  facing left
constexpr int columns[] = {     150, 330,          640 };
// clang-format on

void composeKeysPage(BITMAP* target, const KeysPage& page)
{
    clear_to_color(target, makecol(20, 8, 8));
    const int centre = target->w / 2;
    letterCentred(target, "KEYS", centre, 60, cream());
    letterCentred(target, "UP / DOWN: choose   ENTER: change   ESC: back", centre, 110, cream());
    const char* heads[] = {"key", "facing right", "facing left"};
    for (int c = 0; c < 3; ++c)
        letter(target, heads[c], columns[c], keysRowsY - keysRowStep, makecol(200, 150, 110));
    for (int row = 0; row < keysPageRows; ++row) {
        const int y = keysRowsY + row * keysRowStep;
        if (row == page.row)
            rectfill(target, 120, y - 8, target->w - 120, y + 24, makecol(page.waiting ? 140 : 90, 30, 20));
        if (row == defaultsRow || row == backRow) {
            letter(target, row == defaultsRow ? "defaults" : "back to the title", columns[0], y, cream());
            continue;
        }
        letter(target, page.waiting && row == page.row ? "?" : keyCap(boundKeys[row]), columns[0], y, cream());
        letter(target, moveWords(keySlots[row].facingRight), columns[1], y, cream());
        letter(target, moveWords(keySlots[row].facingLeft), columns[2], y, cream());
    }
    if (!page.note.empty())
        letterCentred(target, page.note, centre, keysRowsY + keysPageRows * keysRowStep + 20, makecol(255, 160, 120));
}

void runKeysPage()
{
    KeysPage page;
    clear_keybuf();
    while (page.open && gameLoop) {
        if (closeRequested.load() || stopRequested()) {
            endProgram();
            break;
        }
        switchScreenByKeys();
        for (int press = nextPress(); press; press = nextPress())
            if (!(press == KEY_ENTER && altHeld()) && keysPageTake(page, press))
                keepKeys();
        composeKeysPage(buffer, page);
        present(buffer);
        frameDone(10);
    }
    // The ESC that closed the page must not end the game on the title.
    while (key[KEY_ESC] && gameLoop && !closeRequested.load() && !stopRequested())
        frameDone(10);
}

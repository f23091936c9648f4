#include "keyspage/keys_screen.h"

#include "display/window.h"
#include "screen/hints.h"
#include "settings/settings.h"
#include "shell/assets.h"
#include "shell/quit.h"

namespace {

int cream() { return makecol(255, 226, 160); }

// The library's keyboard buffer holds presses in order; a press that came in while the frame was
// drawn is not lost.
int nextPress() { return keypressed() ? readkey() >> 8 : 0; }

} // namespace

void composeKeysPage(BITMAP* target, const KeysPage& page)
{
    clear_to_color(target, makecol(20, 8, 8));
    const int centre = target->w / 2;
    drawText16(target, "KEYS", centre, 60, cream());
    drawText16(target, "UP / DOWN: choose   ENTER: change   ESC: back", centre, 110, cream());
    for (int row = 0; row < keysPageRows; ++row) {
        const int y = keysRowsY + row * keysRowStep;
        if (row == page.row)
            rectfill(target, 100, y - 8, target->w - 100, y + 24, makecol(page.waiting ? 140 : 90, 30, 20));
        const std::string text = row == defaultsRow ? "defaults" : row == backRow ? "back to the title" : keysRowText(row);
        drawText16(target, text, centre, y, cream());
    }
    if (!page.note.empty())
        drawText16(target, page.note, centre, keysRowsY + keysPageRows * keysRowStep + 20, makecol(255, 160, 120));
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
        followScreenKeys();
        for (int press = nextPress(); press; press = nextPress())
            if (keysPageTake(page, press))
                keepKeys();
        composeKeysPage(buffer, page);
        present(buffer);
        rest(10);
    }
    // The ESC that closed the page must not end the game on the title.
    while (key[KEY_ESC] && gameLoop && !closeRequested.load() && !stopRequested())
        rest(10);
}

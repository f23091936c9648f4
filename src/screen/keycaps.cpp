#include "screen/keycaps.h"

#include <algorithm>
#include <iterator>

#include "controls/bindings.h"
#include "controls/input.h"
#include "names/names.h"
#include "screen/lettering.h"

namespace {

// clang-format off
//                              move               what it does
const struct { Move move; const char* does; } chartWords[] = {
    {Move::highAttack,  "attack or parry high"},
    {Move::lowAttack,   "attack or parry low"},
    {Move::evade,       states::evade},
    {Move::carnageShot, "carnage shot"},
    {Move::turn,        "turn around"},
    {Move::highKick,    "kick behind high"},
    {Move::lowKick,     "kick behind low"}};
// clang-format on

constexpr int capPad = 6;
constexpr int columnGap = 24;
constexpr int keyColumn = 64;

int doesWidth()
{
    int widest = 0;
    for (const auto& words : chartWords)
        widest = std::max(widest, letteredWidth(words.does));
    return widest;
}

} // namespace

int cream() { return makecol(255, 226, 160); }
int dark() { return makecol(20, 8, 8); }

std::vector<KeysRow> keysRows()
{
    std::vector<KeysRow> rows;
    for (const auto& words : chartWords)
        rows.push_back({words.does, keyCap(keyFor(words.move, facings::left)),
                        keyCap(keyFor(words.move, facings::right))});
    return rows;
}

int drawKeyCap(BITMAP* target, const std::string& label, int x, int y)
{
    const int w = letteredWidth(label) + 2 * capPad;
    // A pale cap, lighter than the words beside it, with its letter in dark brown.
    rectfill(target, x, y - 3, x + w - 1, y + lettersHeight + 2, makecol(235, 220, 190));
    rect(target, x, y - 3, x + w - 1, y + lettersHeight + 2, makecol(140, 110, 70));
    letter(target, label, x + capPad, y, makecol(70, 24, 16));
    return w;
}

void drawPlate(BITMAP* target, int x1, int y1, int x2, int y2)
{
    rectfill(target, x1, y1, x2, y2, dark());
    rect(target, x1, y1, x2, y2, makecol(190, 150, 100));
}

// One facing's column holds the space bar's cap, wider than a column.
int keysTableWidth(bool bothFacings) { return doesWidth() + columnGap + (bothFacings ? 2 * keyColumn : keyColumn + 32); }
int keysTableHeight() { return (1 + static_cast<int>(std::size(chartWords))) * keysRowPitch; }

void drawKeysTable(BITMAP* target, int x, int y, const std::string& onlyFacing)
{
    const int keysX = x + doesWidth() + columnGap;
    const bool both = onlyFacing.empty();
    const int rightX = keysX + keyColumn;
    letter(target, both ? "the hero facing" : "facing " + onlyFacing, x, y, cream());
    if (both) {
        letter(target, facings::left, keysX, y, cream());
        letter(target, facings::right, rightX, y, cream());
    }
    int rowY = y + keysRowPitch;
    for (const KeysRow& row : keysRows()) {
        letter(target, row.does, x, rowY, cream());
        if (both && row.facingLeft == row.facingRight)
            // One cap across both columns: the same key either way (the space bar).
            drawKeyCap(target, row.facingLeft, keysX, rowY);
        else if (both) {
            drawKeyCap(target, row.facingLeft, keysX, rowY);
            drawKeyCap(target, row.facingRight, rightX, rowY);
        } else
            drawKeyCap(target, onlyFacing == facings::left ? row.facingLeft : row.facingRight, keysX, rowY);
        rowY += keysRowPitch;
    }
}

void drawHints(BITMAP* target, const std::vector<std::string>& hints)
{
    int y = hintsTop;
    // Three at most, clear of the pause sign's place.
    for (std::size_t i = 0; i < hints.size() && i < 3; ++i) {
        const std::string& hint = hints[i];
        const std::size_t colon = hint.find(": ");
        const std::string cap = colon == std::string::npos ? "" : hint.substr(0, colon);
        const std::string words = colon == std::string::npos ? hint : hint.substr(colon + 2);
        const int capWidth = cap.empty() ? 0 : letteredWidth(cap) + 2 * capPad + 12;
        const int width = capWidth + letteredWidth(words);
        const int x = (target->w - width) / 2;
        drawPlate(target, x - 16, y - 10, x + width + 16, y + lettersHeight + 9);
        if (!cap.empty())
            drawKeyCap(target, cap, x, y);
        letter(target, words, x + capWidth, y, cream());
        y += hintsPitch;
    }
}

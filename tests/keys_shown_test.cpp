// What the title and the pause sign tell: each key for each facing, from the map the keyboard
// handler reads; and the speed suggested to a new player, against the difficulty chart.

#include <fstream>
#include <sstream>

#include "assist/speeds.h"
#include "names/names.h"
#include "screen/keycaps.h"
#include "screen/lettering.h"
#include "shell/title.h"
#include "support/headless.h"

namespace {

TEST(KeysShown, EachMoveWithItsKeyInBothFacings)
{
    const std::vector<std::vector<std::string>> expected = {
        {"attack or parry high", "D", "K"}, {"attack or parry low", "F", "J"}, {states::evade, "SPACE", "SPACE"},
        {"carnage shot", "G", "H"},         {"turn around", "H", "G"},         {"kick behind high", "K", "D"},
        {"kick behind low", "J", "F"}};
    std::vector<std::vector<std::string>> shown;
    for (const KeysRow& row : keysRows())
        shown.push_back({row.does, row.facingLeft, row.facingRight});
    EXPECT_EQ(expected, shown);
}

TEST(KeysShown, TheLetteringIsSixteenPixelsHighAndPrintsEveryCharacter)
{
    ASSERT_NE(nullptr, letters);
    EXPECT_EQ(16, text_height(letters));
    // Every printable character has a glyph of its own width: a space is narrower than an M.
    EXPECT_LT(letteredWidth(" "), letteredWidth("M"));
    EXPECT_EQ(letteredWidth("i") * 2, letteredWidth("ii"));
    EXPECT_GT(letteredWidth("~"), 0);
}

// The slowest reaction (ms) at which the chart's bot still wins most bouts, at a speed and a
// share of slips, as the chart's file gives it.
int chartThreshold(int speed, const std::string& slip)
{
    std::ifstream in("docs/difficulty-speeds.tsv");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int rowSpeed = 0, bouts = 0, ms = 0;
        std::string rowSlip;
        fields >> rowSpeed >> rowSlip >> bouts >> ms;
        if (rowSpeed == speed && rowSlip == slip)
            return ms;
    }
    return -2;
}

TEST(KeysShown, TheSpeedSuggestedIsTheFastestAnOrdinaryPlayerWinsAt)
{
    // An ordinary player reacts in 220 ms and slips now and then (the chart's 5%).
    EXPECT_GE(chartThreshold(suggestedSpeed, "0.05"), 220);
    EXPECT_LT(chartThreshold(speedAfter(suggestedSpeed, +1), "0.05"), 220);
    EXPECT_NE(std::string::npos, startHereLine().find(" 60%"));
}

} // namespace

#include "controls/pad.h"

bool padStartHeld = false;

namespace {

bool padFound = false;

// clang-format off
//                                             button                      move
constexpr struct { int button; Move move; } buttonMoves[] = {
                                             {padButtons::y,             Move::highAttack},
                                             {padButtons::a,             Move::lowAttack},
                                             {padButtons::b,             Move::evade},
                                             {padButtons::x,             Move::evade},
                                             {padButtons::rightShoulder, Move::carnageShot},
                                             {padButtons::leftShoulder,  Move::turn} };
// clang-format on

bool buttonDown(int button) { return padFound && button < joy[0].num_buttons && joy[0].button[button].b; }

// The sticks read: the first, and the last when it is another two-axis one (where many pads put
// their cross); the triggers between them rest at one end, and would read as held.
template <typename Test> bool anyStick(Test test)
{
    if (!padFound || joy[0].num_sticks == 0)
        return false;
    const int last = joy[0].num_sticks - 1;
    for (int s : {0, last})
        if (joy[0].stick[s].num_axis >= 2 && test(joy[0].stick[s]))
            return true;
    return false;
}

// Pushed left (d1) or right (d2) past the library's dead zone.
bool pushed(bool towardsRight)
{
    return anyStick([towardsRight](const JOYSTICK_STICK_INFO& s) { return towardsRight ? s.axis[0].d2 : s.axis[0].d1; });
}
bool pushedDown()
{
    return anyStick([](const JOYSTICK_STICK_INFO& s) { return s.axis[1].d2 != 0; });
}

} // namespace

bool installPad()
{
    padFound = install_joystick(JOY_TYPE_AUTODETECT) == 0 && num_joysticks > 0;
    return padFound;
}

void readPad()
{
    if (padFound)
        poll_joystick();
}

bool padHolds(Move move, bool facingRight)
{
    for (const auto& row : buttonMoves)
        if (row.move == move && buttonDown(row.button))
            return true;
    // Back is away from where the hero looks; down picks the low kick.
    const bool back = pushed(!facingRight);
    if (move == Move::highKick)
        return back && !pushedDown();
    if (move == Move::lowKick)
        return back && pushedDown();
    return false;
}

bool padStartDown() { return buttonDown(padButtons::start); }

#include "bot/sight.h"

#include <cstdio>
#include <cstring>

#include "names/names.h"
#include "replay/recorder.h"
#include "screen/hud.h"
#include "shell/assets.h"

namespace {

// A picture and what it means on the screen. Pictures stored for the right-hand side show
// the left-hand side when drawn mirrored; those stored for the left always show the left.
struct Meaning {
    BITMAP** picture;
    Kind kind;
    Pose pose;
    Height height;
    Side storedFor;
    Pose stretched; // what the picture means when drawn shrunk
};

constexpr Height hi = Height::high, lo = Height::low, no = Height::none;
constexpr Side R = Side::right, L = Side::left;

// clang-format off
//                picture              kind         pose            height stored  shrunk
const Meaning meanings[] = {
    {&rykeStand,         Kind::hero,  Pose::ready,    no,    R,      Pose::none},
    {&rykeHi_1,          Kind::hero,  Pose::windUp,   hi,    R,      Pose::none},
    {&rykeHi_2,          Kind::hero,  Pose::bladeOut, hi,    R,      Pose::none},
    {&rykeHi_3,          Kind::hero,  Pose::strike,   hi,    R,      Pose::none},
    {&rykeLo_1,          Kind::hero,  Pose::windUp,   lo,    R,      Pose::none},
    {&rykeLo_2,          Kind::hero,  Pose::bladeOut, lo,    R,      Pose::none},
    {&rykeLo_3,          Kind::hero,  Pose::strike,   lo,    R,      Pose::none},
    {&rykeHiKick_1,      Kind::hero,  Pose::kick,     hi,    R,      Pose::none},
    {&rykeHiKick_2,      Kind::hero,  Pose::kick,     hi,    R,      Pose::none},
    {&rykeLoKick_1,      Kind::hero,  Pose::kick,     lo,    R,      Pose::none},
    {&rykeLoKick_2,      Kind::hero,  Pose::kick,     lo,    R,      Pose::none},
    {&rykeCS_1,          Kind::hero,  Pose::shot,     no,    R,      Pose::none},
    {&rykeCS_2,          Kind::hero,  Pose::shot,     no,    R,      Pose::none},
    {&rykeDodge,         Kind::hero,  Pose::dodge,    no,    R,      Pose::none},
    {&rykePain,          Kind::hero,  Pose::pain,     no,    R,      Pose::none},
    {&rykeDeath,         Kind::hero,  Pose::dead,     no,    R,      Pose::none},
    {&badGuy,            Kind::sword, Pose::ready,    no,    R,      Pose::onDeck},
    {&badGuy_flip,       Kind::sword, Pose::ready,    no,    L,      Pose::onDeck},
    {&badSwordHi_1,      Kind::sword, Pose::windUp,   hi,    R,      Pose::none},
    {&badSwordHi_2,      Kind::sword, Pose::bladeOut, hi,    R,      Pose::none},
    {&badSwordHi_3,      Kind::sword, Pose::strike,   hi,    R,      Pose::none},
    {&badSwordLo_1,      Kind::sword, Pose::windUp,   lo,    R,      Pose::walking},
    {&badSwordLo_1_flip, Kind::sword, Pose::windUp,   lo,    L,      Pose::walking},
    {&badSwordLo_2,      Kind::sword, Pose::bladeOut, lo,    R,      Pose::none},
    {&badSwordLo_3,      Kind::sword, Pose::strike,   lo,    R,      Pose::none},
    {&badSwordDodge,     Kind::sword, Pose::dodge,    no,    R,      Pose::none},
    {&badSwordStun_R,    Kind::sword, Pose::stunned,  no,    R,      Pose::none},
    {&badSwordStun_L,    Kind::sword, Pose::stunned,  no,    L,      Pose::none},
    {&badGuyDeath_1,     Kind::sword, Pose::dying,    no,    R,      Pose::none},
    {&gunStand,          Kind::gun,   Pose::ready,    no,    R,      Pose::onDeck},
    {&gunStand_flip,     Kind::gun,   Pose::ready,    no,    L,      Pose::onDeck},
    {&gunHi_1,           Kind::gun,   Pose::windUp,   hi,    R,      Pose::none},
    {&gunHi_2,           Kind::gun,   Pose::bladeOut, hi,    R,      Pose::none},
    {&gunHi_3,           Kind::gun,   Pose::strike,   hi,    R,      Pose::none},
    {&gunLo_1,           Kind::gun,   Pose::windUp,   lo,    R,      Pose::none},
    {&gunLo_2,           Kind::gun,   Pose::bladeOut, lo,    R,      Pose::none},
    {&gunLo_3,           Kind::gun,   Pose::strike,   lo,    R,      Pose::none},
    {&gunDodge,          Kind::gun,   Pose::dodge,    no,    R,      Pose::none},
    {&gunStun_R,         Kind::gun,   Pose::stunned,  no,    R,      Pose::none},
    {&gunStun_L,         Kind::gun,   Pose::stunned,  no,    L,      Pose::none},
    {&gunMove_R,         Kind::gun,   Pose::walking,  no,    R,      Pose::walking},
    {&gunMove_L,         Kind::gun,   Pose::walking,  no,    L,      Pose::walking},
    {&gunDeath_1,        Kind::gun,   Pose::dying,    no,    R,      Pose::none},
};
// clang-format on

const Meaning* meaningOf(const BITMAP* picture)
{
    for (const Meaning& m : meanings)
        if (*m.picture == picture)
            return &m;
    return nullptr;
}

// The figure as it shows now, keeping the time its pose was first seen and when its side
// last showed a walk-in.
Figure keepSince(Figure now, const View& before, int at)
{
    now.since = at;
    for (const Figure& then : {before.front, before.back}) {
        if (then.side != now.side)
            continue;
        now.walkedIn = then.walkedIn;
        now.clashes = then.clashes;
        if (then.kind == now.kind && then.pose == now.pose && then.height == now.height)
            now.since = then.since;
    }
    if (now.pose == Pose::walking) {
        now.walkedIn = at;
        now.clashes = 0;
    }
    return now;
}

// The HUD as drawn: the life bar's length inside its frame (none drawn at no life), and the lit
// shot pips.
void readHud(View& view)
{
    const hud::Box lifeBar = hud::inside(hud::lifeFrame);
    const int pipTop = hud::inside(hud::pips[0].frame).y1;
    view.life = 0;
    view.pips = 0;
    for (const DrawCall& f : drawCalls) {
        if (f.target != buffer || std::strcmp(f.call, "rectfill") != 0)
            continue;
        // A fill's far corner is (x + w - 1, y + h - 1).
        if (f.color == hud::colourOf(hud::lifeColour) && f.x == lifeBar.x1 && f.y == lifeBar.y1)
            view.life = (f.x + f.w - 1 - hud::lifeFrame.x1) / hud::pixelsPerLife;
        if (f.color == hud::colourOf(hud::carnageColour) && f.y == pipTop)
            ++view.pips;
    }
}

} // namespace

View look(int at, const View& before)
{
    View view;
    view.at = at;
    view.facing = before.facing;
    Figure current[2];
    bool onDeck[2] = {false, false};
    for (const DrawCall& d : drawCalls) {
        view.victory = view.victory || d.sprite == w00t;
        const Meaning* m = meaningOf(d.sprite);
        if (!m || d.target != buffer)
            continue;
        const bool shrunk = std::string(d.call) == "stretch_sprite";
        const Side side = m->storedFor == Side::left || d.mirrored() ? Side::left : Side::right;
        const Figure figure{m->kind, shrunk ? m->stretched : m->pose, shrunk ? Height::none : m->height, side};
        if (m->kind == Kind::hero) {
            view.hero = figure;
            // He is drawn looking right unless mirrored; his death picture never is.
            if (m->pose != Pose::dead)
                view.facing = side;
        } else if (figure.pose == Pose::onDeck) {
            onDeck[side == Side::right] = true;
        } else {
            current[side == Side::right] = figure;
        }
    }
    const bool facingRight = view.facing == Side::right;
    current[0].side = Side::left;
    current[1].side = Side::right;
    view.front = keepSince(current[facingRight], before, at);
    view.back = keepSince(current[!facingRight], before, at);
    view.frontOnDeck = onDeck[facingRight];
    view.backOnDeck = onDeck[!facingRight];
    readHud(view);
    for (const TextCall& t : textCalls)
        std::sscanf(t.text.c_str(), "Kill Count: %d", &view.kills);
    for (const SoundCall& s : soundCalls)
        view.clash = view.clash || s.sample == swordClashFX;
    // Blades only ever cross with the enemy in front.
    view.front.clashes += view.clash;
    return view;
}

const char* poseName(Pose pose)
{
    static const char* const names[] = {"none",    "ready",   "windUp", "bladeOut", "strike", "dodge", states::stunned,
                                        "dying",   "walking", "onDeck", "kick",     "shot",   "pain",  states::dead};
    return names[static_cast<int>(pose)];
}

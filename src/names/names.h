#pragma once
// The words a fighter's state is written in. Attack states, facings and kinds are texts, compared
// and assigned as exact, case-sensitive text, and the traces print them as they are; each is
// spelt here once, so that a misspelt name does not compile.

// clang-format off
namespace states {
//                                  text             who is in it
inline constexpr char normal[]      = "normal";      // anyone at rest, and every fighter once a move ends
inline constexpr char high[]        = "high";        // anyone attacking high; also a blow's height
inline constexpr char low[]         = "low";         // anyone attacking low; also a blow's height
inline constexpr char highParry[]   = "highParry";   // the hero, answering a high attack
inline constexpr char lowParry[]    = "lowParry";    // the hero, answering a low attack
inline constexpr char highKick[]    = "highKick";    // the hero, kicking behind him
inline constexpr char lowKick[]     = "lowKick";     // the hero, kicking behind him
inline constexpr char evade[]       = "evade";       // anyone
inline constexpr char carnageShot[] = "carnageShot"; // the hero, spending a shot
inline constexpr char damaged[]     = "damaged";     // the hero, hurt
inline constexpr char stunned[]     = "stunned";     // an enemy, kicked
inline constexpr char moving[]      = "moving";      // an enemy walking in
inline constexpr char waiting[]     = "waiting";     // an enemy on deck, shown
inline constexpr char dead[]        = "dead";        // anyone
inline constexpr char gone[]        = "gone";        // an enemy off the field, or on deck and hidden
} // namespace states

namespace facings {
inline constexpr char left[]  = "left";
inline constexpr char right[] = "right";
} // namespace facings

namespace kinds {
inline constexpr char sword[] = "standard_sword";
inline constexpr char gun[]   = "standard_gun";
} // namespace kinds
// clang-format on

// Every state the hero can be in, and every state an enemy can be in.
inline constexpr const char* heroStates[] = {
    states::normal, states::high,        states::low,     states::highParry, states::lowParry, states::highKick,
    states::lowKick, states::evade, states::carnageShot, states::damaged, states::dead};
inline constexpr const char* enemyStates[] = {states::normal, states::high,   states::low,     states::evade, states::stunned,
                                              states::dead,   states::moving, states::waiting, states::gone};

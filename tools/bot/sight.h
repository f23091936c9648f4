#pragma once
// What a person at the screen sees of a frame: the pictures drawn (so the hero's and each
// enemy's pose, height and side), the HUD and the kill count, and the clash of blades.

#include <string>

enum class Side { none, left, right };
enum class Height { none, high, low };
enum class Pose {
    none,     // nothing of this figure is drawn
    ready,    // standing, blade down
    windUp,   // drawing back for a blow
    bladeOut, // the blade is swinging in
    strike,   // the blow lands
    dodge,
    stunned,
    dying,
    walking,  // stepping in from the edge
    onDeck,   // waiting small at the edge
    kick,
    shot, // the hero's carnage shot
    pain,
    dead,
};
enum class Kind { none, hero, sword, gun };

// One figure as it shows: what it is, what it does, at which height, on which side.
struct Figure {
    Kind kind = Kind::none;
    Pose pose = Pose::none;
    Height height = Height::none;
    Side side = Side::none;
    int since = 0;        // the hundredth this pose was first seen on this side
    int walkedIn = -1000; // the last hundredth this side showed an enemy walking in
    int clashes = 0;      // blades crossed with the hero since this side's enemy walked in
    // The swing follows straight on the walk-in: an enemy's opening attack.
    bool opening() const { return pose == Pose::windUp && since - walkedIn <= 4; }
};

struct View {
    int at = 0; // the hundredth the frame was drawn at
    Figure hero;
    Side facing = Side::none; // the side the hero looks towards
    Figure front, back;       // the current enemy of the faced line and of the line behind
    bool frontOnDeck = false, backOnDeck = false;
    int life = 0;  // read off the life bar
    int pips = 0;  // lit shot pips, 0 to 3
    int kills = 0; // the kill count printed on the screen
    bool clash = false;
    bool victory = false;
};

// The view of the frame just composed, from the recorder's calls, against the view before it:
// the hero's facing is kept while his picture does not show it (dead), and a pose that was
// already showing keeps the time it was first seen.
View look(int at, const View& before);

const char* poseName(Pose pose);

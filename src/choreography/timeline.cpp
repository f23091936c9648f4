#include "choreography/timeline.h"

#include "screen/paint.h"
#include "shell/assets.h"
#include "shell/startup.h"
#include "shell/timer.h"
#include "sound/cue.h"

// The hero's stand picture fixes the stand origin across and down alike: its width serves for both.
// Measured on the frame, not the screen, which may be larger.
int standX() { return (screenWidth - rykeStand->w) / 2; }
int standY() { return (screenHeight - rykeStand->w) / 2; }
int restX() { return static_cast<int>(badGuy->w * 2.25); }
int restY() { return (screenHeight - badGuy->w) / 2; }

static int origin(From from, bool across)
{
    switch (from) {
    case From::stand:
        return across ? standX() : standY();
    case From::rest:
        return across ? restX() : restY();
    case From::edge:
        break;
    }
    return 0;
}

int placeX(const Place& place) { return static_cast<int>(origin(place.across, true) + place.dx); }

int placeY(const Place& place) { return origin(place.down, false) + place.dy; }

bool stillBefore(int stateTime, int n) { return stateTime + n > hundredthsNow(); }

void drawWindowSprite(BITMAP* sprite, const Place& place, bool mirrored, double scale, BITMAP* sizeOf)
{
    const int x = placeX(place);
    const int y = placeY(place);
    if (scale == 0.0) {
        paintSprite(sprite, x, y, mirrored);
        return;
    }
    const BITMAP* measure = sizeOf ? sizeOf : sprite;
    paintStretched(sprite, x, y, static_cast<int>(measure->w * scale), static_cast<int>(measure->h * scale));
}

void playOnce(const SoundOnce& sound, character& fighter)
{
    if (!sound.guard || fighter.*sound.guard != 0)
        return;
    cue(sound.cue);
    ++(fighter.*sound.guard);
}

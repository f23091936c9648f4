#pragma once

#include <string>

// A sign shown over every frame while its large line is set (a greeting at a bout's end).
struct FrameSign {
    std::string large, small;
};
extern FrameSign frameSign;

// Composes one frame in the back buffer (advancing every timeline it draws) and shows it.
void animate();
// The heads-up display: life bar, carnage meter and shot pips.
void draw_interface();
// Shows the last frame composed with the paused sign over it.
void showPaused();

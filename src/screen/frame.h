#pragma once

// Composes one frame in the back buffer (advancing every timeline it draws) and shows it.
void animate();
// The heads-up display: life bar, carnage meter and shot pips.
void draw_interface();

#pragma once
// Fullscreen without a change of the display's mode: the game's window made the size of the
// desktop, without a border or title bar, over everything else. The library's own fullscreen
// drivers set a mode: on X11 through the video-mode extension (and they grab the keyboard and
// the pointer), on Windows through DirectDraw.

// After the library opened a window of w x h: makes it borderless and fullscreen (on), or gives
// it back its frame (off).
void setBorderless(bool on, int w, int h);

#pragma once
// Fullscreen without a change of the display's mode: the game's window made the size of the
// desktop, without a border or title bar, over everything else. The library's own fullscreen
// drivers set a mode: on X11 through the video-mode extension (and they grab the keyboard and
// the pointer), on Windows through DirectDraw.

// Before the library opens the next window: on Windows the library sizes its window by the style
// it finds, and a framed window the desktop's size would be clamped smaller, so the frame goes
// first (on) or comes back (off), with the open screen closed before (closing it would bring
// back the style the window was made with). Nothing on X11.
void prepareBorderless(bool on);
// After the library opened a window of w x h: makes it borderless and fullscreen (on), or gives
// it back its frame (off).
void setBorderless(bool on, int w, int h);

// Whether the game can switch to fullscreen itself: on X11 and Windows. Not in the browser, where
// the page is the game's screen and the browser's own F11 makes it fill the display.
extern const bool screenSwitches;

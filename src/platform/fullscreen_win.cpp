#include "platform/fullscreen.h"

#include <allegro.h>
#include <winalleg.h>

namespace {
// The frame the library gives its window.
constexpr LONG framed = WS_SYSMENU | WS_CAPTION | WS_MINIMIZEBOX | WS_VISIBLE;
} // namespace

const bool screenSwitches = true;

void prepareBorderless(bool on)
{
    HWND window = win_get_window();
    if (!window)
        return;
    // Closing a screen gives the window back the style it was made with, which would undo the
    // one set here: the open screen is closed first.
    if (gfx_driver)
        set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    SetWindowLongPtr(window, GWL_STYLE, on ? WS_POPUP | WS_VISIBLE : framed);
}

void setBorderless(bool on, int w, int h)
{
    HWND window = win_get_window();
    // The library placed the window by a frame it no longer has: the corner it belongs in.
    if (window && on)
        SetWindowPos(window, HWND_TOP, 0, 0, w, h, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
}

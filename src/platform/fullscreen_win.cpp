#include "platform/fullscreen.h"

#include <allegro.h>
#include <winalleg.h>

namespace {
// The frame the library gives its window.
constexpr LONG framed = WS_SYSMENU | WS_CAPTION | WS_MINIMIZEBOX | WS_VISIBLE;
} // namespace

void setBorderless(bool on, int w, int h)
{
    HWND window = win_get_window();
    if (!window)
        return;
    if (on) {
        SetWindowLongPtr(window, GWL_STYLE, WS_POPUP | WS_VISIBLE);
        SetWindowPos(window, HWND_TOP, 0, 0, w, h, SWP_FRAMECHANGED | SWP_SHOWWINDOW);
        return;
    }
    // The library sizes its next window by the style it finds, so the frame comes back only once
    // the window has its client size: the frame is added around it.
    if ((GetWindowLongPtr(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
        return;
    RECT outer{0, 0, w, h};
    AdjustWindowRect(&outer, framed, FALSE);
    SetWindowLongPtr(window, GWL_STYLE, framed);
    SetWindowPos(window, HWND_TOP, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW | SWP_NOMOVE);
}

#include "shell/startup.h"

#include <cstdio>
#include <string>

#include "shell/assets.h"
#include "shell/quit.h"
#include "shell/timer.h"

static void onCloseButton() { closeRequested.store(true); }

static void reportNoDisplay()
{
    std::fprintf(stderr,
                 "ryke: no display: the window system could not be started%s%s.\n"
                 "Run the game from a desktop session, or set DISPLAY to a running X server "
                 "(for example one started with Xvfb).\n",
                 allegro_error[0] ? ": " : "", allegro_error);
}

// Tries a 1024 x 768 window first, then the same mode with any driver.
static bool openScreen()
{
    set_color_depth(32);
    if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 1024, 768, 0, 0) == 0)
        return true;
    if (set_gfx_mode(GFX_AUTODETECT, 1024, 768, 0, 0) == 0)
        return true;
    allegro_message("Error setting graphics mode\n%s\n", allegro_error);
    return false;
}

static void reportMissing(const std::vector<std::string>& missing)
{
    std::string text = "Could not load these files; run the game from the folder that holds "
                       "images/ and sound/:\n";
    for (const std::string& path : missing)
        text += "  " + path + "\n";
    std::fputs(text.c_str(), stderr);
    allegro_message("%s", text.c_str());
}

bool initialise()
{
    // Without a display the library cannot start, and installing the keyboard then would crash.
    if (allegro_init() != 0) {
        reportNoDisplay();
        return false;
    }
    install_keyboard();
    install_timer();
    if (!openScreen())
        return false;
    set_window_title("Ryke");
    set_close_button_callback(onCloseButton);
    // A voice alone may reach full scale (by default it gets half): the sounds are mastered for
    // that, each cue leaving the beat room beneath full scale.
    set_volume_per_voice(0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) != 0)
        allegro_message("Error initialising sound system\n%s\n", allegro_error);
    // Nothing may be drawn or played from a handle that did not load, so every one is checked.
    const std::vector<std::string> missing = loadAssets();
    if (!missing.empty()) {
        reportMissing(missing);
        return false;
    }
    timer.Init();
    return true;
}

#include "shell/startup.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <set>
#include <string>

#include "controls/input.h"
#include "controls/pad.h"
#include "display/window.h"
#include "pause/pause.h"
#include "platform/display.h"
#include "platform/signals.h"
#include "settings/settings.h"
#include "shell/assets.h"
#include "shell/quit.h"
#include "shell/timer.h"

static void onCloseButton() { closeRequested.store(true); }

// The library has one callback for key events; the taps and the pause's focus both read them.
static void onKeyEvent(int scancode)
{
    noteKeyChange(scancode);
    noteKeyEvent(scancode);
}

static void reportNoDisplay()
{
    std::fprintf(stderr,
                 "ryke: no display: the window system could not be started%s%s.\n"
                 "Run the game from a desktop session, or set DISPLAY to a running X server "
                 "(for example one started with Xvfb).\n",
                 allegro_error[0] ? ": " : "", allegro_error);
}

// On stderr and in a message box, since no window is open yet.
static void reportNoDevice(const char* device)
{
    std::fprintf(stderr, "ryke: the %s could not be installed%s%s.\n", device, allegro_error[0] ? ": " : "",
                 allegro_error);
    std::fflush(stderr);
    allegro_message("Ryke cannot start: the %s could not be installed.\n%s\n", device, allegro_error);
}

// The window or fullscreen the player chose (a 1024 x 768 window unless asked otherwise).
static bool openScreen()
{
    if (openGameScreen())
        return true;
    allegro_message("Error setting graphics mode\n%s\n", allegro_error);
    return false;
}

// What is wrong with the folder at path as a folder of assets: "" when it is one.
static std::string folderFault(const std::string& path)
{
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? "the whole folder is missing" : "";
    return S_ISDIR(info.st_mode) ? "" : "is not a folder";
}

// The message box lists this many lines at most, so that it fits the screen and the library's
// 4 KB message buffer; stderr gets them all.
constexpr std::size_t linesInBox = 20;

// One line a refused file, with why; a missing folder, or a file in a folder's place, takes one
// line for all its files, and only a missing one sends the player to the folder the game must be
// started from.
static void reportRefused(const std::vector<RefusedAsset>& refused)
{
    std::vector<std::string> lines;
    std::set<std::string> badFolders, missingFolders;
    for (const RefusedAsset& file : refused) {
        const std::size_t slash = file.path.find('/');
        const std::string folder = file.path.substr(0, slash);
        const std::string fault = slash == std::string::npos ? "" : folderFault(folder);
        if (fault.empty())
            lines.push_back("  " + file.path + ": " + file.reason + "\n");
        else if (badFolders.insert(folder).second)
            lines.push_back("  " + folder + "/: " + fault + "\n");
        if (fault == "the whole folder is missing")
            missingFolders.insert(folder);
    }
    const std::string head = "Ryke cannot start: these files are missing or damaged:\n";
    const std::string hint =
        missingFolders.empty() ? "" : "Run the game from the folder that holds images/ and sound/.\n";
    std::string all, boxed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        all += lines[i];
        boxed += i < linesInBox ? lines[i] : "";
    }
    if (lines.size() > linesInBox)
        boxed += "  ... and " + std::to_string(lines.size() - linesInBox) + " more, listed on the terminal\n";
    std::fputs((head + all + hint).c_str(), stderr);
    // Windows' C library buffers stderr when it is not a console: the lines go out before the box waits.
    std::fflush(stderr);
    allegro_message("%s", (head + boxed + hint).c_str());
}

// A quit request (ESC, the close button, a stop signal) while starting up: latched in gameLoop,
// since ESC may well be up again by the time start-up returns.
static bool quitWhileStarting()
{
    if (quitRequested())
        endProgram();
    return !gameLoop;
}

bool initialise(void (*afterSettings)())
{
    const bool started = allegro_init() == 0;
    // The library put in its own handlers for the stop signals, held back until now.
    takeStopSignals();
    unblockStopSignals();
    // Without a display the library cannot start, and installing the keyboard then would crash.
    if (!started) {
        reportNoDisplay();
        return false;
    }
    if (quitWhileStarting())
        return true;
    loadSettings();
    if (afterSettings)
        afterSettings();
    // Without keys the game could not be played, nor left, and without a timer it would not move.
    if (install_keyboard() != 0) {
        reportNoDevice("keyboard");
        return false;
    }
    keyboard_lowlevel_callback = onKeyEvent;
    if (install_timer() != 0) {
        reportNoDevice("timer");
        return false;
    }
    // A pad is welcome, and none is no matter.
    installPad();
    if (!openScreen())
        return false;
    set_close_button_callback(onCloseButton);
    // A voice alone may reach full scale (by default it gets half): the sounds are mastered for
    // that, each cue leaving the beat room beneath full scale.
    set_volume_per_voice(0);
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) != 0)
        allegro_message("Error initialising sound system\n%s\n", allegro_error);
    // Nothing may be drawn or played from a handle that did not load, so every one is checked.
    const std::vector<RefusedAsset> refused = loadAssets(quitWhileStarting);
    if (quitWhileStarting())
        return true;
    if (!refused.empty()) {
        reportRefused(refused);
        return false;
    }
    timer.Init();
    return true;
}

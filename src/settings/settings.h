#pragma once
// What the player chose, kept between runs in $XDG_CONFIG_HOME/ryke/ryke.cfg (by default
// ~/.config/ryke/; on Windows %APPDATA%\ryke\), in the library's config format, which a person
// can edit: the assist speed, the frame cap, the window's scale, fullscreen, the coach, and the keys. The file is replaced
// whole, as the best scores are, keeping every line the game does not know. A damaged file costs
// one line on stderr: the game plays with the defaults and leaves the file as it is.

#include <string>

#include "controls/bindings.h"
#include "settings/coach_choice.h"

struct Settings {
    int speed = 100;
    int fps = 0;     // the frame cap; 0: none
    int scale = 1;
    bool fullscreen = false;
    CoachChoice coach;
    int keys[slotCount];  // the library's key codes, slot by slot

    Settings();
};

// The settings a file's text holds (what it leaves out keeps its default). When the text is
// damaged, problem says where and why, and the defaults come back.
Settings readSettings(const std::string& text, std::string& problem);
// The text of a settings file holding these settings: the old text with the game's lines set to
// them, and every other line (comments, the library's own sections) kept where it was.
std::string settingsText(const Settings& settings, const std::string& old);

// The file's name inside the folder.
extern const char settingsFile[];
// The folder it is kept in; empty without one.
std::string settingsFolder();

// Writes these settings into the file in folder (both made if missing), under a lock, keeping
// what it held; a damaged file is left as it is. False, with why, when nothing was written.
bool saveSettings(const std::string& folder, const Settings& settings, std::string& problem);

// The game's view: read once at start-up into the speed, the screen and the keys (the library's
// own sections then configure the library too, such as the joystick's device).
void loadSettings();
// Each keeps one choice the player made in the game, and writes the file again: what the command
// line asked for holds for its run only.
void keepSpeed(int speed);
void keepFullscreen(bool fullscreen);
void keepKeys();

// The coach's choice as the file has it (a new player's without one).
CoachChoice coachChoice();
// Switches the coach on or off (the title's C) and keeps it.
void switchCoach();
// One more bout played, kept while it still matters: past the coached bouts the count changes nothing.
void countBout();

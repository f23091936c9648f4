#pragma once
// Where programs keep this player's settings.

#include <string>

// $XDG_CONFIG_HOME, else ~/.config, on Linux; %APPDATA% on Windows. Empty when the environment
// names none, or only a relative path.
std::string playerConfigFolder();

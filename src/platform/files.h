#pragma once
// The few file operations that differ between Linux and Windows, for the best scores file.

#include <ctime>
#include <string>

// The folder where programs keep this player's data: $XDG_DATA_HOME, else ~/.local/share, on
// Linux; %APPDATA% on Windows. Empty when the environment names none, or only a relative path.
std::string playerDataFolder();
// Why playerDataFolder found none, in words for the player.
extern const char noPlayerDataFolder[];

// The calendar time in the player's time zone, by each system's thread-safe call.
std::tm localTime(std::time_t when);

// Makes folder and those above it if missing (mkdir -p), private to the player where the system
// has such rights. False, with why, if that could not be done.
bool makePrivateFolder(const std::string& folder, std::string& problem);

// Replaces folder/name with text at once and whole: a temporary file of its own name (so that
// two games saving at once never write into one), written and flushed to the disk, then renamed
// over the old one. A crash at any moment leaves the old file or the new one. False, with why,
// if that could not be done (the old file is then untouched).
bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem);

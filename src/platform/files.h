#pragma once
// The few file operations that differ between Linux and Windows, for the files the game keeps
// between runs.

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

// The folder where programs keep this player's data: $XDG_DATA_HOME, else ~/.local/share, on
// Linux; %APPDATA% on Windows. Empty when the environment names none, or only a relative path.
std::string playerDataFolder();
// Why playerDataFolder found none, in words for the player.
extern const char noPlayerDataFolder[];

// Makes a file just renamed into folder last: on Linux the folder's entry is flushed to the disk,
// in the browser the folder is copied to the page's lasting store.
void keepFolder(const std::string& folder);

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

// What reading a file the game keeps came to.
enum class FileRead {
    read,     // bytes holds the whole file
    missing,  // there is none yet: no problem
    refused,  // problem says why: not a plain file, too large, unreadable
    stopped,  // a stop signal came meanwhile: the game is ending
};

// Reads path whole into bytes if it is a plain file of at most cap bytes. Nothing can make it
// wait: a pipe or a device in the file's place (or a link to one) is refused without being read,
// the file is read a piece at a time, and a stop signal ends the reading.
FileRead readPlainFile(const std::string& path, std::size_t cap, std::string& bytes, std::string& problem);

// Why folder is no place for the player's files: another user owns it, or others may write in
// it (and so plant files there); "" when it is the player's own. Windows guards its folders
// with access lists, which the roaming folder keeps to its user: there it is always "".
std::string foreignFolder(const std::string& folder);

// Holds the lock that serialises the games saving folder/name: a lock file beside it
// (name.lock), locked with flock on Linux and LockFileEx on Windows, released at the latest when
// the process ends however it ends. Waits a few seconds for another game to finish, less if a
// stop signal comes.
class FileLock {
public:
    FileLock(const std::string& folder, const std::string& name);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool held() const { return handle != -1; }
    // Why it is not held.
    const std::string& problem() const { return why; }

private:
    std::intptr_t handle = -1;
    std::string why;
};

// Removes the temporary files of folder/name that saves killed midway left behind. Called with
// the FileLock held: no other save is under way then, so every one found is such a leftover.
void removeLeftoverTemporaries(const std::string& folder, const std::string& name);

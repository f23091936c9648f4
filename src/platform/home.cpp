// Where the player's files live on Linux, and how a rename there is made to last.
#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>

const char noPlayerDataFolder[] = "neither XDG_DATA_HOME nor HOME is set";

std::string playerDataFolder()
{
    // XDG's base directory rules ignore a relative XDG_DATA_HOME.
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/')
        return data;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share";
    return "";
}

void keepFolder(const std::string& folder)
{
    // A rename lasts once the folder's entry is on the disk.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

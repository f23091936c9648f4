// The player's data folder on Windows is %APPDATA%.
#include "platform/files.h"

#include <cctype>
#include <cstdlib>

const char noPlayerDataFolder[] = "APPDATA names no folder";

std::string playerDataFolder()
{
    // Only a whole path will do (C:\Users\... or \\server\share\...): a relative one would
    // depend on the folder the game was started in.
    const char* data = std::getenv("APPDATA");
    if (!data)
        return "";
    const std::string folder = data;
    const bool drive = folder.size() > 2 && std::isalpha(static_cast<unsigned char>(folder[0])) && folder[1] == ':' &&
                       (folder[2] == '\\' || folder[2] == '/');
    const bool share = folder.rfind("\\\\", 0) == 0 || folder.rfind("//", 0) == 0;
    return drive || share ? folder : "";
}

// MoveFileEx is asked to write through: the rename is on the disk when it returns.
void keepFolder(const std::string&) {}

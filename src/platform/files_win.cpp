// The player's data folder is %APPDATA%. Windows has neither mkstemp nor a rename that replaces:
// a temporary file made exclusively, committed to the disk, then moved over the old one with
// MoveFileEx.
#include "platform/files.h"

#include <windows.h>

#include <direct.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

std::tm localTime(std::time_t when)
{
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}

bool makePrivateFolder(const std::string& folder, std::string& problem)
{
    for (std::size_t slash = folder.find_first_of("/\\", 1);; slash = folder.find_first_of("/\\", slash + 1)) {
        const std::string part = folder.substr(0, slash);
        // "C:" names a drive, not a folder to make.
        if (!(part.size() == 2 && part[1] == ':') && _mkdir(part.c_str()) != 0 && errno != EEXIST) {
            problem = part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem)
{
    const std::string path = folder + "/" + name;
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/." + name + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        fd = _open(temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        problem = folder + ": cannot write there: " + std::strerror(errno);
        return false;
    }
    const bool written = _write(fd, text.data(), static_cast<unsigned>(text.size())) == static_cast<int>(text.size()) &&
                         _commit(fd) == 0;
    const bool closed = _close(fd) == 0;
    if (!written || !closed ||
        !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        problem = path + ": cannot be written";
        _unlink(temporary.c_str());
        return false;
    }
    return true;
}

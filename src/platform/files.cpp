#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

bool writeAll(int fd, const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

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

std::tm localTime(std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

bool makePrivateFolder(const std::string& folder, std::string& problem)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            problem = part + ": " + std::strerror(errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem)
{
    std::string temporary = folder + "/." + name + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        problem = folder + ": cannot write there: " + std::strerror(errno);
        return false;
    }
    const bool written = writeAll(fd, text) && fchmod(fd, 0600) == 0 && fsync(fd) == 0;
    const int error = errno;
    const bool closed = close(fd) == 0;
    const std::string path = folder + "/" + name;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        problem = path + ": cannot be written: " + std::strerror(written && closed ? errno : error);
        unlink(temporary.c_str());
        return false;
    }
    // The rename itself lasts once the folder's entry is on the disk.
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

#include "platform/files.h"

#include <emscripten.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

// The page keeps the player's data in the browser's IndexedDB: the page mounts it at this
// folder and loads it before the game starts.
const char noPlayerDataFolder[] = "the page keeps no data";

std::string playerDataFolder() { return "/home/web_user/.local/share"; }

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

// The file is whole in memory once renamed; the copy in IndexedDB follows in the background,
// all of the folder at once, so a page closed meanwhile keeps the old scores or the new ones.
bool replaceFile(const std::string& folder, const std::string& name, const std::string& text, std::string& problem)
{
    const std::string path = folder + "/" + name;
    const std::string temporary = folder + "/." + name + ".new";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (!out) {
        problem = folder + ": cannot write there: " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = path + ": cannot be written: " + std::strerror(errno);
        std::remove(temporary.c_str());
        return false;
    }
    EM_ASM({
        FS.syncfs(false, function(error) {
            if (error)
                err('ryke: best scores: the browser did not keep them: ' + error);
        });
    });
    return true;
}

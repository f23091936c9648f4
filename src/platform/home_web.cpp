// The page keeps the player's data in the browser's IndexedDB, mounted at one folder and loaded
// before the game starts.
#include "platform/files.h"

#include <emscripten.h>

const char noPlayerDataFolder[] = "the page keeps no data";

std::string playerDataFolder() { return "/home/web_user/.local/share"; }

// The file is whole in memory once renamed; the copy in IndexedDB follows in the background,
// all of the folder at once, so a page closed meanwhile keeps the old files or the new ones.
void keepFolder(const std::string&)
{
    EM_ASM({
        FS.syncfs(false, function(error) {
            if (error)
                err('ryke: the browser did not keep the saved files: ' + error);
        });
    });
}

// The page keeps the player's data in the browser's IndexedDB, mounted at one folder and loaded
// before the game starts.
#include "platform/files.h"

#include <emscripten.h>

const char noPlayerDataFolder[] = "the page keeps no data";

std::string playerDataFolder() { return "/home/web_user/.local/share"; }

// Copies the whole folder to IndexedDB and waits for it (a few milliseconds), the game's turn
// given back meanwhile: a page closed before then keeps the old files or the new ones, and the
// game never ends with the copy still under way, which would leave the page waiting for it.
EM_ASYNC_JS(int, copyToLastingStore, (), {
    return await new Promise(function(done) {
        FS.syncfs(false, function(error) {
            if (error)
                err('ryke: the browser did not keep the saved files: ' + error);
            done(error ? 1 : 0);
        });
    });
});

void keepFolder(const std::string&) { copyToLastingStore(); }

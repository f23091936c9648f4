// The page keeps the settings where it keeps the best scores: the folder it copies to the
// browser's IndexedDB (platform/files.h's keepFolder), so that they last.
#include "platform/config_folder.h"

#include "platform/files.h"

std::string playerConfigFolder() { return playerDataFolder(); }

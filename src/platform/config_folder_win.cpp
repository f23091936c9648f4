#include "platform/config_folder.h"

#include "platform/files.h"

// Windows keeps settings and data alike in the roaming application data folder.
std::string playerConfigFolder() { return playerDataFolder(); }

#pragma once
// How the game reads and sets aside the files it keeps between runs (the best scores and any
// other), and quotes them: a file there may be damaged, hostile, or not a file at all.

#include <cstddef>
#include <string>

#include "platform/files.h"

// No file the game keeps comes near this; a larger one is refused unread.
constexpr std::size_t storeFileCap = 64 * 1024;

// Reads folder/name whole into bytes: only a plain file of at most cap bytes, in a folder the
// player owns and no one else may write in, read without ever waiting (see readPlainFile). A
// missing folder or file holds nothing and is no problem; otherwise problem says why not.
FileRead readStoreFile(const std::string& folder, const std::string& name, std::string& bytes, std::string& problem,
                       std::size_t cap = storeFileCap);

// Moves folder/name, which the game could not read or understand, out of the way under a name
// that says so (name.damaged-YYYY-MM-DD, or with -2, -3, ... if taken), so that a new file never
// replaces what it held. The new name, or "" with why. Called under the file's FileLock.
std::string setAside(const std::string& folder, const std::string& name, std::string& problem);

// Text from a file or the environment as a message may quote it: every control byte shown as
// '?', and cut to at most length bytes (ending in "...").
std::string printable(const std::string& text, std::size_t length);

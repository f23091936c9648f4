#pragma once
// Checks an asset file before the library reads it: the library's loaders believe whatever a
// file's header claims, so a damaged or hostile file could crash the game or take gigabytes.
// Every check returns why the file is refused, in a few words, or "" when it may be loaded.

#include <string>

// The game's pictures are run-length PCX in 24-bit colour (three planes of 8 bits), no larger
// than the screen, every row present and nothing after the last.
std::string pictureFault(const std::string& bytes);

// The game's sounds are WAV files exactly as long as they say, whose parts all lie within them,
// at an ordinary sampling rate (8000 to 48000 a second), with some sound in them.
std::string soundFault(const std::string& bytes);

// Reads a whole file into bytes, or says why it cannot: missing, a folder, unreadable, too large.
std::string readAssetFile(const char* path, std::string& bytes);

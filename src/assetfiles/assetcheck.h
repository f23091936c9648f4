#pragma once
// Checks an asset file before the library reads it: the library's loaders believe whatever a
// file's header claims, so a damaged or hostile file could crash the game or take gigabytes.
// Every check returns why the file is refused, in a few words, or "" when it may be loaded.

#include <string>

// What a picture that passed its check decodes to.
struct PictureShape {
    long width = 0, height = 0;
};

// What a sound that passed its check decodes to.
struct SoundShape {
    unsigned bits = 0, channels = 0;
    long rate = 0, frames = 0;
};

// The game's pictures are run-length PCX in 24-bit colour (three planes of 8 bits), no larger
// than the screen, every row present and nothing after the last. shape, if given, is filled for
// a picture that passes.
std::string pictureFault(const std::string& bytes, const PictureShape& largest, PictureShape* shape = nullptr);

// The game's sounds are WAV files exactly as long as they say, whose parts all lie within them:
// one PCM format (8 or 16 bits, 1 or 2 channels, 8000 to 48000 samples a second), then one block
// of whole samples. shape, if given, is filled for a sound that passes.
std::string soundFault(const std::string& bytes, SoundShape* shape = nullptr);

// Reads a whole file into bytes, or says why it cannot: missing, a folder, unreadable, too large.
std::string readAssetFile(const char* path, std::string& bytes);

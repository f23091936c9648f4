// Arbitrary bytes through the picture and sound checks. Whatever a check accepts goes on through
// the library's decoder, from memory as the game does it, and must come out as the check said:
// accepted means safe to decode, and decoded as expected.

#include <allegro.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "assetfiles/assetcheck.h"
#include "assetfiles/decode.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (install_allegro(SYSTEM_NONE, &errno, atexit) != 0)
        std::abort();
    // The game's depth, so that pictures are converted as they are in the game.
    set_color_depth(32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    PictureShape picture;
    if (pictureFault(bytes, {1024, 768}, &picture).empty()) {
        BITMAP* decoded = decodePicture(bytes);
        if (!decoded || decoded->w != picture.width || decoded->h != picture.height)
            std::abort();
        destroy_bitmap(decoded);
    }
    SoundShape sound;
    if (soundFault(bytes, &sound).empty()) {
        SAMPLE* decoded = decodeSound(bytes);
        if (!decoded || static_cast<unsigned>(decoded->bits) != sound.bits ||
            (decoded->stereo ? 2u : 1u) != sound.channels || decoded->freq != sound.rate ||
            static_cast<long>(decoded->len) != sound.frames)
            std::abort();
        destroy_sample(decoded);
    }
    return 0;
}

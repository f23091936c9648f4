// The checks a picture or sound must pass before the library may read it: every shipped file
// passes, and each kind of damage is refused with its reason.

#include <gtest/gtest.h>

#include <functional>

#include "shell/assetcheck.h"
#include "shell/assets.h"

namespace {

std::string contents(const char* path)
{
    std::string bytes;
    EXPECT_EQ("", readAssetFile(path, bytes)) << path;
    return bytes;
}

void put16(std::string& b, size_t at, unsigned value)
{
    b[at] = static_cast<char>(value & 0xFF);
    b[at + 1] = static_cast<char>(value >> 8);
}

void put32(std::string& b, size_t at, unsigned long value)
{
    put16(b, at, value & 0xFFFF);
    put16(b, at + 2, value >> 16);
}

// A 1 x 1 picture: the header of the shipped ones, then the three planes of its one row.
std::string onePixel(const std::string& rows)
{
    std::string b = contents("images/int_life.pcx").substr(0, 128);
    put16(b, 8, 0);
    put16(b, 10, 0);
    put16(b, 66, 1);
    return b + rows;
}

TEST(AssetCheck, EveryShippedFilePasses)
{
    for (const PictureAsset& a : pictureAssets)
        EXPECT_EQ("", pictureFault(contents(a.path))) << a.path;
    for (const SampleAsset& a : sampleAssets)
        EXPECT_EQ("", soundFault(contents(a.path))) << a.path;
}

TEST(AssetCheck, DamagedFilesAreRefusedWithTheirReason)
{
    using Damage = std::function<void(std::string&)>;
    struct Case {
        const char* file;  // a shipped file (300 x 56 picture, 44-byte WAV header), or a 1 x 1 picture
        Damage damage;
        const char* reason;
    };
    const std::string pixel = onePixel("\x01\x02\x03");
    // clang-format off
    const Case cases[] = {
        {"images/int_life.pcx", [](std::string& b) { b.clear(); },                 "is empty"},
        {"images/int_life.pcx", [](std::string& b) { b += "x"; },                  "has data after its last row"},
        {"images/int_life.pcx", [](std::string& b) { b[1] = 3; },                  "not a run-length PCX of version 5"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 8, 1024); },         "claims 1025 x 56 pixels (the screen is 1024 x 768)"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 10, 768); },         "claims 300 x 769 pixels (the screen is 1024 x 768)"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 4, 301); },          "claims -1 x 56 pixels (the screen is 1024 x 768)"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 6, 56); },           "claims 300 x 0 pixels (the screen is 1024 x 768)"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 66, 299); },         "has rows of 299 bytes for 300 pixels"},
        {"images/int_life.pcx", [](std::string& b) { put16(b, 66, 302); },         "has rows of 302 bytes for 300 pixels"},
        {"1 x 1",               [](std::string&) {},                               ""},
        {"1 x 1",               [](std::string& b) { b.replace(128, 3, "\xC3\x07"); }, ""},
        {"1 x 1",               [](std::string& b) { b.replace(128, 3, "\xC2\x07"); }, "cut short"},
        {"1 x 1",               [](std::string& b) { b.replace(128, 3, "\x01\xC2"); }, "cut short"},
        {"sound/grunt.wav",     [](std::string& b) { b += "x"; },                  "has data after its end"},
        {"sound/grunt.wav",     [](std::string& b) { b.resize(b.size() - 3); put32(b, 4, b.size() - 8); },
                                "damaged: a part runs past its end"},
        {"sound/grunt.wav",     [](std::string& b) { put32(b, 24, 7999); },        "plays at 7999 samples a second"},
        {"sound/grunt.wav",     [](std::string& b) { put32(b, 24, 48001); },       "plays at 48001 samples a second"},
        {"sound/grunt.wav",     [](std::string& b) { b.replace(12, 4, "junk"); },  "has no sound format"},
        {"sound/grunt.wav",     [](std::string& b) { b.resize(44); put32(b, 4, 36); put32(b, 40, 0); },
                                "holds no sound"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = c.file;
        std::string bytes = name == "1 x 1" ? pixel : contents(c.file);
        c.damage(bytes);
        const bool picture = name.find(".wav") == std::string::npos;
        EXPECT_EQ(c.reason, picture ? pictureFault(bytes) : soundFault(bytes)) << c.file << ", case " << &c - cases;
    }
}

} // namespace

// The checks a picture or sound must pass before the library may read it: every shipped file
// passes, and each kind of damage is refused with its reason.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "assetfiles/assetcheck.h"
#include "shell/assets.h"
#include "support/asset_bytes.h"

namespace {

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
        EXPECT_EQ("", pictureFault(contents(a.path), {1024, 768})) << a.path;
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
        {"sound/grunt.wav",     [](std::string& b) { put32(b, 24, 0xFFFFFFFB); }, "plays at -5 samples a second"},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 20, 3); },         "is not plain PCM sound (format 3)"},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 22, 3); },         "has 3 channels, not 1 or 2"},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 34, 24); },        "has 24-bit samples, not 8 or 16"},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 22, 2); },         ""},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 34, 8); b += "x"; put32(b, 40, 15877); put32(b, 4, b.size() - 8); },
                                ""},
        {"sound/grunt.wav",     [](std::string& b) { put16(b, 22, 2); put32(b, 40, 15874); b.resize(b.size() - 2); put32(b, 4, b.size() - 8); },
                                "holds 15874 bytes of sound, not whole samples of 4"},
        // The library reads sixteen bytes of a format part claiming fewer, and takes the part after
        // it from the middle of the sound.
        {"sound/grunt.wav",     [](std::string& b) { put32(b, 16, 0); b.insert(20, "data\xF0\xFF\xFF\x7F", 8); put32(b, 4, b.size() - 8); },
                                "has a sound format cut short"},
        // An odd last byte of 16-bit sound, left unread by the library, starts the header of a
        // part claiming 2 GB.
        {"sound/grunt.wav",     [](std::string& b) { b += "ata\xF0\xFF\xFF\x7F"; b[b.size() - 9] = 'd';
                                    put32(b, 40, 15877); put32(b, 4, b.size() - 8); },
                                "holds 15877 bytes of sound, not whole samples of 2"},
        // The library plays by the format it has read when the sound comes.
        {"sound/grunt.wav",     [](std::string& b) { std::string good = b.substr(12, 24); put32(b, 24, 0xFFFFFFFB);
                                    b += good; put32(b, 4, b.size() - 8); },
                                "plays at -5 samples a second"},
        {"sound/grunt.wav",     [](std::string& b) { b += b.substr(12, 24); put32(b, 4, b.size() - 8); },
                                "has more than one sound format"},
        {"sound/grunt.wav",     [](std::string& b) { b += b.substr(36, 8) + b.substr(44, 4); put32(b, b.size() - 8, 4);
                                    put32(b, 4, b.size() - 8); },
                                "has more than one block of sound"},
        {"sound/grunt.wav",     [](std::string& b) { b = b.substr(0, 12) + b.substr(36) + b.substr(12, 24); },
                                "has its sound before its format"},
        {"sound/grunt.wav",     [](std::string& b) { b.insert(36, "LIST\x03\0\0\0abc", 11); put32(b, 4, b.size() - 8); },
                                ""},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = c.file;
        std::string bytes = name == "1 x 1" ? pixel : contents(c.file);
        c.damage(bytes);
        const bool picture = name.find(".wav") == std::string::npos;
        EXPECT_EQ(c.reason, picture ? pictureFault(bytes, {1024, 768}) : soundFault(bytes)) << c.file << ", case " << &c - cases;
    }
}

TEST(AssetCheck, AFileTooLargeIsNotReadAtAll)
{
    const std::string path = testing::TempDir() + "ryke-large.pcx";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, file);
    // Sparse: the size is all that is looked at.
    ASSERT_EQ(0, std::fseek(file, (17 << 20) - 1, SEEK_SET));
    std::fputc(0, file);
    std::fclose(file);
    std::string bytes;
    EXPECT_EQ("is too large (17 MB)", readAssetFile(path.c_str(), bytes));
    EXPECT_TRUE(bytes.empty());
    std::remove(path.c_str());
}

} // namespace

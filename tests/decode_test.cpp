// Decoding from memory: the library makes of the checked bytes exactly what it makes of the
// file, the check knows in advance what that will be, and a stop request ends a long decoding.

#include <gtest/gtest.h>

#include <cstring>

#include "assetfiles/assetcheck.h"
#include "shell/assets.h"
#include "assetfiles/decode.h"
#include "support/headless.h"
#include "support/asset_bytes.h"

namespace {

bool samePixels(BITMAP* a, BITMAP* b)
{
    if (a->w != b->w || a->h != b->h || bitmap_color_depth(a) != bitmap_color_depth(b))
        return false;
    for (int y = 0; y < a->h; ++y)
        if (std::memcmp(a->line[y], b->line[y], a->w * 4) != 0)
            return false;
    return true;
}

TEST(Decode, EveryShippedFileDecodesFromMemoryAsFromItsFileAndAsItsCheckSaid)
{
    for (const PictureAsset& a : pictureAssets) {
        const std::string bytes = contents(a.path);
        PictureShape shape;
        ASSERT_EQ("", pictureFault(bytes, {1024, 768}, &shape)) << a.path;
        BITMAP* fromFile = load_bitmap(a.path, nullptr);
        BITMAP* fromMemory = decodePicture(bytes);
        ASSERT_TRUE(fromFile && fromMemory) << a.path;
        EXPECT_TRUE(samePixels(fromFile, fromMemory)) << a.path;
        EXPECT_EQ(shape.width, fromMemory->w) << a.path;
        EXPECT_EQ(shape.height, fromMemory->h) << a.path;
        destroy_bitmap(fromFile);
        destroy_bitmap(fromMemory);
    }
    for (const SampleAsset& a : sampleAssets) {
        const std::string bytes = contents(a.path);
        SoundShape shape;
        ASSERT_EQ("", soundFault(bytes, &shape)) << a.path;
        SAMPLE* fromFile = load_sample(a.path);
        SAMPLE* fromMemory = decodeSound(bytes);
        ASSERT_TRUE(fromFile && fromMemory) << a.path;
        EXPECT_EQ(fromFile->len, fromMemory->len) << a.path;
        EXPECT_EQ(0, std::memcmp(fromFile->data, fromMemory->data, fromFile->len * 2)) << a.path;
        EXPECT_EQ(shape.bits, static_cast<unsigned>(fromMemory->bits)) << a.path;
        EXPECT_EQ(shape.channels, fromMemory->stereo ? 2u : 1u) << a.path;
        EXPECT_EQ(shape.rate, fromMemory->freq) << a.path;
        EXPECT_EQ(shape.frames, static_cast<long>(fromMemory->len)) << a.path;
        destroy_sample(fromFile);
        destroy_sample(fromMemory);
    }
}

int asks;
int stopAtAsk;
bool countedStop() { return ++asks == stopAtAsk; }

TEST(Decode, AStopRequestEndsDecodingAtOnceAndYieldsNothing)
{
    // A megabyte of runs of no length before the first row: slow to decode, and still the picture.
    std::string padded = contents("images/int_life.pcx");
    std::string nothing;
    for (int i = 0; i < 1 << 19; ++i)
        nothing += std::string("\xC0\0", 2);
    padded.insert(128, nothing);
    ASSERT_EQ("", pictureFault(padded, {1024, 768}));

    asks = 0;
    stopAtAsk = -1;
    BITMAP* whole = decodePicture(padded, countedStop);
    ASSERT_NE(nullptr, whole) << "a stop never asked for changes nothing";
    destroy_bitmap(whole);
    EXPECT_GE(asks, 16) << "asked at least every 64 KB";

    asks = 0;
    stopAtAsk = 2;
    EXPECT_EQ(nullptr, decodePicture(padded, countedStop));
    EXPECT_EQ(2, asks) << "nothing more is read once the stop has come";
    asks = 0;
    stopAtAsk = 1;
    EXPECT_EQ(nullptr, decodeSound(contents("sound/grunt.wav"), countedStop));
}

} // namespace

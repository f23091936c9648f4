#include "support/headless.h"

#include <allegro.h>
#include <unistd.h>

#include "shell/assets.h"

namespace {

// Brings the library up once per test program and loads the assets from the repository.
class HeadlessLibrary : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_EQ(0, chdir(RYKE_SOURCE_DIR)) << "the assets are read relative to the repository root";
        std::string error;
        ASSERT_TRUE(startHeadless(error)) << error;
    }
};

const ::testing::Environment* const library = ::testing::AddGlobalTestEnvironment(new HeadlessLibrary);

} // namespace

void releaseAssets()
{
    // Emptied handles, so that a test can tell what a later load did not reach.
    for (const SampleAsset& a : sampleAssets) {
        if (*a.handle)
            destroy_sample(*a.handle);
        *a.handle = nullptr;
    }
    for (const PictureAsset& a : pictureAssets) {
        if (*a.handle)
            destroy_bitmap(*a.handle);
        *a.handle = nullptr;
    }
    destroy_bitmap(buffer);
    buffer = nullptr;
}

void Stage::SetUp()
{
    freshBout();
    clearRecords();
}

void Stage::TearDown()
{
    EXPECT_EQ(std::vector<std::string>{}, unknownDrawing) << "drawn past the recorder";
}

void Stage::press(int keyCode) { key[keyCode] = 1; }

void Stage::release(int keyCode) { key[keyCode] = 0; }

void Stage::releaseAll()
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
}

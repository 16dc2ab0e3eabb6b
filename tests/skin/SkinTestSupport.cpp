#include "tests/skin/SkinTestSupport.h"

#include <cstdlib>
#include <filesystem>

namespace skintest {

std::string TestFolder()
{
    const char* binary = std::getenv("SCOUTREL_BINARY_DIR");
    std::filesystem::path folder = binary != nullptr ? std::filesystem::path(binary) / "tests-skin-files"
                                                     : std::filesystem::temp_directory_path() / "scoutrel-skin-tests";
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string WriteStripPng(const std::string& name, int count, int stateWidth, int height, int extraColumns)
{
    platform::Bitmap strip(count * stateWidth + extraColumns, height);
    strip.Clear(0xFFFFFFFF);
    for (int state = 0; state < count; ++state) {
        for (int x = 0; x < stateWidth; ++x) {
            for (int y = 0; y < height; ++y) {
                strip.SetPixel(state * stateWidth + x, y, kStateColours[static_cast<std::size_t>(state) % kStateColours.size()]);
            }
        }
    }
    const std::string path = TestFolder() + "/" + name;
    EXPECT_TRUE(strip.SavePng(path));
    return path;
}

platform::Argb PixelOf(const platform::Window& topLevel, int x, int y)
{
    const platform::Bitmap* store = topLevel.BackStore();
    return store != nullptr ? store->PixelAt(x, y) : 0;
}

void SkinWindowTest::SetUp()
{
    parent.SetBackgroundColor(kParentColour);
    ASSERT_TRUE(parent.Create(nullptr, platform::Rect{100, 100, 400, 300}, platform::WS_POPUP | platform::WS_VISIBLE));
    Paint();
}

void SkinWindowTest::TearDown()
{
    parent.Destroy();
    host.Pump();
}

} // namespace skintest

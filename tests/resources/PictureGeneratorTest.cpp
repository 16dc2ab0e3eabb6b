// The committed pictures are exactly what the picture generator draws, so the
// artwork can always be remade from its source.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/resources/ResourceTestFiles.h"

namespace {

TEST(PictureGenerator, ReproducesTheCommittedPicturesByteForByte)
{
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() / ("scoutrel-picturegen-" + std::to_string(::getpid()));
    std::filesystem::remove_all(output);
    const std::string command = std::string("'") + SCOUTREL_PICTUREGEN_PATH + "' '" + output.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const char* files[] = {"SearchDevice_BlackGround.bmp", "SearchDevice_BlackGround.png", "Brush.png", "logo.png",
                           "headerbackground.png", "headerclip.png", "close.png", "ButtonMax.png"};
    std::size_t written = 0;
    for (const auto& entry : std::filesystem::directory_iterator(output)) {
        (void)entry;
        ++written;
    }
    EXPECT_EQ(written, std::size(files)) << "the generator writes exactly the eight pictures";
    for (const char* file : files) {
        SCOPED_TRACE(file);
        EXPECT_TRUE(ReadWholeFile(output / file) == ReadWholeFile(ResourceSourcePath(std::string("pictures/") + file)))
            << "regenerate with: scoutrel_picturegen resources/pictures";
    }
    std::filesystem::remove_all(output);
}

}  // namespace

// Draws the built-in pictures of the main window into a folder.
//   scoutrel_picturegen OUTPUT_FOLDER      the eight picture files
//   scoutrel_picturegen --preview FOLDER   a mock of the main window and
//                                          magnified copies, to look at
// Run it by hand when the artwork changes and commit its output under
// resources/pictures; a test checks that the committed files match it.
#include <exception>
#include <filesystem>
#include <iostream>
#include <string_view>

#include "tools/picturegen/MockComposition.h"
#include "tools/picturegen/PictureFiles.h"
#include "tools/picturegen/Pictures.h"

namespace {

void WritePictures(const std::filesystem::path& folder)
{
    WriteBytes(EncodeBmp24(DrawRegionPicture().get()), folder / "SearchDevice_BlackGround.bmp");
    WritePng(DrawBackground().get(), folder / "SearchDevice_BlackGround.png");
    WritePng(DrawHintBand().get(), folder / "Brush.png");
    WritePng(DrawLogo().get(), folder / "logo.png");
    WritePng(DrawHeaderBackground().get(), folder / "headerbackground.png");
    WritePng(DrawHeaderSeparator().get(), folder / "headerclip.png");
    WritePng(DrawCloseStrip().get(), folder / "close.png");
    WritePng(DrawButtonStrip().get(), folder / "ButtonMax.png");
}

int Usage()
{
    std::cerr << "usage: scoutrel_picturegen OUTPUT_FOLDER\n"
                 "       scoutrel_picturegen --preview FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        if (argc == 2 && std::string_view(argv[1]).substr(0, 1) != "-") {
            std::filesystem::create_directories(argv[1]);
            WritePictures(argv[1]);
            return 0;
        }
        if (argc == 3 && std::string_view(argv[1]) == "--preview") {
            std::filesystem::create_directories(argv[2]);
            WritePreviews(argv[2]);
            return 0;
        }
        return Usage();
    } catch (const std::exception& error) {
        std::cerr << "scoutrel_picturegen: " << error.what() << '\n';
        return 1;
    }
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/ConfigFiles.h"
#include "layout/ConfigPaths.h"
#include "resources/EmbeddedResources.h"
#include "tests/layout/EnvironmentGuard.h"

namespace {

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<unsigned char> Resource(int id, std::string_view type) {
    const auto bytes = FindEmbeddedResource(id, type);
    EXPECT_TRUE(bytes) << id << " " << type;
    return bytes ? std::vector<unsigned char>(bytes->begin(), bytes->end()) : std::vector<unsigned char>();
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

struct PictureFile {
    int id;
    const char* type;
    const char* name;
};

constexpr PictureFile kPictures[] = {
    {158, "BMP", "SearchDevice_BlackGround.bmp"}, {146, "PNG", "SearchDevice_BlackGround.png"},
    {139, "PNG", "Brush.png"},                    {144, "PNG", "logo.png"},
    {147, "PNG", "headerbackground.png"},         {148, "PNG", "headerclip.png"},
    {141, "PNG", "close.png"},                    {140, "PNG", "ButtonMax.png"},
};

class ConfigFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char folder[] = "/tmp/scoutrel-config-XXXXXX";
        ASSERT_NE(::mkdtemp(folder), nullptr);
        base_ = folder;
        environment_.Set("SCOUTREL_BASE_DIR", base_);
        environment_.Set("LC_ALL", "C");
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(base_, ignored);
    }

    std::string ToolFolder() const { return base_ + "/ZelvoSearchTools"; }
    std::string PictureFolder() const { return ToolFolder() + "/Picture"; }
    std::string LayoutFile() const { return ToolFolder() + "/WndLayoutInfo.xml"; }

    std::string base_;
    EnvironmentGuard environment_;
};

TEST_F(ConfigFilesTest, WritesTheLanguagesLayoutAndEveryPictureByteForByte) {
    ASSERT_EQ(CreateConfigFiles(), TRUE);
    EXPECT_EQ(ReadBytes(LayoutFile()), Resource(150, "XML"));
    for (const PictureFile& picture : kPictures) {
        EXPECT_EQ(ReadBytes(PictureFolder() + "/" + picture.name), Resource(picture.id, picture.type))
            << picture.name;
    }

    environment_.Set("LC_ALL", "ja_JP.UTF-8");
    ASSERT_EQ(CreateConfigFiles(), TRUE);
    EXPECT_EQ(ReadBytes(LayoutFile()), Resource(159, "XML"));
}

TEST_F(ConfigFilesTest, ReplacesExistingFilesCompletely) {
    ASSERT_EQ(::mkdir(ToolFolder().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(PictureFolder().c_str(), 0755), 0);
    const std::string older(20000, 'x');  // longer than any built-in file
    std::ofstream(LayoutFile()) << older;
    std::ofstream(PictureFolder() + "/logo.png") << older;

    ASSERT_EQ(CreateConfigFiles(), TRUE);
    EXPECT_EQ(ReadBytes(LayoutFile()), Resource(150, "XML"));
    EXPECT_EQ(ReadBytes(PictureFolder() + "/logo.png"), Resource(144, "PNG"));
}

TEST_F(ConfigFilesTest, FailsWhenTheBaseFolderIsMissingOrNotAFolder) {
    // Only the last level of each folder is created.
    environment_.Set("SCOUTREL_BASE_DIR", base_ + "/missing");
    EXPECT_EQ(CreateConfigFiles(), FALSE);
    EXPECT_FALSE(Exists(base_ + "/missing"));

    std::ofstream(base_ + "/plain-file") << "not a folder";
    environment_.Set("SCOUTREL_BASE_DIR", base_ + "/plain-file");
    EXPECT_EQ(CreateConfigFiles(), FALSE);
}

TEST_F(ConfigFilesTest, FailsWithoutBaseFolderInsteadOfWritingAtTheRoot) {
    environment_.Unset("SCOUTREL_BASE_DIR");
    environment_.Unset("XDG_DATA_HOME");
    environment_.Unset("HOME");
    EXPECT_EQ(CreateConfigFiles(), FALSE);
    EXPECT_FALSE(Exists("/ZelvoSearchTools"));
}

TEST_F(ConfigFilesTest, PictureFolderThatIsAPlainFileFailsBeforeAnyWrite) {
    ASSERT_EQ(::mkdir(ToolFolder().c_str(), 0755), 0);
    std::ofstream(PictureFolder()) << "not a folder";
    EXPECT_EQ(CreateConfigFiles(), FALSE);
    EXPECT_FALSE(Exists(LayoutFile()));
}

TEST_F(ConfigFilesTest, StopsAtTheFirstPictureThatCannotBeWritten) {
    ASSERT_EQ(::mkdir(ToolFolder().c_str(), 0755), 0);
    ASSERT_EQ(::mkdir(PictureFolder().c_str(), 0755), 0);
    // A folder in the place of the third picture cannot be opened as a file.
    ASSERT_EQ(::mkdir((PictureFolder() + "/Brush.png").c_str(), 0755), 0);

    EXPECT_EQ(CreateConfigFiles(), FALSE);
    EXPECT_TRUE(Exists(LayoutFile()));
    EXPECT_TRUE(Exists(PictureFolder() + "/SearchDevice_BlackGround.bmp"));
    EXPECT_TRUE(Exists(PictureFolder() + "/SearchDevice_BlackGround.png"));
    for (const char* later : {"logo.png", "headerbackground.png", "headerclip.png", "close.png", "ButtonMax.png"}) {
        EXPECT_FALSE(Exists(PictureFolder() + "/" + later)) << later;
    }
}

TEST_F(ConfigFilesTest, UnknownResourceWritesNothing) {
    const std::string target = base_ + "/unknown.bin";
    EXPECT_EQ(WriteResourceToFile(150, "PNG", target), FALSE);
    EXPECT_EQ(WriteResourceToFile(9999, "XML", target), FALSE);
    EXPECT_FALSE(Exists(target));
    EXPECT_EQ(WriteResourceToFile(144, "PNG", target), TRUE);
    EXPECT_EQ(ReadBytes(target), Resource(144, "PNG"));
}

}  // namespace

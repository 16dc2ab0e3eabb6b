#include <gtest/gtest.h>

#include <string>

#include "layout/ConfigPaths.h"
#include "tests/layout/EnvironmentGuard.h"

namespace {

struct BaseFolderCase {
    const char* baseDir;   // nullptr: unset
    const char* dataHome;  // nullptr: unset
    const char* home;      // nullptr: unset
    std::string expected;
};

TEST(GetConfigBaseFolderTest, TakesTheFirstUsableSourceWithoutTrailingSeparator) {
    const BaseFolderCase cases[] = {
        {"/srv/base", "/data", "/home/u", "/srv/base"},
        {"/srv/base///", nullptr, nullptr, "/srv/base"},
        {"", "/data/", "/home/u", "/data"},
        {nullptr, "/data", "/home/u", "/data"},
        // A relative data home is not used.
        {nullptr, "relative/data", "/home/u", "/home/u/.local/share"},
        {nullptr, "", "/home/u/", "/home/u/.local/share"},
        {nullptr, nullptr, "/home/u", "/home/u/.local/share"},
        // The root alone would look like "no folder"; it is passed over.
        {"/", nullptr, "/home/u", "/home/u/.local/share"},
        {nullptr, nullptr, nullptr, ""},
        {"", "", "", ""},
    };
    for (const BaseFolderCase& c : cases) {
        EnvironmentGuard environment;
        const auto apply = [&](const char* name, const char* value) {
            if (value) environment.Set(name, value); else environment.Unset(name);
        };
        apply("SCOUTREL_BASE_DIR", c.baseDir);
        apply("XDG_DATA_HOME", c.dataHome);
        apply("HOME", c.home);
        EXPECT_EQ(GetConfigBaseFolder(), c.expected)
            << "SCOUTREL_BASE_DIR=" << (c.baseDir ? c.baseDir : "(unset)")
            << " XDG_DATA_HOME=" << (c.dataHome ? c.dataHome : "(unset)")
            << " HOME=" << (c.home ? c.home : "(unset)");
    }
}

TEST(ConfigPathsTest, JoinsWithBackslashesOfTheRelativePartTurnedIntoSlashes) {
    EnvironmentGuard environment;
    environment.Set("SCOUTREL_BASE_DIR", "/srv/base");
    EXPECT_EQ(GetToolFolder(), "/srv/base/ZelvoSearchTools");
    EXPECT_EQ(GetPictureFolder(), "/srv/base/ZelvoSearchTools/Picture");
    EXPECT_EQ(MakeConfigPath("\\ZelvoSearchTools\\WndLayoutInfo.xml"),
              "/srv/base/ZelvoSearchTools/WndLayoutInfo.xml");
    EXPECT_EQ(MakeConfigPath(""), "/srv/base");
    // Only the relative part is converted; a backslash in the base is a legal
    // character of a folder name here.
    EXPECT_EQ(JoinConfigPath("/odd\\name", "\\a\\b.png"), "/odd\\name/a/b.png");
}

TEST(ConfigPathsTest, EmptyBaseGivesEmptyConfigPathButPlainFolderJoins) {
    EnvironmentGuard environment;
    environment.Unset("SCOUTREL_BASE_DIR");
    environment.Unset("XDG_DATA_HOME");
    environment.Unset("HOME");
    EXPECT_EQ(MakeConfigPath("\\ZelvoSearchTools\\WndLayoutInfo.xml"), "");
    EXPECT_EQ(GetToolFolder(), "/ZelvoSearchTools");
    EXPECT_EQ(GetPictureFolder(), "/ZelvoSearchTools/Picture");
}

}  // namespace

// Start-up of the windowed program when the configuration folder cannot be
// written: the message in the user's language, no engine, exit code 1.
// Runs on the test display (./test provides one with Xvfb).
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/Application.h"

namespace {

class StartupFailure : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_FAIL() << "this test needs an X display (run it through ./test)";
        // A plain file where the base folder should be: no folder can be
        // created under it.
        base_ = ::testing::TempDir() + "scoutrel-startup-base-" + std::to_string(::getpid());
        std::ofstream(base_) << "not a folder";
        ::setenv("SCOUTREL_BASE_DIR", base_.c_str(), 1);
        ::setenv("SCOUTREL_INSTANCE_NAME", ("scoutrel-startup-test-" + std::to_string(::getpid())).c_str(), 1);
        ::unsetenv("LC_ALL");
        ::unsetenv("LC_MESSAGES");
    }
    void TearDown() override {
        std::remove(base_.c_str());
        ::unsetenv("SCOUTREL_BASE_DIR");
        ::unsetenv("SCOUTREL_INSTANCE_NAME");
        ::unsetenv("LANG");
    }
    std::string base_;
};

TEST_F(StartupFailure, ShowsTheMessageOfTheLocaleAndStartsNoEngine) {
    struct Case {
        const char* lang;
        const char* message;
    } cases[] = {
        {"C", "Failed to create the configuration file!"},
        {"de_DE.UTF-8", "Fehler beim Erstellen der Konfigurationsdatei!"},
        {"zh_HK.UTF-8", "创建配置文件失败!"},
        {"fr_FR.UTF-8", "Failed to create the configuration file!"},
    };
    for (const Case& c : cases) {
        ::setenv("LANG", c.lang, 1);
        int messages = 0;
        std::string shown;
        bool engineStarted = false;
        ApplicationServices services;
        services.showMessage = [&](const std::string&, const std::string& text) {
            ++messages;
            shown = text;
        };
        services.startEngine = [&] { engineStarted = true; };
        CScoutrelApp app(std::move(services));
        EXPECT_EQ(app.Run(), 1) << c.lang;
        EXPECT_EQ(messages, 1) << c.lang;
        EXPECT_EQ(shown, c.message) << c.lang;
        EXPECT_FALSE(engineStarted) << c.lang;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "TestDisplay.h"
#include "app/DisplayCheck.h"

namespace {

// Sets DISPLAY for one test and puts the old value back afterwards.
class DisplayVariable {
public:
    explicit DisplayVariable(const char* value) {
        if (const char* old = std::getenv("DISPLAY")) saved_ = old;
        if (value != nullptr) {
            setenv("DISPLAY", value, 1);
        } else {
            unsetenv("DISPLAY");
        }
    }
    ~DisplayVariable() {
        if (saved_) {
            setenv("DISPLAY", saved_->c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
    }
    DisplayVariable(const DisplayVariable&) = delete;
    DisplayVariable& operator=(const DisplayVariable&) = delete;

private:
    std::optional<std::string> saved_;
};

std::string Explained() {
    std::FILE* out = std::tmpfile();
    EXPECT_NE(out, nullptr);
    if (out == nullptr) return {};
    EXPECT_FALSE(CheckDisplayOrExplain(out));
    std::rewind(out);
    std::string text;
    for (int c; (c = std::fgetc(out)) != EOF;) text.push_back(static_cast<char>(c));
    std::fclose(out);
    return text;
}

TEST(DisplayCheck, WithoutADisplayOneLineIsPrinted) {
    for (const char* value : {static_cast<const char*>(nullptr), "", ":9873"}) {
        SCOPED_TRACE(value == nullptr ? "unset" : value);
        const DisplayVariable display(value);
        EXPECT_FALSE(CanOpenDisplay());
        const std::string text = Explained();
        EXPECT_EQ(text, std::string(NoDisplayMessage()) + "\n");
        EXPECT_NE(text.find("./run --lab"), std::string::npos);
    }
}

TEST(DisplayCheck, AnOpenDisplayIsFound) {
    Display* held = OpenTestDisplay();
    if (held == nullptr) GTEST_SKIP() << "no X display";
    EXPECT_TRUE(CanOpenDisplay());
    EXPECT_TRUE(CheckDisplayOrExplain(stderr));
    XCloseDisplay(held);
}

}  // namespace

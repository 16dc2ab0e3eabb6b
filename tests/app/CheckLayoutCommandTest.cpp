#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/LayoutReport.h"
#include "tests/layout/EnvironmentGuard.h"
#include "tests/layout/LayoutTestFiles.h"

namespace {

struct CommandResult {
    int exitCode;
    std::string out;
    std::string err;
};

CommandResult RunCheckLayout(std::initializer_list<std::string> arguments) {
    std::vector<std::string> storage(arguments);
    std::vector<char*> argv;
    for (std::string& argument : storage) argv.push_back(argument.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int exitCode = RunCheckLayoutCommand(static_cast<int>(argv.size()), argv.data());
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    return {exitCode, out, err};
}

// True when the keys occur in the text in this order.
bool InOrder(const std::string& text, std::initializer_list<std::string> keys) {
    std::size_t at = 0;
    for (const std::string& key : keys) {
        at = text.find(key, at);
        if (at == std::string::npos) return false;
    }
    return true;
}

class CheckLayoutCommandTest : public ::testing::Test {
protected:
    void SetUp() override { environment_.Set("SCOUTREL_BASE_DIR", "/base"); }
    EnvironmentGuard environment_;
};

TEST_F(CheckLayoutCommandTest, JsonHasTheRecordFieldsAndControlsInIdOrder) {
    const CommandResult result = RunCheckLayout({ShippedLayout("english.xml"), "--json"});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(InOrder(result.out, {"\"nDialogID\": 201", "\"strBGPath\"", "\"strBGColor\"", "\"clrBG\"",
                                     "\"nPaintMode\"", "\"strText\"", "\"strDiscrip\"",
                                     "\"rcPos\": [0, 0, 328, 245]", "\"strTextColor\"", "\"clrText\"",
                                     "\"ptTextOffset\"", "\"strFont\"", "\"nFontSize\"", "\"mapCtrlLayouts\"",
                                     "\"mapStrings\""}))
        << result.out;
    EXPECT_TRUE(InOrder(result.out, {"\"nCtrlID\": 2101", "\"nCtrlID\": 2102", "\"nCtrlID\": 2105",
                                     "\"clrText\": 6897926", "\"rcPos\": [10, 50, 318, 191]",
                                     "\"nCtrlID\": 2109", "\"SEARCH_DEVICE_LIST_ITEM_TYPE\": \"Devcie Type\""}))
        << result.out;
    EXPECT_EQ(result.out.find("\"error\""), std::string::npos);
}

TEST_F(CheckLayoutCommandTest, DialogAndSectionOptionsChooseWhatIsRead) {
    const CommandResult hex = RunCheckLayout({"--dialog", "0", GoldenLayout("dialog-id-forms.xml")});
    EXPECT_EQ(hex.exitCode, 0);
    EXPECT_NE(hex.out.find("\"hexadecimal\""), std::string::npos) << hex.out;

    const CommandResult noSection = RunCheckLayout({ShippedLayout("english.xml"), "--section", "Compact"});
    EXPECT_EQ(noSection.exitCode, 0);
    EXPECT_NE(noSection.out.find("mapCtrlLayouts: 0 control(s)"), std::string::npos) << noSection.out;
    EXPECT_NE(noSection.out.find("mapStrings: 7 string(s)"), std::string::npos) << noSection.out;
    EXPECT_NE(noSection.err.find("no section 'Compact'"), std::string::npos) << noSection.err;
}

TEST_F(CheckLayoutCommandTest, AbandonedReadPrintsWhatWasReadAndTheMissingAttribute) {
    const CommandResult json = RunCheckLayout({GoldenLayout("missing-font-size.xml"), "--json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_TRUE(InOrder(json.out, {"\"nCtrlID\": 2101", "\"nCtrlID\": 2102", "\"mapStrings\": {}", "\"error\"",
                                   "\"element\": \"CtrlInfo\"", "\"attribute\": \"CtrlFontSize\"", "\"line\": 9"}))
        << json.out;
    EXPECT_EQ(json.out.find("2103"), std::string::npos);

    const CommandResult text = RunCheckLayout({GoldenLayout("missing-font-size.xml")});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("mapCtrlLayouts: 2 control(s)"), std::string::npos) << text.out;
    EXPECT_NE(text.err.find(":9: element 'CtrlInfo' has no attribute 'CtrlFontSize'"), std::string::npos)
        << text.err;
}

TEST_F(CheckLayoutCommandTest, UnusableFilesAreReportedAsSuch) {
    struct Case {
        std::string path;
        std::string message;
    };
    const Case cases[] = {
        {GoldenLayout("no-such-file.xml"), "cannot read the file"},
        {GoldenLayout("not-well-formed.xml"), "not well-formed XML, line"},
        {GoldenLayout("not-xml.txt"), "not well-formed XML"},
        {SourceDir() + "/tests/layout/layouts", "is a folder"},
    };
    for (const Case& c : cases) {
        const CommandResult result = RunCheckLayout({c.path, "--json"});
        EXPECT_EQ(result.exitCode, 1) << c.path;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.path << ": " << result.err;
        EXPECT_EQ(result.out, "") << c.path;
    }
}

TEST_F(CheckLayoutCommandTest, BadArgumentsAreUsageErrors) {
    EXPECT_EQ(RunCheckLayout({}).exitCode, 2);
    EXPECT_EQ(RunCheckLayout({"--json"}).exitCode, 2);
    EXPECT_EQ(RunCheckLayout({"a.xml", "--dialog", "12x"}).exitCode, 2);
    EXPECT_EQ(RunCheckLayout({"a.xml", "--dialog"}).exitCode, 2);
    EXPECT_EQ(RunCheckLayout({"a.xml", "b.xml"}).exitCode, 2);
    EXPECT_EQ(RunCheckLayout({"a.xml", "--frobnicate"}).exitCode, 2);
}

TEST(LayoutReportTest, JsonStringsAreEscapedAndStayValidUtf8) {
    DialogLayout layout;
    layout.strText = "say \"hi\"\\ \x01 tab\t";
    layout.strFont = "bad \xFF byte, good \xE5\xAE\x8B";
    const std::string json = FormatLayoutAsJson(layout, nullptr);
    EXPECT_NE(json.find(R"("strText": "say \"hi\"\\ \u0001 tab\t")"), std::string::npos) << json;
    EXPECT_NE(json.find("\"strFont\": \"bad \xEF\xBF\xBD byte, good \xE5\xAE\x8B\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"mapCtrlLayouts\": []"), std::string::npos) << json;
}

}  // namespace

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

#include "layout/WndLayoutReader.h"
#include "tests/layout/EnvironmentGuard.h"
#include "tests/layout/LayoutTestFiles.h"

namespace {

constexpr const char* kBase = "/base";

class WndLayoutReaderTest : public ::testing::Test {
protected:
    void SetUp() override { environment_.Set("SCOUTREL_BASE_DIR", kBase); }

    // Reads a file that must read without an error.
    DialogLayout Read(const std::string& path, std::int32_t dialogId = 201,
                      const std::string& section = "Standard") {
        DialogLayout layout;
        EXPECT_EQ(ReadWndLayoutInfo(layout, path, dialogId, section), TRUE) << path;
        return layout;
    }

    EnvironmentGuard environment_;
};

struct ShippedControl {
    std::int32_t id;
    const char* cls;
    const char* bgPath;  // as it becomes with the base folder
    std::int32_t statusCount;
    std::int32_t paintMode;
    LayoutRect pos;
    const char* text;
    LayoutPoint textOffset;
    LayoutColor textColor;
    std::int32_t fontSize;
    const char* discrip;
};

TEST_F(WndLayoutReaderTest, EnglishDocumentGivesTheMainWindow) {
    const DialogLayout layout = Read(ShippedLayout("english.xml"));

    EXPECT_EQ(layout.nDialogID, 201);
    EXPECT_EQ(layout.strText, "Zelvo Roamvera");
    EXPECT_EQ(layout.strDiscrip, "Search Device Windows");
    EXPECT_EQ(layout.strBGPath, "/base/ZelvoSearchTools/Picture/SearchDevice_BlackGround.png");
    EXPECT_EQ(layout.strBGColor, "255,255,255");
    EXPECT_EQ(layout.clrBG, 0x00FFFFFFu);
    EXPECT_EQ(layout.nPaintMode, 8);
    EXPECT_EQ(layout.ptTextOffset, (LayoutPoint{0, 0}));
    EXPECT_EQ(layout.strTextColor, "244,245,247");
    EXPECT_EQ(layout.clrText, 0x00F7F5F4u);
    EXPECT_EQ(layout.strFont, "宋体");
    EXPECT_EQ(layout.nFontSize, 12);
    EXPECT_EQ(layout.rcPos, (LayoutRect{0, 0, 328, 245}));

    const std::string pictures = "/base/ZelvoSearchTools/Picture/";
    const std::string button = pictures + "ButtonMax.png";
    const ShippedControl expected[] = {
        {2101, "ShowImageCtrl", "/base/ZelvoSearchTools/Picture/logo.png", 1, 4, {7, 7, 23, 23}, "", {0, 0},
         0x00FFFFFF, 12, "LOG Image Show"},
        {2102, "ShowTextCtrl", "/base", 1, 4, {30, 4, 300, 29}, "Zelvo Roamvera", {0, 0}, 0x00F7F5F4, 21,
         "Dialog Title"},
        {2103, "StandardButton", "/base/ZelvoSearchTools/Picture/close.png", 4, 4, {300, 10, 311, 21}, "",
         {0, 0}, 0x00F7F5F4, 12, "Close Button"},
        {2104, "ShowTextImageCtrl", "/base", 1, 4, {15, 32, 215, 47}, "Device List", {13, 2}, 0x00F7F5F4, 12,
         "Device List Title"},
        {2105, "StandardListCtrl", "/base", 1, 1, {10, 50, 318, 191}, "Device List", {0, 0}, 0x00694106, 12,
         "Device List Show"},
        {2106, "ShowTextImageCtrl", "/base/ZelvoSearchTools/Picture/Brush.png", 1, 4, {10, 194, 290, 209},
         "Searching new devices,please wait…", {15, 1}, 0x00F7F5F4, 12, ""},
        {2107, "StandardButton", "/base/ZelvoSearchTools/Picture/ButtonMax.png", 4, 4, {18, 210, 97, 233},
         "Log In", {0, 6}, 0x00F7F5F4, 12, "Log In Button"},
        {2108, "StandardButton", "/base/ZelvoSearchTools/Picture/ButtonMax.png", 4, 4, {127, 210, 206, 233},
         "Refresh", {0, 6}, 0x00F7F5F4, 12, "Refresh Button"},
        {2109, "StandardButton", "/base/ZelvoSearchTools/Picture/ButtonMax.png", 4, 4, {228, 210, 307, 233},
         "My Storage", {0, 6}, 0x00F7F5F4, 12, "My Storage Button"},
    };
    ASSERT_EQ(layout.mapCtrlLayouts.size(), std::size(expected));
    for (const ShippedControl& e : expected) {
        SCOPED_TRACE("control " + std::to_string(e.id));
        ASSERT_EQ(layout.mapCtrlLayouts.count(e.id), 1u);
        const ControlLayout& c = layout.mapCtrlLayouts.at(e.id);
        EXPECT_EQ(c.nCtrlID, e.id);
        EXPECT_EQ(c.strClass, e.cls);
        EXPECT_EQ(c.strBGPath, e.bgPath);
        EXPECT_EQ(c.nBGStatusCount, e.statusCount);
        EXPECT_EQ(c.strBGColor, "255,255,255");
        EXPECT_EQ(c.clrBG, 0x00FFFFFFu);
        EXPECT_EQ(c.strBorderColor, "126,157,185");
        EXPECT_EQ(c.clrBorder, 0x00B99D7Eu);
        EXPECT_EQ(c.nPaintMode, e.paintMode);
        EXPECT_EQ(c.dwStyle, e.id == 2105 ? 0x50000001u : 0x50000000u);
        EXPECT_EQ(c.nPosType, 3);
        EXPECT_EQ(c.rcPos, e.pos);
        EXPECT_EQ(c.nShow, 5);
        EXPECT_EQ(c.strText, e.text);
        EXPECT_EQ(c.ptTextOffset, e.textOffset);
        EXPECT_EQ(c.clrText, e.textColor);
        EXPECT_EQ(c.strFont, "宋体");
        EXPECT_EQ(c.nFontSize, e.fontSize);
        EXPECT_EQ(c.strDiscrip, e.discrip);
    }

    const decltype(layout.mapStrings) strings = {
        {"SEARCH_DEVICE_LIST_ITEM_NAME", "Host Name"},
        {"SEARCH_DEVICE_LIST_ITEM_IP", "IP Address"},
        {"SEARCH_DEVICE_LIST_ITEM_TYPE", "Devcie Type"},
        {"SEARCH_DEVICE_LIST_HEADER_FONT_NAME", "宋体"},
        {"SEARCH_DEVICE_LIST_HEADER_FONT_SIZE", "12"},
        {"SEARCH_DEVICE_LIST_HEADER_FONT_COLOR", "244,245,247"},
        {"SEARCH_DEVICE_WATI_TIME_WARNING", "Searching new devices,please wait"},
    };
    EXPECT_EQ(layout.mapStrings, strings);
}

TEST_F(WndLayoutReaderTest, EveryShippedDocumentReadsCleanly) {
    for (const char* name : {"english.xml", "chinese-simplified.xml", "japanese.xml", "french.xml",
                             "spanish.xml", "italian.xml", "dutch.xml"}) {
        SCOPED_TRACE(name);
        DialogLayout layout;
        ASSERT_NO_THROW(EXPECT_EQ(ReadWndLayoutInfo(layout, ShippedLayout(name), 201, "Standard"), TRUE));
        EXPECT_EQ(layout.nDialogID, 201);
        EXPECT_EQ(layout.rcPos, (LayoutRect{0, 0, 328, 245}));
        std::vector<std::int32_t> ids;
        for (const auto& [id, control] : layout.mapCtrlLayouts) ids.push_back(id);
        EXPECT_EQ(ids, (std::vector<std::int32_t>{2101, 2102, 2103, 2104, 2105, 2106, 2107, 2108, 2109}));
        EXPECT_EQ(layout.mapStrings.size(), 7u);
        EXPECT_EQ(layout.mapCtrlLayouts.at(2105).dwStyle, 0x50000001u);
    }
}

TEST_F(WndLayoutReaderTest, OtherDialogGivesEmptyRecordButKeepsTheUnresetFields) {
    DialogLayout layout = Read(ShippedLayout("english.xml"));
    ASSERT_EQ(ReadWndLayoutInfo(layout, ShippedLayout("english.xml"), 202, "Standard"), TRUE);

    // Background colour and position keep their values until a matching
    // section sets them again; everything else is reset.
    DialogLayout expected;
    expected.strBGColor = "255,255,255";
    expected.clrBG = 0x00FFFFFF;
    expected.rcPos = LayoutRect{0, 0, 328, 245};
    EXPECT_EQ(layout, expected);
}

TEST_F(WndLayoutReaderTest, MissingSectionGivesDialogTextAndStringsOnly) {
    const DialogLayout layout = Read(ShippedLayout("english.xml"), 201, "Compact");
    EXPECT_EQ(layout.nDialogID, 201);
    EXPECT_EQ(layout.strText, "Zelvo Roamvera");
    EXPECT_EQ(layout.strDiscrip, "Search Device Windows");
    EXPECT_EQ(layout.mapStrings.size(), 7u);
    EXPECT_TRUE(layout.mapCtrlLayouts.empty());
    EXPECT_EQ(layout.strBGPath, "");
    EXPECT_EQ(layout.nPaintMode, 0);
    EXPECT_EQ(layout.strFont, "");
}

TEST_F(WndLayoutReaderTest, SameDialogTwiceLaterDialogValuesWinFirstIdsWin) {
    const DialogLayout layout = Read(GoldenLayout("two-dialogs.xml"));
    EXPECT_EQ(layout.strText, "Second");
    EXPECT_EQ(layout.strDiscrip, "second dialog");
    ASSERT_EQ(layout.mapCtrlLayouts.size(), 2u);
    EXPECT_EQ(layout.mapCtrlLayouts.at(2101).strText, "from first");
    EXPECT_EQ(layout.mapCtrlLayouts.at(2102).strText, "new in second");

    // A string inside the section is found; one outside every DialogInfo, or
    // in a DialogInfo that is not a child of WindowInformation, is not.
    const decltype(layout.mapStrings) strings = {
        {"IN_SECTION", "found inside the section"},
        {"SHARED", "from first"},
        {"ONLY_SECOND", "added by second"},
    };
    EXPECT_EQ(layout.mapStrings, strings);
}

TEST_F(WndLayoutReaderTest, DuplicateControlIdKeepsTheFirst) {
    const DialogLayout layout = Read(GoldenLayout("duplicate-ctrl-id.xml"));
    ASSERT_EQ(layout.mapCtrlLayouts.size(), 1u);
    EXPECT_EQ(layout.mapCtrlLayouts.at(2101).strText, "first");
}

TEST_F(WndLayoutReaderTest, DialogIdIsReadAsDecimalInteger) {
    const DialogLayout decimal = Read(GoldenLayout("dialog-id-forms.xml"), 201);
    EXPECT_EQ(decimal.strText, "trailing letters");
    EXPECT_EQ(decimal.mapStrings, (decltype(decimal.mapStrings){{"BLANK", " 201"}, {"LETTERS", "201abc"}}));

    // The hexadecimal form reads as 0, so only a request for dialog 0 finds it.
    const DialogLayout zero = Read(GoldenLayout("dialog-id-forms.xml"), 0);
    EXPECT_EQ(zero.strText, "hexadecimal");
    EXPECT_EQ(zero.mapStrings, (decltype(zero.mapStrings){{"HEX", "0xC9"}}));
}

TEST_F(WndLayoutReaderTest, PartialValuesLeaveWhatThePreviousControlSet) {
    const DialogLayout layout = Read(GoldenLayout("partial-values.xml"));
    ASSERT_EQ(layout.mapCtrlLayouts.size(), 4u);
    const ControlLayout& full = layout.mapCtrlLayouts.at(1);
    const ControlLayout& twoPart = layout.mapCtrlLayouts.at(2);
    const ControlLayout& empty = layout.mapCtrlLayouts.at(3);
    const ControlLayout& fivePart = layout.mapCtrlLayouts.at(4);

    EXPECT_EQ(full.strBGPath, "/base/ZelvoSearchTools/Picture/a.png");
    EXPECT_EQ(full.clrBG, 0x001E140Au);
    EXPECT_EQ(full.rcPos, (LayoutRect{1, 2, 4, 6}));
    EXPECT_EQ(full.ptTextOffset, (LayoutPoint{7, 8}));
    EXPECT_EQ(full.clrText, 0x00010101u);

    // "5,5" sets only left; "300,0,0" keeps the low 8 bits of red. The text
    // offset and text colour without a comma show the cleared values, since
    // those are cleared for every control.
    EXPECT_EQ(twoPart.strBGPath, "/base");
    EXPECT_EQ(twoPart.rcPos, (LayoutRect{5, 2, 4, 6}));
    EXPECT_EQ(twoPart.clrBG, 0x0000002Cu);
    EXPECT_EQ(twoPart.ptTextOffset, (LayoutPoint{0, 0}));
    EXPECT_EQ(twoPart.strTextColor, "2");
    EXPECT_EQ(twoPart.clrText, 0u);

    // A background colour without a comma keeps the previous control's value.
    EXPECT_EQ(empty.strBGColor, "7");
    EXPECT_EQ(empty.clrBG, 0x0000002Cu);
    EXPECT_EQ(empty.rcPos, (LayoutRect{5, 5, 5, 5}));

    EXPECT_EQ(fivePart.clrBG, 0x00030201u);
    EXPECT_EQ(fivePart.rcPos, (LayoutRect{1, 2, 4, 6}));
    EXPECT_EQ(fivePart.ptTextOffset, (LayoutPoint{3, -4}));
}

TEST_F(WndLayoutReaderTest, AbsentAttributeAbandonsTheReadKeepingWhatWasRead) {
    DialogLayout layout;
    try {
        ReadWndLayoutInfo(layout, GoldenLayout("missing-font-size.xml"), 201, "Standard");
        FAIL() << "the read should stop at the absent attribute";
    } catch (const LayoutAttributeMissing& missing) {
        EXPECT_EQ(missing.Element(), "CtrlInfo");
        EXPECT_EQ(missing.Attribute(), "CtrlFontSize");
        EXPECT_NE(std::string(missing.what()).find("CtrlFontSize"), std::string::npos);
        EXPECT_GT(missing.Offset(), 0);
    }
    EXPECT_EQ(layout.nDialogID, 201);
    EXPECT_EQ(layout.strText, "Missing attribute");
    EXPECT_EQ(layout.strDiscrip, "stops early");
    EXPECT_EQ(layout.rcPos, (LayoutRect{0, 0, 328, 245}));
    EXPECT_EQ(layout.strFont, "Sans");
    ASSERT_EQ(layout.mapCtrlLayouts.size(), 2u);
    EXPECT_EQ(layout.mapCtrlLayouts.at(2102).strText, "two");
    EXPECT_TRUE(layout.mapStrings.empty());
}

TEST_F(WndLayoutReaderTest, UnusableFilesReadAsEmptyRecords) {
    const std::string unusable[] = {
        GoldenLayout("no-such-file.xml"),
        GoldenLayout("not-well-formed.xml"),
        GoldenLayout("not-xml.txt"),
        SourceDir() + "/tests/layout/layouts",  // a folder
    };
    for (const std::string& path : unusable) {
        SCOPED_TRACE(path);
        const DialogLayout layout = Read(path);
        EXPECT_EQ(layout, DialogLayout{});
    }
}

TEST_F(WndLayoutReaderTest, PipeReadsAsEmptyRecordWithoutWaitingForAWriter) {
    char folder[] = "/tmp/scoutrel-layout-XXXXXX";
    ASSERT_NE(::mkdtemp(folder), nullptr);
    const std::string pipe = std::string(folder) + "/WndLayoutInfo.xml";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(Read(pipe), DialogLayout{});
    ::unlink(pipe.c_str());
    ::rmdir(folder);
}

TEST_F(WndLayoutReaderTest, EmptyPathGivesFalseAfterTheReset) {
    DialogLayout layout = Read(ShippedLayout("english.xml"));
    EXPECT_EQ(ReadWndLayoutInfo(layout, "", 201, "Standard"), FALSE);
    EXPECT_EQ(layout.nDialogID, 0);
    EXPECT_TRUE(layout.mapCtrlLayouts.empty());
    EXPECT_TRUE(layout.mapStrings.empty());
    EXPECT_EQ(layout.rcPos, (LayoutRect{0, 0, 328, 245}));
}

TEST(Utf16CodeUnitLessTest, OrdersCharactersAboveTheBasicPlaneBeforePrivateUse) {
    const Utf16CodeUnitLess less;
    // U+1F600 is D83D DE00 in UTF-16, below U+FF01; in UTF-8 bytes it is above.
    EXPECT_TRUE(less("\xF0\x9F\x98\x80", "\xEF\xBC\x81"));
    EXPECT_FALSE(less("\xEF\xBC\x81", "\xF0\x9F\x98\x80"));
    EXPECT_TRUE(less("A", "B"));
    EXPECT_TRUE(less("AB", "ABC"));
    EXPECT_FALSE(less("ABC", "ABC"));
    EXPECT_TRUE(less("\xD7\xAA", "\xF0\x9F\x98\x80"));
    // Malformed bytes keep texts distinct rather than equal.
    EXPECT_TRUE(less("\xFF", "\xFE") != less("\xFE", "\xFF"));
}

}  // namespace

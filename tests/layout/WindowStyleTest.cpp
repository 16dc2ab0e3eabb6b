#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "layout/WindowStyle.h"

namespace {

struct StyleCase {
    std::string_view text;
    std::uint32_t expected;
};

TEST(ParseWindowStyleTest, EachKeywordHasItsValue) {
    const StyleCase cases[] = {
        {"WS_CHILD", 0x40000000},           {"WS_VISIBLE", 0x10000000},
        {"WS_CLIPCHILDREN", 0x02000000},    {"WS_VSCROLL", 0x00200000},
        {"TVS_SHOWSELALWAYS", 0x00000020},  {"TVS_HASBUTTONS", 0x00000001},
        {"TVS_HASLINES", 0x00000002},       {"TVS_INFOTIP", 0x00000800},
        {"LVS_OWNERDRAWFIXED", 0x00000400}, {"LVS_EX_FULLROWSELECT", 0x00000020},
        {"LVS_REPORT", 0x00000001},         {"CBS_DROPDOWN", 0x00000002},
        {"CBS_AUTOHSCROLL", 0x00000040},    {"ES_AUTOHSCROLL", 0x00000080},
        {"ES_NUMBER", 0x00002000},          {"ES_READONLY", 0x00000800},
    };
    for (const StyleCase& c : cases) {
        EXPECT_EQ(ParseWindowStyle(c.text), c.expected) << c.text;
    }
}

TEST(ParseWindowStyleTest, FindsKeywordsAnywhereWithoutTokenising) {
    const StyleCase cases[] = {
        {"WS_CHILD|WS_VISIBLE", 0x50000000},
        {"WS_CHILD|WS_VISIBLE|LVS_REPORT", 0x50000001},
        {"", 0},
        {"no keywords here", 0},
        {"ws_child|ws_visible", 0},
        {"WS_Child|WS_VISIBLE", 0x10000000},
        {"WS_CHILDWS_VISIBLE", 0x50000000},
        {"WS_VISIBLE WS_CHILD", 0x50000000},
        {"WS_VISIBLE,WS_CHILD;x", 0x50000000},
        {"WS_CHILDREN", 0x40000000},
        {"WS_CHILD|WS_CHILD", 0x40000000},
        {"TVS_HASBUTTONS|LVS_REPORT", 0x00000001},
        {"WS_VSCROLL|WS_CLIPCHILDREN", 0x02200000},
        {"CBS_AUTOHSCROLL", 0x00000040},
    };
    for (const StyleCase& c : cases) {
        EXPECT_EQ(ParseWindowStyle(c.text), c.expected) << "text \"" << c.text << "\"";
    }
}

}  // namespace

#include "layout/WindowStyle.h"

namespace {

struct StyleKeyword {
    std::string_view name;
    std::uint32_t value;
};

// The names are those of the platform's style constants, from several control
// families; all of them go into the same word, so some values coincide and the
// control that receives the word reads the bits with its own meaning. No
// keyword is part of another, so each one is found at most once.
constexpr StyleKeyword kStyleKeywords[] = {
    {"WS_CHILD", 0x40000000},
    {"WS_VISIBLE", 0x10000000},
    {"WS_CLIPCHILDREN", 0x02000000},
    {"WS_VSCROLL", 0x00200000},
    {"TVS_SHOWSELALWAYS", 0x00000020},
    {"TVS_HASBUTTONS", 0x00000001},
    {"TVS_HASLINES", 0x00000002},
    {"TVS_INFOTIP", 0x00000800},
    {"LVS_OWNERDRAWFIXED", 0x00000400},
    // An extended list-view style, placed in the same word as the others.
    {"LVS_EX_FULLROWSELECT", 0x00000020},
    {"LVS_REPORT", 0x00000001},
    {"CBS_DROPDOWN", 0x00000002},
    {"CBS_AUTOHSCROLL", 0x00000040},
    {"ES_AUTOHSCROLL", 0x00000080},
    {"ES_NUMBER", 0x00002000},
    {"ES_READONLY", 0x00000800},
};

}  // namespace

std::uint32_t ParseWindowStyle(std::string_view styleText) {
    std::uint32_t style = 0;
    for (const StyleKeyword& keyword : kStyleKeywords) {
        if (styleText.find(keyword.name) != std::string_view::npos) style |= keyword.value;
    }
    return style;
}

#pragma once
// Bits of a window's style word. The window family bits live in the high
// half; the low half means something different per control class, so the
// same bit can be a list-view and a button style at once.
#include <cstdint>

namespace platform {

using Style = std::uint32_t;

inline constexpr Style WS_POPUP = 0x80000000;
inline constexpr Style WS_CHILD = 0x40000000;
inline constexpr Style WS_VISIBLE = 0x10000000;
inline constexpr Style WS_DISABLED = 0x08000000;
inline constexpr Style WS_CLIPCHILDREN = 0x02000000;
inline constexpr Style WS_BORDER = 0x00800000;
inline constexpr Style WS_VSCROLL = 0x00200000;
inline constexpr Style WS_HSCROLL = 0x00100000;
inline constexpr Style WS_GROUP = 0x00020000;
inline constexpr Style WS_TABSTOP = 0x00010000;

// Push buttons: the low four bits hold the button type.
inline constexpr Style BS_PUSHBUTTON = 0x0;
inline constexpr Style BS_DEFPUSHBUTTON = 0x1;
inline constexpr Style BS_CHECKBOX = 0x2;
inline constexpr Style BS_AUTOCHECKBOX = 0x3;
inline constexpr Style BS_RADIOBUTTON = 0x4;
inline constexpr Style BS_AUTORADIOBUTTON = 0x9;
inline constexpr Style BS_OWNERDRAW = 0xB;
inline constexpr Style BS_TYPEMASK = 0xF;

// List view.
inline constexpr Style LVS_REPORT = 0x0001;
inline constexpr Style LVS_SINGLESEL = 0x0004;
inline constexpr Style LVS_SHOWSELALWAYS = 0x0008;
inline constexpr Style LVS_NOCOLUMNHEADER = 0x4000;

// List view extended styles (a word of their own).
inline constexpr std::uint32_t LVS_EX_GRIDLINES = 0x0001;
inline constexpr std::uint32_t LVS_EX_SUBITEMIMAGES = 0x0002;
inline constexpr std::uint32_t LVS_EX_FULLROWSELECT = 0x0020;

// List view column formats, item states and search flags.
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;
inline constexpr std::uint32_t LVIS_FOCUSED = 0x0001;
inline constexpr std::uint32_t LVIS_SELECTED = 0x0002;
inline constexpr std::uint32_t LVNI_ALL = 0x0000;
inline constexpr std::uint32_t LVNI_SELECTED = 0x0002;

// Scroll bar.
inline constexpr Style SBS_HORZ = 0x0000;
inline constexpr Style SBS_VERT = 0x0001;

}  // namespace platform

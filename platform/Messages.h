#pragma once
// Message numbers, notification codes and the flag words that travel with
// them. The numbers are the classic window-system values, so code written
// against them (private messages at WM_USER + n, list and header requests,
// scroll codes) keeps its meaning. A window dispatches each number to one
// virtual handler (Window::HandleMessage).
#include <cstdint>

namespace platform {

using MessageId = std::uint32_t;

// One message: its number and two parameters. lParam often carries a
// pointer to a request structure (ToParam/FromParam below); such messages
// are only ever sent, never posted, so the pointee outlives the call.
struct Message {
    MessageId id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

template <class T>
std::intptr_t ToParam(T* p) { return reinterpret_cast<std::intptr_t>(p); }
template <class T>
T* FromParam(std::intptr_t v) { return reinterpret_cast<T*>(v); }

constexpr std::uint16_t LowWord(std::uintptr_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HighWord(std::uintptr_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr std::uintptr_t MakeWParam(std::uint16_t low, std::uint16_t high) {
    return static_cast<std::uintptr_t>(low) | (static_cast<std::uintptr_t>(high) << 16);
}

// Window lifetime, geometry and painting.
inline constexpr MessageId WM_CREATE = 0x0001;
inline constexpr MessageId WM_DESTROY = 0x0002;
inline constexpr MessageId WM_MOVE = 0x0003;
inline constexpr MessageId WM_SIZE = 0x0005;
inline constexpr MessageId WM_SETFOCUS = 0x0007;
inline constexpr MessageId WM_KILLFOCUS = 0x0008;
inline constexpr MessageId WM_ENABLE = 0x000A;
inline constexpr MessageId WM_SETTEXT = 0x000C;
inline constexpr MessageId WM_PAINT = 0x000F;         // lParam: DeviceContext* (the paint context)
inline constexpr MessageId WM_CLOSE = 0x0010;
inline constexpr MessageId WM_ERASEBKGND = 0x0014;    // wParam: DeviceContext*; returns 1 when erased
inline constexpr MessageId WM_SHOWWINDOW = 0x0018;
inline constexpr MessageId WM_CTLCOLOR = 0x0019;       // lParam: ControlColorRequest*
inline constexpr MessageId WM_DRAWITEM = 0x002B;       // wParam: control id, lParam: DrawItemRequest*
inline constexpr MessageId WM_SETFONT = 0x0030;        // wParam: Font*, lParam: redraw
inline constexpr MessageId WM_GETFONT = 0x0031;        // returns Font*
inline constexpr MessageId WM_NOTIFY = 0x004E;         // wParam: control id, lParam: NotifyHeader*
inline constexpr MessageId WM_SETICON = 0x0080;        // wParam: 1 big, 0 small; lParam: Picture*
inline constexpr MessageId WM_NCCALCSIZE = 0x0083;     // lParam: Rect* (window rectangle in, client rectangle out)
inline constexpr MessageId WM_NCHITTEST = 0x0084;      // lParam: screen point; returns a hit-test code
inline constexpr MessageId WM_NCPAINT = 0x0085;       // wParam: DeviceContext* at the window rectangle
inline constexpr MessageId WM_NCLBUTTONDOWN = 0x00A1;  // wParam: hit-test code, lParam: point
inline constexpr MessageId WM_KEYDOWN = 0x0100;        // wParam: key code
inline constexpr MessageId WM_KEYUP = 0x0101;
inline constexpr MessageId WM_INITDIALOG = 0x0110;
inline constexpr MessageId WM_COMMAND = 0x0111;        // wParam: id | code << 16, lParam: Window*
inline constexpr MessageId WM_TIMER = 0x0113;          // wParam: timer id
inline constexpr MessageId WM_HSCROLL = 0x0114;        // wParam: code | position << 16, lParam: ScrollBar*
inline constexpr MessageId WM_VSCROLL = 0x0115;
inline constexpr MessageId WM_MOUSEMOVE = 0x0200;      // wParam: key flags, lParam: client point
inline constexpr MessageId WM_LBUTTONDOWN = 0x0201;
inline constexpr MessageId WM_LBUTTONUP = 0x0202;
inline constexpr MessageId WM_LBUTTONDBLCLK = 0x0203;
inline constexpr MessageId WM_RBUTTONDOWN = 0x0204;
inline constexpr MessageId WM_RBUTTONUP = 0x0205;
inline constexpr MessageId WM_MOUSEWHEEL = 0x020A;     // wParam: key flags | delta << 16, lParam: screen point
inline constexpr MessageId WM_MOUSEHOVER = 0x02A1;
inline constexpr MessageId WM_MOUSELEAVE = 0x02A3;
inline constexpr MessageId WM_USER = 0x0400;

// Button requests.
inline constexpr MessageId BM_GETCHECK = 0x00F0;
inline constexpr MessageId BM_SETCHECK = 0x00F1;

// List view requests (0x1000 upward).
inline constexpr MessageId LVM_SETBKCOLOR = 0x1001;
inline constexpr MessageId LVM_GETNEXTITEM = 0x100C;   // wParam: start (-1 from the top), lParam: LVNI_ flags
inline constexpr MessageId LVM_GETHEADER = 0x101F;
inline constexpr MessageId LVM_SETTEXTCOLOR = 0x1024;  // lParam: ColorRef
inline constexpr MessageId LVM_SETTEXTBKCOLOR = 0x1026;
inline constexpr MessageId LVM_SETITEMSTATE = 0x102B;  // wParam: item, lParam: ItemStateChange*
inline constexpr MessageId LVM_GETITEMSTATE = 0x102C;  // wParam: item, lParam: mask
inline constexpr MessageId LVM_SETEXTENDEDLISTVIEWSTYLE = 0x1036;  // wParam: mask, lParam: bits
inline constexpr MessageId LVM_GETEXTENDEDLISTVIEWSTYLE = 0x1037;

// Header requests (0x1200 upward).
inline constexpr MessageId HDM_GETITEMCOUNT = 0x1200;
inline constexpr MessageId HDM_LAYOUT = 0x1205;        // lParam: HeaderLayout*
inline constexpr MessageId HDM_GETITEMRECT = 0x1207;   // wParam: item, lParam: Rect*

// Notification codes.
inline constexpr int BN_CLICKED = 0;
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RETURN = -4;
inline constexpr int LVN_ITEMCHANGED = -101;

// Hit-test codes.
inline constexpr int HTTRANSPARENT = -1;  // let the pointer through to what lies below
inline constexpr int HTNOWHERE = 0;
inline constexpr int HTCLIENT = 1;
inline constexpr int HTCAPTION = 2;

// Key flags of mouse messages.
inline constexpr std::uint32_t MK_LBUTTON = 0x0001;
inline constexpr std::uint32_t MK_RBUTTON = 0x0002;
inline constexpr std::uint32_t MK_SHIFT = 0x0004;
inline constexpr std::uint32_t MK_CONTROL = 0x0008;

// Mouse tracking requests.
inline constexpr std::uint32_t TME_HOVER = 0x1;
inline constexpr std::uint32_t TME_LEAVE = 0x2;

// Key codes of WM_KEYDOWN.
inline constexpr int VK_RETURN = 0x0D;
inline constexpr int VK_SHIFT = 0x10;
inline constexpr int VK_CONTROL = 0x11;
inline constexpr int VK_ESCAPE = 0x1B;
inline constexpr int VK_PRIOR = 0x21;
inline constexpr int VK_NEXT = 0x22;
inline constexpr int VK_END = 0x23;
inline constexpr int VK_HOME = 0x24;
inline constexpr int VK_LEFT = 0x25;
inline constexpr int VK_UP = 0x26;
inline constexpr int VK_RIGHT = 0x27;
inline constexpr int VK_DOWN = 0x28;
inline constexpr int VK_TAB = 0x09;
inline constexpr int VK_SPACE = 0x20;

// Dialog results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Scroll codes of WM_HSCROLL and WM_VSCROLL.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;
inline constexpr int SB_LINELEFT = SB_LINEUP;
inline constexpr int SB_LINERIGHT = SB_LINEDOWN;
inline constexpr int SB_PAGELEFT = SB_PAGEUP;
inline constexpr int SB_PAGERIGHT = SB_PAGEDOWN;
inline constexpr int SB_LEFT = SB_TOP;
inline constexpr int SB_RIGHT = SB_BOTTOM;

// Size types of WM_SIZE.
inline constexpr int SIZE_RESTORED = 0;

// Show commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOW = 5;

// Control-colour kinds of WM_CTLCOLOR.
inline constexpr int CTLCOLOR_BTN = 3;
inline constexpr int CTLCOLOR_DLG = 4;
inline constexpr int CTLCOLOR_STATIC = 6;

// Owner-draw request bits.
inline constexpr std::uint32_t ODT_BUTTON = 4;
inline constexpr std::uint32_t ODA_DRAWENTIRE = 0x1;
inline constexpr std::uint32_t ODS_SELECTED = 0x0001;
inline constexpr std::uint32_t ODS_DISABLED = 0x0004;
inline constexpr std::uint32_t ODS_FOCUS = 0x0010;

// Check states of BM_SETCHECK and BM_GETCHECK.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;

}  // namespace platform

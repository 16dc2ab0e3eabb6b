#pragma once
// List view in report mode: columns (title, width, alignment) shown by a
// header child window, rows of item texts (one per column), each with a
// selected state. Clicks select rows (the whole row with
// LVS_EX_FULLROWSELECT, else the first column), an empty place clears the
// selection, and the parent hears NM_CLICK on release and NM_DBLCLK on a
// double-click, after the selection changed, also on empty places. Up,
// Down, Home, End, Page Up and Page Down move the selection. When the rows
// do not fit, a vertical scroll bar appears (the list sets WS_VSCROLL and
// recomputes its frame; a derived list whose WM_NCCALCSIZE takes the bit
// away never gets one) and the wheel scrolls three rows a notch.
//
// A derived list can take over the header window (UseHeader) to draw it
// itself, and can draw its own rows by overriding OnPaint.
#include <memory>
#include <string>
#include <vector>

#include "platform/Header.h"
#include "platform/ScrollBar.h"
#include "platform/Window.h"

namespace platform {

class Font;
class Graphics;

struct ListColumn {
    std::string title;
    int format = LVCFMT_LEFT;
    int width = 0;
};

// NM_CLICK, NM_DBLCLK, LVN_ITEMCHANGED.
struct ListViewNotify : NotifyHeader {
    int item = -1;
    int subItem = -1;
    Point point;
};

// LVM_SETITEMSTATE.
struct ItemStateChange {
    std::uint32_t state = 0;
    std::uint32_t mask = 0;
};

class ListView : public Window {
public:
    ListView() = default;

    // --- Columns -------------------------------------------------------------
    int InsertColumn(int index, std::string_view title, int format, int width);
    int GetColumnCount() const { return static_cast<int>(columns_.size()); }
    int GetColumnWidth(int column) const;
    bool SetColumnWidth(int column, int width);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    // --- Items -----------------------------------------------------------------
    // Inserts a row with the text of column 0 at index (clamped to the end);
    // returns its index.
    int InsertItem(int index, std::string_view text);
    bool SetItemText(int item, int subItem, std::string_view text);
    // The text of a cell; empty for cells never set.
    std::string GetItemText(int item, int subItem) const;
    bool DeleteItem(int item);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    std::uint32_t GetItemState(int item, std::uint32_t mask) const;
    // item -1 changes every row.
    bool SetItemState(int item, std::uint32_t state, std::uint32_t mask);
    // The next row after start (-1: from the top) that has the flags
    // (LVNI_SELECTED), or -1.
    int GetNextItem(int start, std::uint32_t flags) const;
    int GetSelectedCount() const;

    // --- Looks -------------------------------------------------------------------
    std::uint32_t GetExtendedStyle() const { return extendedStyle_; }
    void SetExtendedStyle(std::uint32_t mask, std::uint32_t styles);
    void SetTextColor(ColorRef color);
    ColorRef GetTextColor() const { return textColor_; }
    void SetBackColor(ColorRef color);
    ColorRef GetBackColor() const { return backColor_; }
    int RowHeight() const;
    // The first row shown at the top.
    int TopIndex() const { return topIndex_; }
    void EnsureVisible(int item);
    // Rows area below the header, in client coordinates.
    Rect RowsRect() const;
    Rect ItemRect(int item) const;
    // The row under a client point (-1 for none) and its column.
    int HitTest(Point point, int* subItem = nullptr) const;

    // --- Child windows ---------------------------------------------------------
    Header* GetHeader() const { return header_; }
    ScrollBar* GetVerticalScrollBar() const { return vscroll_; }
    // Puts a header window of the caller's in place of the list's own: the
    // columns move into it and the list's own header goes. The caller keeps
    // the object; when it is destroyed first, the list is left without one.
    void UseHeader(Header& header);

    std::intptr_t HandleMessage(const Message& message) override;

protected:
    int OnCreate() override;
    void OnSize(int sizeType, int cx, int cy) override;
    void OnPaint(DeviceContext& dc) override;
    void OnNcCalcSize(Rect& proposedClient) override;
    void OnNcPaint(DeviceContext& windowDc) override;
    void OnSetFont(const Font* font, bool redraw) override;
    void OnLButtonDown(std::uint32_t flags, Point point) override;
    void OnLButtonUp(std::uint32_t flags, Point point) override;
    void OnLButtonDblClk(std::uint32_t flags, Point point) override;
    void OnRButtonDown(std::uint32_t flags, Point point) override;
    bool OnMouseWheel(std::uint32_t flags, int delta, Point screenPoint) override;
    bool OnKeyDown(int key, std::uint32_t flags) override;
    void OnVScroll(int code, int position, Window* scrollBar) override;
    void OnChildRemoved(Window* child) override;
    bool WantsDoubleClicks() const override { return true; }
    std::string_view DefaultClassName() const override { return classes::ListView; }

    // Draws one row (background, cells, grid) into g at rect.
    virtual void DrawRow(Graphics& g, int item, const Rect& rect);

    // Lays out the header and the scroll bar for the current size and rows.
    void LayoutChildren();

private:
    struct Item {
        std::vector<std::string> texts;
        std::uint32_t state = 0;
    };
    void SyncHeader();
    void SelectOnly(int item);
    void SetTopIndex(int index);
    int VisibleRowCount() const;
    void NotifyItemActivate(int code, int item, int subItem, Point point);

    std::vector<ListColumn> columns_;
    std::vector<Item> items_;
    std::uint32_t extendedStyle_ = 0;
    ColorRef textColor_ = 0x000000;
    ColorRef backColor_ = 0xFFFFFF;
    Header* header_ = nullptr;
    bool ownsHeader_ = false;
    ScrollBar* vscroll_ = nullptr;
    int headerHeight_ = 0;
    int topIndex_ = 0;
    int focusItem_ = -1;
    int wheelRemainder_ = 0;
    bool clickPending_ = false;
    bool laying_ = false;
};

}  // namespace platform

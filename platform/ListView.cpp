#include "platform/ListView.h"

#include <algorithm>

#include "platform/Font.h"
#include "platform/Graphics.h"

namespace platform {

namespace {
constexpr int kCellPadding = 6;
constexpr int kRowsPerNotch = 3;
constexpr int kWheelNotch = 120;
}  // namespace

// --- Columns --------------------------------------------------------------------

int ListView::InsertColumn(int index, std::string_view title, int format, int width) {
    if (index < 0 || index > GetColumnCount()) index = GetColumnCount();
    columns_.insert(columns_.begin() + index, ListColumn{std::string(title), format, width});
    for (Item& item : items_)
        if (static_cast<int>(item.texts.size()) > index) item.texts.insert(item.texts.begin() + index, std::string());
    SyncHeader();
    Invalidate();
    return index;
}

int ListView::GetColumnWidth(int column) const {
    return column >= 0 && column < GetColumnCount() ? columns_[column].width : 0;
}

bool ListView::SetColumnWidth(int column, int width) {
    if (column < 0 || column >= GetColumnCount()) return false;
    columns_[column].width = std::max(width, 0);
    SyncHeader();
    Invalidate();
    return true;
}

void ListView::SyncHeader() {
    if (!header_) return;
    header_->DeleteAllItems();
    for (const ListColumn& c : columns_) header_->InsertItem(-1, HeaderItem{c.title, c.width, c.format});
}

// --- Items ------------------------------------------------------------------------

int ListView::InsertItem(int index, std::string_view text) {
    if (index < 0 || index > GetItemCount()) index = GetItemCount();
    Item item;
    item.texts.emplace_back(text);
    items_.insert(items_.begin() + index, std::move(item));
    if (focusItem_ >= index) ++focusItem_;
    LayoutChildren();
    Invalidate();
    return index;
}

bool ListView::SetItemText(int item, int subItem, std::string_view text) {
    if (item < 0 || item >= GetItemCount() || subItem < 0) return false;
    auto& texts = items_[item].texts;
    if (static_cast<int>(texts.size()) <= subItem) texts.resize(subItem + 1);
    texts[subItem] = std::string(text);
    Invalidate();
    return true;
}

std::string ListView::GetItemText(int item, int subItem) const {
    if (item < 0 || item >= GetItemCount() || subItem < 0) return {};
    const auto& texts = items_[item].texts;
    return subItem < static_cast<int>(texts.size()) ? texts[subItem] : std::string();
}

bool ListView::DeleteItem(int item) {
    if (item < 0 || item >= GetItemCount()) return false;
    items_.erase(items_.begin() + item);
    if (focusItem_ == item) focusItem_ = -1;
    else if (focusItem_ > item) --focusItem_;
    LayoutChildren();
    Invalidate();
    return true;
}

void ListView::DeleteAllItems() {
    items_.clear();
    focusItem_ = -1;
    topIndex_ = 0;
    LayoutChildren();
    Invalidate();
}

std::uint32_t ListView::GetItemState(int item, std::uint32_t mask) const {
    if (item < 0 || item >= GetItemCount()) return 0;
    return items_[item].state & mask;
}

bool ListView::SetItemState(int item, std::uint32_t state, std::uint32_t mask) {
    if (item == -1) {
        for (Item& i : items_) i.state = (i.state & ~mask) | (state & mask);
    } else if (item >= 0 && item < GetItemCount()) {
        items_[item].state = (items_[item].state & ~mask) | (state & mask);
        if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED)) focusItem_ = item;
    } else {
        return false;
    }
    Invalidate();
    return true;
}

int ListView::GetNextItem(int start, std::uint32_t flags) const {
    for (int i = std::max(start + 1, 0); i < GetItemCount(); ++i)
        if ((items_[i].state & flags) == flags) return i;
    return -1;
}

int ListView::GetSelectedCount() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.state & LVIS_SELECTED; }));
}

void ListView::SelectOnly(int item) {
    for (int i = 0; i < GetItemCount(); ++i) {
        if (i == item) {
            items_[i].state |= LVIS_SELECTED | LVIS_FOCUSED;
        } else {
            items_[i].state &= ~(LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
    if (item >= 0) focusItem_ = item;
    Invalidate();
}

// --- Looks ---------------------------------------------------------------------------

void ListView::SetExtendedStyle(std::uint32_t mask, std::uint32_t styles) {
    if (mask == 0) mask = ~0u;
    extendedStyle_ = (extendedStyle_ & ~mask) | (styles & mask);
    Invalidate();
}

void ListView::SetTextColor(ColorRef color) {
    textColor_ = color;
    Invalidate();
}

void ListView::SetBackColor(ColorRef color) {
    backColor_ = color;
    Invalidate();
}

int ListView::RowHeight() const { return std::max(FontOrDefault().LineHeight() + 4, 16); }

Rect ListView::RowsRect() const {
    Rect c = ClientRect();
    int right = vscroll_ && vscroll_->IsVisible() ? c.right - vscroll_->RectInParent().Width() : c.right;
    return Rect{0, std::min(headerHeight_, c.bottom), std::max(right, 0), c.bottom};
}

Rect ListView::ItemRect(int item) const {
    Rect rows = RowsRect();
    int top = rows.top + (item - topIndex_) * RowHeight();
    return Rect{0, top, rows.right, top + RowHeight()};
}

int ListView::VisibleRowCount() const { return std::max(1, RowsRect().Height() / RowHeight()); }

int ListView::HitTest(Point point, int* subItem) const {
    if (subItem) *subItem = -1;
    Rect rows = RowsRect();
    if (!rows.Contains(point)) return -1;
    int row = topIndex_ + (point.y - rows.top) / RowHeight();
    if (row >= GetItemCount()) return -1;
    if (subItem) {
        int left = 0;
        for (int c = 0; c < GetColumnCount(); ++c) {
            if (point.x >= left && point.x < left + columns_[c].width) {
                *subItem = c;
                break;
            }
            left += columns_[c].width;
        }
    }
    return row;
}

void ListView::SetTopIndex(int index) {
    int maxTop = std::max(0, GetItemCount() - VisibleRowCount());
    index = std::clamp(index, 0, maxTop);
    if (vscroll_) vscroll_->SetPosition(index);
    if (index == topIndex_) return;
    topIndex_ = index;
    Invalidate();
}

void ListView::EnsureVisible(int item) {
    if (item < 0 || item >= GetItemCount()) return;
    if (item < topIndex_) {
        SetTopIndex(item);
    } else if (item >= topIndex_ + VisibleRowCount()) {
        SetTopIndex(item - VisibleRowCount() + 1);
    }
}

// --- Child windows -------------------------------------------------------------------------

int ListView::OnCreate() {
    Style headerStyle = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : WS_VISIBLE;
    header_ = CreateChild(std::make_unique<Header>(), Rect{}, headerStyle);
    ownsHeader_ = header_ != nullptr;
    vscroll_ = CreateChild(std::make_unique<ScrollBar>(), Rect{}, SBS_VERT);
    if (header_) header_->SetFont(GetFont(), false);
    SyncHeader();
    return 0;
}

void ListView::UseHeader(Header& header) {
    if (&header == header_) return;
    Header* old = header_;
    header_ = nullptr;
    ownsHeader_ = false;
    if (old) old->Destroy();
    if (!header.IsCreated() && IsCreated()) {
        Style headerStyle = (GetStyle() & LVS_NOCOLUMNHEADER) ? 0 : WS_VISIBLE;
        header.Create(this, Rect{}, WS_CHILD | headerStyle);
    }
    header_ = &header;
    SyncHeader();
    LayoutChildren();
    Invalidate();
}

void ListView::OnChildRemoved(Window* child) {
    if (child == header_) header_ = nullptr;
    if (child == vscroll_) vscroll_ = nullptr;
}

void ListView::LayoutChildren() {
    if (laying_ || !IsCreated()) return;
    laying_ = true;
    Rect c = ClientRect();
    headerHeight_ = 0;
    if (header_ && !(GetStyle() & LVS_NOCOLUMNHEADER)) {
        HeaderLayout layout = header_->Layout(c);
        headerHeight_ = std::max(0, layout.header.Height());
    }
    int rowsHeight = c.Height() - headerHeight_;
    bool need = rowsHeight > 0 && GetItemCount() * RowHeight() > rowsHeight;
    bool has = (GetStyle() & WS_VSCROLL) != 0;
    if (need != has) {
        ModifyStyle(need ? 0 : WS_VSCROLL, need ? WS_VSCROLL : 0);
        // The frame is computed anew; a derived list may refuse the bar.
        RecalcFrame();
        c = ClientRect();
    }
    bool show = need && (GetStyle() & WS_VSCROLL) && vscroll_;
    int barWidth = show ? ScrollBar::kThickness : 0;
    if (header_) header_->Move(Rect{0, 0, std::max(c.right - barWidth, 0), headerHeight_}, false);
    if (vscroll_) {
        vscroll_->Move(Rect{c.right - ScrollBar::kThickness, 0, c.right, c.bottom}, false);
        vscroll_->Show(show ? SW_SHOW : SW_HIDE);
        ScrollInfo info;
        info.mask = SIF_RANGE | SIF_PAGE;
        info.min = 0;
        info.max = std::max(GetItemCount() - 1, 0);
        info.page = VisibleRowCount();
        vscroll_->SetScrollInfo(info);
    }
    laying_ = false;
    SetTopIndex(show ? topIndex_ : 0);
    Invalidate();
}

void ListView::OnSize(int sizeType, int cx, int cy) {
    (void)sizeType, (void)cx, (void)cy;
    LayoutChildren();
}

void ListView::OnSetFont(const Font* font, bool redraw) {
    Window::OnSetFont(font, redraw);
    if (header_ && ownsHeader_) header_->SetFont(font, redraw);
    LayoutChildren();
}

// --- Painting ---------------------------------------------------------------------------------

void ListView::OnNcCalcSize(Rect& proposedClient) {
    if (GetStyle() & WS_BORDER) proposedClient = proposedClient.Deflate(1);
}

void ListView::OnNcPaint(DeviceContext& windowDc) {
    if (!(GetStyle() & WS_BORDER)) return;
    Graphics g(windowDc);
    Rect w = RectInParent();
    g.DrawRectangle(0xFF828790, 0, 0, w.Width() - 1, w.Height() - 1);
}

void ListView::OnPaint(DeviceContext& dc) {
    Rect c = ClientRect();
    MemoryDC buffer(dc, c.Width(), c.Height());
    {
        Graphics g(buffer);
        g.FillRectangle(OpaqueArgbFromColorRef(backColor_), c);
        Rect rows = RowsRect();
        g.IntersectClip(rows);
        int rowHeight = RowHeight();
        for (int i = topIndex_; i < GetItemCount(); ++i) {
            Rect r = ItemRect(i);
            if (r.top >= rows.bottom) break;
            DrawRow(g, i, r);
        }
        if (extendedStyle_ & LVS_EX_GRIDLINES) {
            // Grid lines run on through the empty rows below the last item.
            for (int y = rows.top + rowHeight - 1; y < rows.bottom; y += rowHeight)
                g.DrawLine(colors::GridLine, 0, y, rows.right - 1, y);
            int x = 0;
            for (const ListColumn& col : columns_) {
                x += col.width;
                if (x - 1 < rows.right) g.DrawLine(colors::GridLine, x - 1, rows.top, x - 1, rows.bottom - 1);
            }
        }
    }
    dc.Copy(0, 0, c.Width(), c.Height(), buffer, 0, 0);
}

void ListView::DrawRow(Graphics& g, int item, const Rect& rect) {
    bool selected = (items_[item].state & LVIS_SELECTED) != 0;
    bool fullRow = (extendedStyle_ & LVS_EX_FULLROWSELECT) != 0;
    int columnsWidth = 0;
    for (const ListColumn& col : columns_) columnsWidth += col.width;
    if (selected) {
        int right = fullRow ? std::min(columnsWidth, rect.right) : GetColumnWidth(0);
        g.FillRectangle(HasFocus() ? colors::Highlight : 0xFFCCE8FF, Rect{rect.left, rect.top, right, rect.bottom});
    }
    const Font& font = FontOrDefault();
    int x = 0;
    for (int c = 0; c < GetColumnCount(); ++c) {
        const ListColumn& col = columns_[c];
        if (col.width > 0) {
            bool inHighlight = selected && (fullRow || c == 0);
            Argb color = inHighlight && HasFocus() ? colors::HighlightText : OpaqueArgbFromColorRef(textColor_);
            StringFormat format;
            format.alignment = col.format == LVCFMT_CENTER ? StringAlignment::Center
                               : col.format == LVCFMT_RIGHT ? StringAlignment::Far
                                                            : StringAlignment::Near;
            format.lineAlignment = StringAlignment::Center;
            format.trimming = StringTrimming::EllipsisWord;
            format.noWrap = true;
            RectF cell{static_cast<float>(x + kCellPadding), static_cast<float>(rect.top),
                       static_cast<float>(std::max(col.width - 2 * kCellPadding, 1)), static_cast<float>(rect.Height())};
            g.DrawString(GetItemText(item, c), font, color, cell, format);
        }
        x += col.width;
    }
}

// --- Input -------------------------------------------------------------------------------------

void ListView::OnLButtonDown(std::uint32_t flags, Point point) {
    int sub = -1;
    int item = HitTest(point, &sub);
    if (item >= 0 && !(extendedStyle_ & LVS_EX_FULLROWSELECT) && sub != 0) item = -1;
    if ((flags & MK_CONTROL) && item >= 0) {
        items_[item].state ^= LVIS_SELECTED;
        focusItem_ = item;
        Invalidate();
    } else {
        SelectOnly(item);
    }
    EnsureVisible(item);
    clickPending_ = true;
    SetCapture();
}

void ListView::OnLButtonUp(std::uint32_t flags, Point point) {
    (void)flags;
    if (!clickPending_) return;
    clickPending_ = false;
    ReleaseCapture();
    int sub = -1;
    int item = HitTest(point, &sub);
    NotifyItemActivate(NM_CLICK, item, sub, point);
}

void ListView::OnLButtonDblClk(std::uint32_t flags, Point point) {
    WindowRef self = Ref();
    OnLButtonDown(flags, point);
    if (!self) return;
    clickPending_ = false;
    ReleaseCapture();
    int sub = -1;
    int item = HitTest(point, &sub);
    NotifyItemActivate(NM_DBLCLK, item, sub, point);
}

void ListView::OnRButtonDown(std::uint32_t flags, Point point) {
    (void)flags;
    int item = HitTest(point);
    if (item < 0 || !(items_[item].state & LVIS_SELECTED)) SelectOnly(item);
}

void ListView::NotifyItemActivate(int code, int item, int subItem, Point point) {
    ListViewNotify notify;
    notify.item = item;
    notify.subItem = subItem;
    notify.point = point;
    NotifyParent(code, notify);
}

bool ListView::OnMouseWheel(std::uint32_t flags, int delta, Point screenPoint) {
    if (!vscroll_ || !vscroll_->IsVisible()) return Window::OnMouseWheel(flags, delta, screenPoint);
    wheelRemainder_ += delta;
    int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches != 0) SetTopIndex(topIndex_ - notches * kRowsPerNotch);
    return true;
}

bool ListView::OnKeyDown(int key, std::uint32_t flags) {
    (void)flags;
    if (GetItemCount() == 0) return false;
    int current = focusItem_;
    int target;
    switch (key) {
        case VK_UP: target = current < 0 ? 0 : current - 1; break;
        case VK_DOWN: target = current < 0 ? 0 : current + 1; break;
        case VK_HOME: target = 0; break;
        case VK_END: target = GetItemCount() - 1; break;
        case VK_PRIOR: target = current - VisibleRowCount(); break;
        case VK_NEXT: target = current + VisibleRowCount(); break;
        default: return false;
    }
    target = std::clamp(target, 0, GetItemCount() - 1);
    SelectOnly(target);
    EnsureVisible(target);
    ListViewNotify notify;
    notify.item = target;
    NotifyParent(LVN_ITEMCHANGED, notify);
    return true;
}

void ListView::OnVScroll(int code, int position, Window* scrollBar) {
    if (scrollBar != vscroll_ || !vscroll_) return;
    switch (code) {
        case SB_LINEUP: SetTopIndex(topIndex_ - 1); break;
        case SB_LINEDOWN: SetTopIndex(topIndex_ + 1); break;
        case SB_PAGEUP: SetTopIndex(topIndex_ - VisibleRowCount()); break;
        case SB_PAGEDOWN: SetTopIndex(topIndex_ + VisibleRowCount()); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: SetTopIndex(position); break;
        case SB_TOP: SetTopIndex(0); break;
        case SB_BOTTOM: SetTopIndex(GetItemCount()); break;
        default: break;
    }
}

// --- Messages ------------------------------------------------------------------------------------

std::intptr_t ListView::HandleMessage(const Message& m) {
    switch (m.id) {
        case LVM_SETTEXTCOLOR:
            SetTextColor(static_cast<ColorRef>(m.lParam));
            return 1;
        case LVM_SETBKCOLOR:
        case LVM_SETTEXTBKCOLOR:
            SetBackColor(static_cast<ColorRef>(m.lParam));
            return 1;
        case LVM_GETNEXTITEM:
            return GetNextItem(static_cast<int>(static_cast<std::intptr_t>(m.wParam)), static_cast<std::uint32_t>(m.lParam));
        case LVM_SETITEMSTATE: {
            auto* change = FromParam<ItemStateChange>(m.lParam);
            return change && SetItemState(static_cast<int>(static_cast<std::intptr_t>(m.wParam)), change->state, change->mask) ? 1 : 0;
        }
        case LVM_GETITEMSTATE:
            return GetItemState(static_cast<int>(m.wParam), static_cast<std::uint32_t>(m.lParam));
        case LVM_SETEXTENDEDLISTVIEWSTYLE: {
            std::uint32_t old = extendedStyle_;
            SetExtendedStyle(static_cast<std::uint32_t>(m.wParam), static_cast<std::uint32_t>(m.lParam));
            return old;
        }
        case LVM_GETEXTENDEDLISTVIEWSTYLE:
            return extendedStyle_;
        case LVM_GETHEADER:
            return ToParam(header_);
        default:
            return Window::HandleMessage(m);
    }
}

}  // namespace platform

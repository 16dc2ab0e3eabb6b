#include "platform/Header.h"

#include "platform/Font.h"
#include "platform/Graphics.h"

namespace platform {

int Header::InsertItem(int index, HeaderItem item) {
    if (index < 0 || index > GetItemCount()) index = GetItemCount();
    items_.insert(items_.begin() + index, std::move(item));
    Invalidate();
    return index;
}

bool Header::SetItem(int index, HeaderItem item) {
    if (index < 0 || index >= GetItemCount()) return false;
    items_[index] = std::move(item);
    Invalidate();
    return true;
}

bool Header::GetItem(int index, HeaderItem& item) const {
    if (index < 0 || index >= GetItemCount()) return false;
    item = items_[index];
    return true;
}

bool Header::DeleteItem(int index) {
    if (index < 0 || index >= GetItemCount()) return false;
    items_.erase(items_.begin() + index);
    Invalidate();
    return true;
}

void Header::DeleteAllItems() {
    items_.clear();
    Invalidate();
}

bool Header::GetItemRect(int index, Rect& rect) const {
    if (index < 0 || index >= GetItemCount()) return false;
    int left = 0;
    for (int i = 0; i < index; ++i) left += items_[i].width;
    rect = Rect{left, 0, left + items_[index].width, ClientRect().Height()};
    return true;
}

HeaderLayout Header::Layout(const Rect& area) {
    HeaderLayout layout{area, {}};
    Send(HDM_LAYOUT, 0, ToParam(&layout));
    return layout;
}

std::intptr_t Header::HandleMessage(const Message& m) {
    switch (m.id) {
        case HDM_LAYOUT:
            if (auto* layout = FromParam<HeaderLayout>(m.lParam)) OnLayout(*layout);
            return 1;
        case HDM_GETITEMCOUNT:
            return GetItemCount();
        case HDM_GETITEMRECT: {
            auto* rect = FromParam<Rect>(m.lParam);
            return rect && GetItemRect(static_cast<int>(m.wParam), *rect) ? 1 : 0;
        }
        default:
            return Window::HandleMessage(m);
    }
}

void Header::OnLayout(HeaderLayout& layout) {
    int height = FontOrDefault().LineHeight() + 6;
    layout.header = Rect{layout.area.left, layout.area.top, layout.area.right, layout.area.top + height};
    layout.area.top += height;
}

void Header::OnPaint(DeviceContext& dc) {
    Graphics g(dc);
    Rect c = ClientRect();
    g.FillVerticalGradient(c, 0xFFFFFFFF, 0xFFEFEFEF);
    g.DrawLine(0xFFD5D5D5, 0, c.bottom - 1, c.right - 1, c.bottom - 1);
    for (int i = 0; i < GetItemCount(); ++i) {
        Rect r;
        GetItemRect(i, r);
        if (r.IsEmpty()) continue;
        g.DrawLine(0xFFE5E5E5, r.right - 1, 2, r.right - 1, c.bottom - 3);
        const HeaderItem& item = items_[i];
        StringFormat format;
        format.alignment = item.format == 2 ? StringAlignment::Center : item.format == 1 ? StringAlignment::Far : StringAlignment::Near;
        format.lineAlignment = StringAlignment::Center;
        format.trimming = StringTrimming::EllipsisWord;
        format.noWrap = true;
        g.DrawString(item.text, FontOrDefault(), colors::WindowText,
                     RectF{static_cast<float>(r.left + 6), 0, static_cast<float>(r.Width() - 12), static_cast<float>(c.Height())},
                     format);
    }
}

}  // namespace platform

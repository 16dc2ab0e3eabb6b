#pragma once
// Header control: the row of column titles above a list. Items have a
// text, a width and an alignment and lie side by side from x = 0. The
// owner asks for the header's place with a layout request (HDM_LAYOUT,
// OnLayout), which a derived header may change, for instance to scale the
// height; a derived header may also paint itself completely.
#include <string>
#include <vector>

#include "platform/Window.h"

namespace platform {

struct HeaderItem {
    std::string text;
    int width = 0;
    int format = 0;  // LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_CENTER
};

// HDM_LAYOUT: on entry `area` is the owner's area the header goes into; on
// return `header` is the header's rectangle and `area` what is left below.
struct HeaderLayout {
    Rect area;
    Rect header;
};

class Header : public Window {
public:
    int InsertItem(int index, HeaderItem item);
    bool SetItem(int index, HeaderItem item);
    bool GetItem(int index, HeaderItem& item) const;
    bool DeleteItem(int index);
    void DeleteAllItems();
    int GetItemCount() const { return static_cast<int>(items_.size()); }
    // The item's rectangle in client coordinates; false for no such item.
    bool GetItemRect(int index, Rect& rect) const;
    const std::vector<HeaderItem>& Items() const { return items_; }
    // Sends the layout request and returns the answer.
    HeaderLayout Layout(const Rect& area);

    std::intptr_t HandleMessage(const Message& message) override;

protected:
    // The default makes the header as high as its font's line plus padding.
    virtual void OnLayout(HeaderLayout& layout);
    void OnPaint(DeviceContext& dc) override;
    std::string_view DefaultClassName() const override { return classes::Header; }

private:
    std::vector<HeaderItem> items_;
};

}  // namespace platform

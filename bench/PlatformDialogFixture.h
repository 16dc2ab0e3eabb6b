#pragma once
// A 328 x 245 dialog built like the device finder's main window from the
// toolkit's own controls: a background picture, a logo, a title, a close
// button, a list label, a list with twenty rows, a status text and three
// command buttons (nine controls). Used by the painting benchmarks.
#include <memory>
#include <string>

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Font.h"
#include "platform/Graphics.h"
#include "platform/ListView.h"

namespace benchfixture {

using namespace platform;

// A picture of the given size with a diagonal colour ramp.
inline Picture MakePicture(int w, int h, Argb base) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, base ^ static_cast<Argb>(((x + y) & 0x3F) << 2));
    return Picture(std::move(b));
}

// A display window: a picture and a text over a copy of its parent's pixels.
class DisplayWindow : public Window {
public:
    DisplayWindow(const Picture* picture, std::string text, const Font* font) : picture_(picture), text_(std::move(text)), font_(font) {}

protected:
    bool OnEraseBackground(DeviceContext&) override { return true; }
    void OnPaint(DeviceContext& dc) override {
        Rect c = ClientRect();
        MemoryDC buffer(dc, c.Width(), c.Height());
        Point at = RectInParent().TopLeft();
        DeviceContext parent = Parent()->GetClientDC();
        buffer.Copy(0, 0, c.Width(), c.Height(), parent, at.x, at.y);
        {
            Graphics g(buffer);
            g.SetAntiAlias(true);
            if (picture_) g.DrawImage(*picture_, 0, 0);
            if (font_ && !text_.empty())
                g.DrawString(text_, *font_, 0xFFF4F5F7, RectF{2, 1, static_cast<float>(c.Width() - 4), 0});
        }
        dc.Copy(0, 0, c.Width(), c.Height(), buffer, 0, 0);
    }

private:
    const Picture* picture_;
    std::string text_;
    const Font* font_;
};

// An owner-drawn button showing one state of a four-state strip and a text.
class StripButton : public Button {
public:
    StripButton(const Picture* strip, const Font* font) : strip_(strip), font_(font) {}
    void DrawItem(DrawItemRequest& request) override {
        Rect c = request.itemRect;
        MemoryDC buffer(*request.dc, c.Width(), c.Height());
        {
            Graphics g(buffer);
            int stateWidth = strip_->Width() / 4;
            int state = (request.itemState & ODS_DISABLED) ? 3 : (request.itemState & ODS_SELECTED) ? 2 : 0;
            g.DrawImage(*strip_, Rect::FromXywh(0, 0, stateWidth, strip_->Height()),
                        Rect::FromXywh(state * stateWidth, 0, stateWidth, strip_->Height()));
            RectF size = g.MeasureString(Text(), *font_, RectF{});
            g.DrawString(Text(), *font_, 0xFFF4F5F7, (c.Width() - size.width) / 2, 6);
        }
        request.dc->Copy(0, 0, c.Width(), c.Height(), buffer, 0, 0);
    }

private:
    const Picture* strip_;
    const Font* font_;
};

class MainLikeDialog : public Dialog {
public:
    MainLikeDialog()
        : background_(MakePicture(328, 245, 0xFF1E3C64)), logo_(MakePicture(16, 16, 0xFF40A0E0)),
          brush_(MakePicture(224, 14, 0xFF2A5A8A)), buttonStrip_(MakePicture(316, 23, 0xFF305878)),
          closeStrip_(MakePicture(44, 11, 0xFF803030)), titleFont_("DejaVu Sans", 21), textFont_("DejaVu Sans", 12),
          listFont_("\xE5\xAE\x8B\xE4\xBD\x93", 12) {
        SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{100, 100, 428, 345});
    }
    ListView* list = nullptr;

protected:
    bool OnInitDialog() override {
        auto add = [this](std::unique_ptr<Window> w, Rect r, int id, std::string text = {}) {
            return CreateChild(std::move(w), r, WS_VISIBLE, id, text);
        };
        add(std::make_unique<DisplayWindow>(&logo_, "", nullptr), Rect::FromXywh(10, 6, 16, 16), 2101);
        add(std::make_unique<DisplayWindow>(nullptr, "Device Search", &titleFont_), Rect::FromXywh(30, 2, 200, 26), 2102);
        auto* close = new StripButton(&closeStrip_, &textFont_);
        CreateChild(std::unique_ptr<Window>(close), Rect::FromXywh(308, 8, 11, 11), WS_VISIBLE | BS_OWNERDRAW, 2103);
        add(std::make_unique<DisplayWindow>(nullptr, "Device List", &textFont_), Rect::FromXywh(6, 32, 120, 18), 2104);
        list = CreateChild(std::make_unique<ListView>(), Rect::FromXywh(6, 52, 316, 130), WS_VISIBLE | WS_BORDER | LVS_REPORT, 2105);
        list->SetFont(&listFont_);
        list->SetExtendedStyle(0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list->InsertColumn(0, "Name", LVCFMT_LEFT, 96);
        list->InsertColumn(1, "IP", LVCFMT_CENTER, 122);
        list->InsertColumn(2, "Type", LVCFMT_CENTER, 88);
        for (int i = 0; i < 20; ++i) {
            list->InsertItem(0, "device-" + std::to_string(i));
            list->SetItemText(0, 1, "198.18.0." + std::to_string(i + 10));
            list->SetItemText(0, 2, "TravelRouter");
        }
        add(std::make_unique<DisplayWindow>(&brush_, "Searching new devices,please wait 7s...", &textFont_),
            Rect::FromXywh(6, 186, 280, 16), 2106);
        const char* labels[] = {"Log In", "Refresh", "My Storage"};
        for (int i = 0; i < 3; ++i) {
            auto* b = new StripButton(&buttonStrip_, &textFont_);
            CreateChild(std::unique_ptr<Window>(b), Rect::FromXywh(6 + i * 106, 212, 79, 23), WS_VISIBLE | BS_OWNERDRAW,
                        2107 + i, labels[i]);
        }
        return true;
    }
    bool OnEraseBackground(DeviceContext&) override { return true; }
    void OnPaint(DeviceContext& dc) override {
        Rect c = ClientRect();
        MemoryDC buffer(dc, c.Width(), c.Height());
        {
            Graphics g(buffer);
            g.SetAntiAlias(true);
            g.DrawImage(background_, 0, 0);
        }
        dc.Copy(0, 0, c.Width(), c.Height(), buffer, 0, 0);
    }

private:
    Picture background_, logo_, brush_, buttonStrip_, closeStrip_;
    Font titleFont_, textFont_, listFont_;
};

}  // namespace benchfixture

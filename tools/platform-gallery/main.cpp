// Shows every stock control of the window toolkit in one shaped dialog:
// push buttons (stock, owner-drawn, disabled), a list view with a scroll
// bar, a stand-alone header, a horizontal scroll bar and a tooltip.
//
//   platform-gallery [--headless] [--screenshot FILE] [--quit-after MS]
//
// With --screenshot the dialog's painted surface is written to FILE once
// the window is up; --quit-after ends the dialog after that many ms.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/Button.h"
#include "platform/Dialog.h"
#include "platform/Font.h"
#include "platform/Graphics.h"
#include "platform/HeadlessHost.h"
#include "platform/ListView.h"
#include "platform/Screenshot.h"
#include "platform/ScrollBar.h"
#include "platform/SdlHost.h"
#include "platform/ToolTip.h"

using namespace platform;

namespace {

// A button that draws itself through the owner-draw path: blue, darker
// while pressed, grey when disabled.
class PaintedButton : public Button {
public:
    void DrawItem(DrawItemRequest& request) override {
        Graphics g(*request.dc);
        g.SetAntiAlias(true);
        bool pressed = request.itemState & ODS_SELECTED;
        bool disabled = request.itemState & ODS_DISABLED;
        Argb top = disabled ? 0xFFC8C8C8 : pressed ? 0xFF1F5FA8 : 0xFF4A90E2;
        Argb bottom = disabled ? 0xFFB0B0B0 : pressed ? 0xFF174A85 : 0xFF2F6FC0;
        g.FillVerticalGradient(request.itemRect, top, bottom);
        g.DrawRectangle(0xFF1A3F6E, 0, 0, request.itemRect.Width() - 1, request.itemRect.Height() - 1);
        StringFormat centred{StringAlignment::Center, StringAlignment::Center, StringTrimming::Clip, true};
        int shift = pressed ? 1 : 0;
        g.DrawString(Text(), FontOrDefault(), 0xFFFFFFFF,
                     RectF{static_cast<float>(shift), static_cast<float>(shift),
                           static_cast<float>(request.itemRect.Width()), static_cast<float>(request.itemRect.Height())},
                     centred);
    }
};

class GalleryDialog : public Dialog {
public:
    explicit GalleryDialog(std::string screenshot, int quitAfterMs)
        : screenshot_(std::move(screenshot)), quitAfterMs_(quitAfterMs),
          titleFont_("DejaVu Sans", 16, FontStyle::Bold), cjkFont_("Noto Sans CJK SC", 13) {
        SetCreateParams(WS_POPUP | WS_VISIBLE, Rect{60, 60, 60 + 520, 60 + 360});
    }

protected:
    bool OnInitDialog() override {
        SetText("Platform gallery");
        Bitmap iconPixels(16, 16);
        iconPixels.Clear(0xFF2F6FC0);
        icon_ = Picture(std::move(iconPixels));
        SetIcon(&icon_);
        SetRegion(Region::RoundRect(ClientRect(), 12, 12));
        auto* stock = CreateChild(std::make_unique<Button>(), Rect::FromXywh(16, 48, 110, 28), WS_VISIBLE, 1, "Stock");
        CreateChild(std::make_unique<PaintedButton>(), Rect::FromXywh(136, 48, 110, 28), WS_VISIBLE | BS_OWNERDRAW, 2,
                    "Owner-drawn");
        auto* disabled = CreateChild(std::make_unique<PaintedButton>(), Rect::FromXywh(256, 48, 110, 28),
                                     WS_VISIBLE | BS_OWNERDRAW, 3, "Disabled");
        disabled->Enable(false);
        CreateChild(std::make_unique<Button>(), Rect::FromXywh(376, 48, 128, 28), WS_VISIBLE, IDCANCEL, "Close");

        list_ = CreateChild(std::make_unique<ListView>(), Rect::FromXywh(16, 90, 488, 170),
                            WS_VISIBLE | WS_BORDER | LVS_REPORT, 10);
        list_->SetExtendedStyle(0, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        list_->InsertColumn(0, "Host name", LVCFMT_LEFT, 140);
        list_->InsertColumn(1, "IP address", LVCFMT_CENTER, 160);
        list_->InsertColumn(2, "Product", LVCFMT_CENTER, 150);
        static const char* products[] = {"TravelRouter", "旅行路由器", "トラベルルーター", "PocketNAS"};
        for (int i = 0; i < 20; ++i) {
            int row = list_->InsertItem(list_->GetItemCount(), "device-" + std::to_string(i + 1));
            list_->SetItemText(row, 1, "198.18.0." + std::to_string(10 + i));
            list_->SetItemText(row, 2, products[i % 4]);
        }
        list_->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        list_->SetTextColor(MakeColorRef(6, 65, 105));

        auto* header = CreateChild(std::make_unique<Header>(), Rect::FromXywh(16, 272, 488, 22), WS_VISIBLE, 11);
        header->InsertItem(-1, {"Stand-alone", 120, LVCFMT_LEFT});
        header->InsertItem(-1, {"header", 120, LVCFMT_CENTER});
        header->InsertItem(-1, {"control", 248, LVCFMT_RIGHT});

        scroll_ = CreateChild(std::make_unique<ScrollBar>(), Rect::FromXywh(16, 304, 488, 17), WS_VISIBLE | SBS_HORZ, 12);
        scroll_->SetScrollInfo({SIF_ALL, 0, 99, 20, 30, 0});

        tooltip_ = std::make_unique<ToolTip>();
        tooltip_->Create(this);
        tooltip_->AddTool(*stock, "A stock push button");

        if (!screenshot_.empty() || quitAfterMs_ > 0) SetTimer(1, screenshot_.empty() ? quitAfterMs_ : 400);
        return true;
    }

    void OnPaint(DeviceContext& dc) override {
        Graphics g(dc);
        Rect c = ClientRect();
        g.FillVerticalGradient(c, 0xFFF7F9FC, 0xFFE3E9F2);
        g.DrawRectangle(0xFF7A8CA8, 0, 0, c.Width() - 1, c.Height() - 1);
        g.DrawString("Platform gallery", titleFont_, 0xFF203040, 16, 12);
        g.DrawString("中文 日本語テキスト", cjkFont_, 0xFF506070,
                     RectF{300, 14, 204, 20}, StringFormat{StringAlignment::Far, StringAlignment::Center});
        g.DrawString("Word-wrapped text inside a layout rectangle, trimmed at a word boundary when it runs out of room.",
                     Font::Default(), 0xFF404040, RectF{16, 328, 488, 28},
                     StringFormat{StringAlignment::Near, StringAlignment::Near, StringTrimming::EllipsisWord});
    }

    bool OnCommand(int id, int code, Window* from) override {
        if (id == 1 || id == 2) {
            list_->SetItemText(0, 2, id == 1 ? "stock clicked" : "painted clicked");
            return true;
        }
        return Dialog::OnCommand(id, code, from);
    }

    void OnHScroll(int code, int position, Window* bar) override {
        if (bar != scroll_) return;
        int pos = scroll_->Position();
        if (code == SB_LINELEFT) pos -= 1;
        if (code == SB_LINERIGHT) pos += 1;
        if (code == SB_PAGELEFT) pos -= 20;
        if (code == SB_PAGERIGHT) pos += 20;
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) pos = position;
        scroll_->SetPosition(pos);
    }

    void OnLButtonDown(std::uint32_t flags, Point point) override {
        (void)flags;
        if (point.y < 40) Send(WM_NCLBUTTONDOWN, HTCAPTION, PackPoint(point));
    }

    void OnTimer(std::uintptr_t id) override {
        if (id != 1) return;
        KillTimer(1);
        if (!screenshot_.empty()) {
            Update();
            if (!SaveWindowPng(*this, screenshot_)) std::fprintf(stderr, "could not write %s\n", screenshot_.c_str());
            if (quitAfterMs_ <= 0) return;
            screenshot_.clear();
            SetTimer(1, quitAfterMs_);
            return;
        }
        EndDialog(IDOK);
    }

private:
    std::string screenshot_;
    int quitAfterMs_;
    Font titleFont_;
    Font cjkFont_;
    ListView* list_ = nullptr;
    ScrollBar* scroll_ = nullptr;
    std::unique_ptr<ToolTip> tooltip_;
    Picture icon_;
};

}  // namespace

int main(int argc, char** argv) {
    bool headless = false;
    std::string screenshot;
    int quitAfter = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless")) headless = true;
        else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc) screenshot = argv[++i];
        else if (!std::strcmp(argv[i], "--quit-after") && i + 1 < argc) quitAfter = std::atoi(argv[++i]);
    }
    std::unique_ptr<Host> host;
    if (headless) {
        host = std::make_unique<HeadlessHost>();
    } else {
        auto sdl = std::make_unique<SdlHost>();
        if (!sdl->IsReady()) {
            std::fprintf(stderr, "no display: %s\n", sdl->Error().c_str());
            return 1;
        }
        host = std::move(sdl);
    }
    int result;
    {
        GalleryDialog dialog(screenshot, quitAfter);
        result = dialog.DoModal();
    }
    std::printf("dialog ended with %d\n", result);
    return 0;
}

// Shows every skinned control class in one window, built from a layout-like
// description (gallery.xml, in the layout file's own format) with the
// built-in pictures and a few strips the gallery draws itself: push, drift,
// check-box and radio buttons, the three display controls, the device list
// with its skinned header, and the task list with rows in several states and
// progress cells.
//
//   skin-gallery [--headless] [--screenshot FILE] [--quit-after MS] [--source DIR]
//
// --source names the source tree (default: $SCOUTREL_SOURCE_DIR, else the
// tree this was built from); --screenshot writes the window's painted
// surface to FILE once it is up; --quit-after ends it after that many ms.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "layout/LayoutValueParsers.h"
#include "layout/WndLayoutReader.h"
#include "platform/Dialog.h"
#include "platform/Font.h"
#include "platform/Graphics.h"
#include "platform/HeadlessHost.h"
#include "platform/Screenshot.h"
#include "platform/SdlHost.h"
#include "platform/WindowClass.h"
#include "skin/CShowTaskListCtrl.h"
#include "skin/CStandardListCtrl.h"
#include "skin/SkinClasses.h"
#include "tools/skin-gallery/GalleryPictures.h"

using namespace platform;

namespace {

constexpr int kGalleryDialogId = 900;
constexpr int kCloseButton = 3103;
constexpr int kDisabledButton = 3112;
constexpr int kCheckedBox = 3122;
constexpr int kFirstRadio = 3131;
constexpr int kCheckedRadio = 3132;
constexpr int kDeviceList = 3152;
constexpr int kTaskList = 3162;
constexpr int kScreenshotTimer = 1;

struct TaskRow {
    const char* name;
    const char* size;
    const char* status;
    const char* percent;   // subitem 5
    const char* progress;  // column 6
    const char* flag14;
    const char* flag16;
};

const TaskRow kTaskRows[] = {
    {"backup-photos.tar", "1.2 GB", "R", "", "", "", "1"},
    {"firmware-2.1.bin", "8 MB", "W", "", "waiting", "", ""},
    {"movie collection with a very long name.mkv", "4.4 GB", "J", "42", "", "", ""},
    {"notes.txt", "2 KB", "S", "", "shared", "", ""},
    {"music.zip", "700 MB", "C", "", "complete", "", ""},
    {"old-logs", "15 MB", "P", "", "paused", "", ""},
    {"broken.iso", "3.1 GB", "E", "", "error", "", ""},
    {"archive.7z", "512 MB", "R", "", "67%", "", ""},
    {"removed.doc", "40 KB", "D", "", "deleted", "", ""},
    {"unknown", "", "", "", "", "x", ""},
};

class GalleryDialog : public Dialog {
public:
    GalleryDialog(DialogLayout layout, std::string pictures, std::string screenshot, int quitAfterMs)
        : layout_(std::move(layout)), pictures_(std::move(pictures)), screenshot_(std::move(screenshot)),
          quitAfterMs_(quitAfterMs), listFont_("DejaVu Sans", 12.0f)
    {
        SetCreateParams(WS_POPUP | WS_VISIBLE,
                        Rect{40, 40, 40 + layout_.rcPos.right, 40 + layout_.rcPos.bottom});
    }

protected:
    bool OnInitDialog() override
    {
        SetText(layout_.strText);
        SetRegion(Region::RoundRect(ClientRect(), 5, 5));
        for (const auto& [id, record] : layout_.mapCtrlLayouts) {
            CreateControl(record);
        }
        if (!screenshot_.empty() || quitAfterMs_ > 0) {
            SetTimer(kScreenshotTimer, screenshot_.empty() ? quitAfterMs_ : 500);
        }
        return true;
    }

    void OnPaint(DeviceContext& dc) override
    {
        const Rect client = ClientRect();
        {
            Graphics g(dc);
            g.FillVerticalGradient(client, 0xFF223040, 0xFF151E29);
            g.FillVerticalGradient(Rect{0, 0, client.right, 30}, 0xFF1F5C8C, 0xFF153E63);
            g.DrawRectangle(0xFF0A1119, 0, 0, client.Width() - 1, client.Height() - 1);
        }
        // Every control that shows the window behind it takes its snapshot
        // of what was just painted.
        for (const auto& control : controls_) {
            if (auto* frame = dynamic_cast<CBasicPropertyFrame*>(control.get())) {
                if ((frame->m_nPaintMode & PAINT_PARENTBG) != 0) {
                    frame->CaptureBackground(dc, control.get(), this);
                }
            }
        }
    }

    void OnLButtonDown(std::uint32_t flags, Point point) override
    {
        (void)flags;
        if (point.y < 28) {
            Send(WM_NCLBUTTONDOWN, HTCAPTION, PackPoint(point));
        }
    }

    bool OnCommand(int id, int code, Window* from) override
    {
        if (id == kCloseButton) {
            EndDialog(IDOK);
            return true;
        }
        return Dialog::OnCommand(id, code, from);
    }

    void OnTimer(std::uintptr_t id) override
    {
        if (id != kScreenshotTimer) {
            return;
        }
        KillTimer(kScreenshotTimer);
        if (!screenshot_.empty()) {
            Update();
            if (!SaveWindowPng(*this, screenshot_)) {
                std::fprintf(stderr, "could not write %s\n", screenshot_.c_str());
            } else {
                std::printf("screenshot: %s\n", screenshot_.c_str());
            }
            screenshot_.clear();
            if (quitAfterMs_ > 0) {
                SetTimer(kScreenshotTimer, quitAfterMs_);
            }
            return;
        }
        EndDialog(IDOK);
    }

private:
    std::string Picture(const char* name) const { return pictures_ + "/" + name; }

    std::string LayoutString(const std::string& id) const
    {
        const auto it = layout_.mapStrings.find(id);
        return it == layout_.mapStrings.end() ? std::string() : it->second;
    }

    // What the layout frame's factory does for one record, on this window.
    void CreateControl(const ControlLayout& record)
    {
        const Rect rect{record.rcPos.left, record.rcPos.top, record.rcPos.right, record.rcPos.bottom};
        Style style = record.dwStyle;
        if (record.nCtrlID == kFirstRadio) {
            style |= WS_GROUP;  // the radio buttons form one group
        }
        std::unique_ptr<Window> window;
        if (record.strClass == "StandardListCtrl") {
            window = std::make_unique<CStandardListCtrl>();
        } else if (record.strClass == "ShowTaskListCtrl") {
            window = std::make_unique<CShowTaskListCtrl>();
        } else {
            window = WindowClassRegistry::Make(record.strClass);
        }
        auto* frame = dynamic_cast<CBasicPropertyFrame*>(window.get());
        if (window == nullptr || frame == nullptr) {
            std::fprintf(stderr, "no control class %s\n", record.strClass.c_str());
            return;
        }
        frame->SetBGColor(record.clrBG);
        frame->m_clrBorder = CBasicPropertyFrame::ColorRefToArgb(record.clrBorder);
        frame->m_nPaintMode = static_cast<std::uint32_t>(record.nPaintMode);
        const bool isList = record.strClass == "StandardListCtrl" || record.strClass == "ShowTaskListCtrl";
        if (isList) {
            window->Create(this, rect, style, record.nCtrlID);
        } else {
            window->CreateEx(record.strClass, "", style, rect, this, record.nCtrlID);
        }

        if (record.strClass != "ShowTextCtrl" && record.strClass != "StandardListCtrl") {
            frame->SetBGImage(record.strBGPath, record.nBGStatusCount, 0, 0);
        }
        if (record.strClass != "ShowImageCtrl" && !isList) {
            frame->SetText(record.strText, record.ptTextOffset.x, record.ptTextOffset.y);
            frame->SetTextFont(record.strFont, record.nFontSize);
            frame->SetTextColor(record.clrText);
        }
        if (record.strClass == "DriftButton") {
            frame->CreateToolTip(window.get(), record.strDiscrip);
        }
        if (record.strClass == "StandardListCtrl") {
            SetUpDeviceList(static_cast<CStandardListCtrl&>(*window), record);
        }
        if (record.strClass == "ShowTaskListCtrl") {
            SetUpTaskList(static_cast<CShowTaskListCtrl&>(*window), record);
        }
        if (record.nCtrlID == kDisabledButton) {
            window->Enable(false);
        }
        if (record.nCtrlID == kCheckedBox || record.nCtrlID == kCheckedRadio) {
            window->Send(BM_SETCHECK, BST_CHECKED);
        }
        window->Move(rect, true);
        window->Show(record.nShow);
        controls_.push_back(std::move(window));
    }

    void SetUpDeviceList(CStandardListCtrl& list, const ControlLayout& record)
    {
        list.SetFont(&listFont_, true);
        list.SetTextColor(record.clrText);
        list.SetExtendedStyle(0x23, LVS_EX_GRIDLINES | LVS_EX_SUBITEMIMAGES | LVS_EX_FULLROWSELECT);
        list.m_wndHeader.SetBGImage(Picture("headerbackground.png"), 1, 0, 0);
        list.m_wndHeader.SetClipImage(Picture("headerclip.png"));
        list.SetHeaderFont(LayoutString("GALLERY_HEADER_FONT_NAME"),
                           ParseLayoutInteger(LayoutString("GALLERY_HEADER_FONT_SIZE")));
        LayoutColor headerColour = 0xFFFFFF;
        ParseLayoutColor(LayoutString("GALLERY_HEADER_FONT_COLOR"), headerColour);
        list.SetHeaderTextColor(headerColour);
        list.SetHeaderHeightScale(0.9f);
        list.InsertColumn(0, "Host Name", LVCFMT_LEFT, 96);
        list.InsertColumn(1, "IP Address", LVCFMT_CENTER, 122);
        list.InsertColumn(2, "Device Type", LVCFMT_CENTER, 88);
        const char* rows[][3] = {{"travel-router", "198.18.0.21", "TR-300"},
                                 {"pocket-nas", "198.18.0.34", "PN-2"},
                                 {"旅行路由器", "198.18.0.57", "TR-500"},
                                 {"attic-box", "198.18.0.90", "TR-300"}};
        for (const auto& row : rows) {
            const int index = list.InsertItem(list.GetItemCount(), row[0]);
            list.SetItemText(index, 1, row[1]);
            list.SetItemText(index, 2, row[2]);
        }
        list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    }

    void SetUpTaskList(CShowTaskListCtrl& list, const ControlLayout& record)
    {
        list.CBasicPropertyFrame::SetTextColor(record.clrText);
        list.SetTextFont(record.strFont, record.nFontSize);
        list.m_nSelRowHeight = 40;
        list.m_ptImagePos = Point{-4, 0};
        list.SetProgressBar(Picture("bar.png"), Picture("fill.png"), 8, 9, 110, 12);
        list.m_wndHeader.SetTextFont("DejaVu Sans", 12);
        list.m_wndHeader.SetTextColor(0x5A3C1E);
        list.m_wndHeader.SetClipImage(Picture("headerclip.png"));
        const int widths[7] = {132, 56, 0, 0, 0, 0, 126};
        const char* titles[7] = {"Task", "Size", "", "", "", "", "Progress"};
        for (int column = 0; column < 7; ++column) {
            list.InsertColumn(column, titles[column], LVCFMT_LEFT, widths[column]);
        }
        for (const TaskRow& row : kTaskRows) {
            const int index = list.InsertItem(list.GetItemCount(), std::string("      ") + row.name);
            list.SetItemText(index, 1, row.size);
            list.SetItemText(index, 2, row.status);
            list.SetItemText(index, 5, row.percent);
            list.SetItemText(index, 6, row.progress);
            list.SetItemText(index, 14, row.flag14);
            list.SetItemText(index, 16, row.flag16);
        }
        list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
        list.UpdateScrollBars();
        list.InvalidateRows();
    }

    DialogLayout layout_;
    std::string pictures_;
    std::string screenshot_;
    int quitAfterMs_;
    Font listFont_;
    std::vector<std::unique_ptr<Window>> controls_;
};

// A folder with the built-in pictures and the gallery's own.
std::string PreparePictureFolder(const std::filesystem::path& source)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("scoutrel-skin-gallery-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(source / "resources" / "pictures", error)) {
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing, error);
    }
    if (!WriteGalleryPictures(folder.string())) {
        std::fprintf(stderr, "could not write the gallery pictures into %s\n", folder.c_str());
    }
    return folder.string();
}

} // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    std::string screenshot;
    int quitAfter = 0;
    const char* sourceEnv = std::getenv("SCOUTREL_SOURCE_DIR");
    std::string source = sourceEnv != nullptr ? sourceEnv : SCOUTREL_GALLERY_SOURCE_DIR;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--headless")) {
            headless = true;
        } else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc) {
            screenshot = argv[++i];
        } else if (!std::strcmp(argv[i], "--quit-after") && i + 1 < argc) {
            quitAfter = std::atoi(argv[++i]);
        } else if (!std::strcmp(argv[i], "--source") && i + 1 < argc) {
            source = argv[++i];
        }
    }

    // The layout's picture paths are read relative to the base folder.
    const std::string pictures = PreparePictureFolder(source);
    ::setenv("SCOUTREL_BASE_DIR", pictures.c_str(), 1);
    DialogLayout layout;
    ReadWndLayoutInfo(layout, source + "/tools/skin-gallery/gallery.xml", kGalleryDialogId, "Standard");
    if (layout.mapCtrlLayouts.empty()) {
        std::fprintf(stderr, "no controls read from the gallery description under %s\n", source.c_str());
        return 1;
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
    RegisterSkinWindowClasses();
    {
        GalleryDialog dialog(std::move(layout), pictures, screenshot, quitAfter);
        dialog.DoModal();
    }
    std::error_code error;
    std::filesystem::remove_all(pictures, error);
    return 0;
}

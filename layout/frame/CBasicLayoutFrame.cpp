#include "layout/frame/CBasicLayoutFrame.h"

#include <cstdlib>
#include <type_traits>

#include "layout/ConfigPaths.h"
#include "layout/WndLayoutReader.h"
#include "platform/Messages.h"
#include "skin/CBasicButton.h"
#include "skin/CBasicCtrl.h"
#include "skin/CBasicListCtrl.h"
#include "skin/CCheckBoxButton.h"
#include "skin/CDriftButton.h"
#include "skin/CRadioBoxButton.h"
#include "skin/CShowImageCtrl.h"
#include "skin/CShowTaskListCtrl.h"
#include "skin/CShowTextCtrl.h"
#include "skin/CShowTextImageCtrl.h"
#include "skin/CStandardButton.h"
#include "skin/CStandardListCtrl.h"

namespace {

// What a factory step sets on each control after creating its window, in
// this order.
enum FactoryProperty : unsigned {
    kSetBGImage = 1u << 0,
    kSetText = 1u << 1,
    kSetTextFont = 1u << 2,
    kSetTextColor = 1u << 3,
    kCreateToolTip = 1u << 4,
    kListFontAndColor = 1u << 5,
};

constexpr unsigned kButtonProperties = kSetBGImage | kSetText | kSetTextFont | kSetTextColor;

platform::Rect ToRect(const LayoutRect& r) { return platform::Rect{r.left, r.top, r.right, r.bottom}; }

// The first bytes of a UTF-8 text, at most `limit` of them, cut before a
// character that would not fit whole.
std::string CutUtf8(std::string text, std::size_t limit)
{
    if (text.size() <= limit) return text;
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    text.resize(end);
    return text;
}

}  // namespace

// One factory step: a control of class Ctrl for every record of the keyword.
// The seven button and display classes are created by their registered class
// name; the list classes are list views created directly.
template <class Ctrl, class Family>
static void CreateCtrlsOfClass(CBasicLayoutFrame& frame, std::string_view keyword, unsigned properties,
                               std::map<std::int32_t, std::unique_ptr<Family>>& family, platform::Window* pParent)
{
    for (const auto& [id, record] : frame.layout.mapCtrlLayouts) {
        if (record.strClass != keyword) continue;
        auto ctrl = std::make_unique<Ctrl>();

        ctrl->SetBGColor(record.clrBG);
        ctrl->m_clrBorder = CBasicPropertyFrame::ColorRefToArgb(record.clrBorder);
        ctrl->m_nPaintMode = static_cast<std::uint32_t>(record.nPaintMode);

        const platform::Rect rect = ToRect(record.rcPos);
        if constexpr (std::is_base_of_v<CBasicListCtrl, Ctrl>) {
            ctrl->Create(pParent, rect, record.dwStyle, record.nCtrlID);
        } else {
            ctrl->CreateEx(keyword, {}, record.dwStyle, rect, pParent, record.nCtrlID);
        }

        if (properties & kSetBGImage) ctrl->CBasicPropertyFrame::SetBGImage(record.strBGPath, record.nBGStatusCount, 0, 0);
        if (properties & kSetText) ctrl->CBasicPropertyFrame::SetText(record.strText, record.ptTextOffset.x, record.ptTextOffset.y);
        if (properties & kSetTextFont) ctrl->CBasicPropertyFrame::SetTextFont(record.strFont, record.nFontSize);
        if (properties & kSetTextColor) ctrl->CBasicPropertyFrame::SetTextColor(record.clrText);
        if (properties & kCreateToolTip) ctrl->CreateToolTip(ctrl.get(), record.strDiscrip);
        if (properties & kListFontAndColor) {
            if (platform::Font* font = frame.CreateLayoutFont(record.strFont, record.nFontSize)) ctrl->SetFont(font, true);
            ctrl->Send(platform::LVM_SETTEXTCOLOR, 0, static_cast<std::intptr_t>(record.clrText));
        }

        // A window whose creation failed stays in its map like any other:
        // moving and showing it have no effect.
        if (ctrl->IsCreated()) {
            ctrl->Move(rect.left, rect.top, rect.Width(), rect.Height(), true);
            ctrl->Show(record.nShow);
        }
        family.emplace(record.nCtrlID, std::move(ctrl));
    }
}

CBasicLayoutFrame::CBasicLayoutFrame() = default;

CBasicLayoutFrame::~CBasicLayoutFrame()
{
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
}

void CBasicLayoutFrame::LoadLayout(std::string strRelativePath, std::int32_t nDialogID, std::string strSection)
{
    LoadLayoutFromPath(MakeConfigPath(strRelativePath), nDialogID, std::move(strSection));
}

void CBasicLayoutFrame::LoadLayoutFromPath(std::string strPath, std::int32_t nDialogID, std::string strSection)
{
    ReadLayout(std::move(strPath), nDialogID, std::move(strSection));
    ApplyLayout();
}

void CBasicLayoutFrame::ReadLayout(std::string strPath, std::int32_t nDialogID, std::string strSection)
{
    ReadWndLayoutInfo(layout, strPath, nDialogID, strSection);
}

void CBasicLayoutFrame::ApplyLayout()
{
    ApplyDialogLayout();
    CreateLayoutCtrls();
}

void CBasicLayoutFrame::ApplyDialogLayout() {}

void CBasicLayoutFrame::CreateLayoutCtrls()
{
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
}

void CBasicLayoutFrame::ReservedLayoutHook1() {}
void CBasicLayoutFrame::BindLayoutCtrls() {}
BOOL CBasicLayoutFrame::IsLayoutReady() { return TRUE; }
void CBasicLayoutFrame::ReservedLayoutHook2(std::uint32_t) {}
void CBasicLayoutFrame::ReservedLayoutHook3() {}

void CBasicLayoutFrame::CreateStandardButtons(platform::Window* pParent)
{
    CreateCtrlsOfClass<CStandardButton>(*this, "StandardButton", kButtonProperties, mapButtons, pParent);
}

void CBasicLayoutFrame::CreateRadioBoxButtons(platform::Window* pParent)
{
    CreateCtrlsOfClass<CRadioBoxButton>(*this, "RadioBoxButton", kButtonProperties, mapButtons, pParent);
}

void CBasicLayoutFrame::CreateCheckBoxButtons(platform::Window* pParent)
{
    CreateCtrlsOfClass<CCheckBoxButton>(*this, "CheckBoxButton", kButtonProperties, mapButtons, pParent);
}

void CBasicLayoutFrame::CreateDriftButtons(platform::Window* pParent)
{
    CreateCtrlsOfClass<CDriftButton>(*this, "DriftButton", kButtonProperties | kCreateToolTip, mapButtons, pParent);
}

void CBasicLayoutFrame::CreateShowTextCtrls(platform::Window* pParent)
{
    CreateCtrlsOfClass<CShowTextCtrl>(*this, "ShowTextCtrl", kSetText | kSetTextFont | kSetTextColor, mapStatics,
                                      pParent);
}

void CBasicLayoutFrame::CreateShowImageCtrls(platform::Window* pParent)
{
    CreateCtrlsOfClass<CShowImageCtrl>(*this, "ShowImageCtrl", kSetBGImage, mapStatics, pParent);
}

void CBasicLayoutFrame::CreateShowTextImageCtrls(platform::Window* pParent)
{
    CreateCtrlsOfClass<CShowTextImageCtrl>(*this, "ShowTextImageCtrl", kButtonProperties, mapStatics, pParent);
}

void CBasicLayoutFrame::CreateStandardListCtrls(platform::Window* pParent)
{
    CreateCtrlsOfClass<CStandardListCtrl>(*this, "StandardListCtrl", kListFontAndColor, mapLists, pParent);
}

void CBasicLayoutFrame::CreateShowTaskListCtrls(platform::Window* pParent)
{
    CreateCtrlsOfClass<CShowTaskListCtrl>(*this, "ShowTaskListCtrl", kSetBGImage, mapLists, pParent);
}

template <class Map>
static auto FindInFamily(const Map& family, std::int32_t nCtrlID) -> typename Map::mapped_type::pointer
{
    const auto it = family.find(nCtrlID);
    return it == family.end() ? nullptr : it->second.get();
}

CBasicButton* CBasicLayoutFrame::FindButtonCtrl(std::int32_t nCtrlID) const { return FindInFamily(mapButtons, nCtrlID); }
CBasicCtrl* CBasicLayoutFrame::FindStaticCtrl(std::int32_t nCtrlID) const { return FindInFamily(mapStatics, nCtrlID); }
CBasicListCtrl* CBasicLayoutFrame::FindListCtrl(std::int32_t nCtrlID) const { return FindInFamily(mapLists, nCtrlID); }

std::int32_t CBasicLayoutFrame::GetCtrlLayout(std::int32_t nCtrlID, ControlLayout& out) const
{
    const auto it = layout.mapCtrlLayouts.find(nCtrlID);
    if (it == layout.mapCtrlLayouts.end()) return 1;
    out = it->second;
    return 0;
}

std::string CBasicLayoutFrame::GetLayoutString(std::string strStringID) const
{
    const auto it = layout.mapStrings.find(strStringID);
    return it == layout.mapStrings.end() ? std::string() : it->second;
}

platform::Font* CBasicLayoutFrame::CreateLayoutFont(std::string strFaceName, std::int32_t nHeight)
{
    // A negative height names the character height, a positive one the cell
    // height; either way the font is made that many pixels high.
    const float pixels = static_cast<float>(std::abs(static_cast<long>(nHeight)));
    vecFonts.push_back(std::make_unique<platform::Font>(CutUtf8(std::move(strFaceName), kLayoutFontFaceMax), pixels));
    return vecFonts.back().get();
}

void CBasicLayoutFrame::DestroyLayoutFonts()
{
    for (auto& font : vecFonts) font.reset();
    vecFonts.clear();
}

template <class Map>
static void DestroyFamily(Map& family)
{
    for (auto& entry : family) entry.second.reset();
    family.clear();
}

void CBasicLayoutFrame::DestroyLayoutCtrls()
{
    DestroyFamily(mapButtons);
    DestroyFamily(mapStatics);
    DestroyFamily(mapReserved1);
    DestroyFamily(mapReserved2);
    DestroyFamily(mapLists);
    DestroyFamily(mapReserved3);
}

void CBasicLayoutFrame::CaptureButtonBackgrounds(platform::Window* pParent, platform::DeviceContext& dc)
{
    for (auto& [id, ctrl] : mapButtons)
        if (ctrl) ctrl->CaptureBackground(dc, ctrl.get(), pParent);
}

void CBasicLayoutFrame::CaptureStaticBackgrounds(platform::Window* pParent, platform::DeviceContext& dc)
{
    for (auto& [id, ctrl] : mapStatics)
        if (ctrl) ctrl->CaptureBackground(dc, ctrl.get(), pParent);
}

void CBasicLayoutFrame::RunFactorySteps(platform::Window* pParent)
{
    CreateStandardButtons(pParent);
    CreateRadioBoxButtons(pParent);
    CreateCheckBoxButtons(pParent);
    CreateDriftButtons(pParent);
    CreateShowTextCtrls(pParent);
    CreateShowImageCtrls(pParent);
    CreateShowTextImageCtrls(pParent);
    CreateStandardListCtrls(pParent);
    CreateShowTaskListCtrls(pParent);
}

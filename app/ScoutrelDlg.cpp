#include "app/ScoutrelDlg.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

#include "app/DeviceActions.h"
#include "app/ScoutrelDlgCountdown.h"
#include "core/DeviceRegistry.h"
#include "discovery/SearchManager.h"
#include "layout/ConfigPaths.h"
#include "layout/LayoutValueParsers.h"
#include "layout/WndLayoutReader.h"
#include "platform/Graphics.h"
#include "skin/CBasicButton.h"
#include "skin/CBasicCtrl.h"
#include "skin/CStandardListCtrl.h"

namespace {

// The window icon stands in for an icon resource: the logo picture.
constexpr const char* kLogoName = "\\logo.png";
constexpr const char* kRegionBitmapName = "\\SearchDevice_BlackGround.bmp";
constexpr const char* kHeaderBackgroundName = "\\headerbackground.png";
constexpr const char* kHeaderClipName = "\\headerclip.png";
constexpr float kHeaderHeightScale = 0.9f;

struct DeviceListColumn {
    const char* stringId;
    int format;
    int width;
};
constexpr DeviceListColumn kDeviceListColumns[] = {
    {"SEARCH_DEVICE_LIST_ITEM_NAME", platform::LVCFMT_LEFT, 96},
    {"SEARCH_DEVICE_LIST_ITEM_IP", platform::LVCFMT_CENTER, 122},
    {"SEARCH_DEVICE_LIST_ITEM_TYPE", platform::LVCFMT_CENTER, 88},
};

void EnableIfNamed(CBasicButton* button, const std::optional<bool>& enabled)
{
    if (button != nullptr && enabled.has_value()) button->Enable(*enabled);
}

}  // namespace

ScoutrelDlgServices ScoutrelDlgServices::Default()
{
    ScoutrelDlgServices services;
    services.pRegistry = &DeviceRegistry::Instance();
    services.searchDevices = [] { SearchDevices(); };
    services.openWebPage = [](const std::string& address) { OpenDeviceWebPage(address); };
    services.openStorage = [](const std::string& address) { OpenDeviceStorage(address); };
    return services;
}

CScoutrelDlg::CScoutrelDlg(ScoutrelDlgServices services) : services_(std::move(services))
{
    m_nCountdown = 1;
    m_hIcon = platform::Picture::LoadPng(JoinConfigPath(GetPictureFolder(), kLogoName));
    SetRegionImagePath(JoinConfigPath(GetPictureFolder(), kRegionBitmapName));
}

CScoutrelDlg::~CScoutrelDlg()
{
    // The controls go before the window they live in.
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
}

DeviceRegistry& CScoutrelDlg::Registry() const
{
    return services_.pRegistry != nullptr ? *services_.pRegistry : DeviceRegistry::Instance();
}

bool CScoutrelDlg::OnInitDialog()
{
    CBasicNoneBorderDlg::OnInitDialog();
    SetIcon(&m_hIcon);

    try {
        LoadLayout(std::string(kToolFolderName) + "\\WndLayoutInfo.xml", kSkinnedDialogTemplateId, "Standard");
    } catch (const LayoutAttributeMissing& error) {
        // A layout document that lacks an attribute leaves the window with
        // what was built before the read stopped: it opens, but its commands
        // do nothing. Say what was missing once.
        std::fprintf(stderr, "scoutrel: the layout file lacks the attribute %s of a %s element\n",
                     error.Attribute().c_str(), error.Element().c_str());
    }

    SetButtonState(ButtonStateInitial);
    platform::Window::SetText(kMainWindowTitle);
    SetupDeviceList();
    ReloadDeviceList();
    OnRefreshButton();
    return true;
}

void CScoutrelDlg::CreateLayoutCtrls()
{
    DestroyLayoutFonts();
    DestroyLayoutCtrls();
    RunFactorySteps(this);
    BindLayoutCtrls();
}

void CScoutrelDlg::BindLayoutCtrls()
{
    m_pDeviceList = dynamic_cast<CStandardListCtrl*>(FindListCtrl(IDC_DEVICE_LIST));
    m_pStatusText = FindStaticCtrl(IDC_SEARCH_STATUS);
    m_pCloseButton = FindButtonCtrl(IDC_CLOSE_BUTTON);
    m_pLoginButton = FindButtonCtrl(IDC_LOGIN_BUTTON);
    m_pRefreshButton = FindButtonCtrl(IDC_REFRESH_BUTTON);
    m_pStorageButton = FindButtonCtrl(IDC_STORAGE_BUTTON);
}

BOOL CScoutrelDlg::IsLayoutReady()
{
    return m_pDeviceList != nullptr && m_pStatusText != nullptr && m_pCloseButton != nullptr &&
                   m_pLoginButton != nullptr && m_pRefreshButton != nullptr && m_pStorageButton != nullptr
               ? TRUE
               : FALSE;
}

void CScoutrelDlg::SetButtonState(int state)
{
    const ButtonStateRow row = GetButtonStateRow(state);
    if (m_pStatusText != nullptr && row.bStatusTextShown.has_value())
        m_pStatusText->Show(*row.bStatusTextShown ? platform::SW_SHOW : platform::SW_HIDE);
    EnableIfNamed(m_pCloseButton, row.bCloseEnabled);
    EnableIfNamed(m_pLoginButton, row.bLoginEnabled);
    EnableIfNamed(m_pRefreshButton, row.bRefreshEnabled);
    EnableIfNamed(m_pStorageButton, row.bStorageEnabled);
}

int CScoutrelDlg::GetSelectedIndex()
{
    if (!IsLayoutReady()) return -1;
    return m_pDeviceList->GetNextItem(-1, platform::LVNI_SELECTED);
}

void CScoutrelDlg::ShowCountdown(int seconds)
{
    SetStatusText(FormatCountdownText(GetLayoutString("SEARCH_DEVICE_WATI_TIME_WARNING"), seconds));
}

void CScoutrelDlg::SetStatusText(const std::string& text)
{
    if (m_pStatusText == nullptr) return;
    m_pStatusText->CBasicPropertyFrame::SetText(text, m_pStatusText->m_ptTextOffset.x, m_pStatusText->m_ptTextOffset.y);
    m_pStatusText->Invalidate(true);
}

void CScoutrelDlg::SetupDeviceList()
{
    if (!IsLayoutReady()) return;
    CStandardListCtrl& list = *m_pDeviceList;
    constexpr std::uint32_t kAdded =
        platform::LVS_EX_GRIDLINES | platform::LVS_EX_SUBITEMIMAGES | platform::LVS_EX_FULLROWSELECT;
    list.SetExtendedStyle(kAdded, kAdded);
    list.m_wndHeader.SetBGImage(JoinConfigPath(GetPictureFolder(), kHeaderBackgroundName), 1, 0, 0);
    list.m_wndHeader.SetClipImage(JoinConfigPath(GetPictureFolder(), kHeaderClipName));
    list.SetHeaderFont(GetLayoutString("SEARCH_DEVICE_LIST_HEADER_FONT_NAME"),
                       ParseLayoutInteger(GetLayoutString("SEARCH_DEVICE_LIST_HEADER_FONT_SIZE")));
    // A colour text that is not three numbers leaves the header's colour as
    // it was.
    LayoutColor headerColor = platform::ColorRefFromArgb(list.m_wndHeader.m_clrText);
    ParseLayoutColor(GetLayoutString("SEARCH_DEVICE_LIST_HEADER_FONT_COLOR"), headerColor);
    list.SetHeaderTextColor(headerColor);
    list.SetHeaderHeightScale(kHeaderHeightScale);
    int column = 0;
    for (const DeviceListColumn& c : kDeviceListColumns)
        list.InsertColumn(column++, GetLayoutString(c.stringId), c.format, c.width);
}

void CScoutrelDlg::InsertRowOnTop(const DeviceRow& row)
{
    const int item = m_pDeviceList->InsertItem(0, "");
    m_pDeviceList->SetItemText(item, 0, row.strHostName);
    m_pDeviceList->SetItemText(item, 1, row.strIP);
    m_pDeviceList->SetItemText(item, 2, row.strProduct);
}

void CScoutrelDlg::ReloadDeviceList()
{
    if (!IsLayoutReady()) return;
    m_pDeviceList->DeleteAllItems();
    // The registry's lock is held only while it copies its list.
    const std::vector<DeviceRecord> snapshot = Registry().Snapshot();
    for (const DeviceRecord& record : snapshot) InsertRowOnTop(MakeDeviceRow(record));
}

std::vector<std::string> CScoutrelDlg::ShownAddresses()
{
    std::vector<std::string> addresses;
    if (m_pDeviceList == nullptr) return addresses;
    const int count = m_pDeviceList->GetItemCount();
    for (int i = 0; i < count; ++i) addresses.push_back(m_pDeviceList->GetItemText(i, 1));
    return addresses;
}

void CScoutrelDlg::MergeNewDevices()
{
    if (!IsLayoutReady()) return;
    if (m_pDeviceList->GetItemCount() == 0) {
        ReloadDeviceList();
        return;
    }
    const std::vector<DeviceRecord> snapshot = Registry().Snapshot();
    for (const DeviceRow& row : RowsToMerge(snapshot, ShownAddresses())) InsertRowOnTop(row);
}

void CScoutrelDlg::OnRefreshButton()
{
    if (!IsLayoutReady()) return;
    m_pDeviceList->DeleteAllItems();
    Registry().Clear();
    if (services_.searchDevices) services_.searchDevices();
    ShowCountdown(kCountdownSeconds);
    SetButtonState(ButtonStateSearching);
    SetTimer(kCountdownTimerId, static_cast<int>(kCountdownTimerPeriodMs));
}

void CScoutrelDlg::OnTimer(std::uintptr_t id)
{
    if (id != kCountdownTimerId) {
        CBasicNoneBorderDlg::OnTimer(id);
        return;
    }
    const CountdownTick tick = NextCountdownTick(m_nCountdown);
    if (tick.bFinished) {
        KillTimer(kCountdownTimerId);
        m_nCountdown = tick.nNextCountdown;
        SetButtonState(ButtonStateSearchDone);
        WriteListReport();
        return;
    }
    MergeNewDevices();
    ShowCountdown(tick.nShowSeconds);
    m_nCountdown = tick.nNextCountdown;
}

void CScoutrelDlg::OnCloseButton()
{
    OnCancel();
}

void CScoutrelDlg::OnLoginButton()
{
    const int index = GetSelectedIndex();
    if (index == -1) return;
    if (services_.openWebPage) services_.openWebPage(m_pDeviceList->GetItemText(index, 1));
}

void CScoutrelDlg::OnStorageButton()
{
    const int index = GetSelectedIndex();
    if (index == -1) return;
    if (services_.openStorage) services_.openStorage(m_pDeviceList->GetItemText(index, 1));
}

void CScoutrelDlg::OnDeviceListClick(std::intptr_t* pResult)
{
    if (pResult != nullptr) *pResult = 0;
    SetButtonState(GetSelectedIndex() == -1 ? ButtonStateUnselected : ButtonStateSelected);
}

void CScoutrelDlg::OnDeviceListDblClick(std::intptr_t* pResult)
{
    if (pResult != nullptr) *pResult = 0;
    if (GetSelectedIndex() != -1) OnLoginButton();
}

std::intptr_t CScoutrelDlg::OnRaiseMainWindow(std::uintptr_t, std::intptr_t)
{
    // Brought to the front without moving or sizing.
    BringToFront();
    return 0;
}

bool CScoutrelDlg::OnCommand(int id, int code, platform::Window* from)
{
    switch (id) {
    case IDC_CLOSE_BUTTON: OnCloseButton(); return true;
    case IDC_LOGIN_BUTTON: OnLoginButton(); return true;
    case IDC_REFRESH_BUTTON: OnRefreshButton(); return true;
    case IDC_STORAGE_BUTTON: OnStorageButton(); return true;
    default: return CBasicNoneBorderDlg::OnCommand(id, code, from);
    }
}

bool CScoutrelDlg::OnNotify(platform::NotifyHeader& header, std::intptr_t* result)
{
    if (header.idFrom == IDC_DEVICE_LIST) {
        if (header.code == platform::NM_CLICK) {
            OnDeviceListClick(result);
            return true;
        }
        if (header.code == platform::NM_DBLCLK) {
            OnDeviceListDblClick(result);
            return true;
        }
    }
    return CBasicNoneBorderDlg::OnNotify(header, result);
}

std::intptr_t CScoutrelDlg::HandleMessage(const platform::Message& message)
{
    if (message.id == WM_RAISE_MAIN_WINDOW) return OnRaiseMainWindow(message.wParam, message.lParam);
    return CBasicNoneBorderDlg::HandleMessage(message);
}

void CScoutrelDlg::DrawDialog(platform::DeviceContext& dc)
{
    platform::Graphics g(dc);
    g.SetSmoothingMode(platform::SmoothingMode::AntiAlias);
    DrawBackground(Parent(), this, g, dc);
    CaptureButtonBackgrounds(this, dc);
    CaptureStaticBackgrounds(this, dc);
}

void CScoutrelDlg::WriteListReport()
{
    // The lab run and the end-to-end tests read what the window lists from
    // here; without the variable nothing is written.
    const char* path = std::getenv("SCOUTREL_LIST_REPORT");
    if (path == nullptr || *path == '\0' || m_pDeviceList == nullptr) return;
    const std::string partial = std::string(path) + ".partial";
    {
        std::ofstream out(partial, std::ios::trunc);
        for (int i = 0; i < m_pDeviceList->GetItemCount(); ++i) {
            out << m_pDeviceList->GetItemText(i, 0) << '\t' << m_pDeviceList->GetItemText(i, 1) << '\t'
                << m_pDeviceList->GetItemText(i, 2) << '\n';
        }
        if (!out) return;
    }
    std::rename(partial.c_str(), path);
}

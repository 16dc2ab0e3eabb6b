#pragma once
// The one window of the program: a borderless skinned dialog whose controls
// all come from the layout document. It lists the devices the search engine
// put into the device registry, runs the ten-second search countdown, and
// offers Log In, Refresh and My Storage on the selected device.
//
// The window learns about devices only by polling the registry: at each
// countdown tick and when it reloads the list. The registry, the search call
// and the two device actions come in through ScoutrelDlgServices, so tests
// can run the window with a registry they fill and without any socket.
#include <cstdint>
#include <functional>
#include <string>

#include "app/ScoutrelDlgButtonStates.h"
#include "app/ScoutrelDlgRows.h"
#include "layout/frame/CBasicNoneBorderDlg.h"
#include "platform/Picture.h"

class CBasicButton;
class CBasicCtrl;
class CStandardListCtrl;
class DeviceRegistry;

// Sent by a second copy of the program (through the single-instance channel)
// to bring this window to the front.
inline constexpr platform::MessageId WM_RAISE_MAIN_WINDOW = platform::WM_USER + 100;

// The control ids of the main window's layout.
enum MainWindowCtrlId : std::int32_t {
    IDC_LOGO_IMAGE = 2101,
    IDC_TITLE_TEXT = 2102,
    IDC_CLOSE_BUTTON = 2103,
    IDC_DEVICE_LIST_TITLE = 2104,
    IDC_DEVICE_LIST = 2105,
    IDC_SEARCH_STATUS = 2106,
    IDC_LOGIN_BUTTON = 2107,
    IDC_REFRESH_BUTTON = 2108,
    IDC_STORAGE_BUTTON = 2109,
};

// The window title a second copy of the program looks for.
inline constexpr const char* kMainWindowTitle = "Zelvo Roamvera";

struct ScoutrelDlgServices {
    DeviceRegistry* pRegistry = nullptr;              // the process-wide registry when null
    std::function<void()> searchDevices;              // one search through every search thread
    std::function<void(const std::string&)> openWebPage;    // Log In, with the row's address
    std::function<void(const std::string&)> openStorage;    // My Storage, with the row's address

    // The real registry, engine and device actions.
    static ScoutrelDlgServices Default();
};

class CScoutrelDlg : public CBasicNoneBorderDlg {
public:
    explicit CScoutrelDlg(ScoutrelDlgServices services = ScoutrelDlgServices::Default());
    ~CScoutrelDlg() override;

    // Layout frame steps.
    void CreateLayoutCtrls() override;
    void BindLayoutCtrls() override;
    BOOL IsLayoutReady() override;
    void DrawDialog(platform::DeviceContext& dc) override;

    // Own helpers.
    void SetButtonState(int state);
    int GetSelectedIndex();
    void ShowCountdown(int seconds);
    void SetStatusText(const std::string& text);
    void SetupDeviceList();
    void ReloadDeviceList();
    void MergeNewDevices();

    // Command and notification handlers.
    void OnCloseButton();
    void OnLoginButton();
    void OnRefreshButton();
    void OnStorageButton();
    void OnDeviceListClick(std::intptr_t* pResult);
    void OnDeviceListDblClick(std::intptr_t* pResult);
    std::intptr_t OnRaiseMainWindow(std::uintptr_t wParam, std::intptr_t lParam);

    // The texts of column 1 of every row, top to bottom.
    std::vector<std::string> ShownAddresses();

    std::intptr_t HandleMessage(const platform::Message& message) override;

    platform::Picture m_hIcon;
    CStandardListCtrl* m_pDeviceList = nullptr;
    CBasicCtrl* m_pStatusText = nullptr;
    CBasicButton* m_pCloseButton = nullptr;
    CBasicButton* m_pRefreshButton = nullptr;
    CBasicButton* m_pLoginButton = nullptr;
    CBasicButton* m_pStorageButton = nullptr;
    int m_nCountdown = 1;

protected:
    bool OnInitDialog() override;
    void OnTimer(std::uintptr_t id) override;
    bool OnCommand(int id, int code, platform::Window* from) override;
    bool OnNotify(platform::NotifyHeader& header, std::intptr_t* result) override;

private:
    DeviceRegistry& Registry() const;
    void InsertRowOnTop(const DeviceRow& row);
    // At the end of each countdown: the rows as lines "host<TAB>address<TAB>
    // product", top to bottom, into the file named by SCOUTREL_LIST_REPORT.
    void WriteListReport();

    ScoutrelDlgServices services_;
};

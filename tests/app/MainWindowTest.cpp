// The main window on a headless host with the English document, a registry
// the test fills and a search call that only counts: no engine runs and no
// socket is opened.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ScoutrelDlg.h"
#include "core/DeviceRegistry.h"
#include "platform/HeadlessHost.h"
#include "skin/CBasicButton.h"
#include "skin/CBasicCtrl.h"
#include "skin/CStandardListCtrl.h"
#include "tests/core/RecordFixtures.h"
#include "tests/frame/LayoutFolderFixture.h"

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    platform::HeadlessHost host;
    LayoutFolder folder;
    DeviceRegistry registry;
    int searches = 0;
    std::vector<std::string> webPages;
    std::vector<std::string> storages;
    std::unique_ptr<CScoutrelDlg> dialog;

    ScoutrelDlgServices Services()
    {
        ScoutrelDlgServices services;
        services.pRegistry = &registry;
        services.searchDevices = [this] { ++searches; };
        services.openWebPage = [this](const std::string& a) { webPages.push_back(a); };
        services.openStorage = [this](const std::string& a) { storages.push_back(a); };
        return services;
    }

    void Open()
    {
        dialog = std::make_unique<CScoutrelDlg>(Services());
        ASSERT_TRUE(dialog->CreateModeless());
        host.Pump();
    }

    // One tick of the countdown timer.
    void Tick() { host.Advance(1000); }

    std::string StatusText() const { return dialog->m_pStatusText->m_strText.value_or(""); }
    bool StatusShown() const { return dialog->m_pStatusText->IsVisible(); }

    std::vector<std::string> Rows() { return dialog->ShownAddresses(); }

    std::vector<std::string> HostNames()
    {
        std::vector<std::string> names;
        for (int i = 0; i < dialog->m_pDeviceList->GetItemCount(); ++i)
            names.push_back(dialog->m_pDeviceList->GetItemText(i, 0));
        return names;
    }

    // A screen point inside row `row` of the device list (or below the rows).
    platform::Point ListPoint(int row)
    {
        const platform::Rect item = dialog->m_pDeviceList->ItemRect(row);
        return dialog->m_pDeviceList->ClientToScreen(platform::Point{item.left + 20, (item.top + item.bottom) / 2});
    }
    platform::Point EmptyListPoint()
    {
        const platform::Rect client = dialog->m_pDeviceList->ClientRect();
        return dialog->m_pDeviceList->ClientToScreen(platform::Point{client.Width() / 2, client.bottom - 5});
    }
};

TEST_F(MainWindowTest, OpensAsTheNamedWindowAndStartsTheFirstSearch)
{
    registry.AddOrUpdate(MakeRecord("198.18.1.1"));  // cleared by the first Refresh
    Open();
    EXPECT_TRUE(dialog->IsLayoutReady());
    EXPECT_EQ(dialog->Text(), "Zelvo Roamvera");
    EXPECT_EQ(dialog->WindowRect().GetSize(), (platform::Size{328, 245}));
    EXPECT_EQ(searches, 1);
    EXPECT_TRUE(registry.Snapshot().empty());
    EXPECT_TRUE(Rows().empty());

    // The list columns and their titles.
    CStandardListCtrl& list = *dialog->m_pDeviceList;
    ASSERT_EQ(list.GetColumnCount(), 3);
    EXPECT_EQ(list.GetColumnWidth(0), 96);
    EXPECT_EQ(list.GetColumnWidth(1), 122);
    EXPECT_EQ(list.GetColumnWidth(2), 88);
    EXPECT_EQ(list.Columns()[0].title, "Host Name");
    EXPECT_EQ(list.Columns()[1].title, "IP Address");
    EXPECT_EQ(list.Columns()[2].title, "Devcie Type");
    EXPECT_FLOAT_EQ(list.m_wndHeader.m_fHeightScale, 0.9f);
    EXPECT_EQ(list.m_wndHeader.m_clrText, 0xFFF4F5F7u);
}

TEST_F(MainWindowTest, CountdownRunsTenSecondsWithNineMergingTicks)
{
    Open();
    const std::string prefix = "Searching new devices,please wait";
    EXPECT_EQ(StatusText(), prefix + " 10s...");
    EXPECT_TRUE(StatusShown());
    EXPECT_FALSE(dialog->m_pRefreshButton->IsEnabled());
    EXPECT_FALSE(dialog->m_pLoginButton->IsEnabled());
    EXPECT_FALSE(dialog->m_pStorageButton->IsEnabled());
    EXPECT_TRUE(dialog->m_pCloseButton->IsEnabled());

    for (int seconds = 9; seconds >= 1; --seconds) {
        Tick();
        EXPECT_EQ(StatusText(), prefix + " " + std::to_string(seconds) + "s...");
        EXPECT_TRUE(StatusShown());
        EXPECT_FALSE(dialog->m_pRefreshButton->IsEnabled());
    }
    // A device that arrives after the ninth tick is not merged by the tenth.
    registry.AddOrUpdate(MakeRecord("198.18.1.9", "late"));
    Tick();
    EXPECT_FALSE(StatusShown());
    EXPECT_TRUE(dialog->m_pRefreshButton->IsEnabled());
    EXPECT_FALSE(dialog->m_pLoginButton->IsEnabled());
    EXPECT_TRUE(Rows().empty());
    Tick();
    Tick();
    EXPECT_TRUE(Rows().empty()) << "the timer must have stopped";

    // The next Refresh starts over; the late device comes back only when the
    // engine reports it again after the registry was cleared.
    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_REFRESH_BUTTON, platform::BN_CLICKED), 0);
    EXPECT_EQ(searches, 2);
    EXPECT_EQ(StatusText(), prefix + " 10s...");
    registry.AddOrUpdate(MakeRecord("198.18.1.9", "late"));
    Tick();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"198.18.1.9"}));
}

TEST_F(MainWindowTest, MergeAddsNewAddressesOnTopAndNeverUpdatesOrRemoves)
{
    Open();
    registry.AddOrUpdate(MakeRecord("198.18.1.1", "first"));
    Tick();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"198.18.1.1"}));

    // Several new devices in one tick: all of them, each once, the last on top.
    registry.AddOrUpdate(MakeRecord("198.18.1.2", "second"));
    registry.AddOrUpdate(MakeRecord("198.18.1.3", "third"));
    Tick();
    EXPECT_EQ(Rows(), (std::vector<std::string>{"198.18.1.3", "198.18.1.2", "198.18.1.1"}));

    // A record with an address already shown (the device renamed itself)
    // adds no row and leaves the old one as it was.
    registry.AddOrUpdate(MakeRecord("198.18.1.1", "renamed"));
    Tick();
    EXPECT_EQ(Rows().size(), 3u);
    EXPECT_EQ(HostNames().back(), "first");

    // A device that left the registry keeps its row until the next Refresh.
    registry.RemoveById("198.18.1.2");
    Tick();
    EXPECT_EQ(Rows().size(), 3u);
}

TEST_F(MainWindowTest, ClicksSelectAndDoubleClickLogsIn)
{
    Open();
    registry.AddOrUpdate(MakeRecord("198.18.1.1", "one"));
    registry.AddOrUpdate(MakeRecord("198.18.1.2", "two"));
    Tick();
    ASSERT_EQ(Rows().size(), 2u);

    host.Click(ListPoint(1));
    host.Pump();
    EXPECT_EQ(dialog->GetSelectedIndex(), 1);
    EXPECT_TRUE(dialog->m_pLoginButton->IsEnabled());
    EXPECT_TRUE(dialog->m_pStorageButton->IsEnabled());
    EXPECT_FALSE(dialog->m_pRefreshButton->IsEnabled()) << "Refresh waits for the countdown";

    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_LOGIN_BUTTON, platform::BN_CLICKED), 0);
    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_STORAGE_BUTTON, platform::BN_CLICKED), 0);
    EXPECT_EQ(webPages, (std::vector<std::string>{"198.18.1.1"}));
    EXPECT_EQ(storages, (std::vector<std::string>{"198.18.1.1"}));

    // A click on empty list space: nothing selected, the two actions off.
    host.Advance(600);
    host.Click(EmptyListPoint());
    host.Pump();
    EXPECT_EQ(dialog->GetSelectedIndex(), -1);
    EXPECT_FALSE(dialog->m_pLoginButton->IsEnabled());
    EXPECT_FALSE(dialog->m_pStorageButton->IsEnabled());

    // A double-click on empty space does nothing; on a row it logs in.
    host.Click(EmptyListPoint());
    host.Pump();
    EXPECT_EQ(webPages.size(), 1u);
    host.Advance(600);
    host.Click(ListPoint(0));
    host.Click(ListPoint(0));
    host.Pump();
    EXPECT_EQ(webPages, (std::vector<std::string>{"198.18.1.1", "198.18.1.2"}));
}

TEST_F(MainWindowTest, PaintingGivesEveryButtonAndTextControlItsBackground)
{
    Open();
    dialog->Invalidate();
    dialog->Update();
    for (const auto& [id, button] : dialog->mapButtons) EXPECT_NE(button->m_dcBGSnapshot, nullptr) << id;
    for (const auto& [id, ctrl] : dialog->mapStatics) EXPECT_NE(ctrl->m_dcBGSnapshot, nullptr) << id;
}

TEST_F(MainWindowTest, WithoutTheCountdownControlNothingActs)
{
    folder.WriteLayout(WithoutControl(LayoutFolder::Document("english.xml"), 2106));
    registry.AddOrUpdate(MakeRecord("198.18.1.1"));
    Open();
    EXPECT_FALSE(dialog->IsLayoutReady());
    EXPECT_EQ(searches, 0);
    EXPECT_EQ(registry.Snapshot().size(), 1u) << "Refresh must not clear the registry";
    EXPECT_EQ(dialog->m_pDeviceList->GetColumnCount(), 0);
    EXPECT_EQ(dialog->m_pDeviceList->GetItemCount(), 0);
    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_REFRESH_BUTTON, platform::BN_CLICKED), 0);
    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_LOGIN_BUTTON, platform::BN_CLICKED), 0);
    Tick();
    EXPECT_EQ(searches, 0);
    EXPECT_TRUE(webPages.empty());
    EXPECT_EQ(dialog->GetSelectedIndex(), -1);
}

TEST_F(MainWindowTest, CloseButtonEndsTheDialog)
{
    Open();
    dialog->Send(platform::WM_COMMAND, platform::MakeWParam(IDC_CLOSE_BUTTON, platform::BN_CLICKED), 0);
    EXPECT_TRUE(dialog->HasEnded());
    EXPECT_EQ(dialog->Result(), platform::IDCANCEL);
}

TEST_F(MainWindowTest, RaiseMessageKeepsPositionAndSize)
{
    Open();
    const platform::Rect before = dialog->WindowRect();
    EXPECT_EQ(dialog->Send(WM_RAISE_MAIN_WINDOW, 0, 0), 0);
    EXPECT_EQ(dialog->WindowRect(), before);
}

}  // namespace

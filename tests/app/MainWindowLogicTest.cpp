// The decisions of the main window over plain data: which rows a reload and
// a merge insert, what each countdown tick does, and what each button state
// changes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ScoutrelDlgButtonStates.h"
#include "app/ScoutrelDlgCountdown.h"
#include "app/ScoutrelDlgRows.h"

namespace {

DeviceRecord Device(const char* host, const char* ip, const char* product)
{
    DeviceRecord record;
    SetRecordText(record.szHostName, host);
    SetRecordText(record.szIP, ip);
    SetRecordText(record.szProduct, product);
    return record;
}

std::vector<std::string> Addresses(const std::vector<DeviceRow>& rows)
{
    std::vector<std::string> out;
    for (const DeviceRow& row : rows) out.push_back(row.strIP);
    return out;
}

TEST(DeviceRows, ReloadShowsTheRegistryInReverseWithTheLastOnTop)
{
    const std::vector<DeviceRecord> snapshot = {Device("a", "10.0.0.1", "P1"), Device("b", "10.0.0.2", "P2"),
                                                Device("c", "10.0.0.3", "P3")};
    const std::vector<DeviceRow> rows = RowsForReload(snapshot);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (DeviceRow{"c", "10.0.0.3", "P3"}));
    EXPECT_EQ(Addresses(rows), (std::vector<std::string>{"10.0.0.3", "10.0.0.2", "10.0.0.1"}));
}

TEST(DeviceRows, MergeAddsOnlyAddressesNotShownYet)
{
    struct Case {
        const char* name;
        std::vector<DeviceRecord> snapshot;
        std::vector<std::string> shown;
        std::vector<std::string> inserted;  // in insertion order; the last ends on top
    };
    const Case cases[] = {
        {"nothing new", {Device("a", "10.0.0.1", "P")}, {"10.0.0.1"}, {}},
        {"several new in one tick, each once",
         {Device("a", "10.0.0.1", "P"), Device("b", "10.0.0.2", "P"), Device("c", "10.0.0.3", "P")},
         {"10.0.0.1"},
         {"10.0.0.2", "10.0.0.3"}},
        {"a second record with an address already shown", {Device("renamed", "10.0.0.1", "P")}, {"10.0.0.1"}, {}},
        {"two records of one new address add one row",
         {Device("x", "10.0.0.9", "P"), Device("y", "10.0.0.9", "Q")},
         {"10.0.0.1"},
         {"10.0.0.9"}},
        {"match is exact: a longer address with the same start is new",
         {Device("a", "10.0.0.10", "P")},
         {"10.0.0.1"},
         {"10.0.0.10"}},
        {"a device that left the registry keeps its row (no removal)", {}, {"10.0.0.1", "10.0.0.2"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Addresses(RowsToMerge(c.snapshot, c.shown)), c.inserted);
    }
}

TEST(DeviceRows, MergeKeepsTheFirstRowOfARenamedDevice)
{
    // The row that is shown is not touched: only new rows are returned, and a
    // record that changed its name while its address is listed yields none.
    const std::vector<DeviceRow> rows = RowsToMerge({Device("new-name", "10.0.0.1", "P")}, {"10.0.0.1"});
    EXPECT_TRUE(rows.empty());
}

TEST(Countdown, TextHasThePrefixABlankTheNumberAndDots)
{
    EXPECT_EQ(FormatCountdownText("Searching new devices,please wait", 10), "Searching new devices,please wait 10s...");
    EXPECT_EQ(FormatCountdownText("Searching new devices,please wait", 1), "Searching new devices,please wait 1s...");
    EXPECT_EQ(FormatCountdownText("", 9), " 9s...");
}

TEST(Countdown, NineMergingTicksFromNineDownToOneThenTheEnd)
{
    int counter = 1;  // as after construction and after every finished countdown
    std::vector<int> shown;
    for (int tick = 1; tick <= 9; ++tick) {
        const CountdownTick t = NextCountdownTick(counter);
        ASSERT_FALSE(t.bFinished) << "tick " << tick;
        EXPECT_TRUE(t.bMerge);
        shown.push_back(t.nShowSeconds);
        counter = t.nNextCountdown;
    }
    EXPECT_EQ(shown, (std::vector<int>{9, 8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(counter, 10);
    const CountdownTick last = NextCountdownTick(counter);
    EXPECT_TRUE(last.bFinished);
    EXPECT_FALSE(last.bMerge);
    EXPECT_EQ(last.nNextCountdown, 1);
}

TEST(ButtonStates, EachStateChangesOnlyItsOwnControls)
{
    using O = std::optional<bool>;
    const O keep;
    struct Case {
        int state;
        O status, close, login, refresh, storage;
    };
    const Case cases[] = {
        {ButtonStateInitial, false, true, false, true, false},
        {ButtonStateSearching, true, keep, false, false, false},
        {ButtonStateSearchDone, false, keep, keep, true, keep},
        {ButtonStateSelected, keep, keep, true, keep, true},
        {ButtonStateUnselected, keep, keep, false, keep, false},
        {7, keep, keep, keep, keep, keep},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        const ButtonStateRow row = GetButtonStateRow(c.state);
        EXPECT_EQ(row.bStatusTextShown, c.status);
        EXPECT_EQ(row.bCloseEnabled, c.close);
        EXPECT_EQ(row.bLoginEnabled, c.login);
        EXPECT_EQ(row.bRefreshEnabled, c.refresh);
        EXPECT_EQ(row.bStorageEnabled, c.storage);
    }
}

}  // namespace

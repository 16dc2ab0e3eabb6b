#include "app/ScoutrelDlgRows.h"

#include <algorithm>

#include "app/LocaleText.h"

DeviceRow MakeDeviceRow(const DeviceRecord& record)
{
    return DeviceRow{LocaleTextToUtf8(DeviceRecord::View(record.szHostName)),
                     LocaleTextToUtf8(DeviceRecord::View(record.szIP)),
                     LocaleTextToUtf8(DeviceRecord::View(record.szProduct))};
}

std::vector<DeviceRow> RowsForReload(const std::vector<DeviceRecord>& snapshot)
{
    std::vector<DeviceRow> rows;
    rows.reserve(snapshot.size());
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) rows.push_back(MakeDeviceRow(*it));
    return rows;
}

std::vector<DeviceRow> RowsToMerge(const std::vector<DeviceRecord>& snapshot,
                                   std::vector<std::string> shownAddresses)
{
    std::vector<DeviceRow> inserted;
    for (const DeviceRecord& record : snapshot) {
        DeviceRow row = MakeDeviceRow(record);
        if (std::find(shownAddresses.begin(), shownAddresses.end(), row.strIP) != shownAddresses.end()) continue;
        shownAddresses.push_back(row.strIP);
        inserted.push_back(std::move(row));
    }
    return inserted;
}

#pragma once
// What the device list of the main window shows, worked out over plain data:
// the rows a full reload puts in, and the rows a countdown tick adds. The
// window applies the result to its list control; keeping the decisions here
// lets them be checked without a window.
#include <string>
#include <vector>

#include "core/DeviceRecord.h"

// One row of the device list: host name, address and product, already in the
// character set the list draws (UTF-8).
struct DeviceRow {
    std::string strHostName;  // column 0
    std::string strIP;        // column 1, the key rows are matched by
    std::string strProduct;   // column 2

    friend bool operator==(const DeviceRow&, const DeviceRow&) = default;
};

// The row of one record, its texts converted from the locale's character set.
DeviceRow MakeDeviceRow(const DeviceRecord& record);

// The rows of a full reload, from the top of the list down. Every record is
// inserted at the top in registry order, so the list shows the registry in
// reverse order, the last record on top.
std::vector<DeviceRow> RowsForReload(const std::vector<DeviceRecord>& snapshot);

// The rows one merge inserts, in insertion order (each goes to the top of the
// list, so the last of them ends on top). A record is new when its converted
// address equals no column-1 text the list holds at that moment, counting the
// rows this merge has already inserted: a second record with an address that
// is already shown is not added. Rows are never updated or removed here.
std::vector<DeviceRow> RowsToMerge(const std::vector<DeviceRecord>& snapshot,
                                   std::vector<std::string> shownAddresses);

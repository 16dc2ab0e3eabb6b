#pragma once
#include <string_view>

#include "core/DeviceRecord.h"

// A record of an accepted vendor with the given address and host name.
inline DeviceRecord MakeRecord(std::string_view ip, std::string_view host = "travel-1",
                               std::string_view vendor = "Zelvo", std::uint32_t type = RECORD_TYPE_RESPONSE,
                               std::string_view id = "") {
    DeviceRecord r;
    SetRecordText(r.szIP, ip);
    SetRecordText(r.szHostName, host);
    SetRecordText(r.szVendor, vendor);
    SetRecordText(r.szDeviceID, id.empty() ? ip : id);
    SetRecordText(r.szProduct, "RoamBox");
    r.nType = type;
    return r;
}

#include <gtest/gtest.h>

#include <string>

#include "core/DeviceRecord.h"

namespace {

bool AllZero(const void* p, std::size_t n) {
    auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i)
        if (b[i]) return false;
    return true;
}

TEST(DeviceRecord, DefaultValues) {
    DeviceRecord r;
    EXPECT_TRUE(AllZero(r.szDeviceID, 7 * kRecordTextSize));
    EXPECT_TRUE(AllZero(r.szSSID, 3 * kRecordTextSize));
    EXPECT_EQ(r.bReserved, 0);
    EXPECT_EQ(r.nType, 0u);
    EXPECT_EQ(r.nRefreshTime, 60u);
    EXPECT_EQ(r.nRefreshCount, 0u);
}

TEST(DeviceRecord, SetRecordTextCutsAndZeroFills) {
    struct Case {
        std::string input;
        std::string stored;
    } cases[] = {
        {"", ""},
        {"abc", "abc"},
        {std::string(31, 'x'), std::string(31, 'x')},
        {std::string(32, 'y'), std::string(31, 'y')},
        {std::string(200, 'z'), std::string(31, 'z')},
        {std::string("ab\0cd", 5), "ab"},
    };
    for (const Case& c : cases) {
        DeviceRecord r;
        std::memset(r.szHostName, 'Q', kRecordTextSize);  // old, longer text
        SetRecordText(r.szHostName, c.input);
        EXPECT_EQ(DeviceRecord::View(r.szHostName), c.stored) << c.input.size();
        EXPECT_TRUE(AllZero(r.szHostName + c.stored.size(), kRecordTextSize - c.stored.size()));
    }
}

TEST(DeviceRecord, EqualityCoversTheTenTextFieldsOnly) {
    DeviceRecord a;
    SetRecordText(a.szIP, "198.18.0.1");
    DeviceRecord b = a;
    b.nType = 4;
    b.nRefreshTime = 1;
    b.nRefreshCount = 9;
    b.bReserved = 1;
    EXPECT_TRUE(a == b);

    RecordText DeviceRecord::*fields[] = {
        &DeviceRecord::szDeviceID, &DeviceRecord::szIP,     &DeviceRecord::szHostName,
        &DeviceRecord::szProduct,  &DeviceRecord::szExtraInfo, &DeviceRecord::szFirmwareVersion,
        &DeviceRecord::szVendor,   &DeviceRecord::szSSID,   &DeviceRecord::szMAC0,
        &DeviceRecord::szMAC1,
    };
    for (auto field : fields) {
        DeviceRecord c = a;
        SetRecordText(c.*field, "different");
        EXPECT_FALSE(a == c);
    }
}

TEST(DeviceRecord, AssignmentCopiesEveryField) {
    DeviceRecord a;
    SetRecordText(a.szMAC1, "00:11:22:33:44:55");
    a.nType = 2;
    a.nRefreshTime = 7;
    a.nRefreshCount = 3;
    DeviceRecord b;
    b = a;
    EXPECT_EQ(std::memcmp(&a, &b, sizeof a), 0);
}

}  // namespace

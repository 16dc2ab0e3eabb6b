#pragma once
// The one description of a discovered device: a fixed-size value record
// without pointers, copied whole between the search threads, the registry
// and the user interface.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

inline constexpr std::size_t kRecordTextSize = 32;
inline constexpr std::size_t kRecordTextMax = kRecordTextSize - 1;

using RecordText = char[kRecordTextSize];

enum RecordType : std::uint32_t {
    RECORD_TYPE_NONE = 0,
    RECORD_TYPE_RESPONSE = 1,
    RECORD_TYPE_ALIVE = 2,
    RECORD_TYPE_BYEBYE = 4,
};

struct DeviceRecord {
    RecordText szDeviceID{};
    RecordText szIP{};
    RecordText szHostName{};
    RecordText szProduct{};
    RecordText szExtraInfo{};
    RecordText szFirmwareVersion{};
    RecordText szVendor{};
    std::uint8_t bReserved = 0;
    std::uint32_t nType = RECORD_TYPE_NONE;
    std::uint32_t nRefreshTime = 60;
    std::uint32_t nRefreshCount = 0;
    RecordText szSSID{};
    RecordText szMAC0{};
    RecordText szMAC1{};

    // Equality looks at the ten text fields only; the type and the two
    // carried-over numbers take no part in it.
    friend bool operator==(const DeviceRecord& a, const DeviceRecord& b) noexcept;

    // The text of a field as a view (up to its terminating zero).
    static std::string_view View(const RecordText& field) noexcept {
        return std::string_view(field, ::strnlen(field, kRecordTextSize));
    }
};

// The only way a field is written: the text is cut at its first zero byte or
// after 31 bytes, whichever comes first, and every byte after it is zero, so a
// field is always terminated within its 32 bytes.
inline void SetRecordText(RecordText& field, std::string_view text) noexcept {
    std::size_t n = 0;
    while (n < text.size() && n < kRecordTextMax && text[n] != '\0') ++n;
    if (n) std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, kRecordTextSize - n);
}

// Compares two record fields as text up to the terminating zero.
inline bool RecordTextEquals(const RecordText& a, const RecordText& b) noexcept {
    return std::strncmp(a, b, kRecordTextSize) == 0;
}

inline bool operator==(const DeviceRecord& a, const DeviceRecord& b) noexcept {
    return RecordTextEquals(a.szDeviceID, b.szDeviceID) && RecordTextEquals(a.szIP, b.szIP) &&
           RecordTextEquals(a.szHostName, b.szHostName) && RecordTextEquals(a.szProduct, b.szProduct) &&
           RecordTextEquals(a.szExtraInfo, b.szExtraInfo) &&
           RecordTextEquals(a.szFirmwareVersion, b.szFirmwareVersion) &&
           RecordTextEquals(a.szVendor, b.szVendor) && RecordTextEquals(a.szSSID, b.szSSID) &&
           RecordTextEquals(a.szMAC0, b.szMAC0) && RecordTextEquals(a.szMAC1, b.szMAC1);
}

// The record is the same bytes in every subsystem: check size and order.
static_assert(std::is_trivially_copyable_v<DeviceRecord>);
static_assert(std::is_standard_layout_v<DeviceRecord>);
static_assert(offsetof(DeviceRecord, szDeviceID) == 0);
static_assert(offsetof(DeviceRecord, szIP) == 32);
static_assert(offsetof(DeviceRecord, szHostName) == 64);
static_assert(offsetof(DeviceRecord, szProduct) == 96);
static_assert(offsetof(DeviceRecord, szExtraInfo) == 128);
static_assert(offsetof(DeviceRecord, szFirmwareVersion) == 160);
static_assert(offsetof(DeviceRecord, szVendor) == 192);
static_assert(offsetof(DeviceRecord, bReserved) == 224);
static_assert(offsetof(DeviceRecord, nType) == 228);
static_assert(offsetof(DeviceRecord, nRefreshTime) == 232);
static_assert(offsetof(DeviceRecord, nRefreshCount) == 236);
static_assert(offsetof(DeviceRecord, szSSID) == 240);
static_assert(offsetof(DeviceRecord, szMAC0) == 272);
static_assert(offsetof(DeviceRecord, szMAC1) == 304);
static_assert(sizeof(DeviceRecord) == 336);

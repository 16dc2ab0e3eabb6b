#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "app/DeviceAddress.h"

namespace {

TEST(DeviceAddress, OnlyStrictDottedDecimalIsAccepted) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view text;
        bool accepted;
    } cases[] = {
        {"198.18.0.1", true},    {"0.0.0.0", true},         {"255.255.255.255", true},
        {"10.0.100.9", true},    {"1.2.3.4;reboot", false}, {"-x", false},
        {"1.2.3", false},        {"01.2.3.4", false},       {"", false},
        {"1.2.3.00", false},     {"1.2.3.256", false},      {"1.2.3.4.5", false},
        {" 1.2.3.4", false},     {"1.2.3.4 ", false},       {"1.2.3.4\n", false},
        {"1.2.3.4/", false},     {"0x1.2.3.4", false},      {"1..3.4", false},
        {"1.2.3.", false},       {".1.2.3", false},         {"1.2.3.1234", false},
        {"1.2.3.4\0x"sv, false}, {"\0001.2.3.4"sv, false},  {"localhost", false},
        {"1.2.3.-4", false},     {"+1.2.3.4", false},       {"1.2.3.4%eth0", false},
    };
    for (const Case& c : cases) {
        const auto address = ValidateDeviceAddress(c.text);
        EXPECT_EQ(address.has_value(), c.accepted) << '"' << std::string(c.text) << '"';
        if (address) {
            EXPECT_EQ(address->text(), c.text);
        }
    }
}

TEST(DeviceAddress, HostMatchIsWholeHostOnly) {
    struct Case {
        const char* text;
        bool names;
    } cases[] = {
        {"198.18.0.1", true},
        {"share on 198.18.0.1", true},
        {"smb://198.18.0.1/share/", true},
        {"198.18.0.1 - Files", true},
        {"198.18.0.1:445", true},
        {"Files (198.18.0.1).", true},
        {"198.18.0.12", false},
        {"share on 198.18.0.12", false},
        {"1198.18.0.1", false},
        {"10.198.18.0.1", false},
        {"198.18.0.1.5", false},
        {"198.18.0.1x", false},
        {"host-198.18.0.1", false},
        {"198.18.0.12 and 198.18.0.1", true},
        {"198.18.0.10/198.18.0.1/", true},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(NamesHost(c.text, "198.18.0.1"), c.names) << c.text;
    EXPECT_FALSE(NamesHost("anything", ""));
}

}  // namespace

// The local addresses come from the interface list: IPv4 addresses of
// interfaces that are up, loopback left out, in list order.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "DiscoveryTestSupport.h"
#include "discovery/LocalAddresses.h"

namespace {

// An interface list built by hand, as getifaddrs would return it.
class InterfaceList {
public:
    void AddIPv4(const char* name, const char* address, unsigned flags) {
        sockaddr_in& in = v4_.emplace_back();
        std::memset(&in, 0, sizeof in);
        in.sin_family = AF_INET;
        ::inet_pton(AF_INET, address, &in.sin_addr);
        Add(name, reinterpret_cast<sockaddr*>(&in), flags);
    }
    void AddIPv6(const char* name, const char* address, unsigned flags) {
        sockaddr_in6& in6 = v6_.emplace_back();
        std::memset(&in6, 0, sizeof in6);
        in6.sin6_family = AF_INET6;
        ::inet_pton(AF_INET6, address, &in6.sin6_addr);
        Add(name, reinterpret_cast<sockaddr*>(&in6), flags);
    }
    void AddWithoutAddress(const char* name, unsigned flags) { Add(name, nullptr, flags); }
    const ifaddrs* Head() {
        for (std::size_t i = 0; i + 1 < entries_.size(); ++i) entries_[i].ifa_next = &entries_[i + 1];
        return entries_.empty() ? nullptr : &entries_.front();
    }

private:
    void Add(const char* name, sockaddr* address, unsigned flags) {
        ifaddrs& entry = entries_.emplace_back();
        std::memset(&entry, 0, sizeof entry);
        entry.ifa_name = const_cast<char*>(name);
        entry.ifa_flags = flags;
        entry.ifa_addr = address;
    }
    std::deque<ifaddrs> entries_;
    std::deque<sockaddr_in> v4_;
    std::deque<sockaddr_in6> v6_;
};

TEST(LocalAddresses, UpNonLoopbackIPv4InInterfaceOrder) {
    InterfaceList list;
    list.AddIPv4("lo", "127.0.0.1", IFF_UP | IFF_LOOPBACK);
    list.AddWithoutAddress("tun0", IFF_UP);
    list.AddIPv4("veth1", "198.18.2.1", IFF_UP | IFF_BROADCAST | IFF_MULTICAST);
    list.AddIPv6("veth1", "2001:db8::1", IFF_UP);
    list.AddIPv4("veth2", "198.18.3.1", IFF_BROADCAST);  // down
    list.AddIPv4("veth0", "198.18.1.1", IFF_UP | IFF_RUNNING);
    list.AddIPv4("veth0", "198.18.1.2", IFF_UP);  // a second address of the same interface
    discovery_test::TestLog log;
    std::vector<std::string> addresses = {"stale"};
    addresses.clear();
    SelectLocalIPv4Addresses(list.Head(), addresses);
    EXPECT_EQ(addresses, (std::vector<std::string>{"198.18.2.1", "198.18.1.1", "198.18.1.2"}));
    EXPECT_EQ(log.CountOf("Get Current Local IP, IP = "), 3u);
    EXPECT_TRUE(log.Contains("Get Current Local IP, IP = 198.18.2.1  *["));
}

TEST(LocalAddresses, IPv6OnlyListGivesNothing) {
    InterfaceList list;
    list.AddIPv6("eth0", "2001:db8::2", IFF_UP);
    std::vector<std::string> addresses;
    SelectLocalIPv4Addresses(list.Head(), addresses);
    EXPECT_TRUE(addresses.empty());
}

TEST(LocalAddresses, ThisComputersListHasNoLoopbackAndIsEmptiedFirst) {
    discovery_test::TestLog log;
    std::vector<std::string> addresses = {"stale"};
    GetLocalIPv4Addresses(addresses);
    EXPECT_TRUE(log.Contains("Get Current Local IP Info *["));
    for (const std::string& address : addresses) {
        EXPECT_NE(address, "stale");
        EXPECT_FALSE(address.starts_with("127.")) << address;
        in_addr parsed{};
        EXPECT_EQ(::inet_pton(AF_INET, address.c_str(), &parsed), 1) << address;
    }
}

}  // namespace

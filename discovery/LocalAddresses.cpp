#include "discovery/LocalAddresses.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

#include <cerrno>
#include <cstring>
#include <exception>
#include <memory>

#include "core/LogSystem.h"

using LogSystem::WriteLog;

void SelectLocalIPv4Addresses(const ifaddrs* list, std::vector<std::string>& addresses) {
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET) continue;
        if ((entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) continue;
        sockaddr_in address;
        std::memcpy(&address, entry->ifa_addr, sizeof address);
        char text[INET_ADDRSTRLEN] = {};
        if (::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text) == nullptr) continue;
        addresses.emplace_back(text);
        WriteLog("Get Current Local IP, IP = %s  ", text);
    }
}

void GetLocalIPv4Addresses(std::vector<std::string>& addresses) {
    addresses.clear();
    WriteLog("Get Current Local IP Info ");
    try {
        // The interface list rather than the host name: on this system the
        // host name resolves to a loopback address or to nothing.
        ifaddrs* list = nullptr;
        if (::getifaddrs(&list) != 0) {
            WriteLog("Add To Mulitcast Group Error : %s   ", std::strerror(errno));
            return;
        }
        const std::unique_ptr<ifaddrs, void (*)(ifaddrs*)> owner(list, &::freeifaddrs);
        SelectLocalIPv4Addresses(list, addresses);
    } catch (const std::exception& e) {
        WriteLog("Add To Mulitcast Group Error : %s   ", e.what());
    }
}

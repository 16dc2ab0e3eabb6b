#pragma once
// The computer's own IPv4 addresses, one search thread each.
#include <string>
#include <vector>

struct ifaddrs;

// Empties `addresses` and fills it with the dotted IPv4 addresses of the
// interfaces that are up, loopback interfaces left out, in interface order.
// A failure is logged and leaves what was collected so far.
void GetLocalIPv4Addresses(std::vector<std::string>& addresses);

// The selection of GetLocalIPv4Addresses over an interface list as
// getifaddrs returns it (logged the same way); apart so that it can be
// tested on a list made by hand.
void SelectLocalIPv4Addresses(const ifaddrs* list, std::vector<std::string>& addresses);

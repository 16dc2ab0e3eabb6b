#pragma once
// The desktop's network connections: the mounts that GIO lists with
// "gio mount -l", one line "Mount(N): NAME -> URI" each (indented when the
// mount belongs to a volume).
#include <string>
#include <string_view>
#include <vector>

// The URIs of the mounts in a "gio mount -l" listing that name a host (so
// not those of local volumes), in listing order.
std::vector<std::string> ParseGioMountUris(std::string_view listing);

// The host of a URI "scheme://[user@]host[:port]/...", without the user part
// and the port; empty when the text is not such a URI.
std::string_view UriHost(std::string_view uri);

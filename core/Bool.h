#pragma once
// Booleans that cross the interfaces of the system are 32-bit TRUE/FALSE
// values. The macros are guarded the same way GLib guards its own, so this
// header and the text libraries of the user interface can be included in any
// order.
#include <cstdint>

using BOOL = std::int32_t;
#ifndef FALSE
#define FALSE (0)
#endif
#ifndef TRUE
#define TRUE (!FALSE)
#endif

#pragma once
// The value syntaxes of a layout file: integers, colours, rectangles and
// points. The parsers never fail: malformed numbers read as 0, and a text that
// lacks a required comma leaves its target, or the part not yet reached,
// unchanged.
#include <cstdint>
#include <string_view>

#include "layout/LayoutValues.h"

// Decimal integer read the way the C library's wcstol reads base 10: leading
// white space skipped, an optional sign, digits up to the first other
// character. No digits give 0; values beyond the signed 32-bit range give the
// nearest limit.
std::int32_t ParseLayoutInteger(std::string_view text);

// "r,g,b" into 0x00BBGGRR, keeping the low 8 bits of each part. The target is
// written only when all three parts are present.
void ParseLayoutColor(std::string_view text, LayoutColor& target);

// "x,y,w,h" into left = x, top = y, right = x + w, bottom = y + h. A text that
// stops early sets only the parts before the missing comma.
void ParseLayoutRect(std::string_view text, LayoutRect& target);

// "x,y" into a point.
void ParseLayoutPoint(std::string_view text, LayoutPoint& target);

#pragma once
// Window-style keywords of the CtrlStyle attribute ("WS_CHILD|WS_VISIBLE")
// turned into the 32-bit style word a control is created with.
#include <cstdint>
#include <string_view>

// ORs together the value of every known keyword that occurs anywhere in the
// text, compared exactly and case-sensitively. The text is not split into
// tokens, so separators and order do not matter and anything else is ignored.
std::uint32_t ParseWindowStyle(std::string_view styleText);

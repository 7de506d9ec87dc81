#pragma once
// The usual decimal conversion (leading white space, an optional sign, digits up to the first
// non-digit; 0 without digits). Mended fault "Numbers that do not fit": it saturates at the
// int32 limits instead of overflowing.
#include <cstdint>

std::int32_t decimal_to_int32(const char* text);

// Numbers typed into text fields (friend code, one-time code, IDs, amounts).
#pragma once

#include <cstdint>
#include <string_view>

namespace net {

// Reads text as a signed decimal number: leading blanks (space, tab, line breaks,
// vertical tab, form feed) are skipped, one optional '+' or '-' is taken, then the
// digits after it up to the first other character. A text without leading digits
// gives 0. A value beyond the 32-bit range is clamped to its nearest end
// (INT32_MAX or INT32_MIN) rather than wrapped, so a long string of digits never
// turns into an unrelated number, let alone one of the opposite sign.
std::int32_t ParseDecimal(std::string_view text);

}  // namespace net

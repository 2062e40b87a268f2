// The server address is a dotted IPv4 literal; parsing it is the whole lookup.
#pragma once

#include <cstdint>

namespace platform {

// The address in network byte order, or 0 (0.0.0.0) when text is not an IPv4 literal.
std::uint32_t ParseIPv4(const char* text);

}  // namespace platform

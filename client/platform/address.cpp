#include "platform/address.h"

#include <arpa/inet.h>

namespace platform {

std::uint32_t ParseIPv4(const char* text) {
    in_addr addr{};
    if (text == nullptr || inet_pton(AF_INET, text, &addr) != 1) return 0;
    return addr.s_addr;
}

}  // namespace platform

#include "net/packets.h"

namespace net {

bool Satisfies(const PacketRule& rule, const std::uint8_t* frame, std::size_t length) {
    if (frame == nullptr || length < rule.fixed) return false;
    if (rule.countAt != kNoField) {
        const auto at = static_cast<std::size_t>(rule.countAt);
        if (at >= length) return false;
        // A count that promises more entries than the frame holds makes the whole
        // list untrustworthy: none of it is read.
        const std::size_t entries = frame[at];
        if (rule.entrySize != 0 && (length - rule.fixed) / rule.entrySize < entries) return false;
    }
    for (const int seatAt : rule.seatAt) {
        if (seatAt == kNoField) continue;
        const auto at = static_cast<std::size_t>(seatAt);
        if (at >= length || frame[at] >= kSeatLimit) return false;
    }
    return true;
}

}  // namespace net

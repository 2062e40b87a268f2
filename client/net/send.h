// The one send path, used from both threads, and the three small fixed senders.
#pragma once

#include <cstddef>
#include <cstdint>

#include "table/card.h"

namespace net {

// Hands a whole frame to the connection. False when there is no connection (the
// frame is dropped silently) or the write failed. Takes NetLock (recursively).
bool SendFrame(const std::uint8_t* frame, std::size_t length);

// Packet F1/03 (table request) from its three bytes and the friend code.
bool SendJoinTable(std::uint8_t mode, std::uint8_t key, std::uint8_t flag, std::uint32_t friendCode);
// Packet F2/02 (report), no payload.
bool SendReport();
// Packet F3/01 (discard) with one card.
bool SendDiscard(table::Card card);

}  // namespace net

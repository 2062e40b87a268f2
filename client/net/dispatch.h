// The packet dispatcher: one switch from opcode and sub-code to each packet's handler.
#pragma once

#include <cstddef>
#include <cstdint>

namespace net {

// Runs the handler of one complete frame. Called by the read loop on the network
// thread with NetLock held, once per frame, in arrival order. length is the whole
// frame's length: a frame shorter than what its handler reads is ignored.
void DispatchPacket(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length);

}  // namespace net

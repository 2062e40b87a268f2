// Receive buffering: the bytes of the connection collect in one fixed buffer and
// every complete frame in it is handed to the packet dispatcher, in arrival order,
// with NetLock held.
#pragma once

#include <cstddef>
#include <cstdint>

#include "wire/frame.h"

struct bufferevent;

namespace net {

inline constexpr std::size_t kReceiveBufferSize = wire::kMaxFrameSize;   // one buffer holds the largest frame

// The function each complete frame goes to; DispatchPacket unless a test or a
// harness replaces it.
using DispatchFn = void (*)(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length);

// Guarded by NetLock.
struct ReceiveState {
    std::uint8_t Buffer[kReceiveBufferSize] = {};   // bytes received and not yet consumed; a frame starts at offset 0
    std::size_t Fill = 0;                            // valid bytes in Buffer, 0..kReceiveBufferSize
    std::uint64_t Clears = 0;                        // times the buffer was emptied by a drop: the frame loop
                                                     // sees a handler's drop by this changing
    DispatchFn Dispatch = nullptr;                   // null = DispatchPacket
};
ReceiveState& Receive();

// Empties the buffer because the connection it belongs to is gone.
void ClearReceiveBuffer();

// Puts the receive state back to program-start values, DispatchPacket included.
void ResetReceiveState();

// Replaces the dispatcher (tests, fuzzers, benchmarks); nullptr restores
// DispatchPacket. Takes NetLock.
void SetDispatchHook(DispatchFn fn);

enum class ReceiveOutcome : std::uint8_t {
    Ok,                  // every whole frame was dispatched; any incomplete frame waits in the buffer
    ConnectionDropped,   // a handler dropped the connection; the rest of its bytes were discarded
    Unframeable,         // the stream cannot be framed: the connection was lost (screen 1), the buffer is empty
};

// Appends bytes to the buffer, as many as fit each time, and runs the frame loop
// after each append, exactly as the read callback does with what it reads. Takes
// NetLock. The socket path, the fuzzer and the benchmark all go through the same
// frame loop.
ReceiveOutcome ReceiveBytes(const std::uint8_t* data, std::size_t length);

// Dispatches every whole frame in the buffer, then moves what is left (the start
// of the next frame) to offset 0. Caller holds NetLock.
ReceiveOutcome RunFrameLoop();

// The connection's read callback: drains its input completely under NetLock.
void OnConnectionRead(bufferevent* connection, void* unused);

}  // namespace net

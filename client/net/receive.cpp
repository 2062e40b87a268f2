#include "net/receive.h"

#include <event2/bufferevent.h>

#include <cstring>
#include <mutex>

#include "net/connection.h"
#include "net/dispatch.h"
#include "net/net_lock.h"
#include "platform/log.h"

namespace net {

ReceiveState& Receive() {
    static ReceiveState state;
    return state;
}

void ClearReceiveBuffer() {
    ReceiveState& r = Receive();
    r.Fill = 0;
    ++r.Clears;
}

void ResetReceiveState() {
    ReceiveState& r = Receive();
    std::memset(r.Buffer, 0, sizeof r.Buffer);
    r.Fill = 0;
    r.Clears = 0;
    r.Dispatch = nullptr;
}

void SetDispatchHook(DispatchFn fn) {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    Receive().Dispatch = fn;
}

// The frames are dispatched where they lie and the remainder is moved to the
// front once per loop, not after every frame: the same frames reach the
// dispatcher, with the same bytes, in the same order, at the same moment.
ReceiveOutcome RunFrameLoop() {
    ReceiveState& r = Receive();
    const DispatchFn dispatch = r.Dispatch ? r.Dispatch : &DispatchPacket;
    const std::uint64_t clearsBefore = r.Clears;
    bool dropped = false;
    const wire::ScanResult scan = wire::ScanFrames(r.Buffer, r.Fill, [&](const wire::FrameInfo& frame) {
        dispatch(frame.opcode, r.Buffer + frame.offset, frame.length);
        // A handler that drops the connection (login result 4) ends the loop: the
        // bytes after its frame belong to a connection that no longer exists.
        if (r.Clears != clearsBefore) {
            dropped = true;
            return false;
        }
        return true;
    });
    if (dropped) {
        r.Fill = 0;
        return ReceiveOutcome::ConnectionDropped;
    }
    if (scan.error != wire::ScanError::None) {
        // Nothing inside the stream says where the next frame starts; the only way
        // back to a framed stream is a new connection with an empty buffer.
        platform::Log(platform::kLogError, "dropping the connection: %s at byte %zu",
                      wire::ScanErrorName(scan.error), scan.consumed);
        LoseConnection();
        return ReceiveOutcome::Unframeable;
    }
    const std::size_t left = r.Fill - scan.consumed;
    if (left != 0 && scan.consumed != 0) std::memmove(r.Buffer, r.Buffer + scan.consumed, left);
    r.Fill = left;
    return ReceiveOutcome::Ok;
}

ReceiveOutcome ReceiveBytes(const std::uint8_t* data, std::size_t length) {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    ReceiveState& r = Receive();
    ReceiveOutcome outcome = ReceiveOutcome::Ok;
    while (length != 0) {
        std::size_t chunk = kReceiveBufferSize - r.Fill;
        if (chunk > length) chunk = length;
        std::memcpy(r.Buffer + r.Fill, data, chunk);
        r.Fill += chunk;
        data += chunk;
        length -= chunk;
        outcome = RunFrameLoop();
        if (outcome != ReceiveOutcome::Ok) break;
    }
    return outcome;
}

void OnConnectionRead(bufferevent* connection, void*) {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    ReceiveState& r = Receive();
    // A read takes at most the free space; whatever libevent still holds is read
    // in the same callback, so nothing waits for the next arrival. The frame loop
    // always leaves less than a whole buffer behind (a frame of the buffer's size
    // is complete), so there is room for every further read.
    while (Net().ServerConnection == connection) {
        const std::size_t read = bufferevent_read(connection, r.Buffer + r.Fill, kReceiveBufferSize - r.Fill);
        if (read == 0) break;
        r.Fill += read;
        if (RunFrameLoop() != ReceiveOutcome::Ok) break;
    }
}

}  // namespace net

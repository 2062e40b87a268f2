// Arbitrary byte streams, cut into arbitrary pieces, through the receive loop and
// the real packet dispatcher, as the read callback runs them: NetLock held, one
// append and frame loop per piece.
//
// Input: byte 0 gives the number of piece sizes that follow (0..15; 0 = the whole
// stream in one piece). Each size byte b gives a piece of (b & 0x7F) + 1 bytes,
// times 256 when b & 0x80, so pieces run from 1 byte to a whole buffer. The sizes
// repeat until the stream is used up.
//
// Besides the sanitizers, the harness checks that the cutting does not matter:
// up to the first drop, the frames dispatched are exactly those a single scan of
// the whole stream finds, byte for byte, and a stream that cannot be framed is
// refused at the same frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "net/dispatch.h"
#include "net/net_lock.h"
#include "net/receive.h"
#include "platform/log.h"
#include "shell/reset.h"
#include "wire/frame.h"

namespace {

constexpr std::size_t kMaxSizes = 16;        // piece-size bytes at most (byte 0 modulo this)
constexpr std::uint8_t kScaleBit = 0x80;     // a size byte with this bit counts in units of 256
constexpr std::size_t kScale = 256;

struct Seen {
    std::vector<std::vector<std::uint8_t>> frames;   // frames dispatched, copied
};
Seen g_seen;

void RecordAndDispatch(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length) {
    g_seen.frames.emplace_back(frame, frame + length);
    net::DispatchPacket(opcode, frame, length);
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "frame_stream_fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

// The client logs every dropped stream at the error level; a fuzzer drops
// thousands a second, and writing them would slow it down and flood the output.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::SetLogLevel(0);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::size_t sizeCount = data[0] % kMaxSizes;
    if (sizeCount + 1 > size) sizeCount = size - 1;
    const std::uint8_t* sizes = data + 1;
    const std::uint8_t* stream = data + 1 + sizeCount;
    const std::size_t length = size - 1 - sizeCount;

    // What a single look at the whole stream finds: the frames and where framing fails.
    std::vector<std::vector<std::uint8_t>> expected;
    const wire::ScanResult whole = wire::ScanFrames(stream, length, [&](const wire::FrameInfo& f) {
        expected.emplace_back(stream + f.offset, stream + f.offset + f.length);
        return true;
    });

    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    shell::ResetClientState();
    net::SetDispatchHook(&RecordAndDispatch);
    g_seen.frames.clear();

    net::ReceiveOutcome first = net::ReceiveOutcome::Ok;   // the first outcome other than Ok
    std::size_t comparedFrames = 0;                        // frames dispatched before it
    std::size_t at = 0;
    for (std::size_t i = 0; at < length; ++i) {
        std::size_t piece = length - at;
        if (sizeCount != 0) {
            const std::uint8_t b = sizes[i % sizeCount];
            piece = (static_cast<std::size_t>(b & 0x7F) + 1) * ((b & kScaleBit) ? kScale : 1);
            if (piece > length - at) piece = length - at;
        }
        const net::ReceiveOutcome outcome = net::ReceiveBytes(stream + at, piece);
        at += piece;
        if (net::Receive().Fill > net::kReceiveBufferSize) Fail("fill beyond the buffer");
        if (outcome == net::ReceiveOutcome::Unframeable && net::Receive().Fill != 0) {
            Fail("an unframeable stream left bytes in the buffer");
        }
        if (outcome == net::ReceiveOutcome::ConnectionDropped && net::Receive().Fill != 0) {
            Fail("a dropped connection left bytes in the buffer");
        }
        if (outcome != net::ReceiveOutcome::Ok && first == net::ReceiveOutcome::Ok) {
            first = outcome;
            comparedFrames = g_seen.frames.size();
            // Whatever followed in this piece belonged to the lost connection; the
            // next pieces play a new one.
        }
    }
    if (first == net::ReceiveOutcome::Ok) comparedFrames = g_seen.frames.size();

    // Up to the first drop, cutting changes nothing.
    if (comparedFrames > expected.size()) Fail("more frames than the stream holds");
    for (std::size_t k = 0; k < comparedFrames; ++k) {
        if (g_seen.frames[k] != expected[k]) Fail("a dispatched frame differs from the stream's");
    }
    switch (first) {
        case net::ReceiveOutcome::Ok:
            if (comparedFrames != expected.size()) Fail("a whole frame was not dispatched");
            if (whole.error != wire::ScanError::None) Fail("an unframeable stream was accepted");
            if (net::Receive().Fill != length - whole.consumed) Fail("the buffer does not hold the incomplete frame");
            break;
        case net::ReceiveOutcome::Unframeable:
            if (whole.error == wire::ScanError::None) Fail("a framed stream was refused");
            if (comparedFrames != expected.size()) Fail("refused at another frame than a whole scan");
            break;
        case net::ReceiveOutcome::ConnectionDropped:
            if (comparedFrames == 0) Fail("a drop without a frame");
            break;
    }

    shell::ResetClientState();
    return 0;
}

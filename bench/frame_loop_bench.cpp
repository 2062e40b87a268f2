// Frames per second through the receive loop and the real packet dispatcher:
// from a full 32768-byte buffer of small frames, and from the same stream
// arriving one byte per read.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "net/net_lock.h"
#include "net/receive.h"
#include "shell/reset.h"
#include "wire/frame.h"

namespace {

constexpr std::uint8_t kOpSignal = 0xF2;       // keepalive's opcode
constexpr std::uint8_t kSubKeepalive = 0x01;   // keepalive: the dispatcher ignores it, so the loop is measured
constexpr std::size_t kServerKeepalive = 7;    // the server's keepalive is a bare header
constexpr std::size_t kPaddedKeepalive = 8;    // one frame a byte longer makes the buffer exactly full

// 4680 frames of 7 bytes and one of 8: exactly one full receive buffer.
struct FullBuffer {
    std::vector<std::uint8_t> bytes;
    std::size_t frames = 0;

    FullBuffer() {
        std::size_t left = net::kReceiveBufferSize;
        while (left != 0) {
            const std::size_t length = left % kServerKeepalive == 0 ? kServerKeepalive : kPaddedKeepalive;
            std::vector<std::uint8_t> f(length);
            wire::FrameWriter(wire::FrameKind::Short, kOpSignal, kSubKeepalive, f.data(), f.size());
            bytes.insert(bytes.end(), f.begin(), f.end());
            left -= length;
            ++frames;
        }
    }
};

const FullBuffer& Stream() {
    static const FullBuffer stream;
    return stream;
}

void BM_FullBufferOfSmallFrames(benchmark::State& state) {
    shell::ResetClientState();
    const FullBuffer& s = Stream();
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    for (auto _ : state) {
        const net::ReceiveOutcome outcome = net::ReceiveBytes(s.bytes.data(), s.bytes.size());
        benchmark::DoNotOptimize(outcome);
    }
    if (net::Receive().Fill != 0) state.SkipWithError("frames left in the buffer");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * s.frames));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes.size()));
}
BENCHMARK(BM_FullBufferOfSmallFrames);

void BM_OneBytePerRead(benchmark::State& state) {
    shell::ResetClientState();
    const FullBuffer& s = Stream();
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    for (auto _ : state) {
        for (std::uint8_t byte : s.bytes) {
            const net::ReceiveOutcome outcome = net::ReceiveBytes(&byte, 1);
            benchmark::DoNotOptimize(outcome);
        }
    }
    if (net::Receive().Fill != 0) state.SkipWithError("frames left in the buffer");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * s.frames));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * s.bytes.size()));
}
BENCHMARK(BM_OneBytePerRead);

// 4096 stock-count frames of 8 bytes fill the buffer exactly; each one runs its
// handler (the bounds rule, the seat-free store into the table model), so this
// case measures dispatch to a real handler rather than to an ignored packet.
void BM_FullBufferOfStockCounts(benchmark::State& state) {
    constexpr std::uint8_t kOpLobby = 0xF1;       // account, lobby and table state
    constexpr std::uint8_t kSubStockCount = 0x01; // cards left in the stock
    constexpr std::size_t kLength = 8;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < net::kReceiveBufferSize / kLength; ++i) {
        std::uint8_t f[kLength];
        wire::FrameWriter w(wire::FrameKind::Short, kOpLobby, kSubStockCount, f, kLength);
        w.U8(7, static_cast<std::uint8_t>(i % 54));
        bytes.insert(bytes.end(), f, f + kLength);
    }
    shell::ResetClientState();
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    for (auto _ : state) {
        const net::ReceiveOutcome outcome = net::ReceiveBytes(bytes.data(), bytes.size());
        benchmark::DoNotOptimize(outcome);
    }
    if (net::Receive().Fill != 0) state.SkipWithError("frames left in the buffer");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * (bytes.size() / kLength)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_FullBufferOfStockCounts);

}  // namespace

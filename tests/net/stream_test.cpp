// Frames through the real socket and read callback: batching, splits, streams
// that cannot be framed, handlers that reply or drop the connection.
#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "net/connection.h"
#include "net/receive.h"
#include "net/send.h"
#include "net_fixture.h"
#include "shell/screen_state.h"

namespace nettest {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testsupport::IsPacket;

std::vector<Bytes> DispatchedBytes() {
    return Locked([] {
        std::vector<Bytes> out;
        for (const Dispatched& d : Dispatches().frames) out.push_back(d.bytes);
        return out;
    });
}

bool WaitForDispatched(std::size_t count) {
    return WaitFor([&] { return Locked([] { return Dispatches().frames.size(); }) >= count; });
}

TEST_F(NetworkTest, TwoFramesSentTogetherAreDispatchedInOrder) {
    Connect();
    const Bytes a = ShortFrame(0xF2, 0x04, 8, {3});
    const Bytes b = LongFrame(0xF4, 0x02, 25, {1, 0, 0, 9});
    ASSERT_TRUE(server->Send(Concat({a, b})));
    ASSERT_TRUE(WaitForDispatched(2));
    const auto got = Locked([] { return Dispatches().frames; });
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].opcode, 0xF2);
    EXPECT_EQ(got[0].bytes, a);
    EXPECT_EQ(got[1].opcode, 0xF4);
    EXPECT_EQ(got[1].bytes, b);
    EXPECT_EQ(Fill(), 0u);
}

struct SocketSplitCase {
    const char* name;
    Bytes frame;
};
void PrintTo(const SocketSplitCase& c, std::ostream* os) { *os << c.name; }

class SocketSplitTest : public NetworkTest, public ::testing::WithParamInterface<SocketSplitCase> {};

TEST_P(SocketSplitTest, AFrameInTwoPiecesIsDispatchedOnceWhenTheSecondArrives) {
    Connect();
    const Bytes& frame = GetParam().frame;
    for (std::size_t cut = 1; cut < frame.size(); ++cut) {
        SCOPED_TRACE("cut after byte " + std::to_string(cut));
        const std::size_t before = DispatchedCount();
        ASSERT_TRUE(server->Send(Bytes(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(cut))));
        // The first piece is in the buffer and nothing went to the dispatcher.
        ASSERT_TRUE(WaitFor([&] { return Fill() == cut; }));
        EXPECT_EQ(DispatchedCount(), before);
        ASSERT_TRUE(server->Send(Bytes(frame.begin() + static_cast<std::ptrdiff_t>(cut), frame.end())));
        ASSERT_TRUE(WaitForDispatched(before + 1));
        EXPECT_EQ(DispatchedCount(), before + 1);
        EXPECT_EQ(DispatchedBytes().back(), frame);
        EXPECT_EQ(Fill(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, SocketSplitTest,
                         ::testing::Values(SocketSplitCase{"short", ShortFrame(0xF1, 0x07, 12, {0, 1, 2, 3, 4})},
                                           SocketSplitCase{"long", LongFrame(0xF4, 0x01, 32, {0, 0, 0, 7, 7, 7})}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkTest, ABurstLargerThanTheBufferIsReadInOneCallbackRun) {
    Connect();
    Bytes stream;
    const std::size_t count = 9000;   // 9000 x 20 bytes: more than five buffers
    for (std::size_t i = 0; i < count; ++i) {
        const Bytes f = LongFrame(0xF4, 0x01, 20, {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)});
        stream.insert(stream.end(), f.begin(), f.end());
    }
    ASSERT_TRUE(server->Send(stream));
    ASSERT_TRUE(WaitForDispatched(count));
    const auto got = DispatchedBytes();
    ASSERT_EQ(got.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_EQ(got[i][5] | got[i][6] << 8, static_cast<int>(i)) << "frame " << i << " out of order";
    }
    EXPECT_EQ(Fill(), 0u);
}

TEST_F(NetworkTest, BytesBeyondTheFreeSpaceAreReadInTheSameCallback) {
    Connect();
    // The buffer holds most of a frame of the buffer's size; the rest of it and a
    // small frame arrive together, more than the free space. Nothing else comes,
    // so the small frame is dispatched only if the callback reads again.
    const Bytes big = LongFrame(0xF4, 0x01, net::kReceiveBufferSize, {1});
    const Bytes small = ShortFrame(0xF2, 0x04, 8, {6});
    const std::size_t first = net::kReceiveBufferSize - 100;
    ASSERT_TRUE(server->Send(Bytes(big.begin(), big.begin() + static_cast<std::ptrdiff_t>(first))));
    ASSERT_TRUE(WaitFor([&] { return Fill() == first; }));
    Bytes rest(big.begin() + static_cast<std::ptrdiff_t>(first), big.end());
    rest.insert(rest.end(), small.begin(), small.end());
    ASSERT_TRUE(server->Send(rest));
    ASSERT_TRUE(WaitForDispatched(2)) << "the small frame waited for bytes that never come";
    EXPECT_EQ(DispatchedBytes(), (std::vector<Bytes>{big, small}));
    EXPECT_EQ(Fill(), 0u);
}

// ---- Handlers on the network thread ------------------------------------------------------

TEST_F(NetworkTest, AHandlerThatRepliesWhileTheReadHoldsNetLockDoesNotDeadlock) {
    Connect();
    Locked([] {
        Dispatches().onFrame = [](const Dispatched&) { EXPECT_TRUE(net::SendReport()); };
        return 0;
    });
    constexpr std::size_t kFrames = 200;      // frames the server sends, one reply each
    constexpr std::size_t kMainSends = 300;   // sends from this thread meanwhile
    std::thread feeder([&] {
        for (std::size_t i = 0; i < kFrames; ++i) server->Send(ShortFrame(0xF2, 0x0B, 8, {1}));
    });
    std::size_t sent = 0;
    for (std::size_t i = 0; i < kMainSends; ++i) sent += net::SendDiscard(table::Card{1, 5}) ? 1 : 0;
    feeder.join();
    EXPECT_EQ(sent, kMainSends);
    EXPECT_TRUE(server->WaitForFrames(IsPacket(0xF2, 0x02), kFrames)) << "replies from the handler went missing";
    EXPECT_TRUE(server->WaitForFrames(IsPacket(0xF3, 0x01), kMainSends));
    EXPECT_FALSE(server->SawUnframeable()) << "sends from two threads interleaved inside a frame";
}

TEST_F(NetworkTest, AHandlerThatDropsTheConnectionStopsTheLoopAndTheNextTickReconnects) {
    Connect();
    Locked([] {
        Dispatches().onFrame = [](const Dispatched& d) {
            if (d.bytes[6] == 0x09 && d.bytes[7] == 4) net::DropConnection();
        };
        shell::ChangeScreen(shell::kScreenWaiting);
        return 0;
    });
    const Bytes before = ShortFrame(0xF2, 0x04, 8, {1});
    const Bytes drop = ShortFrame(0xF2, 0x09, 36, {4});
    const Bytes after = ShortFrame(0xF2, 0x04, 8, {2});
    ASSERT_TRUE(server->Send(Concat({before, drop, after, Bytes{0xC1, 0, 40}})));
    ASSERT_TRUE(server->WaitForClientClose(0));
    ASSERT_TRUE(WaitForDispatched(2));
    WaitDisconnected();
    EXPECT_EQ(DispatchedBytes(), (std::vector<Bytes>{before, drop}));
    EXPECT_EQ(Fill(), 0u);
    EXPECT_EQ(Screen(), shell::kScreenWaiting);
    Connect();
    const Bytes fresh = ShortFrame(0xF2, 0x04, 8, {3});
    ASSERT_TRUE(server->Send(fresh));
    ASSERT_TRUE(WaitForDispatched(3));
    EXPECT_EQ(DispatchedBytes().back(), fresh);
}

// ---- Streams the client cannot frame ------------------------------------------------------

struct BadStreamCase {
    const char* name;
    Bytes bytes;
    std::size_t framesBefore;   // valid frames ahead of the bad bytes
};
void PrintTo(const BadStreamCase& c, std::ostream* os) { *os << c.name; }

class BadStreamTest : public NetworkTest, public ::testing::WithParamInterface<BadStreamCase> {};

Bytes Patched(Bytes frame, std::initializer_list<std::pair<std::size_t, std::uint8_t>> edits) {
    for (auto [at, value] : edits) frame[at] = value;
    return frame;
}

TEST_P(BadStreamTest, DropsTheConnectionAndReconnectsWithAnEmptyBuffer) {
    Connect();
    Locked([] {
        shell::ChangeScreen(shell::kScreenHome);
        return 0;
    });
    ASSERT_TRUE(server->Send(GetParam().bytes));
    ASSERT_TRUE(server->WaitForClientClose(0)) << "the client kept a stream it cannot frame";
    WaitDisconnected();
    EXPECT_EQ(DispatchedCount(), GetParam().framesBefore);
    EXPECT_EQ(Fill(), 0u);
    EXPECT_EQ(Screen(), shell::kScreenConnecting);
    Connect();
    // A frame on the new connection arrives in two pieces; if anything of the old
    // stream were left in the buffer the pieces would not line up.
    const Bytes f = ShortFrame(0xF1, 0x04, 12, {1, 0x10, 0x20, 0x30, 0x40});
    ASSERT_TRUE(server->Send(Bytes(f.begin(), f.begin() + 3)));
    ASSERT_TRUE(WaitFor([&] { return Fill() == 3; }));
    ASSERT_TRUE(server->Send(Bytes(f.begin() + 3, f.end())));
    ASSERT_TRUE(WaitForDispatched(GetParam().framesBefore + 1));
    EXPECT_EQ(DispatchedBytes().back(), f);
    EXPECT_TRUE(server->IsOpen(1));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadStreamTest,
    ::testing::Values(
        BadStreamCase{"first_byte_not_a_marker", Bytes{0x42, 0, 8, 0, 0xF2, 0, 1, 0}, 0},
        BadStreamCase{"garbage_after_a_good_frame", Concat({ShortFrame(0xF2, 0x04, 8, {1}), Bytes{0xFF, 0xFF}}), 1},
        BadStreamCase{"short_length_below_header", Patched(ShortFrame(0xF2, 0x01, 7), {{2, 5}}), 0},
        BadStreamCase{"long_length_below_header", Patched(LongFrame(0xF4, 0x01, 5), {{2, 3}}), 0},
        BadStreamCase{"short_length_above_buffer", Patched(ShortFrame(0xF2, 0x01, 7), {{2, 0x40}, {3, 0x9C}}), 0},
        BadStreamCase{"long_length_above_buffer", Patched(LongFrame(0xF4, 0x01, 5), {{1, 0x80}, {2, 0x01}}), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkTest, APartialFrameOfALostConnectionIsNeverJoinedToTheNextOne) {
    Connect();
    const Bytes f = ShortFrame(0xF2, 0x0A, 157, {1, 2, 3});
    ASSERT_TRUE(server->Send(Bytes(f.begin(), f.begin() + 60)));
    ASSERT_TRUE(WaitFor([&] { return Fill() == 60; }));
    ASSERT_TRUE(server->CloseConnection());
    WaitDisconnected();
    EXPECT_EQ(Fill(), 0u);
    Connect();
    ASSERT_TRUE(server->Send(f));
    ASSERT_TRUE(WaitForDispatched(1));
    EXPECT_EQ(DispatchedBytes(), (std::vector<Bytes>{f}));
    EXPECT_EQ(Fill(), 0u);
}

}  // namespace
}  // namespace nettest

// The receive loop fed directly (no socket): which frames reach the dispatcher,
// with which bytes, and when, for every way the bytes can be cut into reads.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "net/connection.h"
#include "net/receive.h"
#include "net_fixture.h"
#include "shell/screen_state.h"

namespace nettest {
namespace {

using Bytes = std::vector<std::uint8_t>;

net::ReceiveOutcome Feed(const Bytes& bytes, std::size_t from = 0, std::size_t to = SIZE_MAX) {
    if (to > bytes.size()) to = bytes.size();
    return net::ReceiveBytes(bytes.data() + from, to - from);
}

// A mixed stream: short and long frames of several sizes, each with a payload
// that tells it apart.
Bytes MixedStream(std::vector<Bytes>* frames) {
    std::vector<Bytes> f = {
        ShortFrame(0xF2, 0x01, 7),
        ShortFrame(0xF1, 0x01, 8, {9}),
        LongFrame(0xF4, 0x01, 32, {0, 0, 0, 1, 2, 3, 4}),
        ShortFrame(0xF2, 0x09, 36, {1}),
        LongFrame(0xF4, 0x02, 25, {7}),
        ShortFrame(0xF3, 0x0B, 28, {'a', 'b', 'c'}),
    };
    if (frames) *frames = f;
    Bytes all;
    for (const Bytes& b : f) all.insert(all.end(), b.begin(), b.end());
    return all;
}

std::vector<Bytes> DispatchedBytes() {
    return Locked([] {
        std::vector<Bytes> out;
        for (const Dispatched& d : Dispatches().frames) out.push_back(d.bytes);
        return out;
    });
}

TEST_F(ReceiveTest, TwoFramesInOneReadAreBothDispatchedInOrderInThatRead) {
    const Bytes a = ShortFrame(0xF2, 0x04, 8, {3});
    const Bytes b = LongFrame(0xF4, 0x01, 32, {0, 0, 0, 5});
    EXPECT_EQ(Feed(Concat({a, b})), net::ReceiveOutcome::Ok);
    const auto got = Locked([] { return Dispatches().frames; });
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].opcode, 0xF2);
    EXPECT_EQ(got[0].bytes, a);
    EXPECT_EQ(got[1].opcode, 0xF4);
    EXPECT_EQ(got[1].bytes, b);
    EXPECT_EQ(net::Receive().Fill, 0u);
}

// Both frame kinds say "20 bytes" with their length bytes in opposite orders.
struct SplitCase {
    const char* name;
    Bytes frame;
};
void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

class SplitTest : public ReceiveTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(SplitTest, FrameCutAnywhereIsDispatchedOnceWhenItsLastByteArrives) {
    const Bytes& frame = GetParam().frame;
    for (std::size_t cut = 1; cut < frame.size(); ++cut) {
        SCOPED_TRACE("cut after byte " + std::to_string(cut));
        const std::size_t before = DispatchedCount();
        ASSERT_EQ(Feed(frame, 0, cut), net::ReceiveOutcome::Ok);
        EXPECT_EQ(DispatchedCount(), before) << "a partial frame was dispatched";
        EXPECT_EQ(net::Receive().Fill, cut);
        ASSERT_EQ(Feed(frame, cut), net::ReceiveOutcome::Ok);
        ASSERT_EQ(DispatchedCount(), before + 1);
        EXPECT_EQ(DispatchedBytes().back(), frame);
        EXPECT_EQ(net::Receive().Fill, 0u) << "a frame ending with the read leaves the buffer empty";
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothKinds, SplitTest,
    ::testing::Values(SplitCase{"short_0x14_0x00", ShortFrame(0xF1, 0x04, 20, {1, 2, 3, 4, 5})},
                      SplitCase{"long_0x00_0x14", LongFrame(0xF4, 0x02, 20, {1, 2, 3, 4, 5})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReceiveTest, TwentyByteFramesOfBothKindsHaveTheirLengthBytesInOppositeOrders) {
    const Bytes shortFrame = ShortFrame(0xF1, 0x04, 20);
    const Bytes longFrame = LongFrame(0xF4, 0x02, 20);
    EXPECT_EQ(shortFrame[2], 0x14);
    EXPECT_EQ(shortFrame[3], 0x00);
    EXPECT_EQ(longFrame[1], 0x00);
    EXPECT_EQ(longFrame[2], 0x14);
    // 19 bytes of each wait; the 20th completes it.
    for (const Bytes* f : {&shortFrame, &longFrame}) {
        const std::size_t before = DispatchedCount();
        Feed(*f, 0, 19);
        EXPECT_EQ(DispatchedCount(), before);
        Feed(*f, 19);
        EXPECT_EQ(DispatchedCount(), before + 1);
    }
}

TEST_F(ReceiveTest, TooFewBytesToKnowTheLengthDispatchNothing) {
    // Three bytes of a C1 frame, four of a C2 frame.
    const Bytes shortFrame = ShortFrame(0xF2, 0x01, 7);
    const Bytes longFrame = LongFrame(0xF4, 0x01, 32);
    EXPECT_EQ(Feed(shortFrame, 0, 3), net::ReceiveOutcome::Ok);
    EXPECT_EQ(net::Receive().Fill, 3u);
    EXPECT_EQ(DispatchedCount(), 0u);
    net::ResetReceiveState();
    net::SetDispatchHook(&RecordDispatch);
    EXPECT_EQ(Feed(longFrame, 0, 4), net::ReceiveOutcome::Ok);
    EXPECT_EQ(net::Receive().Fill, 4u);
    EXPECT_EQ(DispatchedCount(), 0u);
}

TEST_F(ReceiveTest, AnyCuttingOfAStreamDispatchesTheSameFramesAsOneRead) {
    std::vector<Bytes> frames;
    const Bytes stream = MixedStream(&frames);
    // Piece sizes 1..13 cover cuts through every header field of both kinds.
    for (std::size_t piece = 1; piece <= 13; ++piece) {
        SCOPED_TRACE("pieces of " + std::to_string(piece));
        Locked([] {
            Dispatches().frames.clear();
            return 0;
        });
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            ASSERT_EQ(Feed(stream, at, at + piece), net::ReceiveOutcome::Ok);
        }
        EXPECT_EQ(DispatchedBytes(), frames);
        EXPECT_EQ(net::Receive().Fill, 0u);
    }
}

TEST_F(ReceiveTest, MoreBytesThanTheBufferHoldsAreAllDispatchedInOrder) {
    // Three buffers' worth of 12-byte frames in one read, numbered.
    Bytes stream;
    const std::size_t count = 3 * net::kReceiveBufferSize / 12 + 5;
    for (std::size_t i = 0; i < count; ++i) {
        const Bytes f = ShortFrame(0xF1, 0x04, 12, {0, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)});
        stream.insert(stream.end(), f.begin(), f.end());
    }
    ASSERT_EQ(Feed(stream), net::ReceiveOutcome::Ok);
    const auto got = DispatchedBytes();
    ASSERT_EQ(got.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
        ASSERT_EQ(got[i][8] | got[i][9] << 8, static_cast<int>(i & 0xFFFF)) << "frame " << i;
    }
    EXPECT_EQ(net::Receive().Fill, 0u);
}

TEST_F(ReceiveTest, AFrameAsLongAsTheBufferIsReceivedWhole) {
    Bytes big = LongFrame(0xF4, 0x01, net::kReceiveBufferSize);
    big.back() = 0x5A;
    const Bytes next = ShortFrame(0xF2, 0x01, 7);
    // Behind a small frame, so the big one has to be moved to the front of the
    // buffer before its last bytes fit.
    ASSERT_EQ(Feed(Concat({next, big, next})), net::ReceiveOutcome::Ok);
    const auto got = DispatchedBytes();
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[1], big);
    EXPECT_EQ(net::Receive().Fill, 0u);
}

// ---- Streams that cannot be framed ------------------------------------------------------

struct UnframeableCase {
    const char* name;
    Bytes bytes;
    std::size_t framesBefore;   // valid frames ahead of the bad bytes
};
void PrintTo(const UnframeableCase& c, std::ostream* os) { *os << c.name; }

class UnframeableTest : public ReceiveTest, public ::testing::WithParamInterface<UnframeableCase> {};

TEST_P(UnframeableTest, LosesTheConnectionEmptiesTheBufferAndShowsScreenOne) {
    Locked([] {
        shell::ChangeScreen(shell::kScreenHome);
        return 0;
    });
    EXPECT_EQ(Feed(GetParam().bytes), net::ReceiveOutcome::Unframeable);
    EXPECT_EQ(DispatchedCount(), GetParam().framesBefore);
    EXPECT_EQ(net::Receive().Fill, 0u);
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenConnecting);
    EXPECT_EQ(shell::Shell().PreviousState, shell::kScreenHome);
    // What comes next starts from an empty buffer.
    const Bytes f = ShortFrame(0xF2, 0x04, 8, {2});
    EXPECT_EQ(Feed(f), net::ReceiveOutcome::Ok);
    ASSERT_EQ(DispatchedCount(), GetParam().framesBefore + 1);
    EXPECT_EQ(DispatchedBytes().back(), f);
}

Bytes WithBytes(Bytes frame, std::initializer_list<std::pair<std::size_t, std::uint8_t>> edits) {
    for (auto [at, value] : edits) frame[at] = value;
    return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnframeableTest,
    ::testing::Values(
        UnframeableCase{"first_byte_zero", Bytes{0x00, 0x00, 0x08, 0x00, 0xF2, 0x00, 0x01, 0x00}, 0},
        UnframeableCase{"first_byte_C3", Bytes{0xC3}, 0},
        UnframeableCase{"bad_byte_after_a_good_frame", Concat({ShortFrame(0xF2, 0x01, 7), Bytes{0x7F}}), 1},
        UnframeableCase{"short_length_6", WithBytes(ShortFrame(0xF2, 0x01, 7), {{2, 6}}), 0},
        UnframeableCase{"short_length_0", WithBytes(ShortFrame(0xF2, 0x01, 7), {{2, 0}}), 0},
        UnframeableCase{"long_length_4", WithBytes(LongFrame(0xF4, 0x01, 5), {{2, 4}}), 0},
        UnframeableCase{"long_length_0", WithBytes(LongFrame(0xF4, 0x01, 5), {{2, 0}}), 0},
        UnframeableCase{"short_length_32769", WithBytes(ShortFrame(0xF2, 0x01, 7), {{2, 0x01}, {3, 0x80}}), 0},
        UnframeableCase{"long_length_32769", WithBytes(LongFrame(0xF4, 0x01, 5), {{1, 0x80}, {2, 0x01}}), 0},
        UnframeableCase{"long_length_65535", WithBytes(LongFrame(0xF4, 0x01, 5), {{1, 0xFF}, {2, 0xFF}}), 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReceiveTest, ALengthBeyondTheBufferIsRefusedBeforeItsBytesArrive) {
    // Only the header has come; waiting for 40000 bytes would wait forever.
    const Bytes header = WithBytes(LongFrame(0xF4, 0x01, 5), {{1, 0x9C}, {2, 0x40}});
    EXPECT_EQ(Feed(header), net::ReceiveOutcome::Unframeable);
    EXPECT_EQ(net::Receive().Fill, 0u);
}

// ---- A handler that drops the connection ------------------------------------------------

TEST_F(ReceiveTest, AHandlerDropStopsTheLoopAndEmptiesTheBuffer) {
    const Bytes before = ShortFrame(0xF2, 0x04, 8, {1});
    const Bytes drop = ShortFrame(0xF2, 0x09, 36, {4});
    const Bytes after = ShortFrame(0xF2, 0x04, 8, {2});
    const Bytes partial = ShortFrame(0xF1, 0x00, 35);
    Locked([&] {
        Dispatches().onFrame = [](const Dispatched& d) {
            if (d.bytes[6] == 0x09) net::DropConnection();
        };
        shell::ChangeScreen(shell::kScreenHome);
        return 0;
    });
    const std::uint64_t clears = net::Receive().Clears;
    const Bytes stream = Concat({before, drop, after, Bytes(partial.begin(), partial.begin() + 10)});
    EXPECT_EQ(Feed(stream), net::ReceiveOutcome::ConnectionDropped);
    EXPECT_EQ(DispatchedBytes(), (std::vector<Bytes>{before, drop}));
    EXPECT_EQ(net::Receive().Fill, 0u);
    EXPECT_GT(net::Receive().Clears, clears);
    // The drop alone changes no screen; the server's next answers decide it.
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenHome);
    // The next bytes are not joined to the dropped partial frame.
    EXPECT_EQ(Feed(after), net::ReceiveOutcome::Ok);
    EXPECT_EQ(DispatchedBytes().back(), after);
    EXPECT_EQ(net::Receive().Fill, 0u);
}

}  // namespace
}  // namespace nettest

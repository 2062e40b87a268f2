// The send path: what goes out on the wire, and what happens without a connection.
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "net/connection.h"
#include "net/send.h"
#include "net_fixture.h"

namespace nettest {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testsupport::IsPacket;

TEST_F(ReceiveTest, SendsWithoutAConnectionReturnFalse) {
    const Bytes frame = ShortFrame(0xF2, 0x03, 8, {1});
    EXPECT_FALSE(net::SendFrame(frame.data(), frame.size()));
    EXPECT_FALSE(net::SendJoinTable(1, 2, 1, 0));
    EXPECT_FALSE(net::SendReport());
    EXPECT_FALSE(net::SendDiscard(table::Card{2, 7}));
}

TEST_F(NetworkTest, SendsWhileTheServerRefusesReturnFalseAndReachNobody) {
    Connect();
    ASSERT_TRUE(server->Refuse());
    ASSERT_TRUE(server->CloseConnection());
    WaitDisconnected();
    EXPECT_FALSE(net::SendReport());
    ASSERT_TRUE(server->Listen());
    Connect();
    EXPECT_TRUE(net::SendReport());
    ASSERT_TRUE(server->WaitForFrame(IsPacket(0xF2, 0x02)));
    EXPECT_EQ(server->CountFrames(IsPacket(0xF2, 0x02)), 1u) << "the send made while offline was kept";
    EXPECT_EQ(server->CountFrames([](const auto& f) { return f.Is(0xF2, 0x02) && f.connection == 1; }), 1u);
}

struct SenderCase {
    const char* name;
    std::function<bool()> send;
    Bytes wire;   // exactly what the server must receive
};
void PrintTo(const SenderCase& c, std::ostream* os) { *os << c.name; }

class SenderTest : public NetworkTest, public ::testing::WithParamInterface<SenderCase> {};

TEST_P(SenderTest, PutsExactlyItsFrameOnTheWire) {
    Connect();
    ASSERT_TRUE(GetParam().send());
    const Bytes& want = GetParam().wire;
    ASSERT_TRUE(server->WaitForFrame(IsPacket(want[4], want[6])));
    std::vector<Bytes> sent;
    for (const auto& f : server->Frames()) {
        if (f.Is(want[4], want[6])) sent.push_back(f.bytes);
    }
    EXPECT_EQ(sent, (std::vector<Bytes>{want}));
}

INSTANTIATE_TEST_SUITE_P(
    FixedFrames, SenderTest,
    ::testing::Values(
        SenderCase{"join_table_create", [] { return net::SendJoinTable(1, 3, 1, 0); },
                   Bytes{0xC1, 0, 16, 0, 0xF1, 0, 0x03, 1, 3, 1, 0, 0, 0, 0, 0, 0}},
        SenderCase{"join_table_friend_code", [] { return net::SendJoinTable(0, 0, 1, 123456789); },
                   // 123456789 = 0x075BCD15, little-endian at bytes 12..15
                   Bytes{0xC1, 0, 16, 0, 0xF1, 0, 0x03, 0, 0, 1, 0, 0, 0x15, 0xCD, 0x5B, 0x07}},
        SenderCase{"report", [] { return net::SendReport(); }, Bytes{0xC1, 0, 8, 0, 0xF2, 0, 0x02, 0}},
        SenderCase{"discard", [] { return net::SendDiscard(table::Card{table::kSuitHearts, 12}); },
                   Bytes{0xC1, 0, 10, 0, 0xF3, 0, 0x01, 3, 12, 0}},
        SenderCase{"discard_joker", [] { return net::SendDiscard(table::Card{table::kSuitJoker, 2}); },
                   Bytes{0xC1, 0, 10, 0, 0xF3, 0, 0x01, 5, 2, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NetworkTest, AServerThatClosesOrResetsWhileTheClientSendsCostsOnlyTheConnection) {
    for (int run = 0; run < 20; ++run) {
        Connect();
        for (int i = 0; i < 50; ++i) net::SendReport();
        ASSERT_TRUE(run % 2 ? server->ResetConnection() : server->CloseConnection());
        ASSERT_TRUE(WaitFor([&] {
            net::SendReport();
            return !HasConnection();
        })) << "run " << run;
        EXPECT_EQ(Screen(), shell::kScreenConnecting);
    }
}

TEST_F(NetworkTest, OnceTheThreadRunsAWriteToAClosedPeerFailsInsteadOfEndingTheProcess) {
    // libevent writes with writev(); on Linux a write to a socket whose peer has
    // gone raises SIGPIPE, whose default action ends the process. Which write of
    // the connection hits it is a matter of timing, so the socket pair shows it
    // every time.
    StartThread();
    int pair[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    close(pair[1]);
    const std::uint8_t byte = 0;
    EXPECT_EQ(write(pair[0], &byte, 1), -1);
    EXPECT_EQ(errno, EPIPE);
    close(pair[0]);
}

}  // namespace
}  // namespace nettest

// The token login that every connect triggers, its re-send deadline on the timer,
// and the login result that drops the connection, end to end against the fake
// server with the real dispatcher.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "net/connection.h"
#include "net/send.h"
#include "net/sign_in.h"
#include "net_fixture.h"
#include "shell/screen_state.h"

namespace nettest {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testsupport::IsPacket;

constexpr char kToken[] = "K0rvaneTestToken0123456789abcdef";   // 32 characters
constexpr std::uint8_t kOpLobby = 0xF1;
constexpr std::uint8_t kSubTokenLogin = 0x01;

class LoginTest : public NetworkTest {
protected:
    void SetUp() override {
        NetworkTest::SetUp();
        static_assert(sizeof kToken == net::kTokenLength + 1);
        Locked([] {
            std::memcpy(net::SignIn().SessionToken, kToken, sizeof kToken);
            return 0;
        });
    }

    std::size_t Logins() { return server->CountFrames(IsPacket(kOpLobby, kSubTokenLogin)); }
};

TEST_F(LoginTest, EveryConnectSendsTheExact42ByteTokenLogin) {
    Connect();
    ASSERT_TRUE(server->WaitForFrame(IsPacket(kOpLobby, kSubTokenLogin)));
    Bytes want = ShortFrame(0xF1, 0x01, 42);
    std::memcpy(want.data() + 7, kToken, net::kTokenLength);
    want[40] = 36;
    const auto frames = server->Frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].bytes, want);
    EXPECT_EQ(frames[0].bytes[39], 0);
    EXPECT_EQ(frames[0].bytes[40], 36);
    EXPECT_EQ(Locked([] { return net::Net().LoginDeadline; }), clock.nowNs / 1000000 + net::kLoginResendMs);

    // And again on the next connection.
    ASSERT_TRUE(server->CloseConnection());
    WaitDisconnected();
    Connect();
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 2));
    EXPECT_EQ(server->Frames().back().bytes, want);
    EXPECT_EQ(server->Frames().back().connection, 1u);
}

TEST_F(LoginTest, WithoutATokenTheConnectShowsTheMobileScreenAndSendsNothing) {
    Locked([] {
        net::ResetSignIn();
        return 0;
    });
    StartThread();
    const float before = shell::Shell().LoadProgress.load();
    Connect();
    ASSERT_TRUE(WaitFor([&] { return Screen() == shell::kScreenMobile; }));
    // 0.1 for the connect and 0.1 for having no token.
    EXPECT_NEAR(shell::Shell().LoadProgress.load(), before + 0.2f, 1e-5f);
    // A report sent now is the first frame the server sees.
    ASSERT_TRUE(net::SendReport());
    ASSERT_TRUE(server->WaitForFrame(IsPacket(0xF2, 0x02)));
    EXPECT_EQ(server->Frames().size(), 1u);
}

TEST_F(LoginTest, AnUnansweredLoginIsSentAgainOnTheFirstTickPastItsDeadlineEvery30s) {
    Connect();
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 1));
    std::vector<int> resentAt;
    for (int second = 1; second <= 65; ++second) {
        clock.AdvanceMs(1000);
        const std::uint64_t before = Locked([] { return net::Net().LoginDeadline; });
        Tick();
        if (Locked([] { return net::Net().LoginDeadline; }) != before) resentAt.push_back(second);
    }
    // Deadline 30000: not at 30 s (not past it), at 31 s; then 31000 + 30000 -> 62 s.
    EXPECT_EQ(resentAt, (std::vector<int>{31, 62}));
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 3));
    EXPECT_EQ(Logins(), 3u);
}

TEST_F(LoginTest, AnsweredLoginIsNotSentAgain) {
    net::SetDispatchHook(nullptr);   // the real dispatcher handles the answer
    Connect();
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 1));
    Bytes home(36, 0);
    home[0] = 0xC1;
    home[2] = 36;
    home[4] = 0xF2;
    home[6] = 0x09;
    home[7] = 1;   // result 1: home
    ASSERT_TRUE(server->Send(home));
    ASSERT_TRUE(WaitFor([&] { return Screen() == shell::kScreenHome; }));
    EXPECT_EQ(Locked([] { return net::Net().LoginDeadline; }), 0u);
    for (int second = 1; second <= 40; ++second) {
        clock.AdvanceMs(1000);
        Tick();
    }
    // Every tick has run; a re-send would have been written before the last one ended.
    net::SendReport();
    ASSERT_TRUE(server->WaitForFrame(IsPacket(0xF2, 0x02)));
    EXPECT_EQ(Logins(), 1u);
}

TEST_F(LoginTest, LoginResultFourDropsTheConnectionAndTheNextTickLogsInAgain) {
    net::SetDispatchHook(nullptr);
    Connect();
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 1));
    Bytes drop(36, 0);
    drop[0] = 0xC1;
    drop[2] = 36;
    drop[4] = 0xF2;
    drop[6] = 0x09;
    drop[7] = 4;   // result 4: drop and log in again
    // A go-home frame right behind the drop belongs to the dropped connection and
    // must not move the screen.
    Bytes tail = {0xC1, 0, 8, 0, 0xF1, 0, 0x0B, 1};   // go home
    ASSERT_TRUE(server->Send(Concat({drop, tail})));
    ASSERT_TRUE(server->WaitForClientClose(0));
    WaitDisconnected();
    EXPECT_EQ(Fill(), 0u);
    EXPECT_EQ(Locked([] { return net::Net().LoginDeadline; }), 0u);
    EXPECT_NE(Screen(), shell::kScreenHome) << "a frame after the drop was handled";
    Connect();
    ASSERT_TRUE(server->WaitForFrames(IsPacket(kOpLobby, kSubTokenLogin), 2));
    EXPECT_EQ(server->Frames().back().connection, 1u);
}

}  // namespace
}  // namespace nettest

// The network thread against the fake server: connecting, losing and refusing
// connections, reconnection, keepalives, and starting and stopping the thread.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "net/connection.h"
#include "net/send.h"
#include "net_fixture.h"
#include "shell/screen_state.h"

namespace nettest {
namespace {

using testsupport::IsPacket;

constexpr std::uint8_t kOpSignal = 0xF2;       // keepalive's opcode
constexpr std::uint8_t kSubKeepalive = 0x01;   // keepalive's sub-code

std::uint64_t Attempts() { return Locked([] { return net::Net().ConnectAttempts; }); }

TEST_F(NetworkTest, NoConnectionBeforeTheFirstTickThenOneOnIt) {
    StartThread();
    EXPECT_TRUE(Locked([] { return net::Net().NetworkStarted; }));
    EXPECT_FLOAT_EQ(shell::Shell().LoadProgress.load(), 0.1f);   // the loop's start
    EXPECT_FALSE(HasConnection());
    EXPECT_EQ(Attempts(), 0u);
    Connect();
    EXPECT_EQ(server->Accepted(), 1u);
    EXPECT_TRUE(HasConnection());
    EXPECT_GE(shell::Shell().LoadProgress.load(), 0.2f - 1e-6f);   // and the connect
}

TEST_F(NetworkTest, ServerCloseShowsScreenOneAndTheNextTickReconnects) {
    Connect();
    Locked([] {
        shell::ChangeScreen(shell::kScreenHome);
        return 0;
    });
    ASSERT_TRUE(server->CloseConnection());
    WaitDisconnected();
    EXPECT_EQ(Screen(), shell::kScreenConnecting);
    EXPECT_EQ(Locked([] { return shell::Shell().PreviousState; }), shell::kScreenHome);
    EXPECT_EQ(Fill(), 0u);
    Connect();
    EXPECT_EQ(server->Accepted(), 2u);
    EXPECT_TRUE(server->IsOpen(1));
}

TEST_F(NetworkTest, RefusedConnectShowsScreenOneEvenWhenItIsShownAlready) {
    ASSERT_TRUE(server->Refuse());
    StartThread();
    for (std::uint64_t attempt = 1; attempt <= 2; ++attempt) {
        Tick();
        EXPECT_EQ(Attempts(), attempt);
        WaitDisconnected();
        ASSERT_TRUE(WaitFor([&] { return Screen() == shell::kScreenConnecting; }));
    }
    // The second refusal changed screen 1 to screen 1.
    EXPECT_EQ(Locked([] { return shell::Shell().PreviousState; }), shell::kScreenConnecting);
    ASSERT_TRUE(server->Listen());
    Connect();
    EXPECT_EQ(server->Accepted(), 1u);
}

TEST_F(NetworkTest, AnUnreachableServerIsTriedOnEveryTickWithoutEnd) {
    ASSERT_TRUE(server->Refuse());
    StartThread();
    for (std::uint64_t attempt = 1; attempt <= 8; ++attempt) {
        Tick();
        EXPECT_EQ(Attempts(), attempt);
        WaitDisconnected();
    }
    EXPECT_EQ(Screen(), shell::kScreenConnecting);
    EXPECT_EQ(server->Accepted(), 0u);
}

TEST_F(NetworkTest, WithTheDefaultPeriodAttemptsComeAboutOnceASecond) {
    net::SetTickPeriodMs(net::kTickPeriodMs);
    ASSERT_TRUE(server->Refuse());
    StartThread();
    std::vector<std::chrono::steady_clock::time_point> at;
    for (std::uint64_t n = 1; n <= 3; ++n) {
        ASSERT_TRUE(WaitFor([&] { return Attempts() >= n; }, std::chrono::milliseconds(3000)));
        at.push_back(std::chrono::steady_clock::now());
        EXPECT_EQ(Attempts(), n) << "more than one attempt per tick";
    }
    for (std::size_t i = 1; i < at.size(); ++i) {
        const auto gap = std::chrono::duration_cast<std::chrono::milliseconds>(at[i] - at[i - 1]).count();
        EXPECT_GE(gap, 700);
        EXPECT_LE(gap, 1600);
    }
}

TEST_F(NetworkTest, AnAddressThatIsNotIPv4MakesNoConnectionAttempt) {
    // 0.0.0.0 would reach the fake server listening on this machine.
    net::ConfiguredServer().host = "game.invalid";
    StartThread();
    Tick();
    Tick();
    EXPECT_FALSE(HasConnection());
    EXPECT_EQ(Attempts(), 0u);
}

// ---- Keepalive -------------------------------------------------------------------------------

TEST_F(NetworkTest, KeepaliveGoesOutEverySixOneSecondTicksWhileConnected) {
    Connect();
    const auto keepalive = IsPacket(kOpSignal, kSubKeepalive);
    std::size_t expected = 0;
    for (int second = 1; second <= 30; ++second) {
        clock.AdvanceMs(1000);
        Tick();
        // More than 5000 ms since the interval began: at 6, 12, 18, ... seconds.
        if (second % 6 == 0) {
            ++expected;
            ASSERT_TRUE(server->WaitForFrames(keepalive, expected)) << "no keepalive at " << second << " s";
            EXPECT_EQ(server->CountFrames(keepalive), expected) << "extra keepalive by " << second << " s";
        }
    }
    for (const auto& f : server->Frames()) {
        if (!f.Is(kOpSignal, kSubKeepalive)) continue;
        EXPECT_EQ(f.bytes, (std::vector<std::uint8_t>{0xC1, 0, 8, 0, 0xF2, 0, 0x01, 0}));
    }
}

TEST_F(NetworkTest, WhileDisconnectedNoKeepaliveIsSentButTheIntervalStillRestarts) {
    Connect();
    ASSERT_TRUE(server->Refuse());
    ASSERT_TRUE(server->CloseConnection());
    WaitDisconnected();
    std::vector<std::uint32_t> restarts;
    for (int second = 1; second <= 18; ++second) {
        clock.AdvanceMs(1000);
        const std::uint32_t before = Locked([] { return net::Net().LastKeepaliveTicks; });
        Tick();
        WaitDisconnected();   // this tick's attempt is refused before the next tick
        const std::uint32_t after = Locked([] { return net::Net().LastKeepaliveTicks; });
        if (after != before) restarts.push_back(after);
    }
    EXPECT_EQ(restarts, (std::vector<std::uint32_t>{6000, 12000, 18000}));
    // Back online, the first keepalive follows the schedule kept while offline.
    ASSERT_TRUE(server->Listen());
    clock.AdvanceMs(1000);   // 19 s
    Connect();
    const auto keepalive = IsPacket(kOpSignal, kSubKeepalive);
    for (int second = 20; second <= 24; ++second) {
        clock.AdvanceMs(1000);
        Tick();
    }
    ASSERT_TRUE(server->WaitForFrames(keepalive, 1));
    EXPECT_EQ(server->CountFrames(keepalive), 1u);
    EXPECT_EQ(server->CountFrames([](const auto& f) { return f.Is(kOpSignal, kSubKeepalive) && f.connection == 1; }),
              1u);
    EXPECT_EQ(Locked([] { return net::Net().LastKeepaliveTicks; }), 24000u);
}

// ---- Starting and stopping ---------------------------------------------------------------------

TEST_F(NetworkTest, StopBeforeAnyThreadIsHarmless) {
    net::StopNetwork();
    EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
    // A joinable start clears the earlier stop and runs normally.
    Connect();
    EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
    EXPECT_EQ(net::NetworkThreadPhase(), net::ThreadPhase::Idle);
}

TEST_F(NetworkTest, TheThreadStartsAndStopsManyTimesAndFreesItsConnection) {
    for (std::size_t run = 0; run < 12; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        Connect();
        ASSERT_EQ(server->Accepted(), run + 1);
        EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
        EXPECT_FALSE(HasConnection());
        EXPECT_EQ(Locked([] { return net::Net().EventBase; }), nullptr);
        EXPECT_EQ(Fill(), 0u);
        ASSERT_TRUE(server->WaitForClientClose(run)) << "the stopped thread left its socket open";
        EXPECT_FALSE(net::SendReport()) << "a send after the thread ended found a connection";
    }
}

TEST_F(NetworkTest, AStopRightAfterTheStartEndsTheThread) {
    // The stop may land before the loop is entered; it must not be lost then.
    for (int run = 0; run < 25; ++run) {
        ASSERT_TRUE(net::StartNetworkThreadJoinable());
        net::StopNetwork();
        ASSERT_TRUE(WaitFor([] { return net::NetworkThreadPhase() == net::ThreadPhase::Ended; }))
            << "run " << run << ": the loop ignored the stop";
        EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
    }
}

TEST_F(NetworkTest, StopWhileAnotherThreadSendsIsSafe) {
    // The main thread keeps sending while the network thread shuts down and frees
    // the connection under it.
    for (int run = 0; run < 5; ++run) {
        Connect();
        std::atomic<bool> done{false};
        std::thread sender([&] {
            while (!done.load()) net::SendReport();
        });
        EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
        done = true;
        sender.join();
        EXPECT_FALSE(net::SendReport());
    }
}

}  // namespace
}  // namespace nettest

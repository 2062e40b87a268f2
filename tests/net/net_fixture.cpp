#include "net_fixture.h"

#include "shell/reset.h"
#include "wire/frame.h"

namespace nettest {

DispatchLog& Dispatches() {
    static DispatchLog log;
    return log;
}

void RecordDispatch(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length) {
    Dispatched d;
    d.opcode = opcode;
    d.bytes.assign(frame, frame + length);
    DispatchLog& log = Dispatches();
    log.frames.push_back(d);
    if (log.onFrame) log.onFrame(d);
}

bool WaitFor(const std::function<bool()>& pred, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!pred()) {
        if (std::chrono::steady_clock::now() > deadline) return pred();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

std::vector<std::uint8_t> ShortFrame(std::uint8_t opcode, std::uint8_t subCode, std::size_t length,
                                     std::vector<std::uint8_t> payload) {
    std::vector<std::uint8_t> f(length);
    wire::FrameWriter w(wire::FrameKind::Short, opcode, subCode, f.data(), f.size());
    EXPECT_TRUE(w.Ok());
    EXPECT_TRUE(w.Bytes(wire::kShortHeaderSize, payload.data(), payload.size()));
    return f;
}

std::vector<std::uint8_t> LongFrame(std::uint8_t opcode, std::uint8_t subCode, std::size_t length,
                                    std::vector<std::uint8_t> payload) {
    std::vector<std::uint8_t> f(length);
    wire::FrameWriter w(wire::FrameKind::Long, opcode, subCode, f.data(), f.size());
    EXPECT_TRUE(w.Ok());
    EXPECT_TRUE(w.Bytes(wire::kLongHeaderSize, payload.data(), payload.size()));
    return f;
}

std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// ---- ReceiveTest -------------------------------------------------------------------------

void ReceiveTest::SetUp() {
    platform::InstallFakeClock(&clock);
    shell::ResetClientState();
    Locked([] {
        Dispatches() = DispatchLog{};
        return 0;
    });
    net::SetDispatchHook(&RecordDispatch);
}

void ReceiveTest::TearDown() {
    shell::ResetClientState();
    Locked([] {
        Dispatches() = DispatchLog{};
        return 0;
    });
    platform::InstallFakeClock(nullptr);
}

// ---- NetworkTest -------------------------------------------------------------------------

void NetworkTest::SetUp() {
    ReceiveTest::SetUp();
    server = std::make_unique<testsupport::FakeServer>();
    net::ConfiguredServer() = net::ServerAddress{"127.0.0.1", server->Port()};
    net::SetTickPeriodMs(kManualTickPeriodMs);
}

void NetworkTest::TearDown() {
    EXPECT_EQ(net::StopAndJoinNetworkThread(), 0);
    server.reset();
    net::ConfiguredServer() = net::ServerAddress{};
    ReceiveTest::TearDown();
}

void NetworkTest::StartThread() {
    ASSERT_TRUE(net::StartNetworkThreadJoinable());
    ASSERT_TRUE(WaitFor([] { return net::NetworkThreadPhase() == net::ThreadPhase::Running; }));
}

void NetworkTest::Tick() {
    const std::uint64_t before = net::CompletedTicks();
    net::RunTickNow();
    ASSERT_TRUE(WaitFor([&] { return net::CompletedTicks() > before; })) << "the tick did not run";
}

void NetworkTest::Connect() {
    if (net::NetworkThreadPhase() != net::ThreadPhase::Running) StartThread();
    const float before = shell::Shell().LoadProgress.load();
    const std::size_t accepted = server->Accepted();
    Tick();
    ASSERT_TRUE(server->WaitForConnections(accepted + 1)) << "the client did not connect";
    ASSERT_TRUE(WaitFor([&] { return shell::Shell().LoadProgress.load() >= before + 0.099f; }))
        << "the connected event did not run";
}

void NetworkTest::WaitDisconnected() {
    ASSERT_TRUE(WaitFor([&] { return !HasConnection(); })) << "the client kept its connection";
}

}  // namespace nettest

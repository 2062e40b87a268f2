// The network tests' common ground: a fake server, the real network thread
// driven tick by tick, a fake clock, and a dispatcher that records every frame
// the receive loop hands over.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "fake_server.h"
#include "net/connection.h"
#include "net/net_lock.h"
#include "net/receive.h"
#include "platform/clock.h"
#include "shell/screen_state.h"

namespace nettest {

// Timer period for tests that drive every tick by hand: long enough never to fire.
inline constexpr std::uint32_t kManualTickPeriodMs = 3600u * 1000u;

// ---- Recorded dispatches --------------------------------------------------------------
struct Dispatched {
    std::uint8_t opcode = 0;           // what the loop passed as the opcode
    std::vector<std::uint8_t> bytes;   // the frame, copied while it was valid
};

// Guarded by NetLock (the recorder runs on the network thread under it).
struct DispatchLog {
    std::vector<Dispatched> frames;                        // every dispatched frame, in order
    std::function<void(const Dispatched&)> onFrame;        // optional: a handler's behaviour
};
DispatchLog& Dispatches();
void RecordDispatch(std::uint8_t opcode, const std::uint8_t* frame, std::size_t length);

// Reads a value under NetLock.
template <typename F>
auto Locked(F f) {
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    return f();
}

// Polls pred until it holds or timeout passes. Each poll is a short pause, not a
// wait for an amount of time to make something happen.
bool WaitFor(const std::function<bool()>& pred,
             std::chrono::milliseconds timeout = testsupport::kDefaultWait);

// ---- Frames --------------------------------------------------------------------------------
// A C1 frame of `length` bytes with the given payload bytes from offset 7 on.
std::vector<std::uint8_t> ShortFrame(std::uint8_t opcode, std::uint8_t subCode, std::size_t length,
                                     std::vector<std::uint8_t> payload = {});
// A C2 frame of `length` bytes with the given payload bytes from offset 5 on.
std::vector<std::uint8_t> LongFrame(std::uint8_t opcode, std::uint8_t subCode, std::size_t length,
                                    std::vector<std::uint8_t> payload = {});
std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts);

// ---- Fixtures -----------------------------------------------------------------------------
// Clean client state, a fake clock and the recording dispatcher; no thread.
class ReceiveTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::size_t DispatchedCount() { return Locked([] { return Dispatches().frames.size(); }); }

    platform::FakeClock clock;
};

// Adds a fake server, configured as the client's server, and the network thread
// with ticks driven by hand.
class NetworkTest : public ReceiveTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the network thread and waits until its loop runs.
    void StartThread();
    // Makes one tick run on the network thread and waits for it to finish.
    void Tick();
    // Starts the thread if needed, ticks, and waits until the client has seen its
    // connection come up (the connected event has run).
    void Connect();
    // Waits until the client has no connection object.
    void WaitDisconnected();

    bool HasConnection() { return Locked([] { return net::Net().ServerConnection != nullptr; }); }
    std::size_t Fill() { return Locked([] { return net::Receive().Fill; }); }
    std::int32_t Screen() { return Locked([] { return shell::Shell().CurrentState; }); }

    std::unique_ptr<testsupport::FakeServer> server;
    float progressAtConnect = 0.0f;   // LoadProgress the next Connect waits for
};

}  // namespace nettest

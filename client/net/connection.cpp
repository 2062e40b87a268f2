// The network thread: its event base and timer, the connection's lifecycle, and
// the stop and join controls.
#include "net/connection.h"

#include <SDL.h>
#include <event2/bufferevent.h>
#include <event2/event.h>
#include <event2/thread.h>
// libevent's connect takes a socket address; this is the only socket type used here.
#include <netinet/in.h>

#include <atomic>
#include <mutex>

#include "net/net_lock.h"
#include "net/receive.h"
#include "net/send.h"
#include "net/sign_in.h"
#include "platform/address.h"
#include "platform/broken_pipe.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "shell/screen_state.h"

namespace net {
namespace {

constexpr float kLoopStartProgress = 0.1f;     // start-up progress added when the loop starts
constexpr float kConnectedProgress = 0.1f;     // start-up progress added on each connect
constexpr std::uint64_t kMsPerSecond = 1000;   // timeval arithmetic

// The connection's options: libevent closes the socket when the object is freed
// and locks it for use from both threads; callbacks are deferred to the loop and
// run without libevent's lock, so the lock order is always NetLock, then libevent.
constexpr int kConnectionOptions =
    BEV_OPT_CLOSE_ON_FREE | BEV_OPT_THREADSAFE | BEV_OPT_DEFER_CALLBACKS | BEV_OPT_UNLOCK_CALLBACKS;

// The thread's own bookkeeping, apart from NetState: it must survive resets of
// NetState and is what makes stop and join safe from another thread.
struct ThreadControl {
    std::mutex lock;                                   // guards EventBase's publication, handle and timer
    SDL_Thread* joinable = nullptr;                    // handle of a thread started joinable; null otherwise
    event* timer = nullptr;                            // the persistent timer while the loop exists
    std::atomic<bool> stopRequested{false};            // StopNetwork was called; the loop must end
    std::atomic<ThreadPhase> phase{ThreadPhase::Idle}; // where the thread body is
    std::atomic<std::uint32_t> periodMs{kTickPeriodMs};// timer period for the next start
    std::atomic<std::uint64_t> completedTicks{0};      // ticks finished since the last reset
};

ThreadControl& Control() {
    static ThreadControl control;
    return control;
}

// libevent must be told to lock its objects before any is created; telling it
// again with the same callbacks changes nothing.
bool UseThreads() {
    static const bool ok = evthread_use_pthreads() == 0;
    return ok;
}

// Sends packet F2/01, the keepalive: an 8-byte C1 frame without payload.
void SendKeepalive() {
    constexpr std::uint8_t kOpSignal = 0xF2;         // opcode of sign-in, notices and table signals
    constexpr std::uint8_t kSubKeepalive = 0x01;     // keepalive sub-code
    constexpr std::size_t kKeepaliveLength = 8;      // the client's frames are at least 8 bytes
    std::uint8_t frame[kKeepaliveLength];
    wire::FrameWriter writer(wire::FrameKind::Short, kOpSignal, kSubKeepalive, frame, sizeof frame);
    // A failed write is left to the connection's own error event.
    SendFrame(writer.Data(), writer.Length());
}

// Starts a new connection attempt. Caller holds NetLock; the loop is running.
void Reconnect(event_base* base) {
    const ServerAddress server = ConfiguredServer();
    const std::uint32_t address = platform::ParseIPv4(server.host.c_str());
    // Connecting to 0.0.0.0 reaches this very machine on Linux, so an address that
    // does not parse would quietly talk to whatever listens locally. It counts as
    // a connect call that fails at once: nothing is kept, the next tick tries again.
    if (address == 0) {
        if (!Net().BadAddressLogged) {
            platform::Log(platform::kLogError, "server address '%s' is not an IPv4 address; not connecting",
                          server.host.c_str());
            Net().BadAddressLogged = true;
        }
        return;
    }
    bufferevent* connection = bufferevent_socket_new(base, -1, kConnectionOptions);
    if (connection == nullptr) return;
    ++Net().ConnectAttempts;
    sockaddr_in sin{};
    sin.sin_family = AF_INET;
    sin.sin_port = htons(server.port);
    sin.sin_addr.s_addr = address;
    if (bufferevent_socket_connect(connection, reinterpret_cast<sockaddr*>(&sin), sizeof sin) == -1) {
        bufferevent_free(connection);
        return;
    }
    // Stored only now: the callbacks are deferred, so none can run before this.
    Net().ServerConnection = connection;
    bufferevent_setcb(connection, OnConnectionRead, nullptr, OnConnectionEvent, nullptr);
    bufferevent_enable(connection, EV_WRITE);
    bufferevent_enable(connection, EV_READ);
}

timeval PeriodTimeval(std::uint32_t periodMs) {
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(periodMs / kMsPerSecond);
    tv.tv_usec = static_cast<suseconds_t>((periodMs % kMsPerSecond) * kMsPerSecond);
    return tv;
}

}  // namespace

ServerAddress& ConfiguredServer() {
    static ServerAddress address;
    return address;
}

NetState& Net() {
    static NetState state;
    return state;
}

// ---- The timer ----------------------------------------------------------------------

void OnNetworkTick(int, short, void*) {
    ThreadControl& control = Control();
    // A stop that came before the loop was entered is caught here at the latest.
    if (control.stopRequested.load()) {
        std::lock_guard<std::mutex> lock(control.lock);
        if (Net().EventBase) event_base_loopbreak(Net().EventBase);
        return;
    }
    {
        std::lock_guard<std::recursive_mutex> lock(NetLock());
        NetState& net = Net();

        // The keepalive interval restarts whether or not there is a connection to
        // send on, so keepalives go out every 5 to 6 s of one-second ticks.
        const std::uint32_t now = platform::TicksMs();
        if (static_cast<std::uint32_t>(now - net.LastKeepaliveTicks) > kKeepaliveIntervalMs) {
            net.LastKeepaliveTicks = platform::TicksMs();
            if (net.ServerConnection) SendKeepalive();
        }

        if (net.ServerConnection) {
            if (net.LoginDeadline != 0 && platform::Ticks64() > net.LoginDeadline) SendTokenLogin();
        } else if (net.NetworkStarted && net.EventBase) {
            Reconnect(net.EventBase);
        }
    }
    control.completedTicks.fetch_add(1);
}

// ---- The connection -------------------------------------------------------------------

void OnConnectionEvent(bufferevent* connection, short events, void*) {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    // Events of an object that is no longer the connection change nothing.
    if (connection != Net().ServerConnection) return;
    if (events & (BEV_EVENT_EOF | BEV_EVENT_ERROR)) {
        LoseConnection();
    } else if (events & BEV_EVENT_CONNECTED) {
        shell::AddLoadProgress(kConnectedProgress);
        SendTokenLogin();
    }
}

void DropConnection() {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    NetState& net = Net();
    if (net.ServerConnection) {
        bufferevent_free(net.ServerConnection);
        net.ServerConnection = nullptr;
    }
    ClearReceiveBuffer();
}

void LoseConnection() {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    DropConnection();
    shell::ChangeScreen(shell::kScreenConnecting);
}

// ---- The thread -----------------------------------------------------------------------

int NetworkThreadMain(void*) {
    ThreadControl& control = Control();
    if (!UseThreads()) platform::Log(platform::kLogError, "libevent has no thread support");
    // A server that goes away while a frame is being written must cost the
    // connection, not the process.
    platform::IgnoreBrokenPipe();
    // The Windows build asked for completion ports and a CPU-count hint; neither has
    // any meaning for libevent on Linux, so the base is created plainly.
    event_base* base = event_base_new();
    if (base == nullptr) {
        platform::Log(platform::kLogError, "no event base; the client stays offline");
        control.phase = ThreadPhase::Ended;
        return -1;
    }
    event* timer = event_new(base, -1, EV_PERSIST, OnNetworkTick, nullptr);
    if (timer == nullptr) {
        // Without its timer the thread would never connect: treat it as no base.
        platform::Log(platform::kLogError, "no network timer; the client stays offline");
        event_base_free(base);
        control.phase = ThreadPhase::Ended;
        return -1;
    }
    const timeval period = PeriodTimeval(control.periodMs.load());
    event_add(timer, &period);

    {
        std::lock_guard<std::mutex> controlLock(control.lock);
        std::lock_guard<std::recursive_mutex> lock(NetLock());
        Net().EventBase = base;
        Net().NetworkStarted = true;
        control.timer = timer;
    }
    shell::AddLoadProgress(kLoopStartProgress);
    control.phase = ThreadPhase::Running;

    // The persistent timer keeps the loop alive; it returns after a loop break.
    // A stop asked for after this check is seen by the tick StopNetwork activates.
    if (!control.stopRequested.load()) event_base_dispatch(base);

    {
        std::lock_guard<std::recursive_mutex> lock(NetLock());
        if (Net().ServerConnection) {
            bufferevent_free(Net().ServerConnection);
            Net().ServerConnection = nullptr;
        }
        ClearReceiveBuffer();
    }
    {
        // Withdrawn before it is freed: a StopNetwork from now on finds no base.
        std::lock_guard<std::mutex> controlLock(control.lock);
        Net().EventBase = nullptr;
        control.timer = nullptr;
    }
    event_del(timer);
    event_free(timer);
    // A connection freed while libevent still had a deferred callback queued for it
    // is only released when that callback runs: one pass of the loop runs it (the
    // connection's callbacks are cleared by then), and freeing the base runs the
    // finalizers it leaves. Without the pass the connection and its buffers leak.
    event_base_loop(base, EVLOOP_NONBLOCK);
    event_base_free(base);
    control.phase = ThreadPhase::Ended;
    return 0;
}

void StartNetworkThread() {
    // The handle stays with the thread control, so the shutdown can wait for the
    // thread to free its connection and base before the client's state goes away.
    StartNetworkThreadJoinable();
}

void StopNetwork() {
    ThreadControl& control = Control();
    std::lock_guard<std::mutex> lock(control.lock);
    control.stopRequested = true;
    if (Net().EventBase == nullptr) return;
    event_base_loopbreak(Net().EventBase);
    // A break that comes before the loop is entered is forgotten when it starts;
    // the timer made active now stays queued and its tick ends the loop at once.
    if (control.timer) event_active(control.timer, EV_TIMEOUT, 0);
}

void ResetNetState() {
    {
        std::lock_guard<std::recursive_mutex> lock(NetLock());
        Net() = NetState{};
        ResetReceiveState();
    }
    ThreadControl& control = Control();
    std::lock_guard<std::mutex> lock(control.lock);
    control.stopRequested = false;
    if (control.joinable == nullptr) control.phase = ThreadPhase::Idle;
    control.periodMs = kTickPeriodMs;
    control.completedTicks = 0;
}

// ---- Control for tests and tools --------------------------------------------------------

void SetTickPeriodMs(std::uint32_t periodMs) { Control().periodMs = periodMs ? periodMs : 1; }

bool StartNetworkThreadJoinable() {
    ThreadControl& control = Control();
    std::lock_guard<std::mutex> lock(control.lock);
    if (control.joinable != nullptr) return false;
    control.stopRequested = false;
    control.phase = ThreadPhase::Starting;
    control.joinable = SDL_CreateThread(NetworkThreadMain, "Libevent Thread", nullptr);
    if (control.joinable == nullptr) {
        platform::Log(platform::kLogError, "SDL_CreateThread failed, %s", SDL_GetError());
        control.phase = ThreadPhase::Idle;
        return false;
    }
    return true;
}

int StopAndJoinNetworkThread() {
    SDL_Thread* thread = nullptr;
    {
        ThreadControl& control = Control();
        std::lock_guard<std::mutex> lock(control.lock);
        thread = control.joinable;
        control.joinable = nullptr;
    }
    if (thread == nullptr) return 0;
    StopNetwork();
    int result = 0;
    SDL_WaitThread(thread, &result);
    Control().phase = ThreadPhase::Idle;
    return result;
}

ThreadPhase NetworkThreadPhase() { return Control().phase.load(); }

void RunTickNow() {
    ThreadControl& control = Control();
    std::lock_guard<std::mutex> lock(control.lock);
    if (control.timer) event_active(control.timer, EV_TIMEOUT, 0);
}

std::uint64_t CompletedTicks() { return Control().completedTicks.load(); }

}  // namespace net

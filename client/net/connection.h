// The network thread and the one connection to the game server.
//
// A second thread ("Libevent Thread") runs a libevent loop that owns the socket,
// a one-second persistent timer (keepalive, login re-send, reconnection) and the
// connection's callbacks. The main thread only asks the loop to stop at shutdown.
#pragma once

#include <cstdint>
#include <string>

struct event_base;
struct bufferevent;

namespace net {

inline constexpr std::uint16_t kDefaultServerPort = 34300;       // the game server's port
inline constexpr const char* kDefaultServerHost = "127.0.0.1";   // the practice server on this machine

inline constexpr std::uint32_t kTickPeriodMs = 1000;             // the network timer's period
inline constexpr std::uint32_t kKeepaliveIntervalMs = 5000;      // a keepalive goes out once more than this has passed
inline constexpr std::uint64_t kLoginResendMs = 30000;           // an unanswered token login is sent again after this

// Where the client connects; set from --server / KORVANE_SERVER before the thread starts.
struct ServerAddress {
    std::string host = kDefaultServerHost;   // dotted IPv4 literal
    std::uint16_t port = kDefaultServerPort;
};
ServerAddress& ConfiguredServer();

// Everything below but EventBase is guarded by NetLock. EventBase is published and
// withdrawn under the network thread's own control lock, so the main thread can
// stop the loop while the thread is freeing the base.
struct NetState {
    event_base* EventBase = nullptr;            // created and freed by the network thread
    bufferevent* ServerConnection = nullptr;    // the current connection; null when there is none
    bool NetworkStarted = false;                // set just before the loop runs; reconnection needs it
    std::uint32_t LastKeepaliveTicks = 0;       // start of the current keepalive interval (TicksMs)
    std::uint64_t LoginDeadline = 0;            // Ticks64 after which an unanswered token login is re-sent; 0 = none
    std::uint64_t ConnectAttempts = 0;          // connection objects handed to libevent so far (logs, tests)
    bool BadAddressLogged = false;              // the unusable server address was reported once already
};
NetState& Net();

// The thread body: event base, timer, dispatch loop, clean-up. -1 without an event base.
int NetworkThreadMain(void* unused);

// Starts the network thread (the 0.8 start-up stage); the shutdown joins it.
void StartNetworkThread();

// Asks the network thread's loop to stop (shutdown). Safe when the thread never
// started, before its loop runs (it then stops at its next tick at the latest),
// and while the thread is freeing its base. A stop stays asked for until
// ResetNetState.
void StopNetwork();

// Frees the connection as on a read error: ServerConnection becomes null and the
// receive buffer empties; the next timer tick reconnects. Caller holds NetLock.
// Called from inside a packet handler, the read loop in progress dispatches
// nothing more of the dropped connection's bytes.
void DropConnection();

// The connection is lost (the server's EOF, a socket error, or a stream that
// cannot be framed): DropConnection, then the connecting screen (state 1). Takes
// NetLock.
void LoseConnection();

// Puts the network state back to program-start values (tests; the thread must not run).
void ResetNetState();

// ---- libevent callbacks (network thread only) ---------------------------------------
// The one-second timer: keepalive, login re-send, reconnection.
void OnNetworkTick(int fd, short events, void* unused);
// The connection's event callback: EOF / error / connected.
void OnConnectionEvent(bufferevent* connection, short events, void* unused);

// ---- Control for tests and tools -----------------------------------------------------
// The production thread is detached and stops only at shutdown; tests run the
// thread many times in one process, so they start it joinable, wait for its loop,
// drive its ticks and join it.
enum class ThreadPhase : std::uint8_t {
    Idle,       // not started (or joined)
    Starting,   // created, loop not yet running
    Running,    // NetworkStarted is set and the loop is being entered
    Ended,      // the thread body returned
};

// The timer's period from the next thread start on (default kTickPeriodMs). Tests
// use a short one, or a very long one and drive ticks with RunTickNow.
void SetTickPeriodMs(std::uint32_t periodMs);

// Starts the thread and keeps its handle; false when one started this way is not
// yet joined or the thread cannot be created. Clears an earlier stop request.
bool StartNetworkThreadJoinable();

// Stops the loop and waits for the joinable thread to end; the thread body's
// result, or 0 when none was started.
int StopAndJoinNetworkThread();

ThreadPhase NetworkThreadPhase();

// Makes the timer fire now, on the network thread, whatever its period (no-op
// while the loop is not running).
void RunTickNow();

// Ticks the timer has completed since the last reset.
std::uint64_t CompletedTicks();

}  // namespace net

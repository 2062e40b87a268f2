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

// Where the client connects; set from --server / KORVANE_SERVER before the thread starts.
struct ServerAddress {
    std::string host = kDefaultServerHost;   // dotted IPv4 literal
    std::uint16_t port = kDefaultServerPort;
};
ServerAddress& ConfiguredServer();

struct NetState {
    event_base* EventBase = nullptr;            // created and freed by the network thread
    bufferevent* ServerConnection = nullptr;    // the current connection; null when there is none
    bool NetworkStarted = false;                // set just before the loop runs; reconnection needs it
    std::uint32_t LastKeepaliveTicks = 0;       // start of the current keepalive interval (TicksMs)
    std::uint64_t LoginDeadline = 0;            // Ticks64 after which an unanswered token login is re-sent; 0 = none
};
NetState& Net();

// The thread body: event base, timer, dispatch loop, clean-up. -1 without an event base.
int NetworkThreadMain(void* unused);

// Starts the network thread (the 0.8 start-up stage). The handle is not kept.
void StartNetworkThread();

// Asks the network thread's loop to stop (shutdown); safe when it never started.
void StopNetwork();

// Frees the connection as on a read error: ServerConnection becomes null and the
// receive buffer empties; the next timer tick reconnects. Caller holds NetLock.
void DropConnection();

// Puts the network state back to program-start values (tests; the thread must not run).
void ResetNetState();

}  // namespace net

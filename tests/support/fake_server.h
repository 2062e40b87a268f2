// A game server stand-in for the network tests: listens on 127.0.0.1 at an
// ephemeral port, serves its connections from its own thread, records every frame
// the client sends (framed with the wire scanner), and on request sends frames or
// raw bytes, closes a connection, or refuses new ones. Every wait is bounded.
//
// Plain POSIX sockets and poll(); the serving thread alone touches the sockets,
// and test threads reach it through commands it acknowledges.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace testsupport {

inline constexpr std::chrono::milliseconds kDefaultWait{5000};   // long enough for a loaded sanitizer run

struct RecordedFrame {
    std::size_t connection = 0;        // index of the connection it came on (0 = first accepted)
    std::vector<std::uint8_t> bytes;   // the whole frame, header included
    std::uint8_t opcode = 0;           // the frame's opcode
    std::uint8_t subCode = 0;          // the frame's sub-code

    bool Is(std::uint8_t op, std::uint8_t sub) const { return opcode == op && subCode == sub; }
};

using FramePredicate = std::function<bool(const RecordedFrame&)>;

// A predicate matching one packet by opcode and sub-code.
FramePredicate IsPacket(std::uint8_t opcode, std::uint8_t subCode);

class FakeServer {
public:
    // Starts listening and serving; Port() tells where.
    FakeServer();
    ~FakeServer();
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    std::uint16_t Port() const { return port_; }
    bool Listening() const;

    // Connections accepted so far, and waiting for a number of them.
    std::size_t Accepted() const;
    bool WaitForConnections(std::size_t count, std::chrono::milliseconds timeout = kDefaultWait);
    // Waits until some connection is open (the client is connected now).
    bool WaitForConnection(std::chrono::milliseconds timeout = kDefaultWait);

    // Waits until the client has closed connection `index` (EOF or reset).
    bool WaitForClientClose(std::size_t index, std::chrono::milliseconds timeout = kDefaultWait);
    bool IsOpen(std::size_t index) const;

    // Recorded frames.
    std::vector<RecordedFrame> Frames() const;
    std::size_t CountFrames(const FramePredicate& match) const;
    bool WaitForFrame(const FramePredicate& match, std::chrono::milliseconds timeout = kDefaultWait);
    bool WaitForFrames(const FramePredicate& match, std::size_t count,
                       std::chrono::milliseconds timeout = kDefaultWait);
    // Some connection carried bytes that cannot be framed (the client sent garbage).
    bool SawUnframeable() const;

    // Queues bytes for the newest open connection; true once the serving thread has
    // taken them (they are written as the socket accepts them).
    bool Send(const std::vector<std::uint8_t>& bytes);
    // Closes the newest open connection once its queued bytes are written.
    bool CloseConnection();
    // Aborts the newest open connection at once with a reset (unsent bytes are lost).
    bool ResetConnection();
    // Stops listening: connection attempts are refused until Listen.
    bool Refuse();
    // Listens again on the same port.
    bool Listen();

private:
    enum class CommandKind { Send, Close, Reset, Refuse, Listen, Stop };
    struct Command {
        CommandKind kind;
        std::vector<std::uint8_t> bytes;
        std::uint64_t serial = 0;
        bool ok = false;
    };
    struct Connection {
        int fd = -1;                         // -1 once closed
        bool closedByClient = false;         // EOF or error from the client side
        std::vector<std::uint8_t> in;        // bytes of an incomplete frame
        std::deque<std::uint8_t> out;        // bytes waiting to be written
        bool closeWhenFlushed = false;       // CloseConnection asked for it
    };

    bool Post(CommandKind kind, std::vector<std::uint8_t> bytes = {});
    void Serve();
    bool OpenListener();
    void CloseListener();
    void RunCommands();
    void AcceptAll();
    void ReadFrom(std::size_t index);
    void WriteTo(std::size_t index);
    void CloseFd(std::size_t index);
    Connection* NewestOpen();
    template <typename Pred>
    bool WaitUntil(std::chrono::milliseconds timeout, Pred pred) const;

    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::deque<Command> commands_;           // posted, not yet run
    std::uint64_t posted_ = 0;               // serial of the last posted command
    std::uint64_t done_ = 0;                 // serial of the last command run
    std::vector<bool> doneOk_;               // result of each run command, by serial
    std::vector<Connection> connections_;    // every connection ever accepted, by index
    std::vector<RecordedFrame> frames_;      // every frame received, in order
    bool unframeable_ = false;               // some connection sent bytes that cannot be framed
    int listenFd_ = -1;                      // -1 while refusing
    int wake_[2] = {-1, -1};                 // self-pipe: commands wake the serving thread
    std::uint16_t port_ = 0;                 // the ephemeral port, kept across Refuse / Listen
    std::thread thread_;
};

}  // namespace testsupport

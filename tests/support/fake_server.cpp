#include "fake_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

#include "wire/frame.h"

namespace testsupport {
namespace {

constexpr int kBacklog = 16;              // pending connections the listener holds
constexpr std::size_t kReadChunk = 65536; // bytes read per recv
constexpr std::size_t kMaxWrite = 65536;  // bytes written per send

bool SetNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL, 0);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

}  // namespace

FramePredicate IsPacket(std::uint8_t opcode, std::uint8_t subCode) {
    return [opcode, subCode](const RecordedFrame& f) { return f.Is(opcode, subCode); };
}

FakeServer::FakeServer() {
    if (pipe(wake_) != 0) throw std::runtime_error("fake server: pipe failed");
    SetNonBlocking(wake_[0]);
    SetNonBlocking(wake_[1]);
    if (!OpenListener()) throw std::runtime_error("fake server: cannot listen on 127.0.0.1");
    thread_ = std::thread([this] { Serve(); });
}

FakeServer::~FakeServer() {
    Post(CommandKind::Stop);
    if (thread_.joinable()) thread_.join();
    for (Connection& c : connections_) {
        if (c.fd >= 0) close(c.fd);
    }
    if (listenFd_ >= 0) close(listenFd_);
    close(wake_[0]);
    close(wake_[1]);
}

// ---- Waiting ----------------------------------------------------------------------------

template <typename Pred>
bool FakeServer::WaitUntil(std::chrono::milliseconds timeout, Pred pred) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, pred);
}

bool FakeServer::Listening() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return listenFd_ >= 0;
}

std::size_t FakeServer::Accepted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return connections_.size();
}

bool FakeServer::WaitForConnections(std::size_t count, std::chrono::milliseconds timeout) {
    return WaitUntil(timeout, [&] { return connections_.size() >= count; });
}

bool FakeServer::WaitForConnection(std::chrono::milliseconds timeout) {
    return WaitUntil(timeout, [&] {
        for (const Connection& c : connections_) {
            if (c.fd >= 0) return true;
        }
        return false;
    });
}

bool FakeServer::WaitForClientClose(std::size_t index, std::chrono::milliseconds timeout) {
    return WaitUntil(timeout, [&] { return index < connections_.size() && connections_[index].closedByClient; });
}

bool FakeServer::IsOpen(std::size_t index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index < connections_.size() && connections_[index].fd >= 0;
}

std::vector<RecordedFrame> FakeServer::Frames() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return frames_;
}

std::size_t FakeServer::CountFrames(const FramePredicate& match) const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::size_t n = 0;
    for (const RecordedFrame& f : frames_) n += match(f) ? 1 : 0;
    return n;
}

bool FakeServer::WaitForFrame(const FramePredicate& match, std::chrono::milliseconds timeout) {
    return WaitForFrames(match, 1, timeout);
}

bool FakeServer::WaitForFrames(const FramePredicate& match, std::size_t count, std::chrono::milliseconds timeout) {
    return WaitUntil(timeout, [&] {
        std::size_t n = 0;
        for (const RecordedFrame& f : frames_) n += match(f) ? 1 : 0;
        return n >= count;
    });
}

bool FakeServer::SawUnframeable() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return unframeable_;
}

// ---- Commands ---------------------------------------------------------------------------

bool FakeServer::Send(const std::vector<std::uint8_t>& bytes) { return Post(CommandKind::Send, bytes); }
bool FakeServer::CloseConnection() { return Post(CommandKind::Close); }
bool FakeServer::ResetConnection() { return Post(CommandKind::Reset); }
bool FakeServer::Refuse() { return Post(CommandKind::Refuse); }
bool FakeServer::Listen() { return Post(CommandKind::Listen); }

// Hands a command to the serving thread and waits until it has run it.
bool FakeServer::Post(CommandKind kind, std::vector<std::uint8_t> bytes) {
    std::unique_lock<std::mutex> lock(mutex_);
    const std::uint64_t serial = ++posted_;
    commands_.push_back(Command{kind, std::move(bytes), serial, false});
    const char wake = 1;
    (void)!write(wake_[1], &wake, 1);
    if (kind == CommandKind::Stop) return true;
    if (!changed_.wait_for(lock, kDefaultWait, [&] { return done_ >= serial; })) return false;
    return doneOk_[serial - 1];
}

// ---- The serving thread (holds mutex_ for everything but poll) ---------------------------

bool FakeServer::OpenListener() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return false;
    const int one = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(port_);   // 0 the first time: the kernel picks a free port
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, kBacklog) != 0 ||
        !SetNonBlocking(fd)) {
        close(fd);
        return false;
    }
    socklen_t len = sizeof addr;
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    if (port_ == 0) port_ = ntohs(addr.sin_port);
    listenFd_ = fd;
    return true;
}

void FakeServer::CloseListener() {
    if (listenFd_ >= 0) close(listenFd_);
    listenFd_ = -1;
}

FakeServer::Connection* FakeServer::NewestOpen() {
    for (auto it = connections_.rbegin(); it != connections_.rend(); ++it) {
        if (it->fd >= 0) return &*it;
    }
    return nullptr;
}

void FakeServer::CloseFd(std::size_t index) {
    Connection& c = connections_[index];
    if (c.fd >= 0) close(c.fd);
    c.fd = -1;
    c.out.clear();
    c.in.clear();
}

void FakeServer::RunCommands() {
    char drain[64];
    while (read(wake_[0], drain, sizeof drain) > 0) {
    }
    while (!commands_.empty()) {
        Command cmd = std::move(commands_.front());
        commands_.pop_front();
        bool ok = true;
        switch (cmd.kind) {
            case CommandKind::Send:
                if (Connection* c = NewestOpen()) {
                    c->out.insert(c->out.end(), cmd.bytes.begin(), cmd.bytes.end());
                } else {
                    ok = false;
                }
                break;
            case CommandKind::Close:
                if (Connection* c = NewestOpen()) {
                    c->closeWhenFlushed = true;
                } else {
                    ok = false;
                }
                break;
            case CommandKind::Reset:
                if (Connection* c = NewestOpen()) {
                    // A zero linger time makes close() send a reset instead of a FIN.
                    const linger abort{1, 0};
                    setsockopt(c->fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
                    CloseFd(static_cast<std::size_t>(c - connections_.data()));
                } else {
                    ok = false;
                }
                break;
            case CommandKind::Refuse: CloseListener(); break;
            case CommandKind::Listen: ok = listenFd_ >= 0 || OpenListener(); break;
            case CommandKind::Stop: break;
        }
        done_ = cmd.serial;
        doneOk_.push_back(ok);
    }
}

void FakeServer::AcceptAll() {
    for (;;) {
        const int fd = accept(listenFd_, nullptr, nullptr);
        if (fd < 0) return;
        SetNonBlocking(fd);
        Connection c;
        c.fd = fd;
        connections_.push_back(std::move(c));
    }
}

void FakeServer::ReadFrom(std::size_t index) {
    Connection& c = connections_[index];
    std::uint8_t chunk[kReadChunk];
    bool gone = false;
    for (;;) {
        const ssize_t n = recv(c.fd, chunk, sizeof chunk, 0);
        if (n > 0) {
            c.in.insert(c.in.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (n < 0 && errno == EINTR) continue;
        // EOF or an error: the client has gone, after the bytes it sent before.
        gone = true;
        break;
    }
    const wire::ScanResult scan = wire::ScanFrames(c.in.data(), c.in.size(), [&](const wire::FrameInfo& f) {
        RecordedFrame frame;
        frame.connection = index;
        frame.bytes.assign(c.in.begin() + static_cast<std::ptrdiff_t>(f.offset),
                           c.in.begin() + static_cast<std::ptrdiff_t>(f.offset + f.length));
        frame.opcode = f.opcode;
        frame.subCode = f.subCode;
        frames_.push_back(std::move(frame));
        return true;
    });
    if (scan.error != wire::ScanError::None) {
        unframeable_ = true;
        c.in.clear();
    } else {
        c.in.erase(c.in.begin(), c.in.begin() + static_cast<std::ptrdiff_t>(scan.consumed));
    }
    if (gone) {
        c.closedByClient = true;
        CloseFd(index);
    }
}

void FakeServer::WriteTo(std::size_t index) {
    Connection& c = connections_[index];
    std::uint8_t chunk[kMaxWrite];
    while (!c.out.empty()) {
        std::size_t n = 0;
        for (auto it = c.out.begin(); it != c.out.end() && n < sizeof chunk; ++it) chunk[n++] = *it;
        const ssize_t sent = send(c.fd, chunk, n, MSG_NOSIGNAL);
        if (sent > 0) {
            c.out.erase(c.out.begin(), c.out.begin() + sent);
            continue;
        }
        if (sent < 0 && errno == EINTR) continue;
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        c.closedByClient = true;
        CloseFd(index);
        return;
    }
    if (c.closeWhenFlushed) CloseFd(index);
}

void FakeServer::Serve() {
    std::vector<pollfd> fds;
    std::vector<std::size_t> owners;   // connection index of each pollfd past the fixed ones
    for (;;) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            fds.clear();
            owners.clear();
            fds.push_back({wake_[0], POLLIN, 0});
            fds.push_back({listenFd_, POLLIN, 0});   // a negative fd is ignored by poll
            for (std::size_t i = 0; i < connections_.size(); ++i) {
                const Connection& c = connections_[i];
                if (c.fd < 0) continue;
                short events = POLLIN;
                if (!c.out.empty() || c.closeWhenFlushed) events |= POLLOUT;
                fds.push_back({c.fd, events, 0});
                owners.push_back(i);
            }
        }
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) return;

        std::lock_guard<std::mutex> lock(mutex_);
        bool stop = false;
        if (fds[0].revents & POLLIN) {
            for (const Command& cmd : commands_) stop = stop || cmd.kind == CommandKind::Stop;
            RunCommands();
        }
        if (fds[1].fd >= 0 && fds[1].fd == listenFd_ && (fds[1].revents & POLLIN)) AcceptAll();
        for (std::size_t k = 2; k < fds.size(); ++k) {
            const std::size_t i = owners[k - 2];
            if (connections_[i].fd != fds[k].fd) continue;   // closed by a command meanwhile
            if (fds[k].revents & (POLLIN | POLLHUP | POLLERR)) ReadFrom(i);
            if (connections_[i].fd >= 0) WriteTo(i);
        }
        // Commands may have queued output or closes for connections polled without
        // POLLOUT; give them a write now rather than after the next wake.
        for (std::size_t i = 0; i < connections_.size(); ++i) {
            if (connections_[i].fd >= 0 && (!connections_[i].out.empty() || connections_[i].closeWhenFlushed)) {
                WriteTo(i);
            }
        }
        changed_.notify_all();
        if (stop) return;
    }
}

}  // namespace testsupport

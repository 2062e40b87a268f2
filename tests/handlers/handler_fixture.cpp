#include "handler_fixture.h"

#include <event2/buffer.h>
#include <event2/bufferevent.h>
#include <event2/event.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "net/connection.h"
#include "net/sign_in.h"
#include "platform/log.h"
#include "wire/frame.h"

namespace handlertest {

void HandlerTest::SetUp() {
    HeadlessSdl::SetUp();
    RemoveTokenFiles();
    platform::SetLogHook([this](int, const std::string& text) { logLines_.push_back(text); });
    base_ = event_base_new();
    ASSERT_NE(base_, nullptr);
    connection_ = bufferevent_socket_new(base_, -1, 0);
    ASSERT_NE(connection_, nullptr);
    // No socket and no loop: writes stay in the output buffer for the test to read.
    bufferevent_disable(connection_, EV_READ | EV_WRITE);
    net::Net().ServerConnection = connection_;
    // Clocks that start at 0 would make "now" look like "never".
    clock.SetMs(1000000);
}

void HandlerTest::TearDown() {
    platform::SetLogHook(nullptr);
    if (StillConnected()) {
        net::Net().ServerConnection = nullptr;
        bufferevent_free(connection_);
    }
    connection_ = nullptr;
    if (base_) event_base_free(base_);
    base_ = nullptr;
    RemoveTokenFiles();
    HeadlessSdl::TearDown();
}

bool HandlerTest::StillConnected() const {
    return connection_ != nullptr && net::Net().ServerConnection == connection_;
}

std::vector<std::vector<std::uint8_t>> HandlerTest::TakeSentFrames() {
    std::vector<std::vector<std::uint8_t>> frames;
    if (!StillConnected()) return frames;
    evbuffer* out = bufferevent_get_output(connection_);
    std::vector<std::uint8_t> bytes(evbuffer_get_length(out));
    // A socket bufferevent keeps its output's front frozen between its own writes.
    evbuffer_unfreeze(out, 1);
    if (!bytes.empty()) {
        EXPECT_EQ(evbuffer_remove(out, bytes.data(), bytes.size()), static_cast<int>(bytes.size()));
    }
    evbuffer_freeze(out, 1);
    const wire::ScanResult scan = wire::ScanFrames(bytes.data(), bytes.size(), [&](const wire::FrameInfo& info) {
        frames.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(info.offset),
                            bytes.begin() + static_cast<std::ptrdiff_t>(info.offset + info.length));
        return true;
    });
    EXPECT_EQ(scan.consumed, bytes.size()) << "the client sent bytes that are not whole frames: " << [&] {
        std::string hex;
        char b[4];
        for (std::uint8_t v : bytes) {
            std::snprintf(b, sizeof b, "%02x ", v);
            hex += b;
        }
        return hex;
    }();
    return frames;
}

void RemoveTokenFiles() {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(fs::current_path())) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(net::kTokenFileName, 0) == 0) fs::remove(entry.path());
    }
}

std::string ReadTokenFile(bool& exists) {
    std::ifstream in(net::kTokenFileName, std::ios::binary);
    exists = static_cast<bool>(in);
    if (!exists) return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteTokenFile(const std::string& bytes) {
    std::ofstream out(net::kTokenFileName, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace handlertest

// The fixture of the packet handler tests: a headless client with a connection
// object that goes nowhere. What the handlers send through the real send path
// collects in the connection's output buffer, where the test reads it back as
// frames; a handler that drops the connection frees it as it would a real one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sdl_fixture.h"

struct event_base;
struct bufferevent;

namespace handlertest {

class HandlerTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override;
    void TearDown() override;

    // Every frame sent since the last call, in order.
    std::vector<std::vector<std::uint8_t>> TakeSentFrames();
    // Whether the connection this fixture made is still the client's.
    bool StillConnected() const;
    // Lines logged since SetUp.
    const std::vector<std::string>& LogLines() const { return logLines_; }

private:
    event_base* base_ = nullptr;
    bufferevent* connection_ = nullptr;
    std::vector<std::string> logLines_;
};

// Removes the token file and any temporary file left beside it in the working directory.
void RemoveTokenFiles();
// The token file's bytes, or nothing when it does not exist (exists says which).
std::string ReadTokenFile(bool& exists);
// Writes the token file as a plain file with exactly these bytes.
void WriteTokenFile(const std::string& bytes);

}  // namespace handlertest

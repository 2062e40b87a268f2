#include "frame_builder.h"

#include <gtest/gtest.h>

#include <cstring>

#include "net/dispatch.h"
#include "net/packets.h"
#include "wire/frame.h"

namespace testsupport {

FrameBuilder::FrameBuilder(std::uint8_t opcode, std::uint8_t subCode, std::size_t length)
    : opcode_(opcode), bytes_(length) {
    const wire::FrameKind kind = opcode == net::op::kWallet ? wire::FrameKind::Long : wire::FrameKind::Short;
    wire::FrameWriter w(kind, opcode, subCode, bytes_.data(), bytes_.size());
    EXPECT_TRUE(w.Ok()) << "a frame of " << length << " bytes cannot be built";
}

void FrameBuilder::Put(std::size_t offset, std::uint64_t value, std::size_t width) {
    // A write past the frame is a mistake in the test, not something to hide.
    ASSERT_LE(offset + width, bytes_.size()) << "field at " << offset << " passes the frame's end";
    for (std::size_t i = 0; i < width; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

FrameBuilder& FrameBuilder::U8(std::size_t offset, std::uint8_t value) {
    Put(offset, value, 1);
    return *this;
}
FrameBuilder& FrameBuilder::U16(std::size_t offset, std::uint16_t value) {
    Put(offset, value, 2);
    return *this;
}
FrameBuilder& FrameBuilder::U32(std::size_t offset, std::uint32_t value) {
    Put(offset, value, 4);
    return *this;
}
FrameBuilder& FrameBuilder::I32(std::size_t offset, std::int32_t value) {
    Put(offset, static_cast<std::uint32_t>(value), 4);
    return *this;
}
FrameBuilder& FrameBuilder::F32(std::size_t offset, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    Put(offset, bits, 4);
    return *this;
}
FrameBuilder& FrameBuilder::Card(std::size_t offset, table::Card card) {
    Put(offset, card.suit, 1);
    Put(offset + 1, card.rank, 1);
    return *this;
}
FrameBuilder& FrameBuilder::Raw(std::size_t offset, const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) Put(offset + i, static_cast<std::uint8_t>(bytes[i]), 1);
    return *this;
}

void FrameBuilder::WriteLength() {
    const std::size_t n = bytes_.size();
    if (opcode_ == net::op::kWallet) {
        if (n > wire::kLongLengthOffset + 1) {
            bytes_[wire::kLongLengthOffset] = static_cast<std::uint8_t>(n >> 8);
            bytes_[wire::kLongLengthOffset + 1] = static_cast<std::uint8_t>(n);
        }
    } else if (n > wire::kShortLengthOffset + 1) {
        bytes_[wire::kShortLengthOffset] = static_cast<std::uint8_t>(n);
        bytes_[wire::kShortLengthOffset + 1] = static_cast<std::uint8_t>(n >> 8);
    }
}

FrameBuilder FrameBuilder::Truncated(std::size_t length) const {
    FrameBuilder copy = *this;
    if (length < copy.bytes_.size()) copy.bytes_.resize(length);
    copy.WriteLength();
    return copy;
}

void FrameBuilder::Dispatch() const {
    // The dispatcher gets a buffer of exactly the frame's bytes, so a read past the
    // end shows up under the address sanitizer.
    std::vector<std::uint8_t> exact(bytes_);
    exact.shrink_to_fit();
    net::DispatchPacket(opcode_, exact.empty() ? nullptr : exact.data(), exact.size());
}

}  // namespace testsupport

// Builds received frames for handler tests: a zeroed frame of a given length with
// its header, fields written at absolute offsets, and copies cut short.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "table/card.h"

namespace testsupport {

class FrameBuilder {
public:
    // A short (C1) frame for opcodes F1..F3, a long (C2) frame for F4.
    FrameBuilder(std::uint8_t opcode, std::uint8_t subCode, std::size_t length);

    FrameBuilder& U8(std::size_t offset, std::uint8_t value);
    FrameBuilder& U16(std::size_t offset, std::uint16_t value);
    FrameBuilder& U32(std::size_t offset, std::uint32_t value);
    FrameBuilder& I32(std::size_t offset, std::int32_t value);
    FrameBuilder& F32(std::size_t offset, float value);
    FrameBuilder& Card(std::size_t offset, table::Card card);            // suit, then rank
    FrameBuilder& Raw(std::size_t offset, const std::string& bytes);     // no terminator added

    // The same frame cut to length bytes, its length field saying so (as the
    // receive loop would frame it).
    FrameBuilder Truncated(std::size_t length) const;

    std::uint8_t Opcode() const { return opcode_; }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Length() const { return bytes_.size(); }

    // Hands the frame to the packet dispatcher.
    void Dispatch() const;

private:
    void Put(std::size_t offset, std::uint64_t value, std::size_t width);
    void WriteLength();

    std::uint8_t opcode_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace testsupport

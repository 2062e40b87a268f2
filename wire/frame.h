// Frames: the two envelopes every packet between the client and the game server
// travels in, a bounds-checked reader of one frame, a writer of one frame, and the
// scanner that finds whole frames in a byte stream.
//
// Wire format
// -----------
// Two frame kinds. The length counts the whole frame, header included. They put
// the length at different offsets and in OPPOSITE byte orders:
//
//   short frame (C1)                       long frame (C2)
//   [0]    0xC1                            [0]    0xC2
//   [1]    reserved, sent 0, not read      [1..2] u16 length, BIG-endian
//   [2..3] u16 length, LITTLE-endian       [3]    opcode
//   [4]    opcode                          [4]    sub-code
//   [5]    reserved, sent 0, not read      [5..]  payload
//   [6]    sub-code
//   [7..]  payload
//
// Every payload integer is little-endian (u16, u32, i32, and f32 as IEEE-754
// single precision); only the long frame's length is big-endian. Text travels in
// fixed-width fields holding a NUL-terminated string; the rest of the field is 0.
// Bytes a sender does not set are 0. A frame is at most 32768 bytes: that is the
// receiver's whole buffer, so a longer one could never be held and the stream
// cannot be framed past it, nor past a first byte that is no marker or a length
// shorter than its own header.
//
// Pure C++: shared by the client, the practice server, the tests' fake server,
// the fuzzers and the benchmarks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wire {

// ---- Frame constants --------------------------------------------------------------
inline constexpr std::uint8_t kShortMarker = 0xC1;        // first byte of a short (C1) frame
inline constexpr std::uint8_t kLongMarker = 0xC2;         // first byte of a long (C2) frame
inline constexpr std::size_t kShortHeaderSize = 7;        // C1 header: marker, 0, length(2), opcode, 0, sub-code
inline constexpr std::size_t kLongHeaderSize = 5;         // C2 header: marker, length(2), opcode, sub-code
inline constexpr std::size_t kMaxFrameSize = 32768;       // the receive buffer; no frame may be longer

inline constexpr std::size_t kShortLengthOffset = 2;      // C1 length, little-endian
inline constexpr std::size_t kShortOpcodeOffset = 4;      // C1 opcode
inline constexpr std::size_t kShortSubCodeOffset = 6;     // C1 sub-code
inline constexpr std::size_t kLongLengthOffset = 1;       // C2 length, big-endian
inline constexpr std::size_t kLongOpcodeOffset = 3;       // C2 opcode
inline constexpr std::size_t kLongSubCodeOffset = 4;      // C2 sub-code

// Bytes that must be present before a frame's length is taken. A short frame's
// length ends at byte 3; a long frame waits for its whole five-byte header, as
// the receive loop always has.
inline constexpr std::size_t kShortLengthKnownAt = 4;
inline constexpr std::size_t kLongLengthKnownAt = 5;

enum class FrameKind : std::uint8_t {
    Short,   // C1: opcodes 0xF1, 0xF2, 0xF3
    Long,    // C2: opcode 0xF4
};

// Header size of a frame kind.
constexpr std::size_t HeaderSize(FrameKind kind) {
    return kind == FrameKind::Short ? kShortHeaderSize : kLongHeaderSize;
}

// ---- Reading one frame ------------------------------------------------------------
// A view of one received frame: its bytes and its length. Every read names an
// absolute offset from the frame's first byte and returns false, leaving out
// untouched, when the field does not lie wholly inside the frame. The reader never
// looks past length, whatever the handler asks for.
class FrameReader {
public:
    FrameReader(const std::uint8_t* data, std::size_t length) : data_(data), length_(data ? length : 0) {}

    const std::uint8_t* Data() const { return data_; }
    std::size_t Length() const { return length_; }

    // True when bytes [offset, offset + width) lie inside the frame.
    bool Has(std::size_t offset, std::size_t width) const {
        return offset <= length_ && width <= length_ - offset;
    }

    bool U8(std::size_t offset, std::uint8_t& out) const;
    bool U16(std::size_t offset, std::uint16_t& out) const;   // little-endian
    bool U32(std::size_t offset, std::uint32_t& out) const;   // little-endian
    bool I32(std::size_t offset, std::int32_t& out) const;    // little-endian, two's complement
    bool F32(std::size_t offset, float& out) const;           // little-endian IEEE-754 single

    // A text field of width bytes at offset. The text stops at the first NUL, at
    // the field's end or at the frame's end, whichever comes first, so a field
    // without its terminator, or cut short by a short frame, never leads the read
    // astray. False only when the field starts past the frame's end.
    bool Text(std::size_t offset, std::size_t width, std::string& out) const;
    // The same into a fixed char array, always NUL-terminated; a text longer than
    // the array keeps what fits.
    bool Text(std::size_t offset, std::size_t width, char* out, std::size_t outSize) const;

    // The opcode and sub-code by the frame's own marker; false for a frame too
    // short for its header or with no marker.
    bool Opcode(std::uint8_t& out) const;
    bool SubCode(std::uint8_t& out) const;

private:
    const std::uint8_t* data_;
    std::size_t length_;
};

// ---- Writing one frame ------------------------------------------------------------
// Builds one frame in storage the caller owns (a local array of exactly the
// frame's length): the constructor zeroes it and writes the header, so every byte
// the sender does not set goes out as 0. Writes name absolute offsets like the
// reader's and return false without writing when the field would pass the end.
// A writer whose length cannot hold its header or be encoded is not Ok() and
// writes nothing at all.
class FrameWriter {
public:
    FrameWriter(FrameKind kind, std::uint8_t opcode, std::uint8_t subCode, std::uint8_t* buffer,
                std::size_t length);

    bool Ok() const { return data_ != nullptr; }
    const std::uint8_t* Data() const { return data_; }
    std::size_t Length() const { return length_; }

    bool U8(std::size_t offset, std::uint8_t value);
    bool U16(std::size_t offset, std::uint16_t value);
    bool U32(std::size_t offset, std::uint32_t value);
    bool I32(std::size_t offset, std::int32_t value);
    bool F32(std::size_t offset, float value);
    bool Bytes(std::size_t offset, const std::uint8_t* bytes, std::size_t count);
    // Copies text into a field of width bytes with its terminator; a longer text is
    // cut to width - 1 characters so the field always ends in NUL. The rest of the
    // field stays 0.
    bool Text(std::size_t offset, std::size_t width, const char* text);

private:
    bool Fits(std::size_t offset, std::size_t width) const {
        return data_ != nullptr && offset <= length_ && width <= length_ - offset;
    }

    std::uint8_t* data_;
    std::size_t length_;
};

// ---- Finding frames in a stream ---------------------------------------------------
// One frame found by the scanner.
struct FrameInfo {
    std::size_t offset = 0;       // where the frame starts in the scanned bytes
    std::size_t length = 0;       // the frame's own length, header included
    FrameKind kind = FrameKind::Short;
    std::uint8_t opcode = 0;      // byte 4 of C1, byte 3 of C2
    std::uint8_t subCode = 0;     // byte 6 of C1, byte 4 of C2
};

// Why a stream cannot be framed. The stream has no way to find the next frame
// after any of these, so the connection that carries it is beyond repair.
enum class ScanError : std::uint8_t {
    None,               // every byte belongs to a frame or to the incomplete frame at the end
    BadMarker,          // a frame starts with a byte other than 0xC1 / 0xC2
    LengthBelowHeader,  // a length shorter than its frame's header
    LengthAboveMax,     // a length beyond kMaxFrameSize, which no buffer here can hold
};

const char* ScanErrorName(ScanError error);

struct ScanResult {
    std::size_t consumed = 0;     // bytes of the whole frames reported (the offset of the first unreported byte)
    std::size_t frames = 0;       // whole frames reported
    ScanError error = ScanError::None;   // set when the frame at `consumed` cannot be framed
    bool stopped = false;         // the callback asked to stop
};

// Outcome of looking at the bytes where one frame should start.
enum class PeekStatus : std::uint8_t {
    Complete,     // a whole frame is there; info describes it
    Incomplete,   // more bytes are needed before anything can be said
    Error,        // the stream cannot be framed here; error says why
};

// Looks at the frame starting at data[0] with avail bytes present.
inline PeekStatus PeekFrame(const std::uint8_t* data, std::size_t avail, FrameInfo& info, ScanError& error) {
    if (avail == 0) return PeekStatus::Incomplete;
    std::size_t length = 0;
    FrameKind kind;
    if (data[0] == kShortMarker) {
        if (avail < kShortLengthKnownAt) return PeekStatus::Incomplete;
        length = static_cast<std::size_t>(data[kShortLengthOffset]) |
                 static_cast<std::size_t>(data[kShortLengthOffset + 1]) << 8;
        kind = FrameKind::Short;
    } else if (data[0] == kLongMarker) {
        if (avail < kLongLengthKnownAt) return PeekStatus::Incomplete;
        length = static_cast<std::size_t>(data[kLongLengthOffset]) << 8 |
                 static_cast<std::size_t>(data[kLongLengthOffset + 1]);
        kind = FrameKind::Long;
    } else {
        error = ScanError::BadMarker;
        return PeekStatus::Error;
    }
    if (length < HeaderSize(kind)) {
        error = ScanError::LengthBelowHeader;
        return PeekStatus::Error;
    }
    if (length > kMaxFrameSize) {
        error = ScanError::LengthAboveMax;
        return PeekStatus::Error;
    }
    if (avail < length) return PeekStatus::Incomplete;
    info.length = length;
    info.kind = kind;
    if (kind == FrameKind::Short) {
        info.opcode = data[kShortOpcodeOffset];
        info.subCode = data[kShortSubCodeOffset];
    } else {
        info.opcode = data[kLongOpcodeOffset];
        info.subCode = data[kLongSubCodeOffset];
    }
    return PeekStatus::Complete;
}

// Walks the whole frames in data[0, fill) in order, calling onFrame(const
// FrameInfo&) for each; onFrame returns true to go on, false to stop after that
// frame. Ends at the first incomplete frame (which stays unconsumed), at a stop,
// or at bytes that cannot be framed (frames before them are still reported).
// Nothing is copied or allocated.
template <typename OnFrame>
ScanResult ScanFrames(const std::uint8_t* data, std::size_t fill, OnFrame&& onFrame) {
    ScanResult result;
    while (result.consumed < fill) {
        FrameInfo info;
        const PeekStatus status = PeekFrame(data + result.consumed, fill - result.consumed, info, result.error);
        if (status == PeekStatus::Incomplete) break;
        if (status == PeekStatus::Error) break;
        info.offset = result.consumed;
        result.consumed += info.length;
        ++result.frames;
        if (!onFrame(static_cast<const FrameInfo&>(info))) {
            result.stopped = true;
            break;
        }
    }
    return result;
}

}  // namespace wire

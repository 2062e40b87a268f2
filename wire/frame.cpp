#include "wire/frame.h"

#include <cstring>

namespace wire {
namespace {

std::uint32_t LoadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void StoreLe32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

}  // namespace

// ---- FrameReader ------------------------------------------------------------------

bool FrameReader::U8(std::size_t offset, std::uint8_t& out) const {
    if (!Has(offset, 1)) return false;
    out = data_[offset];
    return true;
}

bool FrameReader::U16(std::size_t offset, std::uint16_t& out) const {
    if (!Has(offset, 2)) return false;
    out = static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
    return true;
}

bool FrameReader::U32(std::size_t offset, std::uint32_t& out) const {
    if (!Has(offset, 4)) return false;
    out = LoadLe32(data_ + offset);
    return true;
}

bool FrameReader::I32(std::size_t offset, std::int32_t& out) const {
    if (!Has(offset, 4)) return false;
    out = static_cast<std::int32_t>(LoadLe32(data_ + offset));
    return true;
}

bool FrameReader::F32(std::size_t offset, float& out) const {
    if (!Has(offset, 4)) return false;
    const std::uint32_t bits = LoadLe32(data_ + offset);
    std::memcpy(&out, &bits, sizeof out);
    return true;
}

bool FrameReader::Text(std::size_t offset, std::size_t width, std::string& out) const {
    if (offset > length_) return false;
    const std::size_t room = length_ - offset;
    const std::size_t limit = width < room ? width : room;
    const std::uint8_t* start = data_ + offset;
    const void* nul = limit ? std::memchr(start, 0, limit) : nullptr;
    const std::size_t n = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - start) : limit;
    out.assign(reinterpret_cast<const char*>(start), n);
    return true;
}

bool FrameReader::Text(std::size_t offset, std::size_t width, char* out, std::size_t outSize) const {
    if (out == nullptr || outSize == 0 || offset > length_) return false;
    const std::size_t room = length_ - offset;
    std::size_t limit = width < room ? width : room;
    if (limit > outSize - 1) limit = outSize - 1;
    const std::uint8_t* start = data_ + offset;
    std::size_t n = 0;
    while (n < limit && start[n] != 0) {
        out[n] = static_cast<char>(start[n]);
        ++n;
    }
    out[n] = '\0';
    return true;
}

bool FrameReader::Opcode(std::uint8_t& out) const {
    if (length_ == 0) return false;
    if (data_[0] == kShortMarker && length_ >= kShortHeaderSize) return U8(kShortOpcodeOffset, out);
    if (data_[0] == kLongMarker && length_ >= kLongHeaderSize) return U8(kLongOpcodeOffset, out);
    return false;
}

bool FrameReader::SubCode(std::uint8_t& out) const {
    if (length_ == 0) return false;
    if (data_[0] == kShortMarker && length_ >= kShortHeaderSize) return U8(kShortSubCodeOffset, out);
    if (data_[0] == kLongMarker && length_ >= kLongHeaderSize) return U8(kLongSubCodeOffset, out);
    return false;
}

// ---- FrameWriter ------------------------------------------------------------------

FrameWriter::FrameWriter(FrameKind kind, std::uint8_t opcode, std::uint8_t subCode, std::uint8_t* buffer,
                         std::size_t length)
    : data_(nullptr), length_(0) {
    // A length the header cannot state, or that no receiver could hold, makes no
    // frame at all rather than a frame that lies about its size.
    if (buffer == nullptr || length < HeaderSize(kind) || length > kMaxFrameSize) return;
    data_ = buffer;
    length_ = length;
    std::memset(data_, 0, length_);
    if (kind == FrameKind::Short) {
        data_[0] = kShortMarker;
        data_[kShortLengthOffset] = static_cast<std::uint8_t>(length);
        data_[kShortLengthOffset + 1] = static_cast<std::uint8_t>(length >> 8);
        data_[kShortOpcodeOffset] = opcode;
        data_[kShortSubCodeOffset] = subCode;
    } else {
        data_[0] = kLongMarker;
        data_[kLongLengthOffset] = static_cast<std::uint8_t>(length >> 8);
        data_[kLongLengthOffset + 1] = static_cast<std::uint8_t>(length);
        data_[kLongOpcodeOffset] = opcode;
        data_[kLongSubCodeOffset] = subCode;
    }
}

bool FrameWriter::U8(std::size_t offset, std::uint8_t value) {
    if (!Fits(offset, 1)) return false;
    data_[offset] = value;
    return true;
}

bool FrameWriter::U16(std::size_t offset, std::uint16_t value) {
    if (!Fits(offset, 2)) return false;
    data_[offset] = static_cast<std::uint8_t>(value);
    data_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
    return true;
}

bool FrameWriter::U32(std::size_t offset, std::uint32_t value) {
    if (!Fits(offset, 4)) return false;
    StoreLe32(data_ + offset, value);
    return true;
}

bool FrameWriter::I32(std::size_t offset, std::int32_t value) {
    return U32(offset, static_cast<std::uint32_t>(value));
}

bool FrameWriter::F32(std::size_t offset, float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return U32(offset, bits);
}

bool FrameWriter::Bytes(std::size_t offset, const std::uint8_t* bytes, std::size_t count) {
    if (!Fits(offset, count) || (bytes == nullptr && count != 0)) return false;
    if (count) std::memcpy(data_ + offset, bytes, count);
    return true;
}

bool FrameWriter::Text(std::size_t offset, std::size_t width, const char* text) {
    if (width == 0 || !Fits(offset, width)) return false;
    std::memset(data_ + offset, 0, width);
    if (text == nullptr) return true;
    std::size_t n = 0;
    while (n + 1 < width && text[n] != '\0') {
        data_[offset + n] = static_cast<std::uint8_t>(text[n]);
        ++n;
    }
    return true;
}

// ---- Scanner ----------------------------------------------------------------------

const char* ScanErrorName(ScanError error) {
    switch (error) {
        case ScanError::None: return "none";
        case ScanError::BadMarker: return "first byte is no frame marker";
        case ScanError::LengthBelowHeader: return "length below the frame header";
        case ScanError::LengthAboveMax: return "length beyond the receive buffer";
    }
    return "unknown";
}

}  // namespace wire

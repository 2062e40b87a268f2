// The frame codec: bounds of every read and write, both headers, text fields, and
// the scanner's verdict on byte streams.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "wire/frame.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();   // an offset that overflows any sum

// ---- FrameReader ---------------------------------------------------------------------------

struct ReadCase {
    const char* name;
    std::size_t width;                                         // bytes the read covers
    bool (*read)(const wire::FrameReader&, std::size_t);       // performs it, discarding the value
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

bool ReadU8(const wire::FrameReader& r, std::size_t at) { std::uint8_t v; return r.U8(at, v); }
bool ReadU16(const wire::FrameReader& r, std::size_t at) { std::uint16_t v; return r.U16(at, v); }
bool ReadU32(const wire::FrameReader& r, std::size_t at) { std::uint32_t v; return r.U32(at, v); }
bool ReadI32(const wire::FrameReader& r, std::size_t at) { std::int32_t v; return r.I32(at, v); }
bool ReadF32(const wire::FrameReader& r, std::size_t at) { float v; return r.F32(at, v); }

class ReaderBoundsTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReaderBoundsTest, ReadsUpToTheLastByteAndNotOnePast) {
    // The bytes after the view's length exist in memory but are not the frame's.
    const Bytes memory(64, 0xEE);
    const std::size_t length = 12;
    const wire::FrameReader r(memory.data(), length);
    const auto& c = GetParam();
    EXPECT_TRUE(c.read(r, 0));
    EXPECT_TRUE(c.read(r, length - c.width)) << "the last field that fits";
    EXPECT_FALSE(c.read(r, length - c.width + 1)) << "one byte past the end";
    EXPECT_FALSE(c.read(r, length));
    EXPECT_FALSE(c.read(r, kHuge));
    EXPECT_FALSE(c.read(r, kHuge - 1));
    const wire::FrameReader empty(nullptr, 100);
    EXPECT_FALSE(c.read(empty, 0)) << "a null frame has no bytes, whatever its length says";
}

INSTANTIATE_TEST_SUITE_P(EveryWidth, ReaderBoundsTest,
                         ::testing::Values(ReadCase{"u8", 1, ReadU8}, ReadCase{"u16", 2, ReadU16},
                                           ReadCase{"u32", 4, ReadU32}, ReadCase{"i32", 4, ReadI32},
                                           ReadCase{"f32", 4, ReadF32}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FrameReader, IntegersAreLittleEndianAndAFailedReadLeavesItsOutputAlone) {
    const Bytes b = {0x01, 0x02, 0x03, 0x04, 0xFE, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xC0, 0x3F};
    const wire::FrameReader r(b.data(), b.size());
    std::uint16_t u16 = 0;
    std::uint32_t u32 = 0;
    std::int32_t i32 = 0;
    float f32 = 0;
    ASSERT_TRUE(r.U16(0, u16));
    EXPECT_EQ(u16, 0x0201);
    ASSERT_TRUE(r.U32(0, u32));
    EXPECT_EQ(u32, 0x04030201u);
    ASSERT_TRUE(r.I32(4, i32));
    EXPECT_EQ(i32, -2);
    ASSERT_TRUE(r.F32(8, f32));
    EXPECT_EQ(f32, 1.5f);
    u32 = 0xDEADBEEF;
    EXPECT_FALSE(r.U32(9, u32));
    EXPECT_EQ(u32, 0xDEADBEEFu);
}

struct TextCase {
    const char* name;
    Bytes frame;           // the frame's bytes (its whole length)
    std::size_t offset;
    std::size_t width;
    bool ok;
    std::string text;
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ReaderTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReaderTextTest, StopsAtNulFieldEndOrFrameEnd) {
    const auto& c = GetParam();
    // Bytes past the frame are letters, so a read that strays would show them.
    Bytes memory = c.frame;
    memory.insert(memory.end(), 16, 'X');
    const wire::FrameReader r(memory.data(), c.frame.size());
    std::string s = "unchanged";
    EXPECT_EQ(r.Text(c.offset, c.width, s), c.ok);
    EXPECT_EQ(s, c.ok ? c.text : "unchanged");
    char small[64];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(r.Text(c.offset, c.width, small, sizeof small), c.ok);
    if (c.ok) {
        EXPECT_STREQ(small, c.text.c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderTextTest,
    ::testing::Values(TextCase{"stops_at_nul", Bytes{0, 0, 'a', 'b', 0, 'c', 'd'}, 2, 5, true, "ab"},
                      TextCase{"stops_at_field_end", Bytes{0, 'a', 'b', 'c', 'd', 'e', 0}, 1, 3, true, "abc"},
                      TextCase{"stops_at_frame_end", Bytes{0, 'a', 'b', 'c'}, 1, 20, true, "abc"},
                      TextCase{"field_starting_at_frame_end_is_empty", Bytes{1, 2, 3}, 3, 8, true, ""},
                      TextCase{"field_starting_past_the_end_fails", Bytes{1, 2, 3}, 4, 8, false, ""},
                      TextCase{"huge_offset_fails", Bytes{1, 2, 3}, kHuge, 8, false, ""},
                      TextCase{"huge_width_stops_at_frame_end", Bytes{0, 'h', 'i'}, 1, kHuge, true, "hi"},
                      TextCase{"zero_width_is_empty", Bytes{'a', 'b'}, 0, 0, true, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FrameReader, TextIntoASmallArrayKeepsWhatFitsAndTerminates) {
    const Bytes b = {'a', 'b', 'c', 'd', 'e', 'f'};
    const wire::FrameReader r(b.data(), b.size());
    char out[4] = {'#', '#', '#', '#'};
    ASSERT_TRUE(r.Text(0, 6, out, sizeof out));
    EXPECT_STREQ(out, "abc");
    EXPECT_FALSE(r.Text(0, 6, out, 0));
}

TEST(FrameReader, OpcodeAndSubCodeFollowTheMarker) {
    const Bytes c1 = {0xC1, 0, 8, 0, 0xF2, 0, 0x09, 0};
    const Bytes c2 = {0xC2, 0, 8, 0xF4, 0x02, 0, 0, 0};
    std::uint8_t op = 0, sub = 0;
    ASSERT_TRUE(wire::FrameReader(c1.data(), c1.size()).Opcode(op));
    ASSERT_TRUE(wire::FrameReader(c1.data(), c1.size()).SubCode(sub));
    EXPECT_EQ(op, 0xF2);
    EXPECT_EQ(sub, 0x09);
    ASSERT_TRUE(wire::FrameReader(c2.data(), c2.size()).Opcode(op));
    ASSERT_TRUE(wire::FrameReader(c2.data(), c2.size()).SubCode(sub));
    EXPECT_EQ(op, 0xF4);
    EXPECT_EQ(sub, 0x02);
    // Too short for a C1 header, or no marker at all.
    EXPECT_FALSE(wire::FrameReader(c1.data(), 6).SubCode(sub));
    const Bytes none = {0x00, 0, 8, 0, 0xF2, 0, 1, 0};
    EXPECT_FALSE(wire::FrameReader(none.data(), none.size()).Opcode(op));
}

// ---- FrameWriter ---------------------------------------------------------------------------

TEST(FrameWriter, ShortHeaderHasALittleEndianLengthAndZeroedBytes) {
    Bytes buf(0x114, 0xAA);
    wire::FrameWriter w(wire::FrameKind::Short, 0xF1, 0x0E, buf.data(), buf.size());
    ASSERT_TRUE(w.Ok());
    EXPECT_EQ(Bytes(buf.begin(), buf.begin() + 7), (Bytes{0xC1, 0x00, 0x14, 0x01, 0xF1, 0x00, 0x0E}));
    for (std::size_t i = 7; i < buf.size(); ++i) ASSERT_EQ(buf[i], 0) << "byte " << i << " not zeroed";
}

TEST(FrameWriter, LongHeaderHasABigEndianLength) {
    Bytes buf(0x114, 0xAA);
    wire::FrameWriter w(wire::FrameKind::Long, 0xF4, 0x02, buf.data(), buf.size());
    ASSERT_TRUE(w.Ok());
    EXPECT_EQ(Bytes(buf.begin(), buf.begin() + 5), (Bytes{0xC2, 0x01, 0x14, 0xF4, 0x02}));
    for (std::size_t i = 5; i < buf.size(); ++i) ASSERT_EQ(buf[i], 0) << "byte " << i << " not zeroed";
}

TEST(FrameWriter, RefusesLengthsItCannotStateAndTouchesNothing) {
    struct Case {
        wire::FrameKind kind;
        std::size_t length;
    };
    for (const Case c : {Case{wire::FrameKind::Short, 6}, Case{wire::FrameKind::Long, 4},
                         Case{wire::FrameKind::Short, 0}, Case{wire::FrameKind::Long, wire::kMaxFrameSize + 1}}) {
        Bytes buf(wire::kMaxFrameSize + 8, 0xAA);
        wire::FrameWriter w(c.kind, 0xF2, 0x01, buf.data(), c.length);
        EXPECT_FALSE(w.Ok()) << "length " << c.length;
        EXPECT_FALSE(w.U8(0, 1));
        EXPECT_EQ(buf, Bytes(wire::kMaxFrameSize + 8, 0xAA)) << "length " << c.length;
    }
    Bytes big(wire::kMaxFrameSize);
    EXPECT_TRUE(wire::FrameWriter(wire::FrameKind::Short, 0xF1, 0, big.data(), big.size()).Ok());
    EXPECT_EQ(big[2], 0x00);
    EXPECT_EQ(big[3], 0x80);
}

TEST(FrameWriter, WritesStayInsideTheFrame) {
    Bytes buf(12 + 4, 0xAA);   // the frame is 12 bytes; the last 4 are a guard
    wire::FrameWriter w(wire::FrameKind::Short, 0xF1, 0x06, buf.data(), 12);
    EXPECT_TRUE(w.U32(8, 0x11223344));
    EXPECT_FALSE(w.U32(9, 0x55667788));
    EXPECT_FALSE(w.U16(11, 1));
    EXPECT_TRUE(w.U8(11, 0x99));
    EXPECT_FALSE(w.U8(12, 1));
    EXPECT_FALSE(w.U8(kHuge, 1));
    EXPECT_FALSE(w.F32(kHuge - 2, 1.0f));
    const std::uint8_t three[3] = {1, 2, 3};
    EXPECT_FALSE(w.Bytes(10, three, 3));
    EXPECT_FALSE(w.Text(8, 8, "abc"));
    EXPECT_EQ(Bytes(buf.begin() + 7, buf.end()), (Bytes{0, 0x44, 0x33, 0x22, 0x99, 0xAA, 0xAA, 0xAA, 0xAA}));
}

TEST(FrameWriter, TextIsTerminatedAndCutToItsField) {
    Bytes buf(7 + 10);
    wire::FrameWriter w(wire::FrameKind::Short, 0xF1, 0x08, buf.data(), buf.size());
    ASSERT_TRUE(w.U8(12, 0x77));
    ASSERT_TRUE(w.Text(7, 9, "nicknames!"));   // 10 characters into a 9-byte field
    EXPECT_EQ(Bytes(buf.begin() + 7, buf.end()), (Bytes{'n', 'i', 'c', 'k', 'n', 'a', 'm', 'e', 0, 0}));
    ASSERT_TRUE(w.Text(7, 9, "abc"));          // a shorter text clears the old one
    EXPECT_EQ(Bytes(buf.begin() + 7, buf.end()), (Bytes{'a', 'b', 'c', 0, 0, 0, 0, 0, 0, 0}));
}

TEST(FrameWriter, WhatItWritesTheReaderAndScannerReadBack) {
    Bytes buf(40);
    wire::FrameWriter w(wire::FrameKind::Long, 0xF4, 0x01, buf.data(), buf.size());
    ASSERT_TRUE(w.I32(8, -1234567));
    ASSERT_TRUE(w.F32(16, 2.25f));
    ASSERT_TRUE(w.Text(20, 12, "0917000000"));
    const wire::FrameReader r(buf.data(), buf.size());
    std::int32_t i = 0;
    float f = 0;
    std::string t;
    ASSERT_TRUE(r.I32(8, i));
    ASSERT_TRUE(r.F32(16, f));
    ASSERT_TRUE(r.Text(20, 12, t));
    EXPECT_EQ(i, -1234567);
    EXPECT_EQ(f, 2.25f);
    EXPECT_EQ(t, "0917000000");
    std::vector<wire::FrameInfo> found;
    const auto scan = wire::ScanFrames(buf.data(), buf.size(), [&](const wire::FrameInfo& info) {
        found.push_back(info);
        return true;
    });
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].length, 40u);
    EXPECT_EQ(found[0].kind, wire::FrameKind::Long);
    EXPECT_EQ(found[0].opcode, 0xF4);
    EXPECT_EQ(found[0].subCode, 0x01);
    EXPECT_EQ(scan.consumed, 40u);
}

// ---- ScanFrames ------------------------------------------------------------------------------

Bytes Short(std::size_t length, std::uint8_t op = 0xF2, std::uint8_t sub = 0x01) {
    Bytes b(length);
    wire::FrameWriter(wire::FrameKind::Short, op, sub, b.data(), b.size());
    return b;
}

Bytes Long(std::size_t length, std::uint8_t op = 0xF4, std::uint8_t sub = 0x01) {
    Bytes b(length);
    wire::FrameWriter(wire::FrameKind::Long, op, sub, b.data(), b.size());
    return b;
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

struct ScanCase {
    const char* name;
    Bytes stream;
    std::vector<std::size_t> lengths;   // frames expected, in order
    std::size_t consumed;
    wire::ScanError error;
};
void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanTest : public ::testing::TestWithParam<ScanCase> {};

TEST_P(ScanTest, ReportsFramesConsumedBytesAndErrors) {
    const auto& c = GetParam();
    std::vector<std::size_t> lengths;
    std::size_t expectOffset = 0;
    const auto result = wire::ScanFrames(c.stream.data(), c.stream.size(), [&](const wire::FrameInfo& f) {
        EXPECT_EQ(f.offset, expectOffset);
        expectOffset += f.length;
        lengths.push_back(f.length);
        return true;
    });
    EXPECT_EQ(lengths, c.lengths);
    EXPECT_EQ(result.frames, c.lengths.size());
    EXPECT_EQ(result.consumed, c.consumed);
    EXPECT_EQ(result.error, c.error);
    EXPECT_FALSE(result.stopped);
}

Bytes Prefix(Bytes b, std::size_t n) {
    b.resize(n);
    return b;
}

Bytes Edit(Bytes b, std::size_t at, std::uint8_t v) {
    b[at] = v;
    return b;
}

using E = wire::ScanError;
INSTANTIATE_TEST_SUITE_P(
    Streams, ScanTest,
    ::testing::Values(
        ScanCase{"empty", {}, {}, 0, E::None},
        ScanCase{"one_byte_of_c1", {0xC1}, {}, 0, E::None},
        ScanCase{"three_bytes_of_c1", {0xC1, 0, 8}, {}, 0, E::None},
        ScanCase{"four_bytes_of_c2", {0xC2, 0, 8, 0xF4}, {}, 0, E::None},
        ScanCase{"whole_c1", Short(8), {8}, 8, E::None},
        ScanCase{"whole_c2", Long(5), {5}, 5, E::None},
        ScanCase{"two_whole_then_a_part", Join({Short(7), Long(20), Bytes{0xC1, 0, 9}}), {7, 20}, 27, E::None},
        ScanCase{"c1_one_byte_short", Prefix(Short(9), 8), {}, 0, E::None},
        ScanCase{"first_byte_zero", {0x00, 1, 2}, {}, 0, E::BadMarker},
        ScanCase{"bad_byte_after_frames", Join({Short(7), Short(8), Bytes{0xC3}}), {7, 8}, 15, E::BadMarker},
        ScanCase{"c1_length_6", Edit(Short(7), 2, 6), {}, 0, E::LengthBelowHeader},
        ScanCase{"c1_length_6_seen_at_4_bytes", {0xC1, 0, 6, 0}, {}, 0, E::LengthBelowHeader},
        ScanCase{"c2_length_4", Edit(Long(5), 2, 4), {}, 0, E::LengthBelowHeader},
        ScanCase{"c1_length_32769", {0xC1, 0, 0x01, 0x80}, {}, 0, E::LengthAboveMax},
        ScanCase{"c2_length_32769", {0xC2, 0x80, 0x01, 0xF4, 0x01}, {}, 0, E::LengthAboveMax},
        ScanCase{"c2_length_max_incomplete", {0xC2, 0x80, 0x00, 0xF4, 0x01}, {}, 0, E::None},
        ScanCase{"c2_length_max_whole", Long(wire::kMaxFrameSize), {wire::kMaxFrameSize}, wire::kMaxFrameSize,
                 E::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanFrames, StopsAfterTheFrameWhoseCallbackSaysSo) {
    const Bytes s = Join({Short(7), Short(8), Short(9)});
    std::size_t seen = 0;
    const auto result = wire::ScanFrames(s.data(), s.size(), [&](const wire::FrameInfo&) { return ++seen < 2; });
    EXPECT_EQ(seen, 2u);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.consumed, 15u);
    EXPECT_EQ(result.frames, 2u);
}

TEST(ScanFrames, ReportsOpcodeAndSubCodeOfBothKinds) {
    const Bytes s = Join({Short(8, 0xF3, 0x0A), Long(6, 0xF4, 0x02)});
    std::vector<std::pair<int, int>> codes;
    wire::ScanFrames(s.data(), s.size(), [&](const wire::FrameInfo& f) {
        codes.emplace_back(f.opcode, f.subCode);
        return true;
    });
    EXPECT_EQ(codes, (std::vector<std::pair<int, int>>{{0xF3, 0x0A}, {0xF4, 0x02}}));
}

}  // namespace

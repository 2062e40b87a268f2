// Writes the frame-stream fuzzer's seed corpus: one whole frame of every packet
// the client receives, at the length its handler reads, plus a few streams of
// several frames in small pieces. Usage: fuzz_seed_corpus DIR
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "wire/frame.h"

namespace {

struct Packet {
    const char* name;
    std::uint8_t opcode;
    std::uint8_t subCode;
    std::size_t length;   // bytes the client reads of it
};

// Incoming packets; list lengths with a count at byte 7 use two entries.
constexpr Packet kPackets[] = {
    {"f1_00_own_hand", 0xF1, 0x00, 35},        {"f1_01_stock_count", 0xF1, 0x01, 8},
    {"f1_02_turn", 0xF1, 0x02, 32},            {"f1_03_seat_name", 0xF1, 0x03, 8 + 6},
    {"f1_04_seat_balance", 0xF1, 0x04, 12},    {"f1_05_plate_number", 0xF1, 0x05, 9},
    {"f1_06_reset", 0xF1, 0x06, 7},            {"f1_07_round_countdown", 0xF1, 0x07, 12},
    {"f1_08_fight_button", 0xF1, 0x08, 8},     {"f1_09_code_prompt", 0xF1, 0x09, 8},
    {"f1_0a_table_types", 0xF1, 0x0A, 8 + 11 * 2}, {"f1_0b_go_home", 0xF1, 0x0B, 8},
    {"f1_0c_referrer", 0xF1, 0x0C, 12},        {"f1_0d_server_counters", 0xF1, 0x0D, 20},
    {"f1_0e_history", 0xF1, 0x0E, 8 + 28 * 2}, {"f1_0f_type_counters", 0xF1, 0x0F, 8 + 6 * 2},
    {"f2_00_notice", 0xF2, 0x00, 9 + 6},       {"f2_01_keepalive", 0xF2, 0x01, 7},
    {"f2_02_revealed_cards", 0xF2, 0x02, 32},  {"f2_03_revealed_group", 0xF2, 0x03, 32},
    {"f2_04_sound", 0xF2, 0x04, 8},            {"f2_05_seat_bytes", 0xF2, 0x05, 10},
    {"f2_06_table_setup", 0xF2, 0x06, 11},     {"f2_07_token", 0xF2, 0x07, 41},
    {"f2_08_round_result", 0xF2, 0x08, 72},    {"f2_09_login_result", 0xF2, 0x09, 36},
    {"f2_0a_profile", 0xF2, 0x0A, 157},        {"f2_0b_waiting", 0xF2, 0x0B, 8},
    {"f2_0c_reveal", 0xF2, 0x0C, 7},           {"f2_0d_spin_result", 0xF2, 0x0D, 16},
    {"f2_0e_sound_screen", 0xF2, 0x0E, 8},     {"f3_00_stock_card", 0xF3, 0x00, 11},
    {"f3_01_discard", 0xF3, 0x01, 11},         {"f3_02_meld_taken", 0xF3, 0x02, 14 + 2 * 3},
    {"f3_03_meld_hand", 0xF3, 0x03, 12 + 2 * 3}, {"f3_04_lay_off", 0xF3, 0x04, 12 + 2 * 1},
    {"f3_05_group", 0xF3, 0x05, 16 + 2 * 3},   {"f3_06_ungroup", 0xF3, 0x06, 9},
    {"f3_07_fight", 0xF3, 0x07, 8},            {"f3_08_fight_if", 0xF3, 0x08, 9},
    {"f3_09_table_reset", 0xF3, 0x09, 7},      {"f3_0a_emoji", 0xF3, 0x0A, 9},
    {"f3_0b_banner", 0xF3, 0x0B, 28},          {"f4_01_add_ecoins_reply", 0xF4, 0x01, 32},
    {"f4_02_cash_out_reply", 0xF4, 0x02, 25},
};

// A plausible payload: counts and seats that handlers accept, a card, a text.
std::vector<std::uint8_t> Build(const Packet& p) {
    const wire::FrameKind kind = p.opcode == 0xF4 ? wire::FrameKind::Long : wire::FrameKind::Short;
    std::vector<std::uint8_t> f(p.length);
    wire::FrameWriter w(kind, p.opcode, p.subCode, f.data(), f.size());
    if (kind == wire::FrameKind::Long) {
        w.U8(24, 1);
        w.U8(25, 1);
        return f;
    }
    switch (p.opcode << 8 | p.subCode) {
        case 0xF100: w.U8(8, 3); w.U8(9, 1); w.U8(10, 2); w.U8(11, 3); w.U8(22, 1); w.U8(23, 5); w.U8(24, 13); break;
        case 0xF103: w.U8(7, 1); w.Text(8, 6, "anna"); break;
        case 0xF10A: case 0xF10E: case 0xF10F: w.U8(7, 2); break;
        case 0xF200: w.U8(7, 1); w.U8(8, 1); w.Text(9, 6, "hello"); break;
        case 0xF207: w.U8(7, 1); w.Text(8, 33, "0123456789abcdef0123456789abcdef"); break;
        case 0xF209: w.U8(7, 1); w.F32(28, 12.5f); w.F32(32, 3.0f); break;
        case 0xF300: case 0xF301: w.U8(7, 1); w.U8(8, 2); w.U8(9, 3); w.U8(10, 7); break;
        case 0xF302: w.U8(12, 3); break;
        case 0xF303: case 0xF304: w.U8(10, p.subCode == 0x03 ? 3 : 1); break;
        case 0xF305: w.U8(13, 3); break;
        default: w.U8(7, 1); break;
    }
    return f;
}

bool Write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    std::vector<std::uint8_t> all;
    for (const Packet& p : kPackets) {
        const std::vector<std::uint8_t> frame = Build(p);
        std::vector<std::uint8_t> seed = {0};   // no piece sizes: one piece
        seed.insert(seed.end(), frame.begin(), frame.end());
        if (!Write(dir + "/" + p.name, seed)) return 1;
        all.insert(all.end(), frame.begin(), frame.end());
    }
    // Every packet in one stream, cut into pieces of 1, 3 and 7 bytes in turn.
    std::vector<std::uint8_t> pieces = {3, 0, 2, 6};
    pieces.insert(pieces.end(), all.begin(), all.end());
    if (!Write(dir + "/all_in_small_pieces", pieces)) return 1;
    // The same in pieces of 2 x 256 bytes.
    std::vector<std::uint8_t> large = {1, 0x81};
    large.insert(large.end(), all.begin(), all.end());
    if (!Write(dir + "/all_in_512_byte_pieces", large)) return 1;
    // A login result that drops the connection, with frames after it that must
    // not be dispatched.
    std::vector<std::uint8_t> drop = {0};
    {
        std::vector<std::uint8_t> f(36);
        wire::FrameWriter w(wire::FrameKind::Short, 0xF2, 0x09, f.data(), f.size());
        w.U8(7, 4);
        drop.insert(drop.end(), f.begin(), f.end());
        drop.insert(drop.end(), all.begin(), all.begin() + 200);
    }
    if (!Write(dir + "/login_result_drop_then_more", drop)) return 1;
    return 0;
}

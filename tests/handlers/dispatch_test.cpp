// The dispatcher: every incoming packet reaches its handler only when its frame
// holds all its handler reads and names real seats; anything else changes nothing.
#include <functional>

#include "client_snapshot.h"
#include "frame_builder.h"
#include "gfx/button.h"
#include "gfx/sprite_ids.h"
#include "handler_fixture.h"
#include "net/dispatch.h"
#include "net/packets.h"
#include "shell/screen_state.h"
#include "table/model.h"

namespace {

using handlertest::ClientSnapshot;
using handlertest::HandlerTest;
using handlertest::TakeSnapshot;
using testsupport::FrameBuilder;
using table::Card;
namespace op = net::op;
namespace rx = net::rx;

const std::string kToken = "ZYXWVUTSRQPONMLKJIHGFEDCBA012345";

// A client in the middle of a game: seated at seat 1 with two cards, a reset's
// input lock on, both table buttons visible, one Button registered.
void PrepareClient() {
    table::TableModel& m = table::Model();
    m.localSeat = 1;
    m.hand = {Card{1, 1}, Card{2, 2}};
    m.seats[0].discards.push_back(table::DiscardCard{});
    shell::Shell().InputLock = true;
    testsupport::MakeSolidSprite(gfx::kSpriteFightButton, 10, 10, SDL_Color{255, 0, 0, 255});
    testsupport::MakeSolidSprite(gfx::kSpriteGroupButton, 10, 10, SDL_Color{0, 255, 0, 255});
    gfx::Buttons()[99] = gfx::Button{};
}

struct PacketCase {
    const char* name;
    std::function<FrameBuilder()> build;   // a frame the handler acts on
    std::size_t cutTo;                     // 0 = one byte shorter than the frame
    bool observable;                       // the full frame visibly changes the client
};

FrameBuilder Make(std::uint8_t opcode, std::uint8_t sub, std::size_t length) { return {opcode, sub, length}; }

const PacketCase kPackets[] = {
    {"F1_00_own_hand", [] { return Make(op::kLobby, 0x00, 35).U8(8, 3).U8(9, 4).U8(22, 13); }, 0, true},
    {"F1_01_stock_count", [] { return Make(op::kLobby, 0x01, 8).U8(7, 20); }, 0, true},
    {"F1_02_turn", [] { return Make(op::kLobby, 0x02, 32).U8(7, 1).U32(8, 15000).U8(12, 1).U32(24, 9); }, 0, true},
    {"F1_03_seat_name", [] { return Make(op::kLobby, 0x03, 12).U8(7, 2).Raw(8, "Ana"); }, 7, true},
    {"F1_04_seat_balance", [] { return Make(op::kLobby, 0x04, 12).U8(7, 1).U32(8, 500); }, 0, true},
    {"F1_05_plate_number", [] { return Make(op::kLobby, 0x05, 9).U8(7, 0).U8(8, 7); }, 0, true},
    {"F1_06_reset", [] { return Make(op::kLobby, 0x06, 7); }, 0, true},
    {"F1_07_round_countdown", [] { return Make(op::kLobby, 0x07, 12).U32(8, 5000); }, 0, true},
    {"F1_08_fight_button", [] { return Make(op::kLobby, 0x08, 8).U8(7, 0); }, 0, true},
    {"F1_09_code_prompt", [] { return Make(op::kLobby, 0x09, 8).U8(7, 1); }, 0, true},
    {"F1_0A_table_type_names", [] { return Make(op::kLobby, 0x0A, 30).U8(7, 2).U8(8, 1).Raw(9, "Duo"); }, 0, false},
    {"F1_0B_go_home", [] { return Make(op::kLobby, 0x0B, 8).U8(7, 1); }, 0, true},
    {"F1_0C_referrer", [] { return Make(op::kLobby, 0x0C, 12).U32(8, 77); }, 0, true},
    {"F1_0D_server_counters", [] { return Make(op::kLobby, 0x0D, 20).U16(8, 300).U16(18, 4); }, 0, true},
    {"F1_0E_history", [] { return Make(op::kLobby, 0x0E, 64).U8(7, 2).I32(8, 5).Raw(44, "x"); }, 0, true},
    {"F2_00_notice", [] { return Make(op::kSignal, 0x00, 12).U8(7, 1).U8(8, 0).Raw(9, "Hi"); }, 8, true},
    {"F2_02_revealed_cards", [] { return Make(op::kSignal, 0x02, 32).U8(7, 0).U8(8, 3).U8(20, 5); }, 0, true},
    {"F2_03_revealed_group", [] { return Make(op::kSignal, 0x03, 32).U8(7, 2).U8(19, 3).U8(31, 5); }, 0, true},
    {"F2_04_sound", [] { return Make(op::kSignal, 0x04, 8).U8(7, 1); }, 0, false},
    {"F2_05_seat_bytes", [] { return Make(op::kSignal, 0x05, 10).U8(7, 1).U8(8, 1).U8(9, 1); }, 0, true},
    {"F2_06_table_set_up", [] { return Make(op::kSignal, 0x06, 11).U8(7, 1).U8(8, 0).U8(9, 1).U8(10, 1); }, 0, true},
    {"F2_07_token_assignment", [] { return Make(op::kSignal, 0x07, 41).U8(7, 1).Raw(8, kToken); }, 0, true},
    {"F2_08_round_result", [] { return Make(op::kSignal, 0x08, 72).U8(7, 2).U32(8, 3).U16(70, 9); }, 0, true},
    {"F2_09_login_result", [] { return Make(op::kSignal, 0x09, 36).U8(7, 1).F32(28, 1.5f).F32(32, 2.5f); }, 0, true},
    {"F2_0A_account_profile", [] { return Make(op::kSignal, 0x0A, 157).Raw(110, "Bob").U8(156, 1); }, 0, true},
    {"F2_0B_waiting_progress", [] { return Make(op::kSignal, 0x0B, 8).U8(7, 1); }, 0, true},
    {"F2_0C_reveal", [] { return Make(op::kSignal, 0x0C, 7); }, 0, true},
    {"F2_0D_spin_result", [] { return Make(op::kSignal, 0x0D, 16).U8(7, 1).U8(8, 2).U32(12, 3); }, 0, false},
    {"F2_0E_sound_and_screen", [] { return Make(op::kSignal, 0x0E, 8).U8(7, 2); }, 0, true},
    {"F3_00_card_from_stock", [] { return Make(op::kPlay, 0x00, 11).U8(7, 1).U8(8, 2).Card(9, {1, 1}); }, 0, false},
    {"F3_01_discard", [] { return Make(op::kPlay, 0x01, 11).U8(7, 1).Card(9, {1, 1}); }, 0, false},
    {"F3_02_meld_with_discard",
     [] { return Make(op::kPlay, 0x02, 20).U8(8, 1).U8(9, 0).U8(12, 3).Card(14, {1, 1}); }, 0, false},
    {"F3_03_meld_from_hand", [] { return Make(op::kPlay, 0x03, 16).U8(8, 1).U8(10, 2).Card(12, {1, 1}); }, 0, false},
    {"F3_04_lay_off", [] { return Make(op::kPlay, 0x04, 14).U8(8, 1).U8(9, 1).U8(10, 1).Card(12, {2, 2}); }, 0,
     false},
    {"F3_05_group", [] { return Make(op::kPlay, 0x05, 22).I32(8, 4).U8(12, 1).U8(13, 3).Card(16, {1, 1}); }, 0,
     false},
    {"F3_06_ungroup", [] { return Make(op::kPlay, 0x06, 9).U8(7, 4).U8(8, 1); }, 0, false},
    {"F3_07_fight", [] { return Make(op::kPlay, 0x07, 8).U8(7, 1); }, 0, false},
    {"F3_08_fight_conditional", [] { return Make(op::kPlay, 0x08, 9).U8(7, 1).U8(8, 1); }, 0, false},
    {"F3_09_table_reset", [] { return Make(op::kPlay, 0x09, 7); }, 0, true},
    {"F3_0A_emoji", [] { return Make(op::kPlay, 0x0A, 9).U8(7, 1).U8(8, 2); }, 0, false},
    {"F3_0B_play_banner", [] { return Make(op::kPlay, 0x0B, 28).Raw(7, "Ana").U8(27, 1); }, 0, false},
    {"F4_01_add_ecoins_reply", [] { return Make(op::kWallet, 0x01, 32).U8(25, 0); }, 0, true},
    {"F4_02_cash_out_reply", [] { return Make(op::kWallet, 0x02, 25).U8(24, 3); }, 0, true},
};

void PrintTo(const PacketCase& c, std::ostream* os) { *os << c.name; }

class ShortFrameTest : public HandlerTest, public ::testing::WithParamInterface<PacketCase> {};

TEST_P(ShortFrameTest, FrameOneByteShortChangesNothingWhileTheWholeFrameActs) {
    const PacketCase& c = GetParam();
    PrepareClient();
    const FrameBuilder whole = c.build();
    const std::size_t cut = c.cutTo ? c.cutTo : whole.Length() - 1;
    const ClientSnapshot before = TakeSnapshot();
    whole.Truncated(cut).Dispatch();
    EXPECT_TRUE(TakeSnapshot() == before) << "a " << cut << "-byte frame was acted on";
    EXPECT_TRUE(TakeSentFrames().empty());
    if (c.observable) {
        whole.Dispatch();
        EXPECT_FALSE(TakeSnapshot() == before) << "the whole frame did nothing: the case proves nothing";
    }
}

INSTANTIATE_TEST_SUITE_P(AllIncoming, ShortFrameTest, ::testing::ValuesIn(kPackets),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Seats ------------------------------------------------------------------------------------

struct SeatCase {
    const char* name;
    std::function<FrameBuilder(std::uint8_t seat)> build;
    std::uint8_t actingSeat;   // a seat for which the frame visibly acts
};

const SeatCase kSeatPackets[] = {
    {"F1_03_seat_name", [](std::uint8_t s) { return Make(op::kLobby, 0x03, 12).U8(7, s).Raw(8, "Ana"); }, 2},
    {"F1_04_seat_balance", [](std::uint8_t s) { return Make(op::kLobby, 0x04, 12).U8(7, s).U32(8, 40); }, 1},
    {"F1_05_plate_number", [](std::uint8_t s) { return Make(op::kLobby, 0x05, 9).U8(7, s).U8(8, 7); }, 2},
    {"F2_02_revealed_cards", [](std::uint8_t s) { return Make(op::kSignal, 0x02, 32).U8(7, s).U8(8, 3); }, 2},
    {"F2_03_revealed_group", [](std::uint8_t s) { return Make(op::kSignal, 0x03, 32).U8(7, s); }, 2},
};

void PrintTo(const SeatCase& c, std::ostream* os) { *os << c.name; }

class SeatTest : public HandlerTest, public ::testing::WithParamInterface<SeatCase> {};

TEST_P(SeatTest, SeatThreeOrMoreIsIgnored) {
    const SeatCase& c = GetParam();
    PrepareClient();
    const ClientSnapshot before = TakeSnapshot();
    for (const std::uint8_t seat : {3, 4, 200, 255}) {
        c.build(seat).Dispatch();
        EXPECT_TRUE(TakeSnapshot() == before) << "seat " << int(seat);
    }
    c.build(c.actingSeat).Dispatch();
    EXPECT_FALSE(TakeSnapshot() == before) << "seat " << int(c.actingSeat) << " should act";
}

INSTANTIATE_TEST_SUITE_P(SeatEvents, SeatTest, ::testing::ValuesIn(kSeatPackets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PacketRule, SeatBytesAndCountsOfThePlayPacketsAreChecked) {
    struct Case {
        const char* what;
        net::PacketRule rule;
        std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
        std::size_t length;
        bool accepted;
    };
    const Case cases[] = {
        {"meld, both seats real", rx::meld_with_discard::kRule, {{8, 2}, {9, 0}, {12, 2}}, 18, true},
        {"meld, giving seat 3", rx::meld_with_discard::kRule, {{8, 2}, {9, 3}, {12, 2}}, 18, false},
        {"meld, melding seat 3", rx::meld_with_discard::kRule, {{8, 3}, {9, 0}, {12, 2}}, 18, false},
        {"meld, count beyond the frame", rx::meld_with_discard::kRule, {{12, 3}}, 18, false},
        {"lay-off, owner 5", rx::lay_off::kRule, {{8, 0}, {9, 5}, {10, 1}}, 14, false},
        {"lay-off, zero cards", rx::lay_off::kRule, {{10, 0}}, 12, true},
        {"group, 200 cards promised", rx::group::kRule, {{12, 0}, {13, 200}}, 22, false},
        {"group, three cards", rx::group::kRule, {{12, 0}, {13, 3}}, 22, true},
        {"history, one entry short", rx::history::kRule, {{7, 2}}, 8 + 28 * 2 - 1, false},
        {"table types, count 0", rx::table_type_names::kRule, {{7, 0}}, 8, true},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> frame(c.length);
        for (const auto& [at, v] : c.bytes) frame[at] = v;
        EXPECT_EQ(net::Satisfies(c.rule, frame.data(), frame.size()), c.accepted) << c.what;
    }
}

// ---- Unknown packets ------------------------------------------------------------------------------

TEST_F(HandlerTest, UnknownOpcodesAndSubCodesChangeNothingAndLaterFramesStillWork) {
    PrepareClient();
    const ClientSnapshot before = TakeSnapshot();
    const std::pair<std::uint8_t, std::uint8_t> unknown[] = {
        {op::kLobby, 0x0F}, {op::kLobby, 0x10}, {op::kLobby, 0xFF}, {op::kSignal, 0x01}, {op::kSignal, 0x0F},
        {op::kPlay, 0x0C},  {op::kWallet, 0x03}, {op::kWallet, 0x04}, {0xF5, 0x00},     {0x00, 0x00},
    };
    for (const auto& [opcode, sub] : unknown) {
        // A short frame whose opcode byte says what the dispatcher is told.
        std::vector<std::uint8_t> bytes = FrameBuilder(op::kLobby, sub, 64).U8(7, 1).U8(8, 1).Bytes();
        bytes[4] = opcode;
        net::DispatchPacket(opcode, bytes.data(), bytes.size());
        EXPECT_TRUE(TakeSnapshot() == before) << std::hex << int(opcode) << "/" << int(sub);
    }
    net::DispatchPacket(op::kLobby, nullptr, 0);
    EXPECT_TRUE(TakeSnapshot() == before);
    Make(op::kLobby, rx::stock_count::kSub, 8).U8(7, 9).Dispatch();
    EXPECT_EQ(table::Model().stockCount, 9);
}

TEST_F(HandlerTest, ListWhoseCountPromisesMoreThanTheFrameHoldsIsIgnoredWhole) {
    Make(op::kLobby, rx::history::kSub, 8 + 28).U8(7, 1).I32(8, 11).Dispatch();
    ASSERT_EQ(net::Merchant().history.size(), 1u);
    // Three entries promised, two present: none of them is taken.
    Make(op::kLobby, rx::history::kSub, 8 + 28 * 2).U8(7, 3).I32(8, 21).I32(36, 22).Dispatch();
    ASSERT_EQ(net::Merchant().history.size(), 1u);
    EXPECT_EQ(net::Merchant().history[0].first, 11);
}

}  // namespace

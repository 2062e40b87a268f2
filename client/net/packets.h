// The packet catalogue: every packet the client reads or sends, by opcode and
// sub-code, with its length and the named offset of each field.
//
//   opcodes        the four families
//   PacketRule     how much of a received frame its handler reads
//   rx::           server -> client, one namespace per packet
//   tx::           client -> server, one namespace per packet
//
// Offsets count from the frame's first byte (the 0xC1 / 0xC2 marker), so a short
// frame's payload starts at 7 and a long frame's at 5 (wire/frame.h). Integers are
// little-endian; a text[n] field holds a NUL-terminated string in n bytes. A card
// is two bytes, suit then rank; a "run" of k cards is k suit bytes followed by the
// k matching rank bytes.
//
// A packet is named by opcode and sub-code in hexadecimal: F2/07 is opcode 0xF2,
// sub-code 0x07. Incoming and outgoing packets share sub-code numbers but not
// meanings (F1/00 is the own hand from the server and the mobile sign-in to it).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace net {

// ---- Opcodes ------------------------------------------------------------------------
namespace op {
inline constexpr std::uint8_t kLobby = 0xF1;    // account, lobby and table state (short frames)
inline constexpr std::uint8_t kSignal = 0xF2;   // sign-in, notices and table signals (short frames)
inline constexpr std::uint8_t kPlay = 0xF3;     // table plays (short frames)
inline constexpr std::uint8_t kWallet = 0xF4;   // wallet transfers (long frames, both directions)
}  // namespace op

// ---- What a handler reads -----------------------------------------------------------
// The dispatcher checks a received frame against its packet's rule before the
// handler runs: the frame must hold `fixed` bytes, plus `entrySize` bytes for each
// of the entries the count byte at `countAt` promises, and every seat byte named
// in `seatAt` must name one of the three seats. A frame that fails is ignored
// whole: a shorter frame would otherwise be read as stale bytes, and a seat of 3
// or more would index past the three seat records.
inline constexpr int kNoField = -1;

struct PacketRule {
    std::size_t fixed = 0;                          // bytes read whatever the count
    int countAt = kNoField;                         // u8 entry count, or kNoField
    std::size_t entrySize = 0;                      // bytes per counted entry
    std::array<int, 2> seatAt{kNoField, kNoField};  // offsets of u8 seat numbers that must be 0..2
};

inline constexpr std::uint8_t kSeatLimit = 3;   // seat numbers run 0..2

// Whether a frame of `length` bytes whose bytes are `frame` satisfies the rule.
bool Satisfies(const PacketRule& rule, const std::uint8_t* frame, std::size_t length);

// =====================================================================================
// Server -> client
// =====================================================================================
namespace rx {

// ---- F1: account, lobby and table state -------------------------------------------

namespace own_hand {                              // F1/00: the local hand, as dealt
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kCount = 8;           // u8 cards held (at most kMaxCards)
inline constexpr std::size_t kSuits = 9;           // u8 x 13: suits of cards 0..12
inline constexpr std::size_t kRanks = 22;          // u8 x 13: ranks of cards 0..12
inline constexpr std::size_t kMaxCards = 13;       // slots in the packet
inline constexpr PacketRule kRule{35};
}  // namespace own_hand

namespace stock_count {                           // F1/01: cards left in the stock
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kCount = 7;           // u8
inline constexpr PacketRule kRule{8};
}  // namespace stock_count

namespace turn {                                  // F1/02: whose turn, and the screen to show
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kSeat = 7;            // u8 seat whose turn it is
inline constexpr std::size_t kDuration = 8;        // u32 turn duration, ms
inline constexpr std::size_t kPhase = 12;          // u8 table phase: selects the screen
inline constexpr std::size_t kCrownSeat = 16;      // i32 seat that shows the crown
inline constexpr std::size_t kHits = 24;           // u32 hits, widened to 64 bits
inline constexpr std::size_t kStay = 28;           // u32 1 = no screen change
inline constexpr std::uint32_t kStayValue = 1;
inline constexpr std::uint8_t kPhasePlayFirst = 1;   // phases 1..4 and 7 show the table
inline constexpr std::uint8_t kPhasePlayLast = 4;
inline constexpr std::uint8_t kPhasePlayLate = 7;
inline constexpr std::uint8_t kPhaseOverA = 8;       // phases 8 and 9 clear the table and go home
inline constexpr std::uint8_t kPhaseOverB = 9;
inline constexpr PacketRule kRule{32};
}  // namespace turn

namespace seat_name {                             // F1/03: a seat's player name
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kName = 8;            // NUL-terminated text to the frame's end
inline constexpr PacketRule kRule{8, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace seat_name

namespace seat_balance {                          // F1/04: a seat's balance
inline constexpr std::uint8_t kSub = 0x04;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kBalance = 8;         // u32
inline constexpr PacketRule kRule{12, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace seat_balance

namespace plate_number {                          // F1/05: the number beside an opponent's name
inline constexpr std::uint8_t kSub = 0x05;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kValue = 8;           // u8
inline constexpr PacketRule kRule{9, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace plate_number

namespace reset {                                 // F1/06: clear the round
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr PacketRule kRule{7};
}  // namespace reset

namespace round_countdown {                       // F1/07: the round-end countdown bar
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kDuration = 8;        // u32 ms
inline constexpr PacketRule kRule{12};
}  // namespace round_countdown

namespace fight_button {                          // F1/08: show or hide the fight button
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kShow = 7;            // u8 non-zero = show
inline constexpr PacketRule kRule{8};
}  // namespace fight_button

namespace code_prompt {                           // F1/09: ask for the one-time code
inline constexpr std::uint8_t kSub = 0x09;
inline constexpr std::size_t kShow = 7;            // u8 1 = show the code entry
inline constexpr std::uint8_t kShowValue = 1;
inline constexpr PacketRule kRule{8};
}  // namespace code_prompt

namespace table_type_names {                      // F1/0A: the table types the server offers
inline constexpr std::uint8_t kSub = 0x0A;
inline constexpr std::size_t kCount = 7;           // u8 entries
inline constexpr std::size_t kEntries = 8;         // first entry
inline constexpr std::size_t kEntrySize = 11;
inline constexpr std::size_t kEntryKey = 0;        // u8 table-type key (within an entry)
inline constexpr std::size_t kEntryName = 1;       // text[10] name (within an entry)
inline constexpr std::size_t kEntryNameWidth = 10;
inline constexpr PacketRule kRule{kEntries, static_cast<int>(kCount), kEntrySize};
}  // namespace table_type_names

namespace go_home {                               // F1/0B: show the home screen
inline constexpr std::uint8_t kSub = 0x0B;
inline constexpr std::size_t kShow = 7;            // u8 1 = go home
inline constexpr std::uint8_t kShowValue = 1;
inline constexpr PacketRule kRule{8};
}  // namespace go_home

namespace referrer {                              // F1/0C: who referred this account
inline constexpr std::uint8_t kSub = 0x0C;
inline constexpr std::size_t kUserId = 8;          // u32; 0 = none
inline constexpr PacketRule kRule{12};
}  // namespace referrer

namespace server_counters {                       // F1/0D: what a master agent sees of the server
inline constexpr std::uint8_t kSub = 0x0D;
inline constexpr std::size_t kPlayersOnline = 8;   // u16
inline constexpr std::size_t kBotsOnline = 10;     // u8 (byte 11 is not read)
inline constexpr std::size_t kPlayersPlaying = 12; // u16
inline constexpr std::size_t kPlayersWaiting = 14; // u8 (byte 15 is not read)
inline constexpr std::size_t kBotWins = 16;        // u16
inline constexpr std::size_t kBotLosses = 18;      // u16
inline constexpr PacketRule kRule{20};
}  // namespace server_counters

namespace history {                               // F1/0E: the agent's transfer history
inline constexpr std::uint8_t kSub = 0x0E;
inline constexpr std::size_t kCount = 7;           // u8 entries
inline constexpr std::size_t kEntries = 8;         // first entry
inline constexpr std::size_t kEntrySize = 28;
inline constexpr std::size_t kEntryFirst = 0;      // i32 (within an entry)
inline constexpr std::size_t kEntrySecond = 4;     // i32 (within an entry)
inline constexpr std::size_t kEntryText = 8;       // text[20] (within an entry)
inline constexpr std::size_t kEntryTextWidth = 20;
inline constexpr PacketRule kRule{kEntries, static_cast<int>(kCount), kEntrySize};
}  // namespace history

// F1/0F, table-type counters (8 + 6 x N bytes), is accepted and not used: no
// screen of this client shows its records.
namespace table_type_counters {
inline constexpr std::uint8_t kSub = 0x0F;
}  // namespace table_type_counters

// ---- F2: sign-in, notices and table signals ---------------------------------------

namespace notice {                                // F2/00: a message from the server
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kKind = 7;            // u8, stored with the notice
inline constexpr std::size_t kStyle = 8;           // u8 notice style
inline constexpr std::size_t kText = 9;            // NUL-terminated text to the frame's end
inline constexpr PacketRule kRule{9};
}  // namespace notice

// F2/01, keepalive (7 bytes, no payload), is ignored.
namespace keepalive {
inline constexpr std::uint8_t kSub = 0x01;
}  // namespace keepalive

namespace revealed_cards {                        // F2/02: a seat's loose cards at round end
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kSuits = 8;           // 12-card run: suits 8..19, ranks 20..31
inline constexpr std::size_t kRanks = 20;
inline constexpr std::size_t kRunCards = 12;
inline constexpr PacketRule kRule{32, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace revealed_cards

namespace revealed_group {                        // F2/03: one of a seat's groups at round end
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kSuits = 8;           // 12-card run as in F2/02
inline constexpr std::size_t kRanks = 20;
inline constexpr std::size_t kRunCards = 12;
inline constexpr PacketRule kRule{32, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace revealed_group

namespace sound {                                 // F2/04: play a sound
inline constexpr std::uint8_t kSub = 0x04;
inline constexpr std::size_t kWhich = 7;           // u8
inline constexpr std::uint8_t kError = 0;          // error.wav
inline constexpr std::uint8_t kWinFirst = 1;       // 1..3: win.wav (second copy)
inline constexpr std::uint8_t kWinLast = 3;
inline constexpr std::uint8_t kLost = 4;           // lost.wav
inline constexpr PacketRule kRule{8};
}  // namespace sound

namespace seat_bytes {                            // F2/05: one status byte per seat; ends a table reset
inline constexpr std::uint8_t kSub = 0x05;
inline constexpr std::size_t kStatus = 7;          // u8 x 3: seats 0, 1, 2
inline constexpr PacketRule kRule{10};
}  // namespace seat_bytes

namespace table_set_up {                          // F2/06: the local seat and how to show the table
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr std::size_t kResetFlag = 7;       // u8 1 = clear the round and lay the table out
inline constexpr std::size_t kOwnSeat = 8;         // u8 0..2; larger keeps the old seat
inline constexpr std::size_t kResume = 9;          // u8 non-zero = a running game is replayed
inline constexpr std::size_t kCurrency = 10;       // u8 0 or 1: which own plate
inline constexpr std::uint8_t kResetValue = 1;
inline constexpr PacketRule kRule{11};
}  // namespace table_set_up

namespace token_assignment {                      // F2/07: the session token to keep, or none
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kMode = 7;            // u8 0 = clear, else set
inline constexpr std::size_t kToken = 8;           // text[33]: 32 characters and the terminator
inline constexpr std::size_t kTokenWidth = 33;
inline constexpr std::uint8_t kModeClear = 0;
inline constexpr PacketRule kRule{41};
}  // namespace token_assignment

namespace round_result {                          // F2/08: the round's winner and scores
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kWinner = 7;          // u8 winner seat
inline constexpr std::size_t kHitsAwarded = 8;     // u32
inline constexpr std::size_t kSeatResults = 12;    // three 20-byte records, seats 0, 1, 2
inline constexpr std::size_t kSeatResultSize = 20;
// Within one seat record (bytes 1..3 are not used):
inline constexpr std::size_t kResCards = 0;        // u8 cards still held
inline constexpr std::size_t kResBase = 4;         // u16 each from here on
inline constexpr std::size_t kResQuadra = 6;
inline constexpr std::size_t kResRoyal = 8;
inline constexpr std::size_t kResAce = 10;
inline constexpr std::size_t kResKing = 12;
inline constexpr std::size_t kResJoker = 14;
inline constexpr std::size_t kResFight = 16;
inline constexpr std::size_t kResBurned = 18;
inline constexpr PacketRule kRule{72};
}  // namespace round_result

namespace login_result {                          // F2/09: the answer to a token login
inline constexpr std::uint8_t kSub = 0x09;
inline constexpr std::size_t kResult = 7;          // u8 1..7
inline constexpr std::size_t kECoins = 28;         // f32, read for result 1 only
inline constexpr std::size_t kJewels = 32;         // f32, read for result 1 only
inline constexpr std::uint8_t kHome = 1;           // balances, then home
inline constexpr std::uint8_t kTable = 2;          // back to a running table
inline constexpr std::uint8_t kWaiting = 3;        // waiting for players (deadline kept)
inline constexpr std::uint8_t kDrop = 4;           // drop the connection; the timer logs in again
inline constexpr std::uint8_t kBlank5 = 5;         // server-directed blank screen 5
inline constexpr std::uint8_t kWaitingAgain = 6;   // waiting for players (deadline kept)
inline constexpr std::uint8_t kBlank0 = 7;         // server-directed blank screen 0
inline constexpr PacketRule kRule{36};
}  // namespace login_result

namespace account_profile {                       // F2/0A: the signed-in account
inline constexpr std::uint8_t kSub = 0x0A;
// Three text[30] fields at 7, 50 and 80 are not used.
inline constexpr std::size_t kMobile = 37;         // text[13]
inline constexpr std::size_t kMobileWidth = 13;
inline constexpr std::size_t kNickname = 110;      // text[10]
inline constexpr std::size_t kNicknameWidth = 10;
inline constexpr std::size_t kUserId = 120;        // i32
inline constexpr std::size_t kReferrerId = 124;    // u32
inline constexpr std::size_t kECoins = 128;        // f32
inline constexpr std::size_t kJewels = 132;        // f32
inline constexpr std::size_t kMasterAgent = 136;   // u8, set only when exactly 1
inline constexpr std::size_t kEarned = 140;        // f32
inline constexpr std::size_t kPromoECoins = 144;   // f32
inline constexpr std::size_t kAgent = 148;         // u8, set whenever non-zero
inline constexpr std::size_t kAgentECoins = 152;   // f32
inline constexpr std::size_t kFreeSpin = 156;      // u8, set only when exactly 1
inline constexpr std::uint8_t kFlagSet = 1;
inline constexpr PacketRule kRule{157};
}  // namespace account_profile

namespace waiting_progress {                      // F2/0B: players gathered for a new table
inline constexpr std::uint8_t kSub = 0x0B;
inline constexpr std::size_t kCount = 7;           // u8 0..3
inline constexpr std::int32_t kFull = 3;           // the count that fills the bar
inline constexpr PacketRule kRule{8};
}  // namespace waiting_progress

namespace reveal {                                // F2/0C: round over, show the opponents' cards
inline constexpr std::uint8_t kSub = 0x0C;
inline constexpr PacketRule kRule{7};
}  // namespace reveal

namespace spin_result {                           // F2/0D: where the prize wheel stops
inline constexpr std::uint8_t kSub = 0x0D;
inline constexpr std::size_t kFirst = 7;           // u8, passed second to the wheel
inline constexpr std::size_t kSecond = 8;          // u8, passed first to the wheel
inline constexpr std::size_t kValue = 12;          // u32
inline constexpr PacketRule kRule{16};
}  // namespace spin_result

namespace sound_and_screen {                      // F2/0E: a round-end sound, maybe the nickname screen
inline constexpr std::uint8_t kSub = 0x0E;
inline constexpr std::size_t kMode = 7;            // u8
inline constexpr std::uint8_t kLost = 0;           // lost.wav
inline constexpr std::uint8_t kWin = 1;            // win.wav (first copy)
inline constexpr std::uint8_t kWinThenNickname = 2;   // win.wav (first copy), then the nickname screen
inline constexpr PacketRule kRule{8};
}  // namespace sound_and_screen

// ---- F3: table plays -----------------------------------------------------------------

namespace card_from_stock {                       // F3/00: a card leaves the stock
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kSeat = 7;            // u8 receiving seat
inline constexpr std::size_t kKind = 8;            // u8 1 = initial deal, other = draw
inline constexpr std::size_t kCard = 9;            // card; suit 0 = not shown to this client
inline constexpr std::uint8_t kInitialDeal = 1;
inline constexpr PacketRule kRule{11, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace card_from_stock

namespace discard {                               // F3/01: a seat discards
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kSeat = 7;            // u8 seat
inline constexpr std::size_t kTag = 8;             // u8 stored beside the card
inline constexpr std::size_t kCard = 9;            // card
inline constexpr PacketRule kRule{11, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace discard

namespace meld_with_discard {                     // F3/02: a meld that takes another seat's discard
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kMeldId = 7;          // u8
inline constexpr std::size_t kSeat = 8;            // u8 melding seat
inline constexpr std::size_t kGiver = 9;           // u8 seat whose pile gives the card
inline constexpr std::size_t kTaken = 10;          // card taken from the pile
inline constexpr std::size_t kCount = 12;          // u8 cards in the meld
inline constexpr std::size_t kCards = 14;          // card pairs
inline constexpr PacketRule kRule{kCards, static_cast<int>(kCount), 2,
                                  {static_cast<int>(kSeat), static_cast<int>(kGiver)}};
}  // namespace meld_with_discard

namespace meld_from_hand {                        // F3/03: a meld laid from the hand
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kMeldId = 7;          // u8
inline constexpr std::size_t kSeat = 8;            // u8
inline constexpr std::size_t kPlaceAtOnce = 9;     // u8 1 = no slide
inline constexpr std::size_t kCount = 10;          // u8
inline constexpr std::size_t kCards = 12;          // card pairs
inline constexpr PacketRule kRule{kCards, static_cast<int>(kCount), 2, {static_cast<int>(kSeat), kNoField}};
}  // namespace meld_from_hand

namespace lay_off {                               // F3/04: cards laid off onto a meld (sapaw)
inline constexpr std::uint8_t kSub = 0x04;
inline constexpr std::size_t kMeldId = 7;          // u8
inline constexpr std::size_t kPlayer = 8;          // u8 seat that plays the cards
inline constexpr std::size_t kOwner = 9;           // u8 seat that owns the meld
inline constexpr std::size_t kCount = 10;          // u8; 0 = ignored
inline constexpr std::size_t kCards = 12;          // card pairs
inline constexpr PacketRule kRule{kCards, static_cast<int>(kCount), 2,
                                  {static_cast<int>(kPlayer), static_cast<int>(kOwner)}};
}  // namespace lay_off

namespace group {                                 // F3/05: hand cards grouped
inline constexpr std::uint8_t kSub = 0x05;
inline constexpr std::size_t kGroupId = 8;         // i32
inline constexpr std::size_t kSeat = 12;           // u8
inline constexpr std::size_t kCount = 13;          // u8; fewer than 3 = ignored
inline constexpr std::size_t kCards = 16;          // card pairs
inline constexpr PacketRule kRule{kCards, static_cast<int>(kCount), 2, {static_cast<int>(kSeat), kNoField}};
}  // namespace group

namespace ungroup {                               // F3/06: a group back into the hand
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr std::size_t kGroupId = 7;         // u8 (the group's id is 32 bits: ids of 256+ never match)
inline constexpr std::size_t kSeat = 8;            // u8
inline constexpr PacketRule kRule{9, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace ungroup

namespace fight {                                 // F3/07: a seat calls fight
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kSeat = 7;            // u8 fighting seat
inline constexpr PacketRule kRule{8, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace fight

namespace fight_conditional {                     // F3/08: as F3/07 when its flag is 1
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kSeat = 7;            // u8 fighting seat
inline constexpr std::size_t kActs = 8;            // u8 1 = acts as F3/07, else ignored
inline constexpr std::uint8_t kActsValue = 1;
inline constexpr PacketRule kRule{9, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace fight_conditional

namespace table_reset {                           // F3/09: clear the round and lock input
inline constexpr std::uint8_t kSub = 0x09;
inline constexpr PacketRule kRule{7};
}  // namespace table_reset

namespace emoji {                                 // F3/0A: a seat sends an emoji
inline constexpr std::uint8_t kSub = 0x0A;
inline constexpr std::size_t kSeat = 7;            // u8
inline constexpr std::size_t kIndex = 8;           // u8; 7 or more = ignored
inline constexpr PacketRule kRule{9, kNoField, 0, {static_cast<int>(kSeat), kNoField}};
}  // namespace emoji

namespace play_banner {                           // F3/0B: "hit", "sagasa" or "blocked" banner
inline constexpr std::uint8_t kSub = 0x0B;
inline constexpr std::size_t kName = 7;            // text[20] player name
inline constexpr std::size_t kNameWidth = 20;
inline constexpr std::size_t kKind = 27;           // u8 1, 2 or 3
inline constexpr PacketRule kRule{28};
}  // namespace play_banner

// ---- F4: wallet replies (long frames) ------------------------------------------------

namespace add_ecoins_reply {                      // F4/01: the answer to an add-eCoins request
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kAmount = 8;          // i32
inline constexpr std::size_t kAgentBalance = 16;   // f32 the agent's new balance
inline constexpr std::size_t kTarget = 24;         // u8 0 = player eCoins, 1 = agent eCoins
inline constexpr std::size_t kResult = 25;         // u8 0 = failed, 1 = done
inline constexpr std::size_t kUserId = 28;         // u32
inline constexpr std::uint8_t kTargetPlayer = 0;
inline constexpr std::uint8_t kTargetAgent = 1;
inline constexpr std::uint8_t kFailed = 0;
inline constexpr std::uint8_t kDone = 1;
inline constexpr PacketRule kRule{32};
}  // namespace add_ecoins_reply

namespace cash_out_reply {                        // F4/02: the answer to a cash-out request
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kQuiet = 5;           // u8 non-zero silences results 0..2
inline constexpr std::size_t kAmount = 8;          // i32
inline constexpr std::size_t kBalance = 12;        // f32 balance after the cash-out
inline constexpr std::size_t kMinimum = 20;        // i32 smallest amount that can be cashed out
inline constexpr std::size_t kResult = 24;         // u8
inline constexpr std::uint8_t kFailed = 0;
inline constexpr std::uint8_t kDone = 1;
inline constexpr std::uint8_t kBelowMinimum = 2;
inline constexpr std::uint8_t kRefusedPlaying = 3;
inline constexpr PacketRule kRule{25};
}  // namespace cash_out_reply

}  // namespace rx

// =====================================================================================
// Client -> server
// =====================================================================================
namespace tx {

// ---- F1 ---------------------------------------------------------------------------------

namespace mobile_sign_in {                        // F1/00: sign in with a mobile number
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kLength = 20;
inline constexpr std::size_t kMobile = 7;          // text[13]
inline constexpr std::size_t kMobileWidth = 13;
}  // namespace mobile_sign_in

namespace token_login {                           // F1/01: sign in with the session token
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kLength = 42;
inline constexpr std::size_t kToken = 7;           // the 32 token characters
inline constexpr std::size_t kTerminator = 39;     // 0, the token's terminator
inline constexpr std::size_t kMarker = 40;         // u8 always kMarkerValue
inline constexpr std::uint8_t kMarkerValue = 36;
}  // namespace token_login

namespace table_request {                         // F1/03: create or join a table
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kLength = 16;
inline constexpr std::size_t kMode = 7;            // u8 1 = create (keys 0..4); 0 = join / keys 5..9
inline constexpr std::size_t kKey = 8;             // u8 table-type key (key - 5 for keys 5..9)
inline constexpr std::size_t kFlag = 9;            // u8 1 (0 for keys 5..9)
inline constexpr std::size_t kFriendCode = 12;     // i32, 0 unless joining by friend code
}  // namespace table_request

namespace leave_waiting {                         // F1/05: leave the waiting screen
inline constexpr std::uint8_t kSub = 0x05;
inline constexpr std::size_t kLength = 8;
}  // namespace leave_waiting

namespace one_time_code {                         // F1/06: the typed one-time code
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kCode = 8;            // i32
}  // namespace one_time_code

namespace referral_id {                           // F1/07: the typed referrer's ID
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kUserId = 8;          // i32
}  // namespace referral_id

namespace set_nickname {                          // F1/08: choose a nickname
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kLength = 16;
inline constexpr std::size_t kNickname = 7;        // text[9]
inline constexpr std::size_t kNicknameWidth = 9;
}  // namespace set_nickname

// ---- F2 ---------------------------------------------------------------------------------

namespace move_card {                             // F2/00: move a hand card onto another
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kDragged = 8;         // card
inline constexpr std::size_t kTarget = 10;         // card it was dropped on
}  // namespace move_card

namespace keepalive {                             // F2/01
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kLength = 8;
}  // namespace keepalive

namespace report {                                // F2/02: the local hand or a pile changed
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kLength = 8;
}  // namespace report

namespace deal_done {                             // F2/03: the initial deal has landed
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kLength = 8;
inline constexpr std::size_t kDone = 7;            // u8 1
}  // namespace deal_done

namespace resume_ack {                            // F2/06: the replayed game is shown
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kSeat = 8;            // u8 own seat
inline constexpr std::size_t kAck = 9;             // u8 1
}  // namespace resume_ack

namespace wheel_request {                         // F2/07: open or spin the prize wheel
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kLength = 8;
inline constexpr std::size_t kKind = 7;            // u8
inline constexpr std::uint8_t kOpen = 4;
inline constexpr std::uint8_t kSpin = 8;
}  // namespace wheel_request

namespace wheel_stop {                            // F2/08: where the wheel was stopped
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kValue = 8;           // i32
}  // namespace wheel_stop

// ---- F3 ---------------------------------------------------------------------------------

namespace draw {                                  // F3/00: draw from the stock
inline constexpr std::uint8_t kSub = 0x00;
inline constexpr std::size_t kLength = 8;
}  // namespace draw

namespace discard {                               // F3/01: discard one card
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kLength = 10;
inline constexpr std::size_t kCard = 7;
}  // namespace discard

namespace meld_with_discard {                     // F3/02: meld with a clicked discard
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kFixed = 12;          // length = kFixed + 2 x N
inline constexpr std::size_t kGiver = 7;           // u8 seat whose pile was clicked
inline constexpr std::size_t kTaken = 8;           // the clicked discard
inline constexpr std::size_t kCount = 10;          // u8
inline constexpr std::size_t kCards = 12;
}  // namespace meld_with_discard

namespace meld_from_hand {                        // F3/03: meld the selected cards
inline constexpr std::uint8_t kSub = 0x03;
inline constexpr std::size_t kFixed = 8;
inline constexpr std::size_t kCount = 7;           // u8
inline constexpr std::size_t kCards = 8;
}  // namespace meld_from_hand

namespace lay_off {                               // F3/04: lay the selected cards off onto a meld
inline constexpr std::uint8_t kSub = 0x04;
inline constexpr std::size_t kFixed = 10;
inline constexpr std::size_t kOwner = 7;           // u8 owner seat (the incoming packet puts the meld id first)
inline constexpr std::size_t kMeldId = 8;          // u8
inline constexpr std::size_t kCount = 9;           // u8
inline constexpr std::size_t kCards = 10;
}  // namespace lay_off

namespace group {                                 // F3/05: group the selected cards
inline constexpr std::uint8_t kSub = 0x05;
inline constexpr std::size_t kFixed = 8;
inline constexpr std::size_t kCount = 7;           // u8
inline constexpr std::size_t kCards = 8;
}  // namespace group

namespace ungroup {                               // F3/06: break the selected group up
inline constexpr std::uint8_t kSub = 0x06;
inline constexpr std::size_t kLength = 12;
inline constexpr std::size_t kGroupId = 8;         // u32
}  // namespace ungroup

namespace fight {                                 // F3/07: call fight first
inline constexpr std::uint8_t kSub = 0x07;
inline constexpr std::size_t kLength = 8;
}  // namespace fight

namespace fight_second {                          // F3/08: call fight after another seat
inline constexpr std::uint8_t kSub = 0x08;
inline constexpr std::size_t kLength = 8;
inline constexpr std::size_t kSecond = 7;          // u8 1
}  // namespace fight_second

namespace send_emoji {                            // F3/09: send an emoji to the table
inline constexpr std::uint8_t kSub = 0x09;
inline constexpr std::size_t kLength = 8;
inline constexpr std::size_t kIndex = 7;           // u8
}  // namespace send_emoji

// ---- F4 (long frames) -------------------------------------------------------------------

namespace add_ecoins {                            // F4/01: an agent adds eCoins to a user
inline constexpr std::uint8_t kSub = 0x01;
inline constexpr std::size_t kLength = 20;
inline constexpr std::size_t kUserId = 8;          // i32
inline constexpr std::size_t kAmount = 12;         // i32
}  // namespace add_ecoins

namespace cash_out {                              // F4/02: cash eCoins out to an e-wallet
inline constexpr std::uint8_t kSub = 0x02;
inline constexpr std::size_t kLength = 36;
inline constexpr std::size_t kMobile = 5;          // text[20] e-wallet number
inline constexpr std::size_t kMobileWidth = 20;
inline constexpr std::size_t kAmount = 28;         // i32
}  // namespace cash_out

namespace cash_in {                               // F4/04: an agent cashes eCoins in for a user
inline constexpr std::uint8_t kSub = 0x04;
inline constexpr std::size_t kLength = 20;
inline constexpr std::size_t kUserId = 8;          // i32
inline constexpr std::size_t kAmount = 12;         // i32
}  // namespace cash_in

}  // namespace tx

}  // namespace net

// The table events that only store fields into the model. The dispatcher has
// checked each frame's length and seat bytes; the reads still go through the
// bounds-checked reader, so a handler called on its own never reads past a frame.
#include <algorithm>

#include "gfx/button.h"
#include "gfx/sound.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "net/packets.h"
#include "platform/clock.h"
#include "shell/screen_state.h"
#include "table/events.h"
#include "table/model.h"
#include "wire/frame.h"

namespace table {
namespace {

namespace rx = net::rx;

constexpr std::uint32_t kBalanceJumpLimit = 10000;   // a rise this large over a known balance is not believed
constexpr std::uint32_t kResultsShowMs = 7500;       // the round result panel's lifetime

std::uint8_t ByteAt(const wire::FrameReader& f, std::size_t offset) {
    std::uint8_t v = 0;
    f.U8(offset, v);
    return v;
}

bool IsSeat(std::int32_t seat) { return seat >= 0 && seat < kSeatCount; }

// The cards of a 12-card run (suits, then ranks) whose suit is not 0.
std::vector<Card> RunCards(const wire::FrameReader& f, std::size_t suits, std::size_t ranks, std::size_t count) {
    std::vector<Card> cards;
    for (std::size_t i = 0; i < count; ++i) {
        Card c{ByteAt(f, suits + i), ByteAt(f, ranks + i)};
        if (c.suit != kSuitNone) cards.push_back(c);
    }
    return cards;
}

}  // namespace

void OnOwnHand(const wire::FrameReader& f) {
    using namespace rx::own_hand;
    TableModel& m = Model();
    if (!f.Has(0, kRule.fixed)) return;
    // Without a seat there is no local lastDrawn to clear.
    if (IsSeat(m.localSeat)) m.seats[m.localSeat].lastDrawn = Card{};
    m.hand.clear();
    gfx::Buttons().clear();
    // The packet has room for 13 cards; a larger count cannot be meant.
    const std::size_t count = std::min<std::size_t>(ByteAt(f, kCount), kMaxCards);
    for (std::size_t i = 0; i < count; ++i) m.hand.push_back(Card{ByteAt(f, kSuits + i), ByteAt(f, kRanks + i)});
}

void OnStockCount(const wire::FrameReader& f) {
    std::uint8_t count = 0;
    if (f.U8(rx::stock_count::kCount, count)) Model().stockCount = count;
}

void OnTurn(const wire::FrameReader& f) {
    using namespace rx::turn;
    std::uint8_t seat = 0;
    std::uint32_t duration = 0, hits = 0;
    std::int32_t crown = 0;
    if (!f.U8(kSeat, seat) || !f.U32(kDuration, duration) || !f.I32(kCrownSeat, crown) || !f.U32(kHits, hits)) return;
    // A turn for no seat would point the turn bar at a plate that does not exist.
    if (seat >= net::kSeatLimit) return;
    TableModel& m = Model();
    m.turnSeat = seat;
    m.turnDuration = static_cast<std::int32_t>(duration);
    m.turnStart = platform::TicksMs();
    m.hits = static_cast<std::int64_t>(hits);
    m.crownSeat = crown;
    if (static_cast<std::int32_t>(seat) == m.localSeat) {
        gfx::Buttons().clear();
        gfx::PlaySound(gfx::SoundSlot::Turn);
    }
}

void OnSeatName(const wire::FrameReader& f) {
    using namespace rx::seat_name;
    std::uint8_t seat = 0;
    std::string name;
    if (!f.U8(kSeat, seat) || seat >= kSeatCount) return;
    // The name runs to its terminator or to the frame's end, whichever comes first.
    if (!f.Text(kName, f.Length() - std::min(f.Length(), kName), name)) return;
    Model().seatInfo[seat].name = std::move(name);
}

void OnSeatBalance(const wire::FrameReader& f) {
    using namespace rx::seat_balance;
    std::uint8_t seat = 0;
    std::uint32_t value = 0;
    if (!f.U8(kSeat, seat) || seat >= kSeatCount || !f.U32(kBalance, value)) return;
    TableModel& m = Model();
    SeatInfo& info = m.seatInfo[seat];
    const std::uint32_t old = info.balance;
    if (old != 0 && value > old && value - old >= kBalanceJumpLimit) return;
    if (static_cast<std::int32_t>(seat) == m.localSeat) info.balance = value;
}

void OnPlateNumber(const wire::FrameReader& f) {
    using namespace rx::plate_number;
    std::uint8_t seat = 0, value = 0;
    if (!f.U8(kSeat, seat) || seat >= kSeatCount || !f.U8(kValue, value)) return;
    Model().seatInfo[seat].plateCount = value;
}

void OnReset(const wire::FrameReader&) { ResetTable(); }

void OnRoundCountdown(const wire::FrameReader& f) {
    std::uint32_t duration = 0;
    if (!f.U32(rx::round_countdown::kDuration, duration)) return;
    TableModel& m = Model();
    m.roundTimerStart = platform::TicksMs();
    m.roundTimerDuration = duration;
}

void OnFightButton(const wire::FrameReader& f) {
    std::uint8_t show = 0;
    if (!f.U8(rx::fight_button::kShow, show)) return;
    Model().fightButtonVisible = show != 0;
    if (gfx::Sprite* s = gfx::FindSprite(gfx::kSpriteFightButton)) s->visible = show != 0;
}

void OnRevealedCards(const wire::FrameReader& f) {
    using namespace rx::revealed_cards;
    std::uint8_t seat = 0;
    if (!f.U8(kSeat, seat) || seat >= kSeatCount || !f.Has(0, kRule.fixed)) return;
    std::vector<Card>& shown = Model().seats[seat].revealedCards;
    for (const Card& c : RunCards(f, kSuits, kRanks, kRunCards)) shown.push_back(c);
}

void OnRevealedGroup(const wire::FrameReader& f) {
    using namespace rx::revealed_group;
    std::uint8_t seat = 0;
    if (!f.U8(kSeat, seat) || seat >= kSeatCount || !f.Has(0, kRule.fixed)) return;
    // A run of empty slots still adds its (empty) group.
    Model().seats[seat].revealedGroups.push_back(RunCards(f, kSuits, kRanks, kRunCards));
}

void OnSeatBytes(const wire::FrameReader& f) {
    using namespace rx::seat_bytes;
    if (!f.Has(kStatus, kSeatCount)) return;
    TableModel& m = Model();
    for (int s = 0; s < kSeatCount; ++s) m.seatInfo[s].statusByte = ByteAt(f, kStatus + s);
    shell::Shell().InputLock = false;
}

void OnTableSetUp(const wire::FrameReader& f) {
    using namespace rx::table_set_up;
    std::uint8_t reset = 0, seat = 0, resume = 0, currency = 0;
    if (!f.U8(kResetFlag, reset) || !f.U8(kOwnSeat, seat) || !f.U8(kResume, resume) ||
        !f.U8(kCurrency, currency)) {
        return;
    }
    TableModel& m = Model();
    if (reset == kResetValue) ResetTable();
    m.resumeMode = resume != 0;
    if (seat < kSeatCount) m.localSeat = seat;
    m.currencyMode = currency;
    if (reset == kResetValue) LayOutTable();
}

void OnRoundResult(const wire::FrameReader& f) {
    using namespace rx::round_result;
    if (!f.Has(0, kRule.fixed)) return;
    TableModel& m = Model();
    f.U8(kWinner, m.winnerSeat);
    f.U32(kHitsAwarded, m.hitsAwarded);
    for (int s = 0; s < kSeatCount; ++s) {
        const std::size_t at = kSeatResults + static_cast<std::size_t>(s) * kSeatResultSize;
        SeatResult& r = m.seatResults[s];
        f.U8(at + kResCards, r.cards);
        f.U16(at + kResBase, r.base);
        f.U16(at + kResQuadra, r.quadra);
        f.U16(at + kResRoyal, r.royal);
        f.U16(at + kResAce, r.ace);
        f.U16(at + kResKing, r.king);
        f.U16(at + kResJoker, r.joker);
        f.U16(at + kResFight, r.fight);
        f.U16(at + kResBurned, r.burned);
    }
    m.resultsUntil = static_cast<std::uint64_t>(platform::TicksMs()) + kResultsShowMs;
}

void OnReveal(const wire::FrameReader&) { Model().revealActive = true; }

void OnTableReset(const wire::FrameReader&) {
    ResetTable();
    // Input stays locked until the seat bytes (F2/05) arrive.
    shell::Shell().InputLock = true;
}

}  // namespace table

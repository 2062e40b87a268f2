#include "net/packets_out.h"

#include <algorithm>
#include <limits>
#include <string>

#include "net/packets.h"
#include "net/send.h"
#include "wire/frame.h"

namespace net {
namespace {

constexpr std::size_t kCardBytes = 2;   // suit, then rank
constexpr std::size_t kMaxListed = std::numeric_limits<std::uint8_t>::max();   // what a count byte states

// A zeroed frame with its header written.
struct Builder {
    OutFrame bytes;
    wire::FrameWriter w;

    Builder(wire::FrameKind kind, std::uint8_t opcode, std::uint8_t sub, std::size_t length)
        : bytes(length), w(kind, opcode, sub, bytes.data(), bytes.size()) {}

    void Text(std::size_t offset, std::size_t width, std::string_view text) {
        const std::string copy(text);   // the writer wants a terminated string
        w.Text(offset, width, copy.c_str());
    }
    void PutCard(std::size_t offset, table::Card c) {
        w.U8(offset, c.suit);
        w.U8(offset + 1, c.rank);
    }
    void Cards(std::size_t offset, std::span<const table::Card> cards) {
        for (std::size_t i = 0; i < cards.size(); ++i) PutCard(offset + i * kCardBytes, cards[i]);
    }
};

Builder Short(std::uint8_t opcode, std::uint8_t sub, std::size_t length) {
    return Builder(wire::FrameKind::Short, opcode, sub, length);
}
Builder Long(std::uint8_t sub, std::size_t length) {
    return Builder(wire::FrameKind::Long, op::kWallet, sub, length);
}

std::span<const table::Card> Listable(std::span<const table::Card> cards) {
    return cards.first(std::min(cards.size(), kMaxListed));
}

}  // namespace

bool SendPacket(const OutFrame& frame) { return SendFrame(frame.data(), frame.size()); }

// ---- F1 ------------------------------------------------------------------------------

OutFrame BuildMobileSignIn(std::string_view mobile) {
    using namespace tx::mobile_sign_in;
    Builder b = Short(op::kLobby, kSub, kLength);
    b.Text(kMobile, kMobileWidth, mobile);
    return std::move(b.bytes);
}

OutFrame BuildTokenLogin(std::string_view token) {
    using namespace tx::token_login;
    constexpr std::size_t kTokenChars = kTerminator - kToken;
    Builder b = Short(op::kLobby, kSub, kLength);
    const std::string_view chars = token.substr(0, kTokenChars);
    b.w.Bytes(kToken, reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size());
    b.w.U8(kTerminator, 0);
    b.w.U8(kMarker, kMarkerValue);
    return std::move(b.bytes);
}

OutFrame BuildTableRequest(std::uint8_t mode, std::uint8_t key, std::uint8_t flag, std::int32_t friendCode) {
    using namespace tx::table_request;
    Builder b = Short(op::kLobby, kSub, kLength);
    b.w.U8(kMode, mode);
    b.w.U8(kKey, key);
    b.w.U8(kFlag, flag);
    b.w.I32(kFriendCode, friendCode);
    return std::move(b.bytes);
}

OutFrame BuildLeaveWaiting() {
    return std::move(Short(op::kLobby, tx::leave_waiting::kSub, tx::leave_waiting::kLength).bytes);
}

OutFrame BuildOneTimeCode(std::int32_t code) {
    using namespace tx::one_time_code;
    Builder b = Short(op::kLobby, kSub, kLength);
    b.w.I32(kCode, code);
    return std::move(b.bytes);
}

OutFrame BuildReferralId(std::int32_t userId) {
    using namespace tx::referral_id;
    Builder b = Short(op::kLobby, kSub, kLength);
    b.w.I32(kUserId, userId);
    return std::move(b.bytes);
}

OutFrame BuildSetNickname(std::string_view nickname) {
    using namespace tx::set_nickname;
    Builder b = Short(op::kLobby, kSub, kLength);
    b.Text(kNickname, kNicknameWidth, nickname);
    return std::move(b.bytes);
}

// ---- F2 ------------------------------------------------------------------------------

OutFrame BuildMoveCard(table::Card dragged, table::Card target) {
    using namespace tx::move_card;
    Builder b = Short(op::kSignal, kSub, kLength);
    b.PutCard(kDragged, dragged);
    b.PutCard(kTarget, target);
    return std::move(b.bytes);
}

OutFrame BuildKeepalive() { return std::move(Short(op::kSignal, tx::keepalive::kSub, tx::keepalive::kLength).bytes); }

OutFrame BuildReport() { return std::move(Short(op::kSignal, tx::report::kSub, tx::report::kLength).bytes); }

OutFrame BuildDealDone() {
    using namespace tx::deal_done;
    Builder b = Short(op::kSignal, kSub, kLength);
    b.w.U8(kDone, 1);
    return std::move(b.bytes);
}

OutFrame BuildResumeAck(std::uint8_t ownSeat) {
    using namespace tx::resume_ack;
    Builder b = Short(op::kSignal, kSub, kLength);
    b.w.U8(kSeat, ownSeat);
    b.w.U8(kAck, 1);
    return std::move(b.bytes);
}

OutFrame BuildWheelRequest(std::uint8_t kind) {
    using namespace tx::wheel_request;
    Builder b = Short(op::kSignal, kSub, kLength);
    b.w.U8(kKind, kind);
    return std::move(b.bytes);
}

OutFrame BuildWheelStop(std::int32_t value) {
    using namespace tx::wheel_stop;
    Builder b = Short(op::kSignal, kSub, kLength);
    b.w.I32(kValue, value);
    return std::move(b.bytes);
}

// ---- F3 ------------------------------------------------------------------------------

OutFrame BuildDraw() { return std::move(Short(op::kPlay, tx::draw::kSub, tx::draw::kLength).bytes); }

OutFrame BuildDiscard(table::Card card) {
    using namespace tx::discard;
    Builder b = Short(op::kPlay, kSub, kLength);
    b.PutCard(kCard, card);
    return std::move(b.bytes);
}

OutFrame BuildMeldWithDiscard(std::uint8_t giverSeat, table::Card taken, std::span<const table::Card> cards) {
    using namespace tx::meld_with_discard;
    cards = Listable(cards);
    Builder b = Short(op::kPlay, kSub, kFixed + kCardBytes * cards.size());
    b.w.U8(kGiver, giverSeat);
    b.PutCard(kTaken, taken);
    b.w.U8(kCount, static_cast<std::uint8_t>(cards.size()));
    b.Cards(kCards, cards);
    return std::move(b.bytes);
}

OutFrame BuildMeldFromHand(std::span<const table::Card> cards) {
    using namespace tx::meld_from_hand;
    cards = Listable(cards);
    Builder b = Short(op::kPlay, kSub, kFixed + kCardBytes * cards.size());
    b.w.U8(kCount, static_cast<std::uint8_t>(cards.size()));
    b.Cards(kCards, cards);
    return std::move(b.bytes);
}

OutFrame BuildLayOff(std::uint8_t ownerSeat, std::uint8_t meldId, std::span<const table::Card> cards) {
    using namespace tx::lay_off;
    cards = Listable(cards);
    Builder b = Short(op::kPlay, kSub, kFixed + kCardBytes * cards.size());
    b.w.U8(kOwner, ownerSeat);
    b.w.U8(kMeldId, meldId);
    b.w.U8(kCount, static_cast<std::uint8_t>(cards.size()));
    b.Cards(kCards, cards);
    return std::move(b.bytes);
}

OutFrame BuildGroup(std::span<const table::Card> cards) {
    using namespace tx::group;
    cards = Listable(cards);
    Builder b = Short(op::kPlay, kSub, kFixed + kCardBytes * cards.size());
    b.w.U8(kCount, static_cast<std::uint8_t>(cards.size()));
    b.Cards(kCards, cards);
    return std::move(b.bytes);
}

OutFrame BuildUngroup(std::uint32_t groupId) {
    using namespace tx::ungroup;
    Builder b = Short(op::kPlay, kSub, kLength);
    b.w.U32(kGroupId, groupId);
    return std::move(b.bytes);
}

OutFrame BuildFight() { return std::move(Short(op::kPlay, tx::fight::kSub, tx::fight::kLength).bytes); }

OutFrame BuildFightSecond() {
    using namespace tx::fight_second;
    Builder b = Short(op::kPlay, kSub, kLength);
    b.w.U8(kSecond, 1);
    return std::move(b.bytes);
}

OutFrame BuildSendEmoji(std::uint8_t index) {
    using namespace tx::send_emoji;
    Builder b = Short(op::kPlay, kSub, kLength);
    b.w.U8(kIndex, index);
    return std::move(b.bytes);
}

// ---- F4 ------------------------------------------------------------------------------

OutFrame BuildAddECoins(std::int32_t userId, std::int32_t amount) {
    using namespace tx::add_ecoins;
    Builder b = Long(kSub, kLength);
    b.w.I32(kUserId, userId);
    b.w.I32(kAmount, amount);
    return std::move(b.bytes);
}

OutFrame BuildCashOut(std::string_view mobile, std::int32_t amount) {
    using namespace tx::cash_out;
    Builder b = Long(kSub, kLength);
    b.Text(kMobile, kMobileWidth, mobile);
    b.w.I32(kAmount, amount);
    return std::move(b.bytes);
}

OutFrame BuildCashIn(std::int32_t userId, std::int32_t amount) {
    using namespace tx::cash_in;
    Builder b = Long(kSub, kLength);
    b.w.I32(kUserId, userId);
    b.w.I32(kAmount, amount);
    return std::move(b.bytes);
}

}  // namespace net

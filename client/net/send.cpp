// The one send path and the small fixed-frame senders on top of it.
#include "net/send.h"

#include <event2/bufferevent.h>

#include <mutex>

#include "net/connection.h"
#include "net/net_lock.h"
#include "wire/frame.h"

namespace net {
namespace {

constexpr std::uint8_t kOpLobby = 0xF1;          // account, lobby and table state
constexpr std::uint8_t kOpSignal = 0xF2;         // sign-in, notices and table signals
constexpr std::uint8_t kOpPlay = 0xF3;           // table plays

// F1/03 table request.
constexpr std::uint8_t kSubTableRequest = 0x03;
constexpr std::size_t kTableRequestLength = 16;
constexpr std::size_t kTableRequestMode = 7;         // u8 1 = create, 0 = join / keys 5..9
constexpr std::size_t kTableRequestKey = 8;          // u8 table-type key
constexpr std::size_t kTableRequestFlag = 9;         // u8 1, or 0 for keys 5..9
constexpr std::size_t kTableRequestFriendCode = 12;  // i32 friend code, 0 otherwise

// F2/02 report.
constexpr std::uint8_t kSubReport = 0x02;
constexpr std::size_t kReportLength = 8;             // no payload; the client's frames are at least 8 bytes

// F3/01 discard.
constexpr std::uint8_t kSubDiscard = 0x01;
constexpr std::size_t kDiscardLength = 10;
constexpr std::size_t kDiscardSuit = 7;              // the card: suit, then rank
constexpr std::size_t kDiscardRank = 8;

}  // namespace

bool SendFrame(const std::uint8_t* frame, std::size_t length) {
    std::lock_guard<std::recursive_mutex> lock(NetLock());
    bufferevent* connection = Net().ServerConnection;
    // Without a connection the frame is dropped: nothing is queued, nothing shown.
    if (connection == nullptr || frame == nullptr || length == 0) return false;
    return bufferevent_write(connection, frame, length) == 0;
}

bool SendJoinTable(std::uint8_t mode, std::uint8_t key, std::uint8_t flag, std::uint32_t friendCode) {
    std::uint8_t frame[kTableRequestLength];
    wire::FrameWriter w(wire::FrameKind::Short, kOpLobby, kSubTableRequest, frame, sizeof frame);
    w.U8(kTableRequestMode, mode);
    w.U8(kTableRequestKey, key);
    w.U8(kTableRequestFlag, flag);
    w.U32(kTableRequestFriendCode, friendCode);
    return SendFrame(w.Data(), w.Length());
}

bool SendReport() {
    std::uint8_t frame[kReportLength];
    wire::FrameWriter w(wire::FrameKind::Short, kOpSignal, kSubReport, frame, sizeof frame);
    return SendFrame(w.Data(), w.Length());
}

bool SendDiscard(table::Card card) {
    std::uint8_t frame[kDiscardLength];
    wire::FrameWriter w(wire::FrameKind::Short, kOpPlay, kSubDiscard, frame, sizeof frame);
    w.U8(kDiscardSuit, card.suit);
    w.U8(kDiscardRank, card.rank);
    return SendFrame(w.Data(), w.Length());
}

}  // namespace net

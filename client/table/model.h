// The client's picture of the three-seat table: the local hand and groups, the
// drag in progress, every seat's piles and melds, the cards in flight, the plates,
// the turn and fight state and the round-end data.
//
//   records       DragState, DiscardCard, MeldCard, FlyingCard, Seat, SeatInfo,
//                 FightBanner, SeatResult, Banner
//   TableModel    the one instance, with every field's program-start value
//   operations    seat mapping, removeFromHand, resetTable, the set-up layout
//
// The server decides every play; this model changes only when its events arrive
// (net thread, NetLock held) and when the frame animates it (main thread, inside
// its try-locked frame).
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "table/card.h"

namespace table {

// ---- Seats -----------------------------------------------------------------------
inline constexpr int kSeatCount = 3;            // seats 0..2, as the server numbers them
inline constexpr std::int32_t kNotSeated = -1;  // localSeat before a table set-up
inline constexpr std::int32_t kNoFighter = -1;  // lastFighter / firstFighter: nobody yet
inline constexpr std::size_t kMaxHandCards = 14;  // hand positions: 13 dealt and one drawn
inline constexpr std::int32_t kInitialStock = 54; // cards in the stock before a deal

inline constexpr std::int32_t kNoSprite = 0;     // no avatar chosen yet (sprite IDs: gfx/sprite_ids.h)

// ---- Records -----------------------------------------------------------------------

// The hand card being dragged; all zero when no drag is in progress.
struct DragState {
    Card dragCard;             // the dragged card; suit 0 = no drag
    std::uint32_t armAt = 0;   // tick before which a new press on a hand card starts no drag
    float dragX = 0.0f;        // pointer position while dragging
    float dragY = 0.0f;
    friend bool operator==(const DragState&, const DragState&) = default;
};

// One group entry: group id -> its cards (one key per entry in practice).
using CardGroup = std::map<std::int32_t, std::vector<Card>>;

// A card on a seat's discard pile.
struct DiscardCard {
    std::uint32_t settled = 0;  // 0 while sliding; 1 from the first frame at rest (the landing is reported)
    std::uint8_t tag = 0;       // the byte F3/01 carries beside the card; stored, not used
    Card card;                  // the card
    std::uint8_t dirX = 0;      // 1 if it slides towards larger x
    std::uint8_t dirY = 0;      // 1 if it slides towards larger y
    float x = 0.0f;             // current centre
    float y = 0.0f;
    float targetX = 0.0f;       // resting centre
    float targetY = 0.0f;
    friend bool operator==(const DiscardCard&, const DiscardCard&) = default;
};

// A card of a laid-down meld.
struct MeldCard {
    std::uint8_t owner = 0;          // seat whose area the meld lies in
    std::uint8_t meldId = 0;         // server-given id; lay-offs find the meld by it
    std::uint32_t collapseAt = 0;    // 0 while spread out; else the tick after which it sits in the compact slot
    Card card;                       // the card
    std::uint8_t dirX = 0;           // slide directions, as for discards
    std::uint8_t dirY = 0;
    float x = 0.0f;                  // current centre
    float y = 0.0f;
    float targetX = 0.0f;            // spread-out resting centre
    float targetY = 0.0f;
    float rotation = 0.0f;           // degrees drawn at now
    float pendingRotation = 0.0f;    // degrees still to turn (0 local, +90 right, -90 left at creation)
    float anchorX = 0.0f;            // reference point of the owner's compact meld row
    float anchorY = 0.0f;
    friend bool operator==(const MeldCard&, const MeldCard&) = default;
};
using Meld = std::vector<MeldCard>;

// A card in flight from the stock (one entry of dealQueue).
struct FlyingCard {
    float rotation = 0.0f;      // 0 local seat, 90 right seat, -90 left seat
    std::uint8_t seat = 0;      // receiving seat
    Card card;                  // suit 0 = a card this client may not see
    std::uint8_t dirX = 0;      // slide directions
    std::uint8_t dirY = 0;
    float x = 0.0f;             // current centre
    float y = 0.0f;
    float targetX = 0.0f;       // where it lands
    float targetY = 0.0f;
    std::uint8_t kind = 0;      // 1 = part of the initial deal; other = a draw during play
    std::uint8_t spare = 0;     // always 0
    friend bool operator==(const FlyingCard&, const FlyingCard&) = default;
};

// What lies in front of one seat.
struct Seat {
    std::vector<DiscardCard> discards;             // the pile, oldest first (the last is on top)
    std::vector<Meld> melds;                       // melds laid down, in order
    std::vector<std::vector<Card>> revealedGroups; // at round end, the seat's groups as revealed
    std::vector<Card> revealedCards;               // at round end, the seat's loose cards as revealed
    Card lastDrawn;                                // local seat only: the card last drawn; suit 0 = none
    friend bool operator==(const Seat&, const Seat&) = default;
};

// The name plate of one seat.
struct SeatInfo {
    std::string name;               // the player's nickname; empty = none received
    std::uint8_t plateCount = 0;    // number shown beside an opponent's name
    std::uint32_t balance = 0;      // amount on the local plate (kept for the local seat only)
    std::uint8_t statusByte = 0;    // 0 = the name is drawn grey
    friend bool operator==(const SeatInfo&, const SeatInfo&) = default;
};

// The " Fight!" label of one seat.
struct FightBanner {
    std::uint8_t active = 0;        // 1 from the fight call until resetTable
    std::uint32_t holdUntil = 0;    // 0 while flying; then the tick at which it disappears
    float fontSize = 0.0f;          // starts at 14, grows per frame while below 50
    std::uint8_t dirX = 0;          // slide directions
    std::uint8_t dirY = 0;
    float x = 0.0f;                 // current centre
    float y = 0.0f;
    float targetX = 0.0f;           // where it flies to
    float targetY = 0.0f;
    float finalY = 0.0f;            // copied into targetY every frame before drawing
    std::uint8_t done = 0;          // 1 once the hold has passed: no longer drawn
    std::uint8_t order = 0;         // fightOrder at the call
    friend bool operator==(const FightBanner&, const FightBanner&) = default;
};

// One seat's line of the round result (a 20-byte wire record).
struct SeatResult {
    std::uint8_t cards = 0;         // cards the seat still held
    std::uint16_t base = 0;         // the score categories, as the server counts them
    std::uint16_t quadra = 0;
    std::uint16_t royal = 0;
    std::uint16_t ace = 0;
    std::uint16_t king = 0;
    std::uint16_t joker = 0;
    std::uint16_t fight = 0;
    std::uint16_t burned = 0;
    friend bool operator==(const SeatResult&, const SeatResult&) = default;
};

// One queued play banner.
struct Banner {
    std::string text;               // the player's name from the packet
    std::int32_t kind = 0;          // 1 = hit, 2 = sagasa, 3 = blocked
    std::int32_t spare = 0;         // not used
    std::uint64_t created = 0;      // tick at creation
    std::uint8_t dirX = 0;          // current jitter directions
    std::uint8_t dirY = 0;
    float baseX = 0.0f;             // rest point
    float baseY = 0.0f;
    float x = 0.0f;                 // current point
    float y = 0.0f;
    float targetX = 0.0f;           // current jitter target
    float targetY = 0.0f;
    friend bool operator==(const Banner&, const Banner&) = default;
};

// ---- The model ---------------------------------------------------------------------
struct TableModel {
    // Local player
    std::vector<Card> hand;                     // the local cards, in the server's order (up to 14)
    std::vector<Card> selection;                // cards the user selected in the hand
    std::vector<CardGroup> groups;              // the hand's groups, in creation order
    DragState drag;                             // the hand card being dragged

    // Seats
    Seat seats[kSeatCount];                     // piles, melds and revealed cards, by server seat
    SeatInfo seatInfo[kSeatCount];              // name plates, by server seat
    std::int32_t localSeat = kNotSeated;        // the local player's seat 0..2; -1 = not seated
    std::int32_t leftAvatar = kNoSprite;        // sprite 2 + leftSeat, chosen by the set-up layout
    std::int32_t rightAvatar = kNoSprite;       // sprite 5 + rightSeat, chosen by the set-up layout

    // Table-wide
    float tableBottomY = 0.0f;                  // drawn height of the table picture: its bottom edge
    std::int32_t stockCount = kInitialStock;    // cards left in the stock
    bool resumeMode = false;                    // a running game is replayed: no slides
    bool resumeAcked = false;                   // the resume acknowledgement went out; never cleared
    std::uint8_t currencyMode = 0;              // 0 = own plate sprite 61, 1 = sprite 62
    bool revealActive = false;                  // round over: the opponents' cards are shown

    // Turn and round countdown
    std::uint8_t turnSeat = 0;                  // seat whose turn it is
    std::int32_t turnDuration = 0;              // ms; 0 = no turn bar
    std::uint32_t turnStart = 0;                // tick at which the turn began
    std::int64_t hits = 0;                      // shown as "Hits %lld"
    std::int32_t crownSeat = 0;                 // seat that shows the crown
    std::uint64_t roundTimerStart = 0;          // tick the countdown began; 0 = no countdown
    std::uint64_t roundTimerDuration = 0;       // ms of the countdown

    // Fight
    bool fightButtonVisible = false;            // mirrors the visibility of sprite 63
    std::int32_t lastFighter = kNoFighter;      // latest seat that called fight this round
    std::int32_t firstFighter = kNoFighter;     // first seat that called fight this round
    std::uint8_t fightOrder = 0;                // fight calls this round
    FightBanner fightBanners[kSeatCount];       // one label per seat

    // Deal
    std::vector<FlyingCard> dealQueue;          // cards in flight, first-in first-out
    std::uint8_t dealtCount = 0;                // initial-deal cards landed since the last report

    // Peek overlay
    std::vector<Card> peekCards;                // the cards shown by the peek overlay
    std::uint32_t peekUntil = 0;                // tick until which it shows

    // Round result and banners
    std::uint64_t resultsUntil = 0;             // tick until which the result panel shows; 0 = none
    std::uint8_t winnerSeat = 0;                // the round's winner
    std::uint32_t hitsAwarded = 0;              // hits the round gave
    SeatResult seatResults[kSeatCount];         // one result line per seat
    std::vector<Banner> banners;                // queued play banners; only the first is shown

    friend bool operator==(const TableModel&, const TableModel&) = default;
};
TableModel& Model();

// ---- Seat mapping ------------------------------------------------------------------
// Where a seat sits on screen, seen from the local seat.
enum class SeatSide : std::uint8_t {
    Local,   // the local player's seat: bottom of the table
    Right,   // (localSeat + 1) mod 3
    Left,    // (localSeat + 2) mod 3
    None,    // not seated yet, or not a seat number: positional rules use (0, 0), no rotation
};
SeatSide SideOf(std::int32_t seat);

// The seat to the left / right of the local seat; kNotSeated while not seated.
std::int32_t LeftSeat();
std::int32_t RightSeat();

struct Point {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const Point&, const Point&) = default;
};

// Where cards of a seat come from and go to: the local seat at the table's bottom
// centre (x of sprite 1, tableBottomY), the side seats at the stored centres of
// their avatars; (0, 0) for a seat with no side or an avatar not loaded.
Point SeatAnchor(std::int32_t seat);

// ---- Operations ----------------------------------------------------------------------
// For each listed card in order, removes the first equal card of the hand; a card
// the hand does not hold is skipped.
void RemoveFromHand(std::span<const Card> cards);

// Clears the round: timers, fight state, hand, groups, every seat's piles, melds and
// revealed cards, the plate numbers and the deal; hides the fight and group buttons
// and empties the ButtonMap. Keeps the seat, names, balance, stock count, hits,
// crown, selection, peek cards, banners and the result panel.
void ResetTable();

// The table set-up layout: chooses the avatars for the local seat, centres the table
// picture at the top of the window and the avatars beside it.
void LayOutTable();

// Empties the local hand (first step of the shutdown release).
void ClearHand();

// Empties every other table list (deal queue, groups, each seat's lists) at shutdown.
void ClearTableLists();

// Puts the whole table model back to its program-start values (tests).
void ResetTableModel();

}  // namespace table

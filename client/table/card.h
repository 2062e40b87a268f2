// A card: two bytes, suit then rank, and the pictures that show it.
//
// Suits 1..4 are clubs, diamonds, hearts and spades; 5 is a joker (rank 1 or 2);
// suit 0 marks no card (an empty slot in a packet). Ranks run 1..13, ace = 1,
// king = 13. Two cards are equal when both bytes are equal: there is no identity
// beyond (suit, rank).
#pragma once

#include <cstdint>

namespace table {

inline constexpr std::uint8_t kSuitNone = 0;    // no card
inline constexpr std::uint8_t kSuitClubs = 1;
inline constexpr std::uint8_t kSuitDiamonds = 2;
inline constexpr std::uint8_t kSuitHearts = 3;
inline constexpr std::uint8_t kSuitSpades = 4;
inline constexpr std::uint8_t kSuitJoker = 5;

struct Card {
    std::uint8_t suit = kSuitNone;
    std::uint8_t rank = 0;

    friend bool operator==(const Card&, const Card&) = default;
    // In lists a card is one 16-bit value: suit in the low byte, rank in the high byte.
    std::uint16_t Packed() const { return static_cast<std::uint16_t>(suit | (rank << 8)); }
};

// ---- Card pictures ----------------------------------------------------------------
// Two series of the same 54 pictures (gfx/sprite_ids.h), so a card on the table and
// the same card in the hand are separate sprites, each with its own Button.
enum class CardSeries : std::uint8_t {
    Table,   // discards, melds, the opponents' revealed cards
    Hand,    // the local hand and the peek overlay
    Group,   // the local hand's groups: the hand series, with its own fallback
};

// The sprite that shows card in a series. A suit outside 1..5 falls back to the
// table series' suit-1 picture of its rank, except in groups, which fall back to
// the hand series'.
std::int32_t CardSprite(Card card, CardSeries series);

}  // namespace table

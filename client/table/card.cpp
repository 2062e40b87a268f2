#include "table/card.h"

#include "gfx/sprite_ids.h"

namespace table {

std::int32_t CardSprite(Card card, CardSeries series) {
    const bool handSeries = series != CardSeries::Table;
    const std::int32_t rankIndex = static_cast<std::int32_t>(card.rank) - 1;
    if (card.suit >= kSuitClubs && card.suit <= kSuitSpades) {
        const std::int32_t base = handSeries ? gfx::kSpriteHandSuitCards : gfx::kSpriteTableSuitCards;
        return base + gfx::kRanksPerSuit * (card.suit - kSuitClubs) + rankIndex;
    }
    if (card.suit == kSuitJoker) return (handSeries ? gfx::kSpriteHandCards : gfx::kSpriteTableCards) + rankIndex;
    return (series == CardSeries::Group ? gfx::kSpriteHandSuitCards : gfx::kSpriteTableSuitCards) + rankIndex;
}

}  // namespace table

#include "table/card.h"

namespace table {

std::int32_t CardSprite(Card card, CardSeries series) {
    const bool handSeries = series != CardSeries::Table;
    const std::int32_t rankIndex = static_cast<std::int32_t>(card.rank) - 1;
    if (card.suit >= kSuitClubs && card.suit <= kSuitSpades) {
        const std::int32_t base = handSeries ? kSpriteHandCards : kSpriteTableCards;
        return base + kRanksPerSuit * (card.suit - kSuitClubs) + rankIndex;
    }
    if (card.suit == kSuitJoker) return (handSeries ? kSpriteHandJokers : kSpriteTableJokers) + rankIndex;
    return (series == CardSeries::Group ? kSpriteHandCards : kSpriteTableCards) + rankIndex;
}

}  // namespace table

// The client's picture of the three-seat table: the local hand and groups, the
// drag in progress, and (with the table events) every seat's piles and melds.
// The server decides every play; this model changes only when its events arrive.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "table/card.h"

namespace table {

// The hand card being dragged; all zero when no drag is in progress.
struct DragState {
    Card dragCard;             // the dragged card; suit 0 = no drag
    std::uint32_t armAt = 0;   // tick before which a new press on a hand card starts no drag
    float dragX = 0.0f;        // pointer position while dragging
    float dragY = 0.0f;
};

// One group entry: group id -> its cards (one key per entry in practice).
using CardGroup = std::map<std::int32_t, std::vector<Card>>;

struct TableModel {
    // Local player
    std::vector<Card> hand;             // the local cards, in the server's order
    std::vector<Card> selection;        // cards the user selected in the hand
    std::vector<CardGroup> groups;      // the hand's groups, in creation order
    DragState drag;                     // the hand card being dragged
};
TableModel& Model();

// Empties the local hand (first step of the shutdown release).
void ClearHand();

// Empties every other table list (deal queue, groups, each seat's lists) at shutdown.
void ClearTableLists();

// Puts the whole table model back to its program-start values (tests).
void ResetTableModel();

}  // namespace table

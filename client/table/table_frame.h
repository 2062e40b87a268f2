// The card table screen (state 21): seats, piles, melds, the hand and its overlays.
#pragma once

namespace table {

// Draws one frame of the table, its own background first and the notices last.
void DrawTableFrame();

}  // namespace table

// The per-frame dispatcher: one frame of the current screen.
#pragma once

#include <cstdint>

#include "gfx/sprite_ids.h"

namespace shell {

// Action codes the dispatcher's own buttons carry.
inline constexpr std::uint8_t kActionClose = 'Z';         // close button: back home
inline constexpr std::uint8_t kActionLeaveWaiting = 'I';  // leave the waiting screen
inline constexpr std::uint8_t kActionFriendCode = 'O';    // join menu: open the friend code entry

// Draws one frame (try-locks NetLock; a busy lock skips the frame entirely).
void DrawFrame();

// The background of every screen but the table: sprite 81, centred, alpha 50.
void DrawBackground();

// The waiting bar of screen 20: grows by 0.5 px towards its target and fills the bottom strip.
void DrawWaitingBar();

// The per-state drawing after the background (no lock, no clear, no present).
void DrawScreen(std::int32_t state);

}  // namespace shell

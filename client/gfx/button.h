// Buttons and hit-testing: the one place that decides which Button contains a point
// and whether a sprite is covered by one drawn later. The hover cursor, the click
// dispatcher and the card drop test all use these helpers.
//
//   contains:  centerX - width/2 <= x <= centerX + width/2 (and the same for y), floats, bounds included
//   searches:  walk the ButtonMap in ascending sprite ID; a Button counts only in its own screen state
//              and while its sprite is visible
//   covered:   another Button of the current screen that contains the point, whose sprite is visible,
//              whose action is not 255, and whose sprite was drawn later this frame (greater drawOrder)
#pragma once

#include <cstdint>
#include <map>

#include "gfx/sprite.h"

namespace gfx {

inline constexpr std::uint8_t kActionNone = 255;      // no action: never stops a search, never covers
inline constexpr std::uint8_t kActionSwallow = 254;   // no action, but stops the search (panel backgrounds)

inline constexpr std::int32_t kCursorArrow = 0;       // SDL_SYSTEM_CURSOR_ARROW
inline constexpr std::int32_t kCursorIBeam = 1;       // SDL_SYSTEM_CURSOR_IBEAM
inline constexpr std::int32_t kCursorNo = 10;         // SDL_SYSTEM_CURSOR_NO
inline constexpr std::int32_t kCursorHand = 11;       // SDL_SYSTEM_CURSOR_HAND

struct Button {
    std::int32_t state = 0;      // screen state in which the Button reacts
    std::int32_t cursor = 0;     // system cursor kind shown while hovered
    std::int32_t spriteId = 0;   // the sprite it belongs to (also its key)
    float width = 0.0f;          // the sprite's drawn size when the Button was created
    float height = 0.0f;
    float centerX = 0.0f;        // centre of the sprite's last draw
    float centerY = 0.0f;
    std::uint8_t action = kActionNone;   // what a click does
};

using ButtonMap = std::map<std::int32_t, Button>;
ButtonMap& Buttons();

// Whether b's rectangle contains (x, y), bounds included.
bool Contains(const Button& b, float x, float y);

// Whether a Button of the current screen containing (x, y) belongs to a visible sprite
// with an action, drawn later this frame than sprite.
bool IsCovered(const Sprite& sprite, std::int32_t x, std::int32_t y);

// The first Button (ascending ID) of the current screen that contains (x, y), whose
// sprite is visible and not covered; nullptr when none. The hover cursor's search.
const Button* FindHoverButton(float x, float y);

}  // namespace gfx

// Pointer input of the screens: the click dispatcher and the wheel's swipe gesture.
#pragma once

#include <cstdint>

namespace screens {

// A press (pressed = 1) or a left release (pressed = 0) at the pointer position.
void DispatchClick(std::int32_t x, std::int32_t y, std::int32_t pressed);

// The spin wheel's swipe gesture (screen 9 only).
void SwipePress(std::int32_t x, std::int32_t y);
void SwipeMotion(std::int32_t x, std::int32_t y);
void SwipeRelease(std::int32_t x, std::int32_t y);

}  // namespace screens

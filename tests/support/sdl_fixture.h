// A headless window with a software renderer for tests that draw, and helpers to
// make sprites, read pixels and save what was drawn.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <string>

#include "gfx/sprite.h"
#include "platform/clock.h"

namespace testsupport {

// Sets up SDL video (dummy driver), a 1280x760 window and a software renderer in
// gfx::TheVideo(), a fake clock, and clean client state; tears all of it down after.
class HeadlessSdl : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    platform::FakeClock clock;
};

// Registers a sprite of w x h pixels filled with one colour.
gfx::Sprite* MakeSolidSprite(std::int32_t id, int w, int h, SDL_Color colour);

// The colour of one pixel of what the renderer holds now.
SDL_Color ReadPixel(int x, int y);

// Writes the renderer's current picture to a PNG under the build tree's screenshots
// folder; returns the path.
std::string SaveScreenshot(const std::string& name);

// An SDL event of the given kind at a point, for feeding HandleEvent.
SDL_Event MouseEvent(Uint32 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT);
SDL_Event KeyEvent(SDL_Keycode key);
SDL_Event TextEvent(const char* text);

}  // namespace testsupport

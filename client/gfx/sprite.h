// Sprites: every picture of the client, held by integer ID, and DrawSprite, the one
// drawing call, which also registers or moves the sprite's Button.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>

#include "table/card.h"

struct SDL_Texture;

namespace gfx {

struct Sprite {
    SDL_Texture* texture = nullptr;   // the picture; owned, destroyed at shutdown or on reload
    float width = 0.0f;               // texture size as loaded (after the load-time zoom)
    float height = 0.0f;
    float centerX = 0.0f;             // centre of the last draw (y includes that draw's offset)
    float centerY = 0.0f;
    float scaleX = 1.0f;              // draw-time size factors
    float scaleY = 1.0f;
    bool visible = true;              // invisible sprites are neither drawn nor hit-tested
    std::int32_t parentId = 0;        // when set, drawn only while that sprite is visible
    std::uint8_t tint[4] = {0, 0, 0, 0};   // colour modulation r, g, b, a
    bool tintOn = false;              // apply tint when drawing
    bool tintReset = false;           // at the next draw: drop the tint, back to white
    std::int32_t cardIndex = -1;      // hand position of the card drawn here (table drawing)
    std::int32_t cardTagA = -1;       // meld cards: the meld id
    std::int32_t cardTagB = -1;       // meld cards: the owner seat
    table::Card card;                 // the card this sprite shows now, if any
    std::int32_t drawOrder = 0;       // this frame's draw-order number (occlusion test)
};

// Ordered map: every walk is in ascending ID order.
using SpriteRegistry = std::map<std::int32_t, std::unique_ptr<Sprite>>;

struct SpriteState {
    SpriteRegistry sprites;           // every loaded picture, filled at start-up, emptied at shutdown
    float GlobalScale = 1.0f;         // interface scale, WindowHeight / 760
    std::int32_t DrawCounter = 1;     // next draw-order number of this frame
};
SpriteState& Sprites();

// The sprite registered under id, or nullptr.
Sprite* FindSprite(std::int32_t id);

// Registers sprite under id, replacing (and freeing) any earlier one; returns it.
Sprite* RegisterSprite(std::int32_t id, std::unique_ptr<Sprite> sprite);

// A destination size that replaces the drawn width and height of one draw.
struct SizeOverride {
    int w = 0;
    int h = 0;
};

// Draws sprite id centred at (x, y) (moved down by h * yOffsetFactor), and adds its
// Button on the first draw or moves it on later ones. Returns the sprite, or nullptr
// when id is not registered. Invisible sprites (or ones whose parent is hidden) are
// returned without drawing and their Button is not touched.
Sprite* DrawSprite(std::int32_t id, float x, float y, float yOffsetFactor, std::int32_t state, std::int32_t cursor,
                   std::uint8_t action, std::uint8_t alpha, std::optional<SizeOverride> size = std::nullopt,
                   double angle = 0.0);

// Shorthand for the common call: no offset, no size override, no rotation.
inline Sprite* DrawSprite(std::int32_t id, float x, float y, std::int32_t state, std::int32_t cursor,
                          std::uint8_t action, std::uint8_t alpha) {
    return DrawSprite(id, x, y, 0.0f, state, cursor, action, alpha);
}

// Sets visible on the sprite and on every sprite whose parentId is id (one level).
void SetVisibleWithChildren(std::int32_t id, bool visible);

// Starts a frame's draw order: DrawCounter = 1 and every drawOrder = 0.
void ResetDrawOrder();

// Gives sprite the next draw-order number (it counts as drawn on top of earlier ones).
void MarkDrawnOnTop(Sprite* sprite);

// Destroys every texture (once) and empties the registry.
void FreeSprites();

}  // namespace gfx

// The picture loader: reads a scrambled ".res" file, restores its first bytes,
// decodes it, zooms it once and turns it into the sprite's texture.
#pragma once

#include <cstdint>

namespace gfx {

struct Sprite;

// How LoadSprite reads its two numbers a and b.
inline constexpr std::uint8_t kLoadZoom = 0;   // a, b are zoom factors for width and height
inline constexpr std::uint8_t kLoadFit = 1;    // a, b are the wanted width and height in pixels
// Any other mode loads the picture at its own size and ignores a and b.
inline constexpr std::uint8_t kLoadAsIs = 2;

// Loads the picture at path into sprite, replacing (and freeing) any texture it had,
// also when this load fails. On success the sprite is visible and width/height are
// the texture's size; on failure it has no texture and false is returned.
bool LoadSprite(Sprite& sprite, const char* path, float a, float b, std::uint8_t mode);

}  // namespace gfx

// The sprite catalogue: which file, zoom and starting flags every sprite ID has, and
// the one start-up step that loads them all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace gfx {

inline constexpr const char* kImageDir = "res/images/";        // every picture lives under here
inline constexpr const char* kCardDir = "res/images/cards";    // card pictures, "<suit>-<rank>.png.res"

// One picture of the catalogue as it is loaded.
struct CataloguePicture {
    std::int32_t id = 0;          // sprite ID it is registered under
    std::string path;             // file, relative to the working directory
    float a = 1.0f;               // LoadSprite's first number (zoom or width, by mode)
    float b = 1.0f;               // LoadSprite's second number
    std::uint8_t mode = 0;        // LoadSprite's mode
    bool hidden = false;          // starts invisible
    std::int32_t parentId = 0;    // drawn only while this sprite is visible; 0 = none
};

// Walks every catalogue picture in load order (cards first, then the others) with
// the zooms worked out from GlobalScale, which it sets to WindowHeight / 760 between
// the cards and the others, as the load does; stops early when visit returns false.
void ForEachCataloguePicture(const std::function<bool(const CataloguePicture&)>& visit);

// Loads every picture of the catalogue into the SpriteRegistry, in load order. False
// at the first picture that fails to load; the ones registered before it stay.
bool LoadCatalogue();

}  // namespace gfx

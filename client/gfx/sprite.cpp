#include "gfx/sprite.h"

#include <SDL.h>

#include "gfx/button.h"
#include "gfx/video.h"

namespace gfx {

Video& TheVideo() {
    static Video video;
    return video;
}

SpriteState& Sprites() {
    static SpriteState state;
    return state;
}

Sprite* FindSprite(std::int32_t id) {
    auto& map = Sprites().sprites;
    auto it = map.find(id);
    return it == map.end() ? nullptr : it->second.get();
}

Sprite* RegisterSprite(std::int32_t id, std::unique_ptr<Sprite> sprite) {
    auto& slot = Sprites().sprites[id];
    if (slot && slot->texture != nullptr && slot->texture != sprite->texture) SDL_DestroyTexture(slot->texture);
    slot = std::move(sprite);
    return slot.get();
}

Sprite* DrawSprite(std::int32_t id, float x, float y, float yOffsetFactor, std::int32_t state, std::int32_t cursor,
                   std::uint8_t action, std::uint8_t alpha, std::optional<SizeOverride> size, double angle) {
    Sprite* s = FindSprite(id);
    if (s == nullptr) return nullptr;
    if (!s->visible) return s;
    if (s->parentId != 0) {
        const Sprite* parent = FindSprite(s->parentId);
        if (parent != nullptr && !parent->visible) return s;
    }

    if (s->tintReset) {
        s->tintOn = false;
        s->tintReset = false;
        if (s->texture) SDL_SetTextureColorMod(s->texture, 255, 255, 255);
    }
    if (s->tintOn && s->texture) SDL_SetTextureColorMod(s->texture, s->tint[0], s->tint[1], s->tint[2]);

    // Each part of the rectangle is truncated on its own, so a half-pixel offset
    // never moves the picture by a whole pixel in one direction only.
    const float w = s->width * s->scaleX;
    const float h = s->height * s->scaleY;
    SDL_Rect dst;
    dst.x = static_cast<int>(x - w * 0.5f);
    dst.y = static_cast<int>(y - h * 0.5f) + static_cast<int>(h * yOffsetFactor);
    dst.w = static_cast<int>(w);
    dst.h = static_cast<int>(h);
    if (size) {
        dst.w = size->w;
        dst.h = size->h;
    }
    if (s->texture) {
        SDL_SetTextureAlphaMod(s->texture, alpha);
        // A null centre rotates about the centre of the destination.
        SDL_RenderCopyEx(Renderer(), s->texture, nullptr, &dst, angle, nullptr, SDL_FLIP_NONE);
    }

    const float cy = y + h * yOffsetFactor;
    s->centerX = x;
    s->centerY = cy;

    // The first draw fixes the Button's screen, cursor, action and size; later
    // draws only move it.
    auto& buttons = Buttons();
    auto it = buttons.find(id);
    if (it == buttons.end()) {
        buttons.emplace(id, Button{state, cursor, id, w, h, x, cy, action});
    } else {
        it->second.centerX = x;
        it->second.centerY = cy;
    }
    return s;
}

void SetVisibleWithChildren(std::int32_t id, bool visible) {
    if (Sprite* s = FindSprite(id)) s->visible = visible;
    for (auto& [childId, child] : Sprites().sprites) {
        if (child->parentId == id) child->visible = visible;
    }
}

void ResetDrawOrder() {
    Sprites().DrawCounter = 1;
    for (auto& [id, s] : Sprites().sprites) s->drawOrder = 0;
}

void MarkDrawnOnTop(Sprite* sprite) {
    if (sprite == nullptr) return;
    sprite->drawOrder = Sprites().DrawCounter++;
}

void FreeSprites() {
    auto& map = Sprites().sprites;
    for (auto& [id, s] : map) {
        if (s->texture) SDL_DestroyTexture(s->texture);
        s->texture = nullptr;
    }
    map.clear();
}

}  // namespace gfx

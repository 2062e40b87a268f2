#include "gfx/button.h"

#include "shell/screen_state.h"

namespace gfx {

ButtonMap& Buttons() {
    static ButtonMap map;
    return map;
}

bool Contains(const Button& b, float x, float y) {
    return b.centerX - b.width * 0.5f <= x && x <= b.centerX + b.width * 0.5f &&
           b.centerY - b.height * 0.5f <= y && y <= b.centerY + b.height * 0.5f;
}

bool IsCovered(const Sprite& sprite, std::int32_t x, std::int32_t y) {
    const std::int32_t current = shell::Shell().CurrentState;
    for (const auto& [id, b] : Buttons()) {
        if (b.state != current) continue;
        if (!Contains(b, static_cast<float>(x), static_cast<float>(y))) continue;
        const Sprite* t = FindSprite(b.spriteId);
        if (t != nullptr && t->visible && b.action != kActionNone && t->drawOrder > sprite.drawOrder) return true;
    }
    return false;
}

const Button* FindHoverButton(float x, float y) {
    const std::int32_t current = shell::Shell().CurrentState;
    for (const auto& [id, b] : Buttons()) {
        if (b.state != current || !Contains(b, x, y)) continue;
        const Sprite* s = FindSprite(b.spriteId);
        if (s == nullptr || !s->visible) continue;
        if (IsCovered(*s, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))) continue;
        return &b;
    }
    return nullptr;
}

}  // namespace gfx

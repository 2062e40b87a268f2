// Graphics entry points whose owners are still being written; each owner deletes
// its function here when the real one lands.
#include "gfx/sound.h"
#include "gfx/text.h"

namespace gfx {

FontTable& Fonts() { static FontTable table; return table; }
bool OpenFonts() { return true; }
void CloseFonts() {}
SDL_Texture* RenderText(const char*, std::int32_t, SDL_Color, int&, int&, float, float, float) { return nullptr; }
void DrawTextureCentered(SDL_Texture* texture, float, float, float, float) {
    if (texture) SDL_DestroyTexture(texture);
}

void LoadSounds() {}
void PlaySound(SoundSlot) {}
void FreeSounds() {}

}  // namespace gfx

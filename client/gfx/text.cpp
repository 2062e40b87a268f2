#include "gfx/text.h"

#include <SDL2_rotozoom.h>
#include <SDL_ttf.h>

#include <utility>

#include "gfx/video.h"
#include "platform/log.h"

namespace gfx {
namespace {

struct TextState {
    FontTable fonts;      // point size -> open font, filled at start-up
    FontOpener opener;    // how one size is opened; empty = TTF_OpenFont
};

TextState& Text() {
    static TextState state;
    return state;
}

TTF_Font* OpenOne(const char* path, int size) {
    const FontOpener& opener = Text().opener;
    return opener ? opener(path, size) : TTF_OpenFont(path, size);
}

}  // namespace

FontTable& Fonts() { return Text().fonts; }

void SetFontOpener(FontOpener opener) { Text().opener = std::move(opener); }

bool OpenFonts() {
    FontTable& fonts = Fonts();
    for (int size = kFontMinSize; size <= kFontMaxSize; ++size) {
        TTF_Font* font = OpenOne(kFontPath, size);
        if (font == nullptr) {
            platform::Log(platform::kLogError, "TTF_OpenFont failed! SDL_ttf Error: %s", SDL_GetError());
            return false;
        }
        auto [it, inserted] = fonts.emplace(size, font);
        if (!inserted) {
            TTF_CloseFont(it->second);
            it->second = font;
        }
    }
    return true;
}

void CloseFonts() {
    FontTable& fonts = Fonts();
    // Fonts hold the library's state: once it has been shut down they are gone with it.
    if (TTF_WasInit()) {
        for (auto& [size, font] : fonts) TTF_CloseFont(font);
    }
    fonts.clear();
}

SDL_Texture* RenderText(const char* text, std::int32_t size, SDL_Color colour, int& width, int& height, float zoomX,
                        float zoomY, float angle) {
    if (text == nullptr || text[0] == '\0') return nullptr;
    auto it = Fonts().find(size);
    if (it == Fonts().end()) return nullptr;

    // The Latin-1 call: every byte is one character, so 0xE9 is an e with an acute
    // accent, never the start of a multi-byte sequence.
    SDL_Surface* surface = TTF_RenderText_Blended(it->second, text, colour);
    if (surface == nullptr) return nullptr;
    // The angle turns the text only together with a zoom.
    if (zoomX != 1.0f || zoomY != 1.0f) {
        SDL_Surface* zoomed = rotozoomSurfaceXY(surface, angle, zoomX, zoomY, SMOOTHING_ON);
        SDL_FreeSurface(surface);
        if (zoomed == nullptr) return nullptr;
        surface = zoomed;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(Renderer(), surface);
    width = surface->w;
    height = surface->h;
    SDL_FreeSurface(surface);
    return texture;
}

void DrawTextureCentered(SDL_Texture* texture, float x, float y, float width, float height) {
    if (texture == nullptr) return;
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_Rect dst;
    dst.x = static_cast<int>(x - width / 2.0f);
    dst.y = static_cast<int>(y - height / 2.0f);
    dst.w = static_cast<int>(width);
    dst.h = static_cast<int>(height);
    SDL_RenderCopyEx(Renderer(), texture, nullptr, &dst, 0.0, nullptr, SDL_FLIP_NONE);
    SDL_DestroyTexture(texture);
}

}  // namespace gfx

// Text: one TrueType font at every size from 8 to 100, rendered into a one-shot
// texture every frame.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include <SDL.h>

typedef struct _TTF_Font TTF_Font;

namespace gfx {

inline constexpr int kFontMinSize = 8;     // smallest point size held
inline constexpr int kFontMaxSize = 100;   // largest point size held
inline constexpr const char* kFontPath = "res/Arial.ttf";   // the one font file

// Point size -> the font opened at that size.
using FontTable = std::map<std::int32_t, TTF_Font*>;
FontTable& Fonts();

// Opens res/Arial.ttf at every size into the table; false (and the sizes opened so
// far kept) when one size cannot be opened.
bool OpenFonts();

// Closes every font of the table (shutdown).
void CloseFonts();

// How OpenFonts opens one size (TTF_OpenFont by default). Tests put their own here to
// make one size fail; nullptr puts the default back.
using FontOpener = std::function<TTF_Font*(const char* path, int size)>;
void SetFontOpener(FontOpener opener);

// Renders text (Latin-1, one character per byte) into a new texture the caller owns;
// writes its size. An empty text gives nullptr and leaves width and height alone.
SDL_Texture* RenderText(const char* text, std::int32_t size, SDL_Color colour, int& width, int& height,
                        float zoomX = 1.0f, float zoomY = 1.0f, float angle = 0.0f);

// Draws texture centred at (x, y) with the given size, then destroys it; nullptr is ignored.
void DrawTextureCentered(SDL_Texture* texture, float x, float y, float width, float height);

}  // namespace gfx

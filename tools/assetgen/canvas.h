// A supersampled drawing surface for the asset generator.
//
// Shapes are first drawn into a coverage mask (SDL2_gfx primitives on a
// software renderer, or exact per-pixel tests), then composited onto the
// picture with a Paint: a colour, a gradient or any function of the position.
// Everything is drawn at `ss` times the final size and box-filtered down by
// Finish(), which gives clean antialiased edges from simple hard-edged shapes.
//
// Coordinates are always in final (logical) pixels, as floats.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace assetgen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
};

struct Vec2 {
  float x = 0, y = 0;
};

// Colour helpers.
Rgba Mix(Rgba a, Rgba b, float t);  // straight interpolation of all four channels
Rgba WithAlpha(Rgba c, std::uint8_t a);
Rgba Shade(Rgba c, float f);  // f < 1 darkens, f > 1 lightens (towards white)

// A Paint gives the colour of a logical position.
using Paint = std::function<Rgba(float x, float y)>;
Paint Solid(Rgba c);
Paint LinearV(float y0, Rgba c0, float y1, Rgba c1);
Paint Linear(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1);
Paint Radial(float cx, float cy, float r, Rgba c0, Rgba c1);
Paint Gold(float y0, float y1);  // the metallic gold of titles and rims

// Deterministic noise in [0, 1): value noise on a lattice of `cell` pixels.
float Hash01(int x, int y, int seed);
float ValueNoise(float x, float y, float cell, int seed);

// A small deterministic generator (splitmix64); never std::random distributions,
// whose output differs between standard libraries.
class Rng {
 public:
  explicit Rng(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  float Uniform(float lo, float hi);  // [lo, hi)
 private:
  std::uint64_t state_;
};

enum class Align { Left, Center, Right };

struct TextStyle {
  std::string font = "Bold";  // "Regular", "Bold", "SerifBold", "Serif", "NarrowBold"
  float size = 20;            // pixel size of the font
  Paint paint = Solid({255, 255, 255, 255});
  float outline = 0;  // outline width in pixels (0 = none)
  Rgba outlineColor{0, 0, 0, 255};
  Rgba shadow{0, 0, 0, 0};  // drop shadow colour (alpha 0 = none)
  float shadowDx = 0, shadowDy = 2, shadowBlur = 2;
  float angle = 0;  // counter-clockwise degrees, about the text's anchor
};

class Canvas {
 public:
  Canvas(int width, int height, int supersample);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  int Width() const { return w_; }
  int Height() const { return h_; }

  // ---- Shapes into the mask (they accumulate until Fill or Shadow) ----------
  Canvas& Poly(const std::vector<Vec2>& pts);          // SDL2_gfx filled polygon
  Canvas& Circle(float x, float y, float r);           // SDL2_gfx filled circle
  Canvas& Ellipse(float x, float y, float rx, float ry);
  Canvas& ThickLine(float x1, float y1, float x2, float y2, float width);
  Canvas& Pie(float x, float y, float r, float a0, float a1);  // degrees, clockwise from +x
  Canvas& RoundRect(float x, float y, float w, float h, float r);
  Canvas& Rect(float x, float y, float w, float h) { return RoundRect(x, y, w, h, 0); }
  // Exact per-pixel shapes; `cut` removes coverage instead of adding it.
  Canvas& Disc(float x, float y, float r, bool cut = false);
  Canvas& RoundRectExact(float x, float y, float w, float h, float r, bool cut = false);
  Canvas& Ring(float x, float y, float r0, float r1);  // r0 < r1
  Canvas& StadiumLine(float x1, float y1, float x2, float y2, float width);  // round caps
  Canvas& MaskFn(float x0, float y0, float x1, float y1, const std::function<bool(float, float)>& inside);
  // Remove from the mask everything outside this rounded rectangle (a clip).
  Canvas& ClipRoundRect(float x, float y, float w, float h, float r);

  // ---- Compositing -----------------------------------------------------------
  void Fill(const Paint& paint, float opacity = 1.0f);  // composite the mask, clear it
  void Fill(Rgba c, float opacity = 1.0f) { Fill(Solid(c), opacity); }
  void Erase();  // the mask cuts holes into the picture; clears the mask
  // Composite a blurred, offset copy of the mask; the mask is kept.
  void Shadow(Rgba c, float blur, float dx, float dy);
  void ClearMask();
  // While a clip is set, nothing is drawn where it returns false.
  void SetClip(std::function<bool(float, float)> inside) { clip_ = std::move(inside); }
  void ClearClip() { clip_ = nullptr; }

  // Paint every pixel of a rectangle (the whole picture by default).
  void PaintRect(float x, float y, float w, float h, const Paint& paint);
  void PaintAll(const Paint& paint) { PaintRect(0, 0, float(w_), float(h_), paint); }

  // ---- Text --------------------------------------------------------------------
  // Draws `text` with its cap height centred on y; x is the left edge, centre or
  // right edge by `align`. Returns the text's width in logical pixels.
  float Text(const std::string& text, float x, float y, const TextStyle& style, Align align = Align::Center);
  static float MeasureText(const std::string& text, const TextStyle& style);
  // Shrinks the style's size until the text fits into maxWidth.
  static TextStyle Fit(const std::string& text, TextStyle style, float maxWidth);

  // Draws a finished picture (straight-alpha ARGB8888) scaled into the rectangle.
  void Image(SDL_Surface* src, float x, float y, float w, float h, float opacity = 1.0f);

  // The box-filtered final picture (ARGB8888, straight alpha). The caller owns it.
  SDL_Surface* Finish();

 private:
  void FlushMask();
  template <class Inside>
  Canvas& MaskLoop(float x0, float y0, float x1, float y1, const Inside& inside);
  void GrowDirty(int x0, int y0, int x1, int y1);
  std::uint8_t* MaskRow(int y);

  int w_, h_, ss_;
  int W_, H_;  // supersampled size
  SDL_Surface* pic_ = nullptr;   // W_ x H_, straight alpha
  SDL_Surface* mask_ = nullptr;  // W_ x H_, coverage in the alpha byte
  SDL_Renderer* maskRen_ = nullptr;
  int dx0_, dy0_, dx1_, dy1_;  // dirty box of the mask, supersampled pixels
  std::function<bool(float, float)> clip_;
};

// ---- Surface helpers ---------------------------------------------------------
SDL_Surface* NewSurface(int w, int h);  // ARGB8888, cleared to transparent
SDL_Surface* FlipHorizontal(SDL_Surface* src);  // new surface
// Blends `src` over opaque `bg` and returns an opaque copy (for JPEG files).
SDL_Surface* Flatten(SDL_Surface* src, Rgba bg);
std::uint32_t PixelAt(SDL_Surface* s, int x, int y);  // ARGB8888 value
void SetPixel(SDL_Surface* s, int x, int y, Rgba c);

// Closes every font the text functions opened.
void CloseFonts();

}  // namespace assetgen

// Supersampled canvas: mask shapes, paints, text and the final box filter.
//
// Sections: colours and paints | noise | canvas shapes | compositing | text |
// images and finishing | surface helpers.
#include "canvas.h"

#include <SDL2/SDL2_gfxPrimitives.h>
#include <SDL2/SDL2_rotozoom.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <utility>

namespace assetgen {

namespace {

constexpr const char* kFontDir = "/usr/share/fonts/truetype/liberation/";

inline std::uint8_t Clamp8(float v) {
  int i = int(v + 0.5f);
  return std::uint8_t(i < 0 ? 0 : i > 255 ? 255 : i);
}

// SDL_ttf shares one FreeType library between all fonts: one thread at a time.
std::mutex& TtfLock() {
  static std::mutex m;
  return m;
}

float Smooth(float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

}  // namespace

// ============================================================================
// Colours and paints
// ============================================================================

Rgba Mix(Rgba a, Rgba b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t),
          Clamp8(a.a + (b.a - a.a) * t)};
}

Rgba WithAlpha(Rgba c, std::uint8_t a) { return {c.r, c.g, c.b, a}; }

Rgba Shade(Rgba c, float f) {
  if (f <= 1.0f) return {Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f), c.a};
  float t = std::min(f - 1.0f, 1.0f);
  return Mix(c, {255, 255, 255, c.a}, t);
}

Paint Solid(Rgba c) {
  return [c](float, float) { return c; };
}

Paint LinearV(float y0, Rgba c0, float y1, Rgba c1) {
  return [=](float, float y) { return Mix(c0, c1, (y - y0) / (y1 - y0)); };
}

Paint Linear(float x0, float y0, Rgba c0, float x1, float y1, Rgba c1) {
  float dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
  return [=](float x, float y) { return Mix(c0, c1, ((x - x0) * dx + (y - y0) * dy) / len2); };
}

Paint Radial(float cx, float cy, float r, Rgba c0, Rgba c1) {
  return [=](float x, float y) { return Mix(c0, c1, std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) / r); };
}

Paint Gold(float y0, float y1) {
  return [=](float, float y) {
    float t = std::clamp((y - y0) / (y1 - y0), 0.0f, 1.0f);
    const Rgba top{255, 244, 178, 255}, mid{248, 211, 25, 255}, low{176, 118, 8, 255}, rim{236, 190, 52, 255};
    if (t < 0.45f) return Mix(top, mid, t / 0.45f);
    if (t < 0.78f) return Mix(mid, low, (t - 0.45f) / 0.33f);
    return Mix(low, rim, (t - 0.78f) / 0.22f);
  };
}

// ============================================================================
// Noise and random numbers
// ============================================================================

float Hash01(int x, int y, int seed) {
  std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + std::uint32_t(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return float(h & 0xFFFFFF) / float(0x1000000);
}

float ValueNoise(float x, float y, float cell, int seed) {
  float fx = x / cell, fy = y / cell;
  int ix = int(std::floor(fx)), iy = int(std::floor(fy));
  float tx = Smooth(fx - ix), ty = Smooth(fy - iy);
  float a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
  float c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

std::uint64_t Rng::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

float Rng::Uniform(float lo, float hi) { return lo + (hi - lo) * float(Next() >> 40) / float(1ull << 24); }

// ============================================================================
// Canvas: shapes
// ============================================================================

Canvas::Canvas(int width, int height, int supersample)
    : w_(width), h_(height), ss_(supersample), W_(width * supersample), H_(height * supersample) {
  pic_ = NewSurface(W_, H_);
  mask_ = NewSurface(W_, H_);
  maskRen_ = SDL_CreateSoftwareRenderer(mask_);
  if (!maskRen_) {
    std::fprintf(stderr, "korvane-assetgen: no software renderer: %s\n", SDL_GetError());
    std::exit(1);
  }
  dx0_ = W_;
  dy0_ = H_;
  dx1_ = dy1_ = 0;
}

Canvas::~Canvas() {
  SDL_DestroyRenderer(maskRen_);
  SDL_FreeSurface(mask_);
  SDL_FreeSurface(pic_);
}

void Canvas::GrowDirty(int x0, int y0, int x1, int y1) {
  dx0_ = std::max(0, std::min(dx0_, x0));
  dy0_ = std::max(0, std::min(dy0_, y0));
  dx1_ = std::min(W_, std::max(dx1_, x1));
  dy1_ = std::min(H_, std::max(dy1_, y1));
}

std::uint8_t* Canvas::MaskRow(int y) { return static_cast<std::uint8_t*>(mask_->pixels) + y * mask_->pitch; }

void Canvas::FlushMask() { SDL_RenderFlush(maskRen_); }

Canvas& Canvas::Poly(const std::vector<Vec2>& pts) {
  if (pts.size() < 3) return *this;
  std::vector<Sint16> xs, ys;
  float minx = 1e9f, miny = 1e9f, maxx = -1e9f, maxy = -1e9f;
  for (const Vec2& p : pts) {
    xs.push_back(Sint16(std::lround(p.x * ss_ - 0.5f)));
    ys.push_back(Sint16(std::lround(p.y * ss_ - 0.5f)));
    minx = std::min(minx, p.x), maxx = std::max(maxx, p.x);
    miny = std::min(miny, p.y), maxy = std::max(maxy, p.y);
  }
  {
    // SDL2_gfx fills polygons through one global scratch buffer: one thread at a time.
    static std::mutex polygonLock;
    std::lock_guard<std::mutex> lock(polygonLock);
    filledPolygonRGBA(maskRen_, xs.data(), ys.data(), int(xs.size()), 255, 255, 255, 255);
    SDL_RenderFlush(maskRen_);
  }
  GrowDirty(int(minx * ss_) - 2, int(miny * ss_) - 2, int(maxx * ss_) + 3, int(maxy * ss_) + 3);
  return *this;
}

Canvas& Canvas::Circle(float x, float y, float r) {
  filledCircleRGBA(maskRen_, Sint16(std::lround(x * ss_ - 0.5f)), Sint16(std::lround(y * ss_ - 0.5f)),
                   Sint16(std::lround(r * ss_)), 255, 255, 255, 255);
  GrowDirty(int((x - r) * ss_) - 2, int((y - r) * ss_) - 2, int((x + r) * ss_) + 3, int((y + r) * ss_) + 3);
  return *this;
}

Canvas& Canvas::Ellipse(float x, float y, float rx, float ry) {
  filledEllipseRGBA(maskRen_, Sint16(std::lround(x * ss_ - 0.5f)), Sint16(std::lround(y * ss_ - 0.5f)),
                    Sint16(std::lround(rx * ss_)), Sint16(std::lround(ry * ss_)), 255, 255, 255, 255);
  GrowDirty(int((x - rx) * ss_) - 2, int((y - ry) * ss_) - 2, int((x + rx) * ss_) + 3, int((y + ry) * ss_) + 3);
  return *this;
}

Canvas& Canvas::ThickLine(float x1, float y1, float x2, float y2, float width) {
  float dx = x2 - x1, dy = y2 - y1, len = std::max(1e-6f, std::hypot(dx, dy));
  float nx = -dy / len * width / 2, ny = dx / len * width / 2;
  return Poly({{x1 + nx, y1 + ny}, {x2 + nx, y2 + ny}, {x2 - nx, y2 - ny}, {x1 - nx, y1 - ny}});
}

Canvas& Canvas::Pie(float x, float y, float r, float a0, float a1) {
  // SDL2_gfx pies take whole degrees; build the polygon ourselves for precision.
  std::vector<Vec2> pts{{x, y}};
  int steps = std::max(8, int(std::fabs(a1 - a0) / 2));
  for (int i = 0; i <= steps; ++i) {
    float a = (a0 + (a1 - a0) * i / steps) * float(M_PI) / 180.0f;
    pts.push_back({x + r * std::cos(a), y + r * std::sin(a)});
  }
  return Poly(pts);
}

Canvas& Canvas::MaskFn(float x0, float y0, float x1, float y1, const std::function<bool(float, float)>& inside) {
  return MaskLoop(x0, y0, x1, y1, inside);
}

template <class Inside>
Canvas& Canvas::MaskLoop(float x0, float y0, float x1, float y1, const Inside& inside) {
  FlushMask();
  int X0 = std::max(0, int(std::floor(x0 * ss_))), Y0 = std::max(0, int(std::floor(y0 * ss_)));
  int X1 = std::min(W_, int(std::ceil(x1 * ss_)) + 1), Y1 = std::min(H_, int(std::ceil(y1 * ss_)) + 1);
  for (int j = Y0; j < Y1; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    float ly = (j + 0.5f) / ss_;
    for (int i = X0; i < X1; ++i)
      if (inside((i + 0.5f) / ss_, ly)) row[i] = 0xFFFFFFFFu;
  }
  GrowDirty(X0, Y0, X1, Y1);
  return *this;
}

namespace {

// Inside test without square roots except in the corners.
inline bool InRoundRect(float px, float py, float x, float y, float w, float h, float r) {
  if (px < x || py < y || px > x + w || py > y + h) return false;
  float qx = std::fabs(px - (x + w / 2)) - (w / 2 - r), qy = std::fabs(py - (y + h / 2)) - (h / 2 - r);
  if (qx <= 0 || qy <= 0) return true;
  return qx * qx + qy * qy <= r * r;
}


}  // namespace

Canvas& Canvas::RoundRect(float x, float y, float w, float h, float r) { return RoundRectExact(x, y, w, h, r, false); }

Canvas& Canvas::RoundRectExact(float x, float y, float w, float h, float r, bool cut) {
  r = std::min({r, w / 2, h / 2});
  if (!cut) return MaskLoop(x, y, x + w, y + h, [=](float px, float py) { return InRoundRect(px, py, x, y, w, h, r); });
  FlushMask();
  int X0 = std::max(0, int(x * ss_)), Y0 = std::max(0, int(y * ss_));
  int X1 = std::min(W_, int(std::ceil((x + w) * ss_)) + 1), Y1 = std::min(H_, int(std::ceil((y + h) * ss_)) + 1);
  for (int j = Y0; j < Y1; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    for (int i = X0; i < X1; ++i)
      if (InRoundRect((i + 0.5f) / ss_, (j + 0.5f) / ss_, x, y, w, h, r)) row[i] = 0;
  }
  return *this;
}

Canvas& Canvas::ClipRoundRect(float x, float y, float w, float h, float r) {
  FlushMask();
  r = std::min({r, w / 2, h / 2});
  for (int j = dy0_; j < dy1_; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    for (int i = dx0_; i < dx1_; ++i)
      if (row[i] && !InRoundRect((i + 0.5f) / ss_, (j + 0.5f) / ss_, x, y, w, h, r)) row[i] = 0;
  }
  return *this;
}

Canvas& Canvas::Disc(float x, float y, float r, bool cut) {
  const float r2 = r * r;
  if (!cut)
    return MaskLoop(x - r, y - r, x + r, y + r, [=](float px, float py) {
      return (px - x) * (px - x) + (py - y) * (py - y) <= r2;
    });
  FlushMask();
  int X0 = std::max(0, int((x - r) * ss_)), Y0 = std::max(0, int((y - r) * ss_));
  int X1 = std::min(W_, int((x + r) * ss_) + 2), Y1 = std::min(H_, int((y + r) * ss_) + 2);
  for (int j = Y0; j < Y1; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    for (int i = X0; i < X1; ++i) {
      float u = (i + 0.5f) / ss_ - x, v = (j + 0.5f) / ss_ - y;
      if (u * u + v * v <= r2) row[i] = 0;
    }
  }
  return *this;
}

Canvas& Canvas::Ring(float x, float y, float r0, float r1) {
  const float a = r0 * r0, b = r1 * r1;
  return MaskLoop(x - r1, y - r1, x + r1, y + r1, [=](float px, float py) {
    float d = (px - x) * (px - x) + (py - y) * (py - y);
    return d >= a && d <= b;
  });
}

Canvas& Canvas::StadiumLine(float x1, float y1, float x2, float y2, float width) {
  float r = width / 2;
  float dx = x2 - x1, dy = y2 - y1, len2 = std::max(1e-6f, dx * dx + dy * dy);
  return MaskLoop(std::min(x1, x2) - r, std::min(y1, y2) - r, std::max(x1, x2) + r, std::max(y1, y2) + r,
                [=](float px, float py) {
                  float t = std::clamp(((px - x1) * dx + (py - y1) * dy) / len2, 0.0f, 1.0f);
                  float u = px - (x1 + t * dx), v = py - (y1 + t * dy);
                  return u * u + v * v <= r * r;
                });
}

// ============================================================================
// Canvas: compositing
// ============================================================================

namespace {

inline void BlendOver(std::uint32_t& dst, Rgba c, float cover) {
  float sa = c.a / 255.0f * cover;
  if (sa <= 0) return;
  const std::uint32_t rgb = (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | std::uint32_t(c.b);
  if (sa >= 0.998f) {
    dst = 0xFF000000u | rgb;
    return;
  }
  std::uint32_t daByte = dst >> 24;
  if (daByte == 0) {
    dst = (std::uint32_t(Clamp8(sa * 255)) << 24) | rgb;
    return;
  }
  if (daByte == 255) {
    float k = 1 - sa;
    dst = 0xFF000000u | (std::uint32_t(Clamp8(c.r * sa + float((dst >> 16) & 255) * k)) << 16) |
          (std::uint32_t(Clamp8(c.g * sa + float((dst >> 8) & 255) * k)) << 8) |
          std::uint32_t(Clamp8(c.b * sa + float(dst & 255) * k));
    return;
  }
  float da = float(daByte) / 255.0f;
  float oa = sa + da * (1 - sa);
  float dr = float((dst >> 16) & 255), dg = float((dst >> 8) & 255), db = float(dst & 255);
  float k = da * (1 - sa);
  float r = (c.r * sa + dr * k) / oa, g = (c.g * sa + dg * k) / oa, b = (c.b * sa + db * k) / oa;
  dst = (std::uint32_t(Clamp8(oa * 255)) << 24) | (std::uint32_t(Clamp8(r)) << 16) | (std::uint32_t(Clamp8(g)) << 8) |
        std::uint32_t(Clamp8(b));
}

}  // namespace

void Canvas::ClearMask() {
  FlushMask();
  for (int j = dy0_; j < dy1_; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    std::fill(row + dx0_, row + dx1_, 0u);
  }
  dx0_ = W_;
  dy0_ = H_;
  dx1_ = dy1_ = 0;
}

// Paints are smooth, so each is evaluated once per final pixel (at its centre)
// and shared by that pixel's supersamples; only the mask's edges are supersampled.
void Canvas::Fill(const Paint& paint, float opacity) {
  FlushMask();
  if (dx1_ <= dx0_) return;
  const int lx0 = dx0_ / ss_, lx1 = (dx1_ - 1) / ss_;
  std::vector<Rgba> colour(size_t(lx1 - lx0 + 1));
  std::vector<std::uint8_t> known(colour.size());
  int cachedRow = -1;
  for (int j = dy0_; j < dy1_; ++j) {
    if (j / ss_ != cachedRow) {
      cachedRow = j / ss_;
      std::fill(known.begin(), known.end(), 0);
    }
    const float py = cachedRow + 0.5f;
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic_->pixels) + j * pic_->pitch);
    float ly = (j + 0.5f) / ss_;
    for (int i = dx0_; i < dx1_; ++i) {
      if (!row[i]) continue;
      float lx = (i + 0.5f) / ss_;
      if (clip_ && !clip_(lx, ly)) continue;
      int k = i / ss_ - lx0;
      if (!known[k]) {
        colour[k] = paint(i / ss_ + 0.5f, py);
        known[k] = 1;
      }
      BlendOver(dst[i], colour[k], opacity * float(row[i] >> 24) / 255.0f);
    }
  }
  ClearMask();
}

void Canvas::Erase() {
  FlushMask();
  for (int j = dy0_; j < dy1_; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic_->pixels) + j * pic_->pitch);
    for (int i = dx0_; i < dx1_; ++i)
      if (row[i]) dst[i] = 0;
  }
  ClearMask();
}

namespace {

struct MaskRect {
  int x = 0, y = 0, w = 0, h = 0;  // supersampled pixels
  std::vector<float> v;            // coverage 0..1
};

void BoxBlur(MaskRect& m, int radius) {
  if (radius < 1) return;
  std::vector<float> tmp(m.v.size());
  for (int pass = 0; pass < 3; ++pass) {
    for (int j = 0; j < m.h; ++j) {  // horizontal
      float sum = 0;
      const float* src = &m.v[j * m.w];
      float* dst = &tmp[j * m.w];
      for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < m.w) ? src[i] : 0;
      for (int i = 0; i < m.w; ++i) {
        dst[i] = sum / (2 * radius + 1);
        int add = i + radius + 1, sub = i - radius;
        sum += (add < m.w ? src[add] : 0) - (sub >= 0 ? src[sub] : 0);
      }
    }
    // Vertical, row by row with one running sum per column (cache friendly).
    std::vector<float> sum(size_t(m.w), 0.0f);
    for (int j = -radius; j <= radius; ++j)
      if (j >= 0 && j < m.h)
        for (int i = 0; i < m.w; ++i) sum[i] += tmp[size_t(j) * m.w + i];
    const float norm = 1.0f / (2 * radius + 1);
    for (int j = 0; j < m.h; ++j) {
      float* out = &m.v[size_t(j) * m.w];
      for (int i = 0; i < m.w; ++i) out[i] = sum[i] * norm;
      int add = j + radius + 1, sub = j - radius;
      if (add < m.h) {
        const float* a = &tmp[size_t(add) * m.w];
        for (int i = 0; i < m.w; ++i) sum[i] += a[i];
      }
      if (sub >= 0) {
        const float* b = &tmp[size_t(sub) * m.w];
        for (int i = 0; i < m.w; ++i) sum[i] -= b[i];
      }
    }
  }
}

void CompositeRect(SDL_Surface* pic, int ss, const MaskRect& m, int ox, int oy, const Paint& paint, float opacity,
                   const std::function<bool(float, float)>& clip) {
  for (int j = 0; j < m.h; ++j) {
    int y = m.y + j + oy;
    if (y < 0 || y >= pic->h) continue;
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic->pixels) + y * pic->pitch);
    for (int i = 0; i < m.w; ++i) {
      int x = m.x + i + ox;
      if (x < 0 || x >= pic->w) continue;
      float c = m.v[j * m.w + i];
      if (c <= 0.002f) continue;
      float lx = (x + 0.5f) / ss, ly = (y + 0.5f) / ss;
      if (clip && !clip(lx, ly)) continue;
      BlendOver(dst[x], paint(lx, ly), c * opacity);
    }
  }
}

}  // namespace

void Canvas::Shadow(Rgba c, float blur, float dx, float dy) {
  FlushMask();
  if (dx1_ <= dx0_) return;
  int R = std::max(0, int(blur * ss_));
  MaskRect m;
  m.x = dx0_ - 3 * R;
  m.y = dy0_ - 3 * R;
  m.w = (dx1_ - dx0_) + 6 * R;
  m.h = (dy1_ - dy0_) + 6 * R;
  m.v.assign(size_t(m.w) * m.h, 0.0f);
  for (int j = dy0_; j < dy1_; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(MaskRow(j));
    for (int i = dx0_; i < dx1_; ++i) m.v[(j - m.y) * m.w + (i - m.x)] = float(row[i] >> 24) / 255.0f;
  }
  BoxBlur(m, std::max(1, R / 2));
  CompositeRect(pic_, ss_, m, int(dx * ss_), int(dy * ss_), Solid(c), 1.0f, clip_);
}

void Canvas::PaintRect(float x, float y, float w, float h, const Paint& paint) {
  int X0 = std::max(0, int(x)), Y0 = std::max(0, int(y));
  int X1 = std::min(w_, int(std::ceil(x + w))), Y1 = std::min(h_, int(std::ceil(y + h)));
  for (int ly = Y0; ly < Y1; ++ly)
    for (int lx = X0; lx < X1; ++lx) {
      Rgba c = paint(lx + 0.5f, ly + 0.5f);
      for (int j = ly * ss_; j < (ly + 1) * ss_; ++j) {
        auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic_->pixels) + j * pic_->pitch);
        for (int i = lx * ss_; i < (lx + 1) * ss_; ++i) BlendOver(dst[i], c, 1.0f);
      }
    }
}

// ============================================================================
// Text
// ============================================================================

namespace {

std::map<std::pair<std::string, int>, TTF_Font*>& FontCache() {
  static std::map<std::pair<std::string, int>, TTF_Font*> cache;
  return cache;
}

// Font by style name, pixel size and outline width (outline fonts are separate objects).
TTF_Font* GetFont(const std::string& name, int px, int outline = 0) {
  std::string key = name + "/" + std::to_string(outline);
  auto& cache = FontCache();
  auto it = cache.find({key, px});
  if (it != cache.end()) return it->second;
  std::string file = name == "Regular"     ? "LiberationSans-Regular.ttf"
                     : name == "SerifBold" ? "LiberationSerif-Bold.ttf"
                     : name == "Serif"     ? "LiberationSerif-Regular.ttf"
                     : name == "NarrowBold" ? "LiberationSansNarrow-Bold.ttf"
                                           : "LiberationSans-Bold.ttf";
  std::string path = std::string(kFontDir) + file;
  TTF_Font* f = TTF_OpenFont(path.c_str(), px);
  if (!f) {
    std::fprintf(stderr, "korvane-assetgen: cannot open %s: %s (install fonts-liberation)\n", path.c_str(),
                 TTF_GetError());
    std::exit(1);
  }
  if (outline > 0) TTF_SetFontOutline(f, outline);
  cache[{key, px}] = f;
  return f;
}

MaskRect SurfaceToMask(SDL_Surface* s, int x, int y) {
  MaskRect m;
  m.x = x;
  m.y = y;
  m.w = s->w;
  m.h = s->h;
  m.v.resize(size_t(m.w) * m.h);
  SDL_Surface* conv = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  for (int j = 0; j < m.h; ++j) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(conv->pixels) + j * conv->pitch);
    for (int i = 0; i < m.w; ++i) m.v[j * m.w + i] = float(row[i] >> 24) / 255.0f;
  }
  SDL_FreeSurface(conv);
  return m;
}

SDL_Surface* RenderWhite(TTF_Font* f, const std::string& text) {
  return TTF_RenderUTF8_Blended(f, text.c_str(), SDL_Color{255, 255, 255, 255});
}

}  // namespace

float Canvas::MeasureText(const std::string& text, const TextStyle& style) {
  std::lock_guard<std::mutex> lock(TtfLock());
  int w = 0, h = 0;
  TTF_SizeUTF8(GetFont(style.font, int(std::lround(style.size * 4))), text.c_str(), &w, &h);
  return w / 4.0f;
}

TextStyle Canvas::Fit(const std::string& text, TextStyle style, float maxWidth) {
  while (style.size > 6 && MeasureText(text, style) > maxWidth) style.size -= 0.5f;
  return style;
}

float Canvas::Text(const std::string& text, float x, float y, const TextStyle& style, Align align) {
  if (text.empty()) return 0;
  int px = int(std::lround(style.size * ss_));
  int outline = int(std::lround(style.outline * ss_));
  SDL_Surface* glyphs = nullptr;
  SDL_Surface* outlined = nullptr;
  float capCentre = 0;  // from the surface top, supersampled pixels
  {
    std::lock_guard<std::mutex> lock(TtfLock());
    TTF_Font* font = GetFont(style.font, px);
    glyphs = RenderWhite(font, text);
    if (!glyphs) return 0;
    int minx, maxx, miny, maxy, adv;
    TTF_GlyphMetrics(font, 'H', &minx, &maxx, &miny, &maxy, &adv);
    capCentre = TTF_FontAscent(font) - maxy / 2.0f;
    if (outline > 0) outlined = RenderWhite(GetFont(style.font, px, outline), text);
  }
  float width = float(glyphs->w);
  float X = x * ss_, Y = y * ss_;
  float left = align == Align::Left ? X : align == Align::Center ? X - width / 2 : X - width;
  float top = Y - capCentre;


  auto place = [&](SDL_Surface* s, float l, float t) -> MaskRect {
    if (style.angle == 0) return SurfaceToMask(s, int(std::lround(l)), int(std::lround(t)));
    // Rotate about the text anchor (x, y): the surface centre moves with it.
    SDL_Surface* rot = rotozoomSurface(s, style.angle, 1.0, SMOOTHING_ON);
    float cx = l + s->w / 2.0f - X, cy = t + s->h / 2.0f - Y;
    float a = -style.angle * float(M_PI) / 180.0f;
    float rx = cx * std::cos(a) - cy * std::sin(a), ry = cx * std::sin(a) + cy * std::cos(a);
    MaskRect m = SurfaceToMask(rot, int(std::lround(X + rx - rot->w / 2.0f)), int(std::lround(Y + ry - rot->h / 2.0f)));
    SDL_FreeSurface(rot);
    return m;
  };

  MaskRect body = place(glyphs, left, top);
  MaskRect outer;
  if (outlined) outer = place(outlined, left - outline, top - outline);
  if (style.shadow.a > 0) {
    MaskRect sh = outlined ? outer : body;
    BoxBlur(sh, std::max(1, int(style.shadowBlur * ss_ / 2)));
    CompositeRect(pic_, ss_, sh, int(style.shadowDx * ss_), int(style.shadowDy * ss_), Solid(style.shadow), 1.0f, clip_);
  }
  if (outlined) CompositeRect(pic_, ss_, outer, 0, 0, Solid(style.outlineColor), 1.0f, clip_);
  CompositeRect(pic_, ss_, body, 0, 0, style.paint, 1.0f, clip_);
  SDL_FreeSurface(glyphs);
  if (outlined) SDL_FreeSurface(outlined);
  return width / ss_;
}

void CloseFonts() {
  std::lock_guard<std::mutex> lock(TtfLock());
  for (auto& [key, font] : FontCache()) TTF_CloseFont(font);
  FontCache().clear();
}

// ============================================================================
// Images and finishing
// ============================================================================

void Canvas::Image(SDL_Surface* src, float x, float y, float w, float h, float opacity) {
  SDL_Surface* s = SDL_ConvertSurfaceFormat(src, SDL_PIXELFORMAT_ARGB8888, 0);
  int X0 = std::max(0, int(x * ss_)), Y0 = std::max(0, int(y * ss_));
  int X1 = std::min(W_, int(std::ceil((x + w) * ss_))), Y1 = std::min(H_, int(std::ceil((y + h) * ss_)));
  auto at = [&](int i, int j) {
    i = std::clamp(i, 0, s->w - 1);
    j = std::clamp(j, 0, s->h - 1);
    return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + j * s->pitch)[i];
  };
  for (int j = Y0; j < Y1; ++j) {
    auto* dst = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic_->pixels) + j * pic_->pitch);
    float v = (((j + 0.5f) / ss_ - y) / h) * s->h - 0.5f;
    int vj = int(std::floor(v));
    float fv = v - vj;
    for (int i = X0; i < X1; ++i) {
      float u = (((i + 0.5f) / ss_ - x) / w) * s->w - 0.5f;
      int ui = int(std::floor(u));
      float fu = u - ui;
      float acc[4] = {0, 0, 0, 0};
      const std::uint32_t px[4] = {at(ui, vj), at(ui + 1, vj), at(ui, vj + 1), at(ui + 1, vj + 1)};
      const float wt[4] = {(1 - fu) * (1 - fv), fu * (1 - fv), (1 - fu) * fv, fu * fv};
      for (int k = 0; k < 4; ++k) {
        float a = float(px[k] >> 24) / 255.0f * wt[k];
        acc[0] += a;
        acc[1] += float((px[k] >> 16) & 255) * a;
        acc[2] += float((px[k] >> 8) & 255) * a;
        acc[3] += float(px[k] & 255) * a;
      }
      if (acc[0] <= 0) continue;
      Rgba c{Clamp8(acc[1] / acc[0]), Clamp8(acc[2] / acc[0]), Clamp8(acc[3] / acc[0]), 255};
      BlendOver(dst[i], c, acc[0] * opacity);
    }
  }
  SDL_FreeSurface(s);
}

SDL_Surface* Canvas::Finish() {
  SDL_Surface* out = NewSurface(w_, h_);
  float n = float(ss_ * ss_);
  for (int y = 0; y < h_; ++y) {
    auto* orow = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(out->pixels) + y * out->pitch);
    for (int x = 0; x < w_; ++x) {
      float a = 0, r = 0, g = 0, b = 0;
      for (int j = 0; j < ss_; ++j) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pic_->pixels) + (y * ss_ + j) * pic_->pitch);
        for (int i = 0; i < ss_; ++i) {
          std::uint32_t p = row[x * ss_ + i];
          float pa = float(p >> 24);
          a += pa;
          r += float((p >> 16) & 255) * pa;
          g += float((p >> 8) & 255) * pa;
          b += float(p & 255) * pa;
        }
      }
      if (a <= 0) {
        orow[x] = 0;
        continue;
      }
      orow[x] = (std::uint32_t(Clamp8(a / n)) << 24) | (std::uint32_t(Clamp8(r / a)) << 16) |
                (std::uint32_t(Clamp8(g / a)) << 8) | std::uint32_t(Clamp8(b / a));
    }
  }
  return out;
}

// ============================================================================
// Surface helpers
// ============================================================================

SDL_Surface* NewSurface(int w, int h) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!s) {
    std::fprintf(stderr, "korvane-assetgen: cannot create a %dx%d surface: %s\n", w, h, SDL_GetError());
    std::exit(1);
  }
  SDL_FillRect(s, nullptr, 0);
  SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_BLEND);
  return s;
}

std::uint32_t PixelAt(SDL_Surface* s, int x, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch)[x];
}

void SetPixel(SDL_Surface* s, int x, int y, Rgba c) {
  reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch)[x] =
      (std::uint32_t(c.a) << 24) | (std::uint32_t(c.r) << 16) | (std::uint32_t(c.g) << 8) | c.b;
}

SDL_Surface* FlipHorizontal(SDL_Surface* src) {
  SDL_Surface* out = NewSurface(src->w, src->h);
  for (int y = 0; y < src->h; ++y)
    for (int x = 0; x < src->w; ++x) {
      std::uint32_t p = PixelAt(src, src->w - 1 - x, y);
      reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(out->pixels) + y * out->pitch)[x] = p;
    }
  return out;
}

SDL_Surface* Flatten(SDL_Surface* src, Rgba bg) {
  SDL_Surface* out = NewSurface(src->w, src->h);
  for (int y = 0; y < src->h; ++y)
    for (int x = 0; x < src->w; ++x) {
      std::uint32_t p = PixelAt(src, x, y);
      std::uint32_t d = 0xFF000000u | (std::uint32_t(bg.r) << 16) | (std::uint32_t(bg.g) << 8) | bg.b;
      BlendOver(d, {std::uint8_t((p >> 16) & 255), std::uint8_t((p >> 8) & 255), std::uint8_t(p & 255), 255},
                float(p >> 24) / 255.0f);
      reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(out->pixels) + y * out->pitch)[x] = d;
    }
  return out;
}

}  // namespace assetgen

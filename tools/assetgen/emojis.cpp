// The six table emojis: 0 grin, 1 tears of joy, 2 angry, 3 cool (sunglasses),
// 4 crying, 5 astonished. Drawn at 160 x 160; the small chooser icons are the
// same drawings filtered down to 44 x 44.
#include <cmath>

#include "asset_list.h"
#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kCx = 80, kCy = 82, kR = 68;

void FaceDisc(Canvas& c, Rgba in, Rgba out) {
  c.Disc(kCx, kCy, kR + 3);
  c.Shadow({0, 0, 0, 150}, 4, 0, 4);
  c.Fill({150, 80, 10, 255});
  c.Disc(kCx, kCy, kR);
  c.Fill(Radial(kCx - 20, kCy - 28, kR * 1.6f, in, out));
  // Soft highlight.
  c.Ellipse(kCx - 18, kCy - 40, 30, 14);
  c.Fill(LinearV(kCy - 54, {255, 255, 255, 120}, kCy - 26, {255, 255, 255, 0}));
}

void OvalEyes(Canvas& c, float dy, float rx, float ry) {
  c.Ellipse(kCx - 24, kCy - 16 + dy, rx, ry);
  c.Ellipse(kCx + 24, kCy - 16 + dy, rx, ry);
  c.Fill({70, 36, 10, 255});
  c.Disc(kCx - 24 + rx * 0.3f, kCy - 16 + dy - ry * 0.4f, rx * 0.35f);
  c.Disc(kCx + 24 + rx * 0.3f, kCy - 16 + dy - ry * 0.4f, rx * 0.35f);
  c.Fill({255, 255, 255, 220});
}

// An open mouth: the lower part of an ellipse, with a row of teeth and a tongue.
void OpenSmile(Canvas& c, float y, float w, float h, bool teeth) {
  auto inside = [=](float x, float yy) {
    float u = (x - kCx) / w, v = (yy - y) / h;
    return u * u + v * v <= 1.0f && yy >= y;
  };
  c.MaskFn(kCx - w, y, kCx + w, y + h, inside);
  c.Fill({110, 30, 20, 255});
  c.Ellipse(kCx, y + h * 0.82f, w * 0.55f, h * 0.32f);
  c.SetClip(inside);
  c.Fill({236, 90, 100, 255});
  if (teeth) {
    c.Rect(kCx - w, y, 2 * w, h * 0.28f);
    c.Fill({255, 255, 255, 255});
  }
  c.ClearClip();
}

void Arc(Canvas& c, float cx, float cy, float r, float width, bool upper, Rgba col) {
  c.MaskFn(cx - r - width, cy - r - width, cx + r + width, cy + r + width, [=](float x, float y) {
    float d = std::hypot(x - cx, y - cy);
    return std::fabs(d - r) <= width / 2 && (upper ? y <= cy : y >= cy);
  });
  c.Fill(col);
}

void Tear(Canvas& c, float x, float y, float s) {
  c.MaskFn(x - s, y - s * 2, x + s, y + s, [=](float px, float py) {
    float d = std::hypot(px - x, py - y);
    if (d <= s) return true;
    return py < y && std::fabs(px - x) <= s * (1 - (y - py) / (s * 2));
  });
  c.Shadow({0, 0, 0, 80}, 1, 0, 1);
  c.Fill(LinearV(y - s * 2, {190, 236, 255, 255}, y + s, {40, 140, 230, 255}));
}

}  // namespace

namespace {

SDL_Surface* DrawEmoji(int n);

}  // namespace

SDL_Surface* MakeEmoji(int n, int size) {
  SDL_Surface* big = Memo("emoji" + std::to_string(n), [n] { return DrawEmoji(n); });
  if (size == kEmojiBig) return big;
  {
    Canvas c(size, size, 4);
    c.Image(big, 0, 0, float(size), float(size));
    SDL_FreeSurface(big);
    return c.Finish();
  }
}

namespace {

SDL_Surface* DrawEmoji(int n) {
  Canvas c(kEmojiBig, kEmojiBig, 4);
  const Rgba yIn{255, 236, 110, 255}, yOut{244, 160, 20, 255};
  const Rgba brown{70, 36, 10, 255};
  switch (n) {
    case 0:  // grin
      FaceDisc(c, yIn, yOut);
      OvalEyes(c, -2, 8, 13);
      OpenSmile(c, kCy + 12, 40, 30, true);
      break;
    case 1:  // tears of joy
      FaceDisc(c, yIn, yOut);
      Arc(c, kCx - 25, kCy - 8, 12, 6, true, brown);
      Arc(c, kCx + 25, kCy - 8, 12, 6, true, brown);
      OpenSmile(c, kCy + 8, 44, 36, true);
      Tear(c, kCx - 52, kCy + 4, 10);
      Tear(c, kCx + 52, kCy + 4, 10);
      break;
    case 2:  // angry
      FaceDisc(c, {255, 150, 90, 255}, {210, 40, 24, 255});
      c.Poly({{kCx - 44, kCy - 40}, {kCx - 10, kCy - 24}, {kCx - 12, kCy - 16}, {kCx - 46, kCy - 30}});
      c.Poly({{kCx + 44, kCy - 40}, {kCx + 10, kCy - 24}, {kCx + 12, kCy - 16}, {kCx + 46, kCy - 30}});
      c.Fill(brown);
      OvalEyes(c, 6, 8, 9);
      Arc(c, kCx, kCy + 50, 22, 7, true, brown);
      break;
    case 3:  // cool, with sunglasses
      FaceDisc(c, yIn, yOut);
      c.RoundRect(kCx - 56, kCy - 30, 50, 30, 12);
      c.RoundRect(kCx + 6, kCy - 30, 50, 30, 12);
      c.Rect(kCx - 60, kCy - 30, 120, 7);
      c.Shadow({0, 0, 0, 120}, 2, 0, 3);
      c.Fill(LinearV(kCy - 30, {40, 40, 50, 255}, kCy, {6, 6, 8, 255}));
      c.Poly({{kCx - 48, kCy - 22}, {kCx - 38, kCy - 22}, {kCx - 48, kCy - 8}});
      c.Poly({{kCx + 14, kCy - 22}, {kCx + 24, kCy - 22}, {kCx + 14, kCy - 8}});
      c.Fill({255, 255, 255, 150});
      c.MaskFn(kCx - 30, kCy + 16, kCx + 36, kCy + 46, [](float x, float y) {
        float d = std::hypot(x - (kCx - 4), y - (kCy + 6));
        return d >= 30 && d <= 36 && y >= kCy + 20 && x > kCx - 26;
      });
      c.Fill(brown);
      break;
    case 4:  // crying
      FaceDisc(c, yIn, yOut);
      c.Poly({{kCx - 42, kCy - 30}, {kCx - 12, kCy - 40}, {kCx - 10, kCy - 34}, {kCx - 40, kCy - 24}});
      c.Poly({{kCx + 42, kCy - 30}, {kCx + 12, kCy - 40}, {kCx + 10, kCy - 34}, {kCx + 40, kCy - 24}});
      c.Fill(brown);
      OvalEyes(c, 2, 8, 11);
      Arc(c, kCx, kCy + 52, 22, 7, true, brown);
      c.RoundRect(kCx - 32, kCy - 4, 14, 60, 7);
      c.Fill({80, 170, 240, 220});
      Tear(c, kCx + 26, kCy + 8, 8);
      break;
    default:  // astonished
      FaceDisc(c, yIn, yOut);
      Arc(c, kCx - 24, kCy - 34, 13, 5, true, brown);
      Arc(c, kCx + 24, kCy - 34, 13, 5, true, brown);
      c.Disc(kCx - 24, kCy - 10, 13);
      c.Disc(kCx + 24, kCy - 10, 13);
      c.Fill({255, 255, 255, 255});
      c.Disc(kCx - 24, kCy - 9, 6.5f);
      c.Disc(kCx + 24, kCy - 9, 6.5f);
      c.Fill(brown);
      c.Ellipse(kCx, kCy + 36, 15, 19);
      c.Fill({110, 30, 20, 255});
      c.Ellipse(kCx, kCy + 44, 9, 7);
      c.Fill({236, 90, 100, 255});
      break;
  }
  return c.Finish();
}

}  // namespace

}  // namespace assetgen

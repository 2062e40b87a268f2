// The spin wheel and its pointer.
//
// The client reads the colour of the pixel 3 px below the pointer's tip, which
// lies at radius 213 of the 560 px wheel. So the wheel keeps a band of radii
// (kWheelBandInner .. kWheelBandOuter) free of labels, lines, gradients and
// antialiasing: after the picture is drawn, every pixel of that band is set to
// its segment's exact colour.
#include <algorithm>
#include <cmath>

#include "asset_list.h"
#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float C = kWheelSize / 2.0f;
constexpr float kRimInner = 256, kRimOuter = 279, kFaceR = 255;

Rgba SegmentColor(int i) {
  const WheelSegment& s = kWheelSegmentList[i];
  return {s.r, s.g, s.b, 255};
}

// Segment under a point: angles clockwise from straight up.
int SegmentAt(float x, float y) {
  float a = std::atan2(x - C, -(y - C)) * 180 / kPi;  // 0 at the top, clockwise positive
  if (a < 0) a += 360;
  return std::min(kWheelSegments - 1, int(a / (360.0f / kWheelSegments)));
}

}  // namespace

SDL_Surface* MakeSpinWheel() {
  Canvas c(kWheelSize, kWheelSize, 3);
  // Rim with a drop shadow.
  c.Disc(C, C, kRimOuter);
  c.Shadow({0, 0, 0, 190}, 4, 0, 1);
  c.Fill(Gold(C - kRimOuter, C + kRimOuter));
  c.Ring(C, C, kRimOuter - 2.5f, kRimOuter);
  c.Fill({120, 80, 6, 255});
  c.Ring(C, C, kRimInner - 4, kRimInner + 1);
  c.Fill({70, 40, 4, 255});
  // Segments (their band is made exact below).
  const float seg = 360.0f / kWheelSegments;
  for (int i = 0; i < kWheelSegments; ++i) {
    // Pie angles here are clockwise from +x; segment 0 starts straight up.
    c.Pie(C, C, kFaceR, -90 + i * seg, -90 + (i + 1) * seg);
    Rgba col = SegmentColor(i);
    c.Fill(Radial(C, C, kWheelBandInner - 8, Shade(col, 0.8f), col));  // flat from the band outwards
  }
  // Thin separators between the hub and the band only.
  for (int i = 0; i < kWheelSegments; ++i) {
    float a = (-90 + i * seg) * kPi / 180;
    c.StadiumLine(C + 56 * std::cos(a), C + 56 * std::sin(a), C + (kWheelBandInner - 4) * std::cos(a),
                  C + (kWheelBandInner - 4) * std::sin(a), 2.2f);
  }
  c.Fill({255, 255, 255, 200});
  // Labels, upright at the top, following the wheel round.
  for (int i = 0; i < kWheelSegments; ++i) {
    float mid = (i + 0.5f) * seg;  // clockwise from the top
    float a = (mid - 90) * kPi / 180;
    const float r = 128;
    Rgba col = SegmentColor(i);
    float lum = 0.3f * col.r + 0.59f * col.g + 0.11f * col.b;
    TextStyle t;
    t.font = "Bold";
    t.size = 32;
    t = Canvas::Fit(kWheelSegmentList[i].label, t, 64);
    bool jackpot = std::string(kWheelSegmentList[i].label) == "JACKPOT";
    t.paint = jackpot ? Gold(0, kWheelSize) : Solid(lum > 150 ? Rgba{40, 24, 4, 255} : kWhite);
    t.outline = 1.2f;
    t.outlineColor = lum > 150 ? Rgba{255, 255, 255, 120} : Rgba{0, 0, 0, 140};
    t.angle = -mid;
    c.Text(kWheelSegmentList[i].label, C + r * std::cos(a), C + r * std::sin(a), t);
    if (jackpot) {
      IconStar(c, C + 84 * std::cos(a), C + 84 * std::sin(a), 11, {0, 0, 0, 0});
      c.Fill(Gold(0, kWheelSize));
    }
  }
  // Bulbs on the rim, at every segment edge and middle.
  for (int i = 0; i < kWheelSegments * 2; ++i) {
    float a = (-90 + i * seg / 2) * kPi / 180;
    float bx = C + 267.5f * std::cos(a), by = C + 267.5f * std::sin(a);
    c.Disc(bx, by, 6.5f);
    c.Shadow({255, 240, 160, 160}, 3, 0, 0);
    c.Fill(Radial(bx - 1.5f, by - 1.5f, 7, {255, 255, 240, 255}, {250, 190, 40, 255}));
  }
  // Hub.
  c.Disc(C, C, 54);
  c.Shadow({0, 0, 0, 160}, 4, 0, 3);
  c.Fill(Gold(C - 54, C + 54));
  c.Disc(C, C, 44);
  c.Fill(Radial(C - 12, C - 14, 70, {220, 40, 50, 255}, {90, 6, 14, 255}));
  GoldCaption(c, "SPIN", C, C, 26, 76);
  SDL_Surface* s = c.Finish();

  // The exact band.
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float d = std::hypot(px - C, py - C);
      if (d < kWheelBandInner || d > kWheelBandOuter) continue;
      SetPixel(s, x, y, SegmentColor(SegmentAt(px, py)));
    }
  return s;
}

SDL_Surface* MakeSpinArrow() {
  const float W = kArrowW, H = kArrowH;
  Canvas c(kArrowW, kArrowH, 6);
  const float cx = W / 2, cy = 22, r = 19;
  // Body: a disc that narrows to the tip on the bottom edge.
  auto body = [&](Canvas& cv, float grow) {
    cv.Disc(cx, cy, r + grow);
    // A slightly blunt tip, so that its last row is solid.
    cv.Poly({{cx - (r + grow) * 0.86f, cy + (r + grow) * 0.5f}, {cx + (r + grow) * 0.86f, cy + (r + grow) * 0.5f},
             {cx + 1.6f, H + 0.5f}, {cx - 1.6f, H + 0.5f}});
  };
  body(c, 0);
  c.Shadow({0, 0, 0, 160}, 2, 0, 0);  // only around the sides: the tip row is the image's last row
  c.Fill({90, 56, 4, 255});
  c.Disc(cx, cy, r - 2.2f);
  c.Poly({{cx - (r - 2.2f) * 0.86f, cy + (r - 2.2f) * 0.5f}, {cx + (r - 2.2f) * 0.86f, cy + (r - 2.2f) * 0.5f},
          {cx, H - 4.5f}});
  c.Fill(Gold(0, H));
  c.Disc(cx, cy, 9);
  c.Shadow({0, 0, 0, 120}, 1.5f, 0, 1);
  c.Fill(Radial(cx - 3, cy - 3, 12, {255, 120, 130, 255}, {160, 0, 20, 255}));
  c.Disc(cx - 3, cy - 3, 2.5f);
  c.Fill({255, 255, 255, 200});
  return c.Finish();
}

}  // namespace assetgen

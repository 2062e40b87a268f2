// The card table, the two full-window backgrounds, the name plates, the hit
// vault and the crown.
#include <algorithm>
#include <cmath>

#include "asset_list.h"
#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265358979f;

float RoundRectSd(float px, float py, float x, float y, float w, float h, float r) {
  float cx = x + w / 2, cy = y + h / 2;
  float qx = std::fabs(px - cx) - (w / 2 - r), qy = std::fabs(py - cy) - (h / 2 - r);
  return std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f)) + std::min(std::max(qx, qy), 0.0f) - r;
}

// Fine cloth grain: per-pixel noise plus a soft large-scale variation.
float Grain(float x, float y, int seed) {
  return (Hash01(int(x * 2), int(y * 2), seed) - 0.5f) * 0.05f + (ValueNoise(x, y, 60, seed + 1) - 0.5f) * 0.06f;
}

Rgba Scale(Rgba c, float f) {
  auto ch = [&](int v) { return std::uint8_t(std::clamp(int(std::lround(v * f)), 0, 255)); };
  return {ch(c.r), ch(c.g), ch(c.b), c.a};
}

}  // namespace

// ============================================================================
// The table: 900 x 500, its top edge on the window's top edge
// ============================================================================

SDL_Surface* MakeTable() {
  const float W = kTableW, H = kTableH;
  Canvas c(kTableW, kTableH, 2);
  const float inset = 6, R = 226, rim = 26;
  const float ox = inset, oy = inset, ow = W - 2 * inset, oh = H - 2 * inset;

  // Soft shadow under the whole table.
  c.RoundRect(ox, oy, ow, oh, R);
  c.Shadow({0, 0, 0, 200}, 5, 0, 3);
  c.ClearMask();

  // Padded leather rail: shaded by the distance across the rail.
  c.RoundRect(ox, oy, ow, oh, R);
  c.Fill([&](float x, float y) {
    float d = -RoundRectSd(x, y, ox, oy, ow, oh, R);  // 0 at the outer edge, rim at the felt
    float t = std::clamp(d / rim, 0.0f, 1.0f);
    float pad = std::sin(t * kPi);  // rounded padding
    float light = 0.55f + 0.55f * pad + 0.18f * (1 - y / H);
    Rgba base{72, 38, 22, 255};
    Rgba c2 = Scale(base, light);
    // Stitching: a dotted line along the middle of the rail.
    float along = (x + y * 1.3f);
    if (std::fabs(d - rim * 0.5f) < 0.6f && std::fmod(along + 1000, 7.0f) < 3.5f) c2 = Mix(c2, {150, 110, 70, 255}, 0.6f);
    return c2;
  });

  // Felt.
  const float fx = ox + rim, fy = oy + rim, fw = ow - 2 * rim, fh = oh - 2 * rim, fr = R - rim;
  c.RoundRect(fx, fy, fw, fh, fr);
  c.Fill([&](float x, float y) {
    float dx = (x - W / 2) / (W * 0.55f), dy = (y - H / 2) / (H * 0.62f);
    float t = std::clamp(std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
    Rgba col = Mix(kFeltCentre, kFeltEdge, t * t * 0.9f + t * 0.1f);
    float g = 1.0f + Grain(x, y, 7);
    // Inner shadow along the rail.
    float d = -RoundRectSd(x, y, fx, fy, fw, fh, fr);
    float edge = std::clamp(d / 22.0f, 0.0f, 1.0f);
    g *= 0.62f + 0.38f * std::sqrt(edge);
    return Scale(col, g);
  });

  // Gold pinstripe where felt meets the rail.
  c.RoundRect(fx - 1.5f, fy - 1.5f, fw + 3, fh + 3, fr + 1.5f);
  c.RoundRectExact(fx + 0.8f, fy + 0.8f, fw - 1.6f, fh - 1.6f, fr - 0.8f, true);
  c.Fill(Gold(0, H));
  // A second, fainter line inside the felt.
  c.RoundRect(fx + 14, fy + 14, fw - 28, fh - 28, fr - 14);
  c.RoundRectExact(fx + 15.2f, fy + 15.2f, fw - 30.4f, fh - 30.4f, fr - 15.2f, true);
  c.Fill(WithAlpha(kGold, 46));

  // The stock ring at the centre, with the name of the game on its upper arc.
  const float cx = W / 2, cy = H / 2;
  c.MaskFn(cx - 84, cy - 76, cx + 84, cy + 76, [&](float x, float y) {
    float u = (x - cx) / 80, v = (y - cy) / 72;
    float r = std::sqrt(u * u + v * v);
    return r >= 1.0f && r <= 1.0f + 2.0f / 76;
  });
  c.Fill(WithAlpha(kGold, 80));
  const char* name = "KORVANE";
  for (int i = 0; i < 7; ++i) {
    float a = (-90 + (i - 3) * 10.0f) * kPi / 180;
    TextStyle t;
    t.font = "SerifBold";
    t.size = 17;
    t.paint = Solid(WithAlpha(kGold, 110));
    t.angle = -(i - 3) * 10.0f;
    c.Text(std::string(1, name[i]), cx + 100 * std::cos(a), cy + 90 * std::sin(a), t);
  }
  DrawSuit(c, kSpades, cx - 104, cy, 16, false, WithAlpha({0, 30, 12, 255}, 90));
  DrawSuit(c, kHearts, cx + 104, cy, 16, false, WithAlpha({0, 30, 12, 255}, 90));

  // Faint places where the discard piles come to rest (card 70 x 98 at the
  // client's resting points: own pile right of centre, left seat's left of
  // centre, right seat's at the top).
  struct Spot {
    float x, y;
  };
  const Spot spots[] = {{cx + W / 3.5f, cy + H / 2 - 98}, {cx - W / 3.5f, cy + H / 2 - 98}, {cx, cy - H / 3}};
  for (const Spot& s : spots) {
    const float sw = 76, sh = 104;
    c.MaskFn(s.x - sw / 2, s.y - sh / 2, s.x + sw / 2, s.y + sh / 2, [&](float x, float y) {
      float d = RoundRectSd(x, y, s.x - sw / 2, s.y - sh / 2, sw, sh, 8);
      if (d > 0 || d < -1.6f) return false;
      float per = std::fmod(x + y + 400, 10.0f);  // dashes
      return per < 6.0f;
    });
    c.Fill({255, 255, 255, 40});
  }
  return c.Finish();
}

// ============================================================================
// bg.png: the room behind the table (window size)
// ============================================================================

SDL_Surface* MakeRoomBackground() {
  Canvas c(1280, 760, 1);
  const float railY = 592;
  c.PaintAll([&](float x, float y) {
    float dx = (x - 640) / 900, dy = (y - 260) / 700;
    float r = std::sqrt(dx * dx + dy * dy);
    Rgba col = Mix({44, 36, 32, 255}, {8, 7, 7, 255}, std::clamp(r, 0.0f, 1.0f));
    // Damask: a diamond lattice with a small lozenge in each cell.
    float u = std::fmod(x + 10000, 56.0f) - 28, v = std::fmod(y + 10000, 56.0f) - 28;
    float diamond = std::fabs(u) + std::fabs(v);
    float f = 1.0f;
    if (std::fabs(diamond - 27) < 1.0f) f = 1.12f;
    if (diamond < 7) f = 1.1f;
    f += (Hash01(int(x), int(y), 3) - 0.5f) * 0.04f;
    if (y >= railY) {
      // The hand's wooden rail along the bottom.
      float t = (y - railY) / (760 - railY);
      col = Mix({62, 38, 24, 255}, {22, 13, 9, 255}, t);
      float grain = ValueNoise(x * 0.25f, y * 3.0f, 40, 11);
      f = 0.9f + 0.22f * grain + (Hash01(int(x), int(y), 5) - 0.5f) * 0.03f;
      if (y < railY + 3) return Mix(kGold, {120, 80, 10, 255}, (y - railY) / 3);
      if (y < railY + 10) f *= 0.75f + 0.025f * (y - railY);
    }
    return Scale(col, f);
  });
  return c.Finish();
}

// ============================================================================
// classic.png: the menu background, shown dimmed to a fifth of its brightness
// ============================================================================

SDL_Surface* MakeMenuBackground() {
  Canvas c(1280, 760, 2);
  c.PaintAll([&](float x, float y) {
    float dx = (x - 640) / 820, dy = (y - 300) / 620;
    float r = std::clamp(std::sqrt(dx * dx + dy * dy), 0.0f, 1.0f);
    Rgba col = Mix({40, 170, 92, 255}, {6, 50, 26, 255}, r);
    return Scale(col, 1.0f + Grain(x, y, 21));
  });
  // Light rays from the top centre.
  for (int i = 0; i < 18; ++i) {
    float a0 = 20 + i * 8.0f, a1 = a0 + 3.5f;
    c.Pie(640, -80, 1400, a0, a1);
  }
  c.Fill(LinearV(0, {255, 255, 220, 40}, 760, {255, 255, 220, 0}));

  // Fans of cards in the lower corners.
  auto fan = [&](float px, float py, float baseAngle, int seed) {
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
      float a = (baseAngle + (i - 2) * 13.0f) * kPi / 180;
      float cw = 150, ch = 210;
      auto rot = [&](float u, float v) {
        return Vec2{px + u * std::cos(a) - v * std::sin(a), py + u * std::sin(a) + v * std::cos(a)};
      };
      // Rounded rectangle outline in the card's own frame (pivot at its bottom centre).
      std::vector<Vec2> pts;
      const float rr = 14;
      const Vec2 corners[4] = {{cw / 2 - rr, -ch + rr}, {cw / 2 - rr, -rr}, {-cw / 2 + rr, -rr}, {-cw / 2 + rr, -ch + rr}};
      for (int q = 0; q < 4; ++q)
        for (int k = 0; k <= 8; ++k) {
          float t = (-90 + q * 90 + k * 90 / 8.0f) * kPi / 180;
          pts.push_back(rot(corners[q].x + rr * std::cos(t), corners[q].y + rr * std::sin(t)));
        }
      c.Poly(pts);
      c.Shadow({0, 0, 0, 160}, 6, 4, 6);
      c.Fill({250, 248, 240, 255});
      Vec2 m = rot(0, -ch / 2);
      int suit = 1 + int(rng.Next() % 4);
      DrawSuit(c, suit, m.x, m.y, 70);
      Vec2 k = rot(-cw / 2 + 22, -ch + 30);
      TextStyle t;
      t.size = 30;
      t.paint = Solid(SuitColor(suit));
      t.angle = -a * 180 / kPi;
      static const char* ranks[] = {"A", "K", "Q", "J", "10"};
      c.Text(ranks[i], k.x, k.y, t);
    }
  };
  fan(170, 800, 18, 5);
  fan(1110, 800, -18, 9);

  // Scattered suit symbols.
  Rng rng(77);
  for (int i = 0; i < 26; ++i) {
    float x = rng.Uniform(40, 1240), y = rng.Uniform(40, 560);
    if (std::fabs(x - 640) < 360 && y < 330) continue;  // keep the logo clear
    DrawSuit(c, 1 + int(rng.Next() % 4), x, y, rng.Uniform(20, 44), false, {255, 255, 255, 40});
  }

  // The logo.
  const float ly = 182;
  c.Ellipse(640, ly, 310, 80);
  c.Shadow({0, 0, 0, 180}, 14, 0, 8);
  c.Fill({10, 40, 22, 200});
  c.MaskFn(320, ly - 84, 960, ly + 84, [=](float x, float y) {
    float u = (x - 640) / 310, v = (y - ly) / 80;
    float r = std::sqrt(u * u + v * v);
    return r >= 0.965f && r <= 1.0f;
  });
  c.Fill(Gold(ly - 80, ly + 80));
  GoldCaption(c, "KORVANE", 640, ly - 6, 104, 540, "SerifBold");
  TextStyle tag;
  tag.font = "Bold";
  tag.size = 22;
  tag.paint = Solid({240, 240, 230, 255});
  c.Text("C A R D   R O O M", 640, ly + 58, tag);
  return c.Finish();
}

// ============================================================================
// Name plates: 300 x 50
// ============================================================================

SDL_Surface* MakePlate(int kind) {
  const float W = 300, H = 50;
  Canvas c(300, 50, 4);
  c.RoundRect(1, 1, W - 2, H - 2, 15);
  c.Fill(Gold(0, H));
  c.RoundRect(3, 3, W - 6, H - 6, 13);
  c.Erase();
  c.RoundRect(3, 3, W - 6, H - 6, 13);
  c.Fill(LinearV(3, {40, 48, 46, 236}, H - 3, {6, 9, 9, 236}));
  c.RoundRect(5, 4, W - 10, H * 0.42f, 11);
  c.Fill(LinearV(4, {255, 255, 255, 46}, H * 0.46f, {255, 255, 255, 0}));
  // The card count's mark near the right end.
  IconCardBack(c, W - 46, H / 2, 24, {30, 70, 170, 255});
  if (kind == 1) IconCoin(c, W / 2 - 14, H / 2, 22);
  if (kind == 2) IconGem(c, W / 2 - 14, H / 2, 24);
  if (kind == 0) {
    // A thin divider before the count.
    c.Rect(W - 64, 12, 1.2f, H - 24);
    c.Fill(WithAlpha(kGold, 90));
  }
  return c.Finish();
}

// ============================================================================
// The hit vault (110 x 110): a small safe with a label band for "Hits N"
// ============================================================================

SDL_Surface* MakeHitVault() {
  const float W = 110;
  Canvas c(110, 110, 4);
  // Body.
  c.RoundRect(8, 6, W - 16, 98, 12);
  c.Shadow({0, 0, 0, 170}, 3, 0, 3);
  c.Fill(LinearV(6, {176, 184, 192, 255}, 104, {70, 76, 86, 255}));
  c.RoundRect(13, 11, W - 26, 62, 8);
  c.Fill(LinearV(11, {110, 118, 130, 255}, 73, {150, 158, 168, 255}));
  // Rivets.
  for (float x : {17.0f, 93.0f})
    for (float y : {15.0f, 69.0f}) c.Disc(x, y, 2.2f);
  c.Fill(Gold(12, 72));
  // The dial.
  const float dx = W / 2, dy = 42;
  c.Disc(dx, dy, 24);
  c.Shadow({0, 0, 0, 140}, 2, 0, 2);
  c.Fill(Gold(dy - 24, dy + 24));
  c.Disc(dx, dy, 19);
  c.Fill(Radial(dx - 5, dy - 6, 26, {90, 96, 108, 255}, {30, 34, 40, 255}));
  for (int i = 0; i < 12; ++i) {
    float a = i * 30 * kPi / 180;
    c.StadiumLine(dx + 15 * std::cos(a), dy + 15 * std::sin(a), dx + 18 * std::cos(a), dy + 18 * std::sin(a), 1.4f);
  }
  c.Fill({230, 230, 230, 255});
  for (int i = 0; i < 3; ++i) {  // the handle spokes
    float a = (i * 120 - 90) * kPi / 180;
    c.StadiumLine(dx, dy, dx + 12 * std::cos(a), dy + 12 * std::sin(a), 3.2f);
  }
  c.Disc(dx, dy, 5);
  c.Fill(Gold(dy - 12, dy + 12));
  // Label band for the hits counter, which the client writes in gold.
  c.RoundRect(14, 78, W - 28, 24, 6);
  c.Fill(Gold(78, 102));
  c.RoundRect(15.5f, 79.5f, W - 31, 21, 5);
  c.Fill(LinearV(79, {20, 16, 12, 255}, 101, {4, 4, 4, 255}));
  return c.Finish();
}

// The crown sits in the upper part of its picture, so that, centred a little
// above a name, it stands on the name instead of covering it.
SDL_Surface* MakeCrown() {
  Canvas c(34, 28, 6);
  IconCrown(c, 17, 10, 30, 18);
  return c.Finish();
}

}  // namespace assetgen

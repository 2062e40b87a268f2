// Suit symbols, icons and widget styles.
#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265358979f;

std::vector<Vec2> HeartOutline(float cx, float cy, float size, bool flip) {
  // The classic heart curve: x = 16 sin^3 t, y = 13 cos t - 5 cos 2t - 2 cos 3t - cos 4t.
  // Its extent is about 32 wide and 29 high (from -12 to +17 after the sign change).
  std::vector<Vec2> pts;
  float s = size / 29.0f;
  for (int i = 0; i < 160; ++i) {
    float t = 2 * kPi * i / 160;
    float x = 16 * std::pow(std::sin(t), 3);
    float y = -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
    y -= 2.5f;  // centre vertically
    pts.push_back({cx + x * s * 0.95f, cy + (flip ? -y : y) * s});
  }
  return pts;
}

Vec2 Lerp(Vec2 a, Vec2 b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

std::vector<Vec2> Quad(Vec2 a, Vec2 ctrl, Vec2 b, int n) {
  std::vector<Vec2> pts;
  for (int i = 0; i < n; ++i) {
    float t = float(i) / n;
    pts.push_back(Lerp(Lerp(a, ctrl, t), Lerp(ctrl, b, t), t));
  }
  return pts;
}

// The flared stem of spades and clubs, from the symbol's centre to its base.
void Stem(Canvas& c, float cx, float top, float bottom, float halfBase, float dir) {
  std::vector<Vec2> pts;
  float h = bottom - top;
  pts.push_back({cx - h * 0.05f, top});
  for (int i = 0; i <= 12; ++i) {  // left concave flank
    float t = float(i) / 12;
    float w = h * 0.05f + (halfBase - h * 0.05f) * t * t;
    pts.push_back({cx - w, top + dir * 0 + h * t});
  }
  for (int i = 12; i >= 0; --i) {
    float t = float(i) / 12;
    float w = h * 0.05f + (halfBase - h * 0.05f) * t * t;
    pts.push_back({cx + w, top + h * t});
  }
  if (dir < 0) {  // mirrored about the symbol centre
    for (Vec2& p : pts) p.y = top + bottom - p.y;
  }
  c.Poly(pts);
}

}  // namespace

bool IsRedSuit(int suit) { return suit == kDiamonds || suit == kHearts; }

Rgba SuitColor(int suit) { return IsRedSuit(suit) ? kCardRed : kCardBlack; }

void SuitMask(Canvas& c, int suit, float cx, float cy, float size, bool flip) {
  float f = flip ? -1.0f : 1.0f;
  switch (suit) {
    case kHearts:
      c.Poly(HeartOutline(cx, cy, size, flip));
      break;
    case kDiamonds: {
      float h = size / 2, w = size * 0.38f;
      Vec2 t{cx, cy - h}, r{cx + w, cy}, b{cx, cy + h}, l{cx - w, cy};
      std::vector<Vec2> pts;
      auto side = [&](Vec2 a, Vec2 z) {
        Vec2 m = Lerp(a, z, 0.5f);
        Vec2 ctrl = Lerp(m, {cx, cy}, 0.16f);  // slightly concave sides
        auto q = Quad(a, ctrl, z, 10);
        pts.insert(pts.end(), q.begin(), q.end());
      };
      side(t, r);
      side(r, b);
      side(b, l);
      side(l, t);
      c.Poly(pts);
      break;
    }
    case kSpades: {
      // An upside-down heart for the blade, and a flared stem.
      float body = size * 0.78f;
      float bodyCy = cy - f * size * 0.09f;
      c.Poly(HeartOutline(cx, bodyCy, body, !flip));
      float stemTop = cy + f * size * 0.05f, stemBottom = cy + f * size * 0.5f;
      if (flip)
        Stem(c, cx, stemBottom, stemTop, size * 0.2f, -1);
      else
        Stem(c, cx, stemTop, stemBottom, size * 0.2f, 1);
      break;
    }
    case kClubs: {
      float r = size * 0.215f;
      c.Circle(cx, cy - f * size * 0.245f, r);
      c.Circle(cx - size * 0.245f, cy + f * size * 0.06f, r);
      c.Circle(cx + size * 0.245f, cy + f * size * 0.06f, r);
      c.Circle(cx, cy + f * size * 0.0f, r * 0.62f);
      float stemTop = cy, stemBottom = cy + f * size * 0.5f;
      if (flip)
        Stem(c, cx, stemBottom, stemTop, size * 0.2f, -1);
      else
        Stem(c, cx, stemTop, stemBottom, size * 0.2f, 1);
      break;
    }
    default:
      IconStar(c, cx, cy, size / 2, {0, 0, 0, 0});
      break;
  }
}

void DrawSuit(Canvas& c, int suit, float cx, float cy, float size, bool flip, Rgba color) {
  SuitMask(c, suit, cx, cy, size, flip);
  Rgba base = color.a ? color : SuitColor(suit);
  // A faint top-down sheen keeps the big symbols from looking flat.
  c.Fill(LinearV(cy - size / 2, Shade(base, 1.12f), cy + size / 2, Shade(base, 0.82f)));
}

// ============================================================================
// Icons
// ============================================================================

void IconCoin(Canvas& c, float cx, float cy, float s) {
  float r = s / 2;
  c.Disc(cx, cy + r * 0.06f, r);
  c.Fill(WithAlpha({60, 34, 0, 255}, 120));
  c.Disc(cx, cy, r);
  c.Fill(Gold(cy - r, cy + r));
  c.Disc(cx, cy, r * 0.78f);
  c.Fill(LinearV(cy - r, {196, 140, 10, 255}, cy + r, {255, 226, 96, 255}));
  TextStyle t;
  t.font = "SerifBold";
  t.size = r * 1.15f;
  t.paint = Solid({150, 96, 4, 255});
  c.Text("e", cx, cy - r * 0.05f, t);
}

void IconGem(Canvas& c, float cx, float cy, float s) {
  float w = s * 0.5f, top = cy - s * 0.3f, girdle = cy - s * 0.1f, tip = cy + s * 0.42f;
  std::vector<Vec2> outline{{cx - w * 0.55f, top}, {cx + w * 0.55f, top}, {cx + w, girdle}, {cx, tip}, {cx - w, girdle}};
  c.Poly(outline);
  c.Fill(LinearV(top, {120, 220, 255, 255}, tip, {20, 80, 200, 255}));
  c.Poly({{cx - w * 0.55f, top}, {cx - w * 0.2f, girdle}, {cx - w, girdle}});
  c.Fill({200, 245, 255, 255});
  c.Poly({{cx + w * 0.55f, top}, {cx + w * 0.2f, girdle}, {cx + w, girdle}});
  c.Fill({70, 160, 240, 255});
  c.Poly({{cx - w * 0.2f, girdle}, {cx + w * 0.2f, girdle}, {cx, tip}});
  c.Fill({40, 120, 230, 255});
  c.Poly({{cx - w, girdle}, {cx - w * 0.2f, girdle}, {cx, tip}});
  c.Fill({90, 190, 250, 255});
  c.Poly({{cx - w * 0.55f, top}, {cx + w * 0.55f, top}, {cx + w * 0.2f, girdle}, {cx - w * 0.2f, girdle}});
  c.Fill({160, 235, 255, 255});
}

void IconCrown(Canvas& c, float cx, float cy, float w, float h) {
  float l = cx - w / 2, r = cx + w / 2, t = cy - h / 2, b = cy + h / 2;
  float band = b - h * 0.22f;
  std::vector<Vec2> pts{{l + w * 0.06f, band},  {l, t + h * 0.22f},        {l + w * 0.27f, t + h * 0.5f},
                        {cx, t},                {r - w * 0.27f, t + h * 0.5f}, {r, t + h * 0.22f},
                        {r - w * 0.06f, band}};
  c.Poly(pts);
  c.RoundRect(l + w * 0.06f, band - 1, w * 0.88f, b - band + 1, h * 0.06f);
  c.Shadow({40, 20, 0, 150}, 1.0f, 0, h * 0.05f);
  c.Fill(Gold(t, b));
  c.Disc(l, t + h * 0.2f, h * 0.09f);
  c.Disc(cx, t, h * 0.1f);
  c.Disc(r, t + h * 0.2f, h * 0.09f);
  c.Fill(Gold(t - h * 0.1f, t + h * 0.3f));
  c.Disc(cx, band + (b - band) / 2, h * 0.075f);
  c.Fill({210, 20, 40, 255});
  c.Disc(cx - w * 0.26f, band + (b - band) / 2, h * 0.06f);
  c.Disc(cx + w * 0.26f, band + (b - band) / 2, h * 0.06f);
  c.Fill({30, 120, 220, 255});
}

void IconPerson(Canvas& c, float cx, float cy, float s, Rgba color) {
  c.Disc(cx, cy - s * 0.2f, s * 0.2f);
  c.MaskFn(cx - s * 0.4f, cy, cx + s * 0.4f, cy + s * 0.45f, [=](float x, float y) {
    float dx = (x - cx) / (s * 0.38f), dy = (y - (cy + s * 0.45f)) / (s * 0.42f);
    return dx * dx + dy * dy <= 1 && y <= cy + s * 0.45f;
  });
  c.Fill(LinearV(cy - s * 0.4f, Shade(color, 1.2f), cy + s * 0.45f, Shade(color, 0.8f)));
}

void IconPeople(Canvas& c, float cx, float cy, float s, Rgba front, Rgba back) {
  IconPerson(c, cx + s * 0.18f, cy - s * 0.05f, s * 0.8f, back);
  IconPerson(c, cx - s * 0.12f, cy + s * 0.05f, s * 0.9f, front);
}

void IconCardFan(Canvas& c, float cx, float cy, float s, int count) {
  // A fan of small cards, the last one showing a spade.
  float cw = s * 0.42f, ch = s * 0.6f;
  for (int i = 0; i < count; ++i) {
    float a = (i - (count - 1) / 2.0f) * 16.0f * kPi / 180.0f;
    float px = cx + std::sin(a) * s * 0.28f, py = cy + s * 0.12f - std::cos(a) * s * 0.1f;
    std::vector<Vec2> pts;
    Vec2 corners[4] = {{-cw / 2, -ch / 2}, {cw / 2, -ch / 2}, {cw / 2, ch / 2}, {-cw / 2, ch / 2}};
    for (Vec2 k : corners)
      pts.push_back({px + k.x * std::cos(a) - k.y * std::sin(a), py + k.x * std::sin(a) + k.y * std::cos(a)});
    c.Poly(pts);
    c.Shadow({0, 0, 0, 90}, 1.5f, 1, 1);
    c.Fill({250, 248, 240, 255});
    std::vector<Vec2> inner;
    for (Vec2 k : corners) {
      Vec2 q{k.x * 0.8f, k.y * 0.86f};
      inner.push_back({px + q.x * std::cos(a) - q.y * std::sin(a), py + q.x * std::sin(a) + q.y * std::cos(a)});
    }
    c.Poly(inner);
    c.Fill(i % 2 ? Rgba{200, 40, 50, 60} : Rgba{30, 30, 40, 40});
    if (i == count - 1) DrawSuit(c, i % 2 ? kHearts : kSpades, px, py, ch * 0.42f);
  }
}

void IconPlus(Canvas& c, float cx, float cy, float s, Rgba color) {
  float t = s * 0.22f;
  c.RoundRect(cx - s / 2, cy - t / 2, s, t, t / 3);
  c.RoundRect(cx - t / 2, cy - s / 2, t, s, t / 3);
  c.Shadow({0, 0, 0, 140}, 1.5f, 0, 1.5f);
  c.Fill(color);
}

void IconDice(Canvas& c, float cx, float cy, float s) {
  auto die = [&](float x, float y, float d, float angle, int pips) {
    float a = angle * kPi / 180;
    auto rot = [&](float u, float v) { return Vec2{x + u * std::cos(a) - v * std::sin(a), y + u * std::sin(a) + v * std::cos(a)}; };
    std::vector<Vec2> pts;
    for (int i = 0; i < 32; ++i) {  // a rounded square
      float t = 2 * kPi * i / 32;
      float u = std::cos(t), v = std::sin(t);
      float p = 6;
      float su = std::copysign(std::pow(std::fabs(u), 2 / p), u), sv = std::copysign(std::pow(std::fabs(v), 2 / p), v);
      pts.push_back(rot(su * d / 2, sv * d / 2));
    }
    c.Poly(pts);
    c.Shadow({0, 0, 0, 120}, 2, 1, 2);
    c.Fill(LinearV(y - d / 2, {255, 255, 255, 255}, y + d / 2, {214, 214, 224, 255}));
    const float q = d * 0.26f;
    std::vector<Vec2> at;
    if (pips == 5) at = {{-q, -q}, {q, -q}, {0, 0}, {-q, q}, {q, q}};
    if (pips == 3) at = {{-q, -q}, {0, 0}, {q, q}};
    for (Vec2 p : at) {
      Vec2 w = rot(p.x, p.y);
      c.Disc(w.x, w.y, d * 0.09f);
    }
    c.Fill({180, 20, 30, 255});
  };
  die(cx - s * 0.18f, cy + s * 0.08f, s * 0.5f, -14, 5);
  die(cx + s * 0.22f, cy - s * 0.12f, s * 0.42f, 18, 3);
}

void IconWallet(Canvas& c, float cx, float cy, float s, bool arrowIn) {
  float w = s * 0.8f, h = s * 0.56f, x = cx - w / 2, y = cy - h / 2 + s * 0.08f;
  c.RoundRect(x, y, w, h, s * 0.08f);
  c.Shadow({0, 0, 0, 120}, 2, 0, 2);
  c.Fill(LinearV(y, {150, 90, 40, 255}, y + h, {90, 50, 20, 255}));
  c.RoundRect(x + w * 0.62f, y + h * 0.32f, w * 0.42f, h * 0.36f, s * 0.05f);
  c.Fill(LinearV(y, {120, 70, 30, 255}, y + h, {70, 40, 15, 255}));
  c.Disc(x + w * 0.8f, y + h * 0.5f, s * 0.045f);
  c.Fill(kGold);
  // The coin going in or out.
  IconCoin(c, cx - s * 0.05f, y - s * 0.12f, s * 0.34f);
  float ax = cx + s * 0.3f, ay0 = y - s * 0.3f, ay1 = y - s * 0.02f;
  if (!arrowIn) std::swap(ay0, ay1);
  c.StadiumLine(ax, ay0, ax, ay1, s * 0.07f);
  float dir = ay1 > ay0 ? 1.0f : -1.0f;
  c.Poly({{ax - s * 0.1f, ay1 - dir * s * 0.08f}, {ax + s * 0.1f, ay1 - dir * s * 0.08f}, {ax, ay1 + dir * s * 0.06f}});
  c.Shadow({0, 0, 0, 150}, 1, 0, 1);
  c.Fill(arrowIn ? Rgba{90, 230, 110, 255} : Rgba{255, 120, 90, 255});
}

void IconStar(Canvas& c, float cx, float cy, float r, Rgba color, int points, float inner) {
  std::vector<Vec2> pts;
  for (int i = 0; i < points * 2; ++i) {
    float a = -kPi / 2 + kPi * i / points;
    float rr = i % 2 ? r * inner : r;
    pts.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  c.Poly(pts);
  if (color.a) c.Fill(color);
}

void IconShare(Canvas& c, float cx, float cy, float s, Rgba color) {
  Vec2 a{cx + s * 0.28f, cy - s * 0.3f}, b{cx - s * 0.28f, cy}, d{cx + s * 0.28f, cy + s * 0.3f};
  c.StadiumLine(a.x, a.y, b.x, b.y, s * 0.09f);
  c.StadiumLine(d.x, d.y, b.x, b.y, s * 0.09f);
  c.Disc(a.x, a.y, s * 0.15f);
  c.Disc(b.x, b.y, s * 0.15f);
  c.Disc(d.x, d.y, s * 0.15f);
  c.Shadow({0, 0, 0, 120}, 1.5f, 0, 1);
  c.Fill(color);
}

void IconPencil(Canvas& c, float cx, float cy, float s, Rgba color) {
  float a = -45 * kPi / 180;
  auto rot = [&](float u, float v) { return Vec2{cx + u * std::cos(a) - v * std::sin(a), cy + u * std::sin(a) + v * std::cos(a)}; };
  float L = s * 0.5f, W = s * 0.13f;
  c.Poly({rot(-L, -W), rot(L * 0.6f, -W), rot(L * 0.6f, W), rot(-L, W)});
  c.Fill(color);
  c.Poly({rot(L * 0.6f, -W), rot(L, 0), rot(L * 0.6f, W)});
  c.Fill({240, 210, 160, 255});
  c.Poly({rot(L * 0.86f, -W * 0.35f), rot(L, 0), rot(L * 0.86f, W * 0.35f)});
  c.Fill({40, 40, 40, 255});
  c.Poly({rot(-L, -W), rot(-L * 0.75f, -W), rot(-L * 0.75f, W), rot(-L, W)});
  c.Fill({230, 120, 140, 255});
}

void IconFlame(Canvas& c, float cx, float cy, float s) {
  auto flame = [&](float sc, Paint p) {
    std::vector<Vec2> pts;
    for (int i = 0; i < 64; ++i) {
      float t = 2 * kPi * i / 64;
      float x = std::sin(t) * (0.5f - 0.2f * std::cos(t));
      float y = -std::cos(t);
      if (y < 0) x *= 0.6f + 0.4f * (1 + y);  // narrows to a tongue at the top
      pts.push_back({cx + x * s * 0.6f * sc, cy + s * 0.12f + y * s * 0.46f * sc + (y > 0 ? -y * s * 0.1f * sc : 0)});
    }
    c.Poly(pts);
    c.Fill(p);
  };
  flame(1.0f, LinearV(cy - s / 2, {255, 200, 40, 255}, cy + s / 2, {220, 40, 10, 255}));
  flame(0.62f, LinearV(cy - s / 4, {255, 250, 200, 255}, cy + s / 2, {255, 170, 30, 255}));
}

void IconBolt(Canvas& c, float cx, float cy, float s, Rgba color) {
  c.Poly({{cx + s * 0.1f, cy - s / 2},
          {cx - s * 0.3f, cy + s * 0.06f},
          {cx - s * 0.02f, cy + s * 0.06f},
          {cx - s * 0.12f, cy + s / 2},
          {cx + s * 0.3f, cy - s * 0.08f},
          {cx + s * 0.02f, cy - s * 0.08f}});
  c.Shadow({0, 0, 0, 140}, 1.5f, 1, 1.5f);
  c.Fill(color);
}

void IconCardBack(Canvas& c, float cx, float cy, float h, Rgba color) {
  float w = h * 0.7f;
  c.RoundRect(cx - w / 2, cy - h / 2, w, h, h * 0.1f);
  c.Fill({245, 245, 245, 255});
  c.RoundRect(cx - w / 2 + h * 0.08f, cy - h / 2 + h * 0.08f, w - h * 0.16f, h - h * 0.16f, h * 0.06f);
  c.Fill(color);
}

void IconMiniWheel(Canvas& c, float cx, float cy, float r) {
  const Rgba cols[8] = {{230, 40, 60, 255},  {250, 200, 30, 255}, {40, 170, 80, 255},  {40, 120, 230, 255},
                        {240, 120, 30, 255}, {150, 60, 200, 255}, {30, 180, 190, 255}, {240, 90, 160, 255}};
  c.Disc(cx, cy, r);
  c.Shadow({0, 0, 0, 140}, 2, 0, 2);
  c.Fill(Gold(cy - r, cy + r));
  for (int i = 0; i < 8; ++i) {
    c.Pie(cx, cy, r * 0.84f, -90 + i * 45.0f, -90 + (i + 1) * 45.0f);
    c.Fill(cols[i]);
  }
  c.Disc(cx, cy, r * 0.22f);
  c.Fill(Gold(cy - r * 0.2f, cy + r * 0.2f));
}

void IconShop(Canvas& c, float cx, float cy, float s) {
  float w = s * 0.8f, x = cx - w / 2, top = cy - s * 0.3f;
  c.RoundRect(x + s * 0.04f, top + s * 0.2f, w - s * 0.08f, s * 0.5f, s * 0.04f);
  c.Fill(LinearV(top, {240, 236, 226, 255}, cy + s * 0.4f, {200, 196, 186, 255}));
  for (int i = 0; i < 4; ++i) {  // the striped awning
    float x0 = x + i * w / 4;
    c.MaskFn(x0, top, x0 + w / 4, top + s * 0.26f, [=](float px, float py) {
      float u = (px - (x0 + w / 8)) / (w / 8);
      return py <= top + s * 0.16f + s * 0.08f * std::sqrt(std::max(0.0f, 1 - u * u));
    });
    c.Fill(i % 2 ? Rgba{250, 250, 250, 255} : Rgba{210, 40, 50, 255});
  }
  c.RoundRect(cx - s * 0.1f, cy + s * 0.08f, s * 0.2f, s * 0.32f, s * 0.03f);
  c.Fill({110, 70, 40, 255});
}

void IconSwords(Canvas& c, float cx, float cy, float s) {
  for (int k = 0; k < 2; ++k) {
    float a = (k ? 45.0f : -45.0f) * kPi / 180;
    auto rot = [&](float u, float v) { return Vec2{cx + u * std::sin(a) + v * std::cos(a), cy - u * std::cos(a) + v * std::sin(a)}; };
    float L = s * 0.5f, W = s * 0.06f;
    c.Poly({rot(-L * 0.55f, -W), rot(L * 0.85f, -W), rot(L, 0), rot(L * 0.85f, W), rot(-L * 0.55f, W)});
    c.Shadow({0, 0, 0, 140}, 1.5f, 1, 1.5f);
    c.Fill(Linear(cx - s / 2, cy - s / 2, {250, 250, 255, 255}, cx + s / 2, cy + s / 2, {150, 160, 180, 255}));
    c.Poly({rot(-L * 0.55f, -W * 3.2f), rot(-L * 0.45f, -W * 3.2f), rot(-L * 0.45f, W * 3.2f), rot(-L * 0.55f, W * 3.2f)});
    c.Poly({rot(-L, -W * 1.2f), rot(-L * 0.55f, -W * 1.2f), rot(-L * 0.55f, W * 1.2f), rot(-L, W * 1.2f)});
    c.Fill(Gold(cy - s / 2, cy + s / 2));
  }
}

// ============================================================================
// Widgets
// ============================================================================

namespace {

struct ToneColors {
  Rgba top, bottom, edge;
};

ToneColors ColorsOf(Tone tone) {
  switch (tone) {
    case Tone::Green: return {{60, 178, 92, 255}, {14, 92, 44, 255}, {6, 50, 24, 255}};
    case Tone::Red: return {{236, 70, 60, 255}, {150, 14, 20, 255}, {80, 6, 10, 255}};
    case Tone::Gold: return {{255, 222, 92, 255}, {196, 130, 10, 255}, {110, 70, 4, 255}};
    case Tone::Blue: return {{70, 150, 240, 255}, {18, 62, 160, 255}, {8, 30, 90, 255}};
    case Tone::Purple: return {{170, 80, 220, 255}, {80, 20, 130, 255}, {40, 8, 70, 255}};
    case Tone::Teal: return {{50, 190, 190, 255}, {10, 100, 110, 255}, {4, 50, 56, 255}};
    case Tone::Orange: return {{255, 160, 50, 255}, {200, 80, 10, 255}, {110, 40, 4, 255}};
    case Tone::Dark:
    default: return {{58, 66, 62, 255}, {18, 22, 20, 255}, {6, 8, 8, 255}};
  }
}

}  // namespace

void DrawButton(Canvas& c, float x, float y, float w, float h, float radius, Tone tone, bool rim) {
  ToneColors t = ColorsOf(tone);
  float sh = std::max(2.0f, h * 0.06f);  // shadow room at the bottom
  float bh = h - sh;
  c.RoundRect(x + 1, y + 1, w - 2, bh - 1, radius);
  c.Shadow({0, 0, 0, 150}, sh * 0.8f, 0, sh * 0.7f);
  if (rim) {
    c.Fill(Gold(y, y + bh));
    float rw = std::max(1.5f, h * 0.045f);
    c.RoundRect(x + 1 + rw, y + 1 + rw, w - 2 - 2 * rw, bh - 1 - 2 * rw, std::max(1.0f, radius - rw));
  }
  c.Fill(LinearV(y, t.top, y + bh, t.bottom));
  // Gloss: a soft light band over the upper half.
  float inset = std::max(3.0f, h * 0.09f);
  c.RoundRect(x + inset, y + inset * 0.8f, w - 2 * inset, bh * 0.42f, std::max(1.0f, radius - inset));
  c.Fill(LinearV(y, {255, 255, 255, 110}, y + bh * 0.5f, {255, 255, 255, 8}));
}

void DrawDarkPanel(Canvas& c, float x, float y, float w, float h, float radius, float rimWidth) {
  c.RoundRect(x, y, w, h, radius);
  c.Fill(Gold(y, y + h));
  c.RoundRect(x + rimWidth, y + rimWidth, w - 2 * rimWidth, h - 2 * rimWidth, std::max(1.0f, radius - rimWidth));
  c.Erase();  // the translucent fill must not sit on top of the rim colour
  c.RoundRect(x + rimWidth, y + rimWidth, w - 2 * rimWidth, h - 2 * rimWidth, std::max(1.0f, radius - rimWidth));
  c.Fill(LinearV(y, {34, 44, 40, 228}, y + h, {8, 12, 10, 214}));
  c.RoundRect(x + rimWidth + 1, y + rimWidth + 1, w - 2 * rimWidth - 2, h * 0.35f, std::max(1.0f, radius - rimWidth));
  c.Fill(LinearV(y, {255, 255, 255, 34}, y + h * 0.35f, {255, 255, 255, 0}));
}

void Caption(Canvas& c, const std::string& text, float cx, float cy, float size, float maxWidth, Rgba color) {
  TextStyle t;
  t.font = "Bold";
  t.size = size;
  t.paint = Solid(color);
  t.outline = std::max(1.0f, size * 0.06f);
  t.outlineColor = {0, 0, 0, 150};
  t.shadow = {0, 0, 0, 150};
  t.shadowDy = std::max(1.0f, size * 0.06f);
  t.shadowBlur = std::max(1.0f, size * 0.08f);
  c.Text(text, cx, cy, Canvas::Fit(text, t, maxWidth));
}

void GoldCaption(Canvas& c, const std::string& text, float cx, float cy, float size, float maxWidth,
                 const std::string& font) {
  TextStyle t;
  t.font = font;
  t.size = size;
  t = Canvas::Fit(text, t, maxWidth);
  t.paint = Gold(cy - t.size * 0.4f, cy + t.size * 0.4f);
  t.outline = std::max(1.0f, t.size * 0.06f);
  t.outlineColor = {40, 22, 0, 230};
  t.shadow = {0, 0, 0, 170};
  t.shadowDy = std::max(1.0f, t.size * 0.07f);
  t.shadowBlur = std::max(1.0f, t.size * 0.08f);
  c.Text(text, cx, cy, t);
}

}  // namespace assetgen

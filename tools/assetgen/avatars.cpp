// The three seat avatars: busts in a gold medallion, turned three-quarters to
// the right (towards the table when seated on the left). The right seat's
// pictures are these mirrored.
//
//   0  the gentleman: fedora, moustache, navy suit, red tie, teal ground
//   1  the lady: long auburn hair, gold earrings, emerald dress, plum ground
//   2  the captain: white cap with a gold badge, grey beard, navy coat, amber ground
#include <algorithm>
#include <cmath>

#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float S = 400, C = 200;          // picture size and centre
constexpr float kOuter = 194, kInner = 180;  // medallion radii

struct Look {
  Rgba groundIn, groundOut;
  Rgba skin, hair, cloth, clothDark;
};

const Look kLooks[3] = {
    {{46, 150, 156, 255}, {8, 44, 52, 255}, {240, 196, 160, 255}, {52, 34, 24, 255}, {34, 46, 86, 255}, {14, 20, 44, 255}},
    {{170, 72, 150, 255}, {44, 10, 44, 255}, {246, 206, 178, 255}, {156, 52, 26, 255}, {20, 130, 86, 255}, {6, 66, 40, 255}},
    {{226, 140, 50, 255}, {70, 30, 8, 255}, {214, 160, 120, 255}, {186, 186, 190, 255}, {26, 40, 80, 255}, {10, 16, 36, 255}},
};

bool InMedallion(float x, float y) { return std::hypot(x - C, y - C) <= kInner; }

// Face features of a head centred on (hx, hy), turned to the right.
void Face(Canvas& c, const Look& k, float hx, float hy, int who) {
  // Ear on the far (left) side.
  c.Ellipse(hx - 60, hy + 6, 13, 22);
  c.Fill(Shade(k.skin, 0.86f));
  c.Ellipse(hx - 60, hy + 6, 6, 12);
  c.Fill(Shade(k.skin, 0.72f));
  // Head: lit from the right.
  c.Ellipse(hx, hy, 66, 82);
  c.Fill(Radial(hx + 26, hy - 20, 110, Shade(k.skin, 1.08f), Shade(k.skin, 0.8f)));
  // Cheek blush.
  c.Ellipse(hx + 30, hy + 26, 15, 9);
  c.Fill({230, 110, 110, who == 1 ? Uint8(80) : Uint8(40)});
  c.Ellipse(hx - 18, hy + 26, 12, 8);
  c.Fill({230, 110, 110, who == 1 ? Uint8(60) : Uint8(28)});
  // Eyes looking right.
  for (int e = 0; e < 2; ++e) {
    float ex = e ? hx + 34 : hx - 10, ey = hy - 4, ew = e ? 11.5f : 10.5f;
    c.Ellipse(ex, ey, ew, 7.5f);
    c.Fill({252, 252, 250, 255});
    c.Disc(ex + 3.5f, ey + 0.5f, 5.6f);
    c.Fill(who == 2 ? Rgba{60, 110, 160, 255} : who == 1 ? Rgba{60, 130, 80, 255} : Rgba{90, 60, 30, 255});
    c.Disc(ex + 4, ey + 0.5f, 2.8f);
    c.Fill({10, 10, 10, 255});
    c.Disc(ex + 5.5f, ey - 1.5f, 1.3f);
    c.Fill({255, 255, 255, 255});
    // Upper lid line.
    c.MaskFn(ex - ew - 2, ey - 10, ex + ew + 2, ey, [=](float x, float y) {
      float u = (x - ex) / (ew + 1), v = (y - ey) / 8.5f;
      float r = u * u + v * v;
      return r <= 1.0f && r >= 0.62f && y <= ey - 1;
    });
    c.Fill({40, 24, 20, 255});
    if (who == 1) {  // lashes
      for (int l = 0; l < 3; ++l) {
        float lx = ex + 2 + l * 4.0f;
        c.StadiumLine(lx, ey - 7, lx + 3, ey - 11, 1.6f);
      }
      c.Fill({30, 16, 14, 255});
    }
    // Brow: a gentle arch above the eye.
    const float thick = who == 1 ? 3.0f : 5.0f, br = ew + 8;
    c.MaskFn(ex - br - 2, ey - 30, ex + br + 2, ey - 10, [=](float x, float y) {
      float d = std::hypot(x - ex, y - (ey + 4));
      return d >= br + 8 && d <= br + 8 + thick && std::fabs(x - ex) <= ew + 1;
    });
    c.Fill(who == 2 ? Rgba{150, 150, 156, 255} : Shade(k.hair, 0.9f));
  }
  // Nose pointing right.
  c.Poly({{hx + 16, hy - 10}, {hx + 30, hy - 8}, {hx + 50, hy + 24}, {hx + 44, hy + 32}, {hx + 24, hy + 32}});
  c.Fill(Linear(hx + 16, hy, Shade(k.skin, 0.84f), hx + 50, hy, Shade(k.skin, 1.04f)));
  c.Ellipse(hx + 34, hy + 31, 4, 2);
  c.Fill(Shade(k.skin, 0.78f));
  // Mouth.
  float mx = hx + 20, my = hy + 52;
  if (who == 1) {
    // Smiling lips: both lips meet at raised corners.
    c.MaskFn(mx - 20, my - 10, mx + 20, my + 10, [=](float x, float y) {
      float u = (x - mx) / 17;
      float upper = my - 4 - 2 * u * u, lower = my + 6 - 12 * u * u;
      return std::fabs(u) <= 1.0f && y >= upper && y <= lower;
    });
    c.Fill(LinearV(my - 6, {226, 60, 80, 255}, my + 6, {170, 24, 48, 255}));
    c.MaskFn(mx - 18, my - 8, mx + 18, my + 4, [=](float x, float y) {
      float u = (x - mx) / 16;
      float line = my + 1 - 6 * u * u;
      return std::fabs(u) <= 1.0f && std::fabs(y - line) <= 0.9f;
    });
    c.Fill({110, 14, 30, 255});
  } else {
    c.MaskFn(mx - 20, my - 6, mx + 20, my + 8, [=](float x, float y) {
      float d = std::hypot((x - mx) / 1.4f, y - (my - 14));
      return d >= 12 && d <= 15 && y >= my - 4;
    });
    c.Fill({130, 50, 46, 255});
  }
}

void Bust(Canvas& c, const Look& k, float hx, float neckY) {
  // Neck.
  c.RoundRect(hx - 26, neckY - 30, 58, 70, 20);
  c.Fill(Linear(hx - 26, 0, Shade(k.skin, 0.7f), hx + 32, 0, Shade(k.skin, 0.95f)));
  // Shoulders and chest, wider on the near (right) side.
  c.MaskFn(0, neckY, S, S, [=](float x, float y) {
    float u = (x - (hx + 6)) / 170, v = (y - (neckY + 150)) / 130;
    return u * u + v * v <= 1.0f;
  });
  c.Fill(LinearV(neckY, Shade(k.cloth, 1.2f), S, Shade(k.cloth, 0.7f)));
}

void Gentleman(Canvas& c, const Look& k) {
  const float hx = 206, hy = 196;
  Bust(c, k, hx, hy + 96);
  // Shirt, lapels and tie.
  c.Poly({{hx - 30, hy + 96}, {hx + 36, hy + 96}, {hx + 16, hy + 190}, {hx - 6, hy + 190}});
  c.Fill({244, 244, 240, 255});
  c.Poly({{hx - 34, hy + 96}, {hx - 4, hy + 150}, {hx - 50, hy + 230}, {hx - 90, hy + 150}});
  c.Poly({{hx + 40, hy + 96}, {hx + 12, hy + 150}, {hx + 60, hy + 230}, {hx + 110, hy + 150}});
  c.Fill(LinearV(hy + 96, Shade(k.clothDark, 1.3f), hy + 230, k.clothDark));
  c.Poly({{hx - 2, hy + 108}, {hx + 12, hy + 108}, {hx + 18, hy + 178}, {hx + 4, hy + 196}, {hx - 9, hy + 178}});
  c.Fill(LinearV(hy + 100, {220, 40, 40, 255}, hy + 196, {130, 10, 20, 255}));
  c.Poly({{hx - 6, hy + 100}, {hx + 16, hy + 100}, {hx + 12, hy + 114}, {hx - 2, hy + 114}});
  c.Fill({170, 20, 30, 255});
  Face(c, k, hx, hy, 0);
  // Hair: the back of the head and a short sideburn, under the hat.
  c.MaskFn(hx - 70, hy - 90, hx + 40, hy + 20, [=](float x, float y) {
    float u = x - hx, v = y - hy;
    bool head = (u / 68) * (u / 68) + (v / 84) * (v / 84) <= 1.0f;
    return head && (v < -44 + 0.25f * u || (u < -44 && v < 12));
  });
  c.Fill(LinearV(hy - 90, Shade(k.hair, 1.3f), hy + 20, k.hair));
  // Moustache.
  c.Ellipse(hx + 14, hy + 38, 17, 6);
  c.Ellipse(hx + 34, hy + 38, 13, 5);
  c.Fill(Shade(k.hair, 0.9f));
  // Fedora: pinched crown, band, then the brim's front over the crown's foot.
  c.MaskFn(hx - 66, hy - 150, hx + 70, hy - 60, [=](float x, float y) {
    float u = (x - (hx + 2)) / 64, top = hy - 134 + 12 * u * u + (std::fabs(u) < 0.3f ? 9 * (1 - std::fabs(u) / 0.3f) : 0);
    return std::fabs(u) <= 1.0f && y >= top && y <= hy - 64;
  });
  c.Shadow({0, 0, 0, 110}, 3, 0, 3);
  c.Fill(Linear(hx - 66, 0, {46, 46, 54, 255}, hx + 70, 0, {100, 100, 112, 255}));
  c.Rect(hx - 64, hy - 88, 132, 20);
  c.ClipRoundRect(hx - 64, hy - 88, 132, 20, 3);
  c.Fill(LinearV(hy - 88, {160, 30, 36, 255}, hy - 68, {90, 10, 16, 255}));
  c.MaskFn(hx - 110, hy - 84, hx + 116, hy - 44, [=](float x, float y) {
    float u = (x - (hx + 4)) / 108, v = (y - (hy - 64)) / 18;
    return u * u + v * v <= 1.0f && (y >= hy - 66 || std::fabs(u) > 0.6f);
  });
  c.Shadow({0, 0, 0, 120}, 3, 0, 4);
  c.Fill(LinearV(hy - 82, {96, 96, 106, 255}, hy - 46, {30, 30, 36, 255}));
}

void Lady(Canvas& c, const Look& k) {
  const float hx = 200, hy = 186;
  // Hair behind: falls to the shoulders.
  c.MaskFn(hx - 110, hy - 100, hx + 96, hy + 170, [=](float x, float y) {
    float u = (x - (hx - 10)) / 100, v = (y - (hy + 10)) / 110;
    float wave = 6 * std::sin(y * 0.09f);
    return (u * u + v * v <= 1.0f) || (y > hy && y < hy + 160 && x > hx - 104 + wave && x < hx + 70 + wave);
  });
  c.Fill(LinearV(hy - 100, Shade(k.hair, 1.25f), hy + 170, Shade(k.hair, 0.7f)));
  Bust(c, k, hx, hy + 92);
  // Neckline of the dress and a gold necklace.
  c.MaskFn(hx - 60, hy + 120, hx + 70, hy + 200, [=](float x, float y) {
    float u = (x - (hx + 4)) / 58, v = (y - (hy + 120)) / 56;
    return u * u + v * v <= 1.0f;
  });
  c.Fill(Linear(hx - 26, 0, Shade(k.skin, 0.74f), hx + 32, 0, Shade(k.skin, 0.96f)));
  c.MaskFn(hx - 50, hy + 110, hx + 60, hy + 170, [=](float x, float y) {
    float u = (x - (hx + 4)) / 44, v = (y - (hy + 112)) / 44;
    float r = u * u + v * v;
    return r <= 1.0f && r >= 0.84f && y > hy + 116;
  });
  c.Fill(Gold(hy + 110, hy + 160));
  c.Disc(hx + 4, hy + 158, 7);
  c.Fill({30, 160, 110, 255});
  Face(c, k, hx, hy, 1);
  // Fringe sweeping to the right, and a lock over the far ear.
  c.MaskFn(hx - 76, hy - 96, hx + 76, hy - 10, [=](float x, float y) {
    float u = (x - (hx - 4)) / 72, v = (y - (hy - 36)) / 62;
    float sweep = hy - 40 + 26 * (x - hx) / 70.0f;
    return u * u + v * v <= 1.0f && y < sweep;
  });
  c.Fill(LinearV(hy - 96, Shade(k.hair, 1.3f), hy - 10, Shade(k.hair, 0.9f)));
  c.Ellipse(hx - 56, hy + 26, 18, 64);
  c.Fill(LinearV(hy - 40, Shade(k.hair, 1.15f), hy + 90, Shade(k.hair, 0.85f)));
  // Earring at the near ear (just visible below the hair line).
  c.Disc(hx - 58, hy + 44, 7);
  c.Shadow({0, 0, 0, 120}, 1.5f, 1, 2);
  c.Fill(Gold(hy + 36, hy + 52));
  // A flower in the hair.
  for (int i = 0; i < 5; ++i) {
    float a = i * 72 * 3.14159f / 180;
    c.Disc(hx - 56 + 10 * std::cos(a), hy - 70 + 10 * std::sin(a), 8);
  }
  c.Fill({250, 236, 244, 255});
  c.Disc(hx - 56, hy - 70, 5);
  c.Fill(Gold(hy - 76, hy - 64));
}

void Captain(Canvas& c, const Look& k) {
  const float hx = 204, hy = 196;
  Bust(c, k, hx, hy + 96);
  // Coat: lapels, gold buttons.
  c.Poly({{hx - 20, hy + 100}, {hx + 30, hy + 100}, {hx + 8, hy + 170}});
  c.Fill({236, 236, 232, 255});
  c.Poly({{hx - 30, hy + 96}, {hx + 6, hy + 176}, {hx - 40, hy + 240}, {hx - 96, hy + 150}});
  c.Poly({{hx + 38, hy + 96}, {hx + 8, hy + 176}, {hx + 64, hy + 240}, {hx + 120, hy + 150}});
  c.Fill(LinearV(hy + 96, Shade(k.clothDark, 1.5f), hy + 240, k.clothDark));
  for (int i = 0; i < 2; ++i) {
    c.Disc(hx - 24, hy + 186 + i * 34.0f, 6);
    c.Disc(hx + 44, hy + 186 + i * 34.0f, 6);
  }
  c.Fill(Gold(hy + 170, hy + 230));
  // Epaulette stripe.
  c.RoundRect(hx + 96, hy + 150, 52, 10, 4);
  c.Fill(Gold(hy + 150, hy + 160));
  Face(c, k, hx, hy, 2);
  // Beard and moustache.
  c.MaskFn(hx - 66, hy + 10, hx + 66, hy + 110, [=](float x, float y) {
    float u = (x - hx) / 64, v = (y - (hy + 24)) / 82;
    bool jaw = u * u + v * v <= 1.0f && y > hy + 18;
    float mu = (x - (hx + 20)) / 22, mv = (y - (hy + 52)) / 9;
    bool mouth = mu * mu + mv * mv <= 1.0f;
    return jaw && !mouth && x > hx - 60;
  });
  c.Fill(LinearV(hy + 10, Shade(k.hair, 1.1f), hy + 110, Shade(k.hair, 0.78f)));
  c.Ellipse(hx + 14, hy + 40, 20, 7);
  c.Ellipse(hx + 36, hy + 40, 14, 6);
  c.Fill(Shade(k.hair, 1.15f));
  // Round spectacles.
  for (float ex : {hx - 10.0f, hx + 34.0f}) c.Ring(ex, hy - 3, 14, 16.5f);
  c.StadiumLine(hx + 4, hy - 6, hx + 19, hy - 6, 2.5f);
  c.StadiumLine(hx - 24, hy - 6, hx - 60, hy - 2, 2.5f);
  c.Fill({60, 50, 40, 255});
  // Cap: white crown, black band and visor, gold badge.
  c.MaskFn(hx - 90, hy - 150, hx + 96, hy - 60, [=](float x, float y) {
    float u = (x - (hx + 2)) / 92, v = (y - (hy - 100)) / 42;
    return u * u + v * v <= 1.0f && y <= hy - 74;
  });
  c.Shadow({0, 0, 0, 100}, 4, 0, 4);
  c.Fill(LinearV(hy - 142, {255, 255, 255, 255}, hy - 74, {206, 208, 214, 255}));
  c.Rect(hx - 66, hy - 92, 136, 26);
  c.ClipRoundRect(hx - 66, hy - 92, 136, 26, 5);
  c.Fill(LinearV(hy - 92, {40, 40, 48, 255}, hy - 66, {10, 10, 14, 255}));
  c.MaskFn(hx - 10, hy - 72, hx + 96, hy - 44, [=](float x, float y) {
    float u = (x - (hx + 36)) / 60, v = (y - (hy - 66)) / 18;
    return u * u + v * v <= 1.0f && y >= hy - 68;
  });
  c.Fill(LinearV(hy - 68, {30, 30, 36, 255}, hy - 48, {4, 4, 6, 255}));
  c.Rect(hx - 66, hy - 96, 136, 4);
  c.Fill(Gold(hy - 96, hy - 92));
  c.Ellipse(hx + 10, hy - 104, 16, 13);
  c.Shadow({0, 0, 0, 120}, 1.5f, 0, 1.5f);
  c.Fill(Gold(hy - 117, hy - 91));
  IconStar(c, hx + 10, hy - 104, 8, {30, 40, 90, 255});
}

}  // namespace

SDL_Surface* MakeAvatar(int n) {
  const Look& k = kLooks[n % 3];
  Canvas c(400, 400, 2);
  // Medallion shadow, gold ring, ground.
  c.Disc(C, C, kOuter);
  c.Shadow({0, 0, 0, 180}, 5, 0, 3);
  c.Fill(Gold(C - kOuter, C + kOuter));
  c.Ring(C, C, kInner + 4, kInner + 7);
  c.Fill({120, 80, 8, 255});
  c.Disc(C, C, kInner);
  c.Fill(Radial(C + 40, C - 60, 260, k.groundIn, k.groundOut));
  // Rays in the ground.
  for (int i = 0; i < 12; ++i) c.Pie(C, C + 60, 260, i * 30.0f, i * 30.0f + 12);
  c.SetClip(InMedallion);
  c.Fill({255, 255, 255, 16});
  if (n % 3 == 0) Gentleman(c, k);
  if (n % 3 == 1) Lady(c, k);
  if (n % 3 == 2) Captain(c, k);
  c.ClearClip();
  // Inner shine of the ring over the picture's edge.
  c.Ring(C, C, kInner - 3, kInner);
  c.Fill({0, 0, 0, 70});
  return c.Finish();
}

}  // namespace assetgen

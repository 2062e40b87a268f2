// Card faces (54 files) and the two card backs.
//
// A face is 140 x 196 and is shown at half size (70 x 98), so every detail is
// drawn about twice as large as it should read on screen. Layout of a face:
// rank and suit index in the top-left and (turned) bottom-right corners, pips in
// three columns for 2 to 10, one large pip for an ace, a framed court letter
// for J, Q and K, and a jester's cap for the two jokers.
#include <cmath>
#include <string>

#include "asset_list.h"
#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float W = kCardW, H = kCardH;
constexpr float kRadius = 12;
constexpr int kSS = 3;

const char* RankLabel(int rank) {
  static const char* labels[] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
  return labels[rank];
}

void CardBody(Canvas& c) {
  c.RoundRect(0, 0, W, H, kRadius);
  c.Fill({92, 92, 102, 255});  // the edge line
  c.RoundRect(1.6f, 1.6f, W - 3.2f, H - 3.2f, kRadius - 1.6f);
  c.Fill(LinearV(0, {255, 255, 255, 255}, H, {243, 239, 229, 255}));
}

// Rank and suit in the top-left corner and, turned half round, in the bottom-right.
void CornerIndex(Canvas& c, int suit, int rank) {
  Rgba ink = SuitColor(suit);
  TextStyle t;
  t.font = rank == 10 ? "NarrowBold" : "Bold";
  t.size = 34;
  t.paint = Solid(ink);
  t = Canvas::Fit(RankLabel(rank), t, 30);
  const float ix = 19, iy = 22, sy = 50, ss = 21;
  c.Text(RankLabel(rank), ix, iy, t);
  DrawSuit(c, suit, ix, sy, ss);
  t.angle = 180;
  c.Text(RankLabel(rank), W - ix, H - iy, t);
  DrawSuit(c, suit, W - ix, H - sy, ss, true);
}

void Pips(Canvas& c, int suit, int rank) {
  const float L = 49, M = 70, R = 91;
  const float top = 38, bottom = 158;
  auto y = [&](float f) { return top + (bottom - top) * f; };
  struct P {
    float x, f;
  };
  std::vector<P> at;
  switch (rank) {
    case 2: at = {{M, 0}, {M, 1}}; break;
    case 3: at = {{M, 0}, {M, 0.5f}, {M, 1}}; break;
    case 4: at = {{L, 0}, {R, 0}, {L, 1}, {R, 1}}; break;
    case 5: at = {{L, 0}, {R, 0}, {M, 0.5f}, {L, 1}, {R, 1}}; break;
    case 6: at = {{L, 0}, {R, 0}, {L, 0.5f}, {R, 0.5f}, {L, 1}, {R, 1}}; break;
    case 7: at = {{L, 0}, {R, 0}, {M, 0.25f}, {L, 0.5f}, {R, 0.5f}, {L, 1}, {R, 1}}; break;
    case 8: at = {{L, 0}, {R, 0}, {M, 0.25f}, {L, 0.5f}, {R, 0.5f}, {M, 0.75f}, {L, 1}, {R, 1}}; break;
    case 9:
      at = {{L, 0}, {R, 0}, {L, 1 / 3.0f}, {R, 1 / 3.0f}, {M, 0.5f}, {L, 2 / 3.0f}, {R, 2 / 3.0f}, {L, 1}, {R, 1}};
      break;
    case 10:
      at = {{L, 0},           {R, 0},           {M, 1 / 6.0f}, {L, 1 / 3.0f}, {R, 1 / 3.0f},
            {L, 2 / 3.0f},    {R, 2 / 3.0f},    {M, 5 / 6.0f}, {L, 1},        {R, 1}};
      break;
    default: break;
  }
  float size = rank <= 3 ? 34 : rank <= 8 ? 30 : 27;
  for (const P& p : at) DrawSuit(c, suit, p.x, y(p.f), size, p.f > 0.5f);
}

void Ace(Canvas& c, int suit) {
  if (suit == kSpades) {
    // The ace of spades gets its traditional ornament: a gold ring behind a large spade.
    c.Ring(W / 2, H / 2, 40, 43);
    c.Fill(Gold(H / 2 - 43, H / 2 + 43));
    c.Ring(W / 2, H / 2, 46, 47);
    c.Fill({180, 140, 40, 200});
    DrawSuit(c, suit, W / 2, H / 2, 62);
    return;
  }
  DrawSuit(c, suit, W / 2, H / 2, 70);
}

void Court(Canvas& c, int suit, int rank) {
  Rgba ink = SuitColor(suit);
  const float fx = 33, fy = 28, fw = W - 66, fh = H - 56;
  Rgba tint = rank == 11 ? Rgba{222, 234, 252, 255} : rank == 12 ? Rgba{252, 228, 234, 255} : Rgba{252, 240, 206, 255};
  // Frame: suit-coloured line, gold inner line, tinted ground with a faint lattice.
  c.RoundRect(fx, fy, fw, fh, 6);
  c.Fill(ink);
  c.RoundRect(fx + 2, fy + 2, fw - 4, fh - 4, 5);
  c.Fill(Gold(fy, fy + fh));
  c.RoundRect(fx + 3.5f, fy + 3.5f, fw - 7, fh - 7, 4);
  c.Fill(LinearV(fy, Shade(tint, 1.05f), fy + fh, Shade(tint, 0.93f)));
  c.MaskFn(fx + 4, fy + 4, fx + fw - 4, fy + fh - 4, [&](float x, float y) {
    float u = std::fmod(x + y + 400, 12.0f), v = std::fmod(x - y + 400, 12.0f);
    return u < 1.0f || v < 1.0f;
  });
  c.ClipRoundRect(fx + 3.5f, fy + 3.5f, fw - 7, fh - 7, 4);
  c.Fill(WithAlpha(ink, 30));

  // Emblem above the letter: crown for the king, tiara for the queen, star for the jack.
  float ex = W / 2, ey = fy + 25;
  if (rank == 13) {
    IconCrown(c, ex, ey, 40, 28);
  } else if (rank == 12) {
    IconCrown(c, ex, ey + 3, 32, 20);
  } else {
    IconStar(c, ex, ey, 14, {0, 0, 0, 0});
    c.Shadow({60, 40, 0, 120}, 1, 0, 1);
    c.Fill(Gold(ey - 14, ey + 14));
  }

  TextStyle t;
  t.font = "SerifBold";
  t.size = 70;
  t.paint = LinearV(H / 2 - 30, Shade(ink, 1.25f), H / 2 + 30, Shade(ink, 0.85f));
  t.outline = 2.2f;
  t.outlineColor = {190, 140, 20, 255};
  t.shadow = {0, 0, 0, 70};
  t.shadowDy = 2;
  t.shadowBlur = 2;
  c.Text(RankLabel(rank), W / 2, H / 2 + 4, t);

  DrawSuit(c, suit, W / 2, fy + fh - 22, 24);
}

void JokerCorner(Canvas& c, bool red) {
  TextStyle t;
  t.font = "Bold";
  t.size = 16;
  t.paint = Solid(red ? kCardRed : kCardBlack);
  const char* letters[] = {"J", "O", "K", "E", "R"};
  for (int i = 0; i < 5; ++i) {
    c.Text(letters[i], 15, 17 + i * 16.5f, t);
    TextStyle u = t;
    u.angle = 180;
    c.Text(letters[i], W - 15, H - 17 - i * 16.5f, u);
  }
  IconStar(c, 15, 104, 8, red ? kCardRed : kCardBlack);
  IconStar(c, W - 15, H - 104, 8, red ? kCardRed : kCardBlack);
}

void Joker(Canvas& c, int rank) {
  bool red = rank == 1;
  Rgba a = red ? Rgba{206, 24, 42, 255} : Rgba{28, 28, 40, 255};
  Rgba b = red ? Rgba{250, 196, 30, 255} : Rgba{64, 86, 200, 255};
  Rgba bell = red ? Rgba{255, 220, 60, 255} : Rgba{220, 224, 236, 255};
  const float cx = W / 2;
  // Sunburst behind the figure.
  for (int i = 0; i < 16; ++i) {
    float a0 = i * 22.5f, a1 = a0 + 11.25f;
    c.Pie(cx, 96, 52, a0, a1);
  }
  c.ClipRoundRect(32, 30, W - 64, H - 60, 10);
  c.Fill(WithAlpha(b, 60));

  // The cap: three drooping horns over a band.
  const float bandY = 86;
  auto horn = [&](float tipX, float tipY, float baseL, float baseR, Rgba col) {
    std::vector<Vec2> pts;
    for (int i = 0; i <= 12; ++i) {  // left flank curves out and up to the tip
      float t = float(i) / 12;
      float x = baseL + (tipX - baseL) * t;
      float y = bandY - (bandY - tipY) * std::sin(t * 1.5708f) - 6 * std::sin(t * 3.1416f);
      pts.push_back({x, y});
    }
    for (int i = 12; i >= 0; --i) {
      float t = float(i) / 12;
      float x = baseR + (tipX - baseR) * t;
      float y = bandY - (bandY - tipY) * std::sin(t * 1.5708f) + 4 * std::sin(t * 3.1416f);
      pts.push_back({x, y});
    }
    c.Poly(pts);
    c.Shadow({0, 0, 0, 60}, 1.5f, 1, 1.5f);
    c.Fill(LinearV(tipY, Shade(col, 1.2f), bandY, Shade(col, 0.85f)));
    c.Disc(tipX, tipY, 6);
    c.Shadow({0, 0, 0, 80}, 1, 0.5f, 1);
    c.Fill(Radial(tipX - 2, tipY - 2, 8, Shade(bell, 1.3f), Shade(bell, 0.7f)));
  };
  horn(36, 58, 52, 68, a);
  horn(104, 58, 88, 72, a);
  horn(cx, 36, 60, 80, b);

  c.RoundRect(46, bandY - 4, 48, 12, 6);
  c.Fill(Gold(bandY - 4, bandY + 8));
  // The face: a smiling mask.
  c.Disc(cx, 112, 20);
  c.Shadow({0, 0, 0, 60}, 1.5f, 0, 1.5f);
  c.Fill(Radial(cx - 5, 106, 26, {255, 238, 222, 255}, {236, 200, 176, 255}));
  c.Ellipse(cx - 8, 108, 3.2f, 4);
  c.Ellipse(cx + 8, 108, 3.2f, 4);
  c.Fill(kInk);
  // Smile.
  c.MaskFn(cx - 13, 110, cx + 13, 125, [=](float x, float y) {
    float d = std::hypot(x - cx, y - 109);
    return d >= 9 && d <= 11.5f && y >= 114;
  });
  c.Fill(a);
  c.Disc(cx - 13, 117, 3);
  c.Disc(cx + 13, 117, 3);
  c.Fill({240, 120, 130, 170});
  // Ruff collar in the cap's two colours.
  for (int i = 0; i < 7; ++i) {
    c.Ellipse(cx - 27 + i * 9, 137, 6, 5);
    c.Shadow({0, 0, 0, 50}, 1, 0, 1);
    c.Fill(i % 2 ? a : b);
  }
  TextStyle t;
  t.font = "SerifBold";
  t.size = 17;
  t.paint = Solid(a);
  t.outline = 0.8f;
  t.outlineColor = WithAlpha(b, 200);
  c.Text("JOKER", cx, 158, t);
}

}  // namespace

SDL_Surface* MakeCardFace(int suit, int rank) {
  Canvas c(kCardW, kCardH, kSS);
  CardBody(c);
  if (suit == kJoker) {
    JokerCorner(c, rank == 1);
    Joker(c, rank);
  } else {
    CornerIndex(c, suit, rank);
    if (rank == 1)
      Ace(c, suit);
    else if (rank <= 10)
      Pips(c, suit, rank);
    else
      Court(c, suit, rank);
  }
  return c.Finish();
}

SDL_Surface* MakeCardBack(bool red) {
  Canvas c(kBackW, kBackH, kSS);
  const float w = kBackW, h = kBackH;
  c.PaintAll(Solid(kFeltCentre));  // JPEG has no transparency: the corners take the felt colour
  Rgba base = red ? Rgba{168, 18, 34, 255} : Rgba{22, 56, 150, 255};
  Rgba light = red ? Rgba{226, 80, 90, 255} : Rgba{90, 140, 230, 255};
  c.RoundRect(0, 0, w, h, 6);
  c.Fill({70, 70, 80, 255});
  c.RoundRect(0.8f, 0.8f, w - 1.6f, h - 1.6f, 5.4f);
  c.Fill({250, 248, 242, 255});
  const float in = 4.5f;
  c.RoundRect(in, in, w - 2 * in, h - 2 * in, 3.5f);
  c.Fill(LinearV(in, Shade(base, 1.1f), h - in, Shade(base, 0.85f)));
  // Lattice of fine diagonal lines and small diamonds.
  c.MaskFn(in, in, w - in, h - in, [&](float x, float y) {
    float u = std::fmod(x + y + 200, 7.0f), v = std::fmod(x - y + 200, 7.0f);
    return u < 0.7f || v < 0.7f;
  });
  c.ClipRoundRect(in, in, w - 2 * in, h - 2 * in, 3.5f);
  c.Fill(WithAlpha(light, 150));
  c.RoundRect(in + 2.5f, in + 2.5f, w - 2 * in - 5, h - 2 * in - 5, 2.5f);
  c.RoundRectExact(in + 3.3f, in + 3.3f, w - 2 * in - 6.6f, h - 2 * in - 6.6f, 2, true);
  c.Fill(WithAlpha(kGold, 200));
  // Central medallion.
  c.Ellipse(w / 2, h / 2, 16, 21);
  c.Shadow({0, 0, 0, 140}, 1.5f, 0, 1);
  c.Fill(Gold(h / 2 - 21, h / 2 + 21));
  c.Ellipse(w / 2, h / 2, 13.5f, 18.5f);
  c.Fill(LinearV(h / 2 - 18, Shade(base, 1.2f), h / 2 + 18, Shade(base, 0.7f)));
  TextStyle t;
  t.font = "SerifBold";
  t.size = 24;
  t.paint = Gold(h / 2 - 9, h / 2 + 9);
  t.shadow = {0, 0, 0, 160};
  t.shadowDy = 0.8f;
  t.shadowBlur = 0.8f;
  c.Text("K", w / 2, h / 2, t);
  SDL_Surface* s = c.Finish();
  SDL_Surface* flat = Flatten(s, kFeltCentre);
  SDL_FreeSurface(s);
  return flat;
}

}  // namespace assetgen

// Buttons, tiles, panels and badges of the menus and the table.
//
// Sections: tiles | buttons | badges | panels and fields | the dispatcher.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <map>
#include <mutex>

#include "pictures.h"
#include "shapes.h"

namespace assetgen {

namespace {

constexpr float kPi = 3.14159265358979f;

// ============================================================================
// Tiles: the big menu buttons (icon above, gold caption below)
// ============================================================================

enum class TileIcon { Create, Join, Random, Friends, CashIn, CashOut };

SDL_Surface* Tile(int w, int h, const std::string& caption, TileIcon icon) {
  Canvas c(w, h, 3);
  const float W = float(w), H = float(h);
  c.RoundRect(3, 3, W - 6, H - 8, 20);
  c.Shadow({0, 0, 0, 170}, 4, 0, 3);
  c.ClearMask();
  DrawDarkPanel(c, 3, 3, W - 6, H - 8, 20, 3);
  // Icon stage: a soft green glow.
  const float iy = H * 0.4f;
  c.Ellipse(W / 2, iy, W * 0.34f, H * 0.3f);
  c.Fill(Radial(W / 2, iy, W * 0.34f, {60, 200, 110, 90}, {60, 200, 110, 0}));
  const float s = H * 0.5f;
  switch (icon) {
    case TileIcon::Create:
      IconCardFan(c, W / 2 - 6, iy, s, 3);
      c.Disc(W / 2 + s * 0.42f, iy + s * 0.3f, s * 0.2f);
      c.Shadow({0, 0, 0, 150}, 2, 0, 2);
      c.Fill(LinearV(iy, {90, 210, 110, 255}, iy + s * 0.5f, {20, 120, 50, 255}));
      IconPlus(c, W / 2 + s * 0.42f, iy + s * 0.3f, s * 0.22f, kWhite);
      break;
    case TileIcon::Join: {
      IconCardFan(c, W / 2 - 6, iy, s, 3);
      float bx = W / 2 + s * 0.42f, by = iy + s * 0.3f, r = s * 0.2f;
      c.Disc(bx, by, r);
      c.Shadow({0, 0, 0, 150}, 2, 0, 2);
      c.Fill(LinearV(by - r, {90, 160, 250, 255}, by + r, {20, 60, 170, 255}));
      c.StadiumLine(bx - r * 0.55f, by, bx + r * 0.3f, by, r * 0.28f);
      c.Poly({{bx + r * 0.05f, by - r * 0.45f}, {bx + r * 0.6f, by}, {bx + r * 0.05f, by + r * 0.45f}});
      c.Fill(kWhite);
      break;
    }
    case TileIcon::Random: IconDice(c, W / 2, iy, s * 1.05f); break;
    case TileIcon::Friends: IconPeople(c, W / 2, iy, s * 1.05f, {250, 210, 60, 255}, {120, 190, 250, 255}); break;
    case TileIcon::CashIn: IconWallet(c, W / 2, iy + 4, s, true); break;
    case TileIcon::CashOut: IconWallet(c, W / 2, iy + 4, s, false); break;
  }
  // Divider and caption.
  c.Rect(W * 0.18f, H * 0.72f, W * 0.64f, 1.5f);
  c.Fill(Linear(W * 0.18f, 0, {248, 211, 25, 0}, W / 2, 0, {248, 211, 25, 200}));
  c.Rect(W / 2, H * 0.72f, W * 0.32f, 1.5f);
  c.Fill(Linear(W / 2, 0, {248, 211, 25, 200}, W * 0.82f, 0, {248, 211, 25, 0}));
  GoldCaption(c, caption, W / 2, H * 0.84f, H * 0.14f, W - 30);
  return c.Finish();
}

// ============================================================================
// Buttons
// ============================================================================

enum class BtnIcon { None, Swords, Share, Pencil, Coin, Question, Person, Shop, Wheel, Cards, Bolt, Flame, Send };

void DrawIcon(Canvas& c, BtnIcon icon, float cx, float cy, float s) {
  switch (icon) {
    case BtnIcon::Swords: IconSwords(c, cx, cy, s); break;
    case BtnIcon::Share: IconShare(c, cx, cy, s, kWhite); break;
    case BtnIcon::Pencil: IconPencil(c, cx, cy, s, {250, 200, 60, 255}); break;
    case BtnIcon::Coin: IconCoin(c, cx, cy, s); break;
    case BtnIcon::Question: {
      c.Disc(cx, cy, s / 2);
      c.Shadow({0, 0, 0, 140}, 1.5f, 0, 1.5f);
      c.Fill(Gold(cy - s / 2, cy + s / 2));
      TextStyle t;
      t.size = s * 0.8f;
      t.paint = Solid({60, 36, 0, 255});
      c.Text("?", cx, cy, t);
      break;
    }
    case BtnIcon::Person:
      c.Disc(cx, cy, s / 2);
      c.Fill(Gold(cy - s / 2, cy + s / 2));
      c.Disc(cx, cy, s / 2 - 2);
      c.Fill(LinearV(cy - s / 2, {70, 110, 160, 255}, cy + s / 2, {20, 40, 80, 255}));
      c.SetClip([=](float x, float y) { return std::hypot(x - cx, y - cy) <= s / 2 - 2; });
      IconPerson(c, cx, cy + s * 0.08f, s * 0.82f, {230, 230, 240, 255});
      c.ClearClip();
      break;
    case BtnIcon::Shop: IconShop(c, cx, cy, s); break;
    case BtnIcon::Wheel: IconMiniWheel(c, cx, cy, s / 2); break;
    case BtnIcon::Cards: IconCardFan(c, cx, cy, s, 3); break;
    case BtnIcon::Bolt: IconBolt(c, cx, cy, s, {255, 236, 80, 255}); break;
    case BtnIcon::Flame: IconFlame(c, cx, cy, s); break;
    case BtnIcon::Send: {
      c.Poly({{cx - s * 0.45f, cy - s * 0.38f}, {cx + s * 0.5f, cy}, {cx - s * 0.45f, cy + s * 0.38f}, {cx - s * 0.25f, cy}});
      c.Shadow({0, 0, 0, 140}, 1, 0, 1);
      c.Fill(kWhite);
      break;
    }
    case BtnIcon::None: break;
  }
}

SDL_Surface* Button(int w, int h, const std::string& caption, Tone tone, BtnIcon icon = BtnIcon::None,
                    float captionScale = 0.42f, bool goldText = false) {
  Canvas c(w, h, 4);
  const float W = float(w), H = float(h);
  DrawButton(c, 0, 0, W, H, std::min(H * 0.42f, 18.0f), tone);
  const float bh = H - std::max(2.0f, H * 0.06f);
  float textX = W / 2, textW = W - H * 0.5f;
  if (icon != BtnIcon::None) {
    float s = bh * 0.62f;
    float ix = H * 0.18f + s / 2 + 4;
    DrawIcon(c, icon, ix, bh / 2, s);
    textX = (ix + s / 2 + W - H * 0.2f) / 2;
    textW = W - H * 0.2f - (ix + s / 2) - 6;
  }
  if (!caption.empty()) {
    if (goldText)
      GoldCaption(c, caption, textX, bh / 2, H * captionScale, textW);
    else
      Caption(c, caption, textX, bh / 2, H * captionScale, textW);
  }
  return c.Finish();
}

// A round close button with a white cross.
SDL_Surface* CloseButton() {
  Canvas c(60, 60, 4);
  c.Disc(30, 29, 27);
  c.Shadow({0, 0, 0, 170}, 2.5f, 0, 2);
  c.Fill(Gold(2, 56));
  c.Disc(30, 29, 23.5f);
  c.Fill(Radial(24, 20, 40, {236, 74, 64, 255}, {120, 10, 16, 255}));
  c.Ellipse(30, 19, 16, 9);
  c.Fill(LinearV(10, {255, 255, 255, 110}, 28, {255, 255, 255, 0}));
  c.StadiumLine(21, 20, 39, 38, 6);
  c.StadiumLine(39, 20, 21, 38, 6);
  c.Shadow({0, 0, 0, 150}, 1.5f, 0, 1.5f);
  c.Fill(kWhite);
  return c.Finish();
}

// ============================================================================
// Badges: the banner icons shown over the table centre
// ============================================================================

SDL_Surface* Badge(int w, int h, const std::string& text, Tone tone, BtnIcon icon) {
  Canvas c(w, h, 4);
  const float W = float(w), H = float(h);
  // A ribbon: a pill with notched tails.
  for (int side = 0; side < 2; ++side) {
    float x0 = side ? W - 30 : 4, x1 = side ? W - 4 : 30, mid = H / 2 + 6;
    c.Poly(side ? std::vector<Vec2>{{x0, 20}, {x1, 20}, {x1 - 8, mid}, {x1, H - 10}, {x0, H - 10}}
                : std::vector<Vec2>{{x1, 20}, {x0, 20}, {x0 + 8, mid}, {x0, H - 10}, {x1, H - 10}});
    c.Fill(Shade(tone == Tone::Dark ? Rgba{60, 60, 60, 255} : tone == Tone::Red ? Rgba{150, 20, 20, 255}
                 : tone == Tone::Blue ? Rgba{20, 60, 150, 255} : Rgba{190, 90, 10, 255}, 0.8f));
  }
  DrawButton(c, 16, 6, W - 32, H - 8, (H - 8) / 2, tone);
  float bh = H - 8 - std::max(2.0f, (H - 8) * 0.06f);
  float s = bh * 0.66f;
  DrawIcon(c, icon, 16 + bh * 0.25f + s / 2 + 4, 6 + bh / 2, s);
  float tx = 16 + bh * 0.25f + s + 8;
  if (tone == Tone::Dark)
    GoldCaption(c, text, (tx + W - 30) / 2, 6 + bh / 2, bh * 0.52f, W - 30 - tx, "SerifBold");
  else
    Caption(c, text, (tx + W - 30) / 2, 6 + bh / 2, bh * 0.52f, W - 30 - tx);
  return c.Finish();
}

// ============================================================================
// Panels and fields
// ============================================================================

SDL_Surface* StatusConnecting() {
  Canvas c(460, 120, 3);
  c.RoundRect(4, 4, 452, 110, 22);
  c.Shadow({0, 0, 0, 200}, 6, 0, 4);
  c.ClearMask();
  DrawDarkPanel(c, 4, 4, 452, 110, 22, 2.5f);
  // A ring of dots fading round, like a spinner caught mid-turn.
  const float sx = 66, sy = 59;
  for (int i = 0; i < 10; ++i) {
    float a = (i * 36 - 90) * kPi / 180;
    c.Disc(sx + 24 * std::cos(a), sy + 24 * std::sin(a), 3 + i * 0.35f);
    c.Fill(WithAlpha(kGold, std::uint8_t(60 + i * 19)));
  }
  GoldCaption(c, "Connecting...", 262, 50, 38, 320);
  TextStyle t;
  t.font = "Regular";
  t.size = 16;
  t.paint = Solid({220, 226, 222, 255});
  c.Text("Finding a seat in the card room", 262, 86, t);
  return c.Finish();
}

SDL_Surface* Waiting() {
  Canvas c(520, 180, 3);
  c.RoundRect(4, 4, 512, 170, 24);
  c.Shadow({0, 0, 0, 200}, 6, 0, 4);
  c.ClearMask();
  DrawDarkPanel(c, 4, 4, 512, 170, 24, 2.5f);
  GoldCaption(c, "Waiting for players", 260, 44, 34, 440);
  // Three seats: yours taken, two open.
  for (int i = 0; i < 3; ++i) {
    float x = 260 + (i - 1) * 110.0f, y = 118, r = 32;
    c.Disc(x, y, r);
    if (i == 1) {
      c.Shadow({0, 0, 0, 150}, 2, 0, 2);
      c.Fill(Gold(y - r, y + r));
      c.Disc(x, y, r - 3);
      c.Fill(LinearV(y - r, {40, 150, 90, 255}, y + r, {10, 70, 40, 255}));
      c.SetClip([=](float px, float py) { return std::hypot(px - x, py - y) <= r - 3; });
      IconPerson(c, x, y + 6, 50, {240, 240, 230, 255});
      c.ClearClip();
    } else {
      c.Fill({255, 255, 255, 24});
      c.MaskFn(x - r, y - r, x + r, y + r, [=](float px, float py) {
        float d = std::hypot(px - x, py - y);
        float a = std::atan2(py - y, px - x);
        return d <= r && d >= r - 2.5f && std::fmod(a + 10 * kPi, kPi / 6) < kPi / 10;
      });
      c.Fill(WithAlpha(kGold, 200));
      TextStyle t;
      t.size = 30;
      t.paint = Solid(WithAlpha(kGold, 220));
      c.Text("?", x, y, t);
    }
  }
  return c.Finish();
}

SDL_Surface* InputBox() {
  Canvas c(440, 60, 4);
  c.RoundRect(1, 1, 438, 58, 14);
  c.Fill(Gold(0, 60));
  c.RoundRect(3.5f, 3.5f, 433, 53, 11.5f);
  c.Erase();
  c.RoundRect(3.5f, 3.5f, 433, 53, 11.5f);
  c.Fill(LinearV(3, {2, 6, 4, 250}, 56, {26, 34, 30, 250}));
  // Inner shadow along the top edge.
  c.RoundRect(3.5f, 3.5f, 433, 14, 11.5f);
  c.Fill(LinearV(3, {0, 0, 0, 150}, 16, {0, 0, 0, 0}));
  return c.Finish();
}

SDL_Surface* ModeTile(bool jewels) {
  const float W = 210, H = 250;
  Canvas c(210, 250, 3);
  c.RoundRect(3, 3, W - 6, H - 8, 18);
  c.Shadow({0, 0, 0, 170}, 4, 0, 3);
  c.ClearMask();
  DrawDarkPanel(c, 3, 3, W - 6, H - 8, 18, 3);
  // Name band: the client writes the table type's name, ending at the centre.
  c.RoundRect(12, 40, W - 24, 46, 10);
  c.Fill(LinearV(40, {0, 0, 0, 120}, 86, {0, 0, 0, 60}));
  if (jewels)
    IconGem(c, W * 0.75f, 63, 34);
  else
    IconCoin(c, W * 0.75f, 63, 32);
  // A stack of coins or a heap of gems.
  const float cx = W / 2, base = 168;
  c.Ellipse(cx, base + 12, 64, 14);
  c.Fill(Radial(cx, base + 12, 64, {60, 200, 110, 90}, {60, 200, 110, 0}));
  if (!jewels) {
    for (int col = -1; col <= 1; ++col) {
      int n = col == 0 ? 6 : 4;
      float x = cx + col * 38;
      for (int i = 0; i < n; ++i) {
        float y = base - i * 8.0f - (col == 0 ? 6 : 0);
        c.Ellipse(x, y + 3, 20, 7);
        c.Fill({110, 70, 4, 255});
        c.Ellipse(x, y, 20, 7);
        c.Fill(Gold(y - 7, y + 7));
      }
    }
  } else {
    const float pos[6][2] = {{-34, 0}, {0, -4}, {34, 0}, {-17, -24}, {17, -24}, {0, -46}};
    for (auto& p : pos) IconGem(c, cx + p[0], base + p[1] - 6, 36);
  }
  // "PLAY" pill.
  DrawButton(c, cx - 52, 196, 104, 34, 16, Tone::Green);
  Caption(c, "PLAY", cx, 211, 17, 90);
  return c.Finish();
}

SDL_Surface* ProfilePanel() {
  const float W = 380, H = 384;
  Canvas c(380, 384, 3);
  c.RoundRect(3, 3, W - 6, H - 6, 20);
  c.Shadow({0, 0, 0, 200}, 6, 0, 3);
  c.Fill(Gold(0, H));
  c.RoundRect(6, 6, W - 12, H - 12, 17);
  c.Fill([&](float x, float y) {
    Rgba base = Mix({252, 248, 236, 255}, {236, 226, 200, 255}, y / H);
    float n = 1 + (Hash01(int(x * 2), int(y * 2), 31) - 0.5f) * 0.03f;
    return Shade(base, n);
  });
  c.RoundRect(12, 12, W - 24, H - 24, 12);
  c.RoundRectExact(13.2f, 13.2f, W - 26.4f, H - 26.4f, 11, true);
  c.Fill(WithAlpha(kGoldDark, 150));
  // Watermark suits in the lower right.
  DrawSuit(c, kSpades, W - 70, H - 80, 90, false, {120, 96, 50, 22});
  DrawSuit(c, kHearts, W - 130, H - 50, 50, false, {120, 96, 50, 18});
  // A thin rule under the title row.
  c.Rect(40, 44, W - 80, 1.2f);
  c.Fill(Linear(40, 0, {150, 104, 12, 0}, W / 2, 0, {150, 104, 12, 160}));
  c.Rect(W / 2, 44, W / 2 - 40, 1.2f);
  c.Fill(Linear(W / 2, 0, {150, 104, 12, 160}, W - 40, 0, {150, 104, 12, 0}));
  return c.Finish();
}

SDL_Surface* ProfileUser() {
  Canvas c(120, 120, 4);
  c.Disc(60, 59, 56);
  c.Shadow({0, 0, 0, 120}, 2.5f, 0, 2);
  c.Fill(Gold(3, 115));
  c.Disc(60, 59, 51);
  c.Fill(LinearV(8, {110, 150, 200, 255}, 110, {30, 60, 110, 255}));
  c.SetClip([](float x, float y) { return std::hypot(x - 60, y - 59) <= 51; });
  IconPerson(c, 60, 70, 92, {236, 240, 248, 255});
  c.ClearClip();
  return c.Finish();
}

SDL_Surface* Referral() {
  const float W = 200, H = 56;
  Canvas c(200, 56, 4);
  for (int side = 0; side < 2; ++side) {  // ribbon tails
    float x0 = side ? W - 26 : 2, x1 = side ? W - 2 : 26;
    c.Poly(side ? std::vector<Vec2>{{x0, 14}, {x1, 14}, {x1 - 7, 30}, {x1, 46}, {x0, 46}}
                : std::vector<Vec2>{{x1, 14}, {x0, 14}, {x0 + 7, 30}, {x0, 46}, {x1, 46}});
    c.Fill({10, 80, 40, 255});
  }
  DrawButton(c, 14, 4, W - 28, H - 8, 14, Tone::Green);
  IconPeople(c, 44, 26, 32, {250, 210, 60, 255}, {190, 230, 250, 255});
  Caption(c, "Referral", 116, 26, 21, 110);
  return c.Finish();
}

SDL_Surface* FreeSpin() {
  Canvas c(220, 70, 4);
  DrawButton(c, 0, 0, 220, 70, 30, Tone::Purple);
  IconMiniWheel(c, 38, 33, 22);
  IconStar(c, 200, 16, 6, {255, 250, 200, 230}, 4, 0.3f);
  IconStar(c, 64, 12, 4, {255, 250, 200, 200}, 4, 0.3f);
  GoldCaption(c, "Free Spin", 136, 33, 27, 140);
  return c.Finish();
}

}  // namespace

// ============================================================================
// Dispatcher: picture by file name
// ============================================================================

SDL_Surface* MakeUiPicture(const std::string& name) {
  if (name == "status_connecting.png") return StatusConnecting();
  if (name == "button_groupcards.png") return Button(130, 44, "Group", Tone::Green, BtnIcon::Cards, 0.44f);
  if (name == "button_ungroupcards.png") return Button(130, 44, "Ungroup", Tone::Orange, BtnIcon::None, 0.44f);
  if (name == "fight.png") return Button(170, 80, "FIGHT", Tone::Red, BtnIcon::Swords, 0.42f);
  if (name == "input.png") return InputBox();
  if (name == "submit.png") return Button(240, 56, "", Tone::Green);
  if (name == "ecoins_mode1.png") return ModeTile(false);
  if (name == "jewels_mode1.png") return ModeTile(true);
  if (name == "resetmode.png") return CloseButton();
  if (name == "share.png") return Button(200, 80, "Share", Tone::Blue, BtnIcon::Share, 0.4f);
  if (name == "create_game.png") return Tile(260, 200, "Create Game", TileIcon::Create);
  if (name == "join_game.png") return Tile(260, 200, "Join Game", TileIcon::Join);
  if (name == "random_users.png") return Tile(280, 200, "Random", TileIcon::Random);
  if (name == "friend_users.png") return Tile(280, 200, "Friends", TileIcon::Friends);
  if (name == "emoji_send.png") return Button(84, 34, "Send", Tone::Blue, BtnIcon::None, 0.48f);
  if (name == "cashinout.png") return Button(140, 60, "Cash In/Out", Tone::Teal, BtnIcon::None, 0.32f);
  if (name == "cashin.png") return Tile(220, 200, "Cash In", TileIcon::CashIn);
  if (name == "cashout.png") return Tile(220, 200, "Cash Out", TileIcon::CashOut);
  if (name == "waiting1.png") return Waiting();
  if (name == "userprofile.png") return Button(130, 48, "Profile", Tone::Dark, BtnIcon::Person, 0.4f, true);
  if (name == "profile.png") return ProfilePanel();
  if (name == "profile_user.png") return ProfileUser();
  if (name == "profile_referral.png") return Referral();
  if (name == "edit.png") return Button(76, 28, "Edit", Tone::Green, BtnIcon::None, 0.5f);
  if (name == "agent_cashin.png") return Button(240, 80, "Cash In", Tone::Green, BtnIcon::Coin, 0.38f);
  if (name == "agent_load.png") return Button(240, 80, "Load eCoins", Tone::Gold, BtnIcon::None, 0.4f);
  if (name == "hit.png") return Badge(200, 80, "HIT!", Tone::Orange, BtnIcon::Bolt);
  if (name == "sapaw.png") return Badge(200, 80, "SAPAW", Tone::Blue, BtnIcon::Cards);
  if (name == "burn.png") return Badge(200, 80, "BURN", Tone::Red, BtnIcon::Flame);
  if (name == "korvane.png") return Badge(260, 90, "KORVANE", Tone::Dark, BtnIcon::Cards);
  if (name == "agent_profile.png") return Button(170, 64, "Merchant", Tone::Dark, BtnIcon::Shop, 0.34f, true);
  if (name == "help.png") return Button(120, 48, "Help", Tone::Dark, BtnIcon::Question, 0.42f, true);
  if (name == "free_spin.png") return FreeSpin();
  std::fprintf(stderr, "korvane-assetgen: no drawing for %s\n", name.c_str());
  std::exit(1);
}

namespace {

std::mutex memoLock;
std::map<std::string, std::shared_future<SDL_Surface*>> memoMade;

}  // namespace

void ReleaseMemo() {
  std::lock_guard<std::mutex> g(memoLock);
  for (auto& [key, f] : memoMade) SDL_FreeSurface(f.get());
  memoMade.clear();
}

SDL_Surface* Memo(const std::string& key, const std::function<SDL_Surface*()>& make) {
  auto& lock = memoLock;
  auto& made = memoMade;
  std::shared_future<SDL_Surface*> f;
  std::promise<SDL_Surface*> p;
  bool mine = false;
  {
    std::lock_guard<std::mutex> g(lock);
    auto it = made.find(key);
    if (it == made.end()) {
      f = p.get_future().share();
      made[key] = f;
      mine = true;
    } else {
      f = it->second;
    }
  }
  if (mine) p.set_value(make());  // kept for the whole run
  SDL_Surface* shared = f.get();
  // Copying a surface sets up a blit map on the source, so two workers must not
  // copy the same memorised drawing at once.
  static std::mutex copyLock;
  std::lock_guard<std::mutex> g(copyLock);
  return SDL_DuplicateSurface(shared);
}

SDL_Surface* MakeNamedPicture(const std::string& name) {
  if (name == "classic.png") return MakeMenuBackground();
  if (name == "bg.png") return MakeRoomBackground();
  if (name == "card_table.png") return MakeTable();
  if (name == "card_stock_red.jpg") return MakeCardBack(true);
  if (name == "card_stock_blue.jpg") return MakeCardBack(false);
  if (name == "profile_plate_top.png") return MakePlate(0);
  if (name == "profile_plate_down.png") return MakePlate(1);
  if (name == "profile_plate_down_jewel.png") return MakePlate(2);
  if (name == "hit_vault.png") return MakeHitVault();
  if (name == "crown.png") return MakeCrown();
  if (name == "spin_wheel.png") return MakeSpinWheel();
  if (name == "spin_arrow.png") return MakeSpinArrow();
  if (name.rfind("entity_", 0) == 0) {
    int n = name[7] - '0';
    SDL_Surface* right = Memo(name.substr(0, 8), [n] { return MakeAvatar(n); });  // faces right: the left seat's
    if (name.find("_left") != std::string::npos) return right;
    SDL_Surface* left = FlipHorizontal(right);
    SDL_FreeSurface(right);
    return left;
  }
  return MakeUiPicture(name);
}

}  // namespace assetgen

// Contact sheet and screen mock-ups.
//
// The mock-ups load each picture the way the client does (rotozoom with
// smoothing at the load-time zoom), draw it centred with the client's
// truncation rules on a software renderer, and place everything by the
// client's layout formulas for the 1280 x 760 window.
#include "mockup.h"

#include <SDL2/SDL2_rotozoom.h>
#include <SDL2/SDL_image.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "canvas.h"

namespace assetgen {

namespace {

constexpr int kW = 1280, kH = 760;
constexpr const char* kClientFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";

SDL_Surface* Find(const std::vector<Generated>& all, const std::string& key) {
  for (const Generated& g : all)
    if (g.key == key) return g.pic;
  std::fprintf(stderr, "korvane-assetgen: mock-up needs %s\n", key.c_str());
  std::exit(1);
}

void SavePng(SDL_Surface* s, const std::string& path) {
  std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path());
  if (IMG_SavePNG(s, path.c_str()) != 0) {
    std::fprintf(stderr, "korvane-assetgen: cannot write %s: %s\n", path.c_str(), SDL_GetError());
    std::exit(1);
  }
}

// ============================================================================
// A tiny stand-in for the client's sprite drawing
// ============================================================================

struct Drawn {
  float x = 0, y = 0, w = 0, h = 0;  // centre and drawn size
};

class Mock {
 public:
  explicit Mock(const std::vector<Generated>& all) : all_(all) {
    target_ = NewSurface(kW, kH);
    ren_ = SDL_CreateSoftwareRenderer(target_);
    SDL_SetRenderDrawColor(ren_, 0, 0, 0, 255);
    SDL_RenderClear(ren_);
    SDL_SetRenderDrawBlendMode(ren_, SDL_BLENDMODE_BLEND);
  }
  ~Mock() {
    for (auto& [k, t] : textures_) SDL_DestroyTexture(t.tex);
    for (auto& [k, f] : fonts_) TTF_CloseFont(f);
    SDL_DestroyRenderer(ren_);
    SDL_FreeSurface(target_);
  }

  // Loaded size of a picture at a zoom.
  Drawn Size(const std::string& key, float zoom) {
    const Tex& t = Get(key, zoom);
    return {0, 0, t.w, t.h};
  }

  Drawn Draw(const std::string& key, float zoom, float x, float y, Uint8 alpha = 255, double angle = 0,
             Uint8 tint = 255, float overrideW = 0, float overrideH = 0) {
    const Tex& t = Get(key, zoom);
    SDL_Rect dst{int(x - t.w * 0.5f), int(y - t.h * 0.5f), int(t.w), int(t.h)};
    if (overrideW > 0) dst.w = int(overrideW), dst.h = int(overrideH);
    SDL_SetTextureAlphaMod(t.tex, alpha);
    SDL_SetTextureColorMod(t.tex, tint, tint, tint);
    SDL_RenderCopyEx(ren_, t.tex, nullptr, &dst, angle, nullptr, SDL_FLIP_NONE);
    return {x, y, t.w, t.h};
  }

  // Text centred at (x, y); returns its size.
  Drawn Text(const std::string& s, int size, SDL_Color col, float x, float y, bool draw = true) {
    if (s.empty()) return {};
    TTF_Font*& f = fonts_[size];
    if (!f) f = TTF_OpenFont(kClientFont, size);
    SDL_Surface* surf = TTF_RenderText_Blended(f, s.c_str(), col);
    Drawn d{x, y, float(surf->w), float(surf->h)};
    if (draw) {
      SDL_Texture* tex = SDL_CreateTextureFromSurface(ren_, surf);
      SDL_Rect dst{int(x - surf->w / 2.0f), int(y - surf->h / 2.0f), surf->w, surf->h};
      SDL_RenderCopy(ren_, tex, nullptr, &dst);
      SDL_DestroyTexture(tex);
    }
    SDL_FreeSurface(surf);
    return d;
  }
  // Text with its left edge at x (the client's text fields and histories).
  void TextLeft(const std::string& s, int size, SDL_Color col, float x, float y) {
    Drawn d = Text(s, size, col, 0, 0, false);
    Text(s, size, col, x + d.w / 2, y);
  }

  void Fill(float x, float y, float w, float h, Uint8 r, Uint8 g, Uint8 b, Uint8 a) {
    SDL_SetRenderDrawColor(ren_, r, g, b, a);
    SDL_Rect rc{int(x), int(y), int(w), int(h)};
    SDL_RenderFillRect(ren_, &rc);
  }

  void Save(const std::string& path) {
    SDL_RenderFlush(ren_);
    SavePng(target_, path);
  }

 private:
  struct Tex {
    SDL_Texture* tex;
    float w, h;
  };
  const Tex& Get(const std::string& key, float zoom) {
    auto k = key + "@" + std::to_string(zoom);
    auto it = textures_.find(k);
    if (it != textures_.end()) return it->second;
    SDL_Surface* src = Find(all_, key);
    SDL_Surface* s = zoom == 1.0f ? src : rotozoomSurfaceXY(src, 0, zoom, zoom, SMOOTHING_ON);
    Tex t{SDL_CreateTextureFromSurface(ren_, s), float(s->w), float(s->h)};
    SDL_SetTextureBlendMode(t.tex, SDL_BLENDMODE_BLEND);
    if (s != src) SDL_FreeSurface(s);
    return textures_[k] = t;
  }

  const std::vector<Generated>& all_;
  SDL_Surface* target_;
  SDL_Renderer* ren_;
  std::map<std::string, Tex> textures_;
  std::map<int, TTF_Font*> fonts_;
};

std::string Card(int suit, int rank) { return "cards/" + std::to_string(suit) + "-" + std::to_string(rank); }

const SDL_Color kTextWhite{245, 245, 245, 255}, kTextGold{248, 211, 25, 255};

}  // namespace

// ============================================================================
// The table mock-up: the local player sits at seat 0 (left seat 2, right seat 1)
// ============================================================================

void WriteTableMockup(const std::vector<Generated>& all, const std::string& png) {
  Mock m(all);
  const float W = kW, H = kH;
  const Drawn table = m.Size("card_table.png", 1.0f);
  const float Wt = table.w, Ht = table.h, Tx = float(kW / 2), Ty = Ht * 0.5f;
  const Drawn card = m.Size(Card(1, 1), 0.5f);
  const float cw = card.w, ch = card.h, cw6 = card.w, ch6 = card.h;

  // Background, avatars, table, stock.
  m.Draw("bg.png", 1.0f, W / 2, H / 2, 250, 0, 255, W, H);
  Drawn la = m.Size("entity_2_left.png", 0.3f), ra = m.Size("entity_1_right.png", 0.3f);
  m.Draw("entity_2_left.png", 0.3f, Tx - Wt / 2 - la.w / 2.2f, Ty);
  m.Draw("entity_1_right.png", 0.3f, Tx + Wt / 2 + ra.w / 2.2f, Ty);
  m.Draw("card_table.png", 1.0f, W / 2, Ht / 2);
  m.Draw("card_stock_blue.jpg", 1.0f, Tx, Ty);

  // Hit vault and its counter.
  Drawn v = m.Size("hit_vault.png", 1.0f);
  Drawn V = m.Draw("hit_vault.png", 1.0f, v.w, H / 2 + v.h / 2);
  m.Text("Hits 3", 15, SDL_Color{248, 211, 25, 230}, V.x, V.y + V.h / 3);

  // Discard piles: own (right of centre), left seat's (left of centre), right seat's (top).
  auto pile = [&](float x, float y, std::vector<std::pair<int, int>> cards, float spread) {
    for (size_t i = 0; i < cards.size(); ++i)
      m.Draw(Card(cards[i].first, cards[i].second), 0.5f, x + spread * i, y - spread * 0.4f * i);
  };
  pile(Tx + Wt / 3.5f, Ty + Ht * 0.5f - ch, {{1, 9}, {3, 4}}, 0);
  pile(Tx - Wt / 3.5f, Ty + Ht * 0.5f - ch, {{2, 7}, {4, 2}}, 0);
  pile(Tx, Ty - Ht / 3, {{4, 13}}, 0);

  // Melds: the own meld spread along the bottom of the felt; the right seat's
  // three queens turned towards it in a column.
  {
    const std::pair<int, int> own[] = {{3, 5}, {3, 6}, {3, 7}};
    int n = 3;
    for (int i = 0; i < n; ++i)
      m.Draw(Card(own[i].first, own[i].second), 0.5f, Tx - n * cw * 0.5f + cw * 0.5f + i * cw * 1.1f, Ht - ch);
    const std::pair<int, int> right[] = {{1, 12}, {2, 12}, {4, 12}};
    for (int i = 0; i < n; ++i)
      m.Draw(Card(right[i].first, right[i].second), 0.5f, Tx + Wt * 0.5f - cw * 1.8f,
             n * cw * 0.5f + Ty - cw - i * cw * 1.1f, 255, 90);
    const std::pair<int, int> left[] = {{5, 2}, {2, 10}, {2, 11}};
    for (int i = 0; i < n; ++i)
      m.Draw(Card(left[i].first, left[i].second), 0.5f, Tx - Wt * 0.5f + cw * 1.8f,
             n * cw * 0.5f + Ty - cw - i * cw * 1.1f, 255, -90);
  }

  // Name plates and their texts. The right seat holds the crown.
  Drawn pd = m.Size("profile_plate_down.png", 1.0f), pt = m.Size("profile_plate_top.png", 1.0f);
  Drawn own = m.Draw("profile_plate_down.png", 1.0f, W / 2, Ht * 0.5f + Ty + pd.h, 250);
  Drawn lp = m.Draw("profile_plate_top.png", 1.0f, pt.w / 1.8f, pt.h / 1.8f, 250);
  Drawn rp = m.Draw("profile_plate_top.png", 1.0f, W - pt.w / 1.8f, pt.h / 1.8f, 250);
  {
    Drawn n = m.Text("Dario", 16, kTextWhite, 0, 0, false);
    m.Text("Dario", 16, kTextWhite, own.x - own.w * 0.5f + n.w, own.y);
    Drawn b = m.Text("12500", 18, kTextWhite, 0, 0, false);
    m.Text("12500", 18, kTextWhite, b.w / 2 + own.x, own.y);
    Drawn s = m.Text("21", 18, kTextWhite, 0, 0, false);
    m.Text("21", 18, kTextWhite, own.w * 0.5f + own.x - s.w, own.y);
  }
  auto side = [&](const Drawn& p, const std::string& name, const std::string& count, bool crown, SDL_Color col) {
    Drawn n = m.Text(name, 16, col, 0, 0, false);
    m.Text(name, 16, col, p.x - p.w * 0.5f + n.w / 1.5f, p.y);
    if (crown) m.Draw("crown.png", 1.0f, p.x - p.w * 0.5f + n.w / 1.5f, p.y - n.h / 1.6f);
    Drawn c = m.Text(count, 18, kTextWhite, 0, 0, false);
    m.Text(count, 18, kTextWhite, p.w * 0.5f + p.x - c.w / 1.2f, p.y);
  };
  side(lp, "Rico", "09", false, kTextWhite);
  side(rp, "Mara", "07", true, kTextGold);

  // Emoji chooser and send button beside the own plate.
  Drawn e = m.Size("emojis/small/3", 1.0f);
  Drawn B = m.Draw("emojis/small/3", 1.0f, own.x + own.w / 2 + e.w, own.y, 250);
  Drawn u = m.Size("emoji_send.png", 1.0f);
  m.Draw("emoji_send.png", 1.0f, B.x + B.w / 2 + u.w, B.y - B.h / 4, 250);

  // The turn bar over the own plate, 60 % left.
  m.Fill(own.x - own.w * 0.5f, own.y - own.h * 0.5f, own.w * 0.6f, own.h, 245, 245, 245, 150);

  // Fight button.
  Drawn f = m.Size("fight.png", 0.8f);
  m.Draw("fight.png", 0.8f, W - f.w / 1.8f, H - f.h / 1.5f, 200);

  // The hand: one group of three to the left, eleven loose cards, the last drawn
  // card lifted half a card to the right, three cards selected.
  const std::pair<int, int> group[] = {{4, 8}, {3, 8}, {2, 8}};
  for (int g = 0; g < 3; ++g) m.Draw(Card(group[g].first, group[g].second), 0.5f, cw6 * 0.55f * g + cw6, H - ch6);
  const std::pair<int, int> hand[] = {{1, 1}, {1, 2}, {1, 3}, {2, 5}, {2, 6}, {4, 9}, {4, 10}, {4, 11}, {3, 12}, {3, 13}, {5, 1}};
  const int n = 11, drawn = 10, sel[] = {5, 6, 7};
  const float start = float(int(W * 0.5f - n * (cw6 * 1.1f) * 0.5f));
  Drawn lastSel{};
  for (int i = 0; i < n; ++i) {
    bool selected = std::find(std::begin(sel), std::end(sel), i) != std::end(sel);
    float shift = i == drawn ? cw6 * 0.5f : 0;
    Drawn d = m.Draw(Card(hand[i].first, hand[i].second), 0.5f, cw6 * 1.1f * i + start + shift, H - ch6, 255, 0,
                     selected ? 170 : 255);
    if (selected) lastSel = d;
  }
  Drawn gb = m.Size("button_groupcards.png", 1.0f);
  m.Draw("button_groupcards.png", 1.0f, lastSel.x + lastSel.w, lastSel.y - gb.h, 240);

  m.Save(png);
}

// ============================================================================
// Other screens
// ============================================================================

void WriteScreenMockups(const std::vector<Generated>& all, const std::string& dir) {
  const float W = kW, H = kH;
  auto background = [&](Mock& m) { m.Draw("classic.png", 1.0f, W / 2, H / 2, 50); };
  const Uint8 pulse = 200;

  {  // Loading screen at 85 %.
    Mock m(all);
    background(m);
    m.Draw("status_connecting.png", 1.0f, W / 2, H / 2, pulse);
    float y = int(H - 20);
    m.Fill(0, y, int(W * 0.85f), H - y, 245, 245, 245, 50);
    m.Save(dir + "/loading.png");
  }
  {  // Home screen of an agent (merchant icon shown), with its three central buttons.
    Mock m(all);
    background(m);
    Drawn fs = m.Size("free_spin.png", 1.0f), help = m.Size("help.png", 0.9f), prof = m.Size("userprofile.png", 1.0f);
    m.Draw("free_spin.png", 1.0f, W / 2, fs.h, pulse);
    Drawn h = m.Draw("help.png", 0.9f, W - help.w, prof.h, 240);
    Drawn p = m.Draw("userprofile.png", 1.0f, h.x - help.w - help.w / 1.9f, prof.h, 240);
    m.Draw("agent_profile.png", 0.75f, p.x - help.w - help.w / 1.9f, prof.h, 240);
    float wK = 1.2f * m.Size("join_game.png", 1.0f).w, wJ = 1.2f * m.Size("create_game.png", 1.0f).w;
    float wC = m.Size("cashinout.png", 1.0f).w;
    Drawn k = m.Draw("join_game.png", 1.0f, W / 2 - (wJ + wK + 1.5f * wC) / 2 + wK / 2, float(kH / 2));
    Drawn j = m.Draw("create_game.png", 1.0f, k.x + wK / 2 + wJ / 2, float(kH / 2));
    m.Draw("cashout.png", 1.0f, j.x + wJ / 2 + wC, float(kH / 2));
    m.Save(dir + "/home.png");

    // The same with the profile panel open.
    Drawn P = m.Draw("profile.png", 1.0f, W / 2, H / 2, 240);
    const SDL_Color title{5, 5, 5, 240}, label{15, 15, 15, 240}, value{80, 80, 80, 240};
    float top = P.y - P.h / 2;
    Drawn t = m.Text("Account Profile", 20, title, 0, 0, false);
    m.Text("Account Profile", 20, title, P.x, top + t.h);
    float y = top + 2 * t.h;
    Drawn pu = m.Size("profile_user.png", 0.75f);
    m.Draw("profile_user.png", 0.75f, P.x - P.w / 2 + pu.w / 1.5f, y + pu.h / 2, 240);
    y += pu.h;
    float lw0 = m.Text("Mobile No.:", 14, label, 0, 0, false).w;
    float Lx = P.x - P.w / 2 + lw0 / 3, Vx = Lx + 1.5f * lw0;
    auto row = [&](const std::string& l, const std::string& v, float rowTop, bool advance) {
      Drawn ld = m.Text(l, 14, label, 0, 0, false);
      m.Text(l, 14, label, Lx + ld.w / 2, rowTop + ld.h);
      if (!v.empty()) {
        Drawn vd = m.Text(v, 14, value, 0, 0, false);
        m.Text(v, 14, value, Vx + 20 + vd.w / 2, rowTop + vd.h);
      }
      return advance ? ld.h + float(int(ld.h) / 2) : 0.0f;
    };
    y += row("Mobile No.:", "639171234567", y, true);
    y += row("Nickname:", "Dario", y, true);
    y += row("eCoins:", "12500.000", y, true);
    y += row("Promo eCoins:", "250.000", y, true);
    row("User ID:", "40213", y, false);
    float N = m.Text("User ID:", 14, label, 0, 0, false).h;
    Drawn rf = m.Size("profile_referral.png", 0.75f);
    float V2 = y + rf.h / 1.5f + N;
    m.Draw("profile_referral.png", 0.75f, P.x - P.w / 2 + rf.w / 1.5f, V2 + rf.h / 2, 240);
    V2 += rf.h;
    row("Referred By:", "", V2, false);
    float lh = m.Text("Referred By:", 14, label, 0, 0, false).h;
    Drawn ed = m.Size("edit.png", 1.0f);
    m.Draw("edit.png", 1.0f, Vx + ed.w / 2 + 40, V2 + lh / 2, 240);
    row("Earned:", "3.000 eCoins", V2 + lh, false);
    m.Save(dir + "/home-profile.png");
  }
  {  // Merchant panel of a master agent.
    Mock m(all);
    background(m);
    Drawn P = m.Draw("profile.png", 1.0f, W / 2, H / 2, 240);
    const SDL_Color title{5, 5, 5, 240}, label{15, 15, 15, 240}, value{80, 80, 80, 240};
    float top = P.y - P.h / 2;
    Drawn t = m.Text("Merchant Tool", 20, title, 0, 0, false);
    m.Text("Merchant Tool", 20, title, P.x, top + t.h);
    float y = top + 2 * t.h;
    float lw0 = m.Text("Agent eCoins:", 14, label, 0, 0, false).w;
    float Lx = P.x - P.w / 2 + lw0 / 3, Vx = Lx + lw0;
    auto row = [&](const std::string& l, const std::string& v, float rowTop) {
      Drawn ld = m.Text(l, 14, label, 0, 0, false);
      m.Text(l, 14, label, Lx + ld.w / 2, rowTop + ld.h);
      Drawn vd = m.Text(v, 14, value, 0, 0, false);
      m.Text(v, 14, value, Vx + 20 + vd.w / 2, rowTop + vd.h);
      return ld.h;
    };
    float lh = row("Agent eCoins:", "50000.000", y);
    y += lh;
    y += row("Server Info:", "Online:42 P:30 W:12", y);
    lh = row("Bts Info:", "Online:6 W:120 L:95", y);
    y += lh + float(int(lh) / 2);
    Drawn hl = m.Text("Last 5 History:", 14, label, 0, 0, false);
    m.TextLeft("Last 5 History:", 14, label, Lx, y + hl.h);
    float last = hl.h;
    for (int i = 0; i < 5; ++i) {
      y += last;
      char line[64];
      std::snprintf(line, sizeof line, "%05d   %05d   %s", 40213 + i, 500 * (i + 1), "cash-in");
      Drawn ld = m.Text(line, 14, label, 0, 0, false);
      m.TextLeft(line, 14, label, Lx, y + ld.h);
      last = ld.h;
    }
    y += last + float(int(last) / 2);
    Drawn c1 = m.Size("agent_cashin.png", 0.5f);
    m.Draw("agent_cashin.png", 0.5f, P.x, y + c1.h, 240);
    Drawn c2 = m.Size("agent_load.png", 0.5f);
    m.Draw("agent_load.png", 0.5f, P.x, y + 1.2f * c1.h + c2.h, 240);
    m.Save(dir + "/merchant.png");
  }
  {  // Table-type picker with five types.
    Mock m(all);
    background(m);
    Drawn c = m.Size("resetmode.png", 1.0f);
    m.Draw("resetmode.png", 1.0f, W - 0.75f * c.w, H - 1.2f * c.h, 250);
    const char* names[] = {"Rookie", "Pro", "Master", "VIP", "Royal"};
    Drawn slot = m.Size("ecoins_mode1.png", 1.0f);
    int n = 5;
    float x0 = W / 2 - n * (1.2f * slot.w) / 2 + slot.w / 2;
    for (int i = 0; i < n; ++i) {
      Drawn s = m.Draw("ecoins_mode1.png", 1.0f, x0 + i * slot.w * 1.2f, float(kH / 2));
      SDL_Color col{245, 245, 245, pulse};
      Drawn tx = m.Text(names[i], 30, col, 0, 0, false);
      float left = int(s.x - tx.w), topY = int(s.y - s.h / 4 - tx.h / 2);
      m.Text(names[i], 30, col, left + tx.w / 2, topY + tx.h / 2);
    }
    m.Save(dir + "/picker.png");
  }
  {  // Join menu.
    Mock m(all);
    background(m);
    Drawn c = m.Size("resetmode.png", 1.0f);
    m.Draw("resetmode.png", 1.0f, W - 0.75f * c.w, H - 1.2f * c.h, 250);
    m.Draw("friend_users.png", 1.0f, W / 2, H / 2);
    m.Save(dir + "/join.png");
  }
  {  // Spin wheel, turned a little.
    Mock m(all);
    background(m);
    Drawn c = m.Size("resetmode.png", 1.0f);
    m.Draw("resetmode.png", 1.0f, W - (c.w * 0.5f) * 1.5f, c.h * 1.2f, 250);
    Drawn wh = m.Draw("spin_wheel.png", 1.0f, float(kW / 2), float(kH / 2), 250, 17);
    Drawn ar = m.Size("spin_arrow.png", 1.0f);
    m.Draw("spin_arrow.png", 1.0f, wh.x, wh.y - wh.h * 0.5f + ar.h * 0.5f, 250);
    Drawn t = m.Text("Free eCoins SPIN", 20, SDL_Color{245, 245, 245, 240}, 0, 0, false);
    m.Text("Free eCoins SPIN", 20, SDL_Color{245, 245, 245, 240}, wh.x, H - t.h);
    m.Save(dir + "/wheel.png");
  }
  {  // Waiting for players.
    Mock m(all);
    background(m);
    Drawn c = m.Size("resetmode.png", 1.0f);
    m.Draw("resetmode.png", 1.0f, W - 0.75f * c.w, 1.5f * c.h, 250);
    m.Draw("waiting1.png", 1.0f, W / 2, H / 2, pulse);
    float y = int(H - 20);
    m.Fill(0, y, 426, H - y, 39, 200, 245, 100);
    m.Save(dir + "/waiting.png");
  }
  {  // A form: the agent cash-in screen, one field typed, one focused.
    Mock m(all);
    background(m);
    Drawn c = m.Size("resetmode.png", 1.0f);
    m.Draw("resetmode.png", 1.0f, W - 0.75f * c.w, 1.2f * c.h, 250);
    Drawn in = m.Size("input.png", 1.0f), sb = m.Size("submit.png", 1.0f);
    float y1 = int(2 * in.h);
    float y2 = int(y1 + int(in.h) / 2 + in.h / 1.5f);
    float y3 = int(y2 + int(in.h) / 2 + sb.h / 1.5f);
    m.Draw("input.png", 1.0f, float(kW / 2), y1, 150);
    m.TextLeft("40213", 18, kTextWhite, int(kW / 2 - in.w * 0.5f) + 20, y1);
    m.Draw("input.png", 1.0f, float(kW / 2), y2, 150);
    m.Text("Cashin Amount", 18, kTextWhite, float(kW / 2), y2);
    m.Draw("submit.png", 1.0f, float(kW / 2), y3, 250);
    m.Text("Submit", 18, kTextWhite, float(kW / 2), y3);
    m.Save(dir + "/form.png");
  }
}

// ============================================================================
// Contact sheet
// ============================================================================

void WriteContactSheet(const std::vector<Generated>& all, const std::string& png) {
  const int sheetW = 1640;
  std::vector<const Generated*> cards, others;
  for (const Generated& g : all) (g.key.rfind("cards/", 0) == 0 ? cards : others).push_back(&g);

  // Cards: one row per suit at the size the client shows them, jokers last.
  const int cardCellW = 118, cardCellH = 128;
  const int cardRows = 5;
  // Other pictures: flowing cells, each scaled to fit.
  const int cellW = 200, cellH = 176, perRow = sheetW / cellW;
  int otherRows = int((others.size() + perRow - 1) / perRow);
  const int header = 44;
  int sheetH = header + cardRows * cardCellH + header + otherRows * cellH + 10;

  Canvas c(sheetW, sheetH, 1);
  c.PaintAll([](float x, float y) {
    bool odd = (int(x) / 12 + int(y) / 12) % 2;
    return odd ? Rgba{86, 90, 88, 255} : Rgba{70, 74, 72, 255};
  });
  auto label = [&](const std::string& s, float cx, float cy, float maxW) {
    TextStyle t;
    t.font = "Regular";
    t.size = 12;
    t.paint = Solid({240, 240, 240, 255});
    c.Rect(cx - maxW / 2, cy - 8, maxW, 16);
    c.Fill({0, 0, 0, 150});
    c.Text(s, cx, cy, Canvas::Fit(s, t, maxW - 4));
  };
  auto heading = [&](const std::string& s, float y) {
    TextStyle t;
    t.size = 22;
    t.paint = Solid({248, 211, 25, 255});
    c.Text(s, 16, y, t, Align::Left);
  };

  heading("Cards (shown at half size, as the client loads them): suit 1 clubs, 2 diamonds, 3 hearts, 4 spades, 5 jokers",
          24);
  for (const Generated* g : cards) {
    int suit = 0, rank = 0;
    std::sscanf(g->key.c_str(), "cards/%d-%d", &suit, &rank);
    float cx = 16 + (rank - 1) * cardCellW + cardCellW / 2.0f, top = header + (suit - 1) * cardCellH;
    float w = g->pic->w * 0.5f, h = g->pic->h * 0.5f;
    c.Image(g->pic, cx - w / 2, top + 4, w, h);
    label(g->key.substr(6) + ".png", cx, top + h + 14, cardCellW - 8);
  }
  heading("Every other picture (scaled to fit its cell; the label gives the real size)",
          header + cardRows * cardCellH + 20);
  int i = 0;
  float top0 = header + cardRows * cardCellH + header;
  for (const Generated* g : others) {
    int col = i % perRow, row = i / perRow;
    ++i;
    float cx = 20 + col * cellW + cellW / 2.0f, top = top0 + row * cellH;
    float boxW = cellW - 16, boxH = cellH - 30;
    float k = std::min({boxW / g->pic->w, boxH / g->pic->h, 1.0f});
    float w = g->pic->w * k, h = g->pic->h * k;
    c.Image(g->pic, cx - w / 2, top + 4 + (boxH - h) / 2, w, h);
    std::string name = g->key + " " + std::to_string(g->pic->w) + "x" + std::to_string(g->pic->h);
    label(name, cx, top + boxH + 14, cellW - 8);
  }
  SDL_Surface* s = c.Finish();
  SavePng(s, png);
  SDL_FreeSurface(s);
}

}  // namespace assetgen

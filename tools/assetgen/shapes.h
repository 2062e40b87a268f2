// Shapes and small drawings shared by the pictures: suit symbols, icons and
// the button and panel styles.
#pragma once

#include "canvas.h"

namespace assetgen {

// ---- Palette ---------------------------------------------------------------------
inline constexpr Rgba kGold{248, 211, 25, 255};  // the gold of the client's texts
inline constexpr Rgba kGoldDark{150, 104, 12, 255};
inline constexpr Rgba kCardRed{200, 22, 40, 255};
inline constexpr Rgba kCardBlack{24, 24, 32, 255};
inline constexpr Rgba kFeltCentre{22, 118, 64, 255};
inline constexpr Rgba kFeltEdge{8, 64, 34, 255};
inline constexpr Rgba kPanelDark{12, 18, 16, 215};
inline constexpr Rgba kWhite{255, 255, 255, 255};
inline constexpr Rgba kInk{20, 20, 24, 255};

// Suit numbers of the card files: 1 clubs, 2 diamonds, 3 hearts, 4 spades, 5 joker.
enum Suit { kClubs = 1, kDiamonds = 2, kHearts = 3, kSpades = 4, kJoker = 5 };
bool IsRedSuit(int suit);
Rgba SuitColor(int suit);

// Adds a suit symbol of the given height, centred on (cx, cy), to the mask
// (SDL2_gfx polygons and circles). `flip` turns it upside down.
void SuitMask(Canvas& c, int suit, float cx, float cy, float size, bool flip = false);
// Draws a filled suit symbol in its colour (or `color` when its alpha is not 0).
void DrawSuit(Canvas& c, int suit, float cx, float cy, float size, bool flip = false, Rgba color = {0, 0, 0, 0});

// ---- Icons (each fits the square of side `s` centred on (cx, cy)) ---------------
void IconCoin(Canvas& c, float cx, float cy, float s);
void IconGem(Canvas& c, float cx, float cy, float s);
void IconCrown(Canvas& c, float cx, float cy, float w, float h);
void IconPerson(Canvas& c, float cx, float cy, float s, Rgba color);
void IconPeople(Canvas& c, float cx, float cy, float s, Rgba front, Rgba back);
void IconCardFan(Canvas& c, float cx, float cy, float s, int count);
void IconPlus(Canvas& c, float cx, float cy, float s, Rgba color);
void IconDice(Canvas& c, float cx, float cy, float s);
void IconWallet(Canvas& c, float cx, float cy, float s, bool arrowIn);
void IconStar(Canvas& c, float cx, float cy, float r, Rgba color, int points = 5, float inner = 0.45f);
void IconShare(Canvas& c, float cx, float cy, float s, Rgba color);
void IconPencil(Canvas& c, float cx, float cy, float s, Rgba color);
void IconFlame(Canvas& c, float cx, float cy, float s);
void IconBolt(Canvas& c, float cx, float cy, float s, Rgba color);
void IconCardBack(Canvas& c, float cx, float cy, float h, Rgba color);
void IconMiniWheel(Canvas& c, float cx, float cy, float r);
void IconShop(Canvas& c, float cx, float cy, float s);
void IconSwords(Canvas& c, float cx, float cy, float s);

// ---- Widgets ------------------------------------------------------------------------
// Button colour styles.
enum class Tone { Green, Red, Gold, Blue, Purple, Dark, Teal, Orange };

// A glossy rounded button filling (x, y, w, h), with a gold rim and a soft shadow
// inside the same rectangle's lower margin.
void DrawButton(Canvas& c, float x, float y, float w, float h, float radius, Tone tone, bool rim = true);
// A dark translucent panel with a gold rim.
void DrawDarkPanel(Canvas& c, float x, float y, float w, float h, float radius, float rimWidth = 2.0f);
// Caption text for buttons: white with a dark outline and shadow, fitted to maxWidth.
void Caption(Canvas& c, const std::string& text, float cx, float cy, float size, float maxWidth,
             Rgba color = {255, 255, 255, 255});
// Gold caption with a dark outline, fitted to maxWidth.
void GoldCaption(Canvas& c, const std::string& text, float cx, float cy, float size, float maxWidth,
                 const std::string& font = "Bold");

}  // namespace assetgen

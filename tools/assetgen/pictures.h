// The picture makers: each returns a new finished surface (ARGB8888, straight
// alpha) of the size listed in asset_list.h.
#pragma once

#include <SDL2/SDL.h>

#include <functional>
#include <string>
#include <vector>

namespace assetgen {

// cards.cpp
SDL_Surface* MakeCardFace(int suit, int rank);
SDL_Surface* MakeCardBack(bool red);  // opaque, corners in the felt colour

// table_art.cpp
SDL_Surface* MakeTable();
SDL_Surface* MakeRoomBackground();    // bg.png
SDL_Surface* MakeMenuBackground();    // classic.png
SDL_Surface* MakePlate(int kind);     // 0 opponents' plate, 1 own plate (eCoins), 2 own plate (jewels)
SDL_Surface* MakeHitVault();
SDL_Surface* MakeCrown();

// avatars.cpp: avatar n facing right (the left seat's picture); flip it for the right seat.
SDL_Surface* MakeAvatar(int n);

// emojis.cpp
SDL_Surface* MakeEmoji(int n, int size);

// wheel.cpp
SDL_Surface* MakeSpinWheel();
SDL_Surface* MakeSpinArrow();

// ui_art.cpp: buttons, tiles, panels and badges, by file name ("fight.png", ...).
SDL_Surface* MakeUiPicture(const std::string& name);

// Draws a picture once per run, however many files or threads ask for it, and
// returns a copy the caller owns.
SDL_Surface* Memo(const std::string& key, const std::function<SDL_Surface*()>& make);
// Frees the memorised drawings (at the end of the run).
void ReleaseMemo();

// Every named picture (file name under res/images/ -> maker), in catalogue order.
SDL_Surface* MakeNamedPicture(const std::string& name);

}  // namespace assetgen

// Pictures for looking at the art: a contact sheet of every picture, and
// mock-ups of the client's screens drawn from the sprites at the client's
// load-time zooms and positions.
#pragma once

#include <SDL2/SDL.h>

#include <map>
#include <string>
#include <vector>

namespace assetgen {

struct Generated {
  std::string path;   // output path, e.g. "res/images/cards/1-1.png.res"
  std::string key;    // short name: "cards/1-1", "emojis/small/3", "bg.png"
  SDL_Surface* pic;   // owned by the caller
};

void WriteContactSheet(const std::vector<Generated>& all, const std::string& png);
void WriteTableMockup(const std::vector<Generated>& all, const std::string& png);
// The other screens (home, picker, join, wheel, profile, merchant, waiting, a form), one PNG each in `dir`.
void WriteScreenMockups(const std::vector<Generated>& all, const std::string& dir);

}  // namespace assetgen

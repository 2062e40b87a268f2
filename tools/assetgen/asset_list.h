// Every file the asset generator writes under res/, with the pixel size of each
// picture. Header-only so the generator and its test share one list.
//
// docs/art.md explains what each picture is for and why it has its size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

enum class Format { Png, Jpg };

struct PictureFile {
  std::string path;  // relative to the output folder, e.g. "res/images/bg.png.res"
  int width, height;
  Format format;
};

// ---- Sizes that other code (mock-ups, tests) needs by name ----------------------
inline constexpr int kCardW = 140, kCardH = 196;       // faces, drawn at half size in the client
inline constexpr int kBackW = 70, kBackH = 98;         // card backs, drawn at full size
inline constexpr int kTableW = 900, kTableH = 500;     // the card table
inline constexpr int kWheelSize = 560;                 // the spin wheel (square)
inline constexpr int kArrowW = 56, kArrowH = 64;       // the wheel's pointer, tip at the bottom edge
inline constexpr int kEmojiBig = 160, kEmojiSmall = 44;

// ---- The spin wheel's segments ----------------------------------------------------
// Segment i covers the clockwise angles [i * 30, (i + 1) * 30) degrees measured
// from straight up, with the wheel drawn unrotated. Inside the band of radii
// [kWheelBandInner, kWheelBandOuter] every pixel is exactly one of these opaque
// colours (no antialiasing, no gradient), so the pixel the client reads under
// the pointer names one segment.
inline constexpr int kWheelSegments = 12;
inline constexpr float kWheelBandInner = 178.0f, kWheelBandOuter = 250.0f;
struct WheelSegment {
  std::uint8_t r, g, b;
  const char* label;
};
inline constexpr WheelSegment kWheelSegmentList[kWheelSegments] = {
    {0xE5, 0x24, 0x3B, "500"},  {0xF9, 0xC8, 0x1E, "10"},  {0x1F, 0x9E, 0x4A, "50"},  {0x25, 0x6E, 0xE0, "20"},
    {0xF2, 0x78, 0x1E, "100"},  {0x8E, 0x3C, 0xC8, "5"},   {0x14, 0xB4, 0xBE, "200"}, {0xEC, 0x50, 0x9C, "25"},
    {0x7C, 0xC8, 0x28, "1000"}, {0x32, 0x3C, 0xA0, "15"},  {0xC8, 0x8C, 0x3C, "75"},  {0x3A, 0x3A, 0x44, "JACKPOT"},
};

// ---- Sounds ------------------------------------------------------------------------
inline const std::vector<std::string>& SoundFiles() {
  static const std::vector<std::string> files = {
      "res/sounds/error.wav", "res/sounds/move.wav", "res/sounds/chow.wav", "res/sounds/fight.wav",
      "res/sounds/fight2.wav", "res/sounds/group.wav", "res/sounds/win.wav", "res/sounds/lost.wav",
      "res/sounds/draw.wav", "res/sounds/down.wav", "res/sounds/block.wav", "res/sounds/turn.wav",
      "res/sounds/tak.mp3"};
  return files;
}

inline constexpr const char* kFontFile = "res/Arial.ttf";

// ---- Pictures ----------------------------------------------------------------------
inline std::string CardPath(int suit, int rank) {
  return "res/images/cards/" + std::to_string(suit) + "-" + std::to_string(rank) + ".png.res";
}

// The named pictures: file name under res/images/, size, format.
struct NamedPicture {
  const char* name;
  int width, height;
};
inline constexpr NamedPicture kNamedPictures[] = {
    {"classic.png", 1280, 760},
    {"status_connecting.png", 460, 120},
    {"card_table.png", kTableW, kTableH},
    {"entity_0_left.png", 400, 400},
    {"entity_1_left.png", 400, 400},
    {"entity_2_left.png", 400, 400},
    {"entity_0_right.png", 400, 400},
    {"entity_1_right.png", 400, 400},
    {"entity_2_right.png", 400, 400},
    {"card_stock_red.jpg", kBackW, kBackH},
    {"card_stock_blue.jpg", kBackW, kBackH},
    {"button_groupcards.png", 130, 44},
    {"button_ungroupcards.png", 130, 44},
    {"profile_plate_top.png", 300, 50},
    {"profile_plate_down.png", 300, 50},
    {"profile_plate_down_jewel.png", 300, 50},
    {"fight.png", 170, 80},
    {"hit_vault.png", 110, 110},
    {"input.png", 440, 60},
    {"submit.png", 240, 56},
    {"crown.png", 34, 28},
    {"ecoins_mode1.png", 210, 250},
    {"jewels_mode1.png", 210, 250},
    {"bg.png", 1280, 760},
    {"resetmode.png", 60, 60},
    {"share.png", 200, 80},
    {"create_game.png", 260, 200},
    {"join_game.png", 260, 200},
    {"random_users.png", 280, 200},
    {"friend_users.png", 280, 200},
    {"emoji_send.png", 84, 34},
    {"cashinout.png", 140, 60},
    {"cashin.png", 220, 200},
    {"cashout.png", 220, 200},
    {"waiting1.png", 520, 180},
    {"userprofile.png", 130, 48},
    {"profile.png", 380, 384},
    {"profile_user.png", 120, 120},
    {"profile_referral.png", 200, 56},
    {"edit.png", 76, 28},
    {"agent_cashin.png", 240, 80},
    {"agent_load.png", 240, 80},
    {"hit.png", 200, 80},
    {"sapaw.png", 200, 80},
    {"agent_profile.png", 170, 64},
    {"korvane.png", 260, 90},
    {"burn.png", 200, 80},
    {"help.png", 120, 48},
    {"spin_wheel.png", kWheelSize, kWheelSize},
    {"spin_arrow.png", kArrowW, kArrowH},
    {"free_spin.png", 220, 70},
};

inline bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Every picture file, in the order the generator writes them.
inline std::vector<PictureFile> AllPictureFiles() {
  std::vector<PictureFile> out;
  for (int suit = 1; suit <= 5; ++suit)
    for (int rank = 1; rank <= (suit == 5 ? 2 : 13); ++rank) out.push_back({CardPath(suit, rank), kCardW, kCardH, Format::Png});
  for (int n = 0; n <= 5; ++n) {
    out.push_back({"res/images/emojis/" + std::to_string(n) + ".png.res", kEmojiBig, kEmojiBig, Format::Png});
    out.push_back({"res/images/emojis/small/" + std::to_string(n) + ".png.res", kEmojiSmall, kEmojiSmall, Format::Png});
  }
  for (const NamedPicture& p : kNamedPictures) {
    std::string name = p.name;
    out.push_back({"res/images/" + name + ".res", p.width, p.height, EndsWith(name, ".jpg") ? Format::Jpg : Format::Png});
  }
  return out;
}

}  // namespace assetgen

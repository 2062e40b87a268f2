// The generated res/ folder: every picture the client loads exists, is scrambled,
// decodes at its documented size, the suits have their colours, the spin wheel's
// band is flat, every sound loads in SDL_mixer, the font opens, and a second run of
// the generator writes the same bytes.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "gfx/catalogue.h"
#include "gfx/res_key.h"
#include "tools/assetgen/asset_list.h"

namespace {

namespace fs = std::filesystem;

const fs::path kBuild = KORVANE_BUILD_DIR;

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decodes a picture from memory; null when it is not an image.
SDL_Surface* Decode(std::vector<std::uint8_t> bytes) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  SDL_Surface* s = IMG_Load_RW(rw, 1);
  if (!s) return nullptr;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(s);
  return argb;
}

SDL_Surface* LoadRes(const std::string& path) {
  std::vector<std::uint8_t> bytes = ReadFile(kBuild / path);
  for (std::size_t i = 0; i < gfx::kResScrambledBytes && i < bytes.size(); ++i) bytes[i] ^= gfx::kResKey;
  return Decode(bytes);
}

std::uint32_t Pixel(SDL_Surface* s, int x, int y) {
  return static_cast<std::uint32_t*>(s->pixels)[y * (s->pitch / 4) + x];
}

class Assets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(fs::is_directory(kBuild / "res")) << "build the korvane_res target first";
    IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
  }
};

TEST_F(Assets, EveryListedPictureIsScrambledAndDecodesAtItsSize) {
  for (const assetgen::PictureFile& f : assetgen::AllPictureFiles()) {
    SCOPED_TRACE(f.path);
    std::vector<std::uint8_t> raw = ReadFile(kBuild / f.path);
    ASSERT_GT(raw.size(), gfx::kResScrambledBytes);
    SDL_Surface* plain = Decode(raw);
    EXPECT_EQ(plain, nullptr) << "an unscrambled file opens as a picture";
    if (plain) SDL_FreeSurface(plain);
    // The restored header is the one its name promises.
    std::uint8_t first = raw[0] ^ gfx::kResKey, second = raw[1] ^ gfx::kResKey;
    if (f.format == assetgen::Format::Png)
      EXPECT_TRUE(first == 0x89 && second == 'P');
    else
      EXPECT_TRUE(first == 0xFF && second == 0xD8);
    SDL_Surface* s = LoadRes(f.path);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, f.width);
    EXPECT_EQ(s->h, f.height);
    SDL_FreeSurface(s);
  }
}

TEST_F(Assets, EveryPictureTheClientLoadsIsGenerated) {
  std::set<std::string> listed;
  for (const assetgen::PictureFile& f : assetgen::AllPictureFiles()) listed.insert(f.path);
  int count = 0;
  gfx::ForEachCataloguePicture([&](const gfx::CataloguePicture& p) {
    EXPECT_TRUE(listed.count(p.path)) << p.path;
    EXPECT_TRUE(fs::is_regular_file(kBuild / p.path)) << p.path;
    ++count;
    return true;
  });
  EXPECT_EQ(count, 108 + 88);  // 108 card sprites and 88 others
  for (const char* splash : {"res/images/classic.png.res", "res/images/status_connecting.png.res"})
    EXPECT_TRUE(listed.count(splash)) << splash;
}

TEST_F(Assets, NoPictureOutsideTheList) {
  std::set<std::string> listed;
  for (const assetgen::PictureFile& f : assetgen::AllPictureFiles()) listed.insert(f.path);
  for (const auto& e : fs::recursive_directory_iterator(kBuild / "res/images")) {
    if (!e.is_regular_file()) continue;
    std::string rel = fs::relative(e.path(), kBuild).string();
    EXPECT_TRUE(listed.count(rel)) << rel;
  }
}

// Suit numbers: 1 clubs, 2 diamonds, 3 hearts, 4 spades. Each ace's centre is its
// large pip, so its colour tells red suits from black ones.
TEST_F(Assets, CardsHaveRoundCornersAndSuitColours) {
  for (int suit = 1; suit <= 4; ++suit) {
    SDL_Surface* s = LoadRes(assetgen::CardPath(suit, 1));
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(Pixel(s, 0, 0) >> 24, 0u) << "corner not transparent";
    EXPECT_EQ(Pixel(s, s->w / 2, 4) >> 24, 255u) << "edge not opaque";
    std::uint32_t c = Pixel(s, s->w / 2, s->h / 2);
    int r = (c >> 16) & 255, g = (c >> 8) & 255;
    bool red = suit == 2 || suit == 3;
    if (red)
      EXPECT_TRUE(r > 150 && g < 80) << "suit " << suit << " centre " << std::hex << c;
    else
      EXPECT_TRUE(r < 80 && g < 80) << "suit " << suit << " centre " << std::hex << c;
    SDL_FreeSurface(s);
  }
  // The two jokers differ.
  SDL_Surface* a = LoadRes(assetgen::CardPath(5, 1));
  SDL_Surface* b = LoadRes(assetgen::CardPath(5, 2));
  ASSERT_TRUE(a && b);
  int differing = 0;
  for (int y = 0; y < a->h; ++y)
    for (int x = 0; x < a->w; ++x) differing += Pixel(a, x, y) != Pixel(b, x, y);
  EXPECT_GT(differing, a->w * a->h / 10);
  SDL_FreeSurface(a);
  SDL_FreeSurface(b);
}

// The client reports the colour under the pointer's tip: at any turn of the wheel
// that pixel must be one segment's exact colour.
TEST_F(Assets, WheelBandIsFlatSegmentColours) {
  SDL_Surface* s = LoadRes("res/images/spin_wheel.png.res");
  ASSERT_NE(s, nullptr);
  const float c = assetgen::kWheelSize / 2.0f;
  const float seg = 360.0f / assetgen::kWheelSegments;
  std::set<std::uint32_t> colours;
  for (const assetgen::WheelSegment& w : assetgen::kWheelSegmentList)
    colours.insert(0xFF000000u | (std::uint32_t(w.r) << 16) | (std::uint32_t(w.g) << 8) | w.b);
  EXPECT_EQ(colours.size(), std::size_t(assetgen::kWheelSegments)) << "two segments share a colour";
  std::set<std::uint32_t> seen;
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) {
      float px = x + 0.5f, py = y + 0.5f;
      float d = std::hypot(px - c, py - c);
      if (d < assetgen::kWheelBandInner || d > assetgen::kWheelBandOuter) continue;
      std::uint32_t v = Pixel(s, x, y);
      ASSERT_TRUE(colours.count(v)) << "pixel " << x << "," << y << " is " << std::hex << v;
      float a = std::atan2(px - c, -(py - c)) * 180.0f / float(M_PI);
      if (a < 0) a += 360;
      float toEdge = std::fabs(std::remainder(a, seg)) * float(M_PI) / 180.0f * d;  // pixels to the nearest edge
      if (toEdge > 1.5f) {
        const assetgen::WheelSegment& w = assetgen::kWheelSegmentList[int(a / seg)];
        EXPECT_EQ(v, 0xFF000000u | (std::uint32_t(w.r) << 16) | (std::uint32_t(w.g) << 8) | w.b);
      }
      seen.insert(v);
    }
  EXPECT_EQ(seen, colours);
  // The client reads 3 px below the pointer, drawn with its top on the wheel's top:
  // that radius lies in the band.
  float readRadius = c - (assetgen::kArrowH + 3);
  EXPECT_GT(readRadius, assetgen::kWheelBandInner + 5);
  EXPECT_LT(readRadius, assetgen::kWheelBandOuter - 5);
  SDL_FreeSurface(s);

  // The pointer's tip is on its bottom row, in the middle.
  SDL_Surface* arrow = LoadRes("res/images/spin_arrow.png.res");
  ASSERT_NE(arrow, nullptr);
  EXPECT_GT(Pixel(arrow, arrow->w / 2, arrow->h - 1) >> 24, 200u);
  EXPECT_EQ(Pixel(arrow, 2, arrow->h - 1) >> 24, 0u);
  SDL_FreeSurface(arrow);
}

TEST_F(Assets, EverySoundLoadsInTheMixer) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
  ASSERT_EQ(Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024), 0) << Mix_GetError();
  for (const std::string& f : assetgen::SoundFiles()) {
    SCOPED_TRACE(f);
    Mix_Chunk* chunk = Mix_LoadWAV((kBuild / f).c_str());
    ASSERT_NE(chunk, nullptr) << Mix_GetError();
    double seconds = chunk->alen / (44100.0 * 2 * 2);
    EXPECT_GT(seconds, 0.02);
    EXPECT_LT(seconds, 2.5);
    Mix_FreeChunk(chunk);
    if (f.size() > 4 && f.substr(f.size() - 4) == ".wav") {
      std::vector<std::uint8_t> b = ReadFile(kBuild / f);
      ASSERT_GE(b.size(), 44u);
      std::uint32_t rate = b[24] | (b[25] << 8) | (b[26] << 16) | (std::uint32_t(b[27]) << 24);
      EXPECT_EQ(rate, 44100u);
      EXPECT_EQ(b[34], 16);  // bits per sample
    }
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(Assets, FontOpensAtTheSmallestAndLargestSizes) {
  ASSERT_EQ(TTF_Init(), 0);
  for (int size : {8, 100}) {
    TTF_Font* f = TTF_OpenFont((kBuild / assetgen::kFontFile).c_str(), size);
    EXPECT_NE(f, nullptr) << size;
    if (f) TTF_CloseFont(f);
  }
  TTF_Quit();
}

// All randomness is seeded: a second run writes the very same bytes.
TEST_F(Assets, GeneratorIsReproducible) {
  fs::path tool = kBuild / "tools/assetgen/korvane-assetgen";
  if (!fs::exists(tool)) GTEST_SKIP() << "no generator at " << tool;
  fs::path out = fs::absolute("assetgen-rerun");
  fs::remove_all(out);
  std::string cmd = tool.string() + " " + out.string() + " > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  std::vector<std::string> all = assetgen::SoundFiles();
  for (const assetgen::PictureFile& f : assetgen::AllPictureFiles()) all.push_back(f.path);
  all.push_back(assetgen::kFontFile);
  for (const std::string& f : all) EXPECT_TRUE(ReadFile(out / f) == ReadFile(kBuild / f)) << f;
  fs::remove_all(out);
}

}  // namespace

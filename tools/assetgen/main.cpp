// korvane-assetgen: draws every picture, synthesises every sound and copies the
// font the client loads, into <out>/res/.
//
//   korvane-assetgen OUT                     write OUT/res/ (pictures scrambled as .res files)
//   korvane-assetgen --plain DIR             write the pictures as ordinary PNG/JPEG files, for looking
//   korvane-assetgen --contact-sheet PNG     every picture with its name on one sheet
//   korvane-assetgen --table-mockup PNG      a mid-game table drawn from the sprites
//   korvane-assetgen --screen-mockups DIR    the other screens drawn from the sprites
// Options combine; the pictures are drawn once per run. Output is reproducible:
// all randomness is seeded.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <SDL2/SDL_ttf.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "asset_list.h"
#include "canvas.h"
#include "mockup.h"
#include "output.h"
#include "pictures.h"
#include "sounds.h"

namespace {

using namespace assetgen;

constexpr const char* kSourceFont = "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
constexpr int kJpegQuality = 95;

void Usage() {
  std::printf(
      "usage: korvane-assetgen [OUT] [--plain DIR] [--contact-sheet PNG] [--table-mockup PNG]\n"
      "                        [--screen-mockups DIR]\n"
      "  OUT  folder that receives res/ (pictures, sounds, font)\n");
}

// The short name of an output path: "res/images/cards/1-1.png.res" -> "cards/1-1".
std::string KeyOf(const std::string& path) {
  std::string k = path.substr(std::strlen("res/images/"));
  k = k.substr(0, k.size() - 4);  // ".res"
  if (k.rfind("cards/", 0) == 0 || k.rfind("emojis/", 0) == 0) k = k.substr(0, k.size() - 4);  // ".png"
  return k;
}

SDL_Surface* Draw(const PictureFile& f) {
  std::string key = KeyOf(f.path);
  if (key.rfind("cards/", 0) == 0) {
    int suit = 0, rank = 0;
    std::sscanf(key.c_str(), "cards/%d-%d", &suit, &rank);
    return MakeCardFace(suit, rank);
  }
  if (key.rfind("emojis/small/", 0) == 0) return MakeEmoji(std::atoi(key.c_str() + 13), kEmojiSmall);
  if (key.rfind("emojis/", 0) == 0) return MakeEmoji(std::atoi(key.c_str() + 7), kEmojiBig);
  return MakeNamedPicture(key);
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "korvane-assetgen: cannot read %s (install fonts-liberation)\n", path.c_str());
    std::exit(1);
  }
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv) {
  std::string out, plain, sheet, table, screens;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    auto next = [&]() -> std::string {
      if (i + 1 >= argc) {
        Usage();
        std::exit(2);
      }
      return argv[++i];
    };
    if (a == "--help" || a == "-h") {
      Usage();
      return 0;
    } else if (a == "--plain") {
      plain = next();
    } else if (a == "--contact-sheet") {
      sheet = next();
    } else if (a == "--table-mockup") {
      table = next();
    } else if (a == "--screen-mockups") {
      screens = next();
    } else if (!a.empty() && a[0] != '-' && out.empty()) {
      out = a;
    } else {
      Usage();
      return 2;
    }
  }
  if (out.empty() && plain.empty() && sheet.empty() && table.empty() && screens.empty()) {
    Usage();
    return 2;
  }

  auto t0 = std::chrono::steady_clock::now();
  // Surfaces and the software renderer need no video device.
  if (SDL_Init(0) != 0 || TTF_Init() != 0) {
    std::fprintf(stderr, "korvane-assetgen: SDL start-up failed: %s\n", SDL_GetError());
    return 1;
  }
  IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);

  // Draw every picture, on a few worker threads (each picture is independent,
  // so the output does not depend on the order).
  const std::vector<PictureFile> files = AllPictureFiles();
  std::vector<Generated> all(files.size());
  std::atomic<size_t> nextIndex{0};
  std::atomic<bool> sizeError{false};
  std::vector<std::vector<std::uint8_t>> encoded(files.size());
  const bool wantFiles = !out.empty() || !plain.empty();
  // The sounds are independent of the pictures: synthesise them meanwhile.
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> sounds;
  std::thread soundThread([&] {
    if (!out.empty()) sounds = MakeSounds();
  });
  auto worker = [&]() {
    for (size_t i; (i = nextIndex++) < files.size();) {
      auto tp = std::chrono::steady_clock::now();
      SDL_Surface* s = Draw(files[i]);
      if (std::getenv("KORVANE_ASSETGEN_TIMES"))
        std::printf("%6ld ms  %s\n",
                    long(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - tp)
                             .count()),
                    files[i].path.c_str());
      if (s->w != files[i].width || s->h != files[i].height) {
        std::fprintf(stderr, "korvane-assetgen: %s came out %dx%d, listed as %dx%d\n", files[i].path.c_str(), s->w,
                     s->h, files[i].width, files[i].height);
        sizeError = true;
      }
      all[i] = {files[i].path, KeyOf(files[i].path), s};
      if (wantFiles) encoded[i] = files[i].format == Format::Jpg ? EncodeJpg(s, kJpegQuality) : EncodePng(s);
    }
  };
  unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  if (const char* env = std::getenv("KORVANE_ASSETGEN_THREADS")) threads = unsigned(std::clamp(std::atoi(env), 1, 16));
  std::vector<std::thread> pool;
  for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
  for (std::thread& t : pool) t.join();
  soundThread.join();
  if (sizeError) return 1;
  auto t1 = std::chrono::steady_clock::now();

  if (!out.empty()) {
    for (size_t i = 0; i < files.size(); ++i) {
      std::vector<std::uint8_t> bytes = encoded[i];
      Scramble(bytes);
      WriteFile(out + "/" + files[i].path, bytes);
    }
    for (auto& [path, bytes] : sounds) WriteFile(out + "/" + path, bytes);
    WriteFile(out + "/" + kFontFile, ReadFile(kSourceFont));
  }
  if (!plain.empty()) {
    for (size_t i = 0; i < files.size(); ++i) {
      std::string p = plain + "/" + files[i].path.substr(std::strlen("res/images/"));
      p = p.substr(0, p.size() - 4);
      WriteFile(p, encoded[i]);
    }
  }
  if (!sheet.empty()) WriteContactSheet(all, sheet);
  if (!table.empty()) WriteTableMockup(all, table);
  if (!screens.empty()) {
    MakeDirs(screens);
    WriteScreenMockups(all, screens);
  }

  for (Generated& g : all) SDL_FreeSurface(g.pic);
  ReleaseMemo();
  CloseFonts();
  auto t2 = std::chrono::steady_clock::now();
  auto ms = [](auto a, auto b) { return long(std::chrono::duration_cast<std::chrono::milliseconds>(b - a).count()); };
  std::printf("korvane-assetgen: %zu pictures drawn and encoded in %ld ms, all output in %ld ms\n", files.size(), ms(t0, t1),
              ms(t0, t2));
  IMG_Quit();
  TTF_Quit();
  SDL_Quit();
  return 0;
}

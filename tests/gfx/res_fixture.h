// Small asset files made inside the tests: scrambled pictures, plain WAV sounds, a
// font, and a whole tiny res/ folder for the catalogue and the staged start-up.
// Header-only so the gfx and startup test programs share it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gfx/catalogue.h"
#include "gfx/res_key.h"
#include "gfx/sound.h"

namespace fixture {

namespace fs = std::filesystem;

// An empty folder of the running test's own. CTest runs the tests of one program in
// parallel in one working directory, so files a test writes go in here.
inline fs::path ScratchDir() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/') c = '_';
    }
    const fs::path dir = fs::absolute("scratch") / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

// Makes dir the working directory for the object's lifetime (the client reads res/
// relative to it).
class WorkingDir {
public:
    explicit WorkingDir(const fs::path& dir) : old_(fs::current_path()) { fs::current_path(dir); }
    ~WorkingDir() { fs::current_path(old_); }
    WorkingDir(const WorkingDir&) = delete;
    WorkingDir& operator=(const WorkingDir&) = delete;

private:
    fs::path old_;
};

inline std::vector<std::uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// XORs the first (up to ten) bytes with key, as the asset tool does with gfx::kResKey.
inline std::vector<std::uint8_t> Scramble(std::vector<std::uint8_t> bytes, std::uint8_t key = gfx::kResKey) {
    for (std::size_t i = 0; i < bytes.size() && i < gfx::kResScrambledBytes; ++i) bytes[i] ^= key;
    return bytes;
}

// An RGBA surface of w x h; pixel (x, y) gets colour(x, y).
template <typename ColourOf>
SDL_Surface* MakeSurface(int w, int h, ColourOf colour) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < w; ++x) {
            const SDL_Color c = colour(x, y);
            row[x] = SDL_MapRGBA(s->format, c.r, c.g, c.b, c.a);
        }
    }
    return s;
}

// The PNG file bytes of a surface.
inline std::vector<std::uint8_t> PngBytes(SDL_Surface* surface) {
    static int counter = 0;
    const fs::path tmp =
        fs::current_path() / (".fixture_" + std::to_string(getpid()) + "_" + std::to_string(++counter) + ".png");
    IMG_SavePNG(surface, tmp.string().c_str());
    std::vector<std::uint8_t> bytes = ReadFile(tmp);
    fs::remove(tmp);
    return bytes;
}

// Writes a scrambled ".res" picture of one colour.
inline void WriteSolidPicture(const fs::path& path, int w, int h, SDL_Color colour) {
    SDL_Surface* s = MakeSurface(w, h, [&](int, int) { return colour; });
    WriteFile(path, Scramble(PngBytes(s)));
    SDL_FreeSurface(s);
}

// A mono 16-bit PCM WAV file of a quiet tone, ms long.
inline std::vector<std::uint8_t> WavBytes(int ms, int rate = 22050) {
    const std::uint32_t samples = static_cast<std::uint32_t>(rate) * static_cast<std::uint32_t>(ms) / 1000u;
    const std::uint32_t dataBytes = samples * 2;
    std::vector<std::uint8_t> b;
    b.reserve(44 + dataBytes);
    auto put32 = [&](std::uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i))); };
    auto put16 = [&](std::uint16_t v) { for (int i = 0; i < 2; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i))); };
    auto tag = [&](const char* t) { for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(t[i])); };
    tag("RIFF"); put32(36 + dataBytes); tag("WAVE");
    tag("fmt "); put32(16); put16(1); put16(1); put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate) * 2); put16(2); put16(16);
    tag("data"); put32(dataBytes);
    for (std::uint32_t i = 0; i < samples; ++i) put16(static_cast<std::uint16_t>((i / 50) % 2 ? 800 : -800));
    return b;
}

// The font the tests render with: the generated one when the build made it, else the
// system's sans-serif of the same metrics.
inline fs::path FontSource() {
    const fs::path generated = fs::path(KORVANE_BUILD_DIR) / "res" / "Arial.ttf";
    if (fs::exists(generated)) return generated;
    return "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
}

// The generated res/ folder of the build, or an empty path when the build has none.
inline fs::path GeneratedRes() {
    const fs::path res = fs::path(KORVANE_BUILD_DIR) / "res";
    return fs::exists(res / "images") ? res : fs::path();
}

// Every distinct catalogue file in sorted order, each with its own size, so a loaded
// sprite's size tells which file it came from.
struct CatalogueSizes {
    std::map<std::string, SDL_Point> size;   // catalogue path -> picture size written

    static CatalogueSizes Make() {
        std::set<std::string> paths;
        gfx::ForEachCataloguePicture([&](const gfx::CataloguePicture& p) {
            paths.insert(p.path);
            return true;
        });
        CatalogueSizes out;
        int i = 0;
        for (const std::string& p : paths) {
            out.size[p] = SDL_Point{8 + 2 * i, 8 + 2 * (i % 5)};
            ++i;
        }
        return out;
    }
};

// The size rotozoom gives a side of n pixels zoomed by z.
inline int ZoomedSide(int n, float z) {
    const double v = static_cast<double>(n) * static_cast<double>(z) + 0.5;
    const int r = static_cast<int>(v);
    return r < 1 ? 1 : r;
}

inline constexpr SDL_Color kSplashBackgroundColour = {40, 80, 200, 255};   // classic.png
inline constexpr SDL_Color kConnectingColour = {230, 30, 30, 255};         // status_connecting.png
inline constexpr SDL_Point kConnectingSize = {300, 80};

// Writes a complete tiny res/ under root: both splash pictures, every catalogue
// picture (each with its own size), every WAV sound and the font. tak.mp3 is left
// out: the tests have no MP3 encoder, and its slot stays empty.
inline CatalogueSizes WriteTinyRes(const fs::path& root) {
    fs::remove_all(root / "res");
    WriteSolidPicture(root / "res/images/classic.png.res", 1280, 760, kSplashBackgroundColour);
    WriteSolidPicture(root / "res/images/status_connecting.png.res", kConnectingSize.x, kConnectingSize.y,
                      kConnectingColour);
    CatalogueSizes sizes = CatalogueSizes::Make();
    for (const auto& [path, wh] : sizes.size) {
        WriteSolidPicture(root / path, wh.x, wh.y, SDL_Color{120, 160, 90, 255});
    }
    const std::vector<std::uint8_t> wav = WavBytes(300);
    for (int i = 0; i < static_cast<int>(gfx::SoundSlot::Count); ++i) {
        const fs::path file = gfx::SoundFile(static_cast<gfx::SoundSlot>(i));
        if (file.extension() == ".wav") WriteFile(root / file, wav);
    }
    fs::create_directories(root / "res");
    fs::copy_file(FontSource(), root / "res/Arial.ttf", fs::copy_options::overwrite_existing);
    return sizes;
}

}  // namespace fixture

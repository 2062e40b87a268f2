// The picture loader: scrambled files, failures and their messages, load-time zoom.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "gfx/loader.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "platform/log.h"
#include "res_fixture.h"
#include "sdl_fixture.h"
#include "texture_spy.h"

namespace {

namespace fs = std::filesystem;

struct LogLine {
    int level;
    std::string text;
};

class LoaderTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        platform::SetLogHook([this](int level, const std::string& text) { lines.push_back({level, text}); });
        cwd = std::make_unique<fixture::WorkingDir>(fixture::ScratchDir());
        fs::create_directories("loader");
    }
    void TearDown() override {
        cwd.reset();
        platform::SetLogHook(nullptr);
        HeadlessSdl::TearDown();
    }

    bool HasLine(int level, const std::string& text) const {
        for (const LogLine& l : lines) {
            if (l.level == level && l.text == text) return true;
        }
        return false;
    }
    bool HasLineStartingWith(int level, const std::string& prefix) const {
        for (const LogLine& l : lines) {
            if (l.level == level && l.text.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }

    std::vector<LogLine> lines;
    std::unique_ptr<fixture::WorkingDir> cwd;
};

// A picture whose every pixel differs from its neighbours, so any resampling shows.
SDL_Color Checker(int x, int y) {
    return (x + y) % 2 ? SDL_Color{250, 20, 20, 255} : SDL_Color{20, 20, 250, 255};
}

std::vector<std::uint8_t> CheckerPng(int w, int h) {
    SDL_Surface* s = fixture::MakeSurface(w, h, Checker);
    std::vector<std::uint8_t> png = fixture::PngBytes(s);
    SDL_FreeSurface(s);
    return png;
}

// Draws the sprite's texture unscaled at the top-left corner of a black window.
void DrawAtOrigin(const gfx::Sprite& sprite) {
    SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
    SDL_RenderClear(gfx::Renderer());
    SDL_Rect dst{0, 0, static_cast<int>(sprite.width), static_cast<int>(sprite.height)};
    SDL_RenderCopy(gfx::Renderer(), sprite.texture, nullptr, &dst);
}

bool SameColour(SDL_Color a, SDL_Color b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

TEST_F(LoaderTest, ScrambledFileRestoresToThePictureExactly) {
    const std::string path = "loader/checker.png.res";
    fixture::WriteFile(path, fixture::Scramble(CheckerPng(6, 4)));

    gfx::Sprite sprite;
    sprite.visible = false;
    ASSERT_TRUE(gfx::LoadSprite(sprite, path.c_str(), 1.0f, 1.0f, gfx::kLoadZoom));
    EXPECT_NE(sprite.texture, nullptr);
    EXPECT_EQ(sprite.width, 6.0f);
    EXPECT_EQ(sprite.height, 4.0f);
    EXPECT_TRUE(sprite.visible) << "a successful load shows the sprite";

    DrawAtOrigin(sprite);
    testsupport::SaveScreenshot("loader_checker");
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_TRUE(SameColour(testsupport::ReadPixel(x, y), Checker(x, y))) << "pixel " << x << "," << y;
        }
    }
    EXPECT_TRUE(HasLine(platform::kLogInfo, "loadFromFile, " + path));
    EXPECT_TRUE(HasLine(platform::kLogInfo, "IMG_Load " + path + " load ok."));
    SDL_DestroyTexture(sprite.texture);
}

// Files that are there but hold no picture the loader can restore.
struct BadFileCase {
    const char* name;
    std::vector<std::uint8_t> (*bytes)();
};

const BadFileCase kBadFiles[] = {
    {"scrambled_with_another_key", [] { return fixture::Scramble(CheckerPng(6, 4), gfx::kResKey ^ 0x5A); }},
    {"not_scrambled_at_all", [] { return CheckerPng(6, 4); }},
    {"empty", [] { return std::vector<std::uint8_t>{}; }},
    {"nine_bytes", [] {
         std::vector<std::uint8_t> b = fixture::Scramble(CheckerPng(6, 4));
         b.resize(9);
         return b;
     }},
    {"just_the_ten_header_bytes", [] {
         std::vector<std::uint8_t> b = fixture::Scramble(CheckerPng(6, 4));
         b.resize(10);
         return b;
     }},
    {"picture_cut_in_half", [] {
         std::vector<std::uint8_t> b = fixture::Scramble(CheckerPng(40, 40));
         b.resize(b.size() / 2);
         return b;
     }},
};

class BadFile : public LoaderTest, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadFile, IsReportedAsAnUndecodablePicture) {
    const std::string path = std::string("loader/") + GetParam().name + ".png.res";
    fixture::WriteFile(path, GetParam().bytes());

    gfx::Sprite sprite;
    EXPECT_FALSE(gfx::LoadSprite(sprite, path.c_str(), 1.0f, 1.0f, gfx::kLoadZoom));
    EXPECT_EQ(sprite.texture, nullptr);
    EXPECT_EQ(sprite.width, 0.0f);
    EXPECT_EQ(sprite.height, 0.0f);
    EXPECT_TRUE(HasLineStartingWith(platform::kLogError, "IMG_Load " + path + " failed, Error: "));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back().text.back(), '!') << lines.back().text;
    EXPECT_FALSE(HasLineStartingWith(platform::kLogInfo, "IMG_Load " + path + " load ok."));
}

INSTANTIATE_TEST_SUITE_P(Files, BadFile, ::testing::ValuesIn(kBadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderTest, MissingFileIsReportedAtInformationLevel) {
    gfx::Sprite sprite;
    EXPECT_FALSE(gfx::LoadSprite(sprite, "loader/no_such_file.png.res", 1.0f, 1.0f, gfx::kLoadZoom));
    EXPECT_EQ(sprite.texture, nullptr);
    EXPECT_TRUE(HasLine(platform::kLogInfo, "loadFromFile, loader/no_such_file.png.res"));
    EXPECT_TRUE(HasLineStartingWith(platform::kLogInfo, "filegetrawdatalen failed, "));
    EXPECT_FALSE(HasLineStartingWith(platform::kLogError, "IMG_Load"));
}

TEST_F(LoaderTest, ReloadFreesTheOldTextureAlsoWhenTheNewLoadFails) {
    const std::string good = "loader/reload.png.res";
    fixture::WriteFile(good, fixture::Scramble(CheckerPng(8, 8)));
    const std::string bad = "loader/reload_bad.png.res";
    fixture::WriteFile(bad, CheckerPng(8, 8));

    struct Case {
        const char* name;
        std::string second;
        bool loads;
    };
    const Case cases[] = {
        {"missing file", "loader/nothing_here.png.res", false},
        {"undecodable file", bad, false},
        {"good file", good, true},
    };
    for (const Case& c : cases) {
        gfx::Sprite sprite;
        ASSERT_TRUE(gfx::LoadSprite(sprite, good.c_str(), 1.0f, 1.0f, gfx::kLoadZoom));
        SDL_Texture* old = sprite.texture;
        spy::ClearDestroyedTextures();
        EXPECT_EQ(gfx::LoadSprite(sprite, c.second.c_str(), 1.0f, 1.0f, gfx::kLoadZoom), c.loads) << c.name;
        EXPECT_TRUE(spy::WasDestroyed(old)) << c.name << ": the first texture must be freed";
        if (c.loads) {
            EXPECT_NE(sprite.texture, nullptr) << c.name;
            SDL_DestroyTexture(sprite.texture);
        } else {
            EXPECT_EQ(sprite.texture, nullptr) << c.name;
            EXPECT_EQ(sprite.width, 0.0f) << c.name;
            EXPECT_EQ(sprite.height, 0.0f) << c.name;
        }
    }
}

// Load-time zoom of a 40 x 20 picture.
struct ZoomCase {
    const char* name;
    std::uint8_t mode;
    float a, b;
    int width, height;   // loaded size
    bool untouched;      // the decoded pixels are kept as they are
};

const ZoomCase kZoomCases[] = {
    {"zoom_one_keeps_pixels", gfx::kLoadZoom, 1.0f, 1.0f, 40, 20, true},
    {"zoom_half_halves_both", gfx::kLoadZoom, 0.5f, 0.5f, 20, 10, false},
    {"zoom_each_side_its_own", gfx::kLoadZoom, 2.0f, 0.5f, 80, 10, false},
    {"fit_to_own_size_keeps_pixels", gfx::kLoadFit, 40.0f, 20.0f, 40, 20, true},
    {"fit_only_height_differs", gfx::kLoadFit, 40.0f, 10.0f, 40, 10, false},
    {"fit_only_width_differs", gfx::kLoadFit, 80.0f, 20.0f, 80, 20, false},
    {"fit_to_window", gfx::kLoadFit, 1280.0f, 760.0f, 1280, 760, false},
    {"other_mode_ignores_numbers", gfx::kLoadAsIs, 0.5f, 3.0f, 40, 20, true},
    {"mode_seven_ignores_numbers", 7, 1280.0f, 760.0f, 40, 20, true},
};

class Zoom : public LoaderTest, public ::testing::WithParamInterface<ZoomCase> {};

TEST_P(Zoom, GivesTheSizeAndPixelsOfItsMode) {
    const ZoomCase& c = GetParam();
    const std::string path = "loader/zoom.png.res";
    fixture::WriteFile(path, fixture::Scramble(CheckerPng(40, 20)));

    gfx::Sprite sprite;
    ASSERT_TRUE(gfx::LoadSprite(sprite, path.c_str(), c.a, c.b, c.mode));
    EXPECT_EQ(sprite.width, static_cast<float>(c.width));
    EXPECT_EQ(sprite.height, static_cast<float>(c.height));

    DrawAtOrigin(sprite);
    if (c.untouched) {
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                ASSERT_TRUE(SameColour(testsupport::ReadPixel(x, y), Checker(x, y))) << "pixel " << x << "," << y;
            }
        }
    } else if (c.width <= 80) {
        // Smoothing blends the checker's neighbours: some pixel is neither pure colour.
        bool blended = false;
        for (int y = 0; y < c.height && !blended; ++y) {
            for (int x = 0; x < c.width && !blended; ++x) {
                const SDL_Color p = testsupport::ReadPixel(x, y);
                blended = !SameColour(p, Checker(0, 0)) && !SameColour(p, Checker(1, 0));
            }
        }
        EXPECT_TRUE(blended) << "a zoomed picture is resampled with smoothing";
    }
    SDL_DestroyTexture(sprite.texture);
}

INSTANTIATE_TEST_SUITE_P(Modes, Zoom, ::testing::ValuesIn(kZoomCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoaderTest, JpegPicturesDecodeToo) {
    SDL_Surface* s = fixture::MakeSurface(30, 12, [](int, int) { return SDL_Color{200, 40, 40, 255}; });
    ASSERT_EQ(IMG_SaveJPG(s, "loader/plain.jpg", 95), 0) << SDL_GetError();
    SDL_FreeSurface(s);
    fixture::WriteFile("loader/back.jpg.res", fixture::Scramble(fixture::ReadFile("loader/plain.jpg")));

    gfx::Sprite sprite;
    ASSERT_TRUE(gfx::LoadSprite(sprite, "loader/back.jpg.res", 1.0f, 1.0f, gfx::kLoadZoom));
    EXPECT_EQ(sprite.width, 30.0f);
    EXPECT_EQ(sprite.height, 12.0f);
    SDL_DestroyTexture(sprite.texture);
}

}  // namespace

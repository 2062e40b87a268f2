// Text: the font table, RenderText's Latin-1, zoom and angle rules, and the centred
// draw's truncation.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "gfx/text.h"
#include "gfx/video.h"
#include "res_fixture.h"
#include "sdl_fixture.h"
#include "texture_spy.h"

namespace {

namespace fs = std::filesystem;

constexpr SDL_Color kWhite = {255, 255, 255, 255};

class TextTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path dir = fixture::ScratchDir();
        fs::create_directories(dir / "res");
        fs::copy_file(fixture::FontSource(), dir / "res/Arial.ttf");
        cwd = std::make_unique<fixture::WorkingDir>(dir);
    }
    void TearDown() override {
        gfx::CloseFonts();
        cwd.reset();
        HeadlessSdl::TearDown();
    }

    // The pixels of a texture as it draws on a black window at the origin.
    std::vector<Uint32> Pixels(SDL_Texture* t, int w, int h) {
        SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
        SDL_RenderClear(gfx::Renderer());
        SDL_Rect dst{0, 0, w, h};
        SDL_RenderCopy(gfx::Renderer(), t, nullptr, &dst);
        std::vector<Uint32> px(static_cast<std::size_t>(w) * h);
        SDL_RenderReadPixels(gfx::Renderer(), &dst, SDL_PIXELFORMAT_RGBA32, px.data(), w * 4);
        return px;
    }

    std::unique_ptr<fixture::WorkingDir> cwd;
};

TEST_F(TextTest, OpensEverySizeFromEightToOneHundred) {
    ASSERT_TRUE(gfx::OpenFonts());
    ASSERT_EQ(gfx::Fonts().size(), 93u);
    EXPECT_EQ(gfx::Fonts().begin()->first, 8);
    EXPECT_EQ(gfx::Fonts().rbegin()->first, 100);
    // Each entry is the font opened at its own size.
    EXPECT_LT(TTF_FontHeight(gfx::Fonts().at(8)), TTF_FontHeight(gfx::Fonts().at(30)));
    EXPECT_LT(TTF_FontHeight(gfx::Fonts().at(30)), TTF_FontHeight(gfx::Fonts().at(100)));
}

TEST_F(TextTest, MissingFontFileFailsAtTheFirstSize) {
    fs::remove("res/Arial.ttf");
    EXPECT_FALSE(gfx::OpenFonts());
    EXPECT_TRUE(gfx::Fonts().empty());
}

TEST_F(TextTest, EmptyTextRendersNothingAndLeavesTheSizesAlone) {
    ASSERT_TRUE(gfx::OpenFonts());
    int w = 1234, h = 5678;
    EXPECT_EQ(gfx::RenderText("", 20, kWhite, w, h), nullptr);
    EXPECT_EQ(w, 1234);
    EXPECT_EQ(h, 5678);
    // Callers hand the missing texture on; drawing it does nothing.
    gfx::DrawTextureCentered(nullptr, 10.0f, 10.0f, 5.0f, 5.0f);
}

TEST_F(TextTest, BytesAboveAsciiAreLatin1Characters) {
    ASSERT_TRUE(gfx::OpenFonts());
    TTF_Font* font = gfx::Fonts().at(30);

    // "\xE9" is one Latin-1 e-acute: the same picture as the UTF-8 spelling of it.
    int w = 0, h = 0;
    SDL_Texture* latin = gfx::RenderText("caf\xE9", 30, kWhite, w, h);
    ASSERT_NE(latin, nullptr);
    int uw = 0, uh = 0;
    ASSERT_EQ(TTF_SizeUTF8(font, "caf\xC3\xA9", &uw, &uh), 0);
    EXPECT_EQ(w, uw);
    EXPECT_EQ(h, uh);
    SDL_Surface* utf8 = TTF_RenderUTF8_Blended(font, "caf\xC3\xA9", kWhite);
    SDL_Texture* utf8Texture = SDL_CreateTextureFromSurface(gfx::Renderer(), utf8);
    SDL_FreeSurface(utf8);
    EXPECT_EQ(Pixels(latin, w, h), Pixels(utf8Texture, w, h));
    SDL_DestroyTexture(latin);
    SDL_DestroyTexture(utf8Texture);

    // The two UTF-8 bytes of e-acute, given to RenderText, are two Latin-1 characters.
    SDL_Texture* two = gfx::RenderText("caf\xC3\xA9", 30, kWhite, w, h);
    ASSERT_NE(two, nullptr);
    int tw = 0, th = 0;
    ASSERT_EQ(TTF_SizeUTF8(font, "caf\xC3\x83\xC2\xA9", &tw, &th), 0);
    EXPECT_EQ(w, tw);
    EXPECT_GT(w, uw);
    SDL_DestroyTexture(two);
}

TEST_F(TextTest, ZoomScalesAndOnlyAZoomedTextTurns) {
    ASSERT_TRUE(gfx::OpenFonts());
    int w = 0, h = 0;
    SDL_DestroyTexture(gfx::RenderText("Fight!", 20, kWhite, w, h));
    ASSERT_GT(w, h);

    struct Case {
        const char* name;
        float zx, zy, angle;
        int wantW, wantH;
        int slack;   // pixels a rotated bounding box may differ by
    };
    const Case cases[] = {
        {"no zoom, no angle", 1.0f, 1.0f, 0.0f, w, h, 0},
        {"an angle without zoom does nothing", 1.0f, 1.0f, 90.0f, w, h, 0},
        {"double zoom", 2.0f, 2.0f, 0.0f, 2 * w, 2 * h, 0},
        {"zoom on one side", 1.5f, 1.0f, 0.0f, fixture::ZoomedSide(w, 1.5f), h, 0},
        {"a zoomed text turns", 2.0f, 2.0f, 90.0f, 2 * h, 2 * w, 2},
    };
    for (const Case& c : cases) {
        int cw = -1, ch = -1;
        SDL_Texture* t = gfx::RenderText("Fight!", 20, kWhite, cw, ch, c.zx, c.zy, c.angle);
        ASSERT_NE(t, nullptr) << c.name;
        int qw = 0, qh = 0;
        SDL_QueryTexture(t, nullptr, nullptr, &qw, &qh);
        EXPECT_EQ(cw, qw) << c.name << ": the reported size is the texture's";
        EXPECT_EQ(ch, qh) << c.name;
        EXPECT_NEAR(cw, c.wantW, c.slack) << c.name;
        EXPECT_NEAR(ch, c.wantH, c.slack) << c.name;
        SDL_DestroyTexture(t);
    }
}

TEST_F(TextTest, CentredDrawTruncatesTowardZeroAndFreesTheTexture) {
    SDL_Surface* s = fixture::MakeSurface(101, 21, [](int, int) { return SDL_Color{0, 255, 0, 255}; });
    SDL_Texture* t = SDL_CreateTextureFromSurface(gfx::Renderer(), s);
    SDL_FreeSurface(s);
    SDL_SetTextureAlphaMod(t, 10);   // the draw is always opaque
    SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
    SDL_RenderClear(gfx::Renderer());
    spy::ClearDestroyedTextures();

    gfx::DrawTextureCentered(t, 50.0f, 10.0f, 101.0f, 21.0f);
    testsupport::SaveScreenshot("text_centred_truncation");
    EXPECT_TRUE(spy::WasDestroyed(t));

    // -0.5 truncates to 0: the rectangle is x 0..100, y 0..20.
    struct Probe {
        int x, y;
        bool green;
    };
    const Probe probes[] = {{0, 0, true}, {100, 0, true}, {0, 20, true}, {100, 20, true},
                            {101, 10, false}, {50, 21, false}};
    for (const Probe& p : probes) {
        const SDL_Color c = testsupport::ReadPixel(p.x, p.y);
        EXPECT_EQ(c.g == 255 && c.r == 0, p.green) << p.x << "," << p.y << " g=" << int(c.g);
    }
}

TEST_F(TextTest, SampleLinesLookRight) {
    ASSERT_TRUE(gfx::OpenFonts());
    SDL_SetRenderDrawColor(gfx::Renderer(), 20, 30, 50, 255);
    SDL_RenderClear(gfx::Renderer());
    const char* lines[] = {"Korvane 14 pt", "Caf\xE9 cr\xE8me \xE0 la carte, \xA3" " 5", "\xC5ngstr\xF6m \xD1" "and\xFA", "Hits 12"};
    const int sizes[] = {14, 30, 30, 60};
    float y = 60.0f;
    for (int i = 0; i < 4; ++i) {
        int w = 0, h = 0;
        SDL_Texture* t = gfx::RenderText(lines[i], sizes[i], SDL_Color{245, 245, 245, 255}, w, h);
        ASSERT_NE(t, nullptr);
        gfx::DrawTextureCentered(t, 640.0f, y, static_cast<float>(w), static_cast<float>(h));
        y += static_cast<float>(h) + 30.0f;
    }
    int w = 0, h = 0;
    SDL_Texture* turned = gfx::RenderText("FIGHT", 40, SDL_Color{250, 200, 40, 255}, w, h, 1.5f, 1.5f, 20.0f);
    gfx::DrawTextureCentered(turned, 640.0f, 600.0f, static_cast<float>(w), static_cast<float>(h));
    const std::string path = testsupport::SaveScreenshot("text_samples");
    EXPECT_TRUE(fs::exists(path));
}

}  // namespace

// The notices overlay: styles, the shared line counter, expiry and erasure, the
// backdrop, and a drawn frame.
#include <SDL_ttf.h>

#include <cmath>
#include <filesystem>

#include "gfx/text.h"
#include "gfx/video.h"
#include "screens/notices.h"
#include "sdl_fixture.h"

namespace {

namespace fs = std::filesystem;
using screens::Notice;
using screens::NoticeLayout;
using screens::NoticeStyle;
using screens::TextSize;

class NoticesTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        clock.SetMs(50000);
    }

    // A stand-in for text rendering: every line w x h, with each call recorded.
    NoticeLayout Lay(std::uint64_t now, int w = 200, int h = 20) {
        measured.clear();
        return screens::LayOutNotices(now, [&](std::size_t index, const Notice&, const NoticeStyle& style) {
            measured.push_back({index, style});
            return TextSize{w, h};
        });
    }

    std::vector<std::pair<std::size_t, NoticeStyle>> measured;
};

const std::vector<Notice>& Queue() { return screens::Notices().notices; }

TEST_F(NoticesTest, StyleTableGivesLifetimeSizeColourAndRow) {
    struct Case {
        std::uint8_t style;
        std::uint32_t lifetime;
        std::int32_t size;
        SDL_Color colour;
        screens::NoticeRow row;
    };
    const SDL_Color gold{248, 211, 25, 220}, sand{240, 205, 156, 220};
    const Case cases[] = {
        {0, 5000, 20, gold, screens::NoticeRow::Centre},  {1, 10000, 20, sand, screens::NoticeRow::Centre},
        {2, 10000, 30, gold, screens::NoticeRow::Centre}, {3, 10000, 30, sand, screens::NoticeRow::Centre},
        {5, 10000, 16, gold, screens::NoticeRow::Centre}, {6, 10000, 16, gold, screens::NoticeRow::Centre},
        {7, 2000, 16, gold, screens::NoticeRow::Centre},  {8, 5000, 20, gold, screens::NoticeRow::Top},
    };
    for (const Case& c : cases) {
        const auto s = screens::NoticeStyleOf(c.style);
        ASSERT_TRUE(s.has_value()) << int(c.style);
        EXPECT_EQ(s->lifetimeMs, c.lifetime) << int(c.style);
        EXPECT_EQ(s->fontSize, c.size) << int(c.style);
        EXPECT_EQ(s->colour.r, c.colour.r);
        EXPECT_EQ(s->colour.g, c.colour.g);
        EXPECT_EQ(s->colour.b, c.colour.b);
        EXPECT_EQ(s->colour.a, c.colour.a);
        EXPECT_EQ(s->row, c.row) << int(c.style);
    }
    for (const int never : {4, 9, 10, 128, 255}) {
        EXPECT_FALSE(screens::NoticeStyleOf(static_cast<std::uint8_t>(never)).has_value()) << never;
    }
}

TEST_F(NoticesTest, EachStyleLivesExactlyItsLifetime) {
    for (const std::uint8_t style : {0, 1, 2, 3, 5, 6, 7, 8}) {
        screens::ResetNotices();
        screens::PushNotice(0, style, "x");
        const std::uint32_t life = screens::NoticeStyleOf(style)->lifetimeMs;
        EXPECT_EQ(Lay(50000 + life).lines.size(), 1u) << int(style);
        EXPECT_FALSE(Queue()[0].removed);
        EXPECT_TRUE(Lay(50000 + life + 1).lines.empty()) << int(style);
        EXPECT_TRUE(Queue()[0].removed);
    }
}

TEST_F(NoticesTest, ThreeTopNoticesStackUnderOneBackdropAndGoTogether) {
    for (const char* t : {"one", "two", "three"}) screens::PushNotice(0, 8, t);
    const NoticeLayout l = Lay(50000);
    ASSERT_EQ(l.lines.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(l.lines[i].index, i);
        EXPECT_FLOAT_EQ(l.lines[i].x, 640.0f);
        EXPECT_FLOAT_EQ(l.lines[i].y, static_cast<float>(i * 20 * 1.2 + 20 / 1.5));
    }
    EXPECT_LT(l.lines[0].y, l.lines[1].y);
    EXPECT_FLOAT_EQ(l.minX, static_cast<float>(640 - 200 / 1.8));
    EXPECT_FLOAT_EQ(l.maxX, static_cast<float>(640 + 200 / 1.8));
    EXPECT_FLOAT_EQ(l.minY, static_cast<float>(20 / 1.5 - 20 / 1.8));
    EXPECT_FLOAT_EQ(l.maxY, static_cast<float>(2 * 20 * 1.2 + 20 / 1.5 + 20 / 1.8));

    // After 5000 ms all three are marked in one frame and erased in the next.
    clock.SetMs(55001);
    screens::DrawNotices();
    ASSERT_EQ(Queue().size(), 3u);
    for (const Notice& n : Queue()) EXPECT_TRUE(n.removed);
    screens::DrawNotices();
    EXPECT_TRUE(Queue().empty());
}

TEST_F(NoticesTest, CentreAndTopRowsShareOneLineCounter) {
    screens::PushNotice(0, 0, "centre");
    screens::PushNotice(0, 8, "top");
    const NoticeLayout l = Lay(50000, 300, 30);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_FLOAT_EQ(l.lines[0].y, static_cast<float>(380 - 30));
    // The only top-row line still takes the second place of the counter.
    EXPECT_FLOAT_EQ(l.lines[1].y, static_cast<float>(1 * 30 * 1.2 + 30 / 1.5));
    EXPECT_FLOAT_EQ(l.minY, static_cast<float>(1 * 30 * 1.2 + 30 / 1.5 - 30 / 1.8));
    EXPECT_FLOAT_EQ(l.maxY, static_cast<float>(380 - 30 + 30 / 1.8));
}

TEST_F(NoticesTest, StyleFourIsNeverDrawnNorErased) {
    screens::PushNotice(0, 4, "hidden");
    screens::PushNotice(0, 200, "hidden too");
    screens::PushNotice(0, 7, "short");
    for (const std::uint64_t later : {50000ull, 60000ull, 5000000ull}) {
        clock.SetMs(later);
        screens::DrawNotices();
    }
    EXPECT_TRUE(Lay(9000000).lines.empty());
    EXPECT_TRUE(measured.empty());   // nothing was even rendered
    ASSERT_EQ(Queue().size(), 2u);
    EXPECT_EQ(Queue()[0].text, "hidden");
    EXPECT_EQ(Queue()[1].text, "hidden too");
    EXPECT_FALSE(Queue()[0].removed);
}

TEST_F(NoticesTest, ErasingKeepsTheOrderOfTheOthersAndTheirLines) {
    screens::PushNotice(0, 2, "long A");    // 10 s
    screens::PushNotice(0, 7, "short");     // 2 s
    screens::PushNotice(0, 3, "long B");    // 10 s
    Lay(53000);
    screens::EraseRemovedNotices();
    ASSERT_EQ(Queue().size(), 2u);
    EXPECT_EQ(Queue()[0].text, "long A");
    EXPECT_EQ(Queue()[1].text, "long B");
    const NoticeLayout l = Lay(53000, 100, 30);
    ASSERT_EQ(l.lines.size(), 2u);
    EXPECT_FLOAT_EQ(l.lines[1].y, static_cast<float>(380 - 30 + 30 * 1.2));
    // Each live notice is rendered once per frame, in its style.
    ASSERT_EQ(measured.size(), 2u);
    EXPECT_EQ(measured[0].second.fontSize, 30);
    EXPECT_EQ(measured[1].second.colour.b, 156);
}

TEST_F(NoticesTest, LifetimeCountsFromCreationNotFromTheFirstDraw) {
    screens::PushNotice(0, 0, "missed");
    clock.SetMs(56000);   // a long phase without frames
    screens::DrawNotices();
    screens::DrawNotices();
    EXPECT_TRUE(Queue().empty());
}

TEST_F(NoticesTest, EmptyQueueDrawsNoBackdrop) {
    SDL_SetRenderDrawColor(gfx::Renderer(), 128, 128, 128, 255);
    SDL_RenderClear(gfx::Renderer());
    screens::DrawNotices();
    const SDL_Color c = testsupport::ReadPixel(640, 380);
    EXPECT_EQ(c.r, 128);
    EXPECT_TRUE(Lay(50000).lines.empty());
}

// ---- Drawn -------------------------------------------------------------------------------------

class DrawnNoticesTest : public NoticesTest {
protected:
    void SetUp() override {
        NoticesTest::SetUp();
        const fs::path generated = fs::path(KORVANE_BUILD_DIR) / "res" / "Arial.ttf";
        const fs::path font = fs::exists(generated)
                                  ? generated
                                  : fs::path("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf");
        fs::create_directories("res");
        fs::copy_file(font, "res/Arial.ttf", fs::copy_options::overwrite_existing);
        fontsOpen = gfx::OpenFonts();
    }
    void TearDown() override {
        gfx::CloseFonts();
        NoticesTest::TearDown();
    }
    bool fontsOpen = false;
};

TEST_F(DrawnNoticesTest, LinesDrawOverOneTranslucentBackdrop) {
    if (!fontsOpen) GTEST_SKIP() << "no font to render notices with";
    screens::PushNotice(0, 8, "You need to set your nick name to play.");
    screens::PushNotice(3, 2, "Server maintenance at midnight");
    screens::PushNotice(0, 4, "never shown");

    // What the layout pass will give: the real text sizes.
    int w0 = 0, h0 = 0, w1 = 0, h1 = 0;
    SDL_DestroyTexture(gfx::RenderText(Queue()[0].text.c_str(), 20, SDL_Color{248, 211, 25, 220}, w0, h0));
    SDL_DestroyTexture(gfx::RenderText(Queue()[1].text.c_str(), 30, SDL_Color{248, 211, 25, 220}, w1, h1));
    ASSERT_GT(w0, 0);
    ASSERT_GT(h1, 0);

    SDL_SetRenderDrawColor(gfx::Renderer(), 128, 128, 128, 255);
    SDL_RenderClear(gfx::Renderer());
    SDL_SetRenderDrawBlendMode(gfx::Renderer(), SDL_BLENDMODE_BLEND);
    screens::DrawNotices();
    testsupport::SaveScreenshot("notices_two_rows");

    // The top line sits at h0 / 1.5, the centre line second in the shared counter.
    const float topY = static_cast<float>(h0 / 1.5);
    const float centreY = static_cast<float>((380 - h1) + h1 * 1.2);
    auto goldIn = [](int x0, int y0, int x1, int y1) {
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                const SDL_Color c = testsupport::ReadPixel(x, y);
                if (c.r > 150 && c.g > 120 && c.b < 100) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(goldIn(640 - w0 / 2, static_cast<int>(topY - h0 / 2), 640 + w0 / 2, static_cast<int>(topY + h0 / 2)));
    EXPECT_TRUE(goldIn(640 - w1 / 2, static_cast<int>(centreY - h1 / 2), 640 + w1 / 2,
                       static_cast<int>(centreY + h1 / 2)));
    // One backdrop spans both lines: the gap between them is darkened too, the
    // window outside it is not.
    const SDL_Color gap = testsupport::ReadPixel(640 + w1 / 2 - 2, static_cast<int>((topY + centreY) / 2));
    EXPECT_LT(gap.r, 60);
    EXPECT_GT(gap.r, 20);
    const SDL_Color outside = testsupport::ReadPixel(5, 700);
    EXPECT_EQ(outside.r, 128);
}

}  // namespace

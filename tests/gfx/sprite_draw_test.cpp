// DrawSprite: the destination rectangle, the Button it registers, visibility and tint.
#include <gtest/gtest.h>

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "sdl_fixture.h"

namespace {

using testsupport::MakeSolidSprite;
using testsupport::ReadPixel;

class SpriteDrawTest : public testsupport::HeadlessSdl {
protected:
    void Clear() {
        SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
        SDL_RenderClear(gfx::Renderer());
    }
    // The bounding box of the non-black pixels in a window region.
    SDL_Rect Painted(int x0, int y0, int x1, int y1) {
        int minX = x1, minY = y1, maxX = x0 - 1, maxY = y0 - 1;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                if (ReadPixel(x, y).r != 0) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
            }
        }
        return {minX, minY, maxX - minX + 1, maxY - minY + 1};
    }
};

TEST_F(SpriteDrawTest, EachPartOfTheRectangleIsTruncatedOnItsOwn) {
    gfx::Sprite* s = MakeSolidSprite(1, 11, 7, {255, 0, 0, 255});
    s->scaleX = 1.5f;  // 16.5 wide
    Clear();
    gfx::DrawSprite(1, 50.3f, 40.0f, 0, 0, gfx::kActionNone, 255);
    // left = trunc(50.3 - 8.25) = 42, top = trunc(40 - 3.5) = 36, width trunc(16.5) = 16, height 7
    const SDL_Rect r = Painted(30, 25, 75, 55);
    EXPECT_EQ(r.x, 42);
    EXPECT_EQ(r.y, 36);
    EXPECT_EQ(r.w, 16);
    EXPECT_EQ(r.h, 7);
}

TEST_F(SpriteDrawTest, VerticalOffsetPutsTheTopEdgeAtYAndMovesTheCentre) {
    MakeSolidSprite(1, 20, 30, {255, 0, 0, 255});
    Clear();
    gfx::Sprite* s = gfx::DrawSprite(1, 100.0f, 100.0f, 0.5f, 0, 0, gfx::kActionNone, 255);
    const SDL_Rect r = Painted(80, 70, 120, 150);
    EXPECT_EQ(r.y, 100);
    EXPECT_EQ(r.h, 30);
    EXPECT_FLOAT_EQ(s->centerY, 115.0f);
    EXPECT_FLOAT_EQ(gfx::Buttons().at(1).centerY, 115.0f);
}

TEST_F(SpriteDrawTest, FirstDrawFixesTheButtonLaterDrawsOnlyMoveIt) {
    gfx::Sprite* s = MakeSolidSprite(7, 40, 20, {255, 0, 0, 255});
    gfx::DrawSprite(7, 100, 100, 10, 11, 'J', 255);
    s->scaleX = 2.0f;
    gfx::DrawSprite(7, 300, 200, 0.0f, 13, 0, 'K', 255, gfx::SizeOverride{5, 5});
    const gfx::Button& b = gfx::Buttons().at(7);
    EXPECT_EQ(b.state, 10);
    EXPECT_EQ(b.cursor, 11);
    EXPECT_EQ(b.action, 'J');
    EXPECT_FLOAT_EQ(b.width, 40.0f) << "the size is that of the first draw";
    EXPECT_FLOAT_EQ(b.centerX, 300.0f);
    EXPECT_FLOAT_EQ(b.centerY, 200.0f);
}

TEST_F(SpriteDrawTest, SizeOverrideChangesTheDrawnSizeButNotTheButtonOrTheLeftEdge) {
    MakeSolidSprite(1, 20, 20, {255, 0, 0, 255});
    Clear();
    gfx::DrawSprite(1, 100, 100, 0.0f, 0, 0, gfx::kActionNone, 255, gfx::SizeOverride{40, 10});
    const SDL_Rect r = Painted(70, 70, 160, 130);
    EXPECT_EQ(r.x, 90);
    EXPECT_EQ(r.y, 90);
    EXPECT_EQ(r.w, 40);
    EXPECT_EQ(r.h, 10);
    EXPECT_FLOAT_EQ(gfx::Buttons().at(1).width, 20.0f);
}

TEST_F(SpriteDrawTest, HiddenSpritesAndChildrenOfHiddenParentsAreNotDrawnAndKeepTheirButton) {
    MakeSolidSprite(1, 10, 10, {255, 0, 0, 255});
    gfx::Sprite* child = MakeSolidSprite(2, 10, 10, {255, 0, 0, 255});
    child->parentId = 1;
    gfx::DrawSprite(1, 50, 50, 0, 0, 'A', 255);
    gfx::DrawSprite(2, 80, 50, 0, 0, 'B', 255);

    gfx::SetVisibleWithChildren(1, false);
    EXPECT_FALSE(child->visible);
    child->visible = true;  // visible itself, parent still hidden
    Clear();
    EXPECT_EQ(gfx::DrawSprite(1, 200, 200, 0, 0, 'A', 255), gfx::FindSprite(1)) << "still returned";
    EXPECT_EQ(gfx::DrawSprite(2, 230, 200, 0, 0, 'B', 255), child);
    EXPECT_EQ(ReadPixel(200, 200).r, 0);
    EXPECT_EQ(ReadPixel(230, 200).r, 0);
    EXPECT_FLOAT_EQ(gfx::Buttons().at(1).centerX, 50.0f) << "hidden draws do not move the Button";
    EXPECT_FLOAT_EQ(gfx::Buttons().at(2).centerX, 80.0f);

    gfx::SetVisibleWithChildren(1, true);
    gfx::DrawSprite(2, 230, 200, 0, 0, 'B', 255);
    EXPECT_EQ(ReadPixel(230, 200).r, 255);
}

TEST_F(SpriteDrawTest, SetVisibleWithChildrenVisitsOneLevelOnly) {
    MakeSolidSprite(1, 4, 4, {1, 1, 1, 255});
    MakeSolidSprite(2, 4, 4, {1, 1, 1, 255})->parentId = 1;
    MakeSolidSprite(3, 4, 4, {1, 1, 1, 255})->parentId = 2;
    gfx::SetVisibleWithChildren(1, false);
    EXPECT_FALSE(gfx::FindSprite(1)->visible);
    EXPECT_FALSE(gfx::FindSprite(2)->visible);
    EXPECT_TRUE(gfx::FindSprite(3)->visible);
}

TEST_F(SpriteDrawTest, TintResetDrawsUntintedInTheSameCallAndStaysUntinted) {
    gfx::Sprite* s = MakeSolidSprite(1, 10, 10, {255, 255, 255, 255});
    s->tintOn = true;
    s->tint[0] = 255;
    s->tint[1] = 0;
    s->tint[2] = 0;
    Clear();
    gfx::DrawSprite(1, 20, 20, 0, 0, gfx::kActionNone, 255);
    SDL_Color c = ReadPixel(20, 20);
    EXPECT_EQ(c.g, 0) << "tinted red";

    s->tintReset = true;
    gfx::DrawSprite(1, 20, 20, 0, 0, gfx::kActionNone, 255);
    c = ReadPixel(20, 20);
    EXPECT_EQ(c.g, 255) << "the reset draw is white";
    EXPECT_FALSE(s->tintOn);
    EXPECT_FALSE(s->tintReset);
    gfx::DrawSprite(1, 20, 20, 0, 0, gfx::kActionNone, 255);
    EXPECT_EQ(ReadPixel(20, 20).g, 255);
}

TEST_F(SpriteDrawTest, UnknownIdDrawsNothingAndRegistersNoButton) {
    EXPECT_EQ(gfx::DrawSprite(999, 1, 1, 0, 0, 'A', 255), nullptr);
    EXPECT_TRUE(gfx::Buttons().empty());
}

TEST_F(SpriteDrawTest, AlphaOfTheDrawIsApplied) {
    MakeSolidSprite(1, 10, 10, {255, 255, 255, 255});
    Clear();
    gfx::DrawSprite(1, 20, 20, 0, 0, gfx::kActionNone, 128);
    EXPECT_NEAR(ReadPixel(20, 20).r, 128, 1);
}

}  // namespace

// The containment rule and IsCovered.
#include <gtest/gtest.h>

#include "gfx/button.h"
#include "sdl_fixture.h"
#include "shell/screen_state.h"

namespace {

class HitTest : public testsupport::HeadlessSdl {
protected:
    static void Put(std::int32_t id, std::int32_t state, std::uint8_t action, std::int32_t drawOrder) {
        gfx::Sprite* s = testsupport::MakeSolidSprite(id, 100, 100, {9, 9, 9, 255});
        gfx::DrawSprite(id, 100, 100, state, 0, action, 255);
        s->drawOrder = drawOrder;
    }
};

TEST_F(HitTest, EdgesAreInside) {
    gfx::Button b{0, 0, 1, 10.0f, 4.0f, 50.0f, 20.0f, 'A'};
    EXPECT_TRUE(gfx::Contains(b, 45.0f, 18.0f));
    EXPECT_TRUE(gfx::Contains(b, 55.0f, 22.0f));
    EXPECT_FALSE(gfx::Contains(b, 55.01f, 20.0f));
    EXPECT_FALSE(gfx::Contains(b, 50.0f, 17.99f));
}

TEST_F(HitTest, CoveringDependsOnActionVisibilityScreenAndDrawOrder) {
    struct Case {
        const char* name;
        std::uint8_t laterAction;
        bool laterVisible;
        std::int32_t laterState;
        std::int32_t laterOrder;
        bool covered;
    };
    const Case cases[] = {
        {"a later button with an action covers", 'K', true, 10, 5, true},
        {"action 254 (swallow) covers", 254, true, 10, 5, true},
        {"action 255 never covers", 255, true, 10, 5, false},
        {"a hidden sprite does not cover", 'K', false, 10, 5, false},
        {"a button of another screen does not cover", 'K', true, 12, 5, false},
        {"drawn earlier does not cover", 'K', true, 10, 1, false},
        {"drawn in the same order does not cover", 'K', true, 10, 3, false},
    };
    for (const Case& c : cases) {
        gfx::Buttons().clear();
        gfx::FreeSprites();
        shell::Shell().CurrentState = 10;
        Put(1, 10, 'J', 3);
        Put(2, c.laterState, c.laterAction, c.laterOrder);
        gfx::FindSprite(2)->visible = c.laterVisible;
        EXPECT_EQ(gfx::IsCovered(*gfx::FindSprite(1), 100, 100), c.covered) << c.name;
    }
}

TEST_F(HitTest, LowerIdIsFoundFirstAndDrawOrderDecidesCovering) {
    shell::Shell().CurrentState = 10;
    Put(5, 10, 'A', 2);
    Put(9, 10, 'B', 1);
    // 5 comes first in the walk and was drawn last: it is the hover Button.
    const gfx::Button* hit = gfx::FindHoverButton(100, 100);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->spriteId, 5);
    // Swap the draw order: 5 is covered by 9.
    gfx::FindSprite(5)->drawOrder = 1;
    gfx::FindSprite(9)->drawOrder = 2;
    hit = gfx::FindHoverButton(100, 100);
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->spriteId, 9);
}

}  // namespace

// The main loop's event table and text-field routing, driven with synthetic events.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/button.h"
#include "net/account.h"
#include "screens/text_field.h"
#include "sdl_fixture.h"
#include "shell/main_loop.h"
#include "shell/screen_state.h"
#include "table/model.h"

namespace {

using testsupport::KeyEvent;
using testsupport::MouseEvent;
using testsupport::TextEvent;

// Everything the loop dispatched, in order.
std::vector<std::string> g_calls;

void RecordClick(std::int32_t x, std::int32_t y, std::int32_t pressed) {
    g_calls.push_back("click " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(pressed));
}
void RecordSwipePress(std::int32_t, std::int32_t) { g_calls.push_back("swipe press"); }
void RecordSwipeMotion(std::int32_t, std::int32_t) { g_calls.push_back("swipe motion"); }
void RecordSwipeRelease(std::int32_t, std::int32_t) { g_calls.push_back("swipe release"); }
void RecordEdit(const char* text) { g_calls.push_back(text ? std::string("edit ") + text : "delete"); }
void RecordSubmit() { g_calls.push_back("submit"); }

class EventsTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        g_calls.clear();
        shell::Callouts() = {RecordClick, RecordSwipePress, RecordSwipeMotion, RecordSwipeRelease, RecordEdit,
                             RecordSubmit};
    }
    void TearDown() override {
        shell::ResetCallouts();
        HeadlessSdl::TearDown();
    }

    static void AddField(std::int32_t screen, std::uint8_t focusId) {
        auto f = std::make_unique<screens::TextField>();
        f->screen = screen;
        f->focusId = focusId;
        screens::Fields().TextFields.push_back(std::move(f));
    }

    static void Send(const SDL_Event& e) { shell::HandleEvent(e); }
};

TEST_F(EventsTest, PressIsDispatchedOnceUntilTheLeftRelease) {
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 10, 20));
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 11, 21));  // second press before the release: not dispatched
    Send(MouseEvent(SDL_MOUSEBUTTONUP, 12, 22));
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 13, 23));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"click 10,20 1", "click 12,22 0", "click 13,23 1"}));
}

TEST_F(EventsTest, RightReleaseKeepsTheLatchSoTheNextPressIsIgnored) {
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 5, 5, SDL_BUTTON_RIGHT));
    Send(MouseEvent(SDL_MOUSEBUTTONUP, 5, 5, SDL_BUTTON_RIGHT));
    EXPECT_TRUE(shell::Shell().PressLatch);
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 6, 6));
    Send(MouseEvent(SDL_MOUSEBUTTONUP, 7, 7));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"click 5,5 1", "click 7,7 0"}));
    EXPECT_FALSE(shell::Shell().PressLatch);
}

TEST_F(EventsTest, SwipeGestureOnlyOnTheWheelScreen) {
    shell::Shell().CurrentState = shell::kScreenSpinWheel;
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 1, 1));
    Send(MouseEvent(SDL_MOUSEMOTION, 2, 2));
    Send(MouseEvent(SDL_MOUSEBUTTONUP, 3, 3));
    shell::Shell().CurrentState = shell::kScreenHome;
    Send(MouseEvent(SDL_MOUSEBUTTONDOWN, 1, 1));
    Send(MouseEvent(SDL_MOUSEMOTION, 2, 2));
    EXPECT_EQ(g_calls, (std::vector<std::string>{"click 1,1 1", "swipe press", "swipe motion", "click 3,3 0",
                                                 "swipe release", "click 1,1 1"}));
}

TEST_F(EventsTest, EscapeReturnsToThePreviousScreenOnce) {
    auto& s = shell::Shell();
    s.CurrentState = shell::kScreenHome;
    s.PreviousState = 0;
    Send(KeyEvent(SDLK_ESCAPE));
    EXPECT_EQ(s.CurrentState, shell::kScreenHome) << "Escape with no previous screen does nothing";

    net::Account().masterAgentFlag = true;
    Send(KeyEvent(SDLK_F8));
    EXPECT_EQ(s.CurrentState, shell::kScreenAddECoins);
    EXPECT_EQ(s.PreviousState, shell::kScreenHome);
    Send(KeyEvent(SDLK_ESCAPE));
    EXPECT_EQ(s.CurrentState, shell::kScreenHome);
    EXPECT_EQ(s.PreviousState, shell::kScreenHome) << "Escape leaves PreviousState as it was";
    Send(KeyEvent(SDLK_ESCAPE));
    EXPECT_EQ(s.CurrentState, shell::kScreenHome);
}

TEST_F(EventsTest, F8NeedsTheMasterAgentFlag) {
    auto& s = shell::Shell();
    s.CurrentState = shell::kScreenHome;
    Send(KeyEvent(SDLK_F8));
    EXPECT_EQ(s.CurrentState, shell::kScreenHome);

    net::Account().masterAgentFlag = true;
    s.CurrentState = shell::kScreenAddECoins;
    Send(KeyEvent(SDLK_F8));
    EXPECT_EQ(s.CurrentState, shell::kScreenAddECoins);
    EXPECT_EQ(s.PreviousState, shell::kScreenAddECoins);
}

TEST_F(EventsTest, TabTogglesFocusOnlyWhereAScreenHasTwoInputs) {
    struct Case {
        std::int32_t screen;
        std::uint8_t start;
        std::uint8_t afterOneTab;
    };
    const Case cases[] = {
        {shell::kScreenMobile, 0, 1},    {shell::kScreenMobile, 1, 0},  {shell::kScreenAddECoins, 0, 1},
        {shell::kScreenCashOut, 1, 0},   {shell::kScreenOtp, 1, 0},     {shell::kScreenCashIn, 2, 0},
        {shell::kScreenNickname, 0, 0},
    };
    for (const Case& c : cases) {
        screens::FreeTextFields();
        AddField(c.screen, 0);
        shell::Shell().CurrentState = c.screen;
        screens::Fields().FocusedFieldId = c.start;
        Send(KeyEvent(SDLK_TAB));
        EXPECT_EQ(screens::Fields().FocusedFieldId, c.afterOneTab) << "screen " << c.screen;
    }
    // Two tabs on the mobile screen come back to where they started.
    shell::Shell().CurrentState = shell::kScreenMobile;
    screens::FreeTextFields();
    AddField(shell::kScreenMobile, 0);
    screens::Fields().FocusedFieldId = 0;
    Send(KeyEvent(SDLK_TAB));
    Send(KeyEvent(SDLK_TAB));
    EXPECT_EQ(screens::Fields().FocusedFieldId, 0);
}

TEST_F(EventsTest, KeysAndTextGoToTheCurrentScreensFields) {
    AddField(shell::kScreenOtp, 0);
    shell::Shell().CurrentState = shell::kScreenOtp;
    Send(TextEvent("7"));
    Send(KeyEvent(SDLK_BACKSPACE));
    Send(KeyEvent(SDLK_RETURN));
    Send(KeyEvent(SDLK_a));  // any other key: nothing
    EXPECT_EQ(g_calls, (std::vector<std::string>{"edit 7", "delete", "submit"}));
}

TEST_F(EventsTest, ScreenWithoutFieldsTakesNoKeysOrText) {
    AddField(shell::kScreenOtp, 0);
    shell::Shell().CurrentState = shell::kScreenHome;
    screens::Fields().FocusedFieldId = 1;
    Send(TextEvent("7"));
    Send(KeyEvent(SDLK_BACKSPACE));
    Send(KeyEvent(SDLK_RETURN));
    Send(KeyEvent(SDLK_TAB));
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(screens::Fields().FocusedFieldId, 1);
}

TEST_F(EventsTest, MotionMovesADraggedCardUnlessInputIsLocked) {
    auto& drag = table::Model().drag;
    drag.dragCard = {table::kSuitHearts, 5};
    Send(MouseEvent(SDL_MOUSEMOTION, 300, 400));
    EXPECT_FLOAT_EQ(drag.dragX, 300.0f);
    EXPECT_FLOAT_EQ(drag.dragY, 400.0f);

    shell::Shell().InputLock = true;
    Send(MouseEvent(SDL_MOUSEMOTION, 10, 20));
    EXPECT_FLOAT_EQ(drag.dragX, 300.0f);
    EXPECT_FLOAT_EQ(drag.dragY, 400.0f);
}

TEST_F(EventsTest, QuitEventSetsTheFlag) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    Send(e);
    EXPECT_TRUE(shell::Shell().QuitRequested);
}

// ---- hover cursor ----

class HoverTest : public testsupport::HeadlessSdl {
protected:
    // A sprite drawn at (x, y) in the current screen with a cursor and action, on top of
    // what was drawn before it this frame.
    static gfx::Sprite* Place(std::int32_t id, float x, float y, std::int32_t cursor, std::uint8_t action) {
        testsupport::MakeSolidSprite(id, 100, 50, {200, 0, 0, 255});
        gfx::Sprite* s = gfx::DrawSprite(id, x, y, shell::Shell().CurrentState, cursor, action, 255);
        gfx::MarkDrawnOnTop(s);
        return s;
    }
};

TEST_F(HoverTest, CursorOfTheFirstUncoveredButtonUnderThePointer) {
    shell::Shell().CurrentState = shell::kScreenHome;
    Place(10, 200, 200, gfx::kCursorHand, 'J');
    EXPECT_EQ(shell::HoverCursorKind(200, 200), gfx::kCursorHand);
    EXPECT_EQ(shell::HoverCursorKind(250, 225), gfx::kCursorHand) << "the corner is inside";
    EXPECT_EQ(shell::HoverCursorKind(251, 200), gfx::kCursorArrow);

    // A later sprite with an action over it covers it; its own cursor shows.
    Place(20, 220, 200, gfx::kCursorIBeam, 'K');
    EXPECT_EQ(shell::HoverCursorKind(230, 200), gfx::kCursorIBeam);
    // Where only the first lies, the first still shows.
    EXPECT_EQ(shell::HoverCursorKind(155, 200), gfx::kCursorHand);
}

TEST_F(HoverTest, DecorationsNeverCoverAndHiddenOrOtherScreenButtonsDoNotCount) {
    shell::Shell().CurrentState = shell::kScreenHome;
    Place(10, 200, 200, gfx::kCursorHand, 'J');
    Place(30, 200, 200, gfx::kCursorNo, gfx::kActionNone);  // a plate drawn later, no action
    EXPECT_EQ(shell::HoverCursorKind(200, 200), gfx::kCursorHand);

    gfx::FindSprite(10)->visible = false;
    EXPECT_EQ(shell::HoverCursorKind(200, 200), gfx::kCursorNo);

    shell::Shell().CurrentState = shell::kScreenTable;
    EXPECT_EQ(shell::HoverCursorKind(200, 200), gfx::kCursorArrow);
}

}  // namespace

// ChangeScreen, InputLock and the pulsing alpha.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "screens/text_field.h"
#include "sdl_fixture.h"
#include "shell/screen_state.h"

namespace {

class ScreenStateTest : public testsupport::HeadlessSdl {};

TEST_F(ScreenStateTest, InputLockSurvivesOnlyTheTableAndScreensWithFields) {
    auto field = std::make_unique<screens::TextField>();
    field->screen = shell::kScreenOtp;
    field->text = "1234";
    screens::TextField* otp = field.get();
    screens::Fields().TextFields.push_back(std::move(field));

    struct Case {
        std::int32_t target;
        bool lockAfter;
    };
    const Case cases[] = {
        {shell::kScreenTable, true},   // the table keeps the lock of a reset in progress
        {shell::kScreenOtp, true},     // a screen with a field leaves it unchanged
        {shell::kScreenHome, false},   // any other screen clears it
        {shell::kScreenConnecting, false},
    };
    for (const Case& c : cases) {
        shell::Shell().InputLock = true;
        shell::ChangeScreen(c.target);
        EXPECT_EQ(shell::Shell().InputLock, c.lockAfter) << "into " << c.target;
        EXPECT_EQ(shell::Shell().CurrentState, c.target);
    }
    EXPECT_EQ(otp->text, "") << "entering the screen empties its first field";
}

TEST_F(ScreenStateTest, FieldScreenFocusesTheFirstFieldAndStartsTextInput) {
    auto field = std::make_unique<screens::TextField>();
    field->screen = shell::kScreenMobile;
    screens::Fields().TextFields.push_back(std::move(field));
    screens::Fields().FocusedFieldId = 1;
    SDL_StopTextInput();
    shell::ChangeScreen(shell::kScreenMobile);
    EXPECT_EQ(screens::Fields().FocusedFieldId, 0);
    EXPECT_TRUE(SDL_IsTextInputActive());
    shell::ChangeScreen(shell::kScreenHome);
    EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(ScreenStateTest, AChangeFromTheNetworkThreadLeavesTextInputToTheMainLoop) {
    auto field = std::make_unique<screens::TextField>();
    field->screen = shell::kScreenMobile;
    screens::Fields().TextFields.push_back(std::move(field));
    SDL_StopTextInput();
    std::thread other([] { shell::ChangeScreen(shell::kScreenMobile); });
    other.join();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenMobile);
    EXPECT_FALSE(SDL_IsTextInputActive()) << "SDL's text input is only touched on the video thread";
    shell::ApplyPendingTextInput();
    EXPECT_TRUE(SDL_IsTextInputActive());
    shell::ApplyPendingTextInput();
    EXPECT_TRUE(SDL_IsTextInputActive()) << "a request is carried out once";

    std::thread leave([] { shell::ChangeScreen(shell::kScreenHome); });
    leave.join();
    shell::ApplyPendingTextInput();
    EXPECT_FALSE(SDL_IsTextInputActive());
}

TEST_F(ScreenStateTest, ChangingToTheSameScreenStillRecordsIt) {
    shell::ChangeScreen(shell::kScreenHome);
    shell::ChangeScreen(shell::kScreenTablePicker);
    EXPECT_EQ(shell::Shell().PreviousState, shell::kScreenHome);
    shell::ChangeScreen(shell::kScreenTablePicker);
    EXPECT_EQ(shell::Shell().PreviousState, shell::kScreenTablePicker);
}

TEST(PulseTest, FallsTo100ThenRisesTo255AndTurnsExactlyThere) {
    shell::ResetShellState();
    auto& s = shell::Shell();
    std::vector<int> seen;
    for (int i = 0; i < 2 * 155 + 5; ++i) {
        shell::AdvancePulse();
        seen.push_back(s.PulseAlpha);
    }
    EXPECT_EQ(seen[0], 254);
    EXPECT_EQ(seen[154], 100);                // 155 steps down from 255
    EXPECT_EQ(seen[155], 101);
    EXPECT_EQ(seen[309], 255);                // back at the top after 155 steps up
    EXPECT_EQ(seen[310], 254);                // and falls again at once
    for (int v : seen) {
        EXPECT_GE(v, 100);
        EXPECT_LE(v, 255);
    }
}

TEST(LoadProgressTest, AdditionsFromBothThreadsAreNotLost) {
    shell::ResetShellState();
    std::thread other([] {
        for (int i = 0; i < 1000; ++i) shell::AddLoadProgress(0.25f);
    });
    for (int i = 0; i < 1000; ++i) shell::AddLoadProgress(0.25f);
    other.join();
    EXPECT_FLOAT_EQ(shell::Shell().LoadProgress.load(), 500.0f);
}

}  // namespace

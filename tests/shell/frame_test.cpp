// The frame dispatcher drawn headless: pixels of what it drew, the waiting bar, the
// skipped frame while NetLock is busy.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "gfx/button.h"
#include "gfx/video.h"
#include "net/account.h"
#include "net/net_lock.h"
#include "sdl_fixture.h"
#include "shell/frame.h"
#include "shell/screen_state.h"

namespace {

using testsupport::ReadPixel;

class FrameTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        // A white background picture the size of the window, and the pulsing pictures.
        testsupport::MakeSolidSprite(gfx::kSpriteBackground, 1280, 760, {255, 255, 255, 255});
        testsupport::MakeSolidSprite(gfx::kSpriteConnecting, 200, 100, {255, 0, 0, 255});
        testsupport::MakeSolidSprite(gfx::kSpriteWaiting, 200, 100, {0, 255, 0, 255});
        testsupport::MakeSolidSprite(gfx::kSpriteLeaveWaiting, 60, 40, {0, 0, 255, 255});
        testsupport::MakeSolidSprite(gfx::kSpriteCloseNickname, 60, 40, {255, 0, 255, 255});
    }
};

TEST_F(FrameTest, WaitingScreenDrawsItsBarInTheBottomStrip) {
    auto& s = shell::Shell();
    s.CurrentState = shell::kScreenWaiting;
    s.WaitingCount = 1;
    s.WaitingBarWidth = 426.0f;
    s.WaitingBarTarget = 853;
    shell::DrawFrame();
    testsupport::SaveScreenshot("waiting_screen");

    EXPECT_FLOAT_EQ(s.WaitingBarWidth, 426.5f) << "the bar grows by half a pixel per frame";
    // Bar: (39, 200, 245) at alpha 100 over the dimmed white background (alpha 50 on black).
    const SDL_Color inBar = ReadPixel(200, 750);
    const SDL_Color pastBar = ReadPixel(500, 750);
    const SDL_Color aboveBar = ReadPixel(200, 739);
    EXPECT_EQ(pastBar.r, 50);
    EXPECT_EQ(aboveBar.r, 50);
    EXPECT_NEAR(inBar.r, (39 * 100 + 50 * 155) / 255, 2);
    EXPECT_NEAR(inBar.g, (200 * 100 + 50 * 155) / 255, 2);
    EXPECT_NEAR(inBar.b, (245 * 100 + 50 * 155) / 255, 2);
    // The bar ends at 426 pixels (its width truncated).
    EXPECT_NE(ReadPixel(425, 750).r, 50);
    EXPECT_EQ(ReadPixel(426, 750).r, 50);
    // The waiting picture pulses at the centre; the leave button sits at the top right.
    EXPECT_GT(ReadPixel(640, 380).g, 200);
    ASSERT_TRUE(gfx::Buttons().count(gfx::kSpriteLeaveWaiting));
    const gfx::Button& leave = gfx::Buttons().at(gfx::kSpriteLeaveWaiting);
    EXPECT_FLOAT_EQ(leave.centerX, 1280 - 0.75f * 60);
    EXPECT_FLOAT_EQ(leave.centerY, 1.5f * 40);
    EXPECT_EQ(leave.action, shell::kActionLeaveWaiting);
}

TEST_F(FrameTest, WaitingBarColourFollowsTheCount) {
    struct Case {
        std::int32_t count;
        Uint8 g;
    };
    const Case cases[] = {{0, 200}, {1, 200}, {2, 150}, {3, 100}, {4, 245}};
    for (const Case& c : cases) {
        auto& s = shell::Shell();
        s.CurrentState = shell::kScreenWaiting;
        s.WaitingCount = c.count;
        s.WaitingBarWidth = 1280.0f;
        s.WaitingBarTarget = 1280;
        shell::DrawFrame();
        EXPECT_NEAR(ReadPixel(640, 755).g, (c.g * 100 + 50 * 155) / 255, 2) << "count " << c.count;
    }
}

TEST_F(FrameTest, FullBarAfterGrowingAThird) {
    auto& s = shell::Shell();
    s.CurrentState = shell::kScreenWaiting;
    s.WaitingBarWidth = 0.0f;
    s.WaitingBarTarget = 426;
    int frames = 0;
    while (s.WaitingBarWidth < 426.0f) {
        shell::DrawWaitingBar();
        ++frames;
    }
    EXPECT_EQ(frames, 852);
    shell::DrawWaitingBar();
    EXPECT_FLOAT_EQ(s.WaitingBarWidth, 426.0f) << "the bar stops at its target";
}

TEST_F(FrameTest, BusyNetLockSkipsTheWholeFrame) {
    shell::Shell().CurrentState = shell::kScreenConnecting;
    shell::DrawFrame();
    const std::uint8_t pulse = shell::Shell().PulseAlpha;
    const SDL_Color before = ReadPixel(10, 10);

    std::atomic<bool> locked{false}, release{false};
    std::thread holder([&] {
        std::lock_guard<std::recursive_mutex> lock(net::NetLock());
        locked = true;
        while (!release) std::this_thread::yield();
    });
    while (!locked) std::this_thread::yield();
    shell::Shell().CurrentState = shell::kScreenHome;  // would draw something else
    SDL_SetRenderDrawColor(gfx::Renderer(), 1, 2, 3, 255);
    shell::DrawFrame();
    EXPECT_EQ(shell::Shell().PulseAlpha, pulse) << "no pulse step in a skipped frame";
    const SDL_Color after = ReadPixel(10, 10);
    EXPECT_EQ(after.r, before.r);
    EXPECT_EQ(after.g, before.g);
    release = true;
    holder.join();

    shell::DrawFrame();
    EXPECT_NE(shell::Shell().PulseAlpha, pulse) << "the next frame draws again";
}

TEST_F(FrameTest, ConnectingScreenPulsesItsPictureOverTheDimmedBackground) {
    shell::Shell().CurrentState = shell::kScreenConnecting;
    shell::Shell().PulseAlpha = 100;
    shell::DrawFrame();
    testsupport::SaveScreenshot("connecting_screen");
    EXPECT_EQ(ReadPixel(5, 5).r, 50) << "background at alpha 50 over black";
    const SDL_Color centre = ReadPixel(640, 380);
    EXPECT_NEAR(centre.r, (255 * 100 + 50 * 155) / 255, 2);
    EXPECT_NEAR(centre.g, (0 * 100 + 50 * 155) / 255, 2);
}

TEST_F(FrameTest, NicknameCloseButtonOnlyWithAStoredNickname) {
    shell::Shell().CurrentState = shell::kScreenNickname;
    net::Account().nickname = "ab";
    shell::DrawFrame();
    EXPECT_EQ(gfx::Buttons().count(gfx::kSpriteCloseNickname), 0u);
    net::Account().nickname = "abc";
    shell::DrawFrame();
    ASSERT_EQ(gfx::Buttons().count(gfx::kSpriteCloseNickname), 1u);
    const gfx::Button& b = gfx::Buttons().at(gfx::kSpriteCloseNickname);
    EXPECT_EQ(b.action, shell::kActionClose);
    EXPECT_EQ(b.state, shell::kScreenNickname);
    EXPECT_FLOAT_EQ(b.centerY, 1.2f * 40);
}

TEST_F(FrameTest, UnknownScreenShowsTheBackgroundOnly) {
    shell::Shell().CurrentState = 42;
    shell::DrawFrame();
    EXPECT_EQ(ReadPixel(640, 380).r, 50);
    EXPECT_EQ(gfx::Buttons().size(), 1u) << "only the background registered a Button";
}

}  // namespace

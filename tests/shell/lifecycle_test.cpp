// Start-up of the window and renderer, one loop iteration, and the shutdown release.
#include <gtest/gtest.h>

#include <SDL_ttf.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "sdl_fixture.h"
#include "shell/main_loop.h"
#include "shell/reset.h"
#include "shell/screen_state.h"
#include "table/model.h"

namespace {

class LifecycleTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallFakeClock(&clock);
        shell::ResetClientState();
        platform::SetLogHook([this](int level, const std::string& text) { logs.push_back({level, text}); });
    }
    void TearDown() override {
        platform::SetLogHook(nullptr);
        shell::ReleaseAll();
        TTF_Quit();
        SDL_Quit();
        setenv("SDL_RENDER_DRIVER", "software", 1);
        platform::InstallFakeClock(nullptr);
    }
    bool Logged(int level, const std::string& prefix) const {
        for (const auto& [l, t] : logs) {
            if (l == level && t.rfind(prefix, 0) == 0) return true;
        }
        return false;
    }

    platform::FakeClock clock;
    std::vector<std::pair<int, std::string>> logs;
};

TEST_F(LifecycleTest, WithoutAnAcceleratedRendererTheClientSaysSoAndDrawsInSoftware) {
    // With no renderer hint the dummy video driver has no accelerated renderer.
    unsetenv("SDL_RENDER_DRIVER");
    ASSERT_TRUE(shell::StartVideo());
    EXPECT_NE(gfx::TheVideo().renderer, nullptr);
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(gfx::TheVideo().renderer, &info);
    EXPECT_TRUE(info.flags & SDL_RENDERER_SOFTWARE);
    EXPECT_TRUE(Logged(platform::kLogError, "GPU_Init failed! SDL Error: "));
}

TEST_F(LifecycleTest, StartVideoOpensThePacingWindow) {
    clock.SetMs(12345);
    ASSERT_TRUE(shell::StartVideo());
    EXPECT_EQ(shell::Shell().SecondStart, 12345u);
    EXPECT_EQ(shell::Shell().FrameDelayMs, 30);
    EXPECT_EQ(SDL_GetWindowFlags(gfx::TheVideo().window) & SDL_WINDOW_SHOWN, SDL_WINDOW_SHOWN);
    int w = 0, h = 0;
    SDL_GetWindowSize(gfx::TheVideo().window, &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 760);
}

TEST_F(LifecycleTest, AnIterationThatSeesQuitStillFinishesItsFrameAndSleep) {
    ASSERT_TRUE(shell::StartVideo());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    shell::Shell().SplashReady = true;   // no res/ here: skip the splash pictures
    const auto slept = clock.sleptMs.load();
    EXPECT_TRUE(shell::RunIteration());
    EXPECT_TRUE(shell::Shell().QuitRequested);
    EXPECT_GT(clock.sleptMs.load(), slept);
    EXPECT_EQ(shell::Shell().FramesThisSecond, 1);
}

TEST_F(LifecycleTest, FramesResetTheDrawOrderUnlessInputIsLocked) {
    ASSERT_TRUE(shell::StartVideo());
    shell::Shell().SplashReady = true;
    shell::Shell().LoadProgress = 1.0f;
    gfx::Sprite* s = testsupport::MakeSolidSprite(5, 4, 4, {1, 1, 1, 255});
    s->drawOrder = 7;
    gfx::Sprites().DrawCounter = 9;
    shell::Shell().InputLock = true;
    EXPECT_TRUE(shell::RunIteration());
    EXPECT_EQ(s->drawOrder, 7);
    EXPECT_EQ(gfx::Sprites().DrawCounter, 9);
    shell::Shell().InputLock = false;
    EXPECT_TRUE(shell::RunIteration());
    EXPECT_EQ(s->drawOrder, 0);
    EXPECT_EQ(gfx::Sprites().DrawCounter, 1);
}

TEST_F(LifecycleTest, ReleaseAllFreesEverythingOnceInAnOrderSdlAllows) {
    ASSERT_TRUE(shell::StartVideo());
    // Several IDs share nothing: each has its own texture, all owned by the renderer.
    for (int id = 1; id <= 5; ++id) testsupport::MakeSolidSprite(id, 8, 8, {1, 2, 3, 255});
    gfx::DrawSprite(1, 10, 10, 0, 0, 'A', 255);
    table::Model().hand.push_back({table::kSuitSpades, 1});
    shell::ReleaseAll();
    EXPECT_TRUE(gfx::Sprites().sprites.empty());
    EXPECT_TRUE(gfx::Buttons().empty());
    EXPECT_TRUE(table::Model().hand.empty());
    EXPECT_EQ(gfx::TheVideo().renderer, nullptr);
    EXPECT_EQ(gfx::TheVideo().window, nullptr);
    shell::ReleaseAll();  // a second release finds nothing to free twice
}

}  // namespace

// The main loop drawing frames while the network thread applies the server's table
// events: the state both touch is only read and written under NetLock. Run under
// ThreadSanitizer this fails on any unguarded access (the input lock of a table
// reset was once read by the loop without it).
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <thread>

#include "gfx/sprite_ids.h"
#include "gfx/video.h"
#include "net/receive.h"
#include "net_fixture.h"
#include "sdl_fixture.h"
#include "shell/main_loop.h"
#include "shell/screen_state.h"

namespace nettest {
namespace {

constexpr std::uint8_t kOpSignal = 0xF2;
constexpr std::uint8_t kSubSeatBytes = 0x05;   // clears the input lock
constexpr std::uint8_t kOpPlay = 0xF3;
constexpr std::uint8_t kSubTableReset = 0x09;  // sets the input lock
constexpr std::uint8_t kSubNotice = 0x00;

class MainLoopRaceTest : public NetworkTest {
protected:
    void SetUp() override {
        NetworkTest::SetUp();
        net::SetDispatchHook(nullptr);   // the real handlers
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        gfx::Video& v = gfx::TheVideo();
        v.window = SDL_CreateWindow("race", 0, 0, gfx::kWindowWidth, gfx::kWindowHeight, SDL_WINDOW_HIDDEN);
        ASSERT_NE(v.window, nullptr);
        v.renderer = SDL_CreateRenderer(v.window, -1, SDL_RENDERER_SOFTWARE);
        ASSERT_NE(v.renderer, nullptr);
        testsupport::MakeSolidSprite(gfx::kSpriteBackground, 64, 64, {200, 200, 200, 255});
    }
    void TearDown() override {
        NetworkTest::TearDown();
        gfx::Video& v = gfx::TheVideo();
        if (v.renderer) SDL_DestroyRenderer(v.renderer);
        if (v.window) SDL_DestroyWindow(v.window);
        v = gfx::Video{};
        SDL_Quit();
    }
};

TEST_F(MainLoopRaceTest, FramesAndEventsRunWhileTableResetsArrive) {
    Connect();
    Locked([] {
        shell::Shell().SplashReady = true;
        shell::Shell().LoadProgress = 1.0f;
        shell::Shell().CurrentState = shell::kScreenHome;
        return 0;
    });
    const auto reset = ShortFrame(kOpPlay, kSubTableReset, 7);
    const auto unlock = ShortFrame(kOpSignal, kSubSeatBytes, 10, {1, 1, 1});
    const auto notice = ShortFrame(kOpSignal, kSubNotice, 16, {0, 8, 'r', 'a', 'c', 'e'});
    for (int i = 0; i < 150; ++i) {
        ASSERT_TRUE(server->Send(Concat({reset, notice, unlock})));
        // Give the network thread the time a real frame's sleep gives it, without
        // any synchronisation that would order its writes before the loop's reads.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        // Now and then a pointer move; most iterations have no event, as when the
        // player is idle, so nothing locks between the sleep and the loop's own reads.
        if (i % 10 == 0) {
            SDL_Event motion{};
            motion.type = SDL_MOUSEMOTION;
            motion.motion.x = i;
            motion.motion.y = i;
            SDL_PushEvent(&motion);
        }
        ASSERT_TRUE(shell::RunIteration());
    }
    // Every burst ends with an unlock: once the last has been applied the lock is open.
    ASSERT_TRUE(server->Send(unlock));
    EXPECT_TRUE(WaitFor([] { return Locked([] { return !shell::Shell().InputLock; }); }));
    EXPECT_TRUE(HasConnection());
}

}  // namespace
}  // namespace nettest

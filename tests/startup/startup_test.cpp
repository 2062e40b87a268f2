// The staged start-up: splash, the stage sequence selected by exact float values,
// the loading screen and its bar, and the failures that end the program.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>

#include "font_spy.h"
#include "gfx/button.h"
#include "gfx/res_fixture.h"
#include "gfx/sound.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "gfx/text.h"
#include "gfx/video.h"
#include "net/net_lock.h"
#include "platform/log.h"
#include "sdl_fixture.h"
#include "shell/main_loop.h"
#include "shell/reset.h"
#include "shell/screen_state.h"
#include "shell/startup.h"

namespace {

namespace fs = std::filesystem;

constexpr int kBarTop = 740;      // 760 - 20 * GlobalScale
constexpr int kBarProbeY = 750;   // a row inside the bar

std::atomic<int> g_networkStarts{0};
void CountNetworkStart() { ++g_networkStarts; }

float Progress() { return shell::Shell().LoadProgress.load(); }

// A whole tiny res/ in the test's own folder as the working directory; the network
// thread's start is counted instead of made.
class StartupTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path dir = fixture::ScratchDir();
        fixture::WriteTinyRes(dir);
        cwd = std::make_unique<fixture::WorkingDir>(dir);
        g_networkStarts = 0;
        shell::SetNetworkStarter(CountNetworkStart);
        platform::SetLogHook([this](int level, const std::string& text) {
            if (level == platform::kLogError) errors.push_back(text);
        });
    }
    void TearDown() override {
        platform::SetLogHook(nullptr);
        gfx::SetFontOpener(nullptr);
        cwd.reset();
        HeadlessSdl::TearDown();
    }

    // Brighter than the dimmed background: the bar's blend of (245, 245, 245, 50).
    static bool IsBar(SDL_Color c) { return c.r > 40 && c.g > 40; }

    std::vector<std::string> errors;
    std::unique_ptr<fixture::WorkingDir> cwd;
};

TEST_F(StartupTest, SplashLoadsBothPicturesAndSetsTheFirstTenth) {
    ASSERT_TRUE(shell::StartSplash());
    EXPECT_TRUE(shell::Shell().SplashReady);
    EXPECT_EQ(Progress(), 0.1f);
    ASSERT_NE(gfx::FindSprite(gfx::kSpriteBackground), nullptr);
    ASSERT_NE(gfx::FindSprite(gfx::kSpriteConnecting), nullptr);
    EXPECT_EQ(gfx::FindSprite(gfx::kSpriteBackground)->width, 1280.0f);
    EXPECT_EQ(gfx::FindSprite(gfx::kSpriteConnecting)->width, static_cast<float>(fixture::kConnectingSize.x));
    EXPECT_EQ(gfx::Sprites().GlobalScale, 1.0f);
    // A second call changes nothing.
    shell::Shell().LoadProgress = 0.4f;
    EXPECT_TRUE(shell::StartSplash());
    EXPECT_EQ(Progress(), 0.4f);
}

TEST_F(StartupTest, AMissingSplashPictureEndsTheProgram) {
    for (const char* missing : {"res/images/classic.png.res", "res/images/status_connecting.png.res"}) {
        shell::ResetClientState();
        shell::SetNetworkStarter(CountNetworkStart);
        const fs::path saved = fs::path(missing).string() + ".away";
        fs::rename(missing, saved);
        EXPECT_FALSE(shell::StartSplash()) << missing;
        EXPECT_FALSE(shell::Shell().SplashReady) << missing;
        EXPECT_EQ(Progress(), 0.0f) << missing;
        fs::rename(saved, missing);
    }
}

TEST_F(StartupTest, BeforeTheSplashAStepOnlyAdvancesThePulse) {
    EXPECT_EQ(shell::LoadStep(), 0);
    EXPECT_EQ(shell::Shell().PulseAlpha, 254);
    EXPECT_EQ(Progress(), 0.0f);
    EXPECT_TRUE(gfx::Fonts().empty());
    EXPECT_TRUE(gfx::Buttons().empty());
}

// One row per loop iteration of the local start-up.
struct StepRow {
    float progress;      // LoadProgress after the step
    int barWidth;        // pixels of the bar (its width in per cent of 1280)
    bool connecting;     // the connecting picture is drawn over it
    int networkStarts;   // network thread starts so far
};

TEST_F(StartupTest, StagesRunInOrderAndTheBarGrowsWithThem) {
    ASSERT_TRUE(shell::StartSplash());
    const StepRow rows[] = {
        {0.2f, 256, false, 0},    // fonts (same iteration as the splash)
        {0.4f, 512, false, 0},    // sounds
        {0.8f, 1024, false, 0},   // catalogue and token
        {0.85f, 1088, true, 1},   // text fields and the network thread
        {0.85f, 1088, true, 1},   // nothing left to run locally
    };
    int step = 0;
    for (const StepRow& r : rows) {
        ++step;
        ASSERT_EQ(shell::LoadStep(), 0) << "step " << step;
        EXPECT_EQ(Progress(), r.progress) << "step " << step;
        EXPECT_EQ(g_networkStarts.load(), r.networkStarts) << "step " << step;
        testsupport::SaveScreenshot("startup_step_" + std::to_string(step));

        EXPECT_TRUE(IsBar(testsupport::ReadPixel(0, kBarProbeY))) << "step " << step;
        EXPECT_TRUE(IsBar(testsupport::ReadPixel(r.barWidth - 1, kBarProbeY))) << "step " << step;
        EXPECT_TRUE(IsBar(testsupport::ReadPixel(r.barWidth - 1, 759))) << "step " << step;
        EXPECT_FALSE(IsBar(testsupport::ReadPixel(r.barWidth, kBarProbeY))) << "step " << step;
        EXPECT_FALSE(IsBar(testsupport::ReadPixel(10, kBarTop - 1))) << "step " << step;
        EXPECT_TRUE(IsBar(testsupport::ReadPixel(10, kBarTop))) << "step " << step;

        const SDL_Color centre = testsupport::ReadPixel(640, 380);
        EXPECT_EQ(centre.r > 100, r.connecting) << "step " << step << " centre r=" << int(centre.r);
        EXPECT_EQ(gfx::Buttons().count(gfx::kSpriteConnecting) == 1, r.connecting) << "step " << step;
        EXPECT_EQ(gfx::Buttons().count(gfx::kSpriteBackground), 1u) << "step " << step;
    }
    // What each stage left behind.
    EXPECT_EQ(gfx::Fonts().size(), 93u);
    EXPECT_NE(gfx::SoundChunk(gfx::SoundSlot::Turn), nullptr);
    EXPECT_NE(gfx::FindSprite(653), nullptr);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

TEST_F(StartupTest, NetworkTenthsWidenTheBarWithoutRunningAStage) {
    ASSERT_TRUE(shell::StartSplash());
    for (int i = 0; i < 4; ++i) ASSERT_EQ(shell::LoadStep(), 0);
    ASSERT_EQ(Progress(), 0.85f);

    shell::AddLoadProgress(0.1f);   // the network loop is about to run
    ASSERT_EQ(shell::LoadStep(), 0);
    EXPECT_LT(Progress(), 1.0f) << "one network tenth does not end the loading screen";
    const int width = static_cast<int>(1280.0f * Progress());
    EXPECT_EQ(width, 1216);
    EXPECT_TRUE(IsBar(testsupport::ReadPixel(width - 1, kBarProbeY)));
    EXPECT_FALSE(IsBar(testsupport::ReadPixel(width, kBarProbeY)));
    EXPECT_EQ(g_networkStarts.load(), 1);
    testsupport::SaveScreenshot("startup_network_ready");

    shell::AddLoadProgress(0.1f);   // connected
    EXPECT_GE(Progress(), 1.0f);
}

TEST_F(StartupTest, PulseAdvancesOncePerStep) {
    ASSERT_TRUE(shell::StartSplash());
    for (int i = 0; i < 6; ++i) ASSERT_EQ(shell::LoadStep(), 0);
    EXPECT_EQ(shell::Shell().PulseAlpha, 255 - 6);
}

TEST_F(StartupTest, AFailingFontSizeStopsTheStageWithTheSmallerSizesOpen) {
    gfx::SetFontOpener([](const char* path, int size) -> TTF_Font* {
        return size == 57 ? nullptr : TTF_OpenFont(path, size);
    });
    ASSERT_TRUE(shell::StartSplash());
    EXPECT_EQ(shell::LoadStep(), -1);
    EXPECT_EQ(Progress(), 0.1f);
    std::set<int> open;
    for (const auto& [size, font] : gfx::Fonts()) {
        EXPECT_NE(font, nullptr);
        open.insert(size);
    }
    std::set<int> want;
    for (int s = 8; s <= 56; ++s) want.insert(s);
    EXPECT_EQ(open, want);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("TTF_OpenFont failed! SDL_ttf Error: ", 0), 0u) << errors[0];
}

TEST_F(StartupTest, AMissingCataloguePictureIsFatal) {
    fs::remove("res/images/help.png.res");
    ASSERT_TRUE(shell::StartSplash());
    ASSERT_EQ(shell::LoadStep(), 0);
    ASSERT_EQ(shell::LoadStep(), 0);
    EXPECT_EQ(shell::LoadStep(), -1);
    EXPECT_EQ(Progress(), 0.4f);
    EXPECT_EQ(g_networkStarts.load(), 0);
}

TEST_F(StartupTest, LoadingScreenWaitsForTheNetworkLock) {
    ASSERT_TRUE(shell::StartSplash());
    std::atomic<bool> held{false};
    bool drawnWhileHeld = true;
    std::thread holder([&] {
        std::lock_guard<std::recursive_mutex> lock(net::NetLock());
        held = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        drawnWhileHeld = gfx::Buttons().count(gfx::kSpriteBackground) != 0;
    });
    while (!held) std::this_thread::yield();
    // A value no stage takes: the step goes straight to drawing, which must wait.
    shell::Shell().LoadProgress = 0.9f;
    EXPECT_EQ(shell::LoadStep(), 0);
    holder.join();
    EXPECT_FALSE(drawnWhileHeld);
    EXPECT_EQ(gfx::Buttons().count(gfx::kSpriteBackground), 1u);
}

// A failing font size ends the whole client through its normal shutdown, which
// closes the sizes that were opened, while SDL_ttf is still up.
TEST(StartupShutdown, FailingFontSizeEndsTheClientWithTheOpenFontsClosed) {
    shell::ResetClientState();
    const fs::path dir = fixture::ScratchDir();
    fixture::WriteTinyRes(dir);
    fixture::WorkingDir cwd(dir);
    shell::SetNetworkStarter(CountNetworkStart);

    static std::set<TTF_Font*> opened;
    opened.clear();
    gfx::SetFontOpener([](const char* path, int size) -> TTF_Font* {
        if (size == 57) return nullptr;
        TTF_Font* f = TTF_OpenFont(path, size);
        opened.insert(f);
        return f;
    });
    spy::ClearClosedFonts();

    char name[] = "korvane";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(shell::RunClient(1, argv), 0);
    gfx::SetFontOpener(nullptr);

    EXPECT_EQ(opened.size(), 49u);
    std::set<TTF_Font*> closed;
    for (const spy::ClosedFont& c : spy::ClosedFonts()) {
        EXPECT_TRUE(c.libraryUp) << "a font closed after SDL_ttf shut down";
        EXPECT_TRUE(closed.insert(c.font).second) << "a font closed twice";
    }
    EXPECT_EQ(closed, opened);
    EXPECT_TRUE(gfx::Fonts().empty());
    EXPECT_EQ(g_networkStarts.load(), 0);
    shell::ResetClientState();
}

// The real start-up against the pictures, sounds and font the build generates.
class GeneratedStartup : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path res = fixture::GeneratedRes();
        if (res.empty()) GTEST_SKIP() << "this build generated no res/";
        cwd = std::make_unique<fixture::WorkingDir>(res.parent_path());
        g_networkStarts = 0;
        shell::SetNetworkStarter(CountNetworkStart);
    }
    void TearDown() override {
        cwd.reset();
        HeadlessSdl::TearDown();
    }
    std::unique_ptr<fixture::WorkingDir> cwd;
};

TEST_F(GeneratedStartup, ReachesTheNetworkStageWithEverythingLoaded) {
    ASSERT_TRUE(shell::StartSplash());
    const float want[] = {0.2f, 0.4f, 0.8f, 0.85f};
    for (float p : want) {
        ASSERT_EQ(shell::LoadStep(), 0);
        EXPECT_EQ(Progress(), p);
    }
    EXPECT_EQ(g_networkStarts.load(), 1);
    EXPECT_EQ(gfx::Fonts().size(), 93u);
    EXPECT_EQ(gfx::Sprites().sprites.size(), 198u);   // the catalogue and the two splash pictures
    for (int i = 0; i < static_cast<int>(gfx::SoundSlot::Count); ++i) {
        EXPECT_NE(gfx::SoundChunk(static_cast<gfx::SoundSlot>(i)), nullptr) << "slot " << i;
    }
    testsupport::SaveScreenshot("startup_generated_res");

    // The bar's right end against the same screen drawn without it.
    const SDL_Color withBar = testsupport::ReadPixel(1087, kBarProbeY);
    const SDL_Color past = testsupport::ReadPixel(1088, kBarProbeY);
    SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
    SDL_RenderClear(gfx::Renderer());
    gfx::DrawSprite(gfx::kSpriteBackground, 640.0f, 380.0f, 0, gfx::kCursorArrow, gfx::kActionNone, 50);
    const SDL_Color bare = testsupport::ReadPixel(1087, kBarProbeY);
    const SDL_Color barePast = testsupport::ReadPixel(1088, kBarProbeY);
    EXPECT_GT(withBar.r + withBar.g + withBar.b, bare.r + bare.g + bare.b + 60);
    EXPECT_EQ(past.r, barePast.r);
    EXPECT_EQ(past.g, barePast.g);
    EXPECT_EQ(past.b, barePast.b);
}

}  // namespace

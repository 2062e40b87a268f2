#include "shell/startup.h"

#include <SDL.h>

#include <memory>
#include <mutex>

#include "gfx/button.h"
#include "gfx/catalogue.h"
#include "gfx/loader.h"
#include "gfx/sound.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "gfx/text.h"
#include "gfx/video.h"
#include "net/connection.h"
#include "net/net_lock.h"
#include "net/sign_in.h"
#include "screens/text_field.h"
#include "shell/frame.h"
#include "shell/screen_state.h"

namespace shell {
namespace {

constexpr const char* kSplashBackgroundFile = "res/images/classic.png.res";
constexpr const char* kSplashConnectingFile = "res/images/status_connecting.png.res";

constexpr float kSplashProgress = 0.1f;     // LoadProgress once the splash pictures are in
constexpr float kConnectingShownAt = 0.85f; // from here the connecting picture pulses over the bar

constexpr float kBarHeight = 20.0f;         // progress bar height in units of GlobalScale
constexpr SDL_Color kBarColour = {245, 245, 245, 50};

struct StartupState {
    NetworkStarter networkStarter = nullptr;   // replaces net::StartNetworkThread when set
};

StartupState& Startup() {
    static StartupState state;
    return state;
}

// ---- stages ------------------------------------------------------------------------------
// Each returns false when start-up cannot go on.

bool OpenFontsStage() { return gfx::OpenFonts(); }

bool LoadSoundsStage() {
    gfx::LoadSounds();
    return true;
}

bool LoadCatalogueStage() {
    if (!gfx::LoadCatalogue()) return false;
    // A missing token file is no failure: the sign-in starts from the mobile number.
    net::LoadToken();
    return true;
}

bool StartNetworkStage() {
    screens::CreateTextFields();
    if (NetworkStarter starter = Startup().networkStarter) {
        starter();
    } else {
        net::StartNetworkThread();
    }
    return true;
}

struct Stage {
    float at;            // the exact LoadProgress that selects it
    bool (*work)();      // the stage's work
    float add;           // added to LoadProgress when the work is done
};

// The values are float sums of the float constants: 0.1 + 0.1 = 0.2, 0.2 + 0.2 = 0.4
// and 0.4 + 0.4 = 0.8 hold exactly in single precision, so equality selects them.
constexpr Stage kStages[] = {
    {0.1f, OpenFontsStage, 0.1f},
    {0.2f, LoadSoundsStage, 0.2f},
    {0.4f, LoadCatalogueStage, 0.4f},
    {0.8f, StartNetworkStage, 0.05f},
};

// ---- loading screen -----------------------------------------------------------------------

bool LoadSplashPicture(std::int32_t id, const char* path) {
    auto sprite = std::make_unique<gfx::Sprite>();
    const float s = gfx::Sprites().GlobalScale;
    if (!gfx::LoadSprite(*sprite, path, s, s, gfx::kLoadZoom)) return false;
    gfx::RegisterSprite(id, std::move(sprite));
    return true;
}

void DrawLoadingScreen(float p) {
    // Once the network thread runs, its packet handlers may empty the ButtonMap that
    // these draws fill.
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    const float w = static_cast<float>(gfx::kWindowWidth);
    const float h = static_cast<float>(gfx::kWindowHeight);
    DrawBackground();
    if (p >= kConnectingShownAt) {
        gfx::DrawSprite(gfx::kSpriteConnecting, w / 2, h / 2, kScreenBlank0, gfx::kCursorArrow, gfx::kActionNone,
                        Shell().PulseAlpha);
    }
    SDL_Rect bar;
    bar.x = 0;
    bar.y = static_cast<int>(h - gfx::Sprites().GlobalScale * kBarHeight);
    bar.w = static_cast<int>(w * p);
    bar.h = gfx::kWindowHeight - bar.y;
    SDL_SetRenderDrawColor(gfx::Renderer(), kBarColour.r, kBarColour.g, kBarColour.b, kBarColour.a);
    SDL_RenderFillRect(gfx::Renderer(), &bar);
    SDL_RenderPresent(gfx::Renderer());
}

}  // namespace

bool StartSplash() {
    ShellState& s = Shell();
    if (s.SplashReady) return true;
    gfx::Sprites().GlobalScale = static_cast<float>(gfx::kWindowHeight) / 760.0f;
    if (!LoadSplashPicture(gfx::kSpriteBackground, kSplashBackgroundFile)) return false;
    if (!LoadSplashPicture(gfx::kSpriteConnecting, kSplashConnectingFile)) return false;
    s.LoadProgress = kSplashProgress;
    s.SplashReady = true;
    return true;
}

std::int32_t LoadStep() {
    ShellState& s = Shell();
    if (s.SplashReady) {
        SDL_Renderer* r = gfx::Renderer();
        SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
        SDL_RenderClear(r);
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);

        const float p = s.LoadProgress.load();
        for (const Stage& stage : kStages) {
            if (p != stage.at) continue;
            if (!stage.work()) return -1;
            AddLoadProgress(stage.add);
            break;
        }
        DrawLoadingScreen(s.LoadProgress.load());
    }
    AdvancePulse();
    return 0;
}

void SetNetworkStarter(NetworkStarter starter) { Startup().networkStarter = starter; }

void ResetStartup() { Startup() = StartupState{}; }

}  // namespace shell

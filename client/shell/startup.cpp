// Placeholder stages until the asset loader lands: the splash counts as ready and
// the loading screen is a black window.
#include "shell/startup.h"

#include <SDL.h>

#include "gfx/video.h"
#include "shell/screen_state.h"

namespace shell {

bool StartSplash() {
    if (Shell().SplashReady) return true;
    Shell().LoadProgress = 0.1f;
    Shell().SplashReady = true;
    return true;
}

std::int32_t LoadStep() {
    if (Shell().SplashReady) {
        SDL_SetRenderDrawColor(gfx::Renderer(), 0, 0, 0, 255);
        SDL_RenderClear(gfx::Renderer());
        SDL_RenderPresent(gfx::Renderer());
    }
    AdvancePulse();
    return 0;
}

}  // namespace shell

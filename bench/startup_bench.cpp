// The local start-up, headless: from the splash step to LoadProgress 0.85 (fonts,
// sounds, the whole catalogue, the token file, the text fields). Each iteration is
// one complete start-up with everything the stages really do; only the network
// thread is not started (the start-up's network starter is swapped for one that
// does nothing), so no connection is made.
//
// Run it from a folder that holds the generated res/ (the build folder):
//   cd build && ./bench/bench_startup
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>

#include "shell/main_loop.h"
#include "shell/reset.h"
#include "shell/screen_state.h"
#include "shell/startup.h"

namespace {

constexpr float kLocalStagesDone = 0.85f;   // LoadProgress after the last local stage
constexpr int kMaxSteps = 16;               // a start-up that takes more steps has gone wrong

int g_networkStarts = 0;
void SkipNetworkThread() { ++g_networkStarts; }

// The window, renderer and SDL_ttf of the real client, once for the whole run.
bool VideoUp() {
    static const bool up = [] {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_RENDER_DRIVER", "software", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        return shell::StartVideo();
    }();
    return up;
}

void BM_LocalStartup(benchmark::State& state) {
    if (!std::filesystem::exists("res/images")) {
        state.SkipWithError("run from a folder that holds the generated res/");
        return;
    }
    if (!VideoUp()) {
        state.SkipWithError("no headless window");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        shell::ResetClientState();
        shell::SetNetworkStarter(SkipNetworkThread);
        g_networkStarts = 0;
        state.ResumeTiming();

        if (!shell::StartSplash()) {
            state.SkipWithError("the splash pictures did not load");
            return;
        }
        int steps = 0;
        while (shell::Shell().LoadProgress.load() != kLocalStagesDone) {
            if (shell::LoadStep() == -1 || ++steps > kMaxSteps) {
                state.SkipWithError("a start-up stage failed");
                return;
            }
        }
        benchmark::DoNotOptimize(g_networkStarts);
    }
    state.counters["network_stage_reached"] = g_networkStarts;
    shell::ResetClientState();
}

BENCHMARK(BM_LocalStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3)->Repetitions(5);

}  // namespace

#include "shell/screen_state.h"

#include <SDL.h>

#include "screens/text_field.h"

namespace shell {

ShellState& Shell() {
    static ShellState state;
    return state;
}

void AddLoadProgress(float amount) {
    auto& p = Shell().LoadProgress;
    float old = p.load();
    while (!p.compare_exchange_weak(old, old + amount)) {
    }
}

void ChangeScreen(std::int32_t state) {
    ShellState& s = Shell();
    s.PreviousState = s.CurrentState;
    s.CurrentState = state;
    if (screens::TextField* field = screens::FirstFieldOf(state)) {
        field->text.clear();
        screens::Fields().FocusedFieldId = 0;
        SDL_StartTextInput();
        return;
    }
    if (state != kScreenTable) s.InputLock = false;
    SDL_StopTextInput();
}

void AdvancePulse() {
    ShellState& s = Shell();
    if (!s.PulseRising) {
        --s.PulseAlpha;
        if (s.PulseAlpha <= 100) s.PulseRising = true;
    } else {
        ++s.PulseAlpha;
        if (s.PulseAlpha == 255) s.PulseRising = false;
    }
}

void ResetShellState() {
    ShellState& s = Shell();
    s.CurrentState = kScreenStartup;
    s.PreviousState = 0;
    s.InputLock = false;
    s.PulseAlpha = 255;
    s.PulseRising = false;
    s.WaitingCount = 0;
    s.WaitingBarWidth = 0.0f;
    s.WaitingBarTarget = 0;
    s.SplashReady = false;
    s.LoadProgress = 0.0f;
    s.QuitRequested = false;
    s.PressLatch = false;
    s.FrameDelayMs = 30;
    s.FramesThisSecond = 0;
    s.SecondStart = 0;
}

}  // namespace shell

#include "shell/screen_state.h"

#include <SDL.h>

#include <atomic>
#include <thread>

#include "screens/text_field.h"

namespace shell {
namespace {

enum TextInputRequest : int { kNoRequest = 0, kStartRequest = 1, kStopRequest = 2 };

// The thread that runs main() initialises this, so it names the video thread.
const std::thread::id g_videoThread = std::this_thread::get_id();
std::atomic<int> g_textInputRequest{kNoRequest};

void SetTextInput(bool on) {
    if (std::this_thread::get_id() != g_videoThread) {
        g_textInputRequest = on ? kStartRequest : kStopRequest;
        return;
    }
    g_textInputRequest = kNoRequest;
    on ? SDL_StartTextInput() : SDL_StopTextInput();
}

}  // namespace

void ApplyPendingTextInput() {
    switch (g_textInputRequest.exchange(kNoRequest)) {
        case kStartRequest: SDL_StartTextInput(); break;
        case kStopRequest: SDL_StopTextInput(); break;
        default: break;
    }
}

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
        SetTextInput(true);
        return;
    }
    if (state != kScreenTable) s.InputLock = false;
    SetTextInput(false);
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
    g_textInputRequest = kNoRequest;
}

}  // namespace shell

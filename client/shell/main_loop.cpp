// The entry point and main loop.
//
//   RunClient     options, crash dump, StartVideo, the loop, shutdown
//   HandleEvent   the event table, then the text-field routing
//   hover cursor  cached system cursors, the uncovered-Button search
//   RunIteration  events, start-up stage or frame, pacing
//   PaceFrame     the adaptive delay
//   ReleaseAll    the shutdown order
#include "shell/main_loop.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <array>
#include <cstdio>
#include <limits>
#include <mutex>

#include "gfx/button.h"
#include "gfx/sound.h"
#include "gfx/sprite.h"
#include "gfx/text.h"
#include "gfx/video.h"
#include "net/account.h"
#include "net/connection.h"
#include "net/net_lock.h"
#include "platform/clock.h"
#include "platform/crash_dump.h"
#include "platform/log.h"
#include "screens/input.h"
#include "screens/text_field.h"
#include "shell/frame.h"
#include "shell/options.h"
#include "shell/screen_state.h"
#include "shell/startup.h"
#include "table/model.h"

namespace shell {
namespace {

constexpr char kWindowTitle[] = "Korvane Duva";
constexpr std::int32_t kTargetFps = 60;            // frames per pacing window the delay aims for
constexpr std::uint64_t kPacingWindowMs = 1000;    // length of one pacing window
constexpr std::uint64_t kMaxSleepMs = 86400000;    // longest single sleep call

// ---- hover cursor -------------------------------------------------------------------

// System cursors are created once per kind and kept for the whole run.
std::array<SDL_Cursor*, SDL_NUM_SYSTEM_CURSORS> g_cursors{};

SDL_Cursor* SystemCursor(int kind) {
    if (kind < 0 || kind >= SDL_NUM_SYSTEM_CURSORS) kind = SDL_SYSTEM_CURSOR_ARROW;
    if (g_cursors[kind] == nullptr) g_cursors[kind] = SDL_CreateSystemCursor(static_cast<SDL_SystemCursor>(kind));
    return g_cursors[kind];
}

// ---- events ---------------------------------------------------------------------------

void OnMouseMotion(const SDL_MouseMotionEvent& m) {
    ShellState& s = Shell();
    if (!s.InputLock) {
        table::DragState& drag = table::Model().drag;
        if (drag.dragCard.suit != table::kSuitNone) {
            drag.dragX = static_cast<float>(m.x);
            drag.dragY = static_cast<float>(m.y);
        } else {
            SDL_SetCursor(SystemCursor(HoverCursorKind(m.x, m.y)));
        }
    }
    if (s.CurrentState == kScreenSpinWheel) Callouts().swipeMotion(m.x, m.y);
}

void OnMouseDown(const SDL_MouseButtonEvent& b) {
    ShellState& s = Shell();
    // One press at a time: a second press before the left release is not dispatched.
    if (s.PressLatch) return;
    s.PressLatch = true;
    Callouts().dispatchClick(b.x, b.y, 1);
    if (s.CurrentState == kScreenSpinWheel) Callouts().swipePress(b.x, b.y);
}

void OnMouseUp(const SDL_MouseButtonEvent& b) {
    if (b.button != SDL_BUTTON_LEFT) return;
    ShellState& s = Shell();
    Callouts().dispatchClick(b.x, b.y, 0);
    s.PressLatch = false;
    if (s.CurrentState == kScreenSpinWheel) Callouts().swipeRelease(b.x, b.y);
}

void OnKeyDown(const SDL_KeyboardEvent& k) {
    ShellState& s = Shell();
    switch (k.keysym.sym) {
        case SDLK_ESCAPE:
            // Back one screen: a plain assignment, no text-input or focus change.
            if (s.PreviousState != 0) s.CurrentState = s.PreviousState;
            break;
        case SDLK_F8:
            if (net::Account().masterAgentFlag) ChangeScreen(kScreenAddECoins);
            break;
        default:
            break;
    }
}

// Keys and typed text go to the fields of the current screen, if it has any.
void RouteToFields(const SDL_Event& event) {
    if (screens::FirstFieldOf(Shell().CurrentState) == nullptr) return;
    if (event.type == SDL_TEXTINPUT) {
        Callouts().editField(event.text.text);
        return;
    }
    if (event.type != SDL_KEYDOWN) return;
    switch (event.key.keysym.sym) {
        case SDLK_BACKSPACE:
            Callouts().editField(nullptr);
            break;
        case SDLK_TAB: {
            // Screens with two inputs toggle between them; the others go back to the first.
            const std::int32_t state = Shell().CurrentState;
            auto& focus = screens::Fields().FocusedFieldId;
            if (state == kScreenMobile || state == kScreenAddECoins || state == kScreenCashOut) {
                focus ^= 1;
            } else {
                focus = 0;
            }
            break;
        }
        case SDLK_RETURN:
            Callouts().submitFields();
            break;
        default:
            break;
    }
}

}  // namespace

namespace {
LoopCallouts RealCallouts() {
    return LoopCallouts{screens::DispatchClick, screens::SwipePress, screens::SwipeMotion,
                        screens::SwipeRelease,  screens::EditField,  screens::SubmitFields};
}
}  // namespace

LoopCallouts& Callouts() {
    static LoopCallouts callouts = RealCallouts();
    return callouts;
}

void ResetCallouts() { Callouts() = RealCallouts(); }

void FreeCursors() {
    for (SDL_Cursor*& c : g_cursors) {
        if (c) SDL_FreeCursor(c);
        c = nullptr;
    }
}

int HoverCursorKind(int x, int y) {
    const gfx::Button* b = gfx::FindHoverButton(static_cast<float>(x), static_cast<float>(y));
    return b ? b->cursor : gfx::kCursorArrow;
}

void HandleEvent(const SDL_Event& event) {
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    switch (event.type) {
        case SDL_QUIT: Shell().QuitRequested = true; break;
        case SDL_MOUSEMOTION: OnMouseMotion(event.motion); break;
        case SDL_MOUSEBUTTONDOWN: OnMouseDown(event.button); break;
        case SDL_MOUSEBUTTONUP: OnMouseUp(event.button); break;
        case SDL_KEYDOWN: OnKeyDown(event.key); break;
        default: break;
    }
    RouteToFields(event);
}

// ---- iteration and pacing ---------------------------------------------------------------

bool RunIteration() {
    ApplyPendingTextInput();
    SDL_Event event;
    while (SDL_PollEvent(&event)) HandleEvent(event);

    ShellState& s = Shell();
    if (!s.SplashReady) {
        SDL_RenderSetViewport(gfx::Renderer(), nullptr);
        if (!StartSplash()) return false;
    }
    if (s.LoadProgress.load() >= 1.0f) {
        {
            // InputLock is set and cleared by packet handlers on the network thread.
            std::lock_guard<std::recursive_mutex> lock(net::NetLock());
            if (!s.InputLock) gfx::ResetDrawOrder();
        }
        DrawFrame();
    } else if (LoadStep() == -1) {
        return false;
    }
    PaceFrame();
    return true;
}

void PaceFrame() {
    ShellState& s = Shell();
    const std::uint64_t now = platform::Ticks64();
    if (now - s.SecondStart < kPacingWindowMs) {
        // Every frame past the 60th within a window lengthens the delay at once.
        if (s.FramesThisSecond >= kTargetFps) s.FrameDelayMs += 1;
    } else {
        platform::Log(platform::kLogInfo, "pacing: %d iterations in the last window, delay %d ms",
                      s.FramesThisSecond, s.FrameDelayMs);
        // A slow window shortens it by one millisecond.
        if (s.FramesThisSecond < kTargetFps) {
            s.FrameDelayMs -= 1;
            if (s.FrameDelayMs < 0) s.FrameDelayMs = 0;
        }
        s.FramesThisSecond = 0;
        s.SecondStart = platform::Ticks64();
    }
    if (s.FrameDelayMs > 0) {
        const std::uint64_t start = platform::MonotonicNs();
        const std::uint64_t span = static_cast<std::uint64_t>(s.FrameDelayMs) * 1000000ull;
        const std::uint64_t target =
            start > std::numeric_limits<std::uint64_t>::max() - span ? std::numeric_limits<std::uint64_t>::max()
                                                                   : start + span;
        for (std::uint64_t t = platform::MonotonicNs(); t < target; t = platform::MonotonicNs()) {
            std::uint64_t ms = (target - t + 999999ull) / 1000000ull;
            if (ms > kMaxSleepMs) ms = kMaxSleepMs;
            platform::SleepMs(static_cast<std::uint32_t>(ms));
        }
    }
    s.FramesThisSecond += 1;
}

// ---- start-up and shutdown -----------------------------------------------------------------

bool StartVideo() {
    gfx::Video& v = gfx::TheVideo();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        platform::Log(platform::kLogError, "SDL could not initialize! SDL Error: %s", SDL_GetError());
        return false;
    }
    v.window = SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, gfx::kWindowWidth,
                                gfx::kWindowHeight, SDL_WINDOW_SHOWN);
    if (v.window == nullptr) {
        platform::Log(platform::kLogError, "SDL_CreateWindow failed! SDL Error: %s", SDL_GetError());
        return false;
    }
    v.renderer = SDL_CreateRenderer(v.window, -1, SDL_RENDERER_ACCELERATED);
    if (v.renderer == nullptr) {
        // No accelerated renderer on this machine: say why, then draw in software.
        platform::Log(platform::kLogError, "GPU_Init failed! SDL Error: %s", SDL_GetError());
        v.renderer = SDL_CreateRenderer(v.window, -1, SDL_RENDERER_SOFTWARE);
        if (v.renderer == nullptr) {
            platform::Log(platform::kLogError, "GPU_Init failed! SDL Error: %s", SDL_GetError());
            return false;
        }
    }
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(v.renderer, &info) == 0) platform::Log(platform::kLogInfo, "renderer: %s", info.name);
    SDL_RenderSetViewport(v.renderer, nullptr);
    if (TTF_Init() == -1) {
        platform::Log(platform::kLogError, "TTF_Init failed! SDL_ttf Error: %s", SDL_GetError());
        return false;
    }
    ShellState& s = Shell();
    s.SecondStart = platform::Ticks64();
    s.FrameDelayMs = 30;
    s.FramesThisSecond = 0;
    return true;
}

void ReleaseAll() {
    std::lock_guard<std::recursive_mutex> lock(net::NetLock());
    table::ClearHand();
    gfx::Buttons().clear();
    table::ClearTableLists();
    gfx::CloseFonts();
    // Textures belong to the renderer: destroy them before it, and it before the window.
    gfx::FreeSprites();
    gfx::Video& v = gfx::TheVideo();
    if (v.renderer) SDL_DestroyRenderer(v.renderer);
    v.renderer = nullptr;
    if (v.window) SDL_DestroyWindow(v.window);
    v.window = nullptr;
    gfx::FreeSounds();
    screens::FreeTextFields();
    FreeCursors();
}

int RunClient(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "%s\n%s", options.error.c_str(), UsageText());
        return 2;
    }
    if (options.help) {
        std::fputs(UsageText(), stdout);
        return 0;
    }
    ApplyOptions(options);

    platform::InstallCrashDump();
    if (!StartVideo()) return -1;

    do {
        if (!RunIteration()) break;
    } while (!Shell().QuitRequested);

    // Wait for the network thread: it must not run a handler while the state it
    // touches is freed, nor outlive the process's static state.
    net::StopAndJoinNetworkThread();
    ReleaseAll();
    TTF_Quit();
    SDL_Quit();
    platform::RestoreCrashDump();
    return 0;
}

}  // namespace shell

// Screen states and the one screen-change routine.
//
// The client shows exactly one screen at a time, selected by CurrentState. Every
// Button carries the state it was registered in, so it reacts only there; every
// TextField belongs to one state. State changes come from packet handlers (network
// thread, NetLock held), clicks, Return, Escape and F8 (main thread, NetLock held).
#pragma once

#include <atomic>
#include <cstdint>

namespace shell {

// ---- Screen state numbers --------------------------------------------------------
inline constexpr std::int32_t kScreenBlank0 = 0;          // blank, server-directed (login result 7)
inline constexpr std::int32_t kScreenConnecting = 1;      // connection lost or failed
inline constexpr std::int32_t kScreenStartup = 2;         // initial value, background only
inline constexpr std::int32_t kScreenMobile = 3;          // mobile number entry
inline constexpr std::int32_t kScreenNickname = 4;        // nickname entry
inline constexpr std::int32_t kScreenBlank5 = 5;          // blank, server-directed (login result 5)
inline constexpr std::int32_t kScreenOtp = 6;             // one-time code entry
inline constexpr std::int32_t kScreenReferral = 7;        // referral ID entry
inline constexpr std::int32_t kScreenCashIn = 8;          // agent cash-in entry
inline constexpr std::int32_t kScreenSpinWheel = 9;       // prize wheel
inline constexpr std::int32_t kScreenHome = 10;           // home: profile, merchant tool
inline constexpr std::int32_t kScreenJoinMenu = 12;       // join menu
inline constexpr std::int32_t kScreenTablePicker = 13;    // table-type picker
inline constexpr std::int32_t kScreenFriendCode = 15;     // friend code entry
inline constexpr std::int32_t kScreenWaiting = 20;        // waiting for players
inline constexpr std::int32_t kScreenTable = 21;          // card table
inline constexpr std::int32_t kScreenAddECoins = 23;      // merchant add-eCoins (F8)
inline constexpr std::int32_t kScreenCashOut = 24;        // e-wallet cash-out entry

// ---- Shell state -----------------------------------------------------------------
struct ShellState {
    // Screens
    std::int32_t CurrentState = kScreenStartup;   // the screen shown now
    std::int32_t PreviousState = 0;               // the screen before the last change; Escape returns to it
    bool InputLock = false;                       // table reset in progress: clicks, hover and drags are ignored

    // Pulsing pictures
    std::uint8_t PulseAlpha = 255;                // alpha of pulsing sprites, 100..255
    bool PulseRising = false;                     // direction of PulseAlpha

    // Waiting bar of screen 20
    std::int32_t WaitingCount = 0;                // level 0..3 (packet F2/0B)
    float WaitingBarWidth = 0.0f;                 // drawn width in pixels, grows towards the target
    std::int32_t WaitingBarTarget = 0;            // width the bar grows to

    // Staged start-up
    bool SplashReady = false;                     // sprites 81 and 131 are loaded
    std::atomic<float> LoadProgress{0.0f};        // progress and stage selector; screens show from 1.0

    // Main loop
    bool QuitRequested = false;                   // the window was closed
    bool PressLatch = false;                      // a press was dispatched and no left release followed
    std::int32_t FrameDelayMs = 30;               // sleep after each iteration
    std::int32_t FramesThisSecond = 0;            // iterations finished in the current pacing window
    std::uint64_t SecondStart = 0;                // start of the current pacing window (Ticks64)
};

ShellState& Shell();

// Adds amount to LoadProgress atomically (the network thread adds its tenths).
void AddLoadProgress(float amount);

// The one screen change with text-input handling: PreviousState takes CurrentState;
// the first TextField of the new screen is emptied and focused (text input starts),
// or, when the screen has none, text input stops and InputLock is cleared (except
// for the card table, 21, which keeps it).
void ChangeScreen(std::int32_t state);

// Applies a text-input start or stop that ChangeScreen asked for from another
// thread. SDL's text input belongs to the video thread, so the network thread's
// screen changes leave the request here and the main loop carries it out.
void ApplyPendingTextInput();

// Advances PulseAlpha by one step: down to 100, then up to 255, and so on.
void AdvancePulse();

// Puts the shell state back to its program-start values (tests).
void ResetShellState();

}  // namespace shell

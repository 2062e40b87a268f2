// The entry point and main loop, split into one call per event and one per
// iteration so tests drive the loop with synthetic events and a fake clock.
#pragma once

#include <SDL.h>

#include <cstdint>

namespace shell {

// What the loop calls out to for input: the click dispatcher, the wheel gesture and
// the text fields. Tests replace them to watch what the loop dispatches.
struct LoopCallouts {
    void (*dispatchClick)(std::int32_t x, std::int32_t y, std::int32_t pressed);
    void (*swipePress)(std::int32_t x, std::int32_t y);
    void (*swipeMotion)(std::int32_t x, std::int32_t y);
    void (*swipeRelease)(std::int32_t x, std::int32_t y);
    void (*editField)(const char* text);
    void (*submitFields)();
};
LoopCallouts& Callouts();

// Puts the real call-outs back.
void ResetCallouts();

// The whole client: options, crash dump, SDL, the loop, shutdown. 0 after a normal
// shutdown, -1 when SDL, the window, every renderer or SDL_ttf cannot start.
int RunClient(int argc, char** argv);

// Creates the window, the renderer (accelerated, else software) and SDL_ttf, and
// starts the pacing window. Logs and returns false on the first failure.
bool StartVideo();

// Handles one event (with NetLock held), then routes it to the current screen's fields.
void HandleEvent(const SDL_Event& event);

// One loop iteration: drain events, run a start-up stage or draw a frame, pace.
// False when the loop must end at once (a failed splash or a fatal stage).
bool RunIteration();

// The adaptive delay after an iteration's work: about 60 iterations per second.
void PaceFrame();

// The hover cursor for a pointer position: the first uncovered Button's cursor.
int HoverCursorKind(int x, int y);

// Frees the cached system cursors (before SDL's video shuts down).
void FreeCursors();

// Frees everything the client created, in an order SDL's ownership allows.
void ReleaseAll();

}  // namespace shell

// The window and renderer every drawing call uses. Created by the entry point,
// destroyed by ReleaseAll; tests put a software renderer here.
#pragma once

struct SDL_Window;
struct SDL_Renderer;

namespace gfx {

inline constexpr int kWindowWidth = 1280;   // logical window width in pixels; never changes
inline constexpr int kWindowHeight = 760;   // logical window height in pixels; never changes

struct Video {
    SDL_Window* window = nullptr;       // the one client window
    SDL_Renderer* renderer = nullptr;   // its renderer; owns every texture
};
Video& TheVideo();
inline SDL_Renderer* Renderer() { return TheVideo().renderer; }

}  // namespace gfx

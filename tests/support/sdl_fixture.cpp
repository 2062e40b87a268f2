#include "sdl_fixture.h"

#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstring>
#include <filesystem>

#include "gfx/video.h"
#include "shell/reset.h"

namespace testsupport {

void HeadlessSdl::SetUp() {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    if (!TTF_WasInit()) TTF_Init();
    gfx::Video& v = gfx::TheVideo();
    v.window = SDL_CreateWindow("test", 0, 0, gfx::kWindowWidth, gfx::kWindowHeight, SDL_WINDOW_HIDDEN);
    ASSERT_NE(v.window, nullptr) << SDL_GetError();
    v.renderer = SDL_CreateRenderer(v.window, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(v.renderer, nullptr) << SDL_GetError();
    SDL_SetRenderDrawBlendMode(v.renderer, SDL_BLENDMODE_BLEND);
    platform::InstallFakeClock(&clock);
    shell::ResetClientState();
}

void HeadlessSdl::TearDown() {
    shell::ResetClientState();
    platform::InstallFakeClock(nullptr);
    gfx::Video& v = gfx::TheVideo();
    if (v.renderer) SDL_DestroyRenderer(v.renderer);
    if (v.window) SDL_DestroyWindow(v.window);
    v = gfx::Video{};
    SDL_Quit();
}

gfx::Sprite* MakeSolidSprite(std::int32_t id, int w, int h, SDL_Color colour) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(surface, nullptr, SDL_MapRGBA(surface->format, colour.r, colour.g, colour.b, colour.a));
    auto sprite = std::make_unique<gfx::Sprite>();
    sprite->texture = SDL_CreateTextureFromSurface(gfx::Renderer(), surface);
    sprite->width = static_cast<float>(w);
    sprite->height = static_cast<float>(h);
    SDL_FreeSurface(surface);
    return gfx::RegisterSprite(id, std::move(sprite));
}

SDL_Color ReadPixel(int x, int y) {
    SDL_Rect r{x, y, 1, 1};
    Uint32 pixel = 0;
    SDL_RenderReadPixels(gfx::Renderer(), &r, SDL_PIXELFORMAT_RGBA32, &pixel, 4);
    SDL_Color c;
    std::memcpy(&c, &pixel, 4);
    return c;
}

std::string SaveScreenshot(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(KORVANE_BUILD_DIR) / "screenshots";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / (name + ".png")).string();
    int w = 0, h = 0;
    SDL_GetRendererOutputSize(gfx::Renderer(), &w, &h);
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_RenderReadPixels(gfx::Renderer(), nullptr, SDL_PIXELFORMAT_RGBA32, s->pixels, s->pitch);
    IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
}

SDL_Event MouseEvent(Uint32 type, int x, int y, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEMOTION) {
        e.motion.x = x;
        e.motion.y = y;
    } else {
        e.button.x = x;
        e.button.y = y;
        e.button.button = button;
    }
    return e;
}

SDL_Event KeyEvent(SDL_Keycode key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    return e;
}

SDL_Event TextEvent(const char* text) {
    SDL_Event e{};
    e.type = SDL_TEXTINPUT;
    std::strncpy(e.text.text, text, sizeof e.text.text - 1);
    return e;
}

}  // namespace testsupport

// This program's own TTF_CloseFont: it notes each font closed (and whether the
// library was still up) and then calls the library's. Every caller in the program,
// the client library included, binds to this definition.
#include "font_spy.h"

#include <dlfcn.h>

#include <SDL_ttf.h>

#include <mutex>

namespace spy {
namespace {

std::mutex g_mutex;
std::vector<ClosedFont> g_closed;

}  // namespace

void ClearClosedFonts() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_closed.clear();
}

std::vector<ClosedFont> ClosedFonts() {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_closed;
}

void NoteClosed(TTF_Font* font) {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_closed.push_back({font, TTF_WasInit() > 0});
}

}  // namespace spy

extern "C" void TTF_CloseFont(TTF_Font* font) {
    using Close = void (*)(TTF_Font*);
    static const Close real = reinterpret_cast<Close>(dlsym(RTLD_NEXT, "TTF_CloseFont"));
    spy::NoteClosed(font);
    real(font);
}

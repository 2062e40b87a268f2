// This program's own SDL_DestroyTexture: it notes the pointer and then calls the
// library's. The executable's definition is the one every caller in the program
// binds to, the client library included.
#include "texture_spy.h"

#include <dlfcn.h>

#include <SDL.h>

#include <mutex>
#include <set>

namespace spy {
namespace {

std::mutex g_mutex;
std::set<const SDL_Texture*> g_destroyed;

}  // namespace

void ClearDestroyedTextures() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_destroyed.clear();
}

bool WasDestroyed(const SDL_Texture* texture) {
    std::lock_guard<std::mutex> lock(g_mutex);
    return g_destroyed.count(texture) != 0;
}

}  // namespace spy

extern "C" void SDL_DestroyTexture(SDL_Texture* texture) {
    using Destroy = void (*)(SDL_Texture*);
    static const Destroy real = reinterpret_cast<Destroy>(dlsym(RTLD_NEXT, "SDL_DestroyTexture"));
    {
        std::lock_guard<std::mutex> lock(spy::g_mutex);
        spy::g_destroyed.insert(texture);
    }
    real(texture);
}

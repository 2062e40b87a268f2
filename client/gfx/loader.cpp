#include "gfx/loader.h"

#include <SDL.h>
#include <SDL2_rotozoom.h>
#include <SDL_image.h>

#include <cstddef>
#include <vector>

#include "gfx/res_key.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "platform/log.h"

namespace gfx {
namespace {

// Reads the whole stream; false when its size cannot be told or the read falls short.
bool ReadWhole(SDL_RWops* file, std::vector<std::uint8_t>& out) {
    if (SDL_RWseek(file, 0, RW_SEEK_SET) < 0) return false;
    const Sint64 size = SDL_RWseek(file, 0, RW_SEEK_END);
    if (size < 0 || SDL_RWseek(file, 0, RW_SEEK_SET) < 0) return false;
    out.resize(static_cast<std::size_t>(size));
    std::size_t done = 0;
    while (done < out.size()) {
        const std::size_t got = SDL_RWread(file, out.data() + done, 1, out.size() - done);
        if (got == 0) break;
        done += got;
    }
    // Only the bytes that were really read are ever looked at.
    out.resize(done);
    return true;
}

// The zoom the mode asks for, or false when the decoded picture is used as it is.
// Every comparison is an exact float comparison: a caller that asks for the size
// the picture already has, or for (1.0, 1.0), gets its pixels untouched.
bool ZoomFor(std::uint8_t mode, float a, float b, int w, int h, double& zoomX, double& zoomY) {
    if (mode == kLoadFit) {
        const float fw = static_cast<float>(w);
        const float fh = static_cast<float>(h);
        if (a == fw && b == fh) return false;
        zoomX = a == fw ? 1.0 : static_cast<double>(a / fw);
        zoomY = b == fh ? 1.0 : static_cast<double>(b / fh);
        return true;
    }
    if (mode == kLoadZoom) {
        if (a == 1.0f && b == 1.0f) return false;
        zoomX = a;
        zoomY = b;
        return true;
    }
    return false;
}

}  // namespace

bool LoadSprite(Sprite& sprite, const char* path, float a, float b, std::uint8_t mode) {
    if (sprite.texture) SDL_DestroyTexture(sprite.texture);
    sprite.texture = nullptr;
    sprite.width = 0.0f;
    sprite.height = 0.0f;

    platform::Log(platform::kLogInfo, "loadFromFile, %s", path);
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    if (file == nullptr) {
        platform::Log(platform::kLogInfo, "filegetrawdatalen failed, %s", SDL_GetError());
        return false;
    }

    std::vector<std::uint8_t> bytes;
    const bool read = ReadWhole(file, bytes);
    SDL_Surface* decoded = nullptr;
    SDL_RWops* memory = nullptr;
    if (!read) {
        SDL_SetError("cannot read the file");
    } else if (bytes.size() < kResScrambledBytes) {
        // Too short to hold even the scrambled header: no picture can be in it.
        SDL_SetError("file of %u bytes is shorter than a picture header", static_cast<unsigned>(bytes.size()));
    } else {
        for (std::size_t i = 0; i < kResScrambledBytes; ++i) bytes[i] ^= kResKey;
        memory = SDL_RWFromMem(bytes.data(), static_cast<int>(bytes.size()));
        if (memory) decoded = IMG_Load_RW(memory, 0);
    }
    if (decoded == nullptr) {
        platform::Log(platform::kLogError, "IMG_Load %s failed, Error: %s!", path, SDL_GetError());
        SDL_RWclose(file);
        if (memory) SDL_RWclose(memory);
        return false;
    }
    platform::Log(platform::kLogInfo, "IMG_Load %s load ok.", path);
    SDL_RWclose(file);
    SDL_RWclose(memory);
    bytes = {};

    SDL_Surface* final = decoded;
    double zoomX = 1.0, zoomY = 1.0;
    if (ZoomFor(mode, a, b, decoded->w, decoded->h, zoomX, zoomY)) {
        final = rotozoomSurfaceXY(decoded, 0.0, zoomX, zoomY, SMOOTHING_ON);
        SDL_FreeSurface(decoded);
        if (final == nullptr) {
            // Only a zoom factor the zoomer cannot size (zero, not a number) gets here.
            platform::Log(platform::kLogError, "IMG_Load %s failed, Error: %s!", path, "the picture cannot be zoomed");
            return false;
        }
    }

    sprite.texture = SDL_CreateTextureFromSurface(Renderer(), final);
    sprite.visible = true;
    sprite.width = static_cast<float>(final->w);
    sprite.height = static_cast<float>(final->h);
    SDL_FreeSurface(final);
    return true;
}

}  // namespace gfx

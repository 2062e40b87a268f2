// Picture encoding into memory, the ".res" scramble and file writing.
#include "output.h"

#include <SDL2/SDL_image.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "client/gfx/res_key.h"

namespace assetgen {

namespace {

// An SDL_RWops that appends to a byte vector.
struct VecStream {
  std::vector<std::uint8_t>* out;
  Sint64 pos;
};

Sint64 VsSize(SDL_RWops* rw) { return Sint64(static_cast<VecStream*>(rw->hidden.unknown.data1)->out->size()); }

Sint64 VsSeek(SDL_RWops* rw, Sint64 offset, int whence) {
  auto* vs = static_cast<VecStream*>(rw->hidden.unknown.data1);
  Sint64 base = whence == RW_SEEK_SET ? 0 : whence == RW_SEEK_CUR ? vs->pos : Sint64(vs->out->size());
  vs->pos = base + offset;
  return vs->pos;
}

size_t VsRead(SDL_RWops*, void*, size_t, size_t) { return 0; }

size_t VsWrite(SDL_RWops* rw, const void* ptr, size_t size, size_t num) {
  auto* vs = static_cast<VecStream*>(rw->hidden.unknown.data1);
  size_t n = size * num;
  if (size_t(vs->pos) + n > vs->out->size()) vs->out->resize(size_t(vs->pos) + n);
  std::memcpy(vs->out->data() + vs->pos, ptr, n);
  vs->pos += Sint64(n);
  return num;
}

int VsClose(SDL_RWops* rw) {
  delete static_cast<VecStream*>(rw->hidden.unknown.data1);
  SDL_FreeRW(rw);
  return 0;
}

SDL_RWops* OpenVecStream(std::vector<std::uint8_t>* out) {
  SDL_RWops* rw = SDL_AllocRW();
  rw->size = VsSize;
  rw->seek = VsSeek;
  rw->read = VsRead;
  rw->write = VsWrite;
  rw->close = VsClose;
  rw->type = SDL_RWOPS_UNKNOWN;
  rw->hidden.unknown.data1 = new VecStream{out, 0};
  return rw;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "korvane-assetgen: %s %s: %s\n", what, detail.c_str(), SDL_GetError());
  std::exit(1);
}

}  // namespace

std::vector<std::uint8_t> EncodePng(SDL_Surface* s) {
  std::vector<std::uint8_t> out;
  if (IMG_SavePNG_RW(s, OpenVecStream(&out), 1) != 0) Fail("cannot encode", "a PNG");
  return out;
}

std::vector<std::uint8_t> EncodeJpg(SDL_Surface* s, int quality) {
  std::vector<std::uint8_t> out;
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB24, 0);
  if (IMG_SaveJPG_RW(rgb, OpenVecStream(&out), 1, quality) != 0) Fail("cannot encode", "a JPEG");
  SDL_FreeSurface(rgb);
  return out;
}

void Scramble(std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i < gfx::kResScrambledBytes && i < bytes.size(); ++i) bytes[i] ^= gfx::kResKey;
}

void MakeDirs(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "korvane-assetgen: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
    std::exit(1);
  }
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  MakeDirs(std::filesystem::path(path).parent_path().string());
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "korvane-assetgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}

}  // namespace assetgen

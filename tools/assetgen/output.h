// Writing files: encoded pictures, the ".res" scramble, plain files.
#pragma once

#include <SDL2/SDL.h>

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

std::vector<std::uint8_t> EncodePng(SDL_Surface* s);
std::vector<std::uint8_t> EncodeJpg(SDL_Surface* s, int quality);
// XORs the first bytes with the client's key (a no-op on shorter buffers' missing bytes).
void Scramble(std::vector<std::uint8_t>& bytes);
// Writes the file, creating its folders. Exits the program on failure.
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
void MakeDirs(const std::string& dir);

}  // namespace assetgen

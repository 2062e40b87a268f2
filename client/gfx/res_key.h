// The one-byte key of the scrambled picture files (".png.res", ".jpg.res").
//
// A ".res" file is an ordinary PNG or JPEG whose first ten bytes are XORed with
// kResKey; every byte from offset 10 on is the picture's own. The asset
// generator scrambles with this key and the loader restores with it, so both
// include this header and nothing else defines the value.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gfx {

inline constexpr std::uint8_t kResKey = 0xA7;          // XOR key of the first bytes
inline constexpr std::size_t kResScrambledBytes = 10;  // how many leading bytes are scrambled

}  // namespace gfx

// The synthesised sound effects: 44100 Hz, 16-bit, mono.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 44100;

// (file path under the output folder, encoded file bytes) for every sound file.
std::vector<std::pair<std::string, std::vector<std::uint8_t>>> MakeSounds();

// The raw samples of one effect by its file's base name ("draw", "tak", ...).
std::vector<std::int16_t> SynthesiseEffect(const std::string& name);

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);
std::vector<std::uint8_t> EncodeMp3(const std::vector<std::int16_t>& samples);

}  // namespace assetgen

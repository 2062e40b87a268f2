// Notices: one-line messages drawn over every screen until their lifetime passes.
#pragma once

#include <cstdint>
#include <string>

namespace screens {

// Appends a notice created now.
void PushNotice(std::uint8_t kind, std::uint8_t style, const std::string& text);

// Draws the live notices (end of every frame) and drops expired ones.
void DrawNotices();

}  // namespace screens

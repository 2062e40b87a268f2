// The staged start-up: one stage per main-loop iteration under a loading screen.
#pragma once

#include <cstdint>

namespace shell {

// Loads the two pictures of the loading screen; false ends the program.
bool StartSplash();

// Runs the stage LoadProgress selects and draws the loading screen; -1 when a
// fatal stage failed (the program ends), else 0.
std::int32_t LoadStep();

}  // namespace shell

// The staged start-up: one stage per main-loop iteration under a loading screen.
//
// LoadProgress both measures the progress (the bar's width) and selects the next
// stage by its exact value: the splash sets 0.1, the local stages take it to 0.85,
// and the network thread adds the last tenths when its loop runs and when it connects.
#pragma once

#include <cstdint>

namespace shell {

// Loads the two pictures of the loading screen; false ends the program.
bool StartSplash();

// Runs the stage LoadProgress selects and draws the loading screen; -1 when a
// fatal stage failed (the program ends), else 0.
std::int32_t LoadStep();

// What the last local stage calls to start the network thread
// (net::StartNetworkThread by default). The benchmark and tests put their own here
// so no real connection is made; nullptr puts the default back.
using NetworkStarter = void (*)();
void SetNetworkStarter(NetworkStarter starter);

// Puts the start-up's own state back to program-start values (tests).
void ResetStartup();

}  // namespace shell

// One call that returns every piece of client state to its program-start values,
// for tests that run many scenarios in one process.
#pragma once

namespace shell {

// Frees sprites, buttons and fields and resets the shell, graphics, network,
// account, table and screen state. The network thread must not be running.
void ResetClientState();

}  // namespace shell

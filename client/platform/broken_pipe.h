// Writes to a socket whose peer has gone.
#pragma once

namespace platform {

// Makes a write to a socket the peer has closed fail with EPIPE instead of ending
// the process with SIGPIPE: the network code learns of the loss from the error
// (or the next read) and reconnects. Idempotent.
void IgnoreBrokenPipe();

}  // namespace platform

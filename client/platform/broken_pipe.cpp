#include "platform/broken_pipe.h"

#include <csignal>

namespace platform {

void IgnoreBrokenPipe() {
    // libevent writes with write()/writev(), which raise SIGPIPE on a closed
    // connection; the default action of that signal is to end the process.
    std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace platform

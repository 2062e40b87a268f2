#include "net/net_lock.h"

namespace net {

std::recursive_mutex& NetLock() {
    static std::recursive_mutex lock;
    return lock;
}

}  // namespace net

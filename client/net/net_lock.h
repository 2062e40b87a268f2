// NetLock: the one recursive mutex that serialises the network thread's packet
// handlers with the main thread's event handling and frame drawing. Every access
// to state both threads touch (screen state, sprites' flags, buttons, text fields,
// the table model, the account, the notices, the receive buffer, the connection
// handle) is made while holding it. The owning thread may lock it again, which is
// what lets a handler send a reply and a frame send a request.
#pragma once

#include <mutex>

namespace net {

std::recursive_mutex& NetLock();

}  // namespace net

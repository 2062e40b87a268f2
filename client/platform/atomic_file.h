// Replacing a small file whole, so that a crash mid-write never leaves half of it.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// Writes size bytes to a new temporary file in the same directory as path, owner
// read/write only (0600), flushes it to disk and renames it over path. On failure
// path keeps what it held before, the temporary file is removed and error says why.
bool ReplaceFileAtomically(const std::string& path, const void* data, std::size_t size, std::string& error);

}  // namespace platform

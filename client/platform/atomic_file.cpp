#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;   // 0600
constexpr char kTempSuffix[] = ".XXXXXX";          // mkstemp's pattern, beside the target

bool Fail(std::string& error, const char* step, int fd, const std::string& temp) {
    error = std::string(step) + ": " + std::strerror(errno);
    if (fd >= 0) close(fd);
    if (!temp.empty()) unlink(temp.c_str());
    return false;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const void* data, std::size_t size, std::string& error) {
    // The temporary file lives in the target's directory so the rename never crosses
    // file systems, which is what makes it atomic.
    std::vector<char> name(path.begin(), path.end());
    name.insert(name.end(), kTempSuffix, kTempSuffix + sizeof kTempSuffix);   // with the terminator
    const int fd = mkstemp(name.data());
    if (fd < 0) return Fail(error, "mkstemp", -1, {});
    const std::string temp(name.data());
    // mkstemp already creates 0600; fchmod makes it so whatever the platform's default.
    if (fchmod(fd, kOwnerOnly) != 0) return Fail(error, "fchmod", fd, temp);
    const auto* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = write(fd, bytes + written, size - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Fail(error, "write", fd, temp);
        written += static_cast<std::size_t>(n);
    }
    if (fsync(fd) != 0) return Fail(error, "fsync", fd, temp);
    if (close(fd) != 0) return Fail(error, "close", -1, temp);
    if (rename(temp.c_str(), path.c_str()) != 0) return Fail(error, "rename", -1, temp);
    return true;
}

}  // namespace platform

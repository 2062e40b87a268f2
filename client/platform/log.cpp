#include "platform/log.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace platform {
namespace {

std::atomic<int> g_level{kLogError};
std::mutex g_hookMutex;
LogHook g_hook;

}  // namespace

void Log(int level, const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    {
        std::lock_guard<std::mutex> lock(g_hookMutex);
        if (g_hook) g_hook(level, text);
    }
    if (level <= g_level.load()) std::fprintf(stderr, "korvane[%d]: %s\n", level, text);
}

void SetLogLevel(int level) { g_level = level; }
int LogLevel() { return g_level; }

void SetLogHook(LogHook hook) {
    std::lock_guard<std::mutex> lock(g_hookMutex);
    g_hook = std::move(hook);
}

}  // namespace platform

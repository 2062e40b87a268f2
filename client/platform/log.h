// The log sink: one printf-style call with a level. Level 2 is an error, 4 is
// information. Messages at or below the current level go to stderr; the level
// starts at 2 and is raised with --log-level N or KORVANE_LOG=N.
#pragma once

#include <functional>
#include <string>

namespace platform {

inline constexpr int kLogError = 2;  // failures the user or a developer should see
inline constexpr int kLogInfo = 4;   // progress of loading, sign-in and the like

void Log(int level, const char* format, ...) __attribute__((format(printf, 2, 3)));

void SetLogLevel(int level);
int LogLevel();

// Tests capture every formatted line (whatever the level) with a hook; nullptr removes it.
using LogHook = std::function<void(int level, const std::string& text)>;
void SetLogHook(LogHook hook);

}  // namespace platform

// The crash-dump writer. Installed first thing in the entry point and restored at
// shutdown: a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT) writes a text
// dump named "%d-%d-%d_%dh%dm%ds.dmp" (year, month, day, hour, minute, second of
// local time, no zero padding) in the working directory, then lets the default
// action end the process. A second crash in the same second overwrites the file.
#pragma once

#include <cstddef>
#include <ctime>

namespace platform {

// Installs the handlers and keeps the ones they replace; true when all were installed.
bool InstallCrashDump();

// Puts back the handlers that InstallCrashDump replaced.
void RestoreCrashDump();

// Writes the dump file name for a local time into out (at least 64 bytes); returns
// its length. Async-signal-safe: the handler builds its name with it.
std::size_t FormatDumpName(const std::tm& local, char* out, std::size_t size);

}  // namespace platform

// The client's clocks. Every time read in the client goes through these three
// calls (and every sleep through SleepMs), so tests can install a fake clock and
// step it instead of waiting.
#pragma once

#include <atomic>
#include <cstdint>

namespace platform {

// Milliseconds since the clock's start, 32 bits: the SDL-style tick count used for
// keepalives, notices, turn timers and every other lifetime measured in ticks.
std::uint32_t TicksMs();

// Milliseconds since the clock's start, 64 bits: frame-pacing windows, the login
// deadline, banner lifetimes.
std::uint64_t Ticks64();

// Nanoseconds of a monotonic clock: the frame sleep and the wheel gesture.
std::uint64_t MonotonicNs();

// Sleeps for ms milliseconds (the fake clock advances instead of sleeping).
void SleepMs(std::uint32_t ms);

// A clock tests drive by hand. While installed, TicksMs/Ticks64/MonotonicNs read
// nowNs and SleepMs adds the slept time to it, so "exact sleeps" take no wall time.
struct FakeClock {
    std::atomic<std::uint64_t> nowNs{0};     // current fake time in nanoseconds
    std::atomic<std::uint64_t> sleptMs{0};   // total of every SleepMs call, for tests

    void AdvanceMs(std::uint64_t ms) { nowNs += ms * 1000000ull; }
    void SetMs(std::uint64_t ms) { nowNs = ms * 1000000ull; }
};

// Installs clock (or the real clock again with nullptr). Not thread-safe against
// concurrent reads of the pointer switch itself; install before threads start.
void InstallFakeClock(FakeClock* clock);

}  // namespace platform

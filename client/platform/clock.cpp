#include "platform/clock.h"

#include <time.h>

#include <cerrno>

namespace platform {
namespace {

std::atomic<FakeClock*> g_fake{nullptr};

std::uint64_t RealMonotonicNs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint64_t>(ts.tv_sec) * 1000000000ull + static_cast<std::uint64_t>(ts.tv_nsec);
}

// The tick counters count from the first use, as SDL's do from SDL_Init.
std::uint64_t StartNs() {
    static const std::uint64_t start = RealMonotonicNs();
    return start;
}

}  // namespace

std::uint64_t MonotonicNs() {
    if (FakeClock* fake = g_fake.load(std::memory_order_acquire)) return fake->nowNs.load();
    return RealMonotonicNs();
}

std::uint64_t Ticks64() {
    if (FakeClock* fake = g_fake.load(std::memory_order_acquire)) return fake->nowNs.load() / 1000000ull;
    return (RealMonotonicNs() - StartNs()) / 1000000ull;
}

std::uint32_t TicksMs() { return static_cast<std::uint32_t>(Ticks64()); }

void SleepMs(std::uint32_t ms) {
    if (FakeClock* fake = g_fake.load(std::memory_order_acquire)) {
        fake->sleptMs += ms;
        fake->AdvanceMs(ms);
        return;
    }
    timespec req{static_cast<time_t>(ms / 1000), static_cast<long>(ms % 1000) * 1000000L};
    while (nanosleep(&req, &req) == -1 && errno == EINTR) {
    }
}

void InstallFakeClock(FakeClock* clock) {
    StartNs();
    g_fake.store(clock, std::memory_order_release);
}

}  // namespace platform

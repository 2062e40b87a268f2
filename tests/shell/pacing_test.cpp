// Frame pacing with a fake clock: frames take no time and every sleep is exact.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"
#include "shell/main_loop.h"
#include "shell/screen_state.h"

namespace {

class PacingTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::InstallFakeClock(&clock);
        shell::ResetShellState();
        shell::Shell().SecondStart = platform::Ticks64();
    }
    void TearDown() override { platform::InstallFakeClock(nullptr); }

    // Runs PaceFrame until `seconds` pacing windows have closed; returns the delay in
    // force and the frames counted at the end of each window.
    struct Window {
        int delayAfter;
        int frames;
    };
    std::vector<Window> RunWindows(int seconds) {
        std::vector<Window> out;
        auto& s = shell::Shell();
        std::uint64_t windowStart = s.SecondStart;
        int framesInWindow = 0;
        while (static_cast<int>(out.size()) < seconds) {
            shell::PaceFrame();
            ++framesInWindow;
            if (s.SecondStart != windowStart) {
                // The frame that closed the window counts in the new one.
                out.push_back({s.FrameDelayMs, framesInWindow - 1});
                framesInWindow = 1;
                windowStart = s.SecondStart;
            }
        }
        return out;
    }

    platform::FakeClock clock;
};

TEST_F(PacingTest, DelayFallsOneMillisecondPerSlowSecondFrom30To16) {
    const auto windows = RunWindows(14);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(windows[i].delayAfter, 29 - i) << "window " << i;
}

TEST_F(PacingTest, AtSixteenMillisecondsTheDelayCycles16To19To18To17) {
    auto windows = RunWindows(14 + 12);
    windows.erase(windows.begin(), windows.begin() + 14);
    // The delay in force at the start of each window after reaching 16 ms, and how many
    // frames each window holds: fast windows add a millisecond per frame past the 60th.
    std::vector<int> frames;
    for (const auto& w : windows) frames.push_back(w.frames);
    const std::vector<int> cycle = {63, 53, 56, 59};
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(frames[i], cycle[i % 4]) << "window " << i;
    EXPECT_EQ(windows[0].delayAfter, 19);
    EXPECT_EQ(windows[1].delayAfter, 18);
    EXPECT_EQ(windows[2].delayAfter, 17);
    EXPECT_EQ(windows[3].delayAfter, 16);
}

TEST_F(PacingTest, SleepsExactlyTheDelayOnTheMonotonicClock) {
    shell::Shell().FrameDelayMs = 30;
    const auto before = clock.sleptMs.load();
    const auto ns = clock.nowNs.load();
    shell::PaceFrame();
    EXPECT_EQ(clock.sleptMs.load() - before, 30u);
    EXPECT_EQ(clock.nowNs.load() - ns, 30u * 1000000u);
}

TEST_F(PacingTest, ZeroDelayDoesNotSleepAndNeverGoesNegative) {
    auto& s = shell::Shell();
    s.FrameDelayMs = 0;
    clock.AdvanceMs(1000);  // a slow window ends at the next frame
    const auto before = clock.sleptMs.load();
    shell::PaceFrame();
    EXPECT_EQ(s.FrameDelayMs, 0);
    EXPECT_EQ(clock.sleptMs.load(), before);
}

}  // namespace

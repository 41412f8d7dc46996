#include "workstation/Stopwatch.h"

#include <chrono>
#include <gtest/gtest.h>

namespace quelvarin {
namespace {

using std::chrono::milliseconds;

TEST(Stopwatch, ShowsTheElapsedWholeSecondsRounded) {
    struct Case {
        milliseconds elapsed;
        int seconds;
    };
    const Case cases[] = {
        {milliseconds(0), 0},        {milliseconds(499), 0},  {milliseconds(500), 0}, // a half to even
        {milliseconds(501), 1},      {milliseconds(1500), 2}, {milliseconds(2500), 2},
        {milliseconds(2501), 3},     {milliseconds(3500), 4}, {milliseconds(135000), 135},
        {milliseconds(135400), 135},
    };
    for (const auto& c : cases) {
        FixedClock clock("2026.12.10.");
        clock.Advance(milliseconds(86'400'000)); // the clock's time has its own origin
        Stopwatch stopwatch(clock);
        stopwatch.Start();
        clock.Advance(c.elapsed);
        EXPECT_TRUE(stopwatch.Running());
        EXPECT_EQ(stopwatch.RunningSeconds(), c.seconds) << c.elapsed.count() << " ms";
    }
}

TEST(Stopwatch, ResetStopsAndShowsZero) {
    FixedClock clock("2026.12.10.");
    Stopwatch stopwatch(clock);
    EXPECT_FALSE(stopwatch.Running());
    EXPECT_EQ(stopwatch.RunningSeconds(), 0);
    stopwatch.Start();
    clock.Advance(milliseconds(42'000));
    ASSERT_EQ(stopwatch.RunningSeconds(), 42);
    stopwatch.Reset();
    EXPECT_FALSE(stopwatch.Running());
    EXPECT_EQ(stopwatch.RunningSeconds(), 0);
    clock.Advance(milliseconds(10'000));
    EXPECT_EQ(stopwatch.RunningSeconds(), 0) << "a stopped stopwatch does not count";
    stopwatch.Start();
    clock.Advance(milliseconds(3'000));
    EXPECT_EQ(stopwatch.RunningSeconds(), 3) << "started again from 0";
}

TEST(Stopwatch, StartWhileRunningRestartsFromZero) {
    FixedClock clock("2026.12.10.");
    Stopwatch stopwatch(clock);
    stopwatch.Start();
    clock.Advance(milliseconds(70'000));
    ASSERT_EQ(stopwatch.RunningSeconds(), 70);
    stopwatch.Start();
    EXPECT_TRUE(stopwatch.Running());
    EXPECT_EQ(stopwatch.RunningSeconds(), 0);
    clock.Advance(milliseconds(5'000));
    EXPECT_EQ(stopwatch.RunningSeconds(), 5);
}

TEST(Stopwatch, RunningSecondsSplitIntoMinutesAndSeconds) {
    struct Case {
        int seconds;
        int minutes;
        int rest;
    };
    const Case cases[] = {
        {135, 2, 15}, {0, 0, 0}, {59, 0, 59}, {60, 1, 0}, {3599, 59, 59}, {3600, 60, 0}, {-5, 0, 0},
    };
    for (const auto& c : cases) {
        auto split = SplitSeconds(c.seconds);
        EXPECT_EQ(split.minutes, c.minutes) << c.seconds;
        EXPECT_EQ(split.seconds, c.rest) << c.seconds;
    }
}

TEST(Stopwatch, TwoMinutesFifteenAfter135Seconds) {
    FixedClock clock("2026.12.10.");
    Stopwatch stopwatch(clock);
    stopwatch.Start();
    clock.Advance(milliseconds(135'000));
    auto split = SplitSeconds(stopwatch.RunningSeconds());
    EXPECT_EQ(split.minutes, 2);
    EXPECT_EQ(split.seconds, 15);
}

} // namespace
} // namespace quelvarin

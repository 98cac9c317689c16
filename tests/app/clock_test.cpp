#include "clock.h"

#include <gtest/gtest.h>

namespace {

class Clock : public ::testing::Test {
protected:
    void TearDown() override { app::set_clock(std::nullopt); }
};

TEST_F(Clock, FixedTimeIsWhatTimeTellsMovedOnByTheAdvances) {
    app::set_clock(1234567890);
    std::time_t out = 0;
    EXPECT_EQ(std::time(&out), 1234567890);
    EXPECT_EQ(out, 1234567890);
    app::advance_clock(2);
    app::advance_clock(3);
    EXPECT_EQ(std::time(nullptr), 1234567895);
    app::set_clock(0);  // a new clock starts without them
    EXPECT_EQ(std::time(nullptr), 0);
}

TEST_F(Clock, WithoutFixedTimeTheRealClockRuns) {
    app::set_clock(42);
    app::set_clock(std::nullopt);
    timespec before{}, after{};
    clock_gettime(CLOCK_REALTIME, &before);
    const std::time_t now = std::time(nullptr);
    clock_gettime(CLOCK_REALTIME, &after);
    EXPECT_GE(now, before.tv_sec);
    EXPECT_LE(now, after.tv_sec);
}

}  // namespace

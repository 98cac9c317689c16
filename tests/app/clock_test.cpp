// The C library's clock as voxtrel-host supplies it (the golden runs use
// --clock and --clock-step): the out-parameter, a new clock, the real clock.
#include "clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Clock, FixedTimeMovedOnByTheAdvancesElseTheRealClock) {
    app::set_clock(1234567890);
    app::advance_clock(2);
    std::time_t out = 0;
    EXPECT_EQ(std::time(&out), 1234567892);
    EXPECT_EQ(out, 1234567892);
    app::set_clock(0);  // a new clock starts without the advances
    EXPECT_EQ(std::time(nullptr), 0);
    app::set_clock(std::nullopt);
    timespec before{}, after{};
    clock_gettime(CLOCK_REALTIME, &before);
    const std::time_t now = std::time(nullptr);
    clock_gettime(CLOCK_REALTIME, &after);
    EXPECT_GE(now, before.tv_sec);
    EXPECT_LE(now, after.tv_sec);
}

}  // namespace

// The C library's clock as voxtrel-host supplies it without --clock: the real
// clock, through the out-parameter too. (The golden runs pin a fixed clock and
// its advances, with --clock and --clock-step.)
#include "clock.h"

#include <gtest/gtest.h>

namespace {

TEST(Clock, WithoutAFixedTimeTheRealClock) {
    app::set_clock(std::nullopt);
    timespec before{}, after{};
    clock_gettime(CLOCK_REALTIME, &before);
    std::time_t out = 0;
    const std::time_t now = std::time(&out);
    clock_gettime(CLOCK_REALTIME, &after);
    EXPECT_TRUE(out == now && now >= before.tv_sec && now <= after.tv_sec) << now;
}

}  // namespace

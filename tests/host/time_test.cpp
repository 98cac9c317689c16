// The host's exact time: the simplest fraction a number of seconds stands for,
// round trips through doubles and A_Times, and exact arithmetic at the limit.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "host/time.h"

namespace {

using host::Time;

Time fraction(std::int64_t n, std::int64_t d) { return *Time::fraction(n, d); }

TEST(Time, NumbersBecomeTheSimplestFractionTheyStandFor) {
    std::ifstream data(HOST_TEST_DATA "/seconds.txt");
    int rows = 0;
    for (std::string line, number, expected; std::getline(data, line);) {
        std::istringstream row(line);
        if (line.starts_with('#') || !(row >> number >> expected)) continue;
        const std::size_t slash = number.find('/');
        const double seconds = slash == std::string::npos
                                   ? std::stod(number)
                                   : std::stod(number.substr(0, slash)) / std::stod(number.substr(slash + 1));
        const auto t = Time::from_seconds(seconds);
        EXPECT_EQ(t ? std::to_string(t->numerator()) + "/" + std::to_string(t->denominator()) : "none", expected)
            << number;
        ++rows;
    }
    EXPECT_EQ(rows, 15);
}

TEST(Time, EveryNumberReadsBackToItselfAndEveryPlainTimeToItself) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> seconds(-86400, 86400);
    std::uniform_int_distribution<std::int64_t> scale(1, 262144), value(-86400LL * 262144, 86400LL * 262144);
    for (int i = 0; i < 20000; ++i) {
        // A double stands for a time whose double is that double again.
        const double d = seconds(random);
        const auto t = Time::from_seconds(d);
        ASSERT_TRUE(t && t->seconds() == d) << d;
        // A time within a day on a scale up to 2^18 is the simplest fraction for its double.
        const std::int64_t s = scale(random);
        const Time plain = fraction(value(random) % (86400 * s + 1), s);
        ASSERT_EQ(Time::from_seconds(plain.seconds()), plain) << plain.numerator() << "/" << plain.denominator();
    }
}

TEST(Time, ATimesAndArithmeticAreExactAndATimesPreferTheFrameRateAsScale) {
    const auto a_time = [](Time t, double rate) {
        const auto a = t.to_a_time(rate);
        return a ? std::to_string(a->value) + "/" + std::to_string(a->scale) : "none";
    };
    // 1/3 s is not on a frame at 25 frames a second; a rate that is not whole is no scale.
    EXPECT_EQ(
        (std::vector{a_time(fraction(1, 2), 30), a_time(fraction(1, 3), 25), a_time(fraction(1, 1), 29.97),
                     a_time(fraction(INT32_MIN, 1), 0), a_time(fraction(INT32_MAX, UINT32_MAX), 0),
                     a_time(fraction(1, std::int64_t{1} << 40), 30), a_time(fraction(std::int64_t{1} << 40, 3), 30)}),
        (std::vector<std::string>{"15/30", "1/3", "1/1", "-2147483648/1", "2147483647/4294967295", "none",
                                  "none"}));
    EXPECT_EQ(std::tuple(Time::of(A_Time{30, 60}), Time::of(A_Time{-7, 14})),
              std::tuple(fraction(1, 2), fraction(-1, 2)));
    EXPECT_FALSE(Time::of(A_Time{1, 0}));
    // Arithmetic and order.
    EXPECT_EQ(std::tuple(fraction(1, 3).plus(fraction(1, 6)), fraction(1, 3).minus(fraction(1, 2))),
              std::tuple(fraction(1, 2), fraction(-1, 6)));
    // Two times one double apart cannot tell; the fractions can.
    const std::int64_t big = std::int64_t{1} << 52;
    EXPECT_EQ(fraction(big - 1, big + 1).seconds(), fraction(big - 3, big - 1).seconds());
    EXPECT_TRUE(fraction(big - 1, big + 1) > fraction(big - 3, big - 1) && fraction(-1, 3) > fraction(-1, 2));
    // Results at 2^53, where doubles stop holding every whole number, are refused rather than rounded.
    EXPECT_FALSE(fraction(1, big - 1).plus(fraction(1, big - 3)) || Time::fraction(2 * big, 1) ||
                 Time::fraction(-2 * big, 1));
}

}  // namespace

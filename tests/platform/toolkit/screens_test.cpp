// Screens: the default device, a configured list and point tests.
#include <gtest/gtest.h>

#include "toolkit/automation.h"
#include "toolkit/native.h"

namespace ta = tk::automation;

TEST(Screens, DefaultIsOneScreenAtTheOrigin) {
    ta::resetScreens();
    GDHandle device = GetDeviceList();
    ASSERT_NE(device, nullptr);
    const Rect r = (*device)->gdRect;
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.bottom, 900);
    EXPECT_EQ(r.right, 1440);
    EXPECT_EQ(GetNextDevice(device), nullptr);
}

TEST(Screens, ConfiguredScreensComeInOrder) {
    ta::setScreens({Rect{0, 0, 1080, 1920}, Rect{0, 1920, 1200, 3840}});
    GDHandle first = GetDeviceList();
    GDHandle second = GetNextDevice(first);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ((*second)->gdRect.left, 1920);
    EXPECT_EQ(GetNextDevice(second), nullptr);
    ta::setScreens({});
    EXPECT_EQ(GetDeviceList(), nullptr);
    ta::resetScreens();
    EXPECT_NE(GetDeviceList(), nullptr);
}

TEST(Screens, PointsOnTheRightAndBottomEdgesAreOutside) {
    const Rect r{0, 0, 900, 1440};
    EXPECT_TRUE(PtInRect(Point{0, 0}, &r));
    EXPECT_TRUE(PtInRect(Point{899, 1439}, &r));
    EXPECT_FALSE(PtInRect(Point{900, 10}, &r));
    EXPECT_FALSE(PtInRect(Point{10, 1440}, &r));
    EXPECT_FALSE(PtInRect(Point{-1, 10}, &r));
    EXPECT_FALSE(PtInRect(Point{0, 0}, nullptr));
}

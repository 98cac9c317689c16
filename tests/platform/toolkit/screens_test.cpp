// Screens: the default device, a configured list and point tests.
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation.h"

namespace ta = tk::automation;
using tk_test::edges;
using tk_test::Edges;

TEST(Screens, OneScreenAtTheOriginUnlessConfiguredOtherwise) {
    ta::resetScreens();
    GDHandle device = GetDeviceList();
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(edges((*device)->gdRect), (Edges{0, 0, 900, 1440}));
    EXPECT_EQ(GetNextDevice(device), nullptr);
    ta::setScreens({Rect{0, 0, 1080, 1920}, Rect{0, 1920, 1200, 3840}});
    GDHandle second = GetNextDevice(GetDeviceList());
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(edges((*second)->gdRect), (Edges{0, 1920, 1200, 3840}));
    EXPECT_EQ(GetNextDevice(second), nullptr);
    ta::setScreens({});
    EXPECT_EQ(GetDeviceList(), nullptr);
    ta::resetScreens();
    EXPECT_NE(GetDeviceList(), nullptr);
}

TEST(Screens, PointsOnTheRightAndBottomEdgesAreOutside) {
    const Rect r{0, 0, 900, 1440};
    for (const auto& [p, inside] : {std::pair{Point{0, 0}, true}, {Point{899, 1439}, true}, {Point{900, 10}, false},
                                    {Point{10, 1440}, false}, {Point{-1, 10}, false}, {Point{10, -1}, false}})
        EXPECT_EQ(PtInRect(p, &r) != 0, inside) << p.v << "," << p.h;
    EXPECT_FALSE(PtInRect(Point{0, 0}, nullptr));
}

// Resizing a dialog and centring it on the screen that holds the point (0, 0).
#include "support.h"

using namespace dialog_test;

namespace {

class Placing : public DialogTest {
protected:
    void SetUp() override { ASSERT_NE(dlg.make(), nullptr); }
    void resize(SInt16 height, SInt16 width) { dlg.SetLocalRect(ADMRect{0, 0, height, width}); }
    ADMRect bounds() const { return bounds_of(dlg.GetDialogRef()); }

    Trace trace;
    TestDlg dlg{trace};
};

}  // namespace

TEST_F(Placing, LocalRectKeepsTheTopLeftCorner) {
    ADMRect const start{100, 50, 200, 150};
    ADMDialogSuite9::SetBoundsRect(dlg.GetDialogRef(), &start);
    resize(235, 501);
    EXPECT_TRUE(same_rect(bounds(), ADMRect{100, 50, 335, 551}));
}

TEST_F(Placing, CentresOnTheDefaultScreen) {
    resize(235, 501);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), ADMRect{332, 469, 567, 970}));
}

TEST_F(Placing, DialogLargerThanTheScreenGoesToTheCorner) {
    resize(1000, 2000);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), ADMRect{0, 0, 1000, 2000}));
}

TEST_F(Placing, OnlyTheScreenSizeCountsNotItsOrigin) {
    tk::automation::setScreens({Rect{-100, -200, 800, 1240}});
    resize(235, 501);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), ADMRect{332, 469, 567, 970}));
}

TEST_F(Placing, TheScreenHoldingTheOriginIsChosen) {
    tk::automation::setScreens({Rect{0, 1440, 1200, 3360}, Rect{0, 0, 768, 1024}});
    resize(200, 400);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), ADMRect{284, 312, 484, 712}));
}

TEST_F(Placing, NoScreenHoldingTheOriginLeavesTheDialogAlone) {
    tk::automation::setScreens({Rect{100, 100, 1000, 1540}});
    ADMRect const start{40, 30, 275, 531};
    ADMDialogSuite9::SetBoundsRect(dlg.GetDialogRef(), &start);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), start));
}

TEST_F(Placing, OddRemaindersAreTruncated) {
    tk::automation::setScreens({Rect{0, 0, 101, 101}});
    resize(20, 40);
    dlg.MoveToScreenCenter();
    EXPECT_TRUE(same_rect(bounds(), ADMRect{40, 30, 60, 70}));
}

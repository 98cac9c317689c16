// Resizing a dialog and centring it on the screen that holds the point (0, 0).
#include <optional>

#include "support.h"

using namespace dialog_test;

namespace {

using Placing = DialogTest;

}  // namespace

// Only the size of the screen counts, not its origin; odd remainders are
// truncated; a dialog larger than the screen goes to the corner; with no
// screen holding the origin the dialog stays where it was.
TEST_F(Placing, CentresOnTheScreenHoldingTheOrigin) {
    struct Case {
        char const* what;
        std::optional<std::vector<Rect>> screens;  // none: the default screen
        SInt16 height, width;
        ADMRect expected;
    };
    Case const cases[] = {
        {"default screen", std::nullopt, 235, 501, {332, 469, 567, 970}},
        {"larger than the screen", std::nullopt, 1000, 2000, {0, 0, 1000, 2000}},
        {"screen not at the origin", std::vector<Rect>{{-100, -200, 800, 1240}}, 235, 501, {332, 469, 567, 970}},
        {"second screen holds it", std::vector<Rect>{{0, 1440, 1200, 3360}, {0, 0, 768, 1024}}, 200, 400,
         {284, 312, 484, 712}},
        {"odd remainders", std::vector<Rect>{{0, 0, 101, 101}}, 20, 40, {40, 30, 60, 70}},
        {"no screen holds it", std::vector<Rect>{{100, 100, 1000, 1540}}, 235, 501, {40, 30, 275, 531}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        Trace trace;
        TestDlg dlg{trace};
        ASSERT_NE(dlg.make(), nullptr);
        if (c.screens) tk::automation::setScreens(*c.screens);
        ADMRect const start{40, 30, 200, 150};
        ADMDialogSuite9::SetBoundsRect(dlg.GetDialogRef(), &start);
        // The size changes, the top-left corner stays.
        dlg.SetLocalRect(ADMRect{0, 0, c.height, c.width});
        EXPECT_TRUE(same_rect(bounds_of(dlg.GetDialogRef()),
                              ADMRect{40, 30, static_cast<SInt16>(40 + c.height), static_cast<SInt16>(30 + c.width)}));
        dlg.MoveToScreenCenter();
        ADMRect const r = bounds_of(dlg.GetDialogRef());
        EXPECT_TRUE(same_rect(r, c.expected)) << r.top << "," << r.left << "," << r.bottom << "," << r.right;
        tk::automation::resetScreens();
    }
}

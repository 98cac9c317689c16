// Enabling a whole dialog: which items the builder's Enable reaches and which it leaves alone.
#include "support.h"

using namespace dialog_test;

namespace {

void draw_nothing(ADMItemRef, ADMDrawerRef) {}

class Enabling : public DialogTest {
protected:
    void SetUp() override {
        dlg.build = [this](TestDlg& d) {
            button = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 60}, "Apply", 3);
            icon = d.add_icon(IASRect{30, 0, 16, 16}, draw_nothing, 40);
        };
        ASSERT_NE(dlg.make(), nullptr);
    }
    static bool control_enabled(ADMItemRef item) { return IsControlEnabled(control_of(item)); }

    Trace trace;
    TestDlg dlg{trace};
    ADMItemRef button = nullptr;
    ADMItemRef icon = nullptr;
};

}  // namespace

// The dialog starts disabled; a change of state reaches the icon items but
// not the others (the item walk starts at the first item with ID -1, and this
// dialog has none); Enable to the same state looks at nothing.
TEST_F(Enabling, ReachesTheIconItemsOnAChangeOfState) {
    EXPECT_FALSE(dlg.IsEnabled());
    dlg.Enable(false);
    EXPECT_TRUE(control_enabled(icon));
    dlg.Enable(true);
    EXPECT_TRUE(dlg.IsEnabled());
    dlg.Enable(false);
    EXPECT_FALSE(dlg.IsEnabled());
    EXPECT_FALSE(control_enabled(icon));
    EXPECT_TRUE(control_enabled(button));
    EnableControl(control_of(icon));
    dlg.Enable(false);
    EXPECT_TRUE(control_enabled(icon));
    dlg.Enable(true);
    // Out of step behind the dialog's back: only items in the other state change.
    DisableControl(control_of(icon));
    dlg.Enable(false);
    EXPECT_FALSE(control_enabled(icon));
}

TEST_F(Enabling, ItemWalkStartsAtTheFirstItemWithIdMinusOne) {
    ADMItemRef before = nullptr, marker = nullptr, after = nullptr, label = nullptr;
    TestDlg other{trace};
    other.build = [&](TestDlg& d) {
        before = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 60}, "before", 1);
        marker = d.add_ctrl(kADMTextCheckBoxType, IASRect{30, 0, 20, 60}, "marker", -1);
        after = d.add_ctrl(kADMTextPushButtonType, IASRect{60, 0, 20, 60}, "after", 2);
        label = d.add_static(ADMPoint{90, 0}, "label", 5);
    };
    ASSERT_NE(other.make(), nullptr);
    other.Enable(true);
    other.Enable(false);
    EXPECT_TRUE(control_enabled(before));
    EXPECT_FALSE(control_enabled(marker));
    EXPECT_FALSE(control_enabled(after));
    // A static text never reports itself enabled, so disabling leaves its text alone.
    EXPECT_TRUE(IsControlEnabled(label_of(label)));
}

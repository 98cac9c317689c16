// Which controls the distribution dialog hides and enables, and how user
// changes of its check boxes move the enabling along.
#include <algorithm>
#include <set>

#include "adm/detail/iADMNotifier.h"
#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

// clang-format off
const std::set<int> _hidden = {
    1100, 1101, 1102, 515, 516, 517, 1103, 216, 239, 224, 225, 223, 220, 221, 222, 240, 230, 231, 229,
    226, 227, 228, 241, 236, 237, 235, 232, 233, 234, 238, 500, 501, 502, 527, 520, 521, 522,
};
const int _distance[] = {
    220, 221, 222, 224, 225, 223, 226, 227, 228, 230, 231, 229, 232, 233, 234, 236, 237, 235, 238, 239, 240, 241,
};
// clang-format on

bool shown(ADMItemRef item) {
    iADMItem const* i = from_ref(item);
    bool visible = false;
    if (i->control) visible = visible || IsControlVisible(i->control);
    if (i->label) visible = visible || IsControlVisible(i->label);
    return visible;
}

bool active(ADMItemRef item) {
    iADMItem const* i = from_ref(item);
    return IsControlEnabled(i->control ? i->control : i->label);
}

class MainDlgEnabling : public MainDlgTest {
protected:
    void SetUp() override { build(); }

    void expect_only_the_fixed_controls_hidden() {
        int hidden = 0;
        for (ADMItemRef item = dlg->item(3); item; item = ADMDialogSuite9::GetNextItem(dlg->GetDialogRef(), item)) {
            int const id = ADMItemSuite10::GetID(item);
            SCOPED_TRACE(id);
            bool const should_hide = _hidden.count(id) != 0;
            EXPECT_EQ(shown(item), !should_hide);
            hidden += should_hide;
        }
        EXPECT_EQ(hidden, 37);
    }

    // A person's change of a control, as the dialog's notify proc passes it on.
    void user_changed(int id) {
        iADMNotifier notifier{from_ref(dlg->item(id)), kADMUserChangedNotifier, 0};
        dlg->Notify(to_ref(&notifier));
    }
};

}  // namespace

// Enabling either way hides the same fixed controls, which keep their values.
TEST_F(MainDlgEnabling, EnableHidesTheFixedControlsOnlyAndTheyKeepTheirValues) {
    for (bool on : {true, false, true, false}) {
        SCOPED_TRACE(on);
        dlg->Enable(on);
        expect_only_the_fixed_controls_hidden();
    }
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg->item(216)));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg->item(522)));
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(dlg->item(220)), 50.0f);
}

TEST_F(MainDlgEnabling, StepControlsFollowDistributeRandomly) {
    dlg->Enable(true);
    // Checked from the start: the stepped distribution is off.
    for (int id : _distance) EXPECT_FALSE(active(dlg->item(id))) << id;
    dlg->check(216, false);
    user_changed(216);
    for (int id : _distance) EXPECT_TRUE(active(dlg->item(id))) << id;
    dlg->check(216, true);
    dlg->enable_distance();
    for (int id : _distance) EXPECT_FALSE(active(dlg->item(id))) << id;
    EXPECT_TRUE(active(dlg->item(210)));
}

// The camera popup follows "Towards Camera" on a click of any orientation box;
// the repeat controls follow "Repeat Layers".
TEST_F(MainDlgEnabling, ClicksMoveTheDependentControlsAlong) {
    dlg->Enable(true);
    EXPECT_FALSE(active(dlg->item(510)));
    EXPECT_FALSE(active(dlg->item(529)));
    EXPECT_FALSE(active(dlg->item(523)));
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    auto const click = [&](int id) { ASSERT_TRUE(tk::automation::click(from_ref(dlg->item(id))->control)); };
    click(503);
    EXPECT_TRUE(active(dlg->item(510)));
    click(503);
    EXPECT_FALSE(active(dlg->item(510)));
    dlg->check(503, true);
    user_changed(505);
    EXPECT_TRUE(active(dlg->item(510)));
    dlg->check(503, false);
    user_changed(500);
    EXPECT_FALSE(active(dlg->item(510)));
    // Other items leave the camera popup alone.
    dlg->check(503, true);
    user_changed(524);
    EXPECT_FALSE(active(dlg->item(510)));

    click(528);
    EXPECT_TRUE(active(dlg->item(529)));
    EXPECT_TRUE(active(dlg->item(523)));
    click(528);
    EXPECT_FALSE(active(dlg->item(529)));
    EXPECT_FALSE(active(dlg->item(523)));
}

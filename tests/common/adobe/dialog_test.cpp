// The assistant dialog itself: its title, option readers, offsets, and what a
// user's click starts, including failures that must not escape the click.
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"
#include "toolkit/automation.h"

using namespace assistant;
using Vector = math::TGeomVector3D<double>;

namespace {

class DialogTest : public AssistantTest {
protected:
    void SetUp() override {
        AssistantTest::SetUp();
        load(scene({footage("Card", 640, 480)}));
    }
};

// Missing controls read as their defaults: off, or on for the two options
// whose box says what not to do.
TEST_F(DialogTest, OptionReaders) {
    open({kApply});
    EXPECT_EQ((std::vector<bool>{dlg->is_repeat_seq(), dlg->is_key_pos(), dlg->is_key_orient(), dlg->is_key_scale(),
                                 dlg->is_scale_to_fit(), dlg->is_reverse_order(), dlg->is_random_order(),
                                 dlg->is_orient_changed(), dlg->is_text_layer_use_comp_size()}),
              (std::vector<bool>{false, false, false, false, false, false, false, true, true}));
    EXPECT_EQ(dlg->get_combo_id(), -1);
}

// The distributor's offset holds the starting value; other assistants place
// from the starting point themselves and get only the centre.
TEST_F(DialogTest, OffsetAndStartingPoint) {
    open();
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    number(kStartX, 1.5f);
    number(kStartY, -2);
    number(kStartZ, 3);
    EXPECT_EQ(std::pair(dlg->get_offset(), dlg->get_starting_point()), std::pair(Vector(961.5, 538, 3), Vector{}));
    check(kUseCompCenter, false);
    EXPECT_EQ(dlg->get_offset(), Vector(1.5, -2, 3));
    check(kUseCompCenter, true);
    dlg->distributor = false;
    EXPECT_TRUE(dlg->get_starting_point() == Vector(1.5, -2, 3) && dlg->get_offset() == Vector(960, 540, 0));

    open_without(kUseCompCenter);
    EXPECT_EQ((std::tuple{dlg->save_selection(), dlg->get_offset()}), std::tuple(A_Err_NONE, Vector(0, 0, 0)));
}

TEST_F(DialogTest, AMissingSuiteDuringApplyIsToldAndClosesTheUndoGroup) {
    open();
    check(kKeyPosition, true);
    host.remove_suite(kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion1);
    EXPECT_TRUE(click(kApply) && host.alerts().size() == 1 && host.alerts()[0].plugin == plugin);
    EXPECT_EQ(host.alerts()[0].text,
              "Test Assistant could not be applied: the host does not offer a suite it needs (status 516).");
    EXPECT_EQ(std::tuple(host.undo_history().depth(), host.open_streams()), std::tuple(0, 0));
}

// Applied here through item 1, a default button, which applies as "Apply" does.
TEST_F(DialogTest, AMatrixFailureDuringApplyIsTold) {
    open({1});
    dlg->place = [](AssistantDlg::LayerList&) {
        math::TMatrix3D<double> const flat(1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0);
        static_cast<void>(flat * Vector(1, 2, 3));
    };
    ASSERT_TRUE(click(1) && host.alerts().size() == 1);
    EXPECT_EQ(host.alerts()[0].text, "Test Assistant could not be applied: a layer's placement could not be computed.");
    EXPECT_EQ(std::tuple(host.undo_history().depth(), host.undo_history().undo_steps().size()), std::tuple(0, 1u));
}

}  // namespace

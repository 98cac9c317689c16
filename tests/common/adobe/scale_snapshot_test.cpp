// The scale snapshot behind "Scale Layers To Fit": fitting never compounds,
// switching it off gives the old scales back, and deselected layers are forgotten.
#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"

using namespace assistant;

namespace {

class ScaleSnapshotTest : public AssistantTest {
protected:
    void SetUp() override {
        AssistantTest::SetUp();
        load(scene({with(footage("A", 200, 100), {{"scale", {100, 100, 100}}}),
                    with(footage("B", 200, 100), {{"scale", {80, 60, 100}}})}));
        open();
        // A stand-in fit: halves whatever scale the record carries when fitting is on.
        dlg->place = [this](AssistantDlg::LayerList& records) {
            if (!dlg->is_scale_to_fit()) return;
            for (AssistantDlg::LayerInfo& record : records) {
                record.scale.val.three_d.x *= 0.5;
                record.scale.val.three_d.y *= 0.5;
                record.scaled_width /= 2;
                record.scaled_height /= 2;
            }
        };
    }

    double scale_x(std::string const& name) const { return value(name, host::StreamId::scale).x; }
    // The x scales of A and B.
    std::pair<double, double> scales() const { return {scale_x("A"), scale_x("B")}; }
    void select(std::vector<std::string> const& names) {
        auto& selection = host.project().comp(host.main_comp())->selection;
        selection.clear();
        for (std::string const& name : names) selection.push_back(layer(name).id);
    }
};

TEST_F(ScaleSnapshotTest, FittingAgainStartsFromTheScalesBeforeTheFirstFitAndOffRestoresThem) {
    check(kScaleToFit, true);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    const auto& size_b = dlg->saved_sizes.at(handle("B"));
    EXPECT_EQ(std::tuple(dlg->scaled, scales(), dlg->saved_scales.at(handle("B")).val.three_d.x, size_b.x, size_b.y),
              std::tuple(true, std::pair(50.0, 40.0), 80.0, 160.0, 60.0));

    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    // Not halved again.
    EXPECT_EQ(std::pair(scales(), value("B", host::StreamId::scale).y), std::pair(std::pair(50.0, 40.0), 30.0));

    // Switching fit off gives the old scales back.
    check(kScaleToFit, false);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(std::tuple(dlg->scaled, scales(), value("B", host::StreamId::scale).y, dlg->layers.back().scaled_width),
              std::tuple(false, std::pair(100.0, 80.0), 60.0, 160));

    // Off again: nothing to restore, the current scales stay.
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), scale_x("B")}), std::tuple(A_Err_NONE, 80));
}

TEST_F(ScaleSnapshotTest, ADeselectedLayerIsForgottenAndSnapshottedAfreshLater) {
    check(kScaleToFit, true);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);

    select({"A"});
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(std::tuple(scale_x("A"), dlg->saved_layers, dlg->saved_scales.count(handle("B"))),
              std::tuple(50.0, AssistantDlg::LayerSet{handle("A")}, 0u));

    select({"A", "B"});
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    // Its fitted 40 was taken as the new starting scale.
    EXPECT_EQ(std::pair(scales(), dlg->saved_scales.at(handle("B")).val.three_d.x),
              std::pair(std::pair(50.0, 20.0), 40.0));

    check(kScaleToFit, false);
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), scales()}), std::tuple(A_Err_NONE, std::pair(100.0, 40.0)));
}

// A snapshot that cannot be taken again changes nothing: that fit starts from the
// fitted scales, and switching fitting off still gives the first ones back.
TEST_F(ScaleSnapshotTest, ASelectionThatCannotBeReadAgainKeepsTheSnapshot) {
    check(kScaleToFit, true);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    fail_next("AEGP_GetCollectionItemByIndex", 5);  // the first read of the snapshot to restore from
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), scales()}), std::tuple(A_Err_NONE, std::pair(25.0, 20.0)));
    fail_next("AEGP_GetCollectionNumItems", 3);  // and its count
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), scales()}), std::tuple(A_Err_NONE, std::pair(12.5, 10.0)));
    check(kScaleToFit, false);
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), scales()}), std::tuple(A_Err_NONE, std::pair(100.0, 80.0)));
}

}  // namespace

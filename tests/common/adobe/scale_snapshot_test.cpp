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
        json a = footage("A", 200, 100);
        a["scale"] = {100, 100, 100};
        json b = footage("B", 200, 100);
        b["scale"] = {80, 60, 100};
        load(scene({a, b}));
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
    EXPECT_TRUE(dlg->scaled);
    EXPECT_EQ(scales(), std::pair(50.0, 40.0));
    EXPECT_EQ(dlg->saved_scales.at(handle("B")).val.three_d.x, 80);
    EXPECT_EQ(dlg->saved_sizes.at(handle("B")).x, 160);
    EXPECT_EQ(dlg->saved_sizes.at(handle("B")).y, 60);

    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(scales(), std::pair(50.0, 40.0));  // not halved again
    EXPECT_EQ(value("B", host::StreamId::scale).y, 30);

    // Switching fit off gives the old scales back.
    check(kScaleToFit, false);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_FALSE(dlg->scaled);
    EXPECT_EQ(scales(), std::pair(100.0, 80.0));
    EXPECT_EQ(value("B", host::StreamId::scale).y, 60);
    EXPECT_EQ(dlg->layers.back().scaled_width, 160);

    // Off again: nothing to restore, the current scales stay.
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(scale_x("B"), 80);
}

TEST_F(ScaleSnapshotTest, ADeselectedLayerIsForgottenAndSnapshottedAfreshLater) {
    check(kScaleToFit, true);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);

    select({"A"});
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(scale_x("A"), 50);
    EXPECT_EQ(dlg->saved_layers, AssistantDlg::LayerSet{handle("A")});
    EXPECT_EQ(dlg->saved_scales.count(handle("B")), 0u);

    select({"A", "B"});
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(scales(), std::pair(50.0, 20.0));  // its fitted 40 was taken as the new starting scale
    EXPECT_EQ(dlg->saved_scales.at(handle("B")).val.three_d.x, 40);

    check(kScaleToFit, false);
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(scales(), std::pair(100.0, 40.0));
}

}  // namespace

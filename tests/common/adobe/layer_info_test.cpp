// Records captured from host scenes: sizes, scales, rotations, matrices, and
// what a host failure leaves behind.
#include <cstring>

#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"

using namespace assistant;
using Record = AssistantDlg::LayerInfo;

namespace {

class LayerInfoTest : public AssistantTest {
protected:
    Record capture(std::string const& name) {
        Record record;
        EXPECT_EQ(dlg->collect_info(handle(name), record), A_Err_NONE);
        return record;
    }
};

bool all_zero(math::TMatrix3D<double> const& m) {
    for (auto const& row : m.m)
        for (double v : row)
            if (v != 0) return false;
    return m.flags == 0;
}

TEST_F(LayerInfoTest, ScaledSizesAreTruncatedTowardZero) {
    json wide = footage("Wide", 1920, 1080);
    wide["scale"] = {50, 200, 100};
    json small = footage("Small", 100, 100);
    small["scale"] = {33.3, 33.3, 100};
    json mirrored = footage("Mirrored", 100, 100);
    mirrored["scale"] = {-33.3, -50, 100};
    load(scene({wide, small, mirrored}));
    open();

    Record const w = capture("Wide");
    EXPECT_EQ(w.width, 1920);
    EXPECT_EQ(w.height, 1080);
    EXPECT_EQ(w.scaled_width, 960);
    EXPECT_EQ(w.scaled_height, 2160);

    Record const s = capture("Small");
    EXPECT_EQ(s.scaled_width, 33);  // 33.3, not rounded up
    EXPECT_EQ(s.scaled_height, 33);

    Record const m = capture("Mirrored");
    EXPECT_EQ(m.scaled_width, -33);  // toward zero, not down to -34
    EXPECT_EQ(m.scaled_height, -50);
}

TEST_F(LayerInfoTest, CapturesWhereTheLayerIsAndWhenKeysGo) {
    json card = footage("Card", 640, 480);
    card["position"] = {100, 200, -300};
    card["scale"] = {80, 90, 100};
    card["offset"] = 2.0;
    load(scene({unselected(footage("Top", 10, 10)), card}, 1920, 1080, 1.5));
    open();

    Record const r = capture("Card");
    EXPECT_EQ(r.layer, handle("Card"));
    EXPECT_EQ(r.index, 1);
    EXPECT_EQ(r.position.val.three_d.x, 100);
    EXPECT_EQ(r.position.val.three_d.y, 200);
    EXPECT_EQ(r.position.val.three_d.z, -300);
    EXPECT_EQ(r.scale.val.three_d.x, 80);
    EXPECT_EQ(r.scale.val.three_d.y, 90);
    EXPECT_EQ(r.scale.val.three_d.z, 100);
    // The composition's current time, whatever the layer's own offset.
    ASSERT_NE(r.time.scale, 0u);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.time.value) / r.time.scale, 1.5);
    ASSERT_NE(r.offset.scale, 0u);
    EXPECT_DOUBLE_EQ(static_cast<double>(r.offset.value) / r.offset.scale, 2.0);
    // Only the value parts are filled; the rest of a fresh record stays zero.
    EXPECT_EQ(r.scale.streamH, nullptr);
    EXPECT_EQ(r.position.streamH, nullptr);
    EXPECT_EQ(r.orientation.streamH, nullptr);
    EXPECT_EQ(r.sel_index, 0);
    EXPECT_FALSE(r.clone);
}

TEST_F(LayerInfoTest, OrientationCombinesOrientationAndTheThreeRotations) {
    json card = footage("Card", 640, 480);
    card["orientation"] = {10, 20, 30};
    card["rotation"] = {1, 2, 3};
    load(scene({card}));
    open();

    Record const r = capture("Card");
    EXPECT_EQ(r.orientation.val.three_d.x, 11);
    EXPECT_EQ(r.orientation.val.three_d.y, 22);
    EXPECT_EQ(r.orientation.val.three_d.z, 33);
}

TEST_F(LayerInfoTest, MatrixIsZeroUntilRefreshed) {
    json card = footage("Card", 640, 480);
    card["position"] = {100, 200, 300};
    card["orientation"] = {90, 0, 90};
    load(scene({card}));
    open();

    Record r = capture("Card");
    EXPECT_TRUE(all_zero(r.mat));
    EXPECT_TRUE(all_zero(Record().mat));

    r.refresh_mat();
    // Z turns first, then X, then the shift: (1, 0, 0) -> (0, 1, 0) -> (0, 0, 1).
    math::TGeomVector3D<double> const corner = r.mat * math::TGeomVector3D<double>(1, 0, 0);
    EXPECT_NEAR(corner.x, 100, 1e-9);
    EXPECT_NEAR(corner.y, 200, 1e-9);
    EXPECT_NEAR(corner.z, 301, 1e-9);
}

class TextSizeTest : public LayerInfoTest {
protected:
    void SetUp() override {
        LayerInfoTest::SetUp();
        load(scene({footage("Card", 640, 480), text_layer("Title"), shape_layer("Star"),
                    flat(footage("Backdrop", 4000, 4000))},
                   1280, 720));
    }
};

TEST_F(TextSizeTest, CropTakesTheLargestOther3DLayer) {
    open();
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    Record const title = capture("Title");
    EXPECT_EQ(title.width, 640);
    EXPECT_EQ(title.height, 480);
    Record const star = capture("Star");
    EXPECT_EQ(star.width, 640);
    EXPECT_EQ(star.height, 480);
}

TEST_F(TextSizeTest, WithoutCropTheCompositionSizeIsUsed) {
    open();
    check(kCropTextLayers, false);
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    Record const title = capture("Title");
    EXPECT_EQ(title.width, 1280);
    EXPECT_EQ(title.height, 720);
}

TEST_F(TextSizeTest, WithoutTheCropControlTheCompositionSizeIsUsed) {
    std::set<int> controls = TestAssistant::all_controls();
    controls.erase(kCropTextLayers);
    open(controls);
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    EXPECT_TRUE(dlg->is_text_layer_use_comp_size());
    EXPECT_EQ(capture("Title").width, 1280);
}

TEST_F(LayerInfoTest, CropWithNoOther3DSourceFallsBackToTheComposition) {
    load(scene({text_layer("Title"), flat(footage("Backdrop", 4000, 4000)), unselected(footage("Card", 640, 480))},
               1280, 720));
    open();
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    Record const title = capture("Title");
    EXPECT_EQ(title.width, 1280);
    EXPECT_EQ(title.height, 720);
}

TEST_F(LayerInfoTest, InfoIsFoundByLayer) {
    load(scene({footage("A", 10, 10), footage("B", 20, 20)}));
    open();
    Record a;
    a.layer = handle("A");
    a.index = 7;
    Record b;
    b.layer = handle("B");
    dlg->layers = {a, b, a};
    ASSERT_NE(dlg->get_info(handle("A")), nullptr);
    EXPECT_EQ(dlg->get_info(handle("A")), &dlg->layers.front());
    EXPECT_EQ(dlg->get_info(handle("B")), &*std::next(dlg->layers.begin()));
    EXPECT_EQ(dlg->get_info(nullptr), nullptr);
}

// Every host call of a capture, failed in turn: the status comes back and the
// caller's record keeps what it held.
TEST_F(LayerInfoTest, AFailureAtEachReadLeavesTheRecordUntouched) {
    json card = footage("Card", 640, 480);
    card["orientation"] = {10, 20, 30};
    load(scene({card}));
    open();

    mark();
    Record reference;
    ASSERT_EQ(dlg->collect_info(handle("Card"), reference), A_Err_NONE);
    std::vector<std::string> const steps = calls_since_mark();
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "AEGP_GetLayerCurrentTime", "AEGP_GetLayerCurrentTime", "AEGP_GetLayerStreamValue",
                         "AEGP_GetLayerStreamValue", "AEGP_GetLayerIndex", "AEGP_GetLayerOffset",
                         "AEGP_GetLayerStreamValue", "AEGP_GetLayerStreamValue", "AEGP_GetLayerStreamValue",
                         "AEGP_GetLayerStreamValue", "AEGP_GetLayerSourceItem", "AEGP_GetItemDimensions"}));

    for (std::size_t step = 0; step < steps.size(); ++step) {
        SCOPED_TRACE("failing call " + std::to_string(step + 1) + ": " + steps[step]);
        long occurrence = 0;
        for (std::size_t j = 0; j <= step; ++j) occurrence += steps[j] == steps[step];
        host.calls().fail_function(steps[step], host.calls().calls_of(steps[step]) + occurrence, 77);

        Record record;
        record.index = -5;
        record.width = 1234;
        record.position.val.three_d = {1, 2, 3};
        Record const before = record;
        EXPECT_EQ(dlg->collect_info(handle("Card"), record), 77);
        EXPECT_EQ(record.index, before.index);
        EXPECT_EQ(record.width, before.width);
        EXPECT_EQ(std::memcmp(&record.position, &before.position, sizeof before.position), 0);
        EXPECT_EQ(record.layer, nullptr);
        host.calls().clear_faults();
    }
}

}  // namespace

// Records captured from host scenes: sizes, scales, rotations, matrices, and
// what a host failure leaves behind.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <tuple>

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
    return m.flags == 0 && std::all_of(&m.m[0][0], &m.m[0][0] + 16, [](double v) { return v == 0; });
}

// Scaled sizes are truncated toward zero: 33.3 stays 33, -33.3 is -33, not -34.
TEST_F(LayerInfoTest, ScaledSizesAreTruncatedTowardZero) {
    struct Case {
        int width, height;
        double scale_x, scale_y;
        int scaled_width, scaled_height;
    } const cases[] = {
        {1920, 1080, 50, 200, 960, 2160}, {100, 100, 33.3, 33.3, 33, 33}, {100, 100, -33.3, -50, -33, -50}};
    for (Case const& c : cases) {
        json layer = footage("L", c.width, c.height);
        layer["scale"] = {c.scale_x, c.scale_y, 100};
        load(scene({layer}));
        if (!dlg) open();
        Record const r = capture("L");
        EXPECT_EQ((std::array{r.width, r.height, r.scaled_width, r.scaled_height}),
                  (std::array{c.width, c.height, c.scaled_width, c.scaled_height}));
    }
}

TEST_F(LayerInfoTest, CapturesWhereTheLayerIsAndWhenKeysGo) {
    json card = footage("Card", 640, 480);
    card["position"] = {100, 200, -300};
    card["scale"] = {80, 90, 100};
    card["offset"] = 2.0;
    card["orientation"] = {10, 20, 30};
    card["rotation"] = {1, 2, 3};
    load(scene({unselected(footage("Top", 10, 10)), card}, 1920, 1080, 1.5));
    open();

    Record const r = capture("Card");
    EXPECT_EQ(std::tuple(r.layer, r.index), std::tuple(handle("Card"), 1));
    // The orientation plus the three rotations.
    EXPECT_EQ((std::array{vec(r.position), vec(r.scale), vec(r.orientation)}),
              (std::array{host::Vec3{100, 200, -300}, host::Vec3{80, 90, 100}, host::Vec3{11, 22, 33}}));
    // The composition's current time, whatever the layer's own offset.
    ASSERT_TRUE(r.time.scale && r.offset.scale);
    EXPECT_EQ(std::pair(double(r.time.value) / r.time.scale, double(r.offset.value) / r.offset.scale),
              std::pair(1.5, 2.0));
}

TEST_F(LayerInfoTest, MatrixIsZeroUntilRefreshed) {
    json card = footage("Card", 640, 480);
    card["position"] = {100, 200, 300};
    card["orientation"] = {90, 0, 90};
    load(scene({card}));
    open();

    Record r = capture("Card");
    EXPECT_TRUE(all_zero(r.mat) && all_zero(Record().mat));

    r.refresh_mat();
    // Z turns first, then X, then the shift: (1, 0, 0) -> (0, 1, 0) -> (0, 0, 1).
    math::TGeomVector3D<double> const corner = r.mat * math::TGeomVector3D<double>(1, 0, 0);
    EXPECT_NEAR(std::hypot(corner.x - 100, corner.y - 200, corner.z - 301), 0, 1e-9);
}

// A text or shape layer has no source: with the crop box it takes the largest
// other selected 3D source, otherwise (or with none) the composition's size.
TEST_F(LayerInfoTest, SizesOfLayersWithoutASource) {
    json const mixed = scene({footage("Card", 640, 480), layer_of("Title", "text"), layer_of("Star", "shape"),
                              flat(footage("Backdrop", 4000, 4000))},
                             1280, 720);
    json const no_other =
        scene({layer_of("Title", "text"), flat(footage("Backdrop", 4000, 4000)), unselected(footage("Card", 640, 480))},
              1280, 720);
    struct Case {
        char const* what;
        json const& scene;
        bool crop_control, crop;
        std::string layer;
        int width, height;
    };
    std::vector<Case> const cases{
        {"text, cropped", mixed, true, true, "Title", 640, 480},
        {"shape, cropped", mixed, true, true, "Star", 640, 480},
        {"crop off", mixed, true, false, "Title", 1280, 720},
        {"no crop control", mixed, false, false, "Title", 1280, 720},
        {"no other 3D source", no_other, true, true, "Title", 1280, 720},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        dlg.reset();
        load(c.scene);
        open_without(c.crop_control ? -1 : kCropTextLayers);
        if (c.crop_control) check(kCropTextLayers, c.crop);
        ASSERT_TRUE(dlg->save_selection() == A_Err_NONE && dlg->is_text_layer_use_comp_size() == !c.crop);
        Record const r = capture(c.layer);
        EXPECT_EQ(std::pair(r.width, r.height), std::pair(c.width, c.height));
    }
}

// Every host call of a capture, failed in turn: the status comes back and the
// caller's record keeps what it held.
TEST_F(LayerInfoTest, AFailureAtEachReadLeavesTheRecordUntouched) {
    load(scene({footage("Card", 640, 480)}));
    open();
    mark();
    Record reference;
    ASSERT_EQ(dlg->collect_info(handle("Card"), reference), A_Err_NONE);
    std::vector<std::string> const steps = calls_since_mark();
    ASSERT_EQ(steps.size(), 12u);
    for (std::size_t step = 0; step < steps.size(); ++step) {
        SCOPED_TRACE(steps[step]);
        fail_next(steps[step], std::count(steps.begin(), steps.begin() + long(step) + 1, steps[step]));
        Record record;
        record.index = -5;
        record.width = 1234;
        record.position.val.three_d = {1, 2, 3};
        Record const before = record;
        EXPECT_EQ(dlg->collect_info(handle("Card"), record), 77);
        host.calls().clear_faults();
        EXPECT_EQ(std::tuple(record.index, record.width, record.layer), std::tuple(-5, 1234, AEGP_LayerH{}));
        EXPECT_EQ(std::memcmp(&record.position, &before.position, sizeof before.position), 0);
    }
}

}  // namespace

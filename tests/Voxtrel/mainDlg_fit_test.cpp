// Scale to fit: layers reaching past the box shrink until their diagonals
// touch its faces, never below one pixel on their larger side.
#include <cmath>

#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

class MainDlgFitting : public MainDlgTest {
protected:
    void SetUp() override { build(); }

    // One layer of the given scaled size at `at`, turned by `orientation` degrees.
    AssistantDlg::LayerInfo& place(Vector at, Vector orientation = {0, 0, 0}, A_long w = 200, A_long h = 100) {
        dlg->add_records(1, w, h);
        auto& record = dlg->layers.back();
        record.position.val.three_d = {at.x, at.y, at.z};
        record.orientation.val.three_d = {orientation.x, orientation.y, orientation.z};
        return record;
    }
};

}  // namespace

// 200 x 100 layers in the default 1000 box unless said otherwise.
TEST_F(MainDlgFitting, FitExamples) {
    struct Case {
        char const* what;
        char const* box_x;
        Vector at, orientation;
        A_long w, h;
        double scale;  // x and y; z stays 100
        A_long scaled_w, scaled_h;
    };
    Case const cases[] = {
        {"inside the box", "1000", {100, -200, 300}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"past one face", "1000", {450, 0, 0}, {0, 0, 0}, 200, 100, 50, 100, 50},
        {"past two faces: the minimum size", "1000", {480, 480, 0}, {0, 0, 0}, 200, 100, 0.5, 1, 0},
        {"a wider box", "2000", {450, 0, 0}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"flat under the z face", "1000", {0, 0, 499.5}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"turned inside an x face", "1000", {499.5, 0, 0}, {0, 90, 0}, 200, 100, 100, 200, 100},
        {"turned: its width runs along z", "1000", {0, 0, 450}, {0, 90, 0}, 200, 100, 50, 100, 50},
        {"no size", "1000", {490, 490, 490}, {0, 0, 0}, 0, 0, 100, 0, 0},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        dlg->layers.clear();
        dlg->type(210, c.box_x);
        auto& record = place(c.at, c.orientation, c.w, c.h);
        dlg->scale_layers_to_fit();
        EXPECT_NEAR(record.scale.val.three_d.x, c.scale, 1e-9);
        EXPECT_NEAR(record.scale.val.three_d.y, c.scale, 1e-9);
        EXPECT_EQ(record.scale.val.three_d.z, 100.0);
        EXPECT_EQ(record.scaled_width, c.scaled_w);
        EXPECT_EQ(record.scaled_height, c.scaled_h);
    }
}

// The factor of one diagonal: half at one face, 1 inside, and overshoots at two
// faces add up below zero.
TEST_F(MainDlgFitting, SegmentFactor) {
    double const r = std::sqrt(200.0 * 200.0 + 100.0 * 100.0) * 0.5;
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(350, -50, 0), Vector(550, 50, 0), r), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(dlg->downscale_to_cube(Vector(-100, -50, 0), Vector(100, 50, 0), r), 1.0);
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(380, 430, 0), Vector(580, 530, 0), r), -0.4, 1e-12);
}

TEST_F(MainDlgFitting, RecordedSizeIsTruncated) {
    // Far too large for a 10 x 10 box: only the one-pixel minimum holds it.
    dlg->type(210, "10");
    dlg->type(211, "10");
    auto& record = place({0, 0, 0}, {0, 0, 0}, 49, 30);
    dlg->scale_layers_to_fit();
    // 49 * (1 / 49) is just below 1.
    EXPECT_EQ(record.scaled_width, 0);
    EXPECT_EQ(record.scaled_height, 0);
    EXPECT_NEAR(record.scale.val.three_d.x, 100.0 / 49.0, 1e-12);
}

TEST_F(MainDlgFitting, HookFitsWhenAskedAndBeforeTurning) {
    dlg->check(216, false);  // stepped: the single record stays at the centre
    dlg->type(210, "100");   // a box only 100 wide
    dlg->check(527, true);
    dlg->check(502, true);  // "YZ"
    auto& record = place({0, 0, 0});
    math::SetRand(99);
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    // Still flat in x-y while fitting, so the narrow box shrank it; turned into
    // y-z first, it would have had no width along x to shrink.
    EXPECT_LT(record.scale.val.three_d.x, 100.0);
    EXPECT_EQ(orientation_of(record), Vector(0, -90, 0));
}

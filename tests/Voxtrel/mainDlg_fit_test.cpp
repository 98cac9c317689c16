// Scale to fit: layers reaching past the box shrink until their diagonals
// touch its faces, never below one pixel on their larger side.
#include <cmath>

#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

class MainDlgFitting : public MainDlgTest {
protected:
    void SetUp() override { build(); }

    // One 200 x 100 layer (scaled size) at `at`, turned by `orientation` degrees.
    AssistantDlg::LayerInfo& place(Vector at, Vector orientation = {0, 0, 0}, A_long w = 200, A_long h = 100) {
        dlg->add_records(1, w, h);
        auto& record = dlg->layers.back();
        record.position.val.three_d = {at.x, at.y, at.z};
        record.orientation.val.three_d = {orientation.x, orientation.y, orientation.z};
        return record;
    }
    static Vector scale_of(AssistantDlg::LayerInfo const& record) {
        AEGP_ThreeDVal const& s = record.scale.val.three_d;
        return Vector(s.x, s.y, s.z);
    }
};

}  // namespace

TEST_F(MainDlgFitting, LayerInsideTheBoxKeepsItsScale) {
    auto& record = place({100, -200, 300});
    dlg->scale_layers_to_fit();
    EXPECT_EQ(scale_of(record), Vector(100, 100, 100));
    EXPECT_EQ(record.scaled_width, 200);
    EXPECT_EQ(record.scaled_height, 100);
}

TEST_F(MainDlgFitting, LayerPastOneFaceIsHalvedToTouchIt) {
    auto& record = place({450, 0, 0});
    dlg->scale_layers_to_fit();
    EXPECT_NEAR(record.scale.val.three_d.x, 50.0, 1e-9);
    EXPECT_NEAR(record.scale.val.three_d.y, 50.0, 1e-9);
    EXPECT_EQ(record.scale.val.three_d.z, 100.0);
    EXPECT_EQ(record.scaled_width, 100);
    EXPECT_EQ(record.scaled_height, 50);
}

TEST_F(MainDlgFitting, SegmentFactorIsHalfAtOneFace) {
    // The diagonal of the 200 x 100 layer at x = 450.
    double const r = std::sqrt(200.0 * 200.0 + 100.0 * 100.0) * 0.5;
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(350, -50, 0), Vector(550, 50, 0), r), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(dlg->downscale_to_cube(Vector(-100, -50, 0), Vector(100, 50, 0), r), 1.0);
}

TEST_F(MainDlgFitting, OvershootsAtTwoFacesAddUpToTheMinimumSize) {
    auto& record = place({480, 480, 0});
    double const r = std::sqrt(200.0 * 200.0 + 100.0 * 100.0) * 0.5;
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(380, 430, 0), Vector(580, 530, 0), r), -0.4, 1e-12);
    dlg->scale_layers_to_fit();
    EXPECT_NEAR(record.scale.val.three_d.x, 0.5, 1e-12);
    EXPECT_NEAR(record.scale.val.three_d.y, 0.5, 1e-12);
    EXPECT_EQ(record.scale.val.three_d.z, 100.0);
    EXPECT_EQ(record.scaled_width, 1);
    EXPECT_EQ(record.scaled_height, 0);
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

TEST_F(MainDlgFitting, FaceParallelToTheLayerNeverLimitsIt) {
    // Flat in x-y, right under the z face.
    auto& flat = place({0, 0, 499.5});
    // Turned into the y-z plane, right inside an x face.
    auto& turned = place({499.5, 0, 0}, {0, 90, 0});
    dlg->scale_layers_to_fit();
    EXPECT_EQ(scale_of(flat), Vector(100, 100, 100));
    EXPECT_EQ(scale_of(turned), Vector(100, 100, 100));
}

TEST_F(MainDlgFitting, TurnedLayerIsLimitedAlongItsNewDirection) {
    // Its width now runs along z, and at z = 450 it reaches the face z = 500.
    auto& record = place({0, 0, 450}, {0, 90, 0});
    dlg->scale_layers_to_fit();
    EXPECT_NEAR(record.scale.val.three_d.x, 50.0, 1e-9);
    EXPECT_EQ(record.scaled_width, 100);
}

TEST_F(MainDlgFitting, LayerOfNoSizeKeepsAFiniteScale) {
    auto& record = place({490, 490, 490}, {0, 0, 0}, 0, 0);
    dlg->scale_layers_to_fit();
    EXPECT_EQ(scale_of(record), Vector(100, 100, 100));
    EXPECT_EQ(record.scaled_width, 0);
    EXPECT_EQ(record.scaled_height, 0);
}

TEST_F(MainDlgFitting, BoxSizeComesFromTheCubeFields) {
    dlg->type(210, "2000");
    auto& record = place({450, 0, 0});
    dlg->scale_layers_to_fit();
    EXPECT_EQ(scale_of(record), Vector(100, 100, 100));
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

// Orientation choice: each record gets one of the checked options, picked by
// one draw per record; nothing is drawn or changed while none is checked.
#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

constexpr long kSeed = 424242;

class MainDlgOrienting : public MainDlgTest {
protected:
    void SetUp() override {
        build();
        dlg->add_records(kCount);
        for (auto& record : dlg->layers) record.orientation.val.three_d = {1, 2, 3};
        math::SetRand(kSeed);
    }
    void orient_all() {
        for (auto& record : dlg->layers) dlg->get_layer_orient(record.orientation);
    }

    static constexpr int kCount = 200;
};

// The state one generator step before `state` (the multiplier is odd, so it has an inverse).
std::int32_t step_back(std::uint32_t state) {
    std::uint32_t const a = 0x3243F6ADu, c = 0x1B0CB175u;
    std::uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    return static_cast<std::int32_t>(((state - c) * inverse) & 0x7FFFFFFFu);
}

}  // namespace

TEST_F(MainDlgOrienting, NothingCheckedLeavesOrientationAndGenerator) {
    // The initial state: only "Don't Change Orientation", which is no candidate.
    orient_all();
    for (auto const& record : dlg->records()) EXPECT_EQ(orientation_of(record), Vector(1, 2, 3));
    EXPECT_EQ(math::IY, kSeed);
}

// A single option: the camera's orientation or a fixed plane, with one pick
// drawn per record all the same.
TEST_F(MainDlgOrienting, SingleOptions) {
    dlg->camera_orient.val.three_d = {10, -20, 30};
    for (auto [id, angles] : {std::pair{503, Vector(10, -20, 30)}, std::pair{500, Vector(0, 0, 0)},
                              std::pair{501, Vector(-90, 0, 0)}, std::pair{502, Vector(0, -90, 0)}}) {
        SCOPED_TRACE(id);
        for (int other : {500, 501, 502, 503}) dlg->check(other, other == id);
        math::SetRand(kSeed);
        orient_all();
        for (auto const& record : dlg->records()) EXPECT_EQ(orientation_of(record), angles);
        EXPECT_EQ(math::IY, state_after(kSeed, kCount));
    }
}

TEST_F(MainDlgOrienting, RandomAnglesComeAfterThePick) {
    dlg->check(505, true);
    orient_all();
    math::SetRand(kSeed);
    for (auto const& record : dlg->records()) {
        math::LRand();
        double const x = math::Rand() * 360.0;
        double const y = math::Rand() * 360.0;
        double const z = math::Rand() * 360.0;
        EXPECT_EQ(orientation_of(record), Vector(x, y, z));
        for (double a : {x, y, z}) {
            EXPECT_GE(a, 0.0);
            EXPECT_LT(a, 360.0);
        }
    }
}

TEST_F(MainDlgOrienting, LargestDrawStaysBelow360) {
    dlg->check(505, true);
    // The pick comes first; the x angle then gets the largest value the generator has.
    math::SetRand(step_back(step_back(0x7FFFFFFFu)));
    AEGP_StreamValue orientation{};
    dlg->get_layer_orient(orientation);
    EXPECT_DOUBLE_EQ(orientation.val.three_d.x, 2147483647.0 / 2147483648.0 * 360.0);
    EXPECT_LT(orientation.val.three_d.x, 360.0);
}

TEST_F(MainDlgOrienting, CandidatesArePickedInTheirFixedOrder) {
    dlg->check(501, true);  // "XZ"
    dlg->check(500, true);  // "XY"
    orient_all();
    math::SetRand(kSeed);
    for (auto const& record : dlg->records()) {
        bool const first = static_cast<unsigned long>(math::LRand()) % 2 == 0;
        EXPECT_EQ(orientation_of(record), first ? Vector(0, 0, 0) : Vector(-90, 0, 0));
    }
}

TEST_F(MainDlgOrienting, HookTurnsEveryRecordAfterPlacingIt) {
    dlg->check(503, true);
    dlg->camera_orient.val.three_d = {0, 45, 0};
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    for (auto const& record : dlg->records()) EXPECT_EQ(orientation_of(record), Vector(0, 45, 0));
    // Three position draws and one pick per record.
    EXPECT_EQ(math::IY, state_after(kSeed, kCount * 4));
}

// Where the distribution puts the records: randomly inside the box or in
// steps from the starting point, under a fixed seed.
#include <algorithm>
#include <cmath>

#include "mainDlg_support.h"

using namespace main_dlg_test;

namespace {

constexpr long kSeed = 1234567;

class MainDlgPositions : public MainDlgTest {
protected:
    void SetUp() override {
        build();
        math::SetRand(kSeed);
    }
};

}  // namespace

TEST_F(MainDlgPositions, NoRecordsMeansNothingDrawnAndNothingAdded) {
    dlg->check(528, true);  // "Repeat Layers"
    EXPECT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    EXPECT_TRUE(dlg->layers.empty());
    EXPECT_EQ(math::IY, kSeed);
}

TEST_F(MainDlgPositions, BoxSizeIsReadFromTheCubeFields) {
    dlg->type(210, "300");
    dlg->type(211, "20");
    dlg->type(212, "0.5");
    Vector const dims = dlg->get_dims();
    EXPECT_DOUBLE_EQ(dims.x, 300.0);
    EXPECT_DOUBLE_EQ(dims.y, 20.0);
    // Widened from the field's 32-bit float.
    EXPECT_DOUBLE_EQ(dims.z, static_cast<double>(0.5f));
}

TEST_F(MainDlgPositions, RandomPositionsFillTheBoxInDrawOrder) {
    dlg->add_records(50);
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    math::SetRand(kSeed);
    for (auto const& record : dlg->records()) {
        Vector const p = position_of(record);
        EXPECT_DOUBLE_EQ(p.x, math::Rand() * 1000.0 - 500.0);
        EXPECT_DOUBLE_EQ(p.y, math::Rand() * 1000.0 - 500.0);
        EXPECT_DOUBLE_EQ(p.z, math::Rand() * 1000.0 - 500.0);
        for (double c : {p.x, p.y, p.z}) {
            EXPECT_GE(c, -500.0);
            EXPECT_LT(c, 500.0);
        }
    }
    // Three draws per record and none for the orientation, which stays unchanged.
    EXPECT_EQ(math::IY, state_after(kSeed, 150));
}

TEST_F(MainDlgPositions, StepsWalkToTheCornerAndStayThere) {
    dlg->check(216, false);
    dlg->add_records(14);
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    double expected = 0;
    for (auto const& record : dlg->records()) {
        EXPECT_EQ(position_of(record), Vector(expected, expected, expected));
        expected = std::min(expected + 50.0, 500.0);
    }
    EXPECT_EQ(math::IY, state_after(kSeed, 14 * 3));
}

// Stepped: each step is drawn between Min and Max (even when Max is below
// Min), the increment adds up from step to step, and the low face clamps.
TEST_F(MainDlgPositions, SteppedDistances) {
    dlg->check(216, false);
    dlg->type(220, "0");
    dlg->type(221, "0");
    dlg->type(222, "10");
    dlg->type(226, "40");
    dlg->type(227, "20");
    dlg->type(232, "-400");
    dlg->type(233, "-400");
    dlg->add_records(5);
    dlg->get_layers_pos();
    math::SetRand(kSeed);
    double const xs[] = {0, 10, 30, 60, 100};
    double y = 0;
    int i = 0;
    for (auto const& record : dlg->records()) {
        SCOPED_TRACE(i);
        Vector const p = position_of(record);
        EXPECT_DOUBLE_EQ(p.x, xs[i]);
        EXPECT_DOUBLE_EQ(p.y, y);
        EXPECT_DOUBLE_EQ(p.z, std::max(-400.0 * i, -500.0));
        math::Rand();
        y = ((20.0 - 40.0) * math::Rand() + 40.0) + y;
        math::Rand();
        ++i;
    }
}

TEST_F(MainDlgPositions, SingleRecordSitsAtTheStartingPoint) {
    dlg->check(216, false);
    // The starting value only moves positions through the offset the core adds.
    dlg->type(515, "100");
    dlg->type(516, "-20");
    dlg->add_records(1);
    dlg->get_layers_pos();
    EXPECT_EQ(position_of(dlg->records()[0]), Vector(0, 0, 0));
    EXPECT_EQ(dlg->get_starting_point(), Vector(0, 0, 0));
}

TEST_F(MainDlgPositions, RepeatCopiesArePlacedLikeTheOthers) {
    dlg->check(528, true);
    dlg->type(529, "2");
    dlg->add_records(2);
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    auto const records = dlg->records();
    ASSERT_EQ(records.size(), 6u);
    EXPECT_FALSE(records[1].clone);
    EXPECT_TRUE(records[2].clone);
    EXPECT_NE(position_of(records[2]), position_of(records[0]));
    EXPECT_EQ(math::IY, state_after(kSeed, 18));
}

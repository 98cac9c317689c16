// The order records are applied in: by layer index, reversed, or shuffled with
// exactly one draw per record from a generator seeded with the calendar time.
#include <algorithm>
#include <ctime>

#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"
#include "math/random.h"

using namespace assistant;
using Names = std::vector<std::string>;

namespace {

class OrderTest : public AssistantTest {
protected:
    void SetUp() override {
        AssistantTest::SetUp();
        load(scene({footage("A", 10, 10), footage("B", 10, 10), footage("C", 10, 10), footage("D", 10, 10)}));
        // Selected in an order of their own, so sorting shows.
        host.project().comp(host.main_comp())->selection = {layer("C").id, layer("A").id, layer("D").id, layer("B").id};
        open();
        dlg->place = [this](AssistantDlg::LayerList& records) {
            order.clear();
            places.clear();
            for (auto const& record : records) order.push_back(name_of(record.layer));
            for (auto const& record : records) places.push_back(record.sel_index);
            state_after_order = math::IY;
        };
    }

    // Applies and returns the seed the application must have used, found among
    // the seconds the application could have read.
    std::vector<long> apply_with_seeds() {
        std::time_t const first = std::time(nullptr);
        EXPECT_EQ(dlg->apply_assistant(), A_Err_NONE);
        std::time_t const last = std::time(nullptr);
        std::vector<long> seeds;
        for (std::time_t t = first; t <= last; ++t) seeds.push_back(static_cast<long>(static_cast<A_long>(t)));
        return seeds;
    }

    Names order;
    std::vector<A_long> places;  // in the selection
    std::int32_t state_after_order = 0;
};

// Each record carries its place in the selection.
TEST_F(OrderTest, RecordsAreSortedByLayerIndexOrReversed) {
    ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
    EXPECT_EQ(std::tuple(order, places), std::tuple(Names{"A", "B", "C", "D"}, std::vector<A_long>{1, 3, 0, 2}));
    check(kReverseOrder, true);
    EXPECT_EQ((std::tuple{dlg->apply_assistant(), order}), std::tuple(A_Err_NONE, Names{"D", "C", "B", "A"}));
}

TEST_F(OrderTest, WithoutShufflingNoNumberIsDrawn) {
    std::vector<long> const seeds = apply_with_seeds();
    EXPECT_NE(std::find(seeds.begin(), seeds.end(), static_cast<long>(state_after_order)), seeds.end());
}

// Replays the shuffle from each candidate seed: one draw per record, each
// picking (draw mod remaining) from what is left, in list order.
TEST_F(OrderTest, ShufflingDrawsOncePerRecord) {
    for (bool reverse : {false, true}) {
        SCOPED_TRACE(reverse ? "reversed first" : "sorted");
        check(kReverseOrder, reverse);
        check(kRandomOrder, true);
        std::vector<long> const seeds = apply_with_seeds();
        bool matched = false;
        for (long seed : seeds) {
            math::SetRand(seed);
            Names pool = reverse ? Names{"D", "C", "B", "A"} : Names{"A", "B", "C", "D"};
            Names expected;
            while (!pool.empty()) {
                unsigned long const k = static_cast<unsigned long>(math::LRand()) % pool.size();
                expected.push_back(pool[k]);
                pool.erase(pool.begin() + static_cast<long>(k));
            }
            if (math::IY == state_after_order && expected == order) matched = true;
        }
        EXPECT_TRUE(matched) << "no seed gives four draws and this order";
    }
}

}  // namespace

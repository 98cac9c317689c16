// The layer stack against a plain vector: random insertions, removals and
// reads by index (in order and at random) must agree at every step.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "host/layer_stack.h"

namespace {

using host::LayerStack;
using host::ObjectId;

TEST(LayerStack, AgreesWithAVectorThroughRandomChanges) {
    std::mt19937 random(11);
    LayerStack stack;
    std::vector<ObjectId> model;
    ObjectId next = 1;
    for (int step = 0; step < 4000; ++step) {
        const int what = static_cast<int>(random() % 10);
        if (what < 6 || model.empty()) {
            const std::size_t at = random() % (model.size() + 1);
            stack.insert(at, next);
            model.insert(model.begin() + static_cast<long>(at), next++);
        } else if (what < 9) {
            const ObjectId gone = model[random() % model.size()];
            ASSERT_TRUE(stack.erase(gone));
            model.erase(std::find(model.begin(), model.end(), gone));
            ASSERT_FALSE(stack.erase(gone));
        } else {
            ASSERT_EQ(LayerStack(stack), stack);
            LayerStack reversed;  // the same layers in another order are another stack
            reversed.assign(std::vector<ObjectId>(model.rbegin(), model.rend()));
            ASSERT_EQ(reversed == stack, model.size() < 2);
            stack.assign(model);
        }
        ASSERT_TRUE(stack.size() == model.size() && (step % 97 != 0 || stack.ids() == model));
        for (int probe = 0; probe < 3 && !model.empty(); ++probe) {
            const std::size_t i = random() % model.size();
            ASSERT_TRUE(stack[i] == model[i] && stack.index_of(model[i]) == i && stack.contains(model[i]));
        }
        ASSERT_FALSE(stack.index_of(next));
    }
    // Read in order by index, as a plug-in walks a composition.
    for (std::size_t i = 0; i < model.size(); ++i) ASSERT_EQ(stack[i], model[i]);
    EXPECT_EQ(std::vector<ObjectId>(stack.begin(), stack.end()), model);
    EXPECT_NE(stack, LayerStack{});
    // Reads past the end, a layer put in twice or past the end are refused.
    EXPECT_THROW(stack[model.size()], std::out_of_range);
    EXPECT_THROW(stack.insert(0, model[0]), std::logic_error);
    EXPECT_THROW(stack.insert(model.size() + 1, next), std::logic_error);
}

}  // namespace

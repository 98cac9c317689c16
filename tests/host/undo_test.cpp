// Undo groups: nesting, counts, names, and undo/redo of a mixed group back to
// an identical project.
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Undo = ModelFixture;
using host::Host;

TEST_F(Undo, MixedNestedGroupIsOneStepThatUndoesAndRedoesToIdenticalProjects) {
    const host::Project before = h.project();
    EXPECT_EQ(utility->AEGP_StartUndoGroup(nullptr), A_Err_PARAMETER);
    ASSERT_EQ(utility->AEGP_StartUndoGroup("Voxtrel"), A_Err_NONE);
    write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3});
    insert_key(layer(0), AEGP_LayerStream_SCALE, 0.5);
    write(layer(0), AEGP_LayerStream_SCALE, {50, 50, 50});
    write(layer(1), AEGP_LayerStream_POSITION, {9, 9, 9});  // keyed: adds a key
    AEGP_LayerH copy = nullptr;
    layers10->AEGP_DuplicateLayer(layer(1), &copy);
    ASSERT_EQ(utility->AEGP_StartUndoGroup("inner"), A_Err_NONE);
    EXPECT_EQ(h.undo_history().depth(), 2);
    EXPECT_FALSE(h.undo());  // not inside a group
    layers->AEGP_ReorderLayer(copy, 4);
    select({0, 4});
    commands->AEGP_DoCommand(host::kDuplicateCommand);
    write(layer(0), AEGP_LayerStream_SCALE, {5, 5, 5});
    h.delete_layer(*host::handle_id(layer(2), host::HandleKind::layer));
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    EXPECT_EQ(std::tuple(h.undo_history().depth(), h.undo_history().groups_started(), h.undo_history().groups_ended()),
              std::tuple(0, 3, 3));  // the person's delete is a group of its own
    EXPECT_EQ(h.undo_history().group_names(), (std::vector<std::string>{"Voxtrel", "inner", "Delete Layer"}));
    const host::Project after = h.project();
    ASSERT_NE(after, before);
    ASSERT_EQ(h.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "Voxtrel");
    for (const auto& [step, expected] : {std::pair{&Host::undo, &before}, {&Host::undo, nullptr},
                                         {&Host::redo, &after}, {&Host::redo, nullptr}, {&Host::undo, &before}}) {
        EXPECT_EQ((h.*step)(), expected != nullptr);
        if (expected) {
            EXPECT_EQ(h.project(), *expected);
        }
    }
}

TEST_F(Undo, AnEmptyGroupIsAStepAndChangesOutsideGroupsMakeNoneAndCannotBeRedoneOver) {
    utility->AEGP_StartUndoGroup("empty");
    utility->AEGP_EndUndoGroup();
    EXPECT_EQ(h.undo_history().undo_steps().size(), 1u);
    ASSERT_TRUE(h.undo());
    write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3});
    EXPECT_TRUE(h.undo_history().undo_steps().empty());
    EXPECT_FALSE(h.undo());
    utility->AEGP_StartUndoGroup("g");
    write(layer(0), AEGP_LayerStream_POSITION, {4, 5, 6});
    utility->AEGP_EndUndoGroup();
    ASSERT_TRUE(h.undo());
    write(layer(0), AEGP_LayerStream_SCALE, {1, 1, 1});
    EXPECT_FALSE(h.redo());
}

TEST_F(Undo, APersonsNewAndDeletedLayersAreStepsOfTheirOwnAndMustHoldTogether) {
    const host::Project start = h.project();
    host::Layer bad;
    bad.type = host::LayerType::footage;  // without a source
    EXPECT_EQ(h.add_layer(bad), 0u);
    bad.type = host::LayerType::light;  // a 2D light
    EXPECT_EQ(h.add_layer(bad), 0u);
    bad.type = host::LayerType::text;
    bad.stream(host::StreamId::position).keys = {{*host::Time::fraction(1, 1), {}}, {host::Time(), {}}};
    EXPECT_EQ(h.add_layer(bad), 0u);
    bad.stream(host::StreamId::position).keys.clear();
    bad.source = h.project().layers.at(h.find_layer("A")).source;  // text has no source
    EXPECT_EQ(h.add_layer(bad), 0u);
    host::Layer camera;
    camera.name = "New Camera";
    camera.type = host::LayerType::camera;
    camera.three_d = true;
    ASSERT_NE(h.add_layer(camera, 1), 0u);
    const host::Project with_camera = h.project();
    const host::ObjectId b = h.find_layer("B");
    ASSERT_TRUE(h.delete_layer(b));
    EXPECT_FALSE(h.delete_layer(b));
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "New Camera", "Cam", "T"}));
    EXPECT_EQ(selection(), (std::vector<std::string>{"A"}));
    bad.source = 0;
    EXPECT_NE(h.add_layer(bad, 99), 0u);  // beyond the bottom: at the bottom
    EXPECT_EQ(stack().back(), "");
    ASSERT_EQ(h.undo_history().undo_steps().size(), 3u);
    EXPECT_EQ(h.undo_history().undo_steps()[1].name, "Delete Layer");
    EXPECT_EQ(h.undo_history().undo_steps()[2].name, "New Layer");
    h.undo();
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), with_camera);
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), start);
    ASSERT_TRUE(h.redo());
    EXPECT_EQ(h.project(), with_camera);
}

}  // namespace

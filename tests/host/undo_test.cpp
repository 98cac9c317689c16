// Undo groups: nesting, counts, names, and undo/redo of a mixed group back to
// an identical scene.
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Undo = ModelFixture;

TEST_F(Undo, MixedGroupUndoesAndRedoesToIdenticalProjects) {
    const host::Project project_before = h.project();
    const std::string before = h.save_scene_text();
    ASSERT_EQ(utility->AEGP_StartUndoGroup("Voxtrel"), A_Err_NONE);
    write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3});
    insert_key(layer(0), AEGP_LayerStream_SCALE, 0.5);
    write(layer(0), AEGP_LayerStream_SCALE, {50, 50, 50});
    write(layer(1), AEGP_LayerStream_POSITION, {9, 9, 9});  // keyed: adds a key
    AEGP_LayerH copy = nullptr;
    layers10->AEGP_DuplicateLayer(layer(1), &copy);
    ASSERT_EQ(utility->AEGP_StartUndoGroup("inner"), A_Err_NONE);
    layers->AEGP_ReorderLayer(copy, 4);
    select({0, 4});
    commands->AEGP_DoCommand(host::kDuplicateCommand);
    write(layer(0), AEGP_LayerStream_SCALE, {5, 5, 5});
    h.delete_layer(*host::handle_id(layer(2), host::HandleKind::layer));
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    const host::Project project_after = h.project();
    const std::string after = h.save_scene_text();
    ASSERT_NE(after, before);

    ASSERT_EQ(h.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "Voxtrel");
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), project_before);
    EXPECT_EQ(h.save_scene_text(), before);
    EXPECT_FALSE(h.undo());
    ASSERT_TRUE(h.redo());
    EXPECT_EQ(h.project(), project_after);
    EXPECT_EQ(h.save_scene_text(), after);
    EXPECT_FALSE(h.redo());
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), project_before);
}

// A group keeps what it changed, not a copy of the project.
TEST_F(Undo, AStepKeepsOnlyWhatItsGroupChanged) {
    for (int i = 0; i < 200; ++i) {
        AEGP_LayerH copy = nullptr;
        layers10->AEGP_DuplicateLayer(layer(3), &copy);
    }
    utility->AEGP_StartUndoGroup("one value");
    write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3});
    write(layer(0), AEGP_LayerStream_POSITION, {4, 5, 6});
    utility->AEGP_EndUndoGroup();
    const host::UndoStep& step = h.undo_history().undo_steps().back();
    EXPECT_EQ(step.before.streams.size(), 1u);
    EXPECT_EQ(step.after.streams.size(), 1u);
    EXPECT_TRUE(step.before.layers.empty() && step.before.orders.empty() && step.before.selections.empty());
}

TEST_F(Undo, APersonsNewAndDeletedLayersAreStepsOfTheirOwn) {
    const host::Project start = h.project();
    host::Layer camera;
    camera.name = "New Camera";
    camera.type = host::LayerType::camera;
    camera.three_d = true;
    const host::ObjectId added = h.add_layer(camera, 1);
    ASSERT_NE(added, 0u);
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "New Camera", "B", "Cam", "T"}));
    const host::Project with_camera = h.project();
    const host::ObjectId b = h.find_layer("B");
    ASSERT_TRUE(h.delete_layer(b));
    EXPECT_FALSE(h.delete_layer(b));
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "New Camera", "Cam", "T"}));
    EXPECT_EQ(selection(), (std::vector<std::string>{"A"}));
    ASSERT_EQ(h.undo_history().undo_steps().size(), 2u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "New Layer");
    EXPECT_EQ(h.undo_history().undo_steps()[1].name, "Delete Layer");
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), with_camera);
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.project(), start);
    ASSERT_TRUE(h.redo());
    EXPECT_EQ(h.project(), with_camera);
}

TEST_F(Undo, APersonsLayerMustHoldTogether) {
    host::Layer layer;
    layer.type = host::LayerType::footage;  // without a source
    EXPECT_EQ(h.add_layer(layer), 0u);
    layer.type = host::LayerType::light;  // a 2D light
    EXPECT_EQ(h.add_layer(layer), 0u);
    layer.type = host::LayerType::text;
    layer.stream(host::StreamId::position).keys = {{*host::Time::fraction(1, 1), {}}, {host::Time(), {}}};
    EXPECT_EQ(h.add_layer(layer), 0u);
    layer.stream(host::StreamId::position).keys.clear();
    layer.source = h.project().layers.at(h.find_layer("A")).source;  // text has no source
    EXPECT_EQ(h.add_layer(layer), 0u);
    layer.source = 0;
    EXPECT_NE(h.add_layer(layer, 99), 0u);  // beyond the bottom: at the bottom
    EXPECT_EQ(stack().back(), "");
    EXPECT_EQ(h.undo_history().undo_steps().size(), 1u);
}

TEST_F(Undo, GroupsNestCountAndNameOneStepEvenWhenEmpty) {
    const std::string before = h.save_scene_text();
    EXPECT_EQ(utility->AEGP_EndUndoGroup(), A_Err_PARAMETER);
    EXPECT_EQ(utility->AEGP_StartUndoGroup(nullptr), A_Err_PARAMETER);
    utility->AEGP_StartUndoGroup("outer");
    utility->AEGP_StartUndoGroup("inner");
    EXPECT_EQ(h.undo_history().depth(), 2);
    EXPECT_FALSE(h.undo());  // not inside a group
    utility->AEGP_EndUndoGroup();
    utility->AEGP_EndUndoGroup();
    EXPECT_EQ(h.undo_history().depth(), 0);
    EXPECT_EQ(h.undo_history().groups_started(), 2);
    EXPECT_EQ(h.undo_history().groups_ended(), 2);
    EXPECT_EQ(h.undo_history().group_names(), (std::vector<std::string>{"outer", "inner"}));
    ASSERT_EQ(h.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "outer");
    EXPECT_TRUE(h.undo());
    EXPECT_EQ(h.save_scene_text(), before);
}

TEST_F(Undo, ChangesOutsideGroupsMakeNoStepAndCannotBeRedoneOver) {
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

}  // namespace

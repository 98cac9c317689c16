// Undo groups: nesting, counts, names, and undo/redo of a mixed group back to
// an identical scene.
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Undo = ModelFixture;

TEST_F(Undo, MixedGroupUndoesAndRedoesToIdenticalScenes) {
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
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    ASSERT_EQ(utility->AEGP_EndUndoGroup(), A_Err_NONE);
    const std::string after = h.save_scene_text();
    ASSERT_NE(after, before);

    ASSERT_EQ(h.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "Voxtrel");
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.save_scene_text(), before);
    EXPECT_FALSE(h.undo());
    ASSERT_TRUE(h.redo());
    EXPECT_EQ(h.save_scene_text(), after);
    EXPECT_FALSE(h.redo());
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.save_scene_text(), before);
}

TEST_F(Undo, GroupsAreCountedAndNamedIncludingNestedOnes) {
    utility->AEGP_StartUndoGroup("outer");
    utility->AEGP_StartUndoGroup("inner");
    EXPECT_EQ(h.undo_history().depth(), 2);
    utility->AEGP_EndUndoGroup();
    utility->AEGP_EndUndoGroup();
    EXPECT_EQ(h.undo_history().groups_started(), 2);
    EXPECT_EQ(h.undo_history().groups_ended(), 2);
    EXPECT_EQ(h.undo_history().group_names(), (std::vector<std::string>{"outer", "inner"}));
    EXPECT_EQ(h.undo_history().depth(), 0);
}

TEST_F(Undo, AnEmptyGroupIsStillANamedStep) {
    const std::string before = h.save_scene_text();
    utility->AEGP_StartUndoGroup("Nothing");
    utility->AEGP_EndUndoGroup();
    ASSERT_EQ(h.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(h.undo_history().undo_steps()[0].name, "Nothing");
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

TEST_F(Undo, EndWithoutStartAndUndoInsideAGroupAreRefused) {
    EXPECT_EQ(utility->AEGP_EndUndoGroup(), A_Err_PARAMETER);
    EXPECT_EQ(utility->AEGP_StartUndoGroup(nullptr), A_Err_PARAMETER);
    utility->AEGP_StartUndoGroup("g");
    utility->AEGP_EndUndoGroup();
    utility->AEGP_StartUndoGroup("open");
    EXPECT_FALSE(h.undo());
    utility->AEGP_EndUndoGroup();
    EXPECT_TRUE(h.undo());
}

TEST_F(Undo, DuplicateCommandInsideAGroupIsUndone) {
    const std::string before = h.save_scene_text();
    utility->AEGP_StartUndoGroup("dup");
    commands->AEGP_DoCommand(host::kDuplicateCommand);
    utility->AEGP_EndUndoGroup();
    EXPECT_EQ(stack().size(), 6u);
    ASSERT_TRUE(h.undo());
    EXPECT_EQ(h.save_scene_text(), before);
}

}  // namespace

// Repeats on both ways of duplicating a layer: the host's layer duplication and,
// on hosts without it, the Duplicate command.

#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"

using namespace assistant;

namespace {

enum class Path { direct, command };

class RepeatTest : public AssistantTest, public ::testing::WithParamInterface<Path> {
protected:
    void SetUp() override {
        AssistantTest::SetUp();
        if (GetParam() == Path::command) host.remove_suite(kAEGPLayerSuite, kAEGPLayerSuiteVersion10);
        load(scene({footage("A", 100, 10), footage("B", 200, 20), footage("C", 300, 30)}));
        open();
        check(kRepeatLayers, true);
        number(kRepeatCount, 2);
    }

    std::vector<host::ObjectId> stack_ids() const { return host.layer_ids(); }
    std::vector<host::ObjectId> record_ids() const {
        std::vector<host::ObjectId> ids;
        for (auto const& record : dlg->layers)
            ids.push_back(host::handle_id(record.layer, host::HandleKind::layer).value_or(0));
        return ids;
    }
};

TEST_P(RepeatTest, CountZeroOrRepeatOffMakesNoCopies) {
    for (bool repeat_on : {true, false}) {
        SCOPED_TRACE(repeat_on ? "count zero" : "repeat off");
        check(kRepeatLayers, repeat_on);
        number(kRepeatCount, repeat_on ? 0 : 2);
        ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
        EXPECT_EQ(std::pair(dlg->layers.size(), stack_ids().size()), std::pair(3ul, 3ul));
    }
}

TEST_P(RepeatTest, AFailedDuplicationSkipsOnlyItsRecord) {
    fail_next(GetParam() == Path::direct ? "AEGP_DuplicateLayer" : "AEGP_DoCommand", 2);
    ASSERT_TRUE(dlg->apply_assistant() == A_Err_NONE && dlg->layers.size() == 9u);
    EXPECT_EQ(std::pair(stack_ids().size(), std::next(dlg->layers.begin(), 4)->layer), std::pair(8ul, AEGP_LayerH{}));
    // No layer got the skipped record's place.
    host::Vec3 const skipped_place{50 + 960, 100 + 540, 150};
    for (host::ObjectId id : stack_ids())
        EXPECT_NE(host.project().layer(id)->stream(host::StreamId::position).value, skipped_place);
    EXPECT_EQ(std::count_if(dlg->layers.begin(), dlg->layers.end(), [](auto& r) { return r.layer != nullptr; }), 8);
}

// Sequential repeats go to the bottom in the order made; otherwise each
// duplicate lands directly above its original, so the second round comes
// between the first and the original.
TEST_P(RepeatTest, WhereTheDuplicatesGoInTheStack) {
    for (bool sequential : {true, false}) {
        SCOPED_TRACE(sequential ? "sequential" : "above the originals");
        load(scene({footage("A", 100, 10), footage("B", 200, 20), footage("C", 300, 30)}));
        check(kRepeatSequentially, sequential);
        std::vector<host::ObjectId> const o = stack_ids();
        ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
        std::vector<host::ObjectId> const d = record_ids();
        std::vector<host::ObjectId> const expected =
            sequential ? std::vector<host::ObjectId>{o[0], o[1], o[2], d[3], d[4], d[5], d[6], d[7], d[8]}
                       : std::vector<host::ObjectId>{d[3], d[6], o[0], d[4], d[7], o[1], d[5], d[8], o[2]};
        EXPECT_EQ(stack_ids(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(BothPaths, RepeatTest, ::testing::Values(Path::direct, Path::command),
                         [](auto const& info) { return info.param == Path::direct ? "LayerSuite" : "Command"; });

using RepeatControlsTest = AssistantTest;

// Which controls "Repeat Layers" enables is checked on the plug-in's dialog
// (tests/Voxtrel); here, that its click starts no application, and that without
// the count control, or without the box itself, there is nothing to repeat.
TEST_F(RepeatControlsTest, RepeatLayersClickAndMissingControls) {
    load(scene({footage("A", 10, 10)}));
    open();
    EXPECT_TRUE(click(kRepeatLayers) && host.undo_history().groups_started() == 0);
    for (int missing : {kRepeatCount, kRepeatLayers}) {
        open_without(missing);
        if (missing == kRepeatCount) check(kRepeatLayers, true);
        if (missing == kRepeatLayers) number(kRepeatCount, 2);
        ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
        EXPECT_EQ(dlg->layers.size(), 1u) << missing;
    }
}

// The Duplicate command selects the one layer, duplicates it and finds the new
// layer by comparing the stack before and after.
TEST_F(RepeatControlsTest, TheOrderOfOneDuplicationByCommand) {
    host.remove_suite(kAEGPLayerSuite, kAEGPLayerSuiteVersion10);
    load(scene({footage("A", 10, 10), footage("B", 10, 10)}));
    open();
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    check(kRepeatSequentially, true);
    mark();
    AEGP_LayerH const made = dlg->clone(handle("A"));
    ASSERT_NE(made, nullptr);
    std::string const snap =
        " GetActiveItem GetItemType GetCompFromItem GetCompNumLayers GetCompLayerByIndex GetCompLayerByIndex ";
    EXPECT_EQ(calls_since_mark(), aegp("NewCollection CollectionPushBack SetSelection" + snap + "DoCommand" + snap +
                                       "GetCompLayerByIndex DisposeCollection ReorderLayer"));
    EXPECT_EQ(host.layer_ids().back(), host::handle_id(made, host::HandleKind::layer).value());
    // The host's selection is left on the duplicate.
    EXPECT_EQ(host.project().comp(host.main_comp())->selection,
              std::vector<host::ObjectId>{host::handle_id(made, host::HandleKind::layer).value()});
    // With a layer of the stack before unread, no new layer can be told apart.
    fail_next("AEGP_GetCompLayerByIndex");
    EXPECT_EQ(dlg->clone(handle("A")), nullptr);
    // With footage active, nothing is duplicated.
    host.project().active_item = host.project().layer(host::handle_id(made, host::HandleKind::layer).value())->source;
    mark();
    EXPECT_TRUE(dlg->clone(handle("A")) == nullptr &&
                calls_since_mark() == aegp("NewCollection CollectionPushBack SetSelection GetActiveItem GetItemType "
                                           "DisposeCollection"));
}

}  // namespace

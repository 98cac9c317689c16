// One application as the host sees it: the order of its calls, the undo group,
// what an empty or unsuitable selection does, and how failures end it.

#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"

using namespace assistant;
using Calls = std::vector<std::string>;
using host::StreamId, host::Vec3;

namespace {

Calls stream_write(int stream, bool key = false) {
    Calls writes{"open " + std::to_string(stream)};
    if (key) writes.push_back("key");
    writes.push_back("set");
    writes.push_back("close");
    return writes;
}

Calls operator+(Calls a, Calls const& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

class ApplyTest : public AssistantTest {
protected:
    void SetUp() override {
        AssistantTest::SetUp();
        load(scene({card()}, 1920, 1080, 1.0));
        open();
    }
    static json card() {
        json card = footage("Card", 640, 480);
        card["position"] = {1, 2, 3};
        card["scale"] = {80, 90, 100};
        card["orientation"] = {10, 20, 30};
        card["rotation"] = {1, 2, 3};
        card["offset"] = 2.0;
        return card;
    }

    A_Err apply() {
        mark();
        return dlg->apply_assistant();
    }
};

TEST_F(ApplyTest, TheWholeSequenceOfOneRecord) {
    ASSERT_EQ(apply(), A_Err_NONE);
    Calls const write = aegp("GetNewLayerStream SetStreamValue DisposeStream");
    EXPECT_EQ(calls_since_mark(),
              aegp("GetActiveItem GetItemType GetCompFromItem GetNewCollectionFromCompSelection GetItemDimensions "
                   "GetCollectionNumItems GetCollectionItemByIndex IsLayer3D GetLayerSourceItem GetItemDimensions "
                   "StartUndoGroup GetCollectionNumItems GetCollectionItemByIndex GetLayerObjectType IsLayer3D "
                   // The record's capture.
                   "GetLayerCurrentTime GetLayerCurrentTime GetLayerStreamValue GetLayerStreamValue GetLayerIndex "
                   "GetLayerOffset GetLayerStreamValue GetLayerStreamValue GetLayerStreamValue GetLayerStreamValue "
                   "GetLayerSourceItem GetItemDimensions") +
                  write + write + aegp("EndUndoGroup"));
}

// Which streams are written in which order, and which are keyed first:
// keeping the orientation writes position then scale only, even with its key
// box; changing it zeroes the three rotations, then writes orientation. Keys
// land at the composition's time, not shifted by the layer's 2 s offset; the
// application is one undo step named by the assistant, and undoing it gives
// the project back.
TEST_F(ApplyTest, StreamsWrittenAndKeyed) {
    struct Case {
        bool keep;
        int key_box;  // 0: none
        Calls writes;
    };
    auto const changing = [](int keyed) {
        return stream_write(8) + stream_write(9) + stream_write(3) + stream_write(10, keyed == 10) +
               stream_write(1, keyed == 1) + stream_write(2, keyed == 2);
    };
    Case const cases[] = {
        {true, 0, stream_write(1) + stream_write(2)},
        {true, kKeyOrientation, stream_write(1) + stream_write(2)},
        {false, 0, changing(0)},
        {false, kKeyPosition, changing(1)},
        {false, kKeyOrientation, changing(10)},
        {false, kKeyScale, changing(2)},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::string(c.keep ? "keep" : "change") + ", key box " + std::to_string(c.key_box));
        load(scene({card()}, 1920, 1080, 1.0));
        json const before = host.save_scene();
        check(kKeepOrientation, c.keep);
        for (int box : {kKeyPosition, kKeyOrientation, kKeyScale}) check(box, box == c.key_box);
        EXPECT_EQ((std::tuple{apply(), writes_since_mark()}), std::tuple(A_Err_NONE, c.writes));
        // Position is the assistant's plus the composition centre; scale is as captured.
        EXPECT_EQ(value("Card", StreamId::position), (Vec3{970, 560, 30}));
        EXPECT_EQ(value("Card", StreamId::scale), (Vec3{80, 90, 100}));
        EXPECT_EQ(value("Card", StreamId::orientation), (c.keep ? Vec3{10, 20, 30} : Vec3{5, 10, 15}));
        EXPECT_EQ(value("Card", StreamId::rotation_z).x, c.keep ? 3 : 0);
        EXPECT_EQ(layer("Card").stream(StreamId::orientation).keyed(), c.key_box == kKeyOrientation && !c.keep);
        for (StreamId id : {StreamId::position, StreamId::scale, StreamId::orientation})
            for (auto const& key : layer("Card").stream(id).keys) EXPECT_EQ(key.time.seconds(), 1.0);
        ASSERT_EQ(host.undo_history().undo_steps().size(), 1u);
        EXPECT_EQ(host.undo_history().undo_steps().back().name, "Test Assistant");
        EXPECT_EQ((std::tuple{host.undo(), host.save_scene()}), std::tuple(true, before));
    }
}

// An empty selection and a missing composition both leave one empty, named undo step.
TEST_F(ApplyTest, NothingToApplyMakesAnEmptyUndoStep) {
    for (bool active : {true, false}) {
        SCOPED_TRACE(active ? "empty selection" : "no active composition");
        json s = scene({footage("Card", 10, 10)});
        s["active"] = active;
        load(s);
        host.project().comp(host.main_comp())->selection.clear();
        ASSERT_EQ(apply(), A_Err_NONE);
        EXPECT_EQ(std::tuple(dlg->positions_calls, writes_since_mark()), std::tuple(0, Calls{}));
        Calls const calls = calls_since_mark();
        if (active)
            EXPECT_EQ(Calls(calls.end() - 3, calls.end()), aegp("StartUndoGroup GetCollectionNumItems EndUndoGroup"));
        else
            EXPECT_EQ(dlg->selection, nullptr);
        ASSERT_EQ(host.undo_history().undo_steps().size(), 1u);
        EXPECT_EQ(host.undo_history().undo_steps().back().name, "Test Assistant");
    }
}

TEST_F(ApplyTest, TheAssistantsRefusalStopsBeforeAnyWrite) {
    dlg->positions_status = 42;
    EXPECT_EQ((std::tuple{apply(), writes_since_mark(), host.undo_history().depth()}), std::tuple(42, Calls{}, 0));
}

TEST_F(ApplyTest, RefusedWritesAreSkippedStreamByStream) {
    load(scene({footage("A", 10, 10), footage("B", 10, 10)}));
    fail_next("AEGP_SetStreamValue", 1);     // A's position
    fail_next("AEGP_GetNewLayerStream", 4);  // B's scale
    ASSERT_EQ(apply(), A_Err_NONE);
    EXPECT_EQ(writes_since_mark(), stream_write(1) + stream_write(2) + stream_write(1) + Calls{"open 2"});
    EXPECT_EQ(std::tuple(value("A", StreamId::position), value("B", StreamId::position), host.open_streams()),
              std::tuple(Vec3{0, 0, 0}, Vec3{980, 580, 60}, 0L));
}

}  // namespace

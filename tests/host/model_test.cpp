// The project model through the item, comp, layer, collection, stream and
// keyframe suites.
#include <gtest/gtest.h>

#include <tuple>

#include "host/time.h"
#include "model_fixture.h"

namespace {

using host::Host;
using host_test::ModelFixture;

using Model = ModelFixture;

void expect_vec(const AEGP_ThreeDVal& v, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(v.x, x);
    EXPECT_DOUBLE_EQ(v.y, y);
    EXPECT_DOUBLE_EQ(v.z, z);
}

TEST_F(Model, ItemsLayersAndTheirSources) {
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "B", "Cam", "T"}));
    // Per layer: object type, 3D, source item type and size (none for text and cameras), source name.
    const struct {
        AEGP_ObjectType type;
        A_Boolean three_d;
        AEGP_ItemType source_type;
        A_long width, height;
        const char* source_name;
    } expected[] = {{AEGP_ObjectType_AV, 1, AEGP_ItemType_FOOTAGE, 640, 480, "A"},
                    {AEGP_ObjectType_AV, 1, AEGP_ItemType_FOOTAGE, 200, 100, "B"},  // a solid is footage
                    {AEGP_ObjectType_CAMERA, 1, AEGP_ItemType_NONE, 0, 0, ""},
                    {AEGP_ObjectType_TEXT, 0, AEGP_ItemType_NONE, 0, 0, ""}};
    for (A_long i = 0; i < 4; ++i) {
        const auto& e = expected[i];
        AEGP_ObjectType type = -1;
        A_Boolean is3d = 9;
        A_long index = -1, w = 0, hgt = 0;
        AEGP_ItemH source = reinterpret_cast<AEGP_ItemH>(1);
        AEGP_ItemType source_type = AEGP_ItemType_NONE;
        A_char name[AEGP_MAX_LAYER_NAME_SIZE], source_name[AEGP_MAX_LAYER_NAME_SIZE];
        layers->AEGP_GetLayerObjectType(layer(i), &type);
        layers->AEGP_IsLayer3D(layer(i), &is3d);
        layers->AEGP_GetLayerIndex(layer(i), &index);
        layers->AEGP_GetLayerName(layer(i), name, source_name);
        ASSERT_EQ(layers->AEGP_GetLayerSourceItem(layer(i), &source), A_Err_NONE);
        if (source) {
            items->AEGP_GetItemType(source, &source_type);
            items->AEGP_GetItemDimensions(source, &w, &hgt);
        }
        EXPECT_EQ(std::tuple(type, is3d, index, source_type, w, hgt, std::string(source_name)),
                  std::tuple(e.type, e.three_d, i, e.source_type, e.width, e.height, std::string(e.source_name)))
            << i;
    }
    // The active item is the composition, or footage, or none.
    AEGP_ItemH active = nullptr;
    AEGP_ItemType type = AEGP_ItemType_NONE;
    A_long w = 0, hgt = 0;
    items->AEGP_GetActiveItem(&active);
    items->AEGP_GetItemType(active, &type);
    items->AEGP_GetItemDimensions(active, &w, &hgt);
    EXPECT_EQ(std::tuple(type, w, hgt), std::tuple(AEGP_ItemType_COMP, 1920, 1080));
    h.project().active_item = h.project().layers.at(h.find_layer("A")).source;
    items->AEGP_GetActiveItem(&active);
    items->AEGP_GetItemType(active, &type);
    EXPECT_EQ(type, AEGP_ItemType_FOOTAGE);
    h.project().active_item = 0;
    EXPECT_EQ(items->AEGP_GetActiveItem(&active), A_Err_NONE);
    EXPECT_EQ(active, nullptr);
}

TEST_F(Model, CurrentTimeAndOffsetAsFrameExactTimes) {
    const auto seconds = [](const A_Time& t) { return std::to_string(t.value) + "/" + std::to_string(t.scale); };
    A_Time t{};
    ASSERT_EQ(layers->AEGP_GetLayerCurrentTime(layer(1), AEGP_LTimeMode_CompTime, &t), A_Err_NONE);
    EXPECT_EQ(seconds(t), "15/30");
    layers->AEGP_GetLayerCurrentTime(layer(1), AEGP_LTimeMode_LayerTime, &t);
    EXPECT_EQ(seconds(t), "1/4");  // minus the offset of 0.25 s, which is on no frame of 30 fps
    layers->AEGP_GetLayerOffset(layer(1), &t);
    EXPECT_EQ(seconds(t), "1/4");
}

// A key inserted at the time the host reports and the value set then are one
// key, however the time falls between frames.
TEST_F(Model, AKeyAtTheReportedTimeTakesTheValueSetAtThatTime) {
    h.project().comps.begin()->second.frame_rate = 25;
    h.set_current_time(A_Time{1, 3});
    for (const AEGP_LTimeMode mode : {AEGP_LTimeMode_CompTime, AEGP_LTimeMode_LayerTime}) {
        A_Time now{};
        ASSERT_EQ(layers->AEGP_GetLayerCurrentTime(layer(1), mode, &now), A_Err_NONE);
        AEGP_StreamRefH s = nullptr;
        streams->AEGP_GetNewLayerStream(plugin, layer(1), AEGP_LayerStream_SCALE, &s);
        AEGP_KeyframeIndex index = -1;
        ASSERT_EQ(keys->AEGP_InsertKeyframe(s, mode, &now, &index), A_Err_NONE);
        AEGP_StreamValue v{};
        v.val.three_d = {50, 60, 70};
        ASSERT_EQ(streams->AEGP_SetStreamValue(plugin, s, &v), A_Err_NONE);
        streams->AEGP_DisposeStream(s);
        const auto& ks = h.project().layers.at(h.find_layer("B")).stream(host::StreamId::scale).keys;
        ASSERT_EQ(ks.size(), 1u) << "mode " << mode;
        EXPECT_EQ(ks[0].time, *host::Time::fraction(1, 3));
        EXPECT_EQ(ks[0].value, (host::Vec3{50, 60, 70}));
    }
}

TEST_F(Model, KeyedStreamInterpolatesLinearlyAndHoldsItsEnds) {
    const AEGP_LayerH b = layer(1);
    expect_vec(read(b, AEGP_LayerStream_POSITION, 0.5), 50, 100, -150);
    expect_vec(read(b, AEGP_LayerStream_POSITION, 0.25), 25, 50, -75);
    expect_vec(read(b, AEGP_LayerStream_POSITION, -1), 0, 0, 0);
    expect_vec(read(b, AEGP_LayerStream_POSITION, 3), 100, 200, -300);
    // Layer time is composition time minus the offset.
    expect_vec(read(b, AEGP_LayerStream_POSITION, 0.25, AEGP_LTimeMode_LayerTime), 50, 100, -150);
}

TEST_F(Model, StreamTypesAndDefaults) {
    const A_Time t{0, 1};
    AEGP_StreamVal v{};
    AEGP_StreamType type = AEGP_StreamType_NO_DATA;
    streams->AEGP_GetLayerStreamValue(layer(0), AEGP_LayerStream_SCALE, AEGP_LTimeMode_CompTime, &t, 0, &v, &type);
    EXPECT_EQ(type, AEGP_StreamType_ThreeD);
    expect_vec(v.three_d, 100, 100, 100);
    streams->AEGP_GetLayerStreamValue(layer(0), AEGP_LayerStream_ROTATE_X, AEGP_LTimeMode_CompTime, &t, 0, &v, &type);
    EXPECT_EQ(type, AEGP_StreamType_OneD);
    streams->AEGP_GetLayerStreamValue(layer(0), AEGP_LayerStream_POSITION, AEGP_LTimeMode_CompTime, &t, 0, &v, &type);
    EXPECT_EQ(type, AEGP_StreamType_ThreeD_SPATIAL);
    expect_vec(v.three_d, 10, 20, 30);
    // A camera's anchor point is its point of interest.
    expect_vec(read(layer(2), AEGP_LayerStream_ANCHORPOINT, 0), 960, 540, 0);
}

TEST_F(Model, SettingAStreamSetsItsStaticValueOrTheKeyAtTheCurrentTime) {
    ASSERT_EQ(write(layer(0), AEGP_LayerStream_POSITION, {1, 2, 3}), A_Err_NONE);
    expect_vec(read(layer(0), AEGP_LayerStream_POSITION, 9), 1, 2, 3);
    EXPECT_FALSE(h.project().layers.at(h.find_layer("A")).stream(host::StreamId::position).keyed());
    // A one-dimensional stream takes the first value.
    ASSERT_EQ(write(layer(0), AEGP_LayerStream_ROTATE_Y, {45, 1, 1}), A_Err_NONE);
    EXPECT_EQ(h.project().layers.at(h.find_layer("A")).stream(host::StreamId::rotation_y).value.x, 45);

    ASSERT_EQ(write(layer(1), AEGP_LayerStream_POSITION, {7, 8, 9}), A_Err_NONE);
    const auto& ks = h.project().layers.at(h.find_layer("B")).stream(host::StreamId::position).keys;
    ASSERT_EQ(ks.size(), 3u);
    EXPECT_EQ(ks[1].time, *host::Time::fraction(1, 2));
    expect_vec(read(layer(1), AEGP_LayerStream_POSITION, 0.5), 7, 8, 9);
    expect_vec(read(layer(1), AEGP_LayerStream_POSITION, 0.25), 3.5, 4, 4.5);
    // Again at the same time: the same key changes.
    write(layer(1), AEGP_LayerStream_POSITION, {1, 1, 1});
    EXPECT_EQ(ks.size(), 3u);
}

TEST_F(Model, InsertKeyframeReturnsExistingIndexOrMakesAKeyWithTheValueThere) {
    EXPECT_EQ(insert_key(layer(1), AEGP_LayerStream_POSITION, 1.0), 1);
    EXPECT_EQ(h.project().layers.at(h.find_layer("B")).stream(host::StreamId::position).keys.size(), 2u);
    EXPECT_EQ(insert_key(layer(1), AEGP_LayerStream_POSITION, 0.75), 1);
    const auto& ks = h.project().layers.at(h.find_layer("B")).stream(host::StreamId::position).keys;
    ASSERT_EQ(ks.size(), 3u);
    EXPECT_EQ(ks[1].value, (host::Vec3{75, 150, -225}));
    // The first key on a static stream takes the static value.
    EXPECT_EQ(insert_key(layer(0), AEGP_LayerStream_POSITION, 2.0), 0);
    expect_vec(read(layer(0), AEGP_LayerStream_POSITION, 0), 10, 20, 30);
    EXPECT_TRUE(h.project().layers.at(h.find_layer("A")).stream(host::StreamId::position).keyed());
}

TEST_F(Model, SelectionInSelectionOrderAndSetFromACollection) {
    EXPECT_EQ(selection(), (std::vector<std::string>{"B", "A"}));
    select({3, 2, 3});
    EXPECT_EQ(selection(), (std::vector<std::string>{"T", "Cam"}));
    select({});
    EXPECT_TRUE(selection().empty());
}

TEST_F(Model, DuplicateLayerCopiesEverythingAboveTheOriginal) {
    const AEGP_LayerH b = layer(1);
    AEGP_LayerH copy = nullptr;
    ASSERT_EQ(layers10->AEGP_DuplicateLayer(b, &copy), A_Err_NONE);
    EXPECT_GT(reinterpret_cast<uintptr_t>(copy), reinterpret_cast<uintptr_t>(layer(3)));
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "B", "B", "Cam", "T"}));
    EXPECT_EQ(layer(1), copy);
    EXPECT_EQ(layer(2), b);
    EXPECT_EQ(selection(), (std::vector<std::string>{"B", "A"}));
    const auto& project = h.project();
    host::Layer original = project.layers.at(*host::handle_id(b, host::HandleKind::layer));
    host::Layer duplicate = project.layers.at(*host::handle_id(copy, host::HandleKind::layer));
    EXPECT_EQ(duplicate.stream(host::StreamId::position).keys.size(), 2u);
    duplicate.id = original.id;
    EXPECT_EQ(duplicate, original);
}

TEST_F(Model, DuplicateCommandDuplicatesTheSelectionAndSelectsTheCopies) {
    EXPECT_TRUE(h.command_enabled(host::kDuplicateCommand));
    ASSERT_EQ(commands->AEGP_DoCommand(host::kDuplicateCommand), A_Err_NONE);
    EXPECT_EQ(stack(), (std::vector<std::string>{"A", "A", "B", "B", "Cam", "T"}));
    EXPECT_EQ(selection(), (std::vector<std::string>{"B", "A"}));
    // The selected layers are the copies, each directly above its original.
    AEGP_CollectionH sel = nullptr;
    comps->AEGP_GetNewCollectionFromCompSelection(plugin, comp(), &sel);
    AEGP_CollectionItem first{};
    collections->AEGP_GetCollectionItemByIndex(sel, 0, &first);
    collections->AEGP_DisposeCollection(sel);
    EXPECT_EQ(first.u.layer.layerH, layer(2));
    EXPECT_EQ(h.project().layers.at(*host::handle_id(layer(2), host::HandleKind::layer)).stream(host::StreamId::position).keys.size(), 2u);
    // Without a selection it is disabled.
    select({});
    EXPECT_FALSE(h.command_enabled(host::kDuplicateCommand));
    EXPECT_FALSE(h.invoke_command(host::kDuplicateCommand));
    EXPECT_EQ(stack().size(), 6u);
}

TEST_F(Model, ReorderMovesALayerAndTheOthersCloseUp) {
    const AEGP_LayerH a = layer(0);
    ASSERT_EQ(layers->AEGP_ReorderLayer(a, 3), A_Err_NONE);
    EXPECT_EQ(stack(), (std::vector<std::string>{"B", "Cam", "T", "A"}));
    ASSERT_EQ(layers->AEGP_ReorderLayer(a, 1), A_Err_NONE);
    EXPECT_EQ(stack(), (std::vector<std::string>{"B", "A", "Cam", "T"}));
}

TEST_F(Model, APersonSelectsLayersAndMovesTheCurrentTime) {
    h.select_layers({h.find_layer("T"), h.find_layer("A"), h.find_layer("T"), 9999});
    EXPECT_EQ(selection(), (std::vector<std::string>{"T", "A"}));
    h.set_current_time(A_Time{90, 60});
    A_Time t{};
    layers->AEGP_GetLayerCurrentTime(layer(0), AEGP_LTimeMode_CompTime, &t);
    EXPECT_EQ(t.value, 45);
    EXPECT_EQ(t.scale, 30u);
    EXPECT_THROW(h.set_current_time(A_Time{1, 0}), std::invalid_argument);
    EXPECT_THROW(h.set_current_time(A_Time{-1, 30}), std::invalid_argument);
    EXPECT_TRUE(h.undo_history().undo_steps().empty());
}

}  // namespace

// Handles: null, unknown, disposed and foreign handles are refused with
// A_Err_PARAMETER, and handles of one kind follow creation order.
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

using host::Host;
using host_test::ModelFixture;

using Handles = ModelFixture;

TEST_F(Handles, NullUnknownAndForeignLayerHandles) {
    const AEGP_LayerH null_layer = nullptr;
    const AEGP_LayerH unknown = Host::layer_handle(9999);
    const AEGP_LayerH foreign = reinterpret_cast<AEGP_LayerH>(comp());
    int local = 0;
    const AEGP_LayerH stray = reinterpret_cast<AEGP_LayerH>(&local);
    for (AEGP_LayerH bad : {null_layer, unknown, foreign, stray}) {
        A_long index = 0;
        AEGP_ObjectType type = 0;
        A_Boolean is3d = 0;
        AEGP_ItemH source = nullptr;
        A_Time t{};
        AEGP_LayerH dup = nullptr;
        AEGP_StreamRefH s = nullptr;
        A_char name[AEGP_MAX_LAYER_NAME_SIZE], source_name[AEGP_MAX_LAYER_NAME_SIZE];
        AEGP_StreamVal v{};
        EXPECT_EQ(layers->AEGP_GetLayerIndex(bad, &index), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetLayerObjectType(bad, &type), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_IsLayer3D(bad, &is3d), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetLayerSourceItem(bad, &source), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetLayerName(bad, name, source_name), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetLayerCurrentTime(bad, AEGP_LTimeMode_CompTime, &t), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetLayerOffset(bad, &t), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_ReorderLayer(bad, 0), A_Err_PARAMETER);
        EXPECT_EQ(layers10->AEGP_DuplicateLayer(bad, &dup), A_Err_PARAMETER);
        EXPECT_EQ(streams->AEGP_GetNewLayerStream(1, bad, AEGP_LayerStream_POSITION, &s), A_Err_PARAMETER);
        EXPECT_EQ(streams->AEGP_GetLayerStreamValue(bad, AEGP_LayerStream_POSITION, AEGP_LTimeMode_CompTime, &t, 0,
                                                    &v, nullptr),
                  A_Err_PARAMETER);
    }
    EXPECT_EQ(h.open_streams(), 0);
}

TEST_F(Handles, NullUnknownAndForeignItemAndCompHandles) {
    AEGP_ItemType type = 0;
    A_long w = 0, hgt = 0, n = 0;
    AEGP_CompH c = nullptr;
    AEGP_CollectionH sel = nullptr;
    AEGP_LayerH l = nullptr;
    for (AEGP_ItemH bad : {static_cast<AEGP_ItemH>(nullptr), Host::item_handle(4242),
                           reinterpret_cast<AEGP_ItemH>(comp())}) {
        EXPECT_EQ(items->AEGP_GetItemType(bad, &type), A_Err_PARAMETER);
        EXPECT_EQ(items->AEGP_GetItemDimensions(bad, &w, &hgt), A_Err_PARAMETER);
        EXPECT_EQ(comps->AEGP_GetCompFromItem(bad, &c), A_Err_PARAMETER);
    }
    AEGP_ItemH active = nullptr;
    items->AEGP_GetActiveItem(&active);
    for (AEGP_CompH bad : {static_cast<AEGP_CompH>(nullptr), Host::comp_handle(4242),
                           reinterpret_cast<AEGP_CompH>(active)}) {
        EXPECT_EQ(layers->AEGP_GetCompNumLayers(bad, &n), A_Err_PARAMETER);
        EXPECT_EQ(layers->AEGP_GetCompLayerByIndex(bad, 0, &l), A_Err_PARAMETER);
        EXPECT_EQ(comps->AEGP_GetNewCollectionFromCompSelection(1, bad, &sel), A_Err_PARAMETER);
    }
    EXPECT_EQ(layers->AEGP_GetCompLayerByIndex(comp(), 4, &l), A_Err_PARAMETER);
    EXPECT_EQ(layers->AEGP_GetCompLayerByIndex(comp(), -1, &l), A_Err_PARAMETER);
    EXPECT_EQ(h.open_collections(), 0);
}

TEST_F(Handles, DisposedCollectionsAndStreamsAreRefused) {
    AEGP_CollectionH c = nullptr;
    collections->AEGP_NewCollection(1, &c);
    ASSERT_EQ(collections->AEGP_DisposeCollection(c), A_Err_NONE);
    A_u_long n = 0;
    EXPECT_EQ(collections->AEGP_GetCollectionNumItems(c, &n), A_Err_PARAMETER);
    EXPECT_EQ(collections->AEGP_DisposeCollection(c), A_Err_PARAMETER);
    EXPECT_EQ(comps->AEGP_SetSelection(comp(), c), A_Err_PARAMETER);

    AEGP_StreamRefH s = nullptr;
    streams->AEGP_GetNewLayerStream(1, layer(0), AEGP_LayerStream_POSITION, &s);
    ASSERT_EQ(streams->AEGP_DisposeStream(s), A_Err_NONE);
    AEGP_StreamValue v{};
    EXPECT_EQ(streams->AEGP_SetStreamValue(1, s, &v), A_Err_PARAMETER);
    const A_Time t{0, 1};
    AEGP_KeyframeIndex index = 0;
    EXPECT_EQ(keys->AEGP_InsertKeyframe(s, AEGP_LTimeMode_CompTime, &t, &index), A_Err_PARAMETER);
    EXPECT_EQ(streams->AEGP_DisposeStream(s), A_Err_PARAMETER);
    // A collection handle is no stream handle.
    collections->AEGP_NewCollection(1, &c);
    EXPECT_EQ(streams->AEGP_DisposeStream(reinterpret_cast<AEGP_StreamRefH>(c)), A_Err_PARAMETER);
    collections->AEGP_DisposeCollection(c);
}

TEST_F(Handles, CollectionItemsAndSelectionsAreChecked) {
    AEGP_CollectionH c = nullptr;
    collections->AEGP_NewCollection(1, &c);
    AEGP_CollectionItem item{};
    item.type = AEGP_CollectionItemType_LAYER;
    item.u.layer.layerH = Host::layer_handle(777);
    EXPECT_EQ(collections->AEGP_CollectionPushBack(c, &item), A_Err_PARAMETER);
    item.type = 9;
    item.u.layer.layerH = layer(0);
    EXPECT_EQ(collections->AEGP_CollectionPushBack(c, &item), A_Err_PARAMETER);
    EXPECT_EQ(collections->AEGP_CollectionPushBack(c, nullptr), A_Err_PARAMETER);
    A_u_long n = 9;
    collections->AEGP_GetCollectionNumItems(c, &n);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(collections->AEGP_GetCollectionItemByIndex(c, 0, &item), A_Err_PARAMETER);
    collections->AEGP_DisposeCollection(c);
}

TEST_F(Handles, OutPointersAreRequired) {
    EXPECT_EQ(items->AEGP_GetActiveItem(nullptr), A_Err_PARAMETER);
    EXPECT_EQ(layers->AEGP_GetCompNumLayers(comp(), nullptr), A_Err_PARAMETER);
    A_char name[AEGP_MAX_LAYER_NAME_SIZE];
    EXPECT_EQ(layers->AEGP_GetLayerName(layer(0), name, nullptr), A_Err_PARAMETER);
    AEGP_StreamRefH s = nullptr;
    streams->AEGP_GetNewLayerStream(1, layer(0), AEGP_LayerStream_POSITION, &s);
    const A_Time t{0, 1};
    EXPECT_EQ(keys->AEGP_InsertKeyframe(s, AEGP_LTimeMode_CompTime, &t, nullptr), A_Err_PARAMETER);
    EXPECT_EQ(keys->AEGP_InsertKeyframe(s, AEGP_LTimeMode_CompTime, nullptr, nullptr), A_Err_PARAMETER);
    EXPECT_EQ(streams->AEGP_SetStreamValue(1, s, nullptr), A_Err_PARAMETER);
    streams->AEGP_DisposeStream(s);
    EXPECT_TRUE(h.project().layers.at(h.find_layer("A")).stream(host::StreamId::position).keys.empty());
}

TEST_F(Handles, LayerHandlesFollowCreationOrder) {
    AEGP_LayerH previous = nullptr;
    for (A_long i = 0; i < 4; ++i) {
        EXPECT_GT(reinterpret_cast<uintptr_t>(layer(i)), reinterpret_cast<uintptr_t>(previous));
        previous = layer(i);
    }
    AEGP_LayerH copy = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &copy);
    EXPECT_GT(reinterpret_cast<uintptr_t>(copy), reinterpret_cast<uintptr_t>(previous));
}

TEST_F(Handles, LayersRemovedByUndoBecomeUnknown) {
    utility->AEGP_StartUndoGroup("dup");
    AEGP_LayerH copy = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &copy);
    AEGP_StreamRefH s = nullptr;
    streams->AEGP_GetNewLayerStream(1, copy, AEGP_LayerStream_POSITION, &s);
    utility->AEGP_EndUndoGroup();
    ASSERT_TRUE(h.undo());
    A_long index = 0;
    EXPECT_EQ(layers->AEGP_GetLayerIndex(copy, &index), A_Err_PARAMETER);
    AEGP_StreamValue v{};
    EXPECT_EQ(streams->AEGP_SetStreamValue(1, s, &v), A_Err_PARAMETER);
    EXPECT_EQ(streams->AEGP_DisposeStream(s), A_Err_NONE);
}

}  // namespace

// Handles: null, unknown, foreign and stale handles are refused with
// A_Err_PARAMETER; a stale handle stays refused however many objects are made
// after it (ids are never reused), and handles follow creation order.
#include "model_fixture.h"

namespace {

using host::Host;
using host_test::ModelFixture;

using Handles = ModelFixture;

TEST_F(Handles, BadAndStaleHandlesAreRefusedWhateverIsMadeAfterThem) {
    // Layers deleted by a person or made in an undone group; a disposed collection and stream.
    AEGP_LayerH deleted = nullptr, undone = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &deleted);
    h.delete_layer(*host::handle_id(deleted, host::HandleKind::layer));
    utility->AEGP_StartUndoGroup("dup");
    layers10->AEGP_DuplicateLayer(layer(0), &undone);
    utility->AEGP_EndUndoGroup();
    h.undo();
    AEGP_CollectionH collection = nullptr;
    collections->AEGP_NewCollection(plugin, &collection);
    ASSERT_EQ(collections->AEGP_DisposeCollection(collection), A_Err_NONE);
    AEGP_StreamRefH stream = nullptr;
    streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_POSITION, &stream);
    ASSERT_EQ(streams->AEGP_DisposeStream(stream), A_Err_NONE);
    // Many new objects of every kind, held open; handles follow creation order.
    std::vector<AEGP_CollectionH> new_collections(50);
    std::vector<AEGP_StreamRefH> new_streams(50);
    AEGP_LayerH previous = undone;
    for (int i = 0; i < 50; ++i) {
        AEGP_LayerH made = nullptr;
        layers10->AEGP_DuplicateLayer(layer(0), &made);
        ASSERT_GT(reinterpret_cast<uintptr_t>(made), reinterpret_cast<uintptr_t>(previous));
        previous = made;
        collections->AEGP_NewCollection(plugin, &new_collections[i]);
        streams->AEGP_GetNewLayerStream(plugin, made, AEGP_LayerStream_SCALE, &new_streams[i]);
        ASSERT_TRUE(new_collections[i] != collection && new_streams[i] != stream);
    }
    int local = 0;
    A_long index = 0, n = 0;
    A_u_long count = 0;
    AEGP_LayerH dup = nullptr;
    AEGP_StreamRefH s = nullptr;
    AEGP_ItemType type = 0;
    AEGP_CompH comp_out = nullptr;
    AEGP_CollectionH sel = nullptr;
    AEGP_StreamValue v{};
    const auto refused = [](std::size_t calls) { return std::vector<A_Err>(calls, A_Err_PARAMETER); };
    for (AEGP_LayerH l : {AEGP_LayerH{}, Host::layer_handle(9999), reinterpret_cast<AEGP_LayerH>(comp()),
                          reinterpret_cast<AEGP_LayerH>(&local), deleted, undone}) {
        AEGP_CollectionItem item{};
        item.type = AEGP_CollectionItemType_STREAM;  // the last kind of item, which names its layer too
        item.u.layer.layerH = l;
        EXPECT_EQ((std::vector{layers->AEGP_GetLayerIndex(l, &index), layers10->AEGP_DuplicateLayer(l, &dup),
                               streams->AEGP_GetNewLayerStream(plugin, l, AEGP_LayerStream_POSITION, &s),
                               collections->AEGP_CollectionPushBack(new_collections[0], &item)}),
                  refused(4));
        EXPECT_NE(h.calls().refusals().back().reason.find("layerH"), std::string::npos);
    }
    for (AEGP_ItemH bad : {AEGP_ItemH{}, Host::item_handle(4242), reinterpret_cast<AEGP_ItemH>(comp())})
        EXPECT_EQ((std::vector{items->AEGP_GetItemType(bad, &type), comps->AEGP_GetCompFromItem(bad, &comp_out)}),
                  refused(2));
    for (AEGP_CompH bad : {AEGP_CompH{}, Host::comp_handle(4242),
                           reinterpret_cast<AEGP_CompH>(Host::item_handle(h.project().active_item))})
        EXPECT_EQ((std::vector{layers->AEGP_GetCompNumLayers(bad, &n),
                               comps->AEGP_GetNewCollectionFromCompSelection(plugin, bad, &sel)}),
                  refused(2));
    // A live stream passed as a collection is refused, though a live collection has its id.
    EXPECT_EQ((std::vector{collections->AEGP_GetCollectionNumItems(collection, &count),
                           collections->AEGP_DisposeCollection(collection),
                           collections->AEGP_DisposeCollection(reinterpret_cast<AEGP_CollectionH>(new_streams[0])),
                           streams->AEGP_SetStreamValue(plugin, stream, &v), streams->AEGP_DisposeStream(stream)}),
              refused(5));
    for (AEGP_CollectionH made : new_collections) collections->AEGP_DisposeCollection(made);
    for (AEGP_StreamRefH made : new_streams) streams->AEGP_DisposeStream(made);
    EXPECT_EQ(std::tuple(h.open_streams() + h.open_collections(), h.layer_ids().size()), std::tuple(0, 54u));
}

}  // namespace

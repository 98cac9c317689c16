// A host holding the small scene, with every model suite acquired as a
// plug-in would, and short ways to reach layers and read streams.
#pragma once

#include <gtest/gtest.h>

#include <tuple>

#include "host/Host.h"
#include "host_test_support.h"

namespace host_test {

struct ModelFixture : ::testing::Test {
    host::Host h;
    const AEGP_PluginID plugin = attach_plugin(h);
    const AEGP_ItemSuite3* items = acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    const AEGP_CompSuite4* comps = acquire<AEGP_CompSuite4>(h, kAEGPCompSuite, 4);
    const AEGP_LayerSuite5* layers = acquire<AEGP_LayerSuite5>(h, kAEGPLayerSuite, 5);
    const AEGP_LayerSuite10* layers10 = acquire<AEGP_LayerSuite10>(h, kAEGPLayerSuite, 10);
    const AEGP_CollectionSuite1* collections = acquire<AEGP_CollectionSuite1>(h, kAEGPCollectionSuite, 1);
    const AEGP_StreamSuite4* streams = acquire<AEGP_StreamSuite4>(h, kAEGPStreamSuite, 4);
    const AEGP_KeyframeSuite1* keys = acquire<AEGP_KeyframeSuite1>(h, kAEGPKeyframeSuite, 1);
    const AEGP_UtilitySuite3* utility = acquire<AEGP_UtilitySuite3>(h, kAEGPUtilitySuite, 3);
    const AEGP_CommandSuite1* commands = acquire<AEGP_CommandSuite1>(h, kAEGPCommandSuite, 1);

    ModelFixture() { h.load_scene_text(kSmallScene); }

    AEGP_CompH comp() { return host::Host::comp_handle(h.project().active_item); }
    AEGP_LayerH layer(A_long index) {
        AEGP_LayerH l = nullptr;
        EXPECT_EQ(layers->AEGP_GetCompLayerByIndex(comp(), index, &l), A_Err_NONE);
        return l;
    }
    std::string name_of(AEGP_LayerH l) {
        A_char name[AEGP_MAX_LAYER_NAME_SIZE], source[AEGP_MAX_LAYER_NAME_SIZE];
        EXPECT_EQ(layers->AEGP_GetLayerName(l, name, source), A_Err_NONE);
        return name;
    }
    std::vector<std::string> stack() {
        std::vector<std::string> names;
        A_long n = 0;
        layers->AEGP_GetCompNumLayers(comp(), &n);
        for (A_long i = 0; i < n; ++i) names.push_back(name_of(layer(i)));
        return names;
    }
    std::vector<std::string> selection() {
        AEGP_CollectionH sel = nullptr;
        EXPECT_EQ(comps->AEGP_GetNewCollectionFromCompSelection(plugin, comp(), &sel), A_Err_NONE);
        A_u_long n = 0;
        collections->AEGP_GetCollectionNumItems(sel, &n);
        std::vector<std::string> names;
        for (A_u_long i = 0; i < n; ++i) {
            AEGP_CollectionItem item{};
            collections->AEGP_GetCollectionItemByIndex(sel, i, &item);
            names.push_back(name_of(item.u.layer.layerH));
        }
        collections->AEGP_DisposeCollection(sel);
        return names;
    }
    static A_Time at(double seconds) { return {static_cast<A_long>(seconds * 1000), 1000}; }
    // The stream's type and value at a time given in seconds.
    std::tuple<AEGP_StreamType, double, double, double> read(AEGP_LayerH l, AEGP_LayerStream which, double seconds,
                                                             AEGP_LTimeMode mode = AEGP_LTimeMode_CompTime) {
        const A_Time t = at(seconds);
        AEGP_StreamVal v{};
        AEGP_StreamType type = AEGP_StreamType_NO_DATA;
        EXPECT_EQ(streams->AEGP_GetLayerStreamValue(l, which, mode, &t, 0, &v, &type), A_Err_NONE);
        return {type, v.three_d.x, v.three_d.y, v.three_d.z};
    }
    // Sets the value through a stream of its own (the key at the current time on a keyed stream).
    A_Err write(AEGP_LayerH l, AEGP_LayerStream which, AEGP_ThreeDVal value) {
        AEGP_StreamValue v{};
        EXPECT_EQ(streams->AEGP_GetNewLayerStream(plugin, l, which, &v.streamH), A_Err_NONE);
        v.val.three_d = value;
        const A_Err err = streams->AEGP_SetStreamValue(plugin, v.streamH, &v);
        streams->AEGP_DisposeStream(v.streamH);
        return err;
    }
    A_long insert_key(AEGP_LayerH l, AEGP_LayerStream which, A_Time t, AEGP_LTimeMode mode = AEGP_LTimeMode_CompTime) {
        AEGP_StreamRefH s = nullptr;
        streams->AEGP_GetNewLayerStream(plugin, l, which, &s);
        AEGP_KeyframeIndex index = -1;
        EXPECT_EQ(keys->AEGP_InsertKeyframe(s, mode, &t, &index), A_Err_NONE);
        streams->AEGP_DisposeStream(s);
        return index;
    }
    void select(std::initializer_list<A_long> indices) {
        AEGP_CollectionH c = nullptr;
        collections->AEGP_NewCollection(plugin, &c);
        for (A_long i : indices) {
            AEGP_CollectionItem item{};
            item.type = AEGP_CollectionItemType_LAYER;
            item.u.layer.layerH = layer(i);
            collections->AEGP_CollectionPushBack(c, &item);
        }
        EXPECT_EQ(comps->AEGP_SetSelection(comp(), c), A_Err_NONE);
        collections->AEGP_DisposeCollection(c);
    }
};

}  // namespace host_test

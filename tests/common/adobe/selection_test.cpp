// Following the host's selection: the largest 3D source, what the selection
// holds, the collection's life, and the crop box that needs a recent host.
#include <array>

#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"

using namespace assistant;

namespace {

using SelectionTest = AssistantTest;

TEST_F(SelectionTest, TheLargest3DSourceCounts) {
    load(scene({footage("Card", 640, 480), footage("Wall", 1920, 1080, "solid"), flat(footage("Huge", 4000, 4000)),
                layer_of("Title", "text")},
               1280, 720));
    open();
    const auto sizes = [&] { return std::array{dlg->max_width, dlg->max_height, dlg->comp_width, dlg->comp_height}; };
    EXPECT_EQ((std::tuple{dlg->save_selection(), sizes()}), std::tuple(A_Err_NONE, std::array{1920, 1080, 1280, 720}));
    EXPECT_EQ(dlg->comp, host::Host::comp_handle(host.main_comp()));

    // Of two equal areas the first in handle order wins, whatever the selection order.
    load(scene({footage("Wide", 1000, 500), footage("Tall", 500, 1000)}));
    host.project().comp(host.main_comp())->selection = {layer("Tall").id, layer("Wide").id};
    EXPECT_EQ((std::tuple{dlg->save_selection(), sizes()}), std::tuple(A_Err_NONE, std::array{1000, 500, 1920, 1080}));

    load(scene({layer_of("Title", "text"), unselected(footage("Card", 640, 480))}));
    EXPECT_EQ((std::tuple{dlg->save_selection(), sizes()}), std::tuple(A_Err_NONE, std::array{0, 0, 1920, 1080}));

    // No active composition is not an error.
    json s = scene({footage("Card", 640, 480)});
    s["active"] = false;
    load(s);
    EXPECT_EQ((std::tuple{dlg->save_selection(), dlg->selection, dlg->isCurSelectionContains(31)}),
              std::tuple(A_Err_NONE, AEGP_CollectionH{}, false));
}

TEST_F(SelectionTest, EachRefreshReplacesTheCollectionAndFailuresAreReturned) {
    load(scene({footage("Card", 640, 480)}));
    open();
    ASSERT_EQ(dlg->save_selection(), A_Err_NONE);
    AEGP_CollectionH const first = dlg->selection;
    // A refused dispose keeps the collection, to be given back at the next refresh.
    fail_next("AEGP_DisposeCollection");
    EXPECT_EQ((std::pair{dlg->save_selection(), dlg->selection}), std::pair(A_Err{77}, first));
    ASSERT_TRUE(dlg->save_selection() == A_Err_NONE && dlg->selection != first);
    EXPECT_EQ(std::pair(host.collections_made(), host.open_collections()), std::pair(2L, 1L));
    // A scan failure is returned; a failure to read the composition's size, only
    // informative, is not once the scan ran.
    fail_next("AEGP_IsLayer3D");
    EXPECT_EQ(dlg->save_selection(), 77);
    fail_next("AEGP_GetItemDimensions");
    EXPECT_EQ(dlg->save_selection(), A_Err_NONE);
    // Refused at Destroy too, it stays held until the object's end tries again
    // (the menu-update hook may hold a selection while no dialog exists).
    fail_next("AEGP_DisposeCollection");
    ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    EXPECT_EQ(host.open_collections(), 1);
    dlg.reset();
    EXPECT_EQ(host.open_collections(), 0);
}

// Masks: 1 footage, 2 light, 4 camera, 8 text, 16 shape; 25 the placeable layers.
TEST_F(SelectionTest, WhatTheSelectionHolds) {
    struct Case {
        char const* what;
        json layer;
        unsigned mask;
        bool holds;
    };
    json const cam = with(camera("C", {0, 0, -10}, {0, 0, 0}), {{"selected", true}});
    Case const cases[] = {
        {"light for lights", layer_of("L", "light"), 2, true},
        {"light for placeable layers", layer_of("L", "light"), 25, false},
        {"3D text for text", layer_of("T", "text"), 8, true},
        {"3D text for placeable layers", layer_of("T", "text"), 25, true},
        {"flat text for text", flat(layer_of("T", "text")), 8, false},
        {"3D footage", footage("F", 10, 10), 1, true},
        {"flat footage", flat(footage("F", 10, 10)), 25, false},
        {"3D shape", layer_of("S", "shape"), 16, true},
        {"3D shape for footage", layer_of("S", "shape"), 1, false},
        {"camera", cam, 4, true},
        {"camera for placeable layers", cam, 25, false},
        {"unselected 3D footage", unselected(footage("F", 10, 10)), 31, false},
    };
    open();
    for (Case const& c : cases) {
        load(scene({c.layer}));
        EXPECT_EQ(dlg->isCurSelectionContains(c.mask), c.holds) << c.what;
    }
}

TEST_F(SelectionTest, ALayerThatCannotBeAskedIsSkipped) {
    load(scene({footage("A", 10, 10), layer_of("B", "text")}));
    open();
    fail_next("AEGP_GetLayerObjectType", 2);  // B's
    EXPECT_TRUE(!dlg->isCurSelectionContains(8) && dlg->isCurSelectionContains(8));
}

// The crop box needs layer suite 8 and another selected 3D source; even a
// dialog being disabled keeps the box's own rule.
TEST_F(SelectionTest, CropIsEnabledOnlyWithLayerSuite8AndAnother3DSource) {
    // Asks whether the selection holds a placeable layer, enables the dialog on
    // the answer (or not at all), and tells whether the crop box is enabled.
    auto const crop_after = [&](bool enable) {
        dlg->Enable(dlg->isCurSelectionContains(25) && enable);
        return ADMItemSuite10::IsEnabled(dlg->get_item(kCropTextLayers)) != 0;
    };
    load(scene({footage("Card", 1, 1), layer_of("Title", "text")}));  // the smallest source there is
    open();
    EXPECT_TRUE(crop_after(true));
    host.project().comp(host.main_comp())->selection = {layer("Title").id};
    EXPECT_FALSE(crop_after(true));
    host.project().comp(host.main_comp())->selection = {layer("Card").id};
    EXPECT_TRUE(crop_after(false));
    // Without layer suite 8 the box stays disabled.
    host.remove_suite(kAEGPLayerSuite, kAEGPLayerSuiteVersion8);
    load(scene({footage("Card", 640, 480), layer_of("Title", "text")}));
    open();
    EXPECT_EQ((std::pair{crop_after(true), dlg->max_width}), std::pair(false, 640));
}

}  // namespace

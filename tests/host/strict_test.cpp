// The host refuses what a real host would, says which rule a refused call
// broke, keeps the recent refusals with the call log off, and counts calls
// that name a plug-in id it never gave.
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "model_fixture.h"

namespace {

using host::Host;
using host_test::ModelFixture;

using Strict = ModelFixture;

A_Err no_command_hook(AEGP_GlobalRefcon, AEGP_CommandRefcon, AEGP_Command, AEGP_HookPriority, A_Boolean,
                      A_Boolean*) {
    return A_Err_NONE;
}
A_Err no_menu_hook(AEGP_GlobalRefcon, AEGP_UpdateMenuRefcon, AEGP_WindowType) { return A_Err_NONE; }
A_Err no_death_hook(AEGP_GlobalRefcon, AEGP_DeathRefcon) { return A_Err_NONE; }
A_Err no_idle_hook(AEGP_GlobalRefcon, AEGP_IdleRefcon, A_long*) { return A_Err_NONE; }
A_Err no_panel_hook(AEGP_GlobalRefcon, AEGP_CreatePanelRefcon, AEGP_PlatformViewRef, AEGP_PanelH,
                    AEGP_PanelFunctions1*, AEGP_PanelRefcon*) {
    return A_Err_NONE;
}

TEST_F(Strict, EveryCallNamingAPluginIdChecksIt) {
    const auto* reg = host_test::acquire<AEGP_RegisterSuite1>(h, kAEGPRegisterSuite, 1);
    const auto* panels = host_test::acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1);
    const AEGP_PluginID wrong = plugin + 40;
    AEGP_StreamRefH stream = nullptr;
    streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_POSITION, &stream);
    AEGP_StreamValue value{};
    AEGP_CollectionH collection = nullptr;
    AEGP_StreamRefH no_stream = nullptr;
    const std::function<A_Err()> calls[] = {
        [&] { return reg->AEGP_RegisterCommandHook(wrong, AEGP_HP_BeforeAE, 0, no_command_hook, nullptr); },
        [&] { return reg->AEGP_RegisterUpdateMenuHook(wrong, no_menu_hook, nullptr); },
        [&] { return reg->AEGP_RegisterDeathHook(wrong, no_death_hook, nullptr); },
        [&] { return reg->AEGP_RegisterIdleHook(wrong, no_idle_hook, nullptr); },
        [&] {
            return panels->AEGP_RegisterCreatePanelHook(wrong, reinterpret_cast<const A_u_char*>("QX_P"),
                                                        no_panel_hook, nullptr, 1);
        },
        [&] { return utility->AEGP_ReportInfo(wrong, "hello"); },
        [&] { return streams->AEGP_GetNewLayerStream(wrong, layer(0), AEGP_LayerStream_POSITION, &no_stream); },
        [&] { return streams->AEGP_SetStreamValue(wrong, stream, &value); },
        [&] { return collections->AEGP_NewCollection(wrong, &collection); },
        [&] { return comps->AEGP_GetNewCollectionFromCompSelection(wrong, comp(), &collection); },
    };
    const std::string before = h.save_scene_text();
    for (const auto& call : calls) {
        EXPECT_EQ(call(), A_Err_PARAMETER);
        EXPECT_EQ(h.calls().refusals().back().reason,
                  "plug-in id " + std::to_string(wrong) + " is not the id of a loaded plug-in");
    }
    streams->AEGP_DisposeStream(stream);
    EXPECT_EQ(h.save_scene_text(), before);
    EXPECT_TRUE(h.alerts().empty());
    EXPECT_TRUE(h.hooks().command.empty() && h.hooks().update_menu.empty() && h.hooks().death.empty() &&
                h.hooks().idle.empty() && h.hooks().create_panel.empty());
    EXPECT_EQ(h.open_streams() + h.open_collections(), 0);
    EXPECT_EQ(h.wrong_plugin_ids(), static_cast<long>(std::size(calls)));
    EXPECT_NE(h.balance_report().find("10 call(s) with a plug-in id no loaded module was given"), std::string::npos)
        << h.balance_report();
}

TEST_F(Strict, ARefusalSaysWhichRuleTheCallBroke) {
    AEGP_LayerH gone = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &gone);
    h.delete_layer(*host::handle_id(gone, host::HandleKind::layer));
    AEGP_CollectionH disposed = nullptr;
    collections->AEGP_NewCollection(plugin, &disposed);
    collections->AEGP_DisposeCollection(disposed);
    AEGP_StreamRefH orphan = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &gone);
    streams->AEGP_GetNewLayerStream(plugin, gone, AEGP_LayerStream_SCALE, &orphan);
    h.delete_layer(*host::handle_id(gone, host::HandleKind::layer));
    A_long n = 0;
    A_Time t{};
    AEGP_LayerH l = nullptr;
    AEGP_StreamValue v{};
    AEGP_KeyframeIndex index = 0;
    AEGP_CollectionH collection = nullptr;
    collections->AEGP_NewCollection(plugin, &collection);
    AEGP_Command command = 0, listed = 0;
    commands->AEGP_GetUniqueCommand(&command);
    commands->AEGP_GetUniqueCommand(&listed);
    commands->AEGP_InsertMenuCommand(listed, "Listed", AEGP_Menu_WINDOW, -1);
    const auto* reg = host_test::acquire<AEGP_RegisterSuite1>(h, kAEGPRegisterSuite, 1);
    const auto* panels = host_test::acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1);
    const auto* match = reinterpret_cast<const A_u_char*>("QX_P");
    panels->AEGP_RegisterCreatePanelHook(plugin, match, no_panel_hook, nullptr, 1);
    const struct {
        std::function<A_Err()> call;
        A_Err status;
        std::string reason;
    } cases[] = {
        {[&] { return layers->AEGP_GetCompNumLayers(nullptr, &n); }, A_Err_PARAMETER, "compH is null"},
        {[&] { return layers->AEGP_GetCompNumLayers(reinterpret_cast<AEGP_CompH>(layer(0)), &n); }, A_Err_PARAMETER,
         "compH is not a composition handle"},
        {[&] { return layers->AEGP_GetCompNumLayers(comp(), nullptr); }, A_Err_PARAMETER, "num_layers is null"},
        {[&] { return layers->AEGP_GetCompLayerByIndex(comp(), 4, &l); }, A_Err_PARAMETER,
         "index 4 is outside the stack of 4 layers"},
        {[&] { return layers->AEGP_GetLayerIndex(gone, &n); }, A_Err_PARAMETER,
         "layerH names no live layer (deleted, undone or never made)"},
        {[&] { return layers->AEGP_GetLayerCurrentTime(layer(0), 7, &t); }, A_Err_PARAMETER,
         "time mode 7 is neither layer time (0) nor composition time (1)"},
        {[&] { return layers->AEGP_ReorderLayer(layer(0), -1); }, A_Err_PARAMETER,
         "index -1 is outside the stack of 4 layers"},
        {[&] { return comps->AEGP_SetSelection(comp(), disposed); }, A_Err_PARAMETER,
         "collectionH names no live collection (disposed or never made)"},
        {[&] { return streams->AEGP_SetStreamValue(plugin, orphan, &v); }, A_Err_PARAMETER,
         "the stream's layer was deleted or undone"},
        {[&] { return keys->AEGP_InsertKeyframe(orphan, AEGP_LTimeMode_CompTime, &t, &index); }, A_Err_PARAMETER,
         "the stream's layer was deleted or undone"},
        {[&] {
             const A_Time no_scale{1, 0};
             AEGP_StreamVal value{};
             return streams->AEGP_GetLayerStreamValue(layer(0), AEGP_LayerStream_POSITION, AEGP_LTimeMode_CompTime,
                                                      &no_scale, 0, &value, nullptr);
         },
         A_Err_PARAMETER, "time has a scale of 0"},
        {[&] {
             AEGP_StreamRefH s = nullptr;
             return streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_OPACITY, &s);
         },
         A_Err_PARAMETER, "stream 4 is not one the host keeps (0, 1, 2, 3, 8, 9, 10)"},
        {[&] {
             AEGP_ItemH source = nullptr;
             layers->AEGP_GetLayerSourceItem(layer(0), &source);
             AEGP_CompH c = nullptr;
             return comps->AEGP_GetCompFromItem(source, &c);
         },
         A_Err_PARAMETER, "itemH names a footage item, not a composition"},
        {[&] {
             AEGP_StreamRefH s = nullptr;
             streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_POSITION, &s);
             AEGP_StreamValue nan{};
             nan.val.three_d.y = std::numeric_limits<double>::quiet_NaN();
             const A_Err status = streams->AEGP_SetStreamValue(plugin, s, &nan);
             streams->AEGP_DisposeStream(s);
             return status;
         },
         A_Err_PARAMETER, "value holds a number that is not finite"},
        {[&] {
             AEGP_CollectionItem item{};
             item.type = 9;
             item.u.layer.layerH = layer(0);
             return collections->AEGP_CollectionPushBack(collection, &item);
         },
         A_Err_PARAMETER, "item's type 9 is no kind of item (1 layer, 2 mask, 3 effect, 4 stream)"},
        {[&] { return collections->AEGP_CollectionPushBack(collection, nullptr); }, A_Err_PARAMETER, "item is null"},
        {[&] {
             AEGP_CollectionItem item{};
             return collections->AEGP_GetCollectionItemByIndex(collection, 0, &item);
         },
         A_Err_PARAMETER, "index 0 is not below the 0 items"},
        {[&] { return commands->AEGP_DoCommand(99); }, A_Err_PARAMETER, "command 99 was never given out"},
        {[&] { return commands->AEGP_InsertMenuCommand(99, "Thing", AEGP_Menu_EDIT, -1); }, A_Err_PARAMETER,
         "command 99 was never given out"},
        {[&] { return commands->AEGP_InsertMenuCommand(host::kDuplicateCommand, "Dup", AEGP_Menu_EDIT, -1); },
         A_Err_PARAMETER, "command 2080 is the host's own"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, nullptr, AEGP_Menu_EDIT, -1); }, A_Err_PARAMETER,
         "name is null"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, "Thing", 42, -1); }, A_Err_PARAMETER,
         "menu 42 is not one of the host's menus (1 to 8)"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, "Thing", AEGP_Menu_EDIT, -3); }, A_Err_PARAMETER,
         "after_item -3 is no place in a menu (-2 sorted, -1 bottom, 0 top, n after item n)"},
        {[&] { return commands->AEGP_InsertMenuCommand(listed, "Again", AEGP_Menu_EDIT, -1); }, A_Err_PARAMETER,
         "command " + std::to_string(listed) + " is already in the Window menu"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, 3, 0, no_command_hook, nullptr); }, A_Err_PARAMETER,
         "priority 3 is neither before the host (1) nor after it (2)"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 0, nullptr, nullptr); },
         A_Err_PARAMETER, "hook is null"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 99, no_command_hook, nullptr); },
         A_Err_PARAMETER, "command 99 was never given out (0 asks for every command)"},
        {[&] { return panels->AEGP_RegisterCreatePanelHook(plugin, match, no_panel_hook, nullptr, 1); },
         A_Err_PARAMETER, "a create-panel hook is already registered for \"QX_P\""},
        {[&] { return panels->AEGP_RegisterCreatePanelHook(plugin, reinterpret_cast<const A_u_char*>(""),
                                                             no_panel_hook, nullptr, 1); },
         A_Err_PARAMETER, "match_name is empty"},
        {[&] { return panels->AEGP_ToggleVisibility(reinterpret_cast<const A_u_char*>("QX_Other")); },
         A_Err_PARAMETER, "no create-panel hook is registered for \"QX_Other\""},
        {[&] { return panels->AEGP_SetTitle(reinterpret_cast<AEGP_PanelH>(comp()), match); }, A_Err_PARAMETER,
         "panelH is not a panel handle"},
        {[&] { return utility->AEGP_EndUndoGroup(); }, A_Err_PARAMETER, "no undo group is open"},
        {[&] { return h.basic_suite()->ReleaseSuite(kAEGPItemSuite, 7); }, A_Err_PARAMETER,
         "\"AEGP Item Suite\" version 7 is not held: released more often than acquired"},
        {[&] {
             const void* table = nullptr;
             return h.basic_suite()->AcquireSuite(kAEGPLayerSuite, 11, &table);
         },
         A_Err_MISSING_SUITE, "no \"AEGP Layer Suite\" version 11"},
    };
    const std::string before_refusals = h.save_scene_text();
    for (const auto& c : cases) {
        const long before = h.calls().total_calls();
        EXPECT_EQ(c.call(), c.status) << c.reason;
        ASSERT_FALSE(h.calls().refusals().empty());
        const host::CallRecord& refusal = h.calls().refusals().back();
        EXPECT_GT(refusal.number, before) << c.reason;
        EXPECT_EQ(refusal.status, c.status);
        EXPECT_EQ(refusal.reason, c.reason);
    }
    // The record says which call it was and what it was given.
    EXPECT_EQ(h.calls().refusals().back().function, "AcquireSuite");
    EXPECT_EQ(h.calls().refusals().back().arguments, "\"AEGP Layer Suite\", 11");
    // Refused calls changed nothing.
    EXPECT_EQ(h.save_scene_text(), before_refusals);
    A_u_long count = 1;
    collections->AEGP_GetCollectionNumItems(collection, &count);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(h.menus().items(AEGP_Menu_WINDOW).size(), 1u);
    EXPECT_TRUE(h.hooks().command.empty());
    EXPECT_EQ(h.hooks().create_panel.size(), 1u);
    collections->AEGP_DisposeCollection(collection);
}

TEST(Refusals, AreKeptWithTheLogOffBoundedAndInOrder) {
    Host h;
    const auto* items = host_test::acquire<AEGP_ItemSuite3>(h, kAEGPItemSuite, 3);
    const long refused = static_cast<long>(host::CallGate::kRefusalsKept) + 20;
    for (long i = 0; i < refused; ++i) items->AEGP_GetItemType(host::Host::item_handle(static_cast<host::ObjectId>(900 + i)), nullptr);
    AEGP_ItemH active = nullptr;
    items->AEGP_GetActiveItem(&active);
    EXPECT_FALSE(h.calls().logging());
    EXPECT_TRUE(h.calls().calls().empty());
    EXPECT_EQ(h.calls().refusals_total(), refused);
    ASSERT_EQ(h.calls().refusals().size(), host::CallGate::kRefusalsKept);
    EXPECT_EQ(h.calls().refusals().front().arguments, "item#920");
    EXPECT_EQ(h.calls().refusals().back().number, refused + 1);  // after the acquisition
    EXPECT_EQ(h.calls().refusals().back().reason, "itemH names no item of the project");
}

}  // namespace

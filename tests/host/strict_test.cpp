// The host refuses what a real host would, says which rule a refused call
// broke, changes nothing for it, keeps the recent refusals with the call log
// off, and counts calls that name a plug-in id it never gave.
#include <functional>
#include <limits>

#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Strict = ModelFixture;

// A hook of any kind that does nothing.
constexpr auto nothing = [](auto...) -> A_Err { return A_Err_NONE; };
const A_u_char* name(const char* text) { return reinterpret_cast<const A_u_char*>(text); }

TEST_F(Strict, ARefusedCallSaysWhichRuleItBrokeChangesNothingAndIsKept) {
    AEGP_LayerH gone = nullptr;
    AEGP_StreamRefH orphan = nullptr, stream = nullptr, no_stream = nullptr;
    layers10->AEGP_DuplicateLayer(layer(0), &gone);
    streams->AEGP_GetNewLayerStream(plugin, gone, AEGP_LayerStream_SCALE, &orphan);
    h.delete_layer(*host::handle_id(gone, host::HandleKind::layer));
    streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_POSITION, &stream);
    AEGP_CollectionH disposed = nullptr, collection = nullptr;
    collections->AEGP_NewCollection(plugin, &disposed);
    collections->AEGP_DisposeCollection(disposed);
    collections->AEGP_NewCollection(plugin, &collection);
    A_long n = 0;
    A_Time t{}, no_scale{1, 0};
    AEGP_LayerH l = nullptr;
    AEGP_StreamValue v{}, nan{};
    nan.val.three_d.y = std::numeric_limits<double>::quiet_NaN();
    AEGP_KeyframeIndex index = 0;
    AEGP_CollectionItem item{}, bad_item{};
    bad_item.type = 9;
    AEGP_Command command = 0, listed = 0;
    commands->AEGP_GetUniqueCommand(&command);
    commands->AEGP_GetUniqueCommand(&listed);
    commands->AEGP_InsertMenuCommand(listed, "Listed", AEGP_Menu_WINDOW, -1);
    const auto* reg = host_test::acquire<AEGP_RegisterSuite1>(h, kAEGPRegisterSuite, 1);
    const auto* panels = host_test::acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1);
    panels->AEGP_RegisterCreatePanelHook(plugin, name("QX_P"), nothing, nullptr, 1);
    const AEGP_ItemH source = host::Host::item_handle(h.project().layers.at(h.find_layer("A")).source);
    AEGP_CompH c = nullptr;
    const void* table = nullptr;
    const AEGP_PluginID wrong = plugin + 40;
    const std::string wrong_id = "plug-in id " + std::to_string(wrong) + " is not the id of a loaded plug-in";
    const struct {
        std::function<A_Err()> call;
        std::string reason;
        A_Err status = A_Err_PARAMETER;
    } cases[] = {
        // Every call that names a plug-in checks the id.
        {[&] { return reg->AEGP_RegisterCommandHook(wrong, AEGP_HP_BeforeAE, 0, nothing, nullptr); }, wrong_id},
        {[&] { return reg->AEGP_RegisterUpdateMenuHook(wrong, nothing, nullptr); }, wrong_id},
        {[&] { return reg->AEGP_RegisterDeathHook(wrong, nothing, nullptr); }, wrong_id},
        {[&] { return reg->AEGP_RegisterIdleHook(wrong, nothing, nullptr); }, wrong_id},
        {[&] { return panels->AEGP_RegisterCreatePanelHook(wrong, name("QX_W"), nothing, nullptr, 1); }, wrong_id},
        {[&] { return utility->AEGP_ReportInfo(wrong, "hello"); }, wrong_id},
        {[&] { return streams->AEGP_GetNewLayerStream(wrong, layer(0), AEGP_LayerStream_POSITION, &no_stream); }, wrong_id},
        {[&] { return streams->AEGP_SetStreamValue(wrong, stream, &v); }, wrong_id},
        {[&] { return collections->AEGP_NewCollection(wrong, &disposed); }, wrong_id},
        {[&] { return comps->AEGP_GetNewCollectionFromCompSelection(wrong, comp(), &disposed); }, wrong_id},
        // Handles, indices, times and values.
        {[&] { return layers->AEGP_GetCompNumLayers(nullptr, &n); }, "compH is null"},
        {[&] { return layers->AEGP_GetCompNumLayers(reinterpret_cast<AEGP_CompH>(layer(0)), &n); },
         "compH is not a composition handle"},
        {[&] { return layers->AEGP_GetCompNumLayers(comp(), nullptr); }, "num_layers is null"},
        {[&] { return layers->AEGP_GetCompLayerByIndex(comp(), 4, &l); }, "index 4 is outside the stack of 4 layers"},
        {[&] { return layers->AEGP_GetLayerIndex(gone, &n); }, "layerH names no live layer (deleted, undone or never made)"},
        {[&] { return layers->AEGP_GetLayerCurrentTime(layer(0), 7, &t); },
         "time mode 7 is neither layer time (0) nor composition time (1)"},
        {[&] { return layers->AEGP_ReorderLayer(layer(0), -1); }, "index -1 is outside the stack of 4 layers"},
        {[&] { return comps->AEGP_SetSelection(comp(), disposed); },
         "collectionH names no live collection (disposed or never made)"},
        {[&] { return streams->AEGP_SetStreamValue(plugin, orphan, &v); }, "the stream's layer was deleted or undone"},
        {[&] { return keys->AEGP_InsertKeyframe(orphan, AEGP_LTimeMode_CompTime, &t, &index); },
         "the stream's layer was deleted or undone"},
        {[&] { return keys->AEGP_InsertKeyframe(stream, AEGP_LTimeMode_CompTime, nullptr, &index); }, "time is null"},
        {[&] { return keys->AEGP_InsertKeyframe(stream, AEGP_LTimeMode_CompTime, &no_scale, &index); },
         "time has a scale of 0"},
        {[&] { return streams->AEGP_GetNewLayerStream(plugin, layer(0), AEGP_LayerStream_OPACITY, &no_stream); },
         "stream 4 is not one the host keeps (0, 1, 2, 3, 8, 9, 10)"},
        {[&] { return comps->AEGP_GetCompFromItem(source, &c); }, "itemH names a footage item, not a composition"},
        {[&] { return streams->AEGP_SetStreamValue(plugin, stream, &nan); }, "value holds a number that is not finite"},
        {[&] { return collections->AEGP_CollectionPushBack(collection, &bad_item); },
         "item's type 9 is no kind of item (1 layer, 2 mask, 3 effect, 4 stream)"},
        {[&] { return collections->AEGP_CollectionPushBack(collection, nullptr); }, "item is null"},
        {[&] { return collections->AEGP_GetCollectionItemByIndex(collection, 0, &item); },
         "index 0 is not below the 0 items"},
        // Commands, menus and hooks.
        {[&] { return commands->AEGP_DoCommand(99); }, "command 99 was never given out"},
        {[&] { return commands->AEGP_InsertMenuCommand(99, "Thing", AEGP_Menu_EDIT, -1); },
         "command 99 was never given out"},
        {[&] { return commands->AEGP_InsertMenuCommand(host::kDuplicateCommand, "Dup", AEGP_Menu_EDIT, -1); },
         "command 2080 is the host's own"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, nullptr, AEGP_Menu_EDIT, -1); }, "name is null"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, "Thing", 42, -1); },
         "menu 42 is not one of the host's menus (1 to 8)"},
        {[&] { return commands->AEGP_InsertMenuCommand(command, "Thing", AEGP_Menu_EDIT, -3); },
         "after_item -3 is no place in a menu (-2 sorted, -1 bottom, 0 top, n after item n)"},
        {[&] { return commands->AEGP_InsertMenuCommand(listed, "Again", AEGP_Menu_EDIT, -1); },
         "command " + std::to_string(listed) + " is already in the Window menu"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, 3, 0, nothing, nullptr); },
         "priority 3 is neither before the host (1) nor after it (2)"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 0, nullptr, nullptr); }, "hook is null"},
        {[&] { return reg->AEGP_RegisterCommandHook(plugin, AEGP_HP_BeforeAE, 99, nothing, nullptr); },
         "command 99 was never given out (0 asks for every command)"},
        {[&] { return panels->AEGP_RegisterCreatePanelHook(plugin, name("QX_P"), nothing, nullptr, 1); },
         "a create-panel hook is already registered for \"QX_P\""},
        {[&] { return panels->AEGP_RegisterCreatePanelHook(plugin, name(""), nothing, nullptr, 1); },
         "match_name is empty"},
        {[&] { return panels->AEGP_ToggleVisibility(name("QX_Other")); },
         "no create-panel hook is registered for \"QX_Other\""},
        {[&] { return panels->AEGP_SetTitle(reinterpret_cast<AEGP_PanelH>(comp()), name("QX_P")); },
         "panelH is not a panel handle"},
        {[&] { return utility->AEGP_EndUndoGroup(); }, "no undo group is open"},
        {[&] { return h.basic_suite()->ReleaseSuite(kAEGPItemSuite, 7); },
         "\"AEGP Item Suite\" version 7 is not held: released more often than acquired"},
        {[&] { return h.basic_suite()->AcquireSuite(kAEGPLayerSuite, 11, &table); },
         "no \"AEGP Layer Suite\" version 11", A_Err_MISSING_SUITE},
    };
    const std::string before = h.save_scene_text();
    for (const auto& c : cases) {
        const long refused = h.calls().refusals_total();
        EXPECT_EQ(c.call(), c.status) << c.reason;
        ASSERT_EQ(h.calls().refusals_total(), refused + 1) << c.reason;
        EXPECT_EQ(std::pair(h.calls().refusals().back().status, h.calls().refusals().back().reason),
                  std::pair(c.status, c.reason));
    }
    // The record says which call it was and what it was given.
    EXPECT_EQ(std::pair(h.calls().refusals().back().function, h.calls().refusals().back().arguments),
              std::pair(std::string("AcquireSuite"), std::string("\"AEGP Layer Suite\", 11")));
    EXPECT_EQ(h.save_scene_text(), before);
    A_u_long count = 1;
    collections->AEGP_GetCollectionNumItems(collection, &count);
    const auto& hooks = h.hooks();
    EXPECT_EQ(std::tuple(count, h.menus().items(AEGP_Menu_WINDOW).size(), h.alerts().size(), hooks.command.size(),
                         hooks.update_menu.size(), hooks.death.size(), hooks.idle.size(), hooks.create_panel.size(),
                         h.wrong_plugin_ids()),
              std::tuple(0u, 1u, 0u, 0u, 0u, 0u, 0u, 1u, 10));
    collections->AEGP_DisposeCollection(collection);
    streams->AEGP_DisposeStream(stream);
    EXPECT_EQ(h.open_streams() + h.open_collections(), 1);  // the orphan stream
    EXPECT_NE(h.balance_report().find("10 call(s) with a plug-in id no loaded module was given"), std::string::npos)
        << h.balance_report();
    // With the log off the most recent 100 refusals are kept, in order, with their call numbers.
    const host::CallGate& gate = h.calls();
    const long earlier = gate.refusals_total(), numbered_after = gate.total_calls();
    const long refused = 120;
    for (long i = 0; i < refused; ++i)
        items->AEGP_GetItemType(host::Host::item_handle(static_cast<host::ObjectId>(900 + i)), nullptr);
    AEGP_ItemH active = nullptr;
    items->AEGP_GetActiveItem(&active);
    ASSERT_EQ(std::tuple(gate.logging(), gate.calls().size(), gate.refusals_total() - earlier, gate.refusals().size()),
              std::tuple(false, 0u, refused, std::size_t{100}));
    const host::CallRecord& last = gate.refusals().back();
    EXPECT_EQ(std::tuple(gate.refusals().front().arguments, last.number, last.reason),
              std::tuple("item#920", numbered_after + refused, "itemH names no item of the project"));
}

}  // namespace

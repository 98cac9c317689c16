// What a suite function sees while it runs, and its one door into the host:
// the checks a call must pass, each refusing with the rule that was broken
// (refuse(A_Err_PARAMETER, "layerH is null") rather than one merged test), and
// the host's state and services that only the suite functions use. Changes
// made through it are kept by an open undo group.
#pragma once

#include <optional>
#include <string>

#include "host/Host.h"
#include "host/time.h"

namespace host {

class SuiteCall {
public:
    explicit SuiteCall(Host& h) : h_(h) {}

    // ---- Refusing -------------------------------------------------------------------
    // Refuses the call with a status and the rule it broke; returns the status.
    A_Err refuse(A_Err status, std::string reason);
    // The rule the call broke; empty while it broke none.
    const std::string& reason() const { return reason_; }
    // The status of the refusal made by a failed check.
    A_Err refused() const { return status_; }

    // ---- Checks: each refuses with A_Err_PARAMETER and says why -----------------------
    // A plug-in id the host gave a loaded module; a wrong one is counted.
    bool plugin(AEGP_PluginID plugin);
    // A pointer the call needs.
    template <class Pointer>
    bool given(const Pointer& pointer, const char* name) {
        if (pointer) return true;
        refuse(A_Err_PARAMETER, std::string(name) + " is null");
        return false;
    }
    const Item* item(AEGP_ItemH handle);
    const Composition* comp(AEGP_CompH handle);
    const Layer* layer(AEGP_LayerH handle, const char* name = "layerH");
    Collection* collection(AEGP_CollectionH handle);
    // The stream and its layer, which deletion or undo may have taken away.
    const StreamRef* stream(AEGP_StreamRefH handle);
    const Layer* stream_layer(const StreamRef& stream);
    bool time_mode(AEGP_LTimeMode mode);
    // A time of the layer in the given mode, as the composition time the host
    // keeps keys in.
    std::optional<Time> comp_time(const Layer& layer, AEGP_LTimeMode mode, const A_Time* time);

    // ---- The host's state ---------------------------------------------------------
    const Project& project() const { return h_.project_; }
    SuiteRegistry& suites() { return h_.suites_; }
    Menus& menus() { return h_.menus_; }
    Hooks& hooks() { return h_.hooks_; }

    // ---- Services -----------------------------------------------------------------
    AEGP_CollectionH new_collection(AEGP_PluginID plugin, std::vector<AEGP_CollectionItem> items);
    void dispose_collection(AEGP_CollectionH handle);
    AEGP_StreamRefH new_stream(AEGP_PluginID plugin, ObjectId layer, StreamId which);
    void dispose_stream(AEGP_StreamRefH handle);
    void add_alert(AEGP_PluginID plugin, std::string text) { h_.alerts_.push_back({plugin, std::move(text)}); }
    void start_undo_group(const std::string& name) { h_.undo_.start(name); }
    // False when no group is open.
    bool end_undo_group() { return h_.undo_.end(h_.project_); }
    Stream& edit_stream(ObjectId layer, StreamId which) { return h_.edit_stream(layer, which); }
    Composition& edit_selection(ObjectId comp) { return h_.edit_selection(comp); }
    ObjectId duplicate_layer(ObjectId layer) { return h_.duplicate_layer(layer); }
    // Moves a layer to an index of its stack, the others closing up.
    void reorder_layer(ObjectId layer, std::size_t index) {
        h_.undo_.changing_order(h_.project_, h_.project_.layers.at(layer).comp);
        h_.project_.reorder_layer(layer, index);
    }
    // These refuse with the host's reason when they fail.
    A_Err do_command(AEGP_Command command) { return settle(h_.do_command(command)); }
    A_Err register_create_panel_hook(CreatePanelHookEntry entry) {
        return settle(h_.register_create_panel_hook(std::move(entry)));
    }
    A_Err set_panel_title(ObjectId panel, const std::string& title) { return settle(h_.set_panel_title(panel, title)); }
    A_Err toggle_panel(const std::string& match_name) { return settle(h_.toggle(match_name)); }

private:
    A_Err settle(Host::Outcome outcome);

    Host& h_;
    std::string reason_;
    A_Err status_ = A_Err_NONE;
};

}  // namespace host

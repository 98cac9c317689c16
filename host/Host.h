// The simulated compositing host: the suites a plug-in acquires through the
// basic suite, hooks and menus, the project model with undo, panels and the
// application colours, plus the controls a test or the host application needs
// (loading plug-ins, what a person does, fault injection, counts, the call log
// and the host's refusals).
//
// Suite functions are plain C functions, so they reach the host that is alive
// at the moment: one Host exists at a time. They reach its state through one
// door, SuiteCall (host/suite_call.h); everything else goes through the public
// operations below.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "aegp/aegp_suites.h"
#include "host/call_gate.h"
#include "host/handles.h"
#include "host/hooks.h"
#include "host/menus.h"
#include "host/project.h"
#include "host/suite_registry.h"
#include "host/undo_history.h"

struct OpaqueWindowPtr;
struct OpaqueEventHandlerRef;

namespace host {

// Driver version handed to plug-ins at load.
inline constexpr A_long kDriverMajorVersion = 13;
inline constexpr A_long kDriverMinorVersion = 0;

enum class LoadOutcome { loaded, cannot_open, no_entry, entry_failed };

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::loaded;
    A_Err status = A_Err_NONE;  // the entry point's status
    std::string message;        // why loading failed, for people
    AEGP_PluginID plugin = 0;   // the id given to the plug-in (0 when its entry never ran)
    bool ok() const { return outcome == LoadOutcome::loaded; }
};

struct Alert {
    AEGP_PluginID plugin;
    std::string text;  // UTF-8
    bool operator==(const Alert&) const = default;
};

// A collection the plug-in holds.
struct Collection {
    AEGP_PluginID plugin{};
    std::vector<AEGP_CollectionItem> items;
};

// An open stream reference.
struct StreamRef {
    AEGP_PluginID plugin{};
    ObjectId layer{};
    StreamId which = StreamId::position;
};

// A workspace panel: registered by match name, open while it has a frame.
struct PanelFrame {
    std::string match_name;
    ObjectId id{};  // the panel handle's id while open, 0 while closed
    OpaqueWindowPtr* window = nullptr;
    AEGP_PlatformViewRef container = nullptr;
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    std::string title;
    bool closing{};
};

class Host {
public:
    // Throws std::logic_error while another Host exists.
    Host();
    // Quits (if a plug-in was loaded and quit was not called) and unloads modules.
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The host alive now, or null.
    static Host* current();

    // ---- Suites and accounting ---------------------------------------------------
    SPBasicSuite* basic_suite();
    SuiteRegistry& suites() { return suites_; }
    const SuiteRegistry& suites() const { return suites_; }
    // An older host: the suite is not offered (call before loading).
    void remove_suite(const std::string& name, A_long version) { suites_.remove(name, version); }
    long open_streams() const { return static_cast<long>(streams_.size()); }
    long open_collections() const { return static_cast<long>(collections_.size()); }
    long streams_made() const { return streams_made_; }
    long collections_made() const { return collections_made_; }
    // Calls that named a plug-in id no loaded module was given (refused).
    long wrong_plugin_ids() const { return wrong_plugin_ids_; }
    // Every suite released as often as acquired, no refused release, every
    // stream and collection disposed, no call with a wrong plug-in id.
    bool balanced() const;
    // What is out of balance, one line each; empty when balanced.
    std::string balance_report() const;

    // ---- Calls: fault injection, the call log and the host's refusals -------------
    CallGate& calls() { return gate_; }
    const CallGate& calls() const { return gate_; }

    // ---- Plug-ins ---------------------------------------------------------------
    // dlopen the module, find "PluginEntry" and call it.
    LoadResult load_module(const std::string& path);
    // Call an entry point linked into the program (tests).
    LoadResult load_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path = "/plug-ins/static.so");
    AEGP_GlobalRefcon global_refcon(AEGP_PluginID plugin) const;

    // ---- What a person does with menus and the application -------------------------
    // Menus are about to be shown: runs the update-menu hooks.
    void update_menus(AEGP_WindowType active_window = AEGP_WindType_COMP);
    // Chooses the command's menu item. Refused (false) for a command in no menu;
    // otherwise the menus are shown first (the update-menu hooks run), then a
    // disabled command is refused, and an enabled one runs its hooks, those for
    // every command and the host's own handling. Says whether someone handled it.
    bool invoke_command(AEGP_Command command);
    bool command_enabled(AEGP_Command command) const;
    // Runs the idle hooks; returns the maximum sleep they left (1/60 s).
    A_long idle(A_long max_sleep = 60);
    // Closes open panels and the windows plug-ins left open, then runs the death
    // hooks; only the first call does anything.
    void quit();
    // A window of the application's own, which quitting leaves open.
    void keep_at_quit(OpaqueWindowPtr* window) { own_windows_.insert(window); }
    bool has_quit() const { return quit_; }

    const Menus& menus() const { return menus_; }
    const Hooks& hooks() const { return hooks_; }
    // The registered hooks, for a validator that stands in front of each to
    // record its calls; the host calls whatever the entries hold.
    Hooks& hook_registry() { return hooks_; }
    const std::vector<Alert>& alerts() const { return alerts_; }

    // ---- What a person does in the main composition ----------------------------------
    // Replaces the selection, in the order given (not an undo step, as in the
    // host); ids that are not layers of the composition, and repeats, are left out.
    void select_layers(const std::vector<ObjectId>& layers);
    // A new layer at `index` (0 = top; beyond the bottom puts it at the bottom);
    // one undo step named "New Layer". Its id and composition are the host's.
    // 0 when there is no composition, or the layer does not hold together: a
    // source for footage and solids only (an existing footage or solid item),
    // cameras and lights 3D, key times increasing.
    ObjectId add_layer(Layer layer, long index);
    // Removes a layer; one undo step named "Delete Layer"; false when there is none.
    bool delete_layer(ObjectId layer);
    // The current time (not an undo step). Throws std::invalid_argument for a
    // scale of 0 or a time before 0.
    void set_current_time(A_Time time);

    // ---- Undo ---------------------------------------------------------------------
    bool undo();
    bool redo();
    const UndoHistory& undo_history() const { return undo_; }

    // ---- Project model --------------------------------------------------------------
    // Direct access for tests and the application; such changes make no undo
    // step, and an open undo group does not keep them.
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    static AEGP_ItemH item_handle(ObjectId item) { return make_handle<AEGP_ItemH>(HandleKind::item, item); }
    static AEGP_CompH comp_handle(ObjectId item) { return make_handle<AEGP_CompH>(HandleKind::comp, item); }
    static AEGP_LayerH layer_handle(ObjectId layer) { return make_handle<AEGP_LayerH>(HandleKind::layer, layer); }
    // The main composition: the active one, else the first; 0 when there is none.
    ObjectId main_comp() const;
    // Layers of the main composition, top first.
    std::vector<ObjectId> layer_ids() const;
    // The first layer of that name in the main composition, or 0.
    ObjectId find_layer(const std::string& name) const;

    // ---- Scenes (throws SceneError, see host/scene.h) ------------------------------
    // Replaces the project; forgets undo history.
    void load_scene(const nlohmann::json& scene);
    void load_scene_text(std::string_view text);
    nlohmann::json save_scene() const;
    std::string save_scene_text() const;

    // ---- Panels ---------------------------------------------------------------------
    bool panel_open(const std::string& match_name) const;
    AEGP_PlatformViewRef panel_container(const std::string& match_name) const;
    OpaqueWindowPtr* panel_window(const std::string& match_name) const;
    std::string panel_title(const std::string& match_name) const;
    // Width (x) and height (y) of the panel's container.
    std::optional<A_LPoint> panel_size(const std::string& match_name) const;
    // Toggles as the Window menu does; returns the create hook's status.
    A_Err toggle_panel(const std::string& match_name);

private:
    friend class SuiteCall;  // host/suite_call.h: the suite functions' one door

    // A status and, when it is not 0, the rule that made the host refuse.
    struct Outcome {
        A_Err status = A_Err_NONE;
        std::string reason;
    };
    struct CommandRun {
        bool handled{};
    };

    LoadResult run_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path);
    // Counts a plug-in id no loaded module was given.
    bool known_plugin(AEGP_PluginID plugin);

    // Changes through these are kept by an open undo group: each notes the
    // object as it was before its first change in the group.
    Stream& edit_stream(ObjectId layer, StreamId which);
    Composition& edit_selection(ObjectId comp);
    // A full copy directly above the original; the selection is left alone.
    ObjectId duplicate_layer(ObjectId layer);
    // The Duplicate command on the active composition.
    void duplicate_selected_layers();

    Outcome do_command(AEGP_Command command);
    CommandRun run_command(AEGP_Command command);
    void note_hook_failure(const char* hook, std::string detail, A_Err status);

    Outcome register_create_panel_hook(CreatePanelHookEntry entry);
    Outcome set_panel_title(ObjectId panel, const std::string& title);
    Outcome toggle(const std::string& match_name);
    void close_panel(PanelFrame& frame);
    const PanelFrame* open_frame(const std::string& match_name) const;

    SuiteRegistry suites_;
    CallGate gate_;
    Menus menus_;
    Hooks hooks_;
    std::vector<Alert> alerts_;
    UndoHistory undo_;
    Project project_;
    IdCounters ids_;
    std::map<ObjectId, Collection> collections_;
    std::map<ObjectId, StreamRef> streams_;
    // Never reused, so a disposed object's handle stays invalid.
    ObjectId next_collection_ = 1, next_stream_ = 1, next_panel_ = 1;
    long collections_made_ = 0, streams_made_ = 0, wrong_plugin_ids_ = 0;
    std::map<AEGP_PluginID, AEGP_GlobalRefcon> plugins_;
    AEGP_PluginID next_plugin_ = 1;
    std::vector<void*> modules_;
    std::map<std::string, std::unique_ptr<PanelFrame>> panels_;
    std::set<OpaqueWindowPtr*> own_windows_;
    int command_depth_{};
    bool quit_{};
};

}  // namespace host

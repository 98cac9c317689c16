// The simulated compositing host: the suites a plug-in acquires through the
// basic suite, hooks and menus, the project model with undo, panels and the
// application colours, plus the controls a test or the host application needs
// (loading plug-ins, choosing menu items, idling, quitting, fault injection,
// counts and the call log).
//
// Suite functions are plain C functions, so they reach the host that is alive
// at the moment: one Host exists at a time.
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
    std::string text;
    bool operator==(const Alert&) const = default;
};

// A collection the plug-in holds.
struct Collection {
    AEGP_PluginID plugin = 0;
    std::vector<AEGP_CollectionItem> items;
};

// An open stream reference.
struct StreamRef {
    AEGP_PluginID plugin = 0;
    ObjectId layer = 0;
    StreamId which = StreamId::position;
};

// A workspace panel: registered by match name, open while it has a frame.
struct PanelFrame {
    std::string match_name;
    ObjectId id = 0;  // the panel handle's id while open, 0 while closed
    OpaqueWindowPtr* window = nullptr;
    AEGP_PlatformViewRef container = nullptr;
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    std::string title;
    OpaqueEventHandlerRef* closed_handler = nullptr;
    bool closing = false;
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
    // Every suite released as often as acquired, no refused release, every
    // stream and collection disposed.
    bool balanced() const;
    // What is out of balance, one line each; empty when balanced.
    std::string balance_report() const;

    // ---- Calls: fault injection and the call log ---------------------------------
    CallGate& calls() { return gate_; }
    const CallGate& calls() const { return gate_; }

    // ---- Plug-ins ---------------------------------------------------------------
    // dlopen the module, find "PluginEntry" and call it.
    LoadResult load_module(const std::string& path);
    // Call an entry point linked into the program (tests).
    LoadResult load_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path = "/plug-ins/static.so");
    AEGP_GlobalRefcon global_refcon(AEGP_PluginID plugin) const;

    // ---- What a person does ------------------------------------------------------
    // Menus are about to be shown: runs the update-menu hooks.
    void update_menus(AEGP_WindowType active_window = AEGP_WindType_COMP);
    // Chooses the command's menu item: refused (false) for an unknown or disabled
    // command; otherwise runs the hooks for it and for 0 and the host's own
    // handling, and says whether someone handled it.
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
    const std::vector<Alert>& alerts() const { return alerts_; }
    void clear_alerts() { alerts_.clear(); }

    // ---- Undo ---------------------------------------------------------------------
    bool undo();
    bool redo();
    const UndoHistory& undo_history() const { return undo_; }

    // ---- Project model --------------------------------------------------------------
    // Direct access for tests and the application; such changes make no undo step.
    Project& project() { return project_; }
    const Project& project() const { return project_; }
    IdCounters& ids() { return ids_; }
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

    // ---- Services for the suite functions --------------------------------------------
    std::map<ObjectId, Collection>& collections() { return collections_; }
    std::map<ObjectId, StreamRef>& streams() { return streams_; }
    ObjectId new_collection(AEGP_PluginID plugin, std::vector<AEGP_CollectionItem> items);
    ObjectId new_stream(AEGP_PluginID plugin, ObjectId layer, StreamId which);
    Hooks& hook_registry() { return hooks_; }
    Menus& menu_registry() { return menus_; }
    void add_alert(AEGP_PluginID plugin, std::string text) { alerts_.push_back({plugin, std::move(text)}); }
    A_Err start_undo_group(const std::string& name);
    A_Err end_undo_group();
    // Every change to the project made through a suite reports here.
    void project_changed();
    // AEGP_DoCommand: hooks and the host's own handling; PARAMETER for an unknown command.
    A_Err do_command(AEGP_Command command);
    // The Duplicate command on the active composition.
    void duplicate_selected_layers();
    A_Err register_create_panel_hook(CreatePanelHookEntry entry);
    A_Err set_panel_title(AEGP_PanelH panel, const std::string& title);
    // Reacts to the frame window being closed by someone else (its close box).
    void panel_frame_closed(PanelFrame& frame);

private:
    struct CommandRun {
        bool handled = false;
    };
    LoadResult run_entry(AEGP_PluginInitFuncPrototype entry, const std::string& path);
    CommandRun run_command(AEGP_Command command);
    void note_hook_status(const char* hook, std::string detail, A_Err status);
    void close_panel(PanelFrame& frame);
    PanelFrame* open_frame(const std::string& match_name);
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
    ObjectId next_collection_ = 1, next_stream_ = 1, next_panel_ = 1;
    long collections_made_ = 0, streams_made_ = 0;
    std::map<AEGP_PluginID, AEGP_GlobalRefcon> plugins_;
    AEGP_PluginID next_plugin_ = 1;
    std::vector<void*> modules_;
    std::map<std::string, std::unique_ptr<PanelFrame>> panels_;
    std::set<OpaqueWindowPtr*> own_windows_;
    int command_depth_ = 0;
    bool quit_ = false;
};

}  // namespace host

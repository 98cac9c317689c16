// One run of the validator: a fresh simulated host with the plug-in loaded
// through its entry point, operated step by step as a person and the host
// would, every step checked when it ends (see checks.h) and the end of the
// run checked at quit.
#pragma once

#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "call_log.h"
#include "checks.h"
#include "dialog_actions.h"
#include "dialog_window.h"
#include "hook_watch.h"
#include "host/Host.h"

namespace app::validate {

// The status an injected fault gives: a host status no other path produces,
// so wherever it surfaces it came from the injection.
inline constexpr A_Err kInjectedStatus = 7;

struct RunPlan {
    std::string plugin;
    std::string scene;  // scene text
    bool panels{};
    std::vector<host::SuiteKey> without;
    long fail_at = 0;  // the call that fails (0: none)
    bool persistent{};
    // Nothing is refused or missing: every step must be possible as asked.
    bool clean{};
    // A long run: the call log is forgotten after every step.
    bool long_run{};
    std::time_t clock = 1700000000;
};

// Layers of the main composition by kind: none, the 2D ones, the 3D ones of a
// type, or cameras and lights.
enum class Picked { none, two_d, footage, solid, text, shape, cameras_lights };

class Session {
public:
    explicit Session(const RunPlan& plan);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // ---- What a person does ---------------------------------------------------------
    // Loads the plug-in module and calls its entry point; false when the module
    // cannot be loaded at all.
    bool load();
    // Chooses "Voxtrel" from its menu (a window shows, a panel toggles) and
    // idles; open() expects the dialog to show.
    void choose_command();
    bool open();
    void idle(int ticks = 1);
    void show_menus();
    // Operates the dialog as voxtrel-host's options do, then idles.
    void operate(const DialogActions& actions);
    // Sets a check box the dialog keeps hidden, through the control's value as
    // the dialog services' setter does, since a person cannot click it.
    void set_hidden_box(const std::string& label, bool checked);
    // Clicks a control; a click that applies is checked like a press of "Apply".
    void click(HIViewRef control, const std::string& step);
    // Presses "Apply" and checks that undo and redo give the projects back.
    void apply();
    bool close_box();
    void undo();
    void redo();
    void select(Picked which);
    void select(const std::vector<host::ObjectId>& layers);
    void set_composition_active(bool active);
    void quit();

    // ---- What the torture run needs besides --------------------------------------------
    host::Host& host() { return host_; }
    DialogPlace dialog() const;
    bool panels() const { return plan_.panels; }
    // Ends a step the caller made itself (clicking, typing, host actions).
    void step_done(const std::string& step);
    void set_clock(std::time_t seconds);

    // ---- Results ------------------------------------------------------------------------
    // Broken promises, in the order found.
    const std::vector<std::string>& findings() const { return checks_.findings(); }
    long calls() const { return host_.calls().total_calls(); }
    // Names of the calls still in the log, call 1 first (short runs keep them all).
    std::vector<std::string> call_names() const;
    // The function of call `number`; empty when it was not made or is forgotten.
    std::string call_name(long number) const;

private:
    void checkpoint(const std::string& step);
    // A step a clean run must be able to do; otherwise a finding there.
    void cannot(const std::string& what);
    std::vector<host::ObjectId> picked(Picked which) const;

    RunPlan plan_;
    host::Host host_;
    CallLog log_;
    HookWatch hooks_;
    Checks checks_;
    std::ostringstream complaints_;
};

}  // namespace app::validate

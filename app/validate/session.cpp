#include "session.h"

#include "clock.h"
#include "dialog_driver.h"
#include "open_dialog.h"
#include "toolkit/automation.h"

namespace app::validate {

namespace auto_ = tk::automation;

namespace {

bool is_placeable(host::LayerType type) {
    return type == host::LayerType::footage || type == host::LayerType::solid || type == host::LayerType::text ||
           type == host::LayerType::shape;
}

bool matches(Picked which, const host::Layer& layer) {
    const bool placeable_3d = is_placeable(layer.type) && layer.three_d;
    switch (which) {
        case Picked::none: return false;
        case Picked::two_d: return is_placeable(layer.type) && !layer.three_d;
        case Picked::footage: return placeable_3d && layer.type == host::LayerType::footage;
        case Picked::solid: return placeable_3d && layer.type == host::LayerType::solid;
        case Picked::text: return placeable_3d && layer.type == host::LayerType::text;
        case Picked::shape: return placeable_3d && layer.type == host::LayerType::shape;
        case Picked::cameras_lights:
            return layer.type == host::LayerType::camera || layer.type == host::LayerType::light;
    }
    return false;
}

}  // namespace

Session::Session(const RunPlan& plan)
    : plan_(plan), log_(host_), hooks_(host_), checks_(host_, log_, plan.persistent) {
    // The checks name every call by the log, so it is kept.
    host_.calls().log_calls();
    if (!plan_.panels) host_.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    for (const auto& [name, version] : plan_.without) host_.remove_suite(name, version);
    host_.load_scene_text(plan_.scene);
    set_clock(plan_.clock);
    if (plan_.fail_at > 0) host_.calls().fail_call(plan_.fail_at, kInjectedStatus, plan_.persistent);
}

Session::~Session() = default;

void Session::set_clock(std::time_t seconds) { app::set_clock(seconds); }

void Session::checkpoint(const std::string& step) {
    hooks_.wrap();
    checks_.look(hooks_.calls(), step);
    hooks_.forget();
    if (plan_.long_run) log_.forget(host_);
}

void Session::step_done(const std::string& step) { checkpoint(step); }

void Session::cannot(const std::string& what) {
    if (plan_.clean) checks_.add("the run could not go on as planned, with nothing refused: " + what);
}

bool Session::load() {
    host::LoadResult result;
    hooks_.around("entry point", [&] {
        result = host_.load_module(plan_.plugin);
        return result.status;
    });
    if (result.outcome == host::LoadOutcome::cannot_open || result.outcome == host::LoadOutcome::no_entry) {
        hooks_.forget();
        checks_.add("the module cannot be loaded: " + result.message);
        return false;
    }
    checkpoint("loading the plug-in");
    if (!result.ok()) cannot("the entry point returned " + std::to_string(result.status));
    return true;
}

void Session::choose_command() {
    open_voxtrel(host_);
    checkpoint("choosing \"Voxtrel\" from its menu");
}

bool Session::open() {
    const OpenResult opened = open_voxtrel(host_);
    checkpoint("choosing \"Voxtrel\" from its menu");
    if (opened.outcome != OpenOutcome::opened) cannot(opened.message);
    return opened.outcome == OpenOutcome::opened;
}

void Session::idle(int ticks) {
    for (int i = 0; i < ticks; ++i) {
        host_.idle();
        checkpoint("the host idling");
    }
}

void Session::show_menus() {
    host_.update_menus();
    checkpoint("the host showing its menus");
}

DialogPlace Session::dialog() const {
    if (plan_.panels) {
        for (const host::CreatePanelHookEntry& entry : host_.hooks().create_panel)
            if (WindowRef window = host_.panel_window(entry.match_name)) return {window, auto_::rootView(window)};
        return {};
    }
    // Every visible window counts as seen before, so only one titled "Voxtrel" is found.
    return find_dialog(visible_windows());
}

void Session::operate(const DialogActions& actions) {
    const DialogPlace place = dialog();
    if (!place) {
        cannot("the dialog is not open to be operated");
        return;
    }
    // A quick person: the host idles once they are done, not between their clicks.
    bool acted = false;
    DialogDriver driver(
        place.root,
        [this, &acted] {
            acted = true;
            checkpoint("operating the dialog");
        },
        complaints_);
    driver.operate(actions);
    if (!complaints_.str().empty()) cannot(complaints_.str().substr(0, complaints_.str().find('\n')));
    complaints_.str("");
    if (acted) idle();
}

void Session::set_hidden_box(const std::string& label, bool checked) {
    const DialogPlace place = dialog();
    HIViewRef box = place ? auto_::findLabelledControl(place.root, "check box", label) : nullptr;
    if (!box) {
        cannot("no check box \"" + label + "\" in the dialog");
        return;
    }
    SetControl32BitValue(box, checked);
    if (label == "Scale Layers To Fit") checks_.fitting(checked);
    checkpoint("setting the hidden \"" + label + "\"");
}

void Session::click(HIViewRef control, const std::string& step) {
    const host::Project before = host_.project();
    const std::size_t steps = host_.undo_history().undo_steps().size();
    auto_::click(control);
    checkpoint(step);
    checks_.application(before, steps, step);
}

void Session::apply() {
    const DialogPlace place = dialog();
    HIViewRef button = place ? auto_::findLabelledControl(place.root, "push button", "Apply") : nullptr;
    if (!button || !auto_::visible(button) || !auto_::enabled(button)) {
        cannot(button ? "\"Apply\" is disabled or hidden" : "no \"Apply\" in an open dialog");
        return;
    }
    const long groups = host_.undo_history().groups_started();
    click(button, "pressing \"Apply\"");
    if (host_.undo_history().groups_started() == groups) cannot("pressing \"Apply\" made no application");
}

bool Session::close_box() {
    const DialogPlace place = dialog();
    const bool closed = place && auto_::clickCloseBox(place.window);
    checkpoint("clicking the dialog's close box");
    if (!closed) cannot("the dialog has no close box to click");
    return closed;
}

void Session::undo() {
    host_.undo();
    checkpoint("undoing");
}

void Session::redo() {
    host_.redo();
    checkpoint("redoing");
}

std::vector<host::ObjectId> Session::picked(Picked which) const {
    std::vector<host::ObjectId> ids;
    for (host::ObjectId id : host_.layer_ids())
        if (matches(which, host_.project().layers.at(id))) ids.push_back(id);
    return ids;
}

void Session::select(Picked which) { select(picked(which)); }

void Session::select(const std::vector<host::ObjectId>& layers) {
    host_.select_layers(layers);
    checkpoint("selecting " + std::to_string(layers.size()) + " layer(s)");
}

void Session::set_composition_active(bool active) {
    host_.project().active_item = active ? host_.main_comp() : 0;
    checkpoint(active ? "making the composition active" : "making no composition active");
}

void Session::quit() {
    host_.quit();
    checkpoint("quitting");
    checks_.at_quit();
}

std::vector<std::string> Session::call_names() const {
    std::vector<std::string> names;
    for (long n = 1; n <= log_.last(); ++n)
        if (const host::CallRecord* call = log_.at(n)) names.push_back(call->function);
    return names;
}

std::string Session::call_name(long number) const {
    const host::CallRecord* call = log_.at(number);
    return call ? call->function : std::string();
}

}  // namespace app::validate

// What a person does in the host, turned into hook calls: menus about to be
// shown, choosing a command, idle time and quitting; and the host's own
// Duplicate command.
#include <string>

#include "host/Host.h"
#include "toolkit/automation.h"

namespace host {

namespace {

// Deep enough for a hook that runs another command; stops a command that runs itself.
constexpr int kMaxCommandDepth = 8;

}  // namespace

void Host::note_hook_failure(const char* hook, std::string detail, A_Err status) {
    hooks_.failures.push_back({hook, std::move(detail), status});
}

void Host::update_menus(AEGP_WindowType active_window) {
    if (quit_) return;
    // A hook may register further hooks while it runs; those wait for the next time.
    const auto hooks = hooks_.update_menu;
    for (const UpdateMenuHookEntry& e : hooks)
        if (const A_Err status = e.hook(global_refcon(e.plugin), e.refcon, active_window))
            note_hook_failure("update menu", "window type " + std::to_string(active_window), status);
}

bool Host::command_enabled(AEGP_Command command) const {
    if (command == kDuplicateCommand) {
        const Composition* comp = project_.active_comp();
        return comp && !comp->selection.empty();
    }
    const auto state = menus_.state(command);
    return state && state->enabled;
}

bool Host::invoke_command(AEGP_Command command) {
    if (quit_ || !menus_.menu_of(command)) return false;
    // Choosing an item means its menu was shown first.
    update_menus();
    if (quit_ || !command_enabled(command)) return false;
    return run_command(command).handled;
}

Host::Outcome Host::do_command(AEGP_Command command) {
    if (!menus_.known(command))
        return {A_Err_PARAMETER, "command " + std::to_string(command) + " was never given out"};
    if (command_depth_ >= kMaxCommandDepth)
        return {A_Err_GENERIC, "commands run inside commands more than " + std::to_string(kMaxCommandDepth) + " deep"};
    run_command(command);
    return {};
}

Host::CommandRun Host::run_command(AEGP_Command command) {
    ++command_depth_;
    CommandRun run;
    const auto hooks = hooks_.command;
    const auto run_phase = [&](AEGP_HookPriority priority) {
        for (const CommandHookEntry& e : hooks) {
            if (e.priority != priority || (e.command != 0 && e.command != command)) continue;
            A_Boolean handled = 0;
            if (const A_Err status =
                    e.hook(global_refcon(e.plugin), e.refcon, command, priority, run.handled, &handled))
                note_hook_failure("command", "command " + std::to_string(command), status);
            if (handled) run.handled = true;
        }
    };
    run_phase(AEGP_HP_BeforeAE);
    if (!run.handled && command == kDuplicateCommand) {
        duplicate_selected_layers();
        run.handled = true;
    }
    run_phase(AEGP_HP_AfterAE);
    --command_depth_;
    return run;
}

void Host::duplicate_selected_layers() {
    const Composition* comp = project_.active_comp();
    if (!comp || comp->selection.empty()) return;
    std::vector<ObjectId> made;
    made.reserve(comp->selection.size());
    for (ObjectId layer : std::vector<ObjectId>(comp->selection)) made.push_back(duplicate_layer(layer));
    edit_selection(comp->item).selection = std::move(made);
}

A_long Host::idle(A_long max_sleep) {
    if (quit_) return max_sleep;
    const auto hooks = hooks_.idle;
    for (const IdleHookEntry& e : hooks)
        if (const A_Err status = e.hook(global_refcon(e.plugin), e.refcon, &max_sleep))
            note_hook_failure("idle", "", status);
    return max_sleep;
}

void Host::quit() {
    if (quit_) return;
    for (auto& [name, frame] : panels_)
        if (frame->id) close_panel(*frame);
    // Like an application quitting, the host closes the windows plug-ins left
    // open before it tells them to die.
    for (WindowRef window : tk::automation::windows())
        if (!own_windows_.count(window)) DisposeWindow(window);
    quit_ = true;
    const auto hooks = hooks_.death;
    for (const DeathHookEntry& e : hooks)
        if (const A_Err status = e.hook(global_refcon(e.plugin), e.refcon)) note_hook_failure("death", "", status);
}

}  // namespace host

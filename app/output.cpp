#include "output.h"

#include <filesystem>
#include <fstream>

namespace app {

namespace {

const char* priority_text(AEGP_HookPriority priority) {
    return priority == AEGP_HP_BeforeAE ? "before the host" : "after the host";
}

}  // namespace

void print_registrations(const host::Host& h, std::ostream& out) {
    out << "Menu commands:\n";
    bool any = false;
    for (AEGP_MenuID menu = AEGP_Menu_APPLE; menu <= AEGP_Menu_FLOATERS; ++menu) {
        for (const host::MenuItem& item : h.menus().items(menu)) {
            if (h.menus().host_owned(item.command)) continue;
            out << "  " << item.command << "  " << host::menu_name(menu) << " > " << item.name << "\n";
            any = true;
        }
    }
    if (!any) out << "  (none)\n";

    const host::Hooks& hooks = h.hooks();
    out << "Hooks:\n";
    for (const host::CommandHookEntry& e : hooks.command) {
        out << "  command       "
            << (e.command == 0 ? std::string("every command") : "command " + std::to_string(e.command)) << " ("
            << priority_text(e.priority) << ")\n";
    }
    if (!hooks.update_menu.empty()) out << "  update menu   " << hooks.update_menu.size() << "\n";
    if (!hooks.idle.empty()) out << "  idle          " << hooks.idle.size() << "\n";
    if (!hooks.death.empty()) out << "  death         " << hooks.death.size() << "\n";
    for (const host::CreatePanelHookEntry& e : hooks.create_panel)
        out << "  create panel  \"" << e.match_name << "\"\n";
    if (hooks.command.empty() && hooks.update_menu.empty() && hooks.idle.empty() && hooks.death.empty() &&
        hooks.create_panel.empty())
        out << "  (none)\n";
}

void print_alerts(const host::Host& h, std::ostream& out) {
    out << "Alerts:\n";
    for (const host::Alert& a : h.alerts()) out << "  " << a.text << "\n";
    if (h.alerts().empty()) out << "  (none)\n";
}

bool write_scene_file(const std::string& dir, const std::string& scene_text, std::ostream& err) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        err << "voxtrel-host: cannot create " << dir << ": " << error.message() << "\n";
        return false;
    }
    const std::filesystem::path file = std::filesystem::path(dir) / "scene.json";
    std::ofstream out(file);
    out << scene_text;
    out.close();
    if (!out) {
        err << "voxtrel-host: cannot write " << file.string() << "\n";
        return false;
    }
    return true;
}

}  // namespace app

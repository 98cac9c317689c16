#include "open_dialog.h"

#include <optional>

namespace app {

namespace {

constexpr char kMenuItem[] = "Voxtrel";

std::optional<AEGP_Command> find_menu_item(const host::Host& h) {
    for (AEGP_MenuID menu = AEGP_Menu_APPLICATION; menu <= AEGP_Menu_FLOATERS; ++menu)
        for (const host::MenuItem& item : h.menus().items(menu))
            if (item.name == kMenuItem) return item.command;
    return std::nullopt;
}

}  // namespace

OpenResult open_voxtrel(host::Host& h) {
    OpenResult result;
    h.update_menus();
    const std::optional<AEGP_Command> command = find_menu_item(h);
    if (!command) {
        result.message = "the plug-in added no \"Voxtrel\" menu item; nothing opened";
        return result;
    }
    if (!h.command_enabled(*command)) {
        result.outcome = OpenOutcome::disabled;
        result.message = "the \"Voxtrel\" menu item is disabled (select 3D layers); nothing opened";
        return result;
    }
    const std::vector<WindowRef> before = visible_windows();
    h.invoke_command(*command);
    h.idle();
    result.place = find_dialog(before);
    if (!result.place) {
        result.outcome = OpenOutcome::nothing_shown;
        result.message = "choosing \"Voxtrel\" showed no dialog";
        return result;
    }
    result.outcome = OpenOutcome::opened;
    return result;
}

}  // namespace app

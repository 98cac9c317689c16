#include "open_dialog.h"

#include <optional>

namespace app {

namespace {

constexpr char kMenuItem[] = "Voxtrel";

// Why the menu item is disabled, as far as the host can tell: the plug-in
// enables it for an active composition whose selection holds a layer it distributes.
std::string disabled_reason(const host::Host& h) {
    const host::Composition* comp = h.project().active_comp();
    if (!comp) return ": no composition is active (the scene says \"active\": false)";
    for (host::ObjectId id : comp->selection) {
        const host::Layer* layer = h.project().layer(id);
        if (layer && layer->three_d && layer->type != host::LayerType::camera && layer->type != host::LayerType::light)
            return "";
    }
    return ": the selection holds no 3D footage, solid, text or shape layer";
}

}  // namespace

std::optional<AEGP_Command> find_menu_item(const host::Host& h) {
    for (AEGP_MenuID menu = AEGP_Menu_APPLICATION; menu <= AEGP_Menu_FLOATERS; ++menu)
        for (const host::MenuItem& item : h.menus().items(menu))
            if (item.name == kMenuItem) return item.command;
    return std::nullopt;
}

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
        result.message = "the \"Voxtrel\" menu item is disabled" + disabled_reason(h) + "; nothing opened";
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

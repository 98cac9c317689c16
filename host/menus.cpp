#include "host/menus.h"

#include <algorithm>

namespace host {

bool is_valid_menu(AEGP_MenuID menu) { return menu >= AEGP_Menu_APPLICATION && menu <= AEGP_Menu_FLOATERS; }

const char* menu_name(AEGP_MenuID menu) {
    switch (menu) {
        case AEGP_Menu_APPLICATION: return "Application";
        case AEGP_Menu_FILE: return "File";
        case AEGP_Menu_EDIT: return "Edit";
        case AEGP_Menu_COMPOSITION: return "Composition";
        case AEGP_Menu_LAYER: return "Layer";
        case AEGP_Menu_EFFECT: return "Effect";
        case AEGP_Menu_WINDOW: return "Window";
        case AEGP_Menu_FLOATERS: return "Floating Windows";
        default: return "unknown menu";
    }
}

Menus::Menus() {
    menus_[AEGP_Menu_EDIT].push_back({kDuplicateCommand, "Duplicate"});
    states_[kDuplicateCommand] = CommandState{};
}

AEGP_Command Menus::new_command() {
    if (next_ == kDuplicateCommand) ++next_;
    const AEGP_Command command = next_++;
    states_[command] = CommandState{};
    return command;
}

bool Menus::known(AEGP_Command command) const { return states_.count(command) != 0; }

void Menus::insert(AEGP_Command command, const std::string& name, AEGP_MenuID menu, A_long after_item) {
    std::vector<MenuItem>& items = menus_[menu];
    auto at = items.end();
    if (after_item == AEGP_MENU_INSERT_SORTED) {
        at = std::find_if(items.begin(), items.end(), [&](const MenuItem& m) { return name < m.name; });
    } else if (after_item == AEGP_MENU_INSERT_AT_TOP) {
        at = items.begin();
    } else if (after_item > 0 && static_cast<std::size_t>(after_item) < items.size()) {
        at = items.begin() + after_item;
    }
    items.insert(at, MenuItem{command, name});
}

bool Menus::set_enabled(AEGP_Command command, bool enabled) {
    const auto it = states_.find(command);
    if (it == states_.end()) return false;
    it->second.enabled = enabled;
    return true;
}

bool Menus::set_checked(AEGP_Command command, bool checked) {
    const auto it = states_.find(command);
    if (it == states_.end()) return false;
    it->second.checked = checked;
    return true;
}

const std::vector<MenuItem>& Menus::items(AEGP_MenuID menu) const {
    static const std::vector<MenuItem> none;
    const auto it = menus_.find(menu);
    return it == menus_.end() ? none : it->second;
}

std::optional<AEGP_MenuID> Menus::menu_of(AEGP_Command command) const {
    for (const auto& [menu, items] : menus_)
        for (const MenuItem& m : items)
            if (m.command == command) return menu;
    return std::nullopt;
}

std::optional<CommandState> Menus::state(AEGP_Command command) const {
    const auto it = states_.find(command);
    if (it == states_.end()) return std::nullopt;
    return it->second;
}

}  // namespace host

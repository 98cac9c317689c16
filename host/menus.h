// Command numbers and the host's menus: items by menu id, each naming a
// command, and the enabled and check-mark state kept per command.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "aegp/aegp_types.h"

namespace host {

// The host's own Duplicate command (Edit menu).
inline constexpr AEGP_Command kDuplicateCommand = 2080;

struct MenuItem {
    AEGP_Command command{};
    std::string name;
};

struct CommandState {
    bool enabled = true;
    bool checked{};
};

class Menus {
public:
    Menus();

    // A fresh command number, never 0 and never given out before.
    AEGP_Command new_command();
    bool known(AEGP_Command command) const;
    bool host_owned(AEGP_Command command) const { return command == kDuplicateCommand; }

    // Puts a known command that is in no menu yet into a valid menu; after_item:
    // sorted -2, bottom -1, top 0, or after the n-th item (1-based).
    void insert(AEGP_Command command, const std::string& name, AEGP_MenuID menu, A_long after_item);
    // False for an unknown command.
    bool set_enabled(AEGP_Command command, bool enabled);
    bool set_checked(AEGP_Command command, bool checked);

    // Items of a menu, top first (empty for a menu without items).
    const std::vector<MenuItem>& items(AEGP_MenuID menu) const;
    // The menu a command was inserted in, if any.
    std::optional<AEGP_MenuID> menu_of(AEGP_Command command) const;
    // State of a known command.
    std::optional<CommandState> state(AEGP_Command command) const;

private:
    AEGP_Command next_ = 3000;
    std::map<AEGP_MenuID, std::vector<MenuItem>> menus_;
    std::map<AEGP_Command, CommandState> states_;
};

bool is_valid_menu(AEGP_MenuID menu);
const char* menu_name(AEGP_MenuID menu);

}  // namespace host

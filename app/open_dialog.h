// Opening the dialog as a person would: look at the menus (the host runs its
// update-menu hooks), choose "Voxtrel" where the plug-in put it, and let the
// host idle so the dialog follows the selection.
#pragma once

#include <optional>
#include <string>

#include "dialog_window.h"
#include "host/Host.h"

namespace app {

enum class OpenOutcome { opened, no_menu_item, disabled, nothing_shown };

struct OpenResult {
    OpenOutcome outcome = OpenOutcome::no_menu_item;
    DialogPlace place;
    std::string message;  // why nothing opened, for people
};

OpenResult open_voxtrel(host::Host& h);

// The command of the "Voxtrel" menu item; none when the plug-in added none.
std::optional<AEGP_Command> find_menu_item(const host::Host& h);

}  // namespace app

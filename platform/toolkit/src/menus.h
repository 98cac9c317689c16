// Menus inside the library: disposal and the item a popup shows.
#pragma once

#include <string>

#include "model.h"

namespace tk::detail {

// Frees the menu and clears it from every popup that shows it.
void dispose_menu(TkMenu* menu);
// The text of item `index` (from 1), or null when there is no such item.
const std::u16string* menu_item_text(const TkMenu* menu, SInt32 index);

}  // namespace tk::detail

// The host's own keys, in any of its windows: Ctrl+Z undoes, Ctrl+Shift+Z
// redoes, Ctrl+Q quits.
#pragma once

#include "toolkit/x11_display.h"

namespace app::gui {

enum class HostKey { none, undo, redo, quit };

HostKey host_key(const tk::x11::TypedKey& key);

}  // namespace app::gui

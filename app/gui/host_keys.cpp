#include "gui/host_keys.h"

namespace app::gui {

HostKey host_key(const tk::x11::TypedKey& key) {
    if (!(key.modifiers & controlKey)) return HostKey::none;
    const bool shift = key.modifiers & shiftKey;
    switch (key.charCode) {
        case 'z':
        case 'Z':
            return shift ? HostKey::redo : HostKey::undo;
        case 'q':
        case 'Q':
            return shift ? HostKey::none : HostKey::quit;
        default:
            return HostKey::none;
    }
}

}  // namespace app::gui

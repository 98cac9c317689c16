// The validator's one door into the parts of the simulated host that are
// still moving: the call log (to be switched on explicitly), the host's
// reasons for refusing calls, what a person does to the project (select, add
// and delete layers, move the current time, leave the composition), and the
// registry of the hooks the plug-in registered. Everything else the validator
// does goes through the host's ordinary interface.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "host/Host.h"

namespace app::validate::host_adapter {

// The validator names every call by the log, so it must be kept.
inline void keep_call_log(host::Host&) {}

// Why the host refused call `number` on its own (not by an injected fault);
// empty while the host does not say.
inline std::string refusal_reason(const host::Host&, long /*number*/) { return {}; }

// The registry the plug-in's hooks are in, so each can be watched.
inline host::Hooks& hooks(host::Host& h) { return h.hook_registry(); }

// A person selects exactly these layers of the main composition, in this order.
inline void select_layers(host::Host& h, const std::vector<host::ObjectId>& layers) {
    if (host::Composition* comp = h.project().comp(h.main_comp())) comp->selection = layers;
}

// A person adds a layer to the main composition at the index (an undo step
// "New Layer"); returns its id, or 0 when there is no composition.
inline host::ObjectId add_layer(host::Host& h, host::Layer layer, long index = 0) {
    const host::ObjectId comp = h.main_comp();
    if (!h.project().comp(comp)) return 0;
    h.start_undo_group("New Layer");
    const host::ObjectId id = h.project().add_layer(h.ids(), comp, std::move(layer)).id;
    const long last = static_cast<long>(h.project().comp(comp)->layers.size()) - 1;
    h.project().reorder_layer(id, std::clamp(index, 0L, last));
    h.end_undo_group();
    return id;
}

// A person deletes a layer (an undo step "Delete Layer"); false when it is not there.
inline bool delete_layer(host::Host& h, host::ObjectId layer) {
    const host::Layer* found = h.project().layer(layer);
    if (!found) return false;
    host::Composition* comp = h.project().comp(found->comp);
    h.start_undo_group("Delete Layer");
    if (comp) {
        std::erase(comp->layers, layer);
        std::erase(comp->selection, layer);
    }
    h.project().layers.erase(layer);
    h.end_undo_group();
    return true;
}

// A person moves the main composition's current time.
inline void set_current_time(host::Host& h, A_Time time) {
    if (host::Composition* comp = h.project().comp(h.main_comp()); comp && time.scale != 0)
        comp->time = static_cast<double>(time.value) / time.scale;
}

// A person makes another item active (none), or the composition again.
inline void set_composition_active(host::Host& h, bool active) {
    h.project().active_item = active ? h.main_comp() : 0;
}

}  // namespace app::validate::host_adapter

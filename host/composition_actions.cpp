// What a person does in the main composition: selecting layers, adding and
// deleting one, moving the current time.
#include <algorithm>
#include <stdexcept>
#include <unordered_set>

#include "host/Host.h"

namespace host {

namespace {

// A layer as a scene could hold it.
bool holds_together(const Project& project, const Layer& layer) {
    if (has_source(layer.type)) {
        const Item* source = project.item(layer.source);
        if (!source || source->kind == ItemKind::composition) return false;
    } else if (layer.source != 0) {
        return false;
    }
    if ((layer.type == LayerType::camera || layer.type == LayerType::light) && !layer.three_d) return false;
    for (const Stream& s : layer.streams)
        for (std::size_t i = 1; i < s.keys.size(); ++i)
            if (!(s.keys[i - 1].time < s.keys[i].time)) return false;
    return true;
}

}  // namespace

void Host::select_layers(const std::vector<ObjectId>& layers) {
    Composition* comp = project_.comp(main_comp());
    if (!comp) return;
    std::vector<ObjectId> selection;
    std::unordered_set<ObjectId> seen;
    for (ObjectId id : layers)
        if (comp->layers.contains(id) && seen.insert(id).second) selection.push_back(id);
    comp->selection = std::move(selection);
}

ObjectId Host::add_layer(Layer layer, long index) {
    const ObjectId comp = main_comp();
    if (!comp || !holds_together(project_, layer)) return 0;
    const auto size = static_cast<long>(project_.comps.at(comp).layers.size());
    undo_.start("New Layer");
    undo_.changing_order(project_, comp);
    const ObjectId made =
        project_.add_layer(ids_, comp, std::move(layer), static_cast<std::size_t>(std::clamp(index, 0L, size))).id;
    undo_.made_layer(made);
    undo_.end(project_);
    return made;
}

bool Host::delete_layer(ObjectId layer) {
    const Layer* found = project_.layer(layer);
    if (!found || found->comp != main_comp()) return false;
    undo_.start("Delete Layer");
    undo_.changing_layer(project_, layer);
    undo_.changing_order(project_, found->comp);
    undo_.changing_selection(project_, found->comp);
    project_.remove_layer(layer);
    undo_.end(project_);
    return true;
}

void Host::set_current_time(A_Time time) {
    const auto t = Time::of(time);
    if (!t) throw std::invalid_argument("a time needs a scale above 0");
    if (*t < Time()) throw std::invalid_argument("the current time cannot be before 0");
    if (Composition* comp = project_.comp(main_comp())) comp->time = *t;
}

}  // namespace host

#include "host/project.h"

#include <algorithm>

namespace host {

std::optional<StreamId> stream_from_host(AEGP_LayerStream which) {
    switch (which) {
        case AEGP_LayerStream_ANCHORPOINT: return StreamId::anchor;
        case AEGP_LayerStream_POSITION: return StreamId::position;
        case AEGP_LayerStream_SCALE: return StreamId::scale;
        case AEGP_LayerStream_ROTATION: return StreamId::rotation_z;
        case AEGP_LayerStream_ROTATE_X: return StreamId::rotation_x;
        case AEGP_LayerStream_ROTATE_Y: return StreamId::rotation_y;
        case AEGP_LayerStream_ORIENTATION: return StreamId::orientation;
        default: return std::nullopt;
    }
}

bool is_one_dimensional(StreamId id) {
    return id == StreamId::rotation_x || id == StreamId::rotation_y || id == StreamId::rotation_z;
}

AEGP_StreamType stream_type(StreamId id) {
    if (is_one_dimensional(id)) return AEGP_StreamType_OneD;
    if (id == StreamId::position || id == StreamId::anchor) return AEGP_StreamType_ThreeD_SPATIAL;
    return AEGP_StreamType_ThreeD;
}

AEGP_ObjectType object_type(LayerType type) {
    switch (type) {
        case LayerType::text: return AEGP_ObjectType_TEXT;
        case LayerType::shape: return AEGP_ObjectType_VECTOR;
        case LayerType::camera: return AEGP_ObjectType_CAMERA;
        case LayerType::light: return AEGP_ObjectType_LIGHT;
        default: return AEGP_ObjectType_AV;
    }
}

bool has_source(LayerType type) { return type == LayerType::footage || type == LayerType::solid; }

const char* type_name(LayerType type) {
    switch (type) {
        case LayerType::footage: return "footage";
        case LayerType::solid: return "solid";
        case LayerType::text: return "text";
        case LayerType::shape: return "shape";
        case LayerType::camera: return "camera";
        case LayerType::light: return "light";
    }
    return "footage";
}

std::optional<LayerType> type_from_name(const std::string& name) {
    for (LayerType t : {LayerType::footage, LayerType::solid, LayerType::text, LayerType::shape, LayerType::camera,
                        LayerType::light})
        if (name == type_name(t)) return t;
    return std::nullopt;
}

namespace {

template <class Map>
auto* find_in(Map& map, ObjectId id) {
    const auto it = map.find(id);
    return it == map.end() ? nullptr : &it->second;
}

}  // namespace

Item* Project::item(ObjectId id) { return find_in(items, id); }
const Item* Project::item(ObjectId id) const { return find_in(items, id); }
Composition* Project::comp(ObjectId item_id) { return find_in(comps, item_id); }
const Composition* Project::comp(ObjectId item_id) const { return find_in(comps, item_id); }
Layer* Project::layer(ObjectId id) { return find_in(layers, id); }
const Layer* Project::layer(ObjectId id) const { return find_in(layers, id); }
Composition* Project::active_comp() { return comp(active_item); }
const Composition* Project::active_comp() const { return comp(active_item); }

ObjectId Project::add_item(IdCounters& ids, ItemKind kind, const std::string& name, A_long width, A_long height) {
    const ObjectId id = ids.next_item++;
    items[id] = Item{id, kind, name, width, height};
    if (kind == ItemKind::composition) comps[id] = Composition{id, 30, Time(), {}, {}};
    return id;
}

Layer& Project::add_layer(IdCounters& ids, ObjectId comp_item, Layer layer, std::optional<std::size_t> index) {
    layer.id = ids.next_layer++;
    layer.comp = comp_item;
    LayerStack& stack = comps.at(comp_item).layers;
    stack.insert(index.value_or(stack.size()), layer.id);
    return layers[layer.id] = std::move(layer);
}

long Project::index_of(ObjectId id) const {
    const Layer* l = layer(id);
    if (!l) return -1;
    const Composition* c = comp(l->comp);
    if (!c) return -1;
    const auto index = c->layers.index_of(id);
    return index ? static_cast<long>(*index) : -1;
}

ObjectId Project::duplicate_layer(IdCounters& ids, ObjectId id) {
    const long index = index_of(id);
    if (index < 0) return 0;
    Layer copy = layers.at(id);
    copy.id = ids.next_layer++;
    comps.at(copy.comp).layers.insert(static_cast<std::size_t>(index), copy.id);
    const ObjectId made = copy.id;
    layers[made] = std::move(copy);
    return made;
}

void Project::reorder_layer(ObjectId id, std::size_t index) {
    Composition& c = comps.at(layers.at(id).comp);
    c.layers.erase(id);
    c.layers.insert(index, id);
}

void Project::remove_layer(ObjectId id) {
    const Layer* l = layer(id);
    if (!l) return;
    if (Composition* c = comp(l->comp)) {
        c->layers.erase(id);
        std::erase(c->selection, id);
    }
    layers.erase(id);
}

}  // namespace host

// The host's project: items (compositions, footage, solids), compositions with
// their layer stacks and selections, and layers with their transform streams.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "aegp/aegp_types.h"
#include "host/handles.h"
#include "host/layer_stack.h"
#include "host/stream.h"
#include "host/time.h"

namespace host {

// A solid's source is a footage item, as the host reports it.
enum class ItemKind { composition, footage };

struct Item {
    ObjectId id{};
    ItemKind kind = ItemKind::footage;
    std::string name;
    A_long width = 0, height = 0;
    bool operator==(const Item&) const = default;
};

// The transform streams every layer has, in this order.
enum class StreamId { anchor, position, scale, rotation_x, rotation_y, rotation_z, orientation };
inline constexpr std::size_t kStreamCount = 7;

std::optional<StreamId> stream_from_host(AEGP_LayerStream which);
// Rotations are one-dimensional: their value lives in x.
bool is_one_dimensional(StreamId id);
AEGP_StreamType stream_type(StreamId id);

enum class LayerType { footage, solid, text, shape, camera, light };

AEGP_ObjectType object_type(LayerType type);
// footage and solid layers are audio/video layers and have a source item.
bool has_source(LayerType type);
const char* type_name(LayerType type);
std::optional<LayerType> type_from_name(const std::string& name);

struct Layer {
    ObjectId id{};
    ObjectId comp{};    // item id of the composition holding it
    ObjectId source{};  // source item; 0 for text, shape, camera and light layers
    std::string name;
    LayerType type = LayerType::footage;
    bool three_d{};
    Time offset;  // composition time at which the layer's own time is 0
    std::array<Stream, kStreamCount> streams;

    Stream& stream(StreamId s) { return streams[static_cast<std::size_t>(s)]; }
    const Stream& stream(StreamId s) const { return streams[static_cast<std::size_t>(s)]; }
    bool operator==(const Layer&) const = default;
};

struct Composition {
    ObjectId item{};
    double frame_rate = 30;
    Time time;  // current time
    LayerStack layers;                // index 0 is the top of the stack
    std::vector<ObjectId> selection;  // in selection order
    bool operator==(const Composition&) const = default;
};

// Id counters live outside the project so that undo never hands an id out twice.
struct IdCounters {
    ObjectId next_item = 1;
    ObjectId next_layer = 1;
};

struct Project {
    std::map<ObjectId, Item> items;
    std::map<ObjectId, Composition> comps;  // by item id
    std::map<ObjectId, Layer> layers;
    ObjectId active_item{};  // 0: none

    Item* item(ObjectId id);
    const Item* item(ObjectId id) const;
    Composition* comp(ObjectId item_id);
    const Composition* comp(ObjectId item_id) const;
    Layer* layer(ObjectId id);
    const Layer* layer(ObjectId id) const;
    // The active item when it is a composition.
    Composition* active_comp();
    const Composition* active_comp() const;

    ObjectId add_item(IdCounters& ids, ItemKind kind, const std::string& name, A_long width, A_long height);
    // A new layer in the composition's stack at the index, or at the bottom.
    Layer& add_layer(IdCounters& ids, ObjectId comp_item, Layer layer, std::optional<std::size_t> index = {});

    // Index of the layer in its composition's stack, or -1.
    long index_of(ObjectId layer) const;
    // A full copy directly above the original; the selection is left alone.
    ObjectId duplicate_layer(IdCounters& ids, ObjectId layer);
    // Moves a layer of the project to an index within its stack, the others closing up.
    void reorder_layer(ObjectId layer, std::size_t index);
    // Takes the layer out of its composition's stack and selection and out of
    // the project; nothing happens when there is no such layer.
    void remove_layer(ObjectId layer);

    bool operator==(const Project&) const = default;
};

}  // namespace host

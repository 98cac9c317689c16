#include "host/undo_history.h"

namespace host {

namespace {

// Keys of the objects a group keeps, one space per kind.
enum class Kept : std::uint64_t { layer, stream, order, selection };

std::uint64_t key(Kept kind, ObjectId id, std::uint64_t stream = 0) {
    return static_cast<std::uint64_t>(kind) << 60 | std::uint64_t{id} << 8 | stream;
}

std::optional<Layer> layer_now(const Project& project, ObjectId id) {
    const Layer* layer = project.layer(id);
    return layer ? std::optional<Layer>(*layer) : std::nullopt;
}

Stream stream_now(const Project& project, const StreamKey& k) {
    const Layer* layer = project.layer(k.layer);
    return layer ? layer->stream(k.which) : Stream{};
}

std::vector<ObjectId> order_now(const Project& project, ObjectId comp) {
    const Composition* c = project.comp(comp);
    return c ? c->layers.ids() : std::vector<ObjectId>{};
}

std::vector<ObjectId> selection_now(const Project& project, ObjectId comp) {
    const Composition* c = project.comp(comp);
    return c ? c->selection : std::vector<ObjectId>{};
}

// The objects `part` holds, as they are now.
ProjectPart part_now(const Project& project, const ProjectPart& part) {
    ProjectPart now;
    now.layers.reserve(part.layers.size());
    for (const auto& [id, layer] : part.layers) now.layers.emplace_back(id, layer_now(project, id));
    now.streams.reserve(part.streams.size());
    for (const auto& [k, stream] : part.streams) now.streams.emplace_back(k, stream_now(project, k));
    for (const auto& [comp, order] : part.orders) now.orders.emplace_back(comp, order_now(project, comp));
    for (const auto& [comp, selection] : part.selections)
        now.selections.emplace_back(comp, selection_now(project, comp));
    return now;
}

void put_back(Project& project, const ProjectPart& part) {
    for (const auto& [id, layer] : part.layers) {
        if (layer) {
            project.layers[id] = *layer;
        } else {
            project.layers.erase(id);
        }
    }
    for (const auto& [k, stream] : part.streams)
        if (Layer* layer = project.layer(k.layer)) layer->stream(k.which) = stream;
    for (const auto& [comp, order] : part.orders)
        if (Composition* c = project.comp(comp)) c->layers.assign(order);
    for (const auto& [comp, selection] : part.selections)
        if (Composition* c = project.comp(comp)) c->selection = selection;
}

}  // namespace

void UndoHistory::start(const std::string& name) {
    ++started_;
    names_.push_back(name);
    if (depth_++ == 0) open_ = UndoStep{name, {}, {}};
}

bool UndoHistory::end(const Project& now) {
    if (depth_ == 0) return false;
    ++ended_;
    if (--depth_ == 0) {
        open_.before.layers.shrink_to_fit();
        open_.before.streams.shrink_to_fit();
        open_.after = part_now(now, open_.before);
        undo_.push_back(std::move(open_));
        open_ = UndoStep{};
        std::unordered_set<std::uint64_t>().swap(kept_);
        redo_.clear();
    }
    return true;
}

bool UndoHistory::first_change(std::uint64_t k) {
    if (depth_ == 0) {
        redo_.clear();
        return false;
    }
    return kept_.insert(k).second;
}

void UndoHistory::changing_layer(const Project& now, ObjectId layer) {
    if (first_change(key(Kept::layer, layer))) open_.before.layers.emplace_back(layer, layer_now(now, layer));
}

void UndoHistory::changing_stream(const Project& now, ObjectId layer, StreamId which) {
    // A layer kept whole has its streams kept with it (nothing is kept outside a group).
    if (kept_.count(key(Kept::layer, layer))) return;
    const StreamKey k{layer, which};
    if (first_change(key(Kept::stream, layer, static_cast<std::uint64_t>(which))))
        open_.before.streams.emplace_back(k, stream_now(now, k));
}

void UndoHistory::changing_order(const Project& now, ObjectId comp) {
    if (first_change(key(Kept::order, comp))) open_.before.orders.emplace_back(comp, order_now(now, comp));
}

void UndoHistory::changing_selection(const Project& now, ObjectId comp) {
    if (first_change(key(Kept::selection, comp)))
        open_.before.selections.emplace_back(comp, selection_now(now, comp));
}

void UndoHistory::made_layer(ObjectId layer) {
    if (first_change(key(Kept::layer, layer))) open_.before.layers.emplace_back(layer, std::nullopt);
}

bool UndoHistory::undo(Project& project) {
    if (depth_ != 0 || undo_.empty()) return false;
    put_back(project, undo_.back().before);
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return true;
}

bool UndoHistory::redo(Project& project) {
    if (depth_ != 0 || redo_.empty()) return false;
    put_back(project, redo_.back().after);
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return true;
}

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
    open_ = UndoStep{};
    kept_.clear();
    depth_ = 0;
}

}  // namespace host

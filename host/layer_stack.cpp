#include "host/layer_stack.h"

#include <stdexcept>

namespace host {

namespace {

// The tree's shape depends on the layer ids only, so runs repeat exactly.
std::uint32_t priority_of(ObjectId layer) {
    std::uint64_t z = layer + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(z ^ (z >> 31));
}

}  // namespace

LayerStack::LayerStack(std::initializer_list<ObjectId> layers) {
    for (ObjectId layer : layers) push_back(layer);
}

void LayerStack::update(std::uint32_t node) {
    Node& n = nodes_[node];
    n.size = 1 + size_of(n.left) + size_of(n.right);
    if (n.left != kNone) nodes_[n.left].parent = node;
    if (n.right != kNone) nodes_[n.right].parent = node;
}

void LayerStack::split(std::uint32_t tree, std::size_t count, std::uint32_t& first, std::uint32_t& rest) {
    if (tree == kNone) {
        first = rest = kNone;
        return;
    }
    const std::size_t left_size = size_of(nodes_[tree].left);
    if (count <= left_size) {
        split(nodes_[tree].left, count, first, nodes_[tree].left);
        rest = tree;
    } else {
        split(nodes_[tree].right, count - left_size - 1, nodes_[tree].right, rest);
        first = tree;
    }
    update(tree);
}

std::uint32_t LayerStack::merge(std::uint32_t first, std::uint32_t rest) {
    if (first == kNone) return rest;
    if (rest == kNone) return first;
    if (nodes_[first].priority > nodes_[rest].priority) {
        nodes_[first].right = merge(nodes_[first].right, rest);
        update(first);
        return first;
    }
    nodes_[rest].left = merge(first, nodes_[rest].left);
    update(rest);
    return rest;
}

void LayerStack::set_root(std::uint32_t node) {
    root_ = node;
    if (node != kNone) nodes_[node].parent = kNone;
}

ObjectId LayerStack::operator[](std::size_t index) const {
    if (index >= size()) throw std::out_of_range("no layer at index " + std::to_string(index));
    if (read_node_ != kNone && index == read_index_ + 1) {
        read_node_ = next(read_node_);
    } else if (read_node_ == kNone || index != read_index_) {
        read_node_ = root_;
        for (std::size_t rest = index;;) {
            const std::size_t left_size = size_of(nodes_[read_node_].left);
            if (rest == left_size) break;
            if (rest < left_size) {
                read_node_ = nodes_[read_node_].left;
            } else {
                rest -= left_size + 1;
                read_node_ = nodes_[read_node_].right;
            }
        }
    }
    read_index_ = index;
    return nodes_[read_node_].layer;
}

std::optional<std::size_t> LayerStack::index_of(ObjectId layer) const {
    const auto slot = slots_.find(layer);
    if (slot == slots_.end()) return std::nullopt;
    std::uint32_t node = slot->second;
    std::size_t index = size_of(nodes_[node].left);
    for (std::uint32_t parent = nodes_[node].parent; parent != kNone; node = parent, parent = nodes_[node].parent)
        if (nodes_[parent].right == node) index += size_of(nodes_[parent].left) + 1;
    return index;
}

void LayerStack::insert(std::size_t index, ObjectId layer) {
    if (index > size() || contains(layer)) throw std::logic_error("the layer is in the stack or the index past it");
    read_node_ = kNone;
    const auto node = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back(Node{layer, priority_of(layer)});
    slots_[layer] = node;
    std::uint32_t first = kNone, rest = kNone;
    split(root_, index, first, rest);
    set_root(merge(merge(first, node), rest));
}

bool LayerStack::erase(ObjectId layer) {
    const auto index = index_of(layer);
    if (!index) return false;
    read_node_ = kNone;
    std::uint32_t first = kNone, middle = kNone, rest = kNone;
    split(root_, *index, first, rest);
    split(rest, 1, middle, rest);
    set_root(merge(first, rest));

    // Fill the freed node's place with the last node, relinking its neighbours.
    const std::uint32_t freed = middle, last = static_cast<std::uint32_t>(nodes_.size() - 1);
    slots_.erase(layer);
    if (freed != last) {
        nodes_[freed] = nodes_[last];
        const Node& moved = nodes_[freed];
        slots_[moved.layer] = freed;
        if (moved.left != kNone) nodes_[moved.left].parent = freed;
        if (moved.right != kNone) nodes_[moved.right].parent = freed;
        if (moved.parent == kNone) {
            root_ = freed;
        } else {
            Node& parent = nodes_[moved.parent];
            (parent.left == last ? parent.left : parent.right) = freed;
        }
    }
    nodes_.pop_back();
    return true;
}

void LayerStack::assign(const std::vector<ObjectId>& layers) {
    nodes_.clear();
    slots_.clear();
    root_ = kNone;
    read_node_ = kNone;
    for (ObjectId layer : layers) push_back(layer);
}

std::vector<ObjectId> LayerStack::ids() const { return std::vector<ObjectId>(begin(), end()); }

std::uint32_t LayerStack::leftmost(std::uint32_t node) const {
    if (node == kNone) return kNone;
    while (nodes_[node].left != kNone) node = nodes_[node].left;
    return node;
}

LayerStack::const_iterator LayerStack::begin() const { return const_iterator(this, leftmost(root_)); }

std::uint32_t LayerStack::next(std::uint32_t node) const {
    if (nodes_[node].right != kNone) return leftmost(nodes_[node].right);
    std::uint32_t parent = nodes_[node].parent;
    while (parent != kNone && nodes_[parent].right == node) {
        node = parent;
        parent = nodes_[node].parent;
    }
    return parent;
}

LayerStack::const_iterator& LayerStack::const_iterator::operator++() {
    node_ = stack_->next(node_);
    return *this;
}

bool LayerStack::operator==(const LayerStack& other) const {
    if (size() != other.size()) return false;
    for (auto a = begin(), b = other.begin(); a != end(); ++a, ++b)
        if (*a != *b) return false;
    return true;
}

}  // namespace host

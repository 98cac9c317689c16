// A composition's layers, top first, kept as a balanced tree (a treap ordered
// by position) so that the layer at an index, the index of a layer, and putting
// a layer in or taking it out all cost O(log n): a stack of 100,000 layers takes
// duplicates without shifting the layers below them. Reading the layers by
// index in order costs O(1) a layer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <vector>

#include "host/handles.h"

namespace host {

class LayerStack {
public:
    LayerStack() = default;
    LayerStack(std::initializer_list<ObjectId> layers);

    std::size_t size() const { return nodes_.size(); }
    bool empty() const { return nodes_.empty(); }
    // The layer at an index below size() (0 is the top); std::out_of_range for any other.
    ObjectId operator[](std::size_t index) const;
    std::optional<std::size_t> index_of(ObjectId layer) const;
    bool contains(ObjectId layer) const { return slots_.count(layer) != 0; }

    // Puts a layer that is not in the stack at an index up to size(); std::logic_error otherwise, as a
    // stack that held a layer twice would no longer be one.
    void insert(std::size_t index, ObjectId layer);
    void push_back(ObjectId layer) { insert(size(), layer); }
    // False when the layer is not in the stack.
    bool erase(ObjectId layer);
    void assign(const std::vector<ObjectId>& layers);
    std::vector<ObjectId> ids() const;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = ObjectId;
        using difference_type = std::ptrdiff_t;
        using pointer = const ObjectId*;
        using reference = const ObjectId&;

        const_iterator() = default;
        reference operator*() const { return stack_->nodes_[node_].layer; }
        const_iterator& operator++();
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return node_ == other.node_; }

    private:
        friend class LayerStack;
        const_iterator(const LayerStack* stack, std::uint32_t node) : stack_(stack), node_(node) {}
        const LayerStack* stack_ = nullptr;
        std::uint32_t node_ = kNone;
    };
    const_iterator begin() const;
    const_iterator end() const { return const_iterator(this, kNone); }

    // The same layers in the same order.
    bool operator==(const LayerStack& other) const;

private:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    struct Node {
        ObjectId layer;
        std::uint32_t priority;
        std::uint32_t left = kNone, right = kNone, parent = kNone;
        std::uint32_t size = 1;
    };

    std::uint32_t size_of(std::uint32_t node) const { return node == kNone ? 0 : nodes_[node].size; }
    void update(std::uint32_t node);
    void split(std::uint32_t tree, std::size_t count, std::uint32_t& first, std::uint32_t& rest);
    std::uint32_t merge(std::uint32_t first, std::uint32_t rest);
    void set_root(std::uint32_t node);
    std::uint32_t leftmost(std::uint32_t node) const;
    // The node after this one in stack order, or kNone.
    std::uint32_t next(std::uint32_t node) const;

    std::vector<Node> nodes_;
    std::unordered_map<ObjectId, std::uint32_t> slots_;  // layer -> its node
    std::uint32_t root_ = kNone;
    // The position read last, so that reading the stack top to bottom by index
    // costs O(1) a layer; forgotten when the stack changes.
    mutable std::size_t read_index_{};
    mutable std::uint32_t read_node_ = kNone;
};

}  // namespace host

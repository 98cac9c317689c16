// Handles the host gives out: an id and a kind tag packed into the pointer
// value. Nothing is ever dereferenced, so a stale or foreign handle is just an
// id that does not resolve, and handles of one kind compare in creation order.
#pragma once

#include <cstdint>
#include <optional>

namespace host {

enum class HandleKind : std::uintptr_t {
    item = 1,
    comp = 2,
    layer = 3,
    collection = 4,
    stream = 5,
    panel = 6,
};

using ObjectId = std::uint32_t;

template <class H>
H make_handle(HandleKind kind, ObjectId id) {
    return reinterpret_cast<H>((static_cast<std::uintptr_t>(id) << 4) | static_cast<std::uintptr_t>(kind));
}

// The id inside a handle of the expected kind; nothing for null or another kind.
template <class H>
std::optional<ObjectId> handle_id(H handle, HandleKind kind) {
    const auto bits = reinterpret_cast<std::uintptr_t>(handle);
    if (bits == 0 || (bits & 0xF) != static_cast<std::uintptr_t>(kind)) return std::nullopt;
    const std::uintptr_t id = bits >> 4;
    if (id == 0 || id > UINT32_MAX) return std::nullopt;
    return static_cast<ObjectId>(id);
}

}  // namespace host

// Handle to model object, for the suite functions: null for a null, unknown,
// disposed or foreign handle.
#pragma once

#include "host/Host.h"

namespace host {

inline Item* resolve(Host& h, AEGP_ItemH handle) {
    const auto id = handle_id(handle, HandleKind::item);
    return id ? h.project().item(*id) : nullptr;
}

inline Composition* resolve(Host& h, AEGP_CompH handle) {
    const auto id = handle_id(handle, HandleKind::comp);
    return id ? h.project().comp(*id) : nullptr;
}

inline Layer* resolve(Host& h, AEGP_LayerH handle) {
    const auto id = handle_id(handle, HandleKind::layer);
    return id ? h.project().layer(*id) : nullptr;
}

inline Collection* resolve(Host& h, AEGP_CollectionH handle) {
    const auto id = handle_id(handle, HandleKind::collection);
    if (!id) return nullptr;
    const auto it = h.collections().find(*id);
    return it == h.collections().end() ? nullptr : &it->second;
}

inline StreamRef* resolve(Host& h, AEGP_StreamRefH handle) {
    const auto id = handle_id(handle, HandleKind::stream);
    if (!id) return nullptr;
    const auto it = h.streams().find(*id);
    return it == h.streams().end() ? nullptr : &it->second;
}

}  // namespace host

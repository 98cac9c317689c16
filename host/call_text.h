// Key arguments of a host call as text for the call log and the refusals:
// numbers as numbers, strings quoted, handles as kind#id.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <type_traits>

#include "aegp/aegp_suites.h"
#include "host/handles.h"
#include "host/mac_roman.h"

namespace host {

namespace call_text_detail {

template <class H>
std::string handle_text(const char* kind_name, H h, HandleKind kind) {
    if (!h) return "null";
    if (const auto id = handle_id(h, kind)) return std::string(kind_name) + "#" + std::to_string(*id);
    std::ostringstream out;
    out << "bad " << kind_name << " " << reinterpret_cast<const void*>(h);
    return out.str();
}

}  // namespace call_text_detail

// Texts cross the interface in Mac Roman; the log keeps UTF-8.
inline std::string arg_text(const char* s) {
    if (!s) return "null";
    // Built by appending: g++ 12 warns falsely on "literal" + std::string at -O2.
    std::string quoted(1, '"');
    quoted.append(from_mac_roman(s)).push_back('"');
    return quoted;
}
inline std::string arg_text(const unsigned char* s) { return arg_text(reinterpret_cast<const char*>(s)); }
inline std::string arg_text(double v) {
    std::ostringstream out;
    out << v;
    return out.str();
}
inline std::string arg_text(const A_Time* t) {
    if (!t) return "null";
    return std::to_string(t->value) + "/" + std::to_string(t->scale);
}
inline std::string arg_text(AEGP_ItemH h) { return call_text_detail::handle_text("item", h, HandleKind::item); }
inline std::string arg_text(AEGP_CompH h) { return call_text_detail::handle_text("comp", h, HandleKind::comp); }
inline std::string arg_text(AEGP_LayerH h) { return call_text_detail::handle_text("layer", h, HandleKind::layer); }
inline std::string arg_text(AEGP_CollectionH h) {
    return call_text_detail::handle_text("collection", h, HandleKind::collection);
}
inline std::string arg_text(AEGP_StreamRefH h) {
    return call_text_detail::handle_text("stream", h, HandleKind::stream);
}
inline std::string arg_text(AEGP_PanelH h) { return call_text_detail::handle_text("panel", h, HandleKind::panel); }
// A collection item by the layer it names, its kind added for anything but a layer.
inline std::string arg_text(const AEGP_CollectionItem* item) {
    if (!item) return "null";
    const std::string layer = arg_text(item->u.layer.layerH);
    return item->type == AEGP_CollectionItemType_LAYER ? layer : "kind " + std::to_string(item->type) + " of " + layer;
}
// A stream value as its three numbers, exactly, so a logged call can be made again.
inline std::string arg_text(const AEGP_StreamValue* value) {
    if (!value) return "null";
    std::ostringstream out;
    out.precision(17);
    out << "(" << value->val.three_d.x << " " << value->val.three_d.y << " " << value->val.three_d.z << ")";
    return out.str();
}

template <class T>
    requires std::is_integral_v<T>
std::string arg_text(T v) {
    return std::to_string(v);
}

// "a, b, c"
template <class... Args>
std::string call_args(const Args&... args) {
    std::string out;
    ((out += (out.empty() ? "" : ", ") + arg_text(args)), ...);
    return out;
}

}  // namespace host

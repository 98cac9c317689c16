// Scene text out.
#include <algorithm>

#include "host/scene.h"

namespace host {

namespace {

bool is_flat(const nlohmann::ordered_json& v) {
    if (v.is_object()) return false;
    if (!v.is_array()) return true;
    return std::all_of(v.begin(), v.end(), [](const nlohmann::ordered_json& e) { return is_flat(e); });
}

void write_value(std::string& out, const nlohmann::ordered_json& v, int indent) {
    const std::string pad(static_cast<std::size_t>(indent) * 2, ' ');
    if (is_flat(v) && v.is_array()) {
        out += "[";
        bool first = true;
        for (const auto& e : v) {
            if (!first) out += ", ";
            first = false;
            write_value(out, e, indent);
        }
        out += "]";
    } else if (v.is_array()) {
        out += "[\n";
        for (std::size_t i = 0; i < v.size(); ++i) {
            out += pad + "  ";
            write_value(out, v[i], indent + 1);
            out += i + 1 < v.size() ? ",\n" : "\n";
        }
        out += pad + "]";
    } else if (v.is_object() && !v.empty()) {
        out += "{\n";
        std::size_t i = 0;
        for (auto it = v.begin(); it != v.end(); ++it, ++i) {
            out += pad + "  " + nlohmann::ordered_json(it.key()).dump() + ": ";
            write_value(out, it.value(), indent + 1);
            out += i + 1 < v.size() ? ",\n" : "\n";
        }
        out += pad + "}";
    } else {
        out += v.dump();
    }
}

}  // namespace

std::string scene_text(const nlohmann::ordered_json& scene) {
    std::string out;
    write_value(out, scene, 0);
    out += "\n";
    return out;
}

}  // namespace host

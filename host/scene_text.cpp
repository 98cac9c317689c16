// Scene text in and out.
#include <algorithm>

#include "host/scene.h"

namespace host {

SceneError::SceneError(std::string path, const std::string& problem)
    : std::runtime_error((path.empty() ? std::string("/") : path) + ": " + problem), path_(std::move(path)) {}

SceneError::SceneError(int line, int column, const std::string& problem)
    : std::runtime_error("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + problem),
      line_(line),
      column_(column) {}

nlohmann::ordered_json parse_scene_text(std::string_view text) {
    try {
        return nlohmann::ordered_json::parse(text.begin(), text.end());
    } catch (const nlohmann::json::parse_error& e) {
        // e.byte counts the bytes read, the offending one included.
        const std::size_t end = std::min<std::size_t>(e.byte > 0 ? e.byte - 1 : 0, text.size());
        const std::string_view before = text.substr(0, end);
        const int line = 1 + static_cast<int>(std::count(before.begin(), before.end(), '\n'));
        const std::size_t newline = before.rfind('\n');
        const int column = static_cast<int>(newline == std::string_view::npos ? end + 1 : end - newline);
        std::string what = e.what();
        // Keep the parser's explanation, not its own position prefix.
        if (const std::size_t colon = what.find(": "); colon != std::string::npos) what = what.substr(colon + 2);
        throw SceneError(line, column, "not valid JSON: " + what);
    }
}

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

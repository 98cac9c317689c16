// Scene text to JSON. The text is read event by event so that what no scene
// holds is refused before it is built: nesting beyond the limit, objects with
// too many fields, fields given twice (JSON readers disagree on which one
// counts). Everything echoed from the file is made printable.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "host/scene.h"

namespace host {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Line and column (in characters) of the byte at `offset`; both count from 1.
std::pair<int, int> line_and_column(std::string_view text, std::size_t offset) {
    const std::string_view before = text.substr(0, std::min(offset, text.size()));
    const std::size_t newline = before.rfind('\n');
    const std::string_view line = newline == std::string_view::npos ? before : before.substr(newline + 1);
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    const auto column = std::count_if(line.begin(), line.end(), [&](char c) { return !continuation(c); });
    return {1 + static_cast<int>(std::count(before.begin(), before.end(), '\n')), 1 + static_cast<int>(column)};
}

SceneError error_at(std::string_view text, std::size_t offset, const std::string& problem) {
    const auto [line, column] = line_and_column(text, offset);
    return SceneError(line, column, problem);
}

// nlohmann's parser calls these as it reads; the value is built as they come.
class SceneBuilder {
public:
    explicit SceneBuilder(std::string_view text) : text_(text) {}

    bool null() { return add(nullptr); }
    bool boolean(bool v) { return add(v); }
    bool number_integer(std::int64_t v) { return add(v); }
    bool number_unsigned(std::uint64_t v) { return add(v); }
    bool number_float(double v, const std::string&) { return add(v); }
    bool string(std::string& v) { return add(std::move(v)); }
    bool binary(Json::binary_t&) { return refuse(path(open_.size()), "binary data"); }  // JSON text has none
    bool start_object(std::size_t) { return open(Json::object()); }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Json::array()); }
    bool end_array() { return close(); }

    bool key(std::string& name) {
        Json& object = *open_.back().value;
        if (object.contains(name))
            return refuse(path(open_.size() - 1) + "/" + path_segment(name),
                          "given twice (JSON readers disagree on which one counts)");
        if (object.size() >= kMaxSceneFields)
            return refuse(path(open_.size() - 1), "more than " + std::to_string(kMaxSceneFields) + " fields");
        open_.back().key = std::move(name);
        return true;
    }

    bool parse_error(std::size_t position, const std::string& last_read, const nlohmann::json::exception& e) {
        // position counts the bytes read, the offending one included.
        const std::size_t offset = std::max<std::size_t>(position, 1) - 1;
        std::string what = e.what();
        if (e.id == 406) {  // a number beyond the range of a double, told where it starts
            const std::size_t start = position - std::min(position, last_read.size());
            error_ = error_at(text_, start, "number out of range: " + printable(last_read, 40));
            return false;
        }
        // Keep the parser's explanation, without its own position and its raw echo of the text.
        if (const std::size_t colon = what.find(": "); colon != std::string::npos) what.erase(0, colon + 2);
        if (const std::size_t echo = what.find("; last read: "); echo != std::string::npos) what.erase(echo);
        if (!last_read.empty()) what += "; last read: '" + printable(last_read, 40, true) + "'";
        error_ = error_at(text_, offset, "not valid JSON: " + what);
        return false;
    }

    Json take() { return std::move(root_); }
    const std::optional<SceneError>& error() const { return error_; }

private:
    struct Open {
        Json* value;
        std::string key;  // of the next field, for an object
    };

    // The path of the value that the outermost `frames` open values lead to; with
    // all of them, the path of the value the next event adds.
    std::string path(std::size_t frames) const {
        std::string p;
        for (std::size_t i = 0; i < frames; ++i) {
            const Open& o = open_[i];
            p += '/';
            if (!o.value->is_array()) {
                p += path_segment(o.key);
                continue;
            }
            // An open value is already the last element of its list; the next one is not in it yet.
            const bool innermost = i + 1 == open_.size();
            p += std::to_string(o.value->size() - (innermost ? 0 : 1));
        }
        return p;
    }

    bool refuse(const std::string& where, const std::string& problem) {
        error_ = SceneError(where, problem);
        return false;
    }

    Json* place(Json&& v) {
        if (open_.empty()) {
            root_ = std::move(v);
            return &root_;
        }
        Json& parent = *open_.back().value;
        if (parent.is_array()) {
            parent.push_back(std::move(v));
            return &parent.back();
        }
        return &(parent[open_.back().key] = std::move(v));
    }

    bool add(Json&& v) {
        place(std::move(v));
        return true;
    }

    bool open(Json&& container) {
        if (open_.size() >= kMaxSceneDepth)
            return refuse(path(open_.size()), "nested more than " + std::to_string(kMaxSceneDepth) + " levels deep");
        // The parent does not grow while this value is open, so the pointer stays valid.
        open_.push_back({place(std::move(container)), {}});
        return true;
    }

    bool close() {
        open_.pop_back();
        return true;
    }

    std::string_view text_;
    Json root_;
    std::vector<Open> open_;
    std::optional<SceneError> error_;
};

}  // namespace

Json parse_scene_text(std::string_view text) {
    if (text.size() > kMaxSceneBytes)
        throw error_at(text, kMaxSceneBytes,
                       "the scene is larger than " + std::to_string(kMaxSceneBytes / (1024 * 1024)) + " MiB");
    if (text.empty()) throw SceneError(1, 1, "the file is empty");
    if (text.starts_with(kByteOrderMark))
        throw SceneError(1, 1, "the file starts with a byte-order mark; save it as UTF-8 without one");
    SceneBuilder builder(text);
    if (!Json::sax_parse(text.begin(), text.end(), &builder))
        throw builder.error() ? *builder.error() : SceneError(1, 1, "not valid JSON");
    return builder.take();
}

}  // namespace host

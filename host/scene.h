// Scene files: the project's main composition as JSON, read with full
// validation (the first problem is reported with its JSON path, or with line
// and column when the text is not JSON) and written so that it reads back
// exactly.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/project.h"

namespace host {

// What a scene may hold. Anything larger is refused with a message that says so,
// so that no file can exhaust memory or the stack.
inline constexpr std::size_t kMaxSceneBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxSceneDepth = 32;   // nested objects and lists
inline constexpr std::size_t kMaxSceneFields = 64;  // fields of one object
inline constexpr std::size_t kMaxSceneLayers = 100000;
inline constexpr std::size_t kMaxSceneKeys = 100000;  // keys of one property
inline constexpr std::size_t kMaxSceneNameBytes = 1024;

class SceneError : public std::runtime_error {
public:
    // A problem at a JSON path, e.g. "/composition/layers/3/source".
    SceneError(std::string path, const std::string& problem);
    // Text that is not JSON.
    SceneError(int line, int column, const std::string& problem);

    const std::string& path() const { return path_; }
    int line() const { return line_; }
    int column() const { return column_; }

private:
    std::string path_;
    int line_ = 0, column_ = 0;
};

// Parses scene text; a syntax error becomes a SceneError with line and column,
// a duplicate field or a structure beyond the limits one with its JSON path.
nlohmann::ordered_json parse_scene_text(std::string_view text);

// A validated project holding one composition; ids come from the counters,
// which are only advanced when the scene is valid.
Project read_scene(const nlohmann::ordered_json& scene, IdCounters& ids);

// The composition (an item id of the project) as a scene, every field written.
nlohmann::ordered_json write_scene(const Project& project, ObjectId comp);

// Scene text: objects one field per line, number lists on one line.
std::string scene_text(const nlohmann::ordered_json& scene);

// The scene the host starts with when none is given.
const nlohmann::ordered_json& default_scene();

// Bytes from outside (a file, a file name) made fit for a one-line message in
// UTF-8: control characters escaped (\n, \u001b), bytes that are not UTF-8 written as \xNN, and
// no more than `limit` characters, the cut marked with "…". `keep_end` keeps
// the last characters instead of the first.
std::string printable(std::string_view bytes, std::size_t limit, bool keep_end = false);

// A field name as a segment of a JSON path in a message ("~" as "~0", "/" as "~1").
std::string path_segment(std::string_view name);

}  // namespace host

// Scene files: the project's main composition as JSON, read with full
// validation (the first problem is reported with its JSON path, or with line
// and column when the text is not JSON) and written so that it reads back
// exactly.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "host/project.h"

namespace host {

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

// Parses scene text; a syntax error becomes a SceneError with line and column.
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

}  // namespace host

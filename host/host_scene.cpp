// Loading and saving the host's project as a scene.
#include "host/Host.h"
#include "host/scene.h"

namespace host {

void Host::load_scene(const nlohmann::json& scene) {
    // Reading follows the fields in the order they were written.
    project_ = read_scene(nlohmann::ordered_json::parse(scene.dump()), ids_);
    undo_.clear();
}

void Host::load_scene_text(std::string_view text) {
    project_ = read_scene(parse_scene_text(text), ids_);
    undo_.clear();
}

nlohmann::json Host::save_scene() const { return nlohmann::json::parse(save_scene_text()); }

std::string Host::save_scene_text() const {
    const ObjectId comp = main_comp();
    if (!comp) throw std::logic_error("the project has no composition to save");
    return scene_text(write_scene(project_, comp));
}

}  // namespace host

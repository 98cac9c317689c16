// What voxtrel-host tells and writes: the host's alerts, the hooks that
// failed, the result scene, the pictures and the dialog's view tree.
#pragma once

#include <ostream>
#include <string>

#include <nlohmann/json.hpp>

#include "host/Host.h"
#include "toolkit/native.h"
#include "view/geometry.h"

namespace app {

// The alerts, in order, one a line.
void print_alerts(const host::Host& h, std::ostream& out);

// One line per kind of hook and status that failed, with how often; false when none did.
bool print_hook_failures(const host::Host& h, std::ostream& err);

// Creates DIR; false with a message on `err` when it cannot.
bool make_out_dir(const std::string& dir, std::ostream& err);

// DIR/scene.json; false with a message on `err` when it cannot be written.
bool write_scene_file(const std::string& dir, const std::string& scene_text, std::ostream& err);

// DIR/view.png: the result scene through its camera, with the box.
bool write_view_picture(const std::string& dir, const nlohmann::json& scene, view::Vec3 box, std::ostream& err);

// DIR/dialog.png: the dialog's window (or the panel frame holding it) as the toolkit draws it.
bool write_dialog_picture(const std::string& dir, WindowRef window, std::ostream& err);

// The window's view tree as JSON, in FILE.
bool write_ui_json(const std::string& file, WindowRef window, std::ostream& err);

}  // namespace app

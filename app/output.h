// What voxtrel-host tells: the plug-in's registrations, the host's alerts and
// the result scene.
#pragma once

#include <ostream>
#include <string>

#include "host/Host.h"

namespace app {

// Menu commands (number, menu, name) and hooks the plug-ins registered.
void print_registrations(const host::Host& h, std::ostream& out);

// The alerts, in order, one a line.
void print_alerts(const host::Host& h, std::ostream& out);

// Writes DIR/scene.json, creating DIR; false with a message on `err` when it cannot.
bool write_scene_file(const std::string& dir, const std::string& scene_text, std::ostream& err);

}  // namespace app

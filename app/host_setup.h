// The simulated host as the command line asks for it, with the scene loaded:
// shared by a run and a listing.
#pragma once

#include <ostream>
#include <string>

#include "host/Host.h"
#include "options.h"

namespace app {

// Suites removed (--without, and the panel suite without --panel), the screen
// and the clock the plug-in reads. What an option could not do is said on `err`.
void prepare_host(host::Host& h, const Options& options, std::ostream& err);

// How messages name the scene: its file, or "the default scene".
std::string scene_name(const Options& options);

// The text of SCENE, or of the default scene; false with a message naming the file on `err`.
bool read_scene(const Options& options, std::string& text, std::ostream& err);

// SCENE, or the default scene; false with a message naming the file on `err`.
bool load_scene(host::Host& h, const Options& options, std::ostream& err);

}  // namespace app

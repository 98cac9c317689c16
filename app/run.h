// One run of voxtrel-host: the scene loaded, the plug-in loaded, its dialog
// opened and operated, the host quit, the results told and written.
#pragma once

#include <ostream>
#include <string>

#include "options.h"

namespace app {

// Exit statuses.
enum Exit : int {
    kExitDone = 0,
    kExitPluginFailed = 1,  // the plug-in reported a failure, or its dialog could not be used
    kExitBadInput = 2,      // bad command line or scene
    kExitCannotLoad = 3,    // the module cannot be loaded or has no entry point
};

int run(const Options& options, std::ostream& out, std::ostream& err);

// The scene's text (the file's, or the embedded default scene's); false, with
// a message on `err`, when the file cannot be read.
bool read_scene(const Options& options, std::string& text, std::ostream& err);
// How messages name the scene.
std::string scene_name(const Options& options);

}  // namespace app

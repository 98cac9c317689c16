// One run of voxtrel-host: the scene loaded, the plug-in loaded, its dialog
// opened and operated, the host quit, the results told and written.
#pragma once

#include <ostream>

#include "options.h"
#include "progress.h"

namespace app {

// Exit statuses.
enum Exit : int {
    kExitDone = 0,
    kExitPluginFailed = 1,  // the plug-in reported a failure, its dialog could not be used, or memory ran out
    kExitBadInput = 2,      // bad command line or scene
    kExitCannotLoad = 3,    // the module cannot be loaded or has no entry point
};

// Standard output gets the table (or what --json, --report - or --ui-json -
// asked for) whole at the end; `err` the messages, `progress` tells how it goes.
int run(const Options& options, std::ostream& out, std::ostream& err, Progress& progress);

}  // namespace app

// One run of voxtrel-host: scene in, plug-in loaded, host quit, results out.
#pragma once

#include <ostream>

#include "options.h"

namespace app {

// Exit statuses.
enum Exit : int {
    kExitDone = 0,
    kExitPluginFailed = 1,   // the entry point returned a non-zero status
    kExitBadInput = 2,       // bad command line or scene
    kExitCannotLoad = 3,     // the module cannot be loaded or has no entry point
};

int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace app

// --list: what the scene and the host hold, without loading the plug-in: the
// names --camera takes, the layers with what decides whether they are
// distributed, and the suites in the form --without takes.
#pragma once

#include <ostream>

#include "options.h"

namespace app {

// Prints the listing on `out`; the exit status.
int list(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace app

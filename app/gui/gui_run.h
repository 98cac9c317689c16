// voxtrel-host --gui: the host and the Voxtrel dialog on the X display named by
// DISPLAY, operated by a person; quitting tells and writes the results as a
// batch run does.
#pragma once

#include <ostream>

#include "options.h"

namespace app::gui {

// The exit status of a batch run; 2 also when there is no display.
int run(const Options& options, std::ostream& out, std::ostream& err);

}  // namespace app::gui

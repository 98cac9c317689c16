// Where two projects differ, said briefly for a report.
#pragma once

#include <string>

#include "host/project.h"

namespace app::validate {

// The first difference found ("layer \"Card 1\": Position", "the layer stack
// of \"Main\"", ...); empty when the projects are the same (a NaN the plug-in
// wrote equals itself here).
std::string difference(const host::Project& expected, const host::Project& actual);

}  // namespace app::validate

// The host's user-interface palette (dark), by colour kind.
#pragma once

#include <optional>

#include "aegp/aegp_types.h"

namespace host {

// Nothing for a kind the host does not know.
std::optional<PF_App_Color> app_color(PF_App_ColorType kind);

}  // namespace host

// Status codes the plug-in produces itself. Success is the host's A_Err_NONE;
// every other non-zero status is a host status, passed upwards unchanged.
#pragma once

#include "aegp/aegp_types.h"

namespace core {

// Something other than an integer exception reached a hook boundary, or no
// dialog object could be made at start-up.
inline constexpr A_Err kErrGeneric = 1;
// A host suite could not be acquired, or there was no basic suite to ask.
inline constexpr A_Err kErrMissingSuite = 516;

}  // namespace core

// The rule at every point where the host calls into the plug-in: no exception
// may travel back into the host. An integer exception carries a status and
// becomes the result; anything else becomes the generic failure.
#pragma once

#include "aegp/aegp_types.h"
#include "core/status.h"

template <class Body>
A_Err at_boundary(Body&& body) noexcept {
    try {
        return body();
    } catch (A_Err err) {
        return err;
    } catch (...) {
        return core::kErrGeneric;
    }
}

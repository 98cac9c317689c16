// The rule wherever the host or the toolkit calls into the plug-in: no
// exception travels back into the caller. A status travels as an A_Err
// exception and is always caught as one.
#pragma once

#include <exception>
#include <utility>

#include "aegp/aegp_types.h"
#include "core/status.h"

namespace core {

// For the hooks: an integer exception becomes the result and anything else the
// generic failure. A command hook passes its out handled flag, which a generic
// failure clears so the host goes on with the command.
template <class Body>
A_Err at_boundary(Body&& body, A_Boolean* handled = nullptr) noexcept {
    try {
        return body();
    } catch (A_Err status) {
        return status;
    } catch (...) {
        if (handled) *handled = false;
        return kErrGeneric;
    }
}

// For the toolkit's callbacks, which have no status to return: a failure goes
// to `on_failure`, and one that fails in turn is dropped.
template <class Body, class OnFailure>
void at_quiet_boundary(Body&& body, OnFailure&& on_failure) noexcept {
    try {
        body();
    } catch (...) {
        try {
            on_failure(std::current_exception());
        } catch (...) {
        }
    }
}

// Where nothing can be told: the failure is dropped.
template <class Body>
void at_quiet_boundary(Body&& body) noexcept {
    at_quiet_boundary(std::forward<Body>(body), [](std::exception_ptr) {});
}

}  // namespace core

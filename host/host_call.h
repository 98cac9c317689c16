// The frame of every suite function: find the host alive now, pass its call
// gate (numbering, counts, injected faults), run the body with the suite
// functions' door, then keep the call in the log (when it is on) and among the
// refusals (when the host refused it). No exception leaves a suite function.
#pragma once

#include <exception>
#include <string>
#include <tuple>

#include "host/call_text.h"
#include "host/functions.h"
#include "host/suite_call.h"

namespace host {

// A call's key arguments, made into text only when the call is kept.
template <class... Args>
std::tuple<const Args&...> arguments(const Args&... args) {
    return std::tuple<const Args&...>(args...);
}

template <class Arguments, class Body>
A_Err host_call(FunctionId function, const Arguments& args, Body&& body) {
    Host* h = Host::current();
    if (!h) return A_Err_GENERIC;
    const CallGate::Entry entry = h->calls().enter(function);
    SuiteCall call(*h);
    A_Err status = entry.fault;
    if (status == A_Err_NONE) {
        try {
            status = body(call);
        } catch (const std::exception& e) {
            status = call.refuse(A_Err_GENERIC, std::string("the host failed: ") + e.what());
        } catch (...) {
            status = call.refuse(A_Err_GENERIC, "the host failed");
        }
    }
    h->calls().finish(entry, status, call.reason(),
                      [&] { return std::apply([](const auto&... a) { return call_args(a...); }, args); });
    return status;
}

}  // namespace host

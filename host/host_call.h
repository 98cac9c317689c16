// The frame of every suite function: find the host alive now, pass its call
// gate (count, log, injected faults), run the body, record the status. No
// exception leaves a suite function.
#pragma once

#include <string>
#include <utility>

#include "host/Host.h"
#include "host/call_text.h"

namespace host {

template <class Body>
A_Err host_call(const char* function, std::string arguments, Body&& body) {
    Host* h = Host::current();
    if (!h) return A_Err_GENERIC;
    const CallGate::Entry entry = h->calls().enter(function, std::move(arguments));
    if (entry.fault != A_Err_NONE) return entry.fault;
    A_Err status;
    try {
        status = body(*h);
    } catch (...) {
        status = A_Err_GENERIC;
    }
    h->calls().finish(entry.record, status);
    return status;
}

}  // namespace host

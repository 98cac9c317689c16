// Event targets, handler dispatch and event parameters inside the library.
#pragma once

#include <cstring>

#include "model.h"

namespace tk::detail {

// Registers the target of a window or view, so handlers can be installed on it.
void open_target(OpaqueEventTargetRef& target, WindowRef window, ControlRef control);
// Removes every handler of the target and unregisters it.
void close_target(OpaqueEventTargetRef& target);

// Calls the target's handlers for the event, newest first, until one returns
// something other than eventNotHandledErr; returns that status, or
// eventNotHandledErr when nobody handled it.
OSStatus send_event(OpaqueEventTargetRef& target, OpaqueEventRef& event);

template <class T>
void set_param(OpaqueEventRef& event, EventParamName name, EventParamType type, const T& value) {
    TkEventParam& param = event.params[name];
    param.type = type;
    param.bytes.resize(sizeof(T));
    std::memcpy(param.bytes.data(), &value, sizeof(T));
}

OpaqueEventRef make_event(EventClass eventClass, EventKind eventKind);

}  // namespace tk::detail

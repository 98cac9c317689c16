// Event targets, handler dispatch and event parameters inside the library.
#pragma once

#include <cstring>

#include "model.h"

namespace tk::detail {

// Makes the target the one of that window or view.
void open_target(TkTarget& target, TkWindow* window, TkView* view);
// Removes every handler of the target.
void close_target(TkTarget& target);

// Calls the target's handlers for the event, newest first, until one returns
// something other than eventNotHandledErr; returns that status, or
// eventNotHandledErr when nobody handled it.
OSStatus send_event(TkTarget& target, OpaqueEventRef& event);

template <class T>
void set_param(OpaqueEventRef& event, EventParamName name, EventParamType type, const T& value) {
    TkEventParam& param = event.params[name];
    param.type = type;
    param.bytes.resize(sizeof(T));
    std::memcpy(param.bytes.data(), &value, sizeof(T));
}

OpaqueEventRef make_event(EventClass eventClass, EventKind eventKind);

}  // namespace tk::detail

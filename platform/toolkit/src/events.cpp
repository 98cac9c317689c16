// Events: handlers on window and view targets, called newest first.
#include "events.h"

#include <algorithm>
#include <utility>

#include "registry.h"

namespace tk::detail {
namespace {

bool wants(const OpaqueEventHandlerRef& handler, EventClass eventClass, EventKind eventKind) {
    return std::any_of(handler.types.begin(), handler.types.end(), [&](const EventTypeSpec& type) {
        return type.eventClass == eventClass && type.eventKind == eventKind;
    });
}

void destroy_handler(OpaqueEventHandlerRef* handler) {
    registry().handlers.erase(handler);
    delete handler;
}

}  // namespace

void open_target(OpaqueEventTargetRef& target, WindowRef window, ControlRef control) {
    target.window = window;
    target.control = control;
    registry().targets.insert(&target);
}

void close_target(OpaqueEventTargetRef& target) {
    for (auto* handler : target.handlers) destroy_handler(handler);
    target.handlers.clear();
    registry().targets.erase(&target);
}

OpaqueEventRef make_event(EventClass eventClass, EventKind eventKind) {
    OpaqueEventRef event;
    event.eventClass = eventClass;
    event.eventKind = eventKind;
    return event;
}

OSStatus send_event(OpaqueEventTargetRef& target, OpaqueEventRef& event) {
    // Handlers may remove themselves or others, or dispose the target, while
    // the event travels: the serials tell which handlers are still installed.
    std::vector<std::pair<OpaqueEventHandlerRef*, TkSerial>> queue;
    for (auto it = target.handlers.rbegin(); it != target.handlers.rend(); ++it)
        if (wants(**it, event.eventClass, event.eventKind)) queue.emplace_back(*it, (*it)->serial);
    for (const auto& [handler, serial] : queue) {
        if (!is_handler(handler) || handler->serial != serial) continue;
        // The call reference identifies the handler being called.
        const OSStatus status =
            handler->proc(reinterpret_cast<EventHandlerCallRef>(handler), &event, handler->userData);
        if (status != eventNotHandledErr) return status;
    }
    return eventNotHandledErr;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine) { return userRoutine; }

void DisposeEventHandlerUPP(EventHandlerUPP) {}

OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec* inList, void* inUserData, EventHandlerRef* outRef) {
    if (outRef) *outRef = nullptr;
    if (!is_target(inTarget) || !inHandler || (inNumTypes > 0 && !inList)) return paramErr;
    auto* handler = new OpaqueEventHandlerRef;
    handler->serial = next_serial();
    handler->target = inTarget;
    handler->proc = inHandler;
    handler->types.assign(inList, inList + inNumTypes);
    handler->userData = inUserData;
    inTarget->handlers.push_back(handler);
    registry().handlers.insert(handler);
    if (outRef) *outRef = handler;
    return noErr;
}

OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef) {
    if (!is_handler(inHandlerRef)) return paramErr;
    auto& list = inHandlerRef->target->handlers;
    list.erase(std::remove(list.begin(), list.end(), inHandlerRef), list.end());
    destroy_handler(inHandlerRef);
    return noErr;
}

EventTargetRef GetControlEventTarget(ControlRef inControl) {
    return is_view(inControl) ? &inControl->target : nullptr;
}

EventTargetRef GetWindowEventTarget(WindowRef inWindow) { return is_window(inWindow) ? &inWindow->target : nullptr; }

EventClass GetEventClass(EventRef inEvent) { return inEvent ? inEvent->eventClass : 0; }

EventKind GetEventKind(EventRef inEvent) { return inEvent ? inEvent->eventKind : 0; }

OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize, ByteCount* outActualSize,
                           void* outData) {
    if (!inEvent) return paramErr;
    const auto found = inEvent->params.find(inName);
    if (found == inEvent->params.end()) return eventParameterNotFoundErr;
    const TkEventParam& param = found->second;
    if (inDesiredType != param.type) return paramErr;
    if (outActualType) *outActualType = param.type;
    if (outActualSize) *outActualSize = param.bytes.size();
    // A smaller buffer receives the leading bytes, as older callers size records that way.
    if (outData) std::memcpy(outData, param.bytes.data(), std::min<ByteCount>(inBufferSize, param.bytes.size()));
    return noErr;
}

}  // extern "C"

// Events: handlers on window and view targets, called newest first.
#include "events.h"

#include <algorithm>

#include "refs.h"

namespace tk::detail {
namespace {

bool wants(const TkHandler& handler, EventClass eventClass, EventKind eventKind) {
    return std::any_of(handler.types.begin(), handler.types.end(), [&](const EventTypeSpec& type) {
        return type.eventClass == eventClass && type.eventKind == eventKind;
    });
}

void destroy_handler(TkHandler* handler) {
    registry().handlers.remove(handler);
    delete handler;
}

}  // namespace

void open_target(TkTarget& target, TkWindow* window, TkView* view) {
    target.window = window;
    target.view = view;
}

void close_target(TkTarget& target) {
    for (TkHandler* handler : target.handlers) destroy_handler(handler);
    target.handlers.clear();
}

OpaqueEventRef make_event(EventClass eventClass, EventKind eventKind) {
    OpaqueEventRef event;
    event.eventClass = eventClass;
    event.eventKind = eventKind;
    return event;
}

OSStatus send_event(TkTarget& target, OpaqueEventRef& event) {
    // Handlers may remove themselves or others, or dispose the target, while
    // the event travels: each is looked up again by its reference before its call.
    std::vector<EventHandlerRef> queue;
    for (auto it = target.handlers.rbegin(); it != target.handlers.rend(); ++it)
        if (wants(**it, event.eventClass, event.eventKind)) queue.push_back(ref_of(*it));
    for (EventHandlerRef ref : queue) {
        const TkHandler* handler = find_handler(ref);
        if (!handler) continue;
        // The call reference identifies the handler being called.
        const OSStatus status =
            handler->proc(reinterpret_cast<EventHandlerCallRef>(ref), &event, handler->userData);
        if (status != eventNotHandledErr) return status;
    }
    return eventNotHandledErr;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine) { return userRoutine; }

OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler, ItemCount inNumTypes,
                             const EventTypeSpec* inList, void* inUserData, EventHandlerRef* outRef) {
    if (outRef) *outRef = nullptr;
    TkTarget* target = find_target(inTarget);
    if (!target || !inHandler || (inNumTypes > 0 && !inList)) return paramErr;
    auto* handler = new TkHandler;
    handler->serial = next_serial();
    handler->target = target;
    handler->proc = inHandler;
    handler->types.assign(inList, inList + inNumTypes);
    handler->userData = inUserData;
    target->handlers.push_back(handler);
    registry().handlers.add(handler);
    if (outRef) *outRef = ref_of(handler);
    return noErr;
}

OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef) {
    TkHandler* handler = find_handler(inHandlerRef);
    if (!handler) return paramErr;
    auto& list = handler->target->handlers;
    list.erase(std::remove(list.begin(), list.end(), handler), list.end());
    destroy_handler(handler);
    return noErr;
}

EventTargetRef GetControlEventTarget(ControlRef inControl) {
    TkView* view = find_view(inControl);
    return view ? ref_of(&view->target) : nullptr;
}

EventTargetRef GetWindowEventTarget(WindowRef inWindow) {
    TkWindow* window = find_window(inWindow);
    return window ? ref_of(&window->target) : nullptr;
}

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

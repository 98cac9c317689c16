// References handed to callers: an object's serial number and its kind, never
// its address. A serial number is given out once, so a reference outlives its
// object only as an invalid reference; every call resolves it first.
#pragma once

#include "registry.h"

namespace tk::detail {

WindowRef ref_of(const TkWindow* window);
ControlRef ref_of(const TkView* view);
MenuRef ref_of(const TkMenu* menu);
CFStringRef ref_of(const TkString* string);
CGContextRef ref_of(const TkContext* context);
CGImageRef ref_of(const TkImage* image);
CGColorSpaceRef ref_of(const TkColorSpace* space);
EventHandlerRef ref_of(const TkHandler* handler);
EventTargetRef ref_of(const TkTarget* target);
GrafPtr port_of(const TkWindow* window);

// The live object a reference names, or null for null, stale or foreign references.
TkWindow* find_window(WindowRef window);
TkView* find_view(ControlRef view);
TkMenu* find_menu(MenuRef menu);
TkString* find_string(CFTypeRef string);
TkContext* find_context(CGContextRef context);
TkImage* find_image(CGImageRef image);
TkColorSpace* find_color_space(CGColorSpaceRef space);
TkHandler* find_handler(EventHandlerRef handler);
TkTarget* find_target(EventTargetRef target);
TkWindow* find_port_window(GrafPtr port);

}  // namespace tk::detail

// A control's visibility, enabled state, bounds, kind, title, command ID and value range.
#include <algorithm>

#include "registry.h"
#include "strings.h"
#include "views.h"

namespace tk::detail {

SInt32 effective_maximum(ControlRef view) {
    if (view->kind == kControlKindPopupButton && is_menu(view->menu))
        return std::max<SInt32>(view->maximum, static_cast<SInt32>(view->menu->items.size()));
    return view->maximum;
}

void set_pinned_value(ControlRef view, SInt32 value) {
    view->value = std::max(view->minimum, std::min(value, effective_maximum(view)));
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSErr ShowControl(ControlRef control) {
    if (!is_view(control)) return errUnknownControl;
    control->visible = true;
    return noErr;
}

OSErr HideControl(ControlRef control) {
    if (!is_view(control)) return errUnknownControl;
    control->visible = false;
    return noErr;
}

Boolean IsControlVisible(ControlRef control) { return is_view(control) && view_visible(control); }

OSErr EnableControl(ControlRef control) {
    if (!is_view(control)) return errUnknownControl;
    control->enabled = true;
    return noErr;
}

OSErr DisableControl(ControlRef control) {
    if (!is_view(control)) return errUnknownControl;
    control->enabled = false;
    return noErr;
}

// A control inside a disabled one cannot be operated either.
Boolean IsControlEnabled(ControlRef control) { return is_view(control) && view_enabled(control); }

Rect* GetControlBounds(ControlRef control, Rect* bounds) {
    if (!bounds) return nullptr;
    *bounds = is_view(control) ? control->bounds : Rect{};
    return bounds;
}

void SetControlBounds(ControlRef control, const Rect* bounds) {
    if (is_view(control) && bounds) control->bounds = *bounds;
}

OSStatus GetControlKind(ControlRef control, ControlKind* outControlKind) {
    if (!is_view(control)) return errUnknownControl;
    if (!outControlKind) return paramErr;
    *outControlKind = ControlKind{kControlKindSignatureToolkit, control->kind};
    return noErr;
}

OSStatus SetControlTitleWithCFString(ControlRef control, CFStringRef title) {
    if (!is_view(control)) return errUnknownControl;
    const auto* chars = string_chars(title);
    if (!chars) return paramErr;
    control->title = *chars;
    return noErr;
}

OSStatus CopyControlTitleAsCFString(ControlRef control, CFStringRef* outTitle) {
    if (!outTitle) return paramErr;
    *outTitle = nullptr;
    if (!is_view(control)) return errUnknownControl;
    *outTitle = new_string(control->title);
    return noErr;
}

OSStatus SetControlCommandID(ControlRef control, UInt32 commandID) {
    if (!is_view(control)) return errUnknownControl;
    control->commandID = commandID;
    return noErr;
}

OSStatus GetControlCommandID(ControlRef control, UInt32* outCommandID) {
    if (!is_view(control)) return errUnknownControl;
    if (!outCommandID) return paramErr;
    *outCommandID = control->commandID;
    return noErr;
}

SInt32 GetControl32BitValue(ControlRef control) { return is_view(control) ? control->value : 0; }

void SetControl32BitValue(ControlRef control, SInt32 newValue) {
    if (is_view(control)) set_pinned_value(control, newValue);
}

SInt32 GetControl32BitMinimum(ControlRef control) { return is_view(control) ? control->minimum : 0; }

void SetControl32BitMinimum(ControlRef control, SInt32 newMinimum) {
    if (!is_view(control)) return;
    control->minimum = newMinimum;
    set_pinned_value(control, control->value);
}

SInt32 GetControl32BitMaximum(ControlRef control) { return is_view(control) ? effective_maximum(control) : 0; }

void SetControl32BitMaximum(ControlRef control, SInt32 newMaximum) {
    if (!is_view(control)) return;
    control->maximum = newMaximum;
    set_pinned_value(control, control->value);
}

}  // extern "C"

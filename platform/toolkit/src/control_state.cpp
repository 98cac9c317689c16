// A control's visibility, enabled state, bounds, kind, title, command ID and value range.
#include <algorithm>

#include "display.h"
#include "focus.h"
#include "popup_menus.h"
#include "refs.h"
#include "strings.h"
#include "views.h"

namespace tk::detail {

SInt32 effective_maximum(const TkView* view) {
    if (view->kind == kControlKindPopupButton && view->menu)
        return std::max<SInt32>(view->maximum, static_cast<SInt32>(view->menu->items.size()));
    return view->maximum;
}

void set_pinned_value(TkView* view, SInt32 value) {
    const SInt32 pinned = std::max(view->minimum, std::min(value, effective_maximum(view)));
    if (pinned == view->value) return;
    view->value = pinned;
    touch(view);
}

}  // namespace tk::detail

using namespace tk::detail;

namespace {

// Sets a flag the look depends on; a control that can no longer be operated
// gives up the focus and takes its open menu with it.
OSErr set_flag(ControlRef control, bool TkView::*flag, bool on) {
    TkView* view = find_view(control);
    if (!view) return errUnknownControl;
    if (view->*flag != on) {
        view->*flag = on;
        touch(view);
        // A field that can no longer be typed into loses the focus, as does one inside this view.
        if (view->window) focused_field(view->window);
        close_menu_if_unreachable();
    }
    return noErr;
}

}  // namespace

extern "C" {

OSErr ShowControl(ControlRef control) { return set_flag(control, &TkView::visible, true); }

OSErr HideControl(ControlRef control) { return set_flag(control, &TkView::visible, false); }

Boolean IsControlVisible(ControlRef control) {
    const TkView* view = find_view(control);
    return view && view_visible(view);
}

OSErr EnableControl(ControlRef control) { return set_flag(control, &TkView::enabled, true); }

OSErr DisableControl(ControlRef control) { return set_flag(control, &TkView::enabled, false); }

// A control inside a disabled one cannot be operated either.
Boolean IsControlEnabled(ControlRef control) {
    const TkView* view = find_view(control);
    return view && view_enabled(view);
}

Rect* GetControlBounds(ControlRef control, Rect* bounds) {
    if (!bounds) return nullptr;
    const TkView* view = find_view(control);
    *bounds = view ? view->bounds : Rect{};
    return bounds;
}

void SetControlBounds(ControlRef control, const Rect* bounds) {
    TkView* view = find_view(control);
    if (!view || !bounds) return;
    touch(view);
    view->bounds = *bounds;
    touch(view);
}

OSStatus GetControlKind(ControlRef control, ControlKind* outControlKind) {
    const TkView* view = find_view(control);
    if (!view) return errUnknownControl;
    if (!outControlKind) return paramErr;
    *outControlKind = ControlKind{kControlKindSignatureToolkit, view->kind};
    return noErr;
}

OSStatus SetControlTitleWithCFString(ControlRef control, CFStringRef title) {
    TkView* view = find_view(control);
    if (!view) return errUnknownControl;
    const auto* chars = string_chars(title);
    if (!chars) return paramErr;
    view->title = *chars;
    touch(view);
    return noErr;
}

OSStatus SetControlCommandID(ControlRef control, UInt32 commandID) {
    TkView* view = find_view(control);
    if (!view) return errUnknownControl;
    view->commandID = commandID;
    return noErr;
}

SInt32 GetControl32BitValue(ControlRef control) {
    const TkView* view = find_view(control);
    return view ? view->value : 0;
}

void SetControl32BitValue(ControlRef control, SInt32 newValue) {
    if (TkView* view = find_view(control)) set_pinned_value(view, newValue);
}

SInt32 GetControl32BitMinimum(ControlRef control) {
    const TkView* view = find_view(control);
    return view ? view->minimum : 0;
}

void SetControl32BitMinimum(ControlRef control, SInt32 newMinimum) {
    TkView* view = find_view(control);
    if (!view) return;
    view->minimum = newMinimum;
    set_pinned_value(view, view->value);
}

SInt32 GetControl32BitMaximum(ControlRef control) {
    const TkView* view = find_view(control);
    return view ? effective_maximum(view) : 0;
}

void SetControl32BitMaximum(ControlRef control, SInt32 newMaximum) {
    TkView* view = find_view(control);
    if (!view) return;
    view->maximum = newMaximum;
    set_pinned_value(view, view->value);
}

}  // extern "C"

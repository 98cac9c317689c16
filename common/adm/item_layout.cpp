// Where an item's control and label sit, the text they show, and the stacking of
// frames behind the other controls.
#include <algorithm>

#include "adm/detail/ScopedCFString.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"

namespace {

bool is_empty(const Rect& r) { return r.bottom <= r.top || r.right <= r.left; }

Rect unite(const Rect& a, const Rect& b) {
    return Rect{std::min(a.top, b.top), std::min(a.left, b.left), std::max(a.bottom, b.bottom),
                std::max(a.right, b.right)};
}

SInt16 s16(int value) { return static_cast<SInt16>(value); }

OSType kind_of(ControlRef view) {
    ControlKind kind{};
    GetControlKind(view, &kind);
    return kind.kind;
}

// The toolkit's best rectangle for a view; failing that its bounds, and for a
// static text the size its text needs in the mini system font.
Rect best_rect(ControlRef view) {
    Rect best{};
    SInt16 baseline{};
    if (GetBestControlRect(view, &best, &baseline) == noErr && !is_empty(best)) return best;
    GetControlBounds(view, &best);
    if (kind_of(view) != kControlKindStaticText) return best;
    CFStringRef text = nullptr;  // stays null when the toolkit cannot give the text
    GetControlData(view, kControlEntireControl, kControlStaticTextCFStringTag, sizeof text, &text, nullptr);
    if (!text) return best;
    Point size{};
    GetThemeTextDimensions(text, kThemeMiniSystemFont, kThemeStateActive, false, &size, &baseline);
    CFRelease(text);
    best.bottom = s16(best.top + size.v);
    best.right = s16(best.left + size.h);
    return best;
}

}  // namespace

void iADMItem::SetBoundsRect(const Rect& r) {
    bounds = r;
    if (control && label) {
        const int dy = labelOffset.v;
        const int dx = labelOffset.h;
        Rect controlRect{};
        Rect labelRect{};
        if (frame) {
            // The title runs along the top of the box, the box starts below it.
            controlRect = Rect{s16(r.top + dy), r.left, r.bottom, r.right};
            labelRect = Rect{r.top, s16(r.left + dx), s16(r.top + dy - 1), r.right};
        } else {
            // The box or button on the left, its text to the right of it.
            controlRect = Rect{r.top, r.left, r.bottom, s16(r.left + dx - 1)};
            labelRect = Rect{s16(r.top + dy), s16(r.left + dx), r.bottom, r.right};
        }
        SetControlBounds(control, &controlRect);
        SetControlBounds(label, &labelRect);
    } else if (control) {
        SetControlBounds(control, &r);
    } else if (label) {
        SetControlBounds(label, &r);
    }
}

void iADMItem::GetBoundsRect(Rect& rect) const {
    Rect controlRect{}, labelRect{};  // an item without either is empty
    if (control) GetControlBounds(control, &controlRect);
    if (label) GetControlBounds(label, &labelRect);
    rect = control && label ? unite(controlRect, labelRect) : control ? controlRect : labelRect;
}

void iADMItem::SetLocalRect(const Rect& r) {
    Rect current{};
    GetBoundsRect(current);
    SetBoundsRect(Rect{s16(r.top + current.top), s16(r.left + current.left), s16(r.bottom + current.top),
                       s16(r.right + current.left)});
}

void iADMItem::GetBestSize(Point& size) const {
    Rect best{};
    if (control && label)
        best = unite(best_rect(control), best_rect(label));
    else if (control)
        best = best_rect(control);
    else if (label)
        best = best_rect(label);
    size.h = s16(best.right - best.left);
    size.v = s16(best.bottom - best.top);
}

void iADMItem::SetText(const char* text) {
    ControlRef target = label ? label : control;
    if (!text || !target) return;
    ScopedCFString string(text);
    switch (kind_of(target)) {
    case kControlKindEditUnicodeText:
    case kControlKindEditText:
    case kControlKindStaticText: {
        CFStringRef ref = string.get();
        SetControlData(target, kControlEntireControl, kControlEditTextCFStringTag, sizeof ref, &ref);
        break;
    }
    case kControlKindCheckBox:
    case kControlKindRadioButton:
    case kControlKindGroupBox:
        if (dialog->window)
            SetControlTitleWithCFString(target, string.get());
        else if (*text)
            // A panel's controls would draw their titles in the toolkit's colours
            // on the host's background; a label can use the host's text colour.
            makeLabel(string.get());
        break;
    default:
        SetControlTitleWithCFString(target, string.get());
        break;
    }
}

void iADMItem::makeLabel(CFStringRef text) {
    const ControlFontStyleRec style = baseFontStyle();
    if (control) labelOffset = frame ? kADMFrameLabelOffset : kADMButtonLabelOffset;
    if (CreateStaticTextControl(dialog->window, &bounds, text, &style, &label) != noErr) {
        label = nullptr;
        return;
    }
    const Boolean multiline = true;
    SetControlData(label, kControlEntireControl, kControlStaticTextIsMultilineTag, sizeof multiline, &multiline);
    // The label joins an item that may already be disabled or hidden.
    if (control && !IsControlEnabled(control)) DisableControl(label);
    if (control && !IsControlVisible(control)) HideControl(label);
    HIViewAddSubview(dialog->rootView, label);
    SetBoundsRect(bounds);
}

void restack_frames(iADMDialog& dialog) {
    for (iADMItem& item : dialog.items) {
        if (item.detached) continue;
        if (item.control) HIViewRemoveFromSuperview(item.control);
        if (item.label) HIViewRemoveFromSuperview(item.label);
    }
    for (iADMItem& item : dialog.items)
        if (item.control && !item.detached && kind_of(item.control) == kControlKindGroupBox)
            HIViewAddSubview(dialog.rootView, item.control);
    for (iADMItem& item : dialog.items) {
        if (item.detached) continue;
        if (item.label) HIViewAddSubview(dialog.rootView, item.label);
        if (item.control && kind_of(item.control) != kControlKindGroupBox)
            HIViewAddSubview(dialog.rootView, item.control);
    }
}

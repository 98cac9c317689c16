// Create...Control for every kind of control the toolkit knows.
#include "refs.h"
#include "strings.h"
#include "views.h"

namespace {

using namespace tk::detail;

struct Creation {
    WindowRef windowRef;
    const Rect* bounds;
    CFStringRef title;
    ControlRef* out;
};

// Checks the common arguments; the title may be null (no title).
OSStatus check(const Creation& c) {
    if (c.out) *c.out = nullptr;
    if (!c.out || !c.bounds) return paramErr;
    if (c.windowRef) {
        const TkWindow* window = find_window(c.windowRef);
        if (!window || window->disposing) return errInvalidWindowRef;
    }
    if (c.title && !string_chars(c.title)) return paramErr;
    return noErr;
}

TkView* make(const Creation& c, OSType kind) {
    TkView* view = new_view(find_window(c.windowRef), kind, *c.bounds);
    if (c.title) view->title = *string_chars(c.title);
    *c.out = ref_of(view);
    return view;
}

void set_range(TkView* view, SInt32 minimum, SInt32 maximum, SInt32 value) {
    view->minimum = minimum;
    view->maximum = maximum;
    view->value = value < minimum ? minimum : (value > maximum ? maximum : value);
}

}  // namespace

extern "C" {

OSStatus CreateUserPaneControl(WindowRef window, const Rect* boundsRect, UInt32, ControlRef* outControl) {
    const Creation c{window, boundsRect, nullptr, outControl};
    if (const OSStatus s = check(c)) return s;
    make(c, kControlKindUserPane);
    return noErr;
}

OSStatus CreateGroupBoxControl(WindowRef window, const Rect* boundsRect, CFStringRef title, Boolean,
                               ControlRef* outControl) {
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    make(c, kControlKindGroupBox);
    return noErr;
}

OSStatus CreateBevelButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title,
                                  ControlBevelThickness, ControlBevelButtonBehavior behavior,
                                  ControlButtonContentInfoPtr, SInt16 menuID, ControlBevelButtonMenuBehavior,
                                  ControlBevelButtonMenuPlacement, ControlRef* outControl) {
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    if (menuID != 0) return resNotFound;
    TkView* view = make(c, kControlKindBevelButton);
    view->bevelBehavior = behavior;
    set_range(view, 0, 1, 0);
    return noErr;
}

OSStatus CreateIconControl(WindowRef window, const Rect* boundsRect, const ControlButtonContentInfo*,
                           Boolean inDontTrack, ControlRef* outControl) {
    const Creation c{window, boundsRect, nullptr, outControl};
    if (const OSStatus s = check(c)) return s;
    make(c, kControlKindIcon)->tracksIcon = !inDontTrack;
    return noErr;
}

OSStatus CreatePopupButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt16 menuID,
                                  Boolean, SInt16, SInt16, Style, ControlRef* outControl) {
    // There are no menu resources: the menu comes later through the owned-menu tag.
    constexpr SInt16 kNoResourceMenuID = -12345;
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    if (menuID != kNoResourceMenuID) return resNotFound;
    set_range(make(c, kControlKindPopupButton), 1, 1, 1);
    return noErr;
}

OSStatus CreateCheckBoxControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt32 initialValue,
                               Boolean autoToggle, ControlRef* outControl) {
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    TkView* view = make(c, kControlKindCheckBox);
    view->autoToggle = autoToggle;
    set_range(view, 0, 1, initialValue);
    return noErr;
}

OSStatus CreateEditUnicodeTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text, Boolean isPassword,
                                      const ControlFontStyleRec* style, ControlRef* outControl) {
    const Creation c{window, boundsRect, text, outControl};
    if (const OSStatus s = check(c)) return s;
    TkView* view = make(c, kControlKindEditUnicodeText);
    view->password = isPassword;
    if (style) view->fontStyle = *style;
    return noErr;
}

OSStatus CreatePushButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, ControlRef* outControl) {
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    set_range(make(c, kControlKindPushButton), 0, 1, 0);
    return noErr;
}

OSStatus CreateRadioButtonControl(WindowRef window, const Rect* boundsRect, CFStringRef title, SInt32 initialValue,
                                  Boolean autoToggle, ControlRef* outControl) {
    const Creation c{window, boundsRect, title, outControl};
    if (const OSStatus s = check(c)) return s;
    TkView* view = make(c, kControlKindRadioButton);
    view->autoToggle = autoToggle;
    set_range(view, 0, 1, initialValue);
    return noErr;
}

OSStatus CreateStaticTextControl(WindowRef window, const Rect* boundsRect, CFStringRef text,
                                 const ControlFontStyleRec* style, ControlRef* outControl) {
    const Creation c{window, boundsRect, text, outControl};
    if (const OSStatus s = check(c)) return s;
    TkView* view = make(c, kControlKindStaticText);
    if (style) view->fontStyle = *style;
    return noErr;
}

}  // extern "C"

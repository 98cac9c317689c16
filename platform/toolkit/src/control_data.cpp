// Control data tags ('size', 'stim', 'cfst', 'omrf', 'mhnd') and font styles.
#include <cstring>

#include "display.h"
#include "menus.h"
#include "refs.h"
#include "text_editing.h"
#include "strings.h"
#include "views.h"

namespace {

using namespace tk::detail;

bool is_text_kind(OSType kind) {
    return kind == kControlKindEditUnicodeText || kind == kControlKindEditText || kind == kControlKindStaticText;
}

// Whether the control kind carries the tag at all.
bool supports(const TkView* control, ResType tag) {
    switch (tag) {
    case kControlSizeTag:
        return true;
    case kControlStaticTextIsMultilineTag:
        return control->kind == kControlKindStaticText;
    case kControlEditTextCFStringTag:
        return is_text_kind(control->kind);
    case kControlPopupButtonOwnedMenuRefTag:
    case kControlPopupButtonMenuRefTag:
        return control->kind == kControlKindPopupButton;
    default:
        return false;
    }
}

Size tag_size(ResType tag) {
    switch (tag) {
    case kControlSizeTag:
        return sizeof(ControlSize);
    case kControlStaticTextIsMultilineTag:
        return sizeof(Boolean);
    case kControlEditTextCFStringTag:
        return sizeof(CFStringRef);
    default:
        return sizeof(MenuRef);
    }
}

template <class T>
T read(const void* data) {
    T value;
    std::memcpy(&value, data, sizeof(T));
    return value;
}

template <class T>
void write(void* buffer, const T& value) {
    std::memcpy(buffer, &value, sizeof(T));
}

OSErr set_menu(TkView* control, MenuRef ref, bool owned) {
    TkMenu* menu = find_menu(ref);
    if (ref && !menu) return paramErr;
    if (control->ownsMenu && control->menu != menu) dispose_menu(control->menu);
    control->menu = menu;
    control->ownsMenu = menu && owned;
    set_pinned_value(control, control->value);
    touch(control);
    return noErr;
}

}  // namespace

extern "C" {

OSErr GetControlData(ControlRef ref, ControlPartCode, ResType tagName, Size bufferSize, void* buffer,
                     Size* actualSize) {
    const TkView* control = find_view(ref);
    if (!control) return errUnknownControl;
    if (!supports(control, tagName)) return errDataNotSupported;
    const Size needed = tag_size(tagName);
    if (actualSize) *actualSize = needed;
    if (!buffer) return actualSize ? noErr : paramErr;
    if (bufferSize < needed) return paramErr;
    switch (tagName) {
    case kControlSizeTag:
        write(buffer, control->size);
        break;
    case kControlStaticTextIsMultilineTag:
        write(buffer, static_cast<Boolean>(control->multiline));
        break;
    case kControlEditTextCFStringTag:
        // The caller owns the returned string and releases it.
        write(buffer, new_string(control->title));
        break;
    default:
        write(buffer, ref_of(control->menu));
        break;
    }
    return noErr;
}

OSErr SetControlData(ControlRef ref, ControlPartCode, ResType tagName, Size size, const void* data) {
    TkView* control = find_view(ref);
    if (!control) return errUnknownControl;
    if (!supports(control, tagName)) return errDataNotSupported;
    if (!data || size < tag_size(tagName)) return paramErr;
    switch (tagName) {
    case kControlSizeTag: {
        const auto controlSize = read<ControlSize>(data);
        if (controlSize > kControlSizeMini) return paramErr;
        control->size = controlSize;
        touch(control);
        return noErr;
    }
    case kControlStaticTextIsMultilineTag:
        control->multiline = read<Boolean>(data) != 0;
        touch(control);
        return noErr;
    case kControlEditTextCFStringTag: {
        const auto* chars = string_chars(read<CFStringRef>(data));
        if (!chars) return paramErr;
        set_field_text(control, *chars);
        return noErr;
    }
    case kControlPopupButtonOwnedMenuRefTag:
        return set_menu(control, read<MenuRef>(data), true);
    default:
        return set_menu(control, read<MenuRef>(data), false);
    }
}

OSErr SetControlFontStyle(ControlRef ref, const ControlFontStyleRec* inStyle) {
    TkView* control = find_view(ref);
    if (!control) return errUnknownControl;
    if (!inStyle) return paramErr;
    control->fontStyle = *inStyle;
    touch(control);
    return noErr;
}

}  // extern "C"

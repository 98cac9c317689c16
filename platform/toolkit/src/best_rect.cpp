// GetBestControlRect: the size each kind of control would like for its content.
#include <algorithm>

#include "looks.h"
#include "menus.h"
#include "refs.h"
#include "text_metrics.h"
#include "unicode.h"

namespace {

using namespace tk::detail;

struct Best {
    int width;
    int height;
    int baseline;  // from the bottom of the rectangle up to the text's baseline
};

// Text drawn centred vertically in a box of the given height.
int centred_baseline(int height, const TkTextSize& text) {
    const int top = (height - text.lineHeight) / 2;
    return height - (top + text.ascent);
}

int widest_item(const TkView* control, const TkFont& font) {
    int widest = 0;
    if (!control->menu) return widest;
    for (const auto& item : control->menu->items)
        widest = std::max(widest, measure_text(font, utf16_to_utf8(item.text)).width);
    return widest;
}

Best best_for(const TkView* control) {
    const TkFont font = control_font(control);
    const std::string title = utf16_to_utf8(control->title);
    const TkTextSize text = measure_text(font, title);
    const int width = control->bounds.right - control->bounds.left;
    const int height = control->bounds.bottom - control->bounds.top;
    switch (control->kind) {
    case kControlKindPushButton: {
        const int h = look::button_height(control->size);
        return {std::max(text.width + 2 * look::kButtonPadding, look::kMinButtonWidth), h, centred_baseline(h, text)};
    }
    case kControlKindBevelButton:
        if (title.empty()) return {width, height, 0};
        return {text.width + 2 * look::kButtonPadding, look::button_height(control->size),
                centred_baseline(look::button_height(control->size), text)};
    case kControlKindCheckBox:
    case kControlKindRadioButton: {
        const int box = look::toggle_box(control->size);
        if (title.empty()) return {box, box, 0};
        const int h = std::max(box, text.lineHeight);
        const int w = box + look::kToggleGap + text.width;
        return {w, h, centred_baseline(h, text)};
    }
    case kControlKindStaticText:
        return {text.width, text.height, text.descent};
    case kControlKindEditUnicodeText:
    case kControlKindEditText: {
        const int h = text.lineHeight + 2 * look::kEditInset;
        return {std::max(width, text.width + 2 * look::kEditInset), h, centred_baseline(h, text)};
    }
    case kControlKindPopupButton: {
        const int h = look::button_height(control->size);
        const int titleWidth = title.empty() ? 0 : text.width + look::kToggleGap;
        return {titleWidth + widest_item(control, font) + 2 * look::kPopupTextInset + look::kPopupArrowWidth, h,
                centred_baseline(h, text)};
    }
    case kControlKindGroupBox:
        return {std::max(width, text.width + 2 * look::kGroupTitleInset), height, 0};
    case kControlKindIcon:
        if (width > 0 && height > 0) return {width, height, 0};
        return {look::kIconSize, look::kIconSize, 0};
    default:
        return {width, height, 0};
    }
}

}  // namespace

extern "C" {

// The best rectangle keeps the control's top-left corner.
OSErr GetBestControlRect(ControlRef ref, Rect* outRect, SInt16* outBaseLineOffset) {
    const TkView* control = find_view(ref);
    if (!control) return errUnknownControl;
    if (!outRect) return paramErr;
    const Best best = best_for(control);
    *outRect = Rect{control->bounds.top, control->bounds.left, static_cast<SInt16>(control->bounds.top + best.height),
                    static_cast<SInt16>(control->bounds.left + best.width)};
    if (outBaseLineOffset) *outBaseLineOffset = static_cast<SInt16>(best.baseline);
    return noErr;
}

}  // extern "C"

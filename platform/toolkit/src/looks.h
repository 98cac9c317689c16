// Sizes and colours of the standard control looks, shared by drawing and best sizes.
#pragma once

#include "toolkit/native.h"

namespace tk::detail::look {

struct Colour {
    double r, g, b;
    double a = 1;
};

constexpr Colour kWindowBackground{0xE8 / 255.0, 0xE8 / 255.0, 0xE8 / 255.0};
constexpr Colour kPlainBackground{1, 1, 1};
constexpr Colour kFace{0xF6 / 255.0, 0xF6 / 255.0, 0xF6 / 255.0};
constexpr Colour kFaceBottom{0xDA / 255.0, 0xDA / 255.0, 0xDA / 255.0};
constexpr Colour kBorder{0x8C / 255.0, 0x8C / 255.0, 0x8C / 255.0};
constexpr Colour kEtchDark{0xA8 / 255.0, 0xA8 / 255.0, 0xA8 / 255.0};
constexpr Colour kEtchLight{1, 1, 1};
constexpr Colour kText{0, 0, 0};
constexpr Colour kDisabledText{0x9A / 255.0, 0x9A / 255.0, 0x9A / 255.0};
constexpr Colour kDisabledBorder{0xBC / 255.0, 0xBC / 255.0, 0xBC / 255.0};
constexpr Colour kField{1, 1, 1};
constexpr Colour kMark{0x20 / 255.0, 0x20 / 255.0, 0x20 / 255.0};
constexpr Colour kIconPlaceholder{0xB8 / 255.0, 0xC4 / 255.0, 0xD4 / 255.0};
constexpr Colour kFocusRing{0x4A / 255.0, 0x90 / 255.0, 0xD9 / 255.0};
constexpr Colour kSelection{0xB4 / 255.0, 0xD5 / 255.0, 0xFE / 255.0};
constexpr Colour kMenuHighlight{0x2F / 255.0, 0x6F / 255.0, 0xD0 / 255.0};
constexpr Colour kHighlightedText{1, 1, 1};
// Text in a colour of its own is dimmed to this share of it when disabled, so
// it fades into whatever it is drawn on.
constexpr double kDisabledTextAlpha = 0.45;

// The square of a check box or the circle of a radio button.
constexpr int toggle_box(ControlSize size) {
    return size == kControlSizeMini ? 10 : size == kControlSizeSmall ? 12 : 14;
}
constexpr int kToggleGap = 4;  // between the box and the title

constexpr int button_height(ControlSize size) {
    return size == kControlSizeMini ? 15 : size == kControlSizeSmall ? 17 : 20;
}
constexpr int kButtonPadding = 10;  // each side of a push button's title
constexpr int kMinButtonWidth = 40;
constexpr int kPopupArrowWidth = 16;
constexpr int kPopupTextInset = 8;
constexpr int kEditInset = 3;  // between an edit field's border and its text
constexpr int kGroupTitleInset = 9;
constexpr int kIconSize = 32;
constexpr double kCornerRadius = 4;
constexpr int kFocusRingWidth = 2;

// An open popup menu: rows of items between a little padding, each with room
// on the left for the check mark of the current one.
constexpr int kMenuItemHeight = 18;
constexpr int kMenuPadding = 4;
constexpr int kMenuMarkWidth = 20;
constexpr int kMenuRightPadding = 12;

}  // namespace tk::detail::look

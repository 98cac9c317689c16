// Sizes and colours of the standard control looks, shared by drawing and best sizes.
#pragma once

#include "toolkit/native.h"

namespace tk::detail::look {

struct Colour {
    double r, g, b;
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

}  // namespace tk::detail::look

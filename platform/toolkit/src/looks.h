// Sizes and colours of the standard control looks, shared by drawing and best sizes.
#pragma once

#include "toolkit/native.h"

namespace tk::detail::look {

struct Colour {
    double r, g, b;
    double a = 1.0;
};

// A colour from its 0xRRGGBB value, opaque.
constexpr Colour rgb(unsigned value) {
    return {(value >> 16 & 0xFF) / 255.0, (value >> 8 & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}

constexpr Colour kWindowBackground = rgb(0xE8E8E8);
constexpr Colour kPlainBackground = rgb(0xFFFFFF);
constexpr Colour kFace = rgb(0xF6F6F6);
constexpr Colour kFaceBottom = rgb(0xDADADA);
constexpr Colour kBorder = rgb(0x8C8C8C);
constexpr Colour kEtchDark = rgb(0xA8A8A8);
constexpr Colour kEtchLight = rgb(0xFFFFFF);
constexpr Colour kText = rgb(0x000000);
constexpr Colour kDisabledText = rgb(0x9A9A9A);
constexpr Colour kDisabledBorder = rgb(0xBCBCBC);
constexpr Colour kField = rgb(0xFFFFFF);
constexpr Colour kMark = rgb(0x202020);
constexpr Colour kIconPlaceholder = rgb(0xB8C4D4);
constexpr Colour kFocusRing = rgb(0x4A90D9);
constexpr Colour kSelection = rgb(0xB4D5FE);
constexpr Colour kMenuHighlight = rgb(0x2F6FD0);
constexpr Colour kHighlightedText = rgb(0xFFFFFF);
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

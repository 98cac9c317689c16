#include "adm/detail/iADMDrawer.h"

#include "adm/detail/host_color.h"
#include "adm/host_suites.h"
#include "adm/detail/iADMImage.h"
#include "adm/detail/iADMItem.h"

bool iADMDrawer::_useAppColor = false;

CGRect toCGRect(const Rect& rect) {
    return CGRect{{static_cast<CGFloat>(rect.left), static_cast<CGFloat>(rect.top)},
                  {static_cast<CGFloat>(rect.right - rect.left), static_cast<CGFloat>(rect.bottom - rect.top)}};
}

void iADMDrawer::ClearRect(const Rect& rect) {
    if (context) CGContextClearRect(context, toCGRect(rect));
}

void iADMDrawer::DrawRect(const Rect& rect) {
    if (context) CGContextStrokeRect(context, toCGRect(rect));
}

void iADMDrawer::FillRect(const Rect& rect) {
    if (context) CGContextFillRect(context, toCGRect(rect));
}

void iADMDrawer::DrawLine(const Point& from, const Point& to) {
    if (!context) return;
    CGContextBeginPath(context);
    CGContextMoveToPoint(context, from.h, from.v);
    CGContextAddLineToPoint(context, to.h, to.v);
    CGContextStrokePath(context);
}

void iADMDrawer::FillPolygon(const Point* points, int count) {
    if (!context || !points || count <= 0) return;
    CGContextBeginPath(context);
    CGContextMoveToPoint(context, points[0].h, points[0].v);
    for (int i = 1; i < count; ++i) CGContextAddLineToPoint(context, points[i].h, points[i].v);
    CGContextClosePath(context);
    CGContextFillPath(context);
}

void iADMDrawer::DrawADMImage(const iADMImage& source, const Point& topLeft) {
    if (!context || !source.context) return;
    CGImageRef picture = CGBitmapContextCreateImage(source.context);
    if (!picture) return;
    const Rect bounds = source.getBounds();
    CGContextDrawImage(context,
                       CGRect{{static_cast<CGFloat>(topLeft.h), static_cast<CGFloat>(topLeft.v)},
                              {static_cast<CGFloat>(bounds.right), static_cast<CGFloat>(bounds.bottom)}},
                       picture);
    CGImageRelease(picture);
}

void iADMDrawer::GetBoundsRect(Rect& rect) const {
    if (item) {
        if (item->control) GetControlBounds(item->control, &rect);
    } else if (image) {
        rect = image->getBounds();
    }
}

namespace {

constexpr UInt16 kDisabledGrey = 0x2000;

// The host colour kind behind an ADM colour; -1 when the colour does not come from the host.
PF_App_ColorType host_kind(ADMColor color, bool useAppColor) {
    switch (color) {
    case kADMBlackColor: return PF_App_Color_BLACK;
    case kADMWhiteColor: return PF_App_Color_WHITE;
    case kADMHiliteColor: return PF_App_Color_HILITE;
    case kADMHiliteTextColor: return PF_App_Color_BUTTON_PRESSED_TEXT;
    case kADMLightColor: return PF_App_Color_LIGHT_TINGE;
    case kADMBackgroundColor:
    case kADMWindowColor: return PF_App_Color_FILL;
    case kADMShadowColor: return PF_App_Color_SHADOW;
    case kADMDisabledColor:
    case kADMDisabledTextColor: return useAppColor ? PF_App_Color_TEXT_DISABLED : -1;
    case kADMForegroundColor: return PF_App_Color_FRAME;
    case kADMTextColor: return useAppColor ? PF_App_Color_TEXT : -1;
    case kADMRedColor: return PF_App_Color_RED;
    default: return -1;
    }
}

}  // namespace

void iADMDrawer::SetADMColor(ADMColor color) {
    if (!context) return;
    const PF_App_ColorType kind = host_kind(color, _useAppColor);
    RGBColor rgb{};
    if (kind >= 0) {
        // Without the host's app suite there is no host colour: the colour stays as it was.
        if (!sPFAppSuite) return;
        rgb = host_color(sPFAppSuite, kind);
    } else if (color == kADMDisabledColor || color == kADMDisabledTextColor) {
        rgb = RGBColor{kDisabledGrey, kDisabledGrey, kDisabledGrey};
    } else if (color != kADMTextColor) {
        return;  // not a colour the dialogs know: leave the colour as it is
    }
    set_context_color(context, rgb, true);
}

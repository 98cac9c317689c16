#include "adm/detail/host_color.h"

RGBColor host_color(const PFAppSuite2* appSuite, PF_App_ColorType kind) {
    PF_App_Color color{};
    if (appSuite && appSuite->PF_AppGetColor) appSuite->PF_AppGetColor(kind, &color);
    return RGBColor{color.red, color.green, color.blue};
}

void set_context_color(CGContextRef context, const RGBColor& color, bool stroke) {
    const CGFloat r = color.red / 65535.0;
    const CGFloat g = color.green / 65535.0;
    const CGFloat b = color.blue / 65535.0;
    CGContextSetRGBFillColor(context, r, g, b, 1.0);
    if (stroke) CGContextSetRGBStrokeColor(context, r, g, b, 1.0);
}

// Colours of the host application, asked from its app suite by colour kind.
#pragma once

#include "aegp/aegp_suites.h"
#include "toolkit/native.h"

// The host's colour of `kind`; black when the suite does not fill it in.
RGBColor host_color(const PFAppSuite2* appSuite, PF_App_ColorType kind);

// Sets `color` as the fill colour (and the stroke colour when asked) of `context`,
// each 16-bit component scaled to 0..1, fully opaque.
void set_context_color(CGContextRef context, const RGBColor& color, bool stroke);

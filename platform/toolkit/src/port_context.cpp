// Contexts begun on a window port. A compositing window keeps no drawing done
// outside its draw events, so such a context paints into a scratch surface the
// size of the window's content.
#include "context.h"
#include "registry.h"

using namespace tk::detail;

extern "C" {

OSStatus QDBeginCGContext(CGrafPtr inPort, CGContextRef* outContext) {
    if (!outContext) return paramErr;
    *outContext = nullptr;
    if (!is_port(inPort)) return paramErr;
    const Rect& content = inPort->window->content;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, content.right - content.left,
                                                          content.bottom - content.top);
    cairo_t* cr = cairo_create(surface);
    cairo_surface_destroy(surface);
    CGContextRef context = new_context(cr);
    cairo_destroy(cr);
    context->port = inPort;
    *outContext = context;
    return noErr;
}

OSStatus QDEndCGContext(CGrafPtr inPort, CGContextRef* inoutContext) {
    if (!inoutContext || !is_context(*inoutContext) || (*inoutContext)->port != inPort) return paramErr;
    release_context(*inoutContext);
    *inoutContext = nullptr;
    return noErr;
}

}  // extern "C"

// Contexts begun on a window port. A compositing window keeps no drawing done
// outside its draw events, so such a context paints into a scratch surface the
// size of the window's content.
#include "context.h"
#include "refs.h"

using namespace tk::detail;

extern "C" {

OSStatus QDBeginCGContext(CGrafPtr inPort, CGContextRef* outContext) {
    if (!outContext) return paramErr;
    *outContext = nullptr;
    const TkWindow* window = find_port_window(inPort);
    if (!window) return paramErr;
    const Rect& content = window->content;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, content.right - content.left,
                                                          content.bottom - content.top);
    cairo_t* cr = cairo_create(surface);
    cairo_surface_destroy(surface);
    TkContext* context = new_context(cr);
    cairo_destroy(cr);
    context->portWindow = window->serial;
    *outContext = ref_of(context);
    return noErr;
}

OSStatus QDEndCGContext(CGrafPtr inPort, CGContextRef* inoutContext) {
    if (!inoutContext) return paramErr;
    TkContext* context = find_context(*inoutContext);
    const TkWindow* window = find_port_window(inPort);
    if (!context || !window || context->portWindow != window->serial) return paramErr;
    release_context(context);
    *inoutContext = nullptr;
    return noErr;
}

}  // extern "C"

// Painting on a context: colours, line width, rectangles, paths and the state stack.
#include "context.h"
#include "refs.h"

namespace {

using namespace tk::detail;

void set_colour(double (&target)[4], CGFloat r, CGFloat g, CGFloat b, CGFloat a) {
    target[0] = r, target[1] = g, target[2] = b, target[3] = a;
}

void use_fill(TkContext* c) {
    const auto& f = c->state.fill;
    cairo_set_source_rgba(c->cr, f[0], f[1], f[2], f[3]);
}

void use_stroke(TkContext* c) {
    const auto& s = c->state.stroke;
    cairo_set_source_rgba(c->cr, s[0], s[1], s[2], s[3]);
    cairo_set_line_width(c->cr, 1);  // the platform's strokes are one pixel wide, cairo's two
}

// Rectangle calls paint without touching the path being built.
template <class Paint>
void with_rect(TkContext* c, CGRect rect, Paint paint) {
    cairo_path_t* path = cairo_copy_path(c->cr);
    cairo_new_path(c->cr);
    cairo_rectangle(c->cr, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
    begin_paint(c);
    paint();
    end_paint(c);
    cairo_new_path(c->cr);
    cairo_append_path(c->cr, path);
    cairo_path_destroy(path);
}

}  // namespace

extern "C" {

void CGContextSetRGBFillColor(CGContextRef ref, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
    if (TkContext* c = find_context(ref)) set_colour(c->state.fill, red, green, blue, alpha);
}

void CGContextSetRGBStrokeColor(CGContextRef ref, CGFloat red, CGFloat green, CGFloat blue, CGFloat alpha) {
    if (TkContext* c = find_context(ref)) set_colour(c->state.stroke, red, green, blue, alpha);
}

void CGContextFillRect(CGContextRef ref, CGRect rect) {
    TkContext* c = find_context(ref);
    if (!c) return;
    with_rect(c, rect, [c] {
        use_fill(c);
        cairo_fill(c->cr);
    });
}

void CGContextStrokeRect(CGContextRef ref, CGRect rect) {
    TkContext* c = find_context(ref);
    if (!c) return;
    with_rect(c, rect, [c] {
        use_stroke(c);
        cairo_stroke(c->cr);
    });
}

void CGContextClearRect(CGContextRef ref, CGRect rect) {
    TkContext* c = find_context(ref);
    if (!c) return;
    with_rect(c, rect, [c] {
        cairo_save(c->cr);
        cairo_set_operator(c->cr, CAIRO_OPERATOR_CLEAR);
        cairo_fill(c->cr);
        cairo_restore(c->cr);
    });
}

void CGContextBeginPath(CGContextRef ref) {
    if (TkContext* c = find_context(ref)) cairo_new_path(c->cr);
}

void CGContextMoveToPoint(CGContextRef ref, CGFloat x, CGFloat y) {
    if (TkContext* c = find_context(ref)) cairo_move_to(c->cr, x, y);
}

void CGContextAddLineToPoint(CGContextRef ref, CGFloat x, CGFloat y) {
    if (TkContext* c = find_context(ref)) cairo_line_to(c->cr, x, y);
}

void CGContextClosePath(CGContextRef ref) {
    if (TkContext* c = find_context(ref)) cairo_close_path(c->cr);
}

void CGContextFillPath(CGContextRef ref) {
    TkContext* c = find_context(ref);
    if (!c) return;
    begin_paint(c);
    use_fill(c);
    cairo_fill(c->cr);
    end_paint(c);
}

void CGContextStrokePath(CGContextRef ref) {
    TkContext* c = find_context(ref);
    if (!c) return;
    begin_paint(c);
    use_stroke(c);
    cairo_stroke(c->cr);
    end_paint(c);
}

}  // extern "C"

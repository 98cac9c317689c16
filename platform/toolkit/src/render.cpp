// Painting a view tree: each view's draw handlers, then its standard look when
// they leave the drawing to the toolkit, then its subviews above it.
#include "render.h"

#include <vector>

#include "context.h"
#include "events.h"
#include "look_paint.h"
#include "refs.h"
#include "windows.h"

namespace tk::detail {
namespace {

OSStatus send_draw(cairo_t* cr, TkView* view) {
    if (view->target.handlers.empty()) return eventNotHandledErr;
    TkContext* context = new_context(cr);
    const CGContextRef contextRef = ref_of(context);
    auto event = make_event(kEventClassControl, kEventControlDraw);
    set_param(event, kEventParamDirectObject, typeControlRef, ref_of(view));
    set_param(event, kEventParamCGContextRef, typeCGContextRef, contextRef);
    cairo_save(cr);
    const OSStatus status = send_event(view->target, event);
    cairo_restore(cr);
    // A handler may have released the context it was lent.
    if (TkContext* still = find_context(contextRef)) release_context(still);
    return status;
}

}  // namespace

void paint_window_content(cairo_t* cr, TkWindow* window) {
    if (window->disposing) return;
    // Windows given the dialog brush are grey; the rest have plain white content.
    set_colour(cr, window->background == kThemeBrushDialogBackgroundActive ? look::kWindowBackground
                                                                           : look::kPlainBackground);
    cairo_paint(cr);
    if (is_menu_window(window))
        look_menu(cr, window);
    else if (window->root)
        paint_view(cr, window->root);
}

void paint_view(cairo_t* cr, TkView* view) {
    if (!view->visible) return;
    const ControlRef ref = ref_of(view);
    cairo_save(cr);
    cairo_translate(cr, view->bounds.left, view->bounds.top);
    cairo_rectangle(cr, 0, 0, view->bounds.right - view->bounds.left, view->bounds.bottom - view->bounds.top);
    cairo_clip(cr);
    if (send_draw(cr, view) == eventNotHandledErr && find_view(ref)) {
        cairo_save(cr);
        standard_look(cr, view);
        cairo_restore(cr);
    }
    // A draw handler may have changed the tree; only views still alive are painted.
    std::vector<ControlRef> children;
    if (find_view(ref))
        for (const TkView* child : view->children) children.push_back(ref_of(child));
    for (ControlRef child : children)
        if (TkView* still = find_view(child)) paint_view(cr, still);
    cairo_restore(cr);
}

void standard_look(cairo_t* cr, const TkView* view) {
    switch (view->kind) {
    case kControlKindPushButton:
        return look_push_button(cr, view);
    case kControlKindBevelButton:
        return look_bevel_button(cr, view);
    case kControlKindPopupButton:
        return look_popup_button(cr, view);
    case kControlKindCheckBox:
        return look_check_box(cr, view);
    case kControlKindRadioButton:
        return look_radio_button(cr, view);
    case kControlKindStaticText:
        return look_static_text(cr, view);
    case kControlKindEditUnicodeText:
    case kControlKindEditText:
        return look_edit_text(cr, view);
    case kControlKindGroupBox:
        return look_group_box(cr, view);
    case kControlKindIcon:
        return look_icon(cr, view);
    default:
        // User panes and the root draw nothing of their own.
        return;
    }
}

}  // namespace tk::detail

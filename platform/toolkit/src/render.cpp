// Painting a view tree: each view's draw handlers, then its standard look when
// they leave the drawing to the toolkit, then its subviews above it.
#include "render.h"

#include <utility>
#include <vector>

#include "context.h"
#include "events.h"
#include "registry.h"

namespace tk::detail {
namespace {

OSStatus send_draw(cairo_t* cr, ControlRef view) {
    if (view->target.handlers.empty()) return eventNotHandledErr;
    CGContextRef context = new_context(cr);
    auto event = make_event(kEventClassControl, kEventControlDraw);
    set_param(event, kEventParamDirectObject, typeControlRef, view);
    set_param(event, kEventParamCGContextRef, typeCGContextRef, context);
    cairo_save(cr);
    const OSStatus status = send_event(view->target, event);
    cairo_restore(cr);
    release_context(context);
    return status;
}

}  // namespace

void paint_view(cairo_t* cr, ControlRef view) {
    if (!view->visible) return;
    const TkSerial serial = view->serial;
    cairo_save(cr);
    cairo_translate(cr, view->bounds.left, view->bounds.top);
    cairo_rectangle(cr, 0, 0, view->bounds.right - view->bounds.left, view->bounds.bottom - view->bounds.top);
    cairo_clip(cr);
    if (send_draw(cr, view) == eventNotHandledErr && is_view(view) && view->serial == serial) {
        cairo_save(cr);
        standard_look(cr, view);
        cairo_restore(cr);
    }
    // A draw handler may have changed the tree; only views still alive are painted.
    std::vector<std::pair<ControlRef, TkSerial>> children;
    if (is_view(view) && view->serial == serial)
        for (auto* child : view->children) children.emplace_back(child, child->serial);
    for (const auto& [child, childSerial] : children)
        if (is_view(child) && child->serial == childSerial) paint_view(cr, child);
    cairo_restore(cr);
}

void standard_look(cairo_t* cr, ControlRef view) {
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

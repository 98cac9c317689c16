// The view hierarchy: embedding, removal and disposal of views.
#include <algorithm>

#include "display.h"
#include "events.h"
#include "focus.h"
#include "menus.h"
#include "popup_menus.h"
#include "refs.h"
#include "views.h"

namespace tk::detail {
namespace {

void set_tree_window(TkView* view, TkWindow* window) {
    view->window = window;
    for (TkView* child : view->children) set_tree_window(child, window);
}

bool is_ancestor(const TkView* maybeAncestor, const TkView* view) {
    for (const TkView* v = view; v; v = v->parent)
        if (v == maybeAncestor) return true;
    return false;
}

// Marks the views not yet being disposed and lists them, parents before their subviews.
void collect_for_disposal(TkView* view, std::vector<TkView*>& out) {
    view->disposing = true;
    out.push_back(view);
    for (TkView* child : view->children)
        if (!child->disposing) collect_for_disposal(child, out);
}

void free_view(TkView* view, const std::vector<TkView*>& batch) {
    // A subview that a nested disposal still holds must not keep a pointer to this one.
    for (TkView* child : view->children)
        if (std::find(batch.begin(), batch.end(), child) == batch.end()) {
            child->parent = nullptr;
            set_tree_window(child, nullptr);
        }
    close_target(view->target);
    if (view->ownsMenu) dispose_menu(view->menu);
    registry().views.remove(view);
    delete view;
}

}  // namespace

TkView* new_view(TkWindow* window, OSType kind, const Rect& bounds) {
    auto* view = new TkView;
    view->serial = next_serial();
    view->kind = kind;
    view->bounds = bounds;
    open_target(view->target, nullptr, view);
    registry().views.add(view);
    if (window && window->root) attach(window->root, view);
    return view;
}

void attach(TkView* parent, TkView* child) {
    detach(child);
    parent->children.push_back(child);
    child->parent = parent;
    set_tree_window(child, parent->window);
    touch(child);
}

void detach(TkView* view) {
    touch(view);
    TkWindow* window = view->window;
    if (TkView* parent = view->parent) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), view), siblings.end());
        view->parent = nullptr;
    }
    set_tree_window(view, nullptr);
    // A focused field taken out of its window leaves the window without focus.
    if (window) focused_field(window);
}

void dispose_view_tree(TkView* view) {
    if (view->disposing) return;
    std::vector<TkView*> batch;
    collect_for_disposal(view, batch);
    touch(view);
    for (TkView* v : batch) {
        auto event = make_event(kEventClassControl, kEventControlDispose);
        set_param(event, kEventParamDirectObject, typeControlRef, ref_of(v));
        send_event(v->target, event);
    }
    // The top view leaves its parent only now, so handlers still saw it in place.
    if (view->parent && !view->parent->disposing) detach(view);
    for (TkView* v : batch) free_view(v, batch);
    close_menu_if_unreachable();
}

bool view_visible(const TkView* view) {
    for (const TkView* v = view; v; v = v->parent)
        if (!v->visible) return false;
    return true;
}

bool view_enabled(const TkView* view) {
    for (const TkView* v = view; v; v = v->parent)
        if (!v->enabled) return false;
    return true;
}

bool operable(const TkView* view) {
    if (view->disposing || !view_visible(view) || !view_enabled(view)) return false;
    return !view->window || view->window->visible;
}

Rect frame_in_tree(const TkView* view) {
    Rect frame = view->bounds;
    for (const TkView* p = view->parent; p; p = p->parent) {
        frame.top = static_cast<SInt16>(frame.top + p->bounds.top);
        frame.bottom = static_cast<SInt16>(frame.bottom + p->bounds.top);
        frame.left = static_cast<SInt16>(frame.left + p->bounds.left);
        frame.right = static_cast<SInt16>(frame.right + p->bounds.left);
    }
    return frame;
}

bool is_edit_field(const TkView* view) {
    return view->kind == kControlKindEditUnicodeText || view->kind == kControlKindEditText;
}

}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSStatus CreateRootControl(WindowRef window, ControlRef* outControl) {
    // Compositing windows are born with their root view; it is handed out again.
    return GetRootControl(window, outControl);
}

OSStatus GetRootControl(WindowRef window, ControlRef* outControl) {
    if (!outControl) return paramErr;
    *outControl = nullptr;
    const TkWindow* found = find_window(window);
    if (!found) return errInvalidWindowRef;
    *outControl = ref_of(found->root);
    return noErr;
}

void DisposeControl(ControlRef control) {
    // A window's root view lives and dies with its window.
    TkView* view = find_view(control);
    if (view && view->kind != kControlKindRoot) dispose_view_tree(view);
}

OSStatus HIViewAddSubview(HIViewRef inParent, HIViewRef inNewChild) {
    TkView* parent = find_view(inParent);
    TkView* child = find_view(inNewChild);
    if (!parent || !child) return errUnknownControl;
    if (child->kind == kControlKindRoot || parent->disposing || child->disposing || is_ancestor(child, parent))
        return paramErr;
    attach(parent, child);
    return noErr;
}

OSStatus HIViewRemoveFromSuperview(HIViewRef inView) {
    TkView* view = find_view(inView);
    if (!view) return errUnknownControl;
    if (view->kind == kControlKindRoot || view->disposing) return paramErr;
    detach(view);
    close_menu_if_unreachable();
    return noErr;
}

HIViewRef HIViewGetSuperview(HIViewRef inView) {
    const TkView* view = find_view(inView);
    return view ? ref_of(view->parent) : nullptr;
}

OSStatus HIViewGetBounds(HIViewRef inView, HIRect* outRect) {
    const TkView* view = find_view(inView);
    if (!view) return errUnknownControl;
    if (!outRect) return paramErr;
    outRect->origin = {0, 0};
    outRect->size = {static_cast<double>(view->bounds.right - view->bounds.left),
                     static_cast<double>(view->bounds.bottom - view->bounds.top)};
    return noErr;
}

WindowRef GetControlOwner(ControlRef control) {
    const TkView* view = find_view(control);
    return view ? ref_of(view->window) : nullptr;
}

}  // extern "C"

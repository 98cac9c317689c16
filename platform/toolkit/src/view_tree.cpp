// The view hierarchy: embedding, removal and disposal of views.
#include <algorithm>

#include "events.h"
#include "menus.h"
#include "registry.h"
#include "views.h"

namespace tk::detail {
namespace {

void set_tree_window(ControlRef view, WindowRef window) {
    view->window = window;
    for (auto* child : view->children) set_tree_window(child, window);
}

bool is_ancestor(ControlRef maybeAncestor, ControlRef view) {
    for (auto* v = view; v; v = v->parent)
        if (v == maybeAncestor) return true;
    return false;
}

// Marks the views not yet being disposed and lists them children first.
void collect_for_disposal(ControlRef view, std::vector<ControlRef>& out) {
    view->disposing = true;
    for (auto* child : view->children)
        if (!child->disposing) collect_for_disposal(child, out);
    out.push_back(view);
}

void free_view(ControlRef view, const std::vector<ControlRef>& batch) {
    // A subview that a nested disposal still holds must not keep a pointer to this one.
    for (auto* child : view->children)
        if (std::find(batch.begin(), batch.end(), child) == batch.end()) child->parent = nullptr;
    close_target(view->target);
    if (view->ownsMenu) dispose_menu(view->menu);
    registry().views.erase(view);
    delete view;
}

}  // namespace

ControlRef new_view(WindowRef window, OSType kind, const Rect& bounds) {
    auto* view = new OpaqueControlRef;
    view->serial = next_serial();
    view->kind = kind;
    view->bounds = bounds;
    open_target(view->target, nullptr, view);
    registry().views.insert(view);
    if (window && window->root) attach(window->root, view);
    return view;
}

void attach(ControlRef parent, ControlRef child) {
    detach(child);
    parent->children.push_back(child);
    child->parent = parent;
    set_tree_window(child, parent->window);
}

void detach(ControlRef view) {
    if (auto* parent = view->parent) {
        auto& siblings = parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), view), siblings.end());
        view->parent = nullptr;
    }
    set_tree_window(view, nullptr);
}

void dispose_view_tree(ControlRef view) {
    if (!is_view(view) || view->disposing) return;
    std::vector<ControlRef> batch;
    collect_for_disposal(view, batch);
    for (auto* v : batch) {
        auto event = make_event(kEventClassControl, kEventControlDispose);
        set_param(event, kEventParamDirectObject, typeControlRef, v);
        send_event(v->target, event);
    }
    // The top view leaves its parent only now, so handlers still saw it in place.
    if (view->parent && !view->parent->disposing) detach(view);
    for (auto* v : batch) free_view(v, batch);
}

bool view_visible(ControlRef view) {
    for (auto* v = view; v; v = v->parent)
        if (!v->visible) return false;
    return true;
}

bool view_enabled(ControlRef view) {
    for (auto* v = view; v; v = v->parent)
        if (!v->enabled) return false;
    return true;
}

Rect frame_in_tree(ControlRef view) {
    Rect frame = view->bounds;
    for (auto* p = view->parent; p; p = p->parent) {
        frame.top = static_cast<SInt16>(frame.top + p->bounds.top);
        frame.bottom = static_cast<SInt16>(frame.bottom + p->bounds.top);
        frame.left = static_cast<SInt16>(frame.left + p->bounds.left);
        frame.right = static_cast<SInt16>(frame.right + p->bounds.left);
    }
    return frame;
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
    if (!is_window(window)) return errInvalidWindowRef;
    *outControl = window->root;
    return noErr;
}

void DisposeControl(ControlRef control) {
    // A window's root view lives and dies with its window.
    if (!is_view(control) || control->kind == kControlKindRoot) return;
    dispose_view_tree(control);
}

OSStatus HIViewAddSubview(HIViewRef inParent, HIViewRef inNewChild) {
    if (!is_view(inParent) || !is_view(inNewChild)) return errUnknownControl;
    if (inNewChild->kind == kControlKindRoot || inParent->disposing || inNewChild->disposing ||
        is_ancestor(inNewChild, inParent))
        return paramErr;
    attach(inParent, inNewChild);
    return noErr;
}

OSStatus HIViewRemoveFromSuperview(HIViewRef inView) {
    if (!is_view(inView)) return errUnknownControl;
    if (inView->kind == kControlKindRoot || inView->disposing) return paramErr;
    detach(inView);
    return noErr;
}

HIViewRef HIViewGetSuperview(HIViewRef inView) { return is_view(inView) ? inView->parent : nullptr; }

OSStatus HIViewGetBounds(HIViewRef inView, HIRect* outRect) {
    if (!is_view(inView)) return errUnknownControl;
    if (!outRect) return paramErr;
    outRect->origin = {0, 0};
    outRect->size = {static_cast<double>(inView->bounds.right - inView->bounds.left),
                     static_cast<double>(inView->bounds.bottom - inView->bounds.top)};
    return noErr;
}

WindowRef GetControlOwner(ControlRef control) { return is_view(control) ? control->window : nullptr; }

}  // extern "C"

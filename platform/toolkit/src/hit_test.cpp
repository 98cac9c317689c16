#include "hit_test.h"

namespace tk::detail {
namespace {

// `where` is in the coordinates of the view's parent.
TkView* hit(TkView* view, Point where) {
    if (!view->visible || !PtInRect(where, &view->bounds)) return nullptr;
    const Point inside{static_cast<SInt16>(where.v - view->bounds.top), static_cast<SInt16>(where.h - view->bounds.left)};
    for (auto it = view->children.rbegin(); it != view->children.rend(); ++it)
        if (TkView* found = hit(*it, inside)) return found;
    return view;
}

}  // namespace

TkView* hit_view(TkWindow* window, Point where) { return window->root ? hit(window->root, where) : nullptr; }

}  // namespace tk::detail

#include "display.h"

#include <utility>

#include "refs.h"
#include "render.h"

namespace tk::detail {
namespace {

display::Observer& observer() {
    static display::Observer instance;
    return instance;
}

}  // namespace

void notify(const TkWindow* window, display::Change change) {
    if (window && observer()) observer()(ref_of(window), change);
}

void touch(const TkView* view) {
    if (view && view->window && !view->window->disposing) notify(view->window, display::Change::content);
}

namespace display {

void set_observer(Observer o) { observer() = std::move(o); }

void paint_window(cairo_t* cr, WindowRef window) {
    if (TkWindow* found = find_window(window)) paint_window_content(cr, found);
}

}  // namespace display
}  // namespace tk::detail

using namespace tk::detail;

extern "C" {

OSStatus HIViewSetNeedsDisplay(HIViewRef view, Boolean needsDisplay) {
    const TkView* found = find_view(view);
    if (!found) return errUnknownControl;
    if (needsDisplay) touch(found);
    return noErr;
}

}  // extern "C"

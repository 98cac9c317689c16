#include "focus.h"

#include <algorithm>
#include <utility>

#include "control_hit.h"
#include "display.h"
#include "refs.h"
#include "text_editing.h"
#include "views.h"
#include "windows.h"

namespace tk::detail {
namespace {

void collect_fields(TkView* view, std::vector<TkView*>& out) {
    if (is_edit_field(view) && operable(view)) out.push_back(view);
    for (TkView* child : view->children) collect_fields(child, out);
}

// The fields a person can type into, top to bottom and left to right.
std::vector<TkView*> reading_order(TkWindow* window) {
    std::vector<TkView*> fields;
    if (window->root) collect_fields(window->root, fields);
    std::stable_sort(fields.begin(), fields.end(), [](const TkView* a, const TkView* b) {
        const Rect fa = frame_in_tree(a), fb = frame_in_tree(b);
        return std::pair(fa.top, fa.left) < std::pair(fb.top, fb.left);
    });
    return fields;
}

}  // namespace

TkView* focused_field(TkWindow* window) {
    TkView* field = find_view(window->focus);
    if (field && field->window == window && operable(field)) return field;
    if (field) touch(field);
    window->focus = nullptr;
    return nullptr;
}

bool has_focus(const TkView* view) {
    TkWindow* window = view->window;
    return window && window == active_window() && focused_field(window) == view;
}

void focus_field(TkWindow* window, TkView* field) {
    if (TkView* previous = focused_field(window)) touch(previous);
    window->focus = ref_of(field);
    field->edit.edited = false;
    touch(field);
}

void commit_field(TkView* field) {
    if (!field->edit.edited) return;
    field->edit.edited = false;
    hit_control(field);
}

void leave_field(TkWindow* window) {
    TkView* field = focused_field(window);
    if (!field) return;
    // The focus is gone before the field's owner hears of the commit.
    window->focus = nullptr;
    touch(field);
    commit_field(field);
}

void tab(TkWindow* window, bool backwards) {
    const WindowRef windowRef = ref_of(window);
    TkView* from = focused_field(window);
    const Rect fromFrame = from ? frame_in_tree(from) : Rect{};
    if (from) commit_field(from);
    window = find_window(windowRef);
    if (!window) return;
    const std::vector<TkView*> fields = reading_order(window);
    if (fields.empty()) {
        if (TkView* still = focused_field(window)) touch(still);
        window->focus = nullptr;
        return;
    }
    // The next field after the place of the one left (it may have become
    // disabled meanwhile), going round at the ends.
    const auto key = [](const Rect& r) { return std::pair{r.top, r.left}; };
    TkView* next = backwards ? fields.back() : fields.front();
    if (from && backwards) {
        for (TkView* field : fields)
            if (key(frame_in_tree(field)) < key(fromFrame)) next = field;
    } else if (from) {
        const auto found = std::find_if(fields.begin(), fields.end(), [&](const TkView* field) {
            return key(fromFrame) < key(frame_in_tree(field));
        });
        if (found != fields.end()) next = *found;
    }
    focus_field(window, next);
    select_all(next);
}

}  // namespace tk::detail

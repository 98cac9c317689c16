#include "input.h"

#include "control_hit.h"
#include "display.h"
#include "focus.h"
#include "hit_test.h"
#include "popup_menus.h"
#include "refs.h"
#include "text_editing.h"
#include "views.h"
#include "windows.h"

namespace tk::detail::input {
namespace {

// What the pressed mouse is doing: tracking a control, or choosing in the open menu.
struct Tracking {
    ControlRef view = nullptr;
    bool inMenu = false;
};

Tracking& tracking() {
    static Tracking state;
    return state;
}

// Drops a tracked control's pressed look.
void end_tracking() {
    if (TkView* view = find_view(tracking().view)) {
        view->pressed = false;
        touch(view);
    }
    tracking() = Tracking{};
}

// Across the view is all a press needs: it places the caret in a one-line field.
SInt16 across_view(const TkView* view, Point where) {
    return static_cast<SInt16>(where.h - frame_in_tree(view).left);
}

// The press, once it is known which view it fell on; `across` is measured from the view's left edge.
void press(TkWindow* window, TkView* view, SInt16 across, EventModifiers modifiers) {
    const ControlRef viewRef = ref_of(view);
    if (window) {
        const WindowRef windowRef = ref_of(window);
        if (focused_field(window) != view) leave_field(window);
        window = find_window(windowRef);
        view = find_view(viewRef);
        if (!window || !view) return;
    }
    if (!view || !operable(view)) return;
    if (is_edit_field(view)) {
        if (!window) return;
        // Shift+click in the focused field extends its selection to the click.
        const bool extend = focused_field(window) == view && (modifiers & shiftKey);
        if (focused_field(window) != view) focus_field(window, view);
        place_caret(view, field_layout(view).position_at(across), extend);
        return;
    }
    if (!tracks_mouse(view)) return;
    tracking().view = viewRef;
    view->pressed = true;
    touch(view);
}

// The release of a tracked control; inside it, it is the control's click.
void release(bool inside) {
    TkView* view = find_view(tracking().view);
    end_tracking();
    if (!view || !inside || !operable(view)) return;
    if (view->kind == kControlKindPopupButton)
        open_menu(view);
    else
        hit_control(view);
}

bool inside_tracked(WindowRef windowRef, Point where) {
    const TkView* view = find_view(tracking().view);
    if (!view || !view->window || view->window != find_window(windowRef)) return false;
    const Rect frame = frame_in_tree(view);
    return PtInRect(where, &frame);
}

}  // namespace

bool tracks_mouse(const TkView* view) {
    switch (view->kind) {
    case kControlKindPushButton:
    case kControlKindBevelButton:
    case kControlKindCheckBox:
    case kControlKindRadioButton:
    case kControlKindPopupButton:
        return true;
    case kControlKindIcon:
        return view->tracksIcon;
    default:
        return false;
    }
}

bool mouse_down(WindowRef windowRef, Point where, EventModifiers modifiers) {
    TkWindow* window = find_window(windowRef);
    if (!window || !window->visible) return false;
    end_tracking();
    if (TkWindow* menu = open_menu_window()) {
        if (menu == window) {
            highlight_entry(menu, menu_entry_at(menu, where));
            tracking().inMenu = true;
        } else {
            close_menu();
        }
        return true;
    }
    bring_to_front(window);
    TkView* view = hit_view(window, where);
    press(window, view, view ? across_view(view, where) : where.h, modifiers);
    return true;
}

void mouse_dragged(WindowRef windowRef, Point where) {
    if (tracking().inMenu) {
        TkWindow* menu = open_menu_window();
        if (menu) highlight_entry(menu, menu == find_window(windowRef) ? menu_entry_at(menu, where) : 0);
        return;
    }
    TkView* view = find_view(tracking().view);
    if (!view) return;
    const bool inside = inside_tracked(windowRef, where);
    if (view->pressed != inside) {
        view->pressed = inside;
        touch(view);
    }
}

void mouse_up(WindowRef windowRef, Point where) {
    if (tracking().inMenu) {
        tracking() = Tracking{};
        TkWindow* menu = open_menu_window();
        if (!menu) return;
        const int entry = menu == find_window(windowRef) ? menu_entry_at(menu, where) : 0;
        if (entry)
            choose_entry(menu, entry);
        else
            close_menu();
        return;
    }
    if (tracking().view) release(inside_tracked(windowRef, where));
}

bool key_down(WindowRef windowRef, UInt32 charCode, EventModifiers modifiers) {
    if (open_menu_window()) {
        if (charCode == kEscapeCharCode) close_menu();
        return true;
    }
    TkWindow* window = find_window(windowRef);
    if (!window || !window->visible) return false;
    if (charCode == kTabCharCode) {
        tab(window, modifiers & shiftKey);
        return true;
    }
    TkView* field = focused_field(window);
    if (!field) return false;
    if (charCode == kReturnCharCode || charCode == kEnterCharCode) {
        commit_field(field);
        return true;
    }
    return edit_key(field, charCode, modifiers);
}

void click_view(TkView* view, Point where) {
    const ControlRef viewRef = ref_of(view);
    close_menu();
    end_tracking();
    view = find_view(viewRef);
    if (!view) return;
    TkWindow* window = view->window;
    if (window) bring_to_front(window);
    press(window, view, where.h, 0);
    if (tracking().view == viewRef) release(true);
}

}  // namespace tk::detail::input

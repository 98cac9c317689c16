// The seam a display backend stands on, besides the input of input.h: it
// hears what changed about which window, and asks for a window's pixels.
//
// A backend keeps one screen window per visible toolkit window (menu windows
// included; is_menu_window tells them apart, they want no decoration and sit
// above everything), placed at the window's content bounds in global
// coordinates. It repaints a window after `content` by calling paint_window
// on a cairo context over that screen window (the same painting renders
// windows to PNG, so the screen and the pictures show the same pixels).
// Notices come synchronously from inside toolkit calls, often several per
// call: the observer only notes them and paints later, outside the toolkit.
#pragma once

#include <cairo.h>

#include <functional>

#include "model.h"

namespace tk::detail::display {

enum class Change {
    shown,      // became visible: map it, then paint it
    hidden,     // unmap it
    moved,      // its content bounds changed
    retitled,   // its title changed
    content,    // something in it looks different: repaint it
    reordered,  // the front-to-back order of the windows changed
    disposed,   // gone; the reference is invalid from now on
};

using Observer = std::function<void(WindowRef window, Change change)>;
// One observer at a time: the display backend. An empty one stops the notices.
void set_observer(Observer observer);

// The window's content painted on `cr` with its top-left at the origin: the
// window background, then its views (or, for a menu window, the menu).
void paint_window(cairo_t* cr, WindowRef window);

}  // namespace tk::detail::display

namespace tk::detail {

void notify(const TkWindow* window, display::Change change);
// The view looks different: its window's content is to be repainted.
void touch(const TkView* view);

}  // namespace tk::detail

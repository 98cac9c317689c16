// Automation of the toolkit for the host application and tests: look at windows
// and views, operate them as a person would, render them and count live objects.
// The plug-in never uses this.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/native.h"

namespace tk::automation {

// ---- Looking at windows and views ------------------------------------------------

// Live windows, in creation order (the window of an open popup menu among them).
std::vector<WindowRef> windows();
std::string windowTitle(WindowRef window);  // UTF-8
Rect windowBounds(WindowRef window);        // content, global coordinates
bool windowVisible(WindowRef window);
bool hasCloseBox(WindowRef window);

HIViewRef rootView(WindowRef window);
// Subviews bottom first (later ones draw above).
std::vector<HIViewRef> subviews(HIViewRef view);

// "push button", "check box", "radio button", "edit text", "static text", "group box",
// "popup button", "bevel button", "icon", "user pane" or "root"; empty for an invalid view.
std::string kindName(HIViewRef view);
// The title, or the text of an edit or static text, in UTF-8; for a popup without
// a title, the text of its current item.
std::string text(HIViewRef view);
// The frame in window coordinates (for a view outside any window: relative to the
// top view of its tree).
Rect frame(HIViewRef view);
bool visible(HIViewRef view);  // the view and all its ancestors
bool enabled(HIViewRef view);  // the view and all its ancestors
SInt32 value(HIViewRef view);
SInt32 minimum(HIViewRef view);
SInt32 maximum(HIViewRef view);
// The item texts of a popup's menu, item 1 first.
std::vector<std::string> popupEntries(HIViewRef view);

// A description of a view and its subviews, suitable for writing out as JSON.
struct ViewNode {
    std::string kind;
    std::string text;
    Rect frame{};
    bool visible{};
    bool enabled{};
    SInt32 value{};
    SInt32 minimum{};
    SInt32 maximum{};
    std::vector<std::string> entries;  // popup menus only
    std::vector<ViewNode> children;
};
struct WindowNode {
    std::string title;
    Rect bounds{};
    bool visible{};
    ViewNode root;
};
ViewNode describe(HIViewRef view);
WindowNode describe(WindowRef window);

// ---- Finding views ----------------------------------------------------------------

// The first view of that kind (any kind when empty) whose text() is `title`,
// searching depth first with subviews in creation order; a visible match is
// preferred over a hidden one. Null when none.
HIViewRef findView(HIViewRef root, std::string_view kind, std::string_view title);
// A control whose own title is `text`; otherwise the control of that kind standing
// just left of a static text with that text on the same row (in a host panel a
// check box's or radio button's text is such a separate label).
HIViewRef findLabelledControl(HIViewRef root, std::string_view kind, std::string_view text);
// The edit fields inside the group box titled `title` (or labelled by a separate
// static text at its top-left), left to right.
std::vector<HIViewRef> editFieldsInGroup(HIViewRef root, std::string_view title);
// The nearest visible edit field right of `view` on its row; null when none.
HIViewRef editFieldRightOf(HIViewRef root, HIViewRef view);

// ---- Operating views as a person would -------------------------------------------

// Clicks the view as the mouse would, pressed and released on it. False, and
// nothing happens, when the view or an ancestor is hidden or disabled, its window
// is hidden, or it takes no clicks (static texts, group boxes, icons, user panes,
// roots). Otherwise a check box or radio button toggles itself and the command
// event with the view's command ID goes to its handlers, a popup opens its menu,
// an edit field takes the keyboard focus. A menu left open closes first.
bool click(HIViewRef view);
// Gives the edit field the keyboard focus as a click in it would, the caret at
// the end of its text. The field focused before is left (committed).
bool focus(HIViewRef editField);
// Types the text over the whole text of the edit field, as a person does:
// focuses it, selects all, types the text as key presses. The field keeps the
// focus, so nothing is committed yet. False, and nothing happens, for a text
// with a character no key types (a control character such as NUL or Tab).
bool typeText(HIViewRef editField, std::string_view utf8);
// Opens the popup's menu and chooses the entry (as with chooseInOpenMenu); false,
// and nothing happens, when the popup cannot be operated or has no such entry.
bool choosePopupEntry(HIViewRef popup, std::string_view entryText);
bool choosePopupEntry(HIViewRef popup, int index);  // 1-based
// Sends kEventWindowClose; unhandled, the window is disposed. False when the
// window is hidden or has no close box.
bool clickCloseBox(WindowRef window);

// ---- The mouse and the keyboard ------------------------------------------------------

// The mouse at a point of the window, in its content coordinates. A press brings
// the window to the front and goes to the topmost view under it; see the
// toolkit's input model (src/input.h). False when the window cannot take input.
bool mouseDown(WindowRef window, Point where, EventModifiers modifiers = 0);
void mouseDragged(WindowRef window, Point where);
void mouseUp(WindowRef window, Point where);
// A key press for the active window, or for the open menu: a character, or one of
// the character codes of native.h (Tab, Return, Backspace, arrows...), with the
// modifier keys held (shiftKey, controlKey...). False when nothing took it.
bool pressKey(UInt32 charCode, EventModifiers modifiers = 0);
// Every character of the text as a key press.
bool typeKeys(std::string_view utf8);
// The edit field with the window's keyboard focus; null when none.
HIViewRef focusedView(WindowRef window);

// ---- Popup menus ----------------------------------------------------------------------

// Clicks the popup so its menu opens; false when it did not.
bool openPopup(HIViewRef popup);
// The popup whose menu is open and the window the menu is drawn in; null when
// no menu is open.
HIViewRef openMenuPopup();
WindowRef openMenuWindow();
// Clicks an entry of the open menu: the popup takes it and sends its command
// event, and the menu closes. False when no menu is open or it has no such entry.
bool chooseInOpenMenu(std::string_view entryText);
bool chooseInOpenMenu(int index);  // 1-based

// ---- Rendering --------------------------------------------------------------------

// Pixels as cairo keeps them: 32-bit native-endian ARGB, premultiplied, row after row.
struct Bitmap {
    int width{};
    int height{};
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
// The window's content: its background and its views, each view's draw handlers
// first and the standard look when they leave the drawing to the toolkit.
Bitmap renderWindow(WindowRef window);
// The view and its subviews over the dialog background, the view's top-left at 0, 0.
Bitmap renderView(HIViewRef view);
bool writeWindowPng(WindowRef window, const std::string& path);

// ---- Live objects and screens -------------------------------------------------------

struct LiveCounts {
    std::size_t windows{};
    std::size_t views{};
    std::size_t menus{};
    std::size_t strings{};
    std::size_t contexts{};
    std::size_t images{};
    std::size_t colorSpaces{};
    std::size_t eventHandlers{};
    bool operator==(const LiveCounts&) const = default;
};
LiveCounts liveCounts();

// Replaces the screens GetDeviceList reports; resetScreens restores the single
// 1440 x 900 screen at 0, 0.
void setScreens(const std::vector<Rect>& screens);
void resetScreens();

}  // namespace tk::automation

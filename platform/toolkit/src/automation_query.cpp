// Automation: reading windows and views.
#include "menus.h"
#include "refs.h"
#include "toolkit/automation.h"
#include "unicode.h"
#include "views.h"

namespace tk::automation {

using namespace tk::detail;

std::vector<WindowRef> windows() {
    std::vector<WindowRef> list;
    for (const TkWindow* window : registry().windows) list.push_back(ref_of(window));
    return list;
}

std::string windowTitle(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found ? utf16_to_utf8(found->title) : std::string();
}

Rect windowBounds(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found ? found->content : Rect{};
}

bool windowVisible(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found && found->visible;
}

bool hasCloseBox(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found && (found->attributes & kWindowCloseBoxAttribute);
}

HIViewRef rootView(WindowRef window) {
    const TkWindow* found = find_window(window);
    return found ? ref_of(found->root) : nullptr;
}

std::vector<HIViewRef> subviews(HIViewRef view) {
    std::vector<HIViewRef> list;
    if (const TkView* found = find_view(view))
        for (const TkView* child : found->children) list.push_back(ref_of(child));
    return list;
}

std::string kindName(HIViewRef view) {
    const TkView* found = find_view(view);
    if (!found) return {};
    switch (found->kind) {
    case kControlKindPushButton:
        return "push button";
    case kControlKindCheckBox:
        return "check box";
    case kControlKindRadioButton:
        return "radio button";
    case kControlKindEditUnicodeText:
    case kControlKindEditText:
        return "edit text";
    case kControlKindStaticText:
        return "static text";
    case kControlKindGroupBox:
        return "group box";
    case kControlKindPopupButton:
        return "popup button";
    case kControlKindBevelButton:
        return "bevel button";
    case kControlKindIcon:
        return "icon";
    case kControlKindRoot:
        return "root";
    default:
        return "user pane";
    }
}

std::string text(HIViewRef view) {
    const TkView* found = find_view(view);
    if (!found) return {};
    if (found->kind == kControlKindPopupButton && found->title.empty()) {
        const auto* item = menu_item_text(found->menu, found->value);
        return item ? utf16_to_utf8(*item) : std::string();
    }
    return utf16_to_utf8(found->title);
}

Rect frame(HIViewRef view) {
    const TkView* found = find_view(view);
    return found ? frame_in_tree(found) : Rect{};
}

bool visible(HIViewRef view) {
    const TkView* found = find_view(view);
    return found && view_visible(found);
}

bool enabled(HIViewRef view) {
    const TkView* found = find_view(view);
    return found && view_enabled(found);
}

SInt32 value(HIViewRef view) { return GetControl32BitValue(view); }

SInt32 minimum(HIViewRef view) { return GetControl32BitMinimum(view); }

SInt32 maximum(HIViewRef view) { return GetControl32BitMaximum(view); }

std::vector<std::string> popupEntries(HIViewRef view) {
    std::vector<std::string> entries;
    const TkView* found = find_view(view);
    if (!found || !found->menu) return entries;
    for (const auto& item : found->menu->items) entries.push_back(utf16_to_utf8(item.text));
    return entries;
}

ViewNode describe(HIViewRef view) {
    ViewNode node;
    if (!find_view(view)) return node;
    node.kind = kindName(view);
    node.text = text(view);
    node.frame = frame(view);
    node.visible = visible(view);
    node.enabled = enabled(view);
    node.value = value(view);
    node.minimum = minimum(view);
    node.maximum = maximum(view);
    node.entries = popupEntries(view);
    for (HIViewRef child : subviews(view)) node.children.push_back(describe(child));
    return node;
}

WindowNode describe(WindowRef window) {
    WindowNode node;
    const TkWindow* found = find_window(window);
    if (!found) return node;
    node.title = windowTitle(window);
    node.bounds = found->content;
    node.visible = found->visible;
    node.root = describe(ref_of(found->root));
    return node;
}

}  // namespace tk::automation

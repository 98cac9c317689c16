// Automation: reading windows and views.
#include <algorithm>

#include "menus.h"
#include "registry.h"
#include "toolkit/automation.h"
#include "unicode.h"
#include "views.h"

namespace tk::automation {

using namespace tk::detail;

std::vector<WindowRef> windows() { return registry().windows; }

std::string windowTitle(WindowRef window) { return is_window(window) ? utf16_to_utf8(window->title) : std::string(); }

Rect windowBounds(WindowRef window) { return is_window(window) ? window->content : Rect{}; }

bool windowVisible(WindowRef window) { return is_window(window) && window->visible; }

bool hasCloseBox(WindowRef window) { return is_window(window) && (window->attributes & kWindowCloseBoxAttribute); }

HIViewRef rootView(WindowRef window) { return is_window(window) ? window->root : nullptr; }

std::vector<HIViewRef> subviews(HIViewRef view) { return is_view(view) ? view->children : std::vector<HIViewRef>{}; }

std::string kindName(HIViewRef view) {
    if (!is_view(view)) return {};
    switch (view->kind) {
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
    if (!is_view(view)) return {};
    if (view->kind == kControlKindPopupButton && view->title.empty()) {
        const auto* item = menu_item_text(view->menu, view->value);
        return item ? utf16_to_utf8(*item) : std::string();
    }
    return utf16_to_utf8(view->title);
}

Rect frame(HIViewRef view) { return is_view(view) ? frame_in_tree(view) : Rect{}; }

bool visible(HIViewRef view) { return is_view(view) && view_visible(view); }

bool enabled(HIViewRef view) { return is_view(view) && view_enabled(view); }

SInt32 value(HIViewRef view) { return GetControl32BitValue(view); }

SInt32 minimum(HIViewRef view) { return GetControl32BitMinimum(view); }

SInt32 maximum(HIViewRef view) { return GetControl32BitMaximum(view); }

std::vector<std::string> popupEntries(HIViewRef view) {
    std::vector<std::string> entries;
    if (!is_view(view) || !is_menu(view->menu)) return entries;
    for (const auto& item : view->menu->items) entries.push_back(utf16_to_utf8(item.text));
    return entries;
}

ViewNode describe(HIViewRef view) {
    ViewNode node;
    if (!is_view(view)) return node;
    node.kind = kindName(view);
    node.text = text(view);
    node.frame = frame(view);
    node.visible = visible(view);
    node.enabled = enabled(view);
    node.value = value(view);
    node.minimum = minimum(view);
    node.maximum = maximum(view);
    node.entries = popupEntries(view);
    for (auto* child : view->children) node.children.push_back(describe(child));
    return node;
}

WindowNode describe(WindowRef window) {
    WindowNode node;
    if (!is_window(window)) return node;
    node.title = windowTitle(window);
    node.bounds = window->content;
    node.visible = window->visible;
    node.root = describe(window->root);
    return node;
}

}  // namespace tk::automation

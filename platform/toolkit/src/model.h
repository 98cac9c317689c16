// The toolkit's in-memory objects. Callers never see their addresses: the
// references of native.h carry an object's serial number (refs.h), which is
// never given out twice, so a reference to a disposed object stays invalid even
// when a new object takes its memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "toolkit/native.h"

using TkSerial = std::uint64_t;

struct TkWindow;
struct TkView;
struct TkHandler;

// The handlers installed on a window or a view.
struct TkTarget {
    TkWindow* window = nullptr;
    TkView* view = nullptr;
    std::vector<TkHandler*> handlers;  // oldest first; called newest first
};

struct TkHandler {
    TkSerial serial{};
    TkTarget* target = nullptr;
    EventHandlerUPP proc = nullptr;
    std::vector<EventTypeSpec> types;
    void* userData = nullptr;
};

struct TkEventParam {
    EventParamType type{};
    std::vector<unsigned char> bytes;
};

// Events live on the stack of whoever sends them, only while they travel.
struct OpaqueEventRef {
    EventClass eventClass{};
    EventKind eventKind{};
    std::map<EventParamName, TkEventParam> params;
};

struct TkString {
    TkSerial serial{};
    std::u16string chars;  // UTF-16, as the platform keeps strings
};

struct TkMenuItem {
    std::u16string text;
    MenuItemAttributes attributes{};
    MenuCommand command{};
};

struct TkMenu {
    TkSerial serial{};
    MenuID id{};
    MenuAttributes attributes{};
    std::vector<TkMenuItem> items;  // item n is items[n - 1]
};

// Where typing goes in an edit field: positions in UTF-16 units of its text.
struct TkTextEdit {
    std::size_t caret{};
    std::size_t anchor{};  // the other end of the selection; equal to caret when none
    bool edited{};         // typed into since the text was last committed
};

struct TkWindow {
    TkSerial serial{};
    WindowClass windowClass{};
    WindowAttributes attributes{};
    std::u16string title;
    Rect content{};  // global coordinates
    bool visible{};
    bool disposing{};
    ThemeBrush background{};  // 0: plain white content
    TkView* root = nullptr;
    TkTarget target;
    ControlRef focus = nullptr;  // the edit field with the keyboard focus, by reference
    // The window of an open popup menu: the popup, and the entry under the mouse (0: none).
    ControlRef menuPopup = nullptr;
    int highlighted{};
};

struct TkView {
    TkSerial serial{};
    OSType kind{};
    TkWindow* window = nullptr;  // the window of the tree the view is in, if any
    TkView* parent = nullptr;
    std::vector<TkView*> children;  // bottom first: later ones draw above
    Rect bounds{};                  // in the parent's coordinates
    std::u16string title;           // the text, for edit and static texts
    SInt32 value{};
    SInt32 minimum{};
    SInt32 maximum{};
    bool enabled = true;
    bool visible = true;
    bool autoToggle{};
    bool password{};
    bool multiline{};
    bool disposing{};
    bool pressed{};     // the mouse went down in it and is still inside
    bool tracksIcon{};  // an icon made to follow the mouse: a click hits it as it hits a button
    UInt32 commandID{};
    ControlSize size = kControlSizeNormal;
    ControlBevelButtonBehavior bevelBehavior = kControlBehaviorPushbutton;
    ControlFontStyleRec fontStyle{};
    TkMenu* menu = nullptr;
    bool ownsMenu{};
    TkTextEdit edit;
    TkTarget target;
};

// The toolkit's in-memory objects behind the opaque references of native.h.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "toolkit/native.h"

using TkSerial = std::uint64_t;

struct OpaqueEventTargetRef {
    OpaqueWindowPtr* window = nullptr;
    OpaqueControlRef* control = nullptr;
    std::vector<OpaqueEventHandlerRef*> handlers;  // oldest first; called newest first
};

struct OpaqueEventHandlerRef {
    TkSerial serial = 0;
    OpaqueEventTargetRef* target = nullptr;
    EventHandlerUPP proc = nullptr;
    std::vector<EventTypeSpec> types;
    void* userData = nullptr;
};

struct TkEventParam {
    EventParamType type = 0;
    std::vector<unsigned char> bytes;
};

struct OpaqueEventRef {
    EventClass eventClass = 0;
    EventKind eventKind = 0;
    std::map<EventParamName, TkEventParam> params;
};

struct __CFString {
    int refCount = 1;
    std::u16string chars;  // UTF-16, as the platform keeps strings
};

struct TkMenuItem {
    std::u16string text;
    MenuItemAttributes attributes = 0;
    MenuCommand command = 0;
};

struct OpaqueMenuRef {
    MenuID id = 0;
    MenuAttributes attributes = 0;
    std::vector<TkMenuItem> items;  // item n is items[n - 1]
};

struct OpaqueGrafPtr {
    OpaqueWindowPtr* window = nullptr;
};

struct OpaqueWindowPtr {
    TkSerial serial = 0;
    WindowClass windowClass = 0;
    WindowAttributes attributes = 0;
    std::u16string title;
    Rect content{};  // global coordinates
    bool visible = false;
    bool disposing = false;
    ThemeBrush background = 0;  // 0: plain white content
    OpaqueControlRef* root = nullptr;
    OpaqueEventTargetRef target;
    OpaqueGrafPtr port;
};

struct OpaqueControlRef {
    TkSerial serial = 0;
    OSType kind = 0;
    OpaqueWindowPtr* window = nullptr;  // the window of the tree the view is in, if any
    OpaqueControlRef* parent = nullptr;
    std::vector<OpaqueControlRef*> children;  // bottom first: later ones draw above
    Rect bounds{};                            // in the parent's coordinates
    std::u16string title;                     // the text, for edit and static texts
    SInt32 value = 0;
    SInt32 minimum = 0;
    SInt32 maximum = 0;
    bool enabled = true;
    bool visible = true;
    bool autoToggle = false;
    bool password = false;
    bool multiline = false;
    bool disposing = false;
    UInt32 commandID = 0;
    ControlSize size = kControlSizeNormal;
    ControlBevelButtonBehavior bevelBehavior = kControlBehaviorPushbutton;
    ControlFontStyleRec fontStyle{};
    OpaqueMenuRef* menu = nullptr;
    bool ownsMenu = false;
    OpaqueEventTargetRef target;
};

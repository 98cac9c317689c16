// References to disposed objects stay invalid, even when a new object of the
// same kind takes the freed memory.
#include <gtest/gtest.h>

#include <functional>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

using Ref = const void*;

struct Kind {
    const char* name;
    std::function<Ref()> make;
    std::function<void(Ref)> dispose;
    // A call through the stale reference: true when it was refused and left the new object alone.
    std::function<bool(Ref stale, Ref fresh)> refused;
};

CGContextRef bitmap_context() {
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context = CGBitmapContextCreate(nullptr, 4, 2, 8, 0, space, kCGImageAlphaPremultipliedLast);
    CGColorSpaceRelease(space);
    return context;
}

OSStatus ignore(EventHandlerCallRef, EventRef, void*) { return eventNotHandledErr; }

WindowRef W(Ref r) { return static_cast<WindowRef>(const_cast<void*>(r)); }
ControlRef V(Ref r) { return static_cast<ControlRef>(const_cast<void*>(r)); }
MenuRef M(Ref r) { return static_cast<MenuRef>(const_cast<void*>(r)); }
CGContextRef C(Ref r) { return static_cast<CGContextRef>(const_cast<void*>(r)); }
CGImageRef I(Ref r) { return static_cast<CGImageRef>(const_cast<void*>(r)); }
CGColorSpaceRef S(Ref r) { return static_cast<CGColorSpaceRef>(const_cast<void*>(r)); }
EventHandlerRef H(Ref r) { return static_cast<EventHandlerRef>(const_cast<void*>(r)); }

}  // namespace

TEST(References, DisposedObjectsStayInvalidWhenTheirMemoryIsReused) {
    ControlRef host = nullptr;
    const Rect r{0, 0, 10, 10};
    CreateUserPaneControl(nullptr, &r, 0, &host);
    const EventTypeSpec command{kEventClassCommand, kEventCommandProcess};
    const Kind kinds[] = {
        {"window", [] { return Ref(new_window()); }, [](Ref w) { DisposeWindow(W(w)); },
         [](Ref stale, Ref fresh) {
             return SetWindowTitleWithCFString(W(stale), Str("x")) == errInvalidWindowRef &&
                    ta::windowTitle(W(fresh)).empty();
         }},
        {"view",
         [] {
             ControlRef v = nullptr;
             const Rect b{0, 0, 10, 10};
             CreatePushButtonControl(nullptr, &b, nullptr, &v);
             return Ref(v);
         },
         [](Ref v) { DisposeControl(V(v)); },
         [](Ref stale, Ref fresh) {
             return SetControlTitleWithCFString(V(stale), Str("x")) == errUnknownControl && ta::text(V(fresh)).empty();
         }},
        {"menu",
         [] {
             MenuRef m = nullptr;
             CreateNewMenu(1, 0, &m);
             return Ref(m);
         },
         [](Ref m) { DisposeMenu(M(m)); },
         [](Ref stale, Ref fresh) {
             return InsertMenuItemTextWithCFString(M(stale), Str("x"), 0, 0, 0) == paramErr &&
                    CountMenuItems(M(fresh)) == 0;
         }},
        {"string", [] { return Ref(CFStringCreateWithCString(nullptr, "abc", kCFStringEncodingUTF8)); },
         [](Ref s) { CFRelease(s); },
         [](Ref stale, Ref fresh) {
             const bool unread = CFStringGetLength(static_cast<CFStringRef>(stale)) == 0;
             CFRelease(stale);
             return unread && CFStringGetLength(static_cast<CFStringRef>(fresh)) == 3;
         }},
        {"context", [] { return Ref(bitmap_context()); }, [](Ref c) { CGContextRelease(C(c)); },
         [](Ref stale, Ref) {
             const std::size_t live = ta::liveCounts().contexts;
             CGContextRelease(C(stale));
             return ta::liveCounts().contexts == live;
         }},
        {"image",
         [] {
             CGContextRef context = bitmap_context();
             CGImageRef image = CGBitmapContextCreateImage(context);
             CGContextRelease(context);
             return Ref(image);
         },
         [](Ref i) { CGImageRelease(I(i)); },
         [](Ref stale, Ref fresh) { return CGImageGetWidth(I(stale)) == 0 && CGImageGetWidth(I(fresh)) == 4; }},
        {"colour space", [] { return Ref(CGColorSpaceCreateDeviceRGB()); }, [](Ref s) { CGColorSpaceRelease(S(s)); },
         [](Ref stale, Ref) {
             return CGBitmapContextCreate(nullptr, 4, 2, 8, 0, S(stale), kCGImageAlphaPremultipliedLast) == nullptr;
         }},
        {"event handler",
         [&] {
             EventHandlerRef h = nullptr;
             InstallEventHandler(GetControlEventTarget(host), ignore, 1, &command, nullptr, &h);
             return Ref(h);
         },
         [](Ref h) { RemoveEventHandler(H(h)); },
         [](Ref stale, Ref) { return RemoveEventHandler(H(stale)) == paramErr; }},
    };
    for (const Kind& kind : kinds) {
        SCOPED_TRACE(kind.name);
        const auto before = ta::liveCounts();
        const Ref stale = kind.make();
        ASSERT_NE(stale, nullptr);
        kind.dispose(stale);
        const Ref fresh = kind.make();
        EXPECT_TRUE(kind.refused(stale, fresh));
        kind.dispose(fresh);
        EXPECT_EQ(ta::liveCounts().total(), before.total());
    }
    DisposeControl(host);
}

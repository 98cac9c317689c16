// References to disposed objects stay invalid, even when a new object of the
// same kind takes the freed memory.
#include "support.h"

using namespace tk_test;

namespace {

// One kind of object: made, disposed, made again (likely in the same memory), then
// a call through the stale reference must be refused and leave the new object alone.
struct Kind {
    const char* name;
    std::function<void()> run;
};

template <class T>
Kind kind(const char* name, std::function<T()> make, std::function<void(T)> dispose,
          std::function<bool(T stale, T fresh)> refused) {
    return {name, [=] {
                const T stale = make();
                ASSERT_NE(stale, nullptr);
                dispose(stale);
                const T fresh = make();
                EXPECT_TRUE(refused(stale, fresh));
                dispose(fresh);
            }};
}

CGContextRef bitmap_context() {
    CGColorSpaceRef space = CGColorSpaceCreateDeviceRGB();
    CGContextRef context = CGBitmapContextCreate(nullptr, 3, 2, 8, 0, space, kCGImageAlphaPremultipliedLast);
    CGColorSpaceRelease(space);
    return context;
}

OSStatus ignore(EventHandlerCallRef, EventRef, void*) { return eventNotHandledErr; }

}  // namespace

TEST(References, DisposedObjectsStayInvalidWhenTheirMemoryIsReused) {
    const Rect r{0, 0, 10, 10};
    ControlRef host = pane(nullptr, r);
    WindowRef window = new_window();
    GrafPtr port = nullptr;
    SetPortWindowPort(window), GetPort(&port);
    const EventTypeSpec command{kEventClassCommand, kEventCommandProcess};
    const Kind kinds[] = {
        kind<WindowRef>("window", [] { return new_window(); }, DisposeWindow, [&](WindowRef stale, WindowRef fresh) {
            GrafPtr now = nullptr;  // still the first window's port
            return GetPort(&now), SetWindowTitleWithCFString(stale, Str("x")) == errInvalidWindowRef &&
                                      ta::windowTitle(fresh).empty() && now == port;
        }),
        kind<ControlRef>(
            "view",
            [&] { return made([&](ControlRef* v) { CreatePushButtonControl(nullptr, &r, nullptr, v); }); },
            DisposeControl, [](ControlRef stale, ControlRef fresh) {
                return SetControlTitleWithCFString(stale, Str("x")) == errUnknownControl && ta::text(fresh).empty();
            }),
        kind<MenuRef>("menu", [] { return made<MenuRef>([](MenuRef* m) { CreateNewMenu(1, 0, m); }); }, DisposeMenu,
                      [](MenuRef stale, MenuRef fresh) {
                          return InsertMenuItemTextWithCFString(stale, Str("x"), 0, 0, 0) == paramErr &&
                                 CountMenuItems(fresh) == 0;
                      }),
        kind<CFStringRef>("string", [] { return CFStringCreateWithCString(nullptr, "abc", kCFStringEncodingUTF8); },
                          CFRelease, [](CFStringRef stale, CFStringRef fresh) {
                              const bool unread = CFStringGetLength(stale) == 0;
                              CFRelease(stale);
                              return unread && CFStringGetLength(fresh) == 3;
                          }),
        kind<CGContextRef>("context", bitmap_context, CGContextRelease, [](CGContextRef stale, CGContextRef) {
            const std::size_t live = ta::liveCounts().contexts;
            CGContextRelease(stale);
            return ta::liveCounts().contexts == live;
        }),
        kind<CGImageRef>(
            "image",
            [] { auto c = bitmap_context(); auto i = CGBitmapContextCreateImage(c); return CGContextRelease(c), i; },
            CGImageRelease, [](CGImageRef stale, CGImageRef fresh) {
                return CGImageGetWidth(stale) == 0 && CGImageGetWidth(fresh) == 3;
            }),
        kind<CGColorSpaceRef>("colour space", CGColorSpaceCreateDeviceRGB, CGColorSpaceRelease,
                              [](CGColorSpaceRef stale, CGColorSpaceRef) {
                                  return !CGBitmapContextCreate(nullptr, 4, 2, 8, 0, stale, kCGImageAlphaNone);
                              }),
        kind<EventHandlerRef>(
            "event handler",
            [&] {
                return made<EventHandlerRef>([&](EventHandlerRef* h) {
                    InstallEventHandler(GetControlEventTarget(host), ignore, 1, &command, nullptr, h);
                });
            },
            [](EventHandlerRef h) { RemoveEventHandler(h); },
            [](EventHandlerRef stale, EventHandlerRef) { return RemoveEventHandler(stale) == paramErr; }),
        kind<CGContextRef>(
            "window port context", [&] { return made<CGContextRef>([&](auto* c) { QDBeginCGContext(port, c); }); },
            [&](CGContextRef c) { QDEndCGContext(port, &c); },
            [&](CGContextRef stale, CGContextRef fresh) {  // ended only on the port it was begun on
                return QDEndCGContext(port, &stale) == paramErr && QDEndCGContext(nullptr, &fresh) == paramErr && fresh;
            }),
    };
    for (const Kind& k : kinds) {
        const auto before = ta::liveCounts();
        k.run();
        EXPECT_EQ(ta::liveCounts(), before) << k.name;
    }
    DisposeControl(host), DisposeWindow(window);
}

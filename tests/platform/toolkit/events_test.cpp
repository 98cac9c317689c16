// Events: handler order, fall-through, removal during dispatch, commands and the close box.
#include <cstddef>
#include <cstring>

#include "support.h"

using namespace tk_test;

namespace {

const Rect kRect{10, 10, 30, 110};
const EventTypeSpec kCommand[] = {{kEventClassCommand, kEventCommandProcess}};
const EventTypeSpec kClose[] = {{kEventClassWindow, kEventWindowClose}};
const EventTypeSpec kClosed[] = {{kEventClassWindow, kEventWindowClosed}};

// A handler that logs its name and answers with a preset status.
struct Named {
    std::string name;
    std::vector<std::string>* log;
    OSStatus answer = eventNotHandledErr;
    EventHandlerRef self = nullptr, removeOnCall = nullptr;
};

OSStatus named(EventHandlerCallRef, EventRef, void* data) {
    auto* h = static_cast<Named*>(data);
    h->log->push_back(h->name);
    if (h->removeOnCall) RemoveEventHandler(h->removeOnCall);
    return h->answer;
}

void install(EventTargetRef target, Named& h, const EventTypeSpec* type) {
    InstallEventHandler(target, named, 1, type, &h, &h.self);
}

}  // namespace

// Handlers run newest first until one handles the event; removing handlers
// (others or oneself) during dispatch is safe; a dead target takes none.
TEST(Events, HandlersAreCalledNewestFirstUntilOneHandlesAndMayBeRemovedMeanwhile) {
    const auto before = ta::liveCounts();
    ControlRef button = nullptr;
    CreatePushButtonControl(nullptr, &kRect, nullptr, &button);
    const EventTargetRef target = GetControlEventTarget(button);
    std::vector<std::string> log;
    Named first{"first", &log, noErr}, second{"second", &log}, third{"third", &log}, closeOnly{"close", &log};
    install(target, closeOnly, kClose);  // never hears a command
    for (Named* h : {&first, &second, &third}) install(target, *h, kCommand);
    const auto click = [&] { return log.clear(), ta::click(button), log; };
    using L = std::vector<std::string>;
    EXPECT_EQ(click(), (L{"third", "second", "first"}));
    second.answer = noErr;
    EXPECT_EQ(click(), (L{"third", "second"}));
    // The newest removes the oldest before it runs; the second removes itself.
    third.removeOnCall = first.self;
    second.answer = eventNotHandledErr;
    second.removeOnCall = second.self;
    EXPECT_EQ(click(), (L{"third", "second"}));
    third.removeOnCall = nullptr;
    EXPECT_EQ(click(), (L{"third"}));
    EXPECT_EQ(RemoveEventHandler(second.self), paramErr);  // already gone
    DisposeControl(button);
    EXPECT_EQ(ta::liveCounts().eventHandlers, before.eventHandlers);
    EventHandlerRef ref = reinterpret_cast<EventHandlerRef>(1);
    const OSStatus refused = InstallEventHandler(target, named, 1, kCommand, nullptr, &ref);
    EXPECT_EQ(std::tuple(refused, ref, GetControlEventTarget(button)), std::tuple(paramErr, nullptr, nullptr));
}

// A close box needs the attribute and a shown window; a handled close leaves
// the window to its owner, an unhandled one disposes it and reports it closed.
TEST(Events, TheCloseBox) {
    const auto before = ta::liveCounts();
    WindowRef plain = new_window(kWindowCollapseBoxAttribute), w = new_window(kWindowCloseBoxAttribute);
    ShowWindow(plain);
    EXPECT_FALSE(ta::clickCloseBox(plain) || ta::clickCloseBox(nullptr));
    DisposeWindow(plain);
    std::vector<std::string> log;
    Named close{"close", &log, noErr}, closed{"closed", &log};
    install(GetWindowEventTarget(w), close, kClose);
    install(GetWindowEventTarget(w), closed, kClosed);
    EXPECT_TRUE(ta::hasCloseBox(w) && !ta::clickCloseBox(w)) << "hidden";
    ShowWindow(w);
    EXPECT_TRUE(ta::clickCloseBox(w) && IsWindowVisible(w));
    close.answer = eventNotHandledErr;
    ASSERT_TRUE(ta::clickCloseBox(w) && log == (std::vector<std::string>{"close", "close", "closed"}));
    EXPECT_TRUE((ta::windows().empty() || ta::windows().back() != w) && !IsWindowVisible(w));
    EXPECT_EQ(ta::liveCounts(), before);
}

// A missing parameter, one asked for as another type, and the command record
// asked for at the 14 bytes older callers size it at.
TEST(Events, ParametersThatAreMissingOrOfAnotherType) {
    ControlRef button = nullptr;
    CreatePushButtonControl(nullptr, &kRect, nullptr, &button);
    SetControlCommandID(button, 42);
    std::vector<OSStatus> result;
    const auto probe = [](EventHandlerCallRef, EventRef event, void* data) -> OSStatus {
        void* out = nullptr;
        unsigned char bytes[14] = {};
        UInt32 id = 0;
        const auto get = [event](EventParamName name, EventParamType type, ByteCount size, void* to) {
            return GetEventParameter(event, name, type, nullptr, size, nullptr, to);
        };
        auto& r = *static_cast<std::vector<OSStatus>*>(data);
        r = {get(kEventParamCGContextRef, typeCGContextRef, sizeof out, &out),
             get(kEventParamDirectObject, typeControlRef, sizeof out, &out),
             get(kEventParamDirectObject, typeHICommand, sizeof bytes, bytes)};
        std::memcpy(&id, bytes + offsetof(HICommand, commandID), sizeof id);
        r.push_back(static_cast<OSStatus>(id));
        return noErr;
    };
    InstallEventHandler(GetControlEventTarget(button), probe, 1, kCommand, &result, nullptr);
    ta::click(button);
    EXPECT_EQ(result, (std::vector<OSStatus>{eventParameterNotFoundErr, paramErr, noErr, 42}));
    DisposeControl(button);
}

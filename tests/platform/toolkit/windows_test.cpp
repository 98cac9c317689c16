// Windows: creation state, bounds, disposal of their views, activation; and the
// screens they go on. (Titles: the ADM dialog tests and the golden view trees.)
#include "support.h"

using namespace tk_test;

namespace {

struct Disposed {
    WindowRef window = nullptr;
    EventHandlerRef handler = nullptr;
    std::vector<ControlRef> views;
    int closedCalls = 0;
    std::size_t viewsAtClosed = 0;
};

OSStatus record_dispose(EventHandlerCallRef, EventRef event, void* data) {
    ControlRef view = nullptr;
    GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof view, nullptr, &view);
    static_cast<Disposed*>(data)->views.push_back(view);
    return eventNotHandledErr;
}

// As a dialog does when told its window closed: dispose the window again and drop its own handler.
OSStatus record_closed(EventHandlerCallRef, EventRef, void* data) {
    auto* d = static_cast<Disposed*>(data);
    ++d->closedCalls;
    d->viewsAtClosed = d->views.size();
    DisposeWindow(d->window);
    RemoveEventHandler(d->handler);
    return eventNotHandledErr;
}

const EventTypeSpec kDispose[] = {{kEventClassControl, kEventControlDispose}};
const EventTypeSpec kClosed[] = {{kEventClassWindow, kEventWindowClosed}};

}  // namespace

TEST(Windows, NewWindowIsHiddenWithItsContentBoundsAndARoot) {
    WindowRef w = new_window(kWindowCloseBoxAttribute, {0, 0, 400, 600});
    ASSERT_TRUE(w && !IsWindowVisible(w) && !IsWindowActive(w));
    const auto bounds = [&] {
        ControlRef root = nullptr, again = nullptr;
        EXPECT_TRUE(GetRootControl(w, &root) + CreateRootControl(w, &again) == noErr && again == root);
        HIRect b{};
        HIViewGetBounds(root, &b);
        Rect content{};
        GetWindowBounds(w, kWindowContentRgn, &content);
        return std::pair(edges(content), std::pair(b.size.width, b.size.height));
    };
    EXPECT_EQ(bounds(), std::pair(Edges{0, 0, 400, 600}, std::pair(600.0, 400.0)));
    const Rect moved{100, 50, 335, 551}, inverted{10, 10, 5, 20}, empty{10, 10, 10, 10};
    ASSERT_EQ(SetWindowBounds(w, kWindowContentRgn, &moved), noErr);
    EXPECT_EQ(SetWindowBounds(w, kWindowContentRgn, &inverted), paramErr);
    EXPECT_EQ(bounds(), std::pair(edges(moved), std::pair(501.0, 235.0)));
    DisposeWindow(w);
    // The structure adds the title bar above the content, or at its left; one no larger than its bar is all bar.
    for (const auto& [attributes, structure, content] :
         {std::tuple(kWindowCloseBoxAttribute, Rect{5, 5, 27, 21}, Edges{27, 5, 27, 21}),
          std::tuple(kWindowSideTitlebarAttribute, Rect{5, 5, 105, 21}, Edges{5, 21, 105, 21})}) {
        WindowRef framed = new_window(attributes);
        Rect inside{}, back{};
        SetWindowBounds(framed, kWindowStructureRgn, &structure);
        GetWindowBounds(framed, kWindowContentRgn, &inside), GetWindowBounds(framed, kWindowStructureRgn, &back);
        EXPECT_EQ(std::pair(edges(inside), edges(back)), std::pair(content, edges(structure))) << attributes;
        DisposeWindow(framed);
    }
    WindowRef none = nullptr;
    EXPECT_EQ(CreateNewWindow(99, 0, &moved, &none), paramErr);  // no such class
    EXPECT_EQ(none, nullptr);
    for (const WindowClass c : {kAlertWindowClass, kDocumentWindowClass}) {  // the first and last class, no size
        EXPECT_EQ(CreateNewWindow(c, 0, &empty, &none), noErr);
        DisposeWindow(none);
    }
}

// Whoever owns a window or a container hears of its end while what it holds is
// still there; disposing the window again meanwhile is harmless.
TEST(Windows, DisposingTellsTheWindowFirstThenEachViewBeforeItsSubviews) {
    const auto before = ta::liveCounts();
    WindowRef w = new_window();
    ControlRef group = pane(w), button = pane(w), check = pane();
    HIViewAddSubview(group, check);
    Disposed log;
    log.window = w;
    for (ControlRef c : {group, button, check})
        InstallEventHandler(GetControlEventTarget(c), record_dispose, 1, kDispose, &log, nullptr);
    InstallEventHandler(GetWindowEventTarget(w), record_closed, 1, kClosed, &log, &log.handler);
    DisposeWindow(w);
    EXPECT_EQ(std::pair(log.closedCalls, log.viewsAtClosed), std::pair(1, std::size_t{0}));
    EXPECT_EQ(log.views, (std::vector<ControlRef>{group, check, button}));
    // A view that disposes its window while it is itself going.
    w = new_window();
    group = pane(w);
    const auto dispose_own_window = [](EventHandlerCallRef, EventRef, void* data) -> OSStatus {
        return DisposeWindow(static_cast<WindowRef>(data)), eventNotHandledErr;
    };
    InstallEventHandler(GetControlEventTarget(group), dispose_own_window, 1, kDispose, w, nullptr);
    DisposeControl(group);
    EXPECT_TRUE((ta::windows().empty() || ta::windows().back() != w) && ta::liveCounts() == before);
}

TEST(Windows, OnlyTheFrontWindowIsActive) {
    WindowRef a = new_window(), b = new_window(), c = new_window();
    const auto active = [&] {
        std::string which;
        for (auto [w, name] : {std::pair{a, "a"}, {b, "b"}, {c, "c"}})
            if (IsWindowActive(w)) which += name;
        return which;
    };
    const struct {
        const char* step;
        std::function<void()> act;
        const char* active;
    } steps[] = {
        {"nothing shown", [] {}, ""},
        {"show a", [&] { ShowWindow(a); }, "a"},
        {"show b", [&] { ShowWindow(b); }, "b"},
        {"showing a shown window again changes nothing", [&] { ShowWindow(a); }, "b"},
        {"click into a", [&] { ta::mouseDown(a, Point{5, 5}), ta::mouseUp(a, Point{5, 5}); }, "a"},
        {"a click into a hidden window does nothing", [&] { ta::mouseDown(c, Point{5, 5}); }, "a"},
        {"hide the front window", [&] { HideWindow(a); }, "b"},
        {"show c", [&] { ShowWindow(c); }, "c"},
        {"dispose the front window", [&] { DisposeWindow(c); }, "b"},
        {"hide the last shown", [&] { HideWindow(b); }, ""},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(active(), s.active) << s.step;
    }
    DisposeWindow(a);
    DisposeWindow(b);
}

// No screens, no device; points on the right and bottom edges are outside.
// (The default screen and several screens: the dialog placing tests.)
TEST(Screens, NoneMeansNoDeviceAndRightAndBottomEdgesAreOutside) {
    ta::setScreens({});
    EXPECT_EQ(GetDeviceList(), nullptr);
    ta::resetScreens();
    const Rect r{0, 0, 900, 1440};
    for (const auto& [p, inside] : {std::pair{Point{0, 0}, true}, {Point{899, 1439}, true}, {Point{900, 10}, false},
                                    {Point{10, 1440}, false}, {Point{-1, 10}, false}, {Point{10, -1}, false}})
        EXPECT_EQ(PtInRect(p, &r) != 0, inside) << p.v << "," << p.h;
    EXPECT_FALSE(PtInRect(Point{0, 0}, nullptr));
}

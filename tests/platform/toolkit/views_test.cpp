// Views: embedding, stacking order, removal, disposal, states and value ranges.
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

const Rect kRect{10, 20, 30, 120};

ControlRef pane(WindowRef window = nullptr, Rect r = kRect) {
    ControlRef v = nullptr;
    CreateUserPaneControl(window, &r, 0, &v);
    return v;
}

OSStatus count_dispose(EventHandlerCallRef, EventRef, void* data) {
    ++*static_cast<int*>(data);
    return eventNotHandledErr;
}

const EventTypeSpec kDispose[] = {{kEventClassControl, kEventControlDispose}};

}  // namespace

TEST(Views, NewAndAddedSubviewsGoOnTopAndMoveBetweenParents) {
    WindowRef w = new_window();
    ControlRef root = ta::rootView(w);
    ControlRef a = pane(w), b = pane(w), c = pane(w);
    // Controls made with a window go on top of its root.
    EXPECT_EQ(ta::subviews(root), (std::vector<HIViewRef>{a, b, c}));
    EXPECT_EQ(GetControlOwner(a), w);
    // Re-adding an existing subview moves it to the top.
    ASSERT_EQ(HIViewAddSubview(root, a), noErr);
    EXPECT_EQ(ta::subviews(root), (std::vector<HIViewRef>{b, c, a}));
    ASSERT_EQ(HIViewAddSubview(b, c), noErr);
    EXPECT_EQ(ta::subviews(root), (std::vector<HIViewRef>{b, a}));
    EXPECT_EQ(HIViewGetSuperview(c), b);
    // A view cannot go inside itself or its own subviews.
    EXPECT_EQ(HIViewAddSubview(c, b), paramErr);
    EXPECT_EQ(HIViewAddSubview(b, b), paramErr);
    DisposeWindow(w);
}

TEST(Views, RemovedViewsLeaveTheirWindowAndSurviveIt) {
    const auto before = ta::liveCounts();
    WindowRef w = new_window();
    ControlRef a = pane(w);
    ControlRef child = pane();
    HIViewAddSubview(a, child);
    EXPECT_EQ(GetControlOwner(child), w);
    ASSERT_EQ(HIViewRemoveFromSuperview(a), noErr);
    EXPECT_EQ(GetControlOwner(a), nullptr);
    EXPECT_EQ(GetControlOwner(child), nullptr);
    EXPECT_EQ(HIViewGetSuperview(a), nullptr);
    EXPECT_EQ(HIViewRemoveFromSuperview(ta::rootView(w)), paramErr);
    DisposeWindow(w);
    EXPECT_EQ(ta::kindName(a), "user pane");  // still alive
    DisposeControl(a);
    EXPECT_EQ(ta::kindName(child), "");
    EXPECT_EQ(ta::liveCounts().total(), before.total());
}

TEST(Views, ControlsWithoutAWindowLiveInAHostContainer) {
    ControlRef container = pane();
    ControlRef check = nullptr;
    ASSERT_EQ(CreateCheckBoxControl(nullptr, &kRect, Str("Random"), 0, true, &check), noErr);
    EXPECT_EQ(GetControlOwner(check), nullptr);
    EXPECT_EQ(HIViewGetSuperview(check), nullptr);
    ASSERT_EQ(HIViewAddSubview(container, check), noErr);
    int disposed = 0;
    InstallEventHandler(GetControlEventTarget(container), count_dispose, 1, kDispose, &disposed, nullptr);
    InstallEventHandler(GetControlEventTarget(check), count_dispose, 1, kDispose, &disposed, nullptr);
    DisposeControl(container);
    EXPECT_EQ(disposed, 2);
    EXPECT_FALSE(IsControlVisible(check));  // the reference is dead and refused
}

TEST(Views, DisposeControlTakesOnlyItsOwnSubtree) {
    WindowRef w = new_window();
    ControlRef a = pane(w), b = pane(w), inner = pane();
    HIViewAddSubview(a, inner);
    DisposeControl(a);
    EXPECT_EQ(ta::subviews(ta::rootView(w)), (std::vector<HIViewRef>{b}));
    EXPECT_EQ(ta::kindName(inner), "");
    DisposeControl(ta::rootView(w));  // the root goes only with its window
    EXPECT_EQ(ta::kindName(ta::rootView(w)), "root");
    DisposeWindow(w);
}

TEST(Views, VisibilityAndEnablingFollowAncestors) {
    ControlRef outer = pane(), inner = pane();
    HIViewAddSubview(outer, inner);
    EXPECT_TRUE(IsControlVisible(inner));
    HideControl(outer);
    EXPECT_FALSE(IsControlVisible(inner));
    ShowControl(outer);
    DisableControl(outer);
    EXPECT_FALSE(IsControlEnabled(inner));
    EnableControl(outer);
    EXPECT_TRUE(IsControlEnabled(inner));
    DisposeControl(outer);
}

TEST(Views, FrameAddsTheOffsetsOfEveryParent) {
    WindowRef w = new_window();
    ControlRef group = pane(w, {40, 10, 140, 210});
    ControlRef field = pane(nullptr, {20, 5, 33, 55});
    HIViewAddSubview(group, field);
    const Rect f = ta::frame(field);
    EXPECT_EQ(f.top, 60);
    EXPECT_EQ(f.left, 15);
    EXPECT_EQ(f.bottom, 73);
    EXPECT_EQ(f.right, 65);
    Rect local{};
    GetControlBounds(field, &local);
    EXPECT_EQ(local.top, 20);
    HIRect own{};
    HIViewGetBounds(field, &own);
    EXPECT_EQ(own.origin.x, 0);
    EXPECT_EQ(own.size.width, 50);
    EXPECT_EQ(own.size.height, 13);
    DisposeWindow(w);
}

TEST(Views, ValuesArePinnedToTheirRange) {
    ControlRef check = nullptr;
    CreateCheckBoxControl(nullptr, &kRect, nullptr, 5, true, &check);
    EXPECT_EQ(GetControl32BitValue(check), 1);
    SetControl32BitValue(check, -4);
    EXPECT_EQ(GetControl32BitValue(check), 0);
    ControlRef pane_ = pane();
    SetControl32BitMaximum(pane_, 100);
    SetControl32BitValue(pane_, 50);
    SetControl32BitMaximum(pane_, 10);
    EXPECT_EQ(GetControl32BitValue(pane_), 10);
    SetControl32BitMinimum(pane_, 20);
    EXPECT_EQ(GetControl32BitValue(pane_), 20);
    DisposeControl(check);
    DisposeControl(pane_);
}

TEST(Views, KindsTitlesAndCommandIDs) {
    ControlRef button = nullptr, text = nullptr;
    CreatePushButtonControl(nullptr, &kRect, Str("Apply"), &button);
    CreateStaticTextControl(nullptr, &kRect, Str("Label"), nullptr, &text);
    ControlKind kind{};
    ASSERT_EQ(GetControlKind(button, &kind), noErr);
    EXPECT_EQ(kind.signature, kControlKindSignatureToolkit);
    EXPECT_EQ(kind.kind, kControlKindPushButton);
    EXPECT_EQ(ta::kindName(text), "static text");
    CFStringRef title = nullptr;
    CopyControlTitleAsCFString(button, &title);
    EXPECT_EQ(take_utf8(title), "Apply");
    SetControlCommandID(button, TK_FOUR_CC('Z', 'Q', 'D', 'M'));
    UInt32 id = 0;
    GetControlCommandID(button, &id);
    EXPECT_EQ(id, TK_FOUR_CC('Z', 'Q', 'D', 'M'));
    DisposeControl(button);
    DisposeControl(text);
    EXPECT_EQ(GetControlKind(button, &kind), errUnknownControl);
}

namespace {

struct Order {
    std::vector<ControlRef> seen;
};

OSStatus note_dispose(EventHandlerCallRef, EventRef event, void* data) {
    ControlRef view = nullptr;
    GetEventParameter(event, kEventParamDirectObject, typeControlRef, nullptr, sizeof view, nullptr, &view);
    static_cast<Order*>(data)->seen.push_back(view);
    return eventNotHandledErr;
}

}  // namespace

TEST(Views, AContainerHearsOfItsDisposalBeforeItsItems) {
    // A panel's owner hears that its container goes while the items are still in it.
    ControlRef container = pane();
    ControlRef first = pane(), second = pane();
    HIViewAddSubview(container, first);
    HIViewAddSubview(container, second);
    Order order;
    for (ControlRef v : {container, first, second})
        InstallEventHandler(GetControlEventTarget(v), note_dispose, 1, kDispose, &order, nullptr);
    DisposeControl(container);
    EXPECT_EQ(order.seen, (std::vector<ControlRef>{container, first, second}));
}

TEST(Views, ViewsBeingDisposedCannotBeMoved) {
    ControlRef container = pane(), child = pane(), elsewhere = pane();
    HIViewAddSubview(container, child);
    struct Attempt {
        ControlRef child, elsewhere;
        OSStatus add = 0, remove = 0;
    } attempt{child, elsewhere};
    const auto try_move = [](EventHandlerCallRef, EventRef, void* data) -> OSStatus {
        auto* a = static_cast<Attempt*>(data);
        a->add = HIViewAddSubview(a->elsewhere, a->child);
        a->remove = HIViewRemoveFromSuperview(a->child);
        return eventNotHandledErr;
    };
    InstallEventHandler(GetControlEventTarget(child), try_move, 1, kDispose, &attempt, nullptr);
    DisposeControl(container);
    EXPECT_EQ(attempt.add, paramErr);
    EXPECT_EQ(attempt.remove, paramErr);
    EXPECT_TRUE(ta::subviews(elsewhere).empty());
    DisposeControl(elsewhere);
}

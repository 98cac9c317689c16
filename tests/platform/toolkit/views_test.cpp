// Views: embedding, stacking order, removal, disposal, states and value ranges.
#include "support.h"

using namespace tk_test;

namespace {

const EventTypeSpec kDispose[] = {{kEventClassControl, kEventControlDispose}};

}  // namespace

TEST(Views, NewAndAddedSubviewsGoOnTopAndMoveBetweenParents) {
    WindowRef w = new_window();
    ControlRef root = ta::rootView(w);
    ControlRef a = pane(w), b = pane(w), c = pane(w);
    // Controls made with a window go on top of its root.
    EXPECT_EQ(std::tuple(ta::subviews(root), GetControlOwner(a)), std::tuple(std::vector<HIViewRef>{a, b, c}, w));
    // Re-adding an existing subview moves it to the top.
    ASSERT_TRUE(HIViewAddSubview(root, a) == noErr && ta::subviews(root) == (std::vector<HIViewRef>{b, c, a}));
    ASSERT_EQ(HIViewAddSubview(b, c), noErr);
    EXPECT_EQ(std::tuple(ta::subviews(root), HIViewGetSuperview(c)), std::tuple(std::vector<HIViewRef>{b, a}, b));
    // A view cannot go inside itself or its own subviews, nor can what is no view go anywhere.
    EXPECT_EQ(std::tuple(HIViewAddSubview(c, b), HIViewAddSubview(b, b), HIViewAddSubview(b, nullptr)),
              std::tuple(paramErr, paramErr, errUnknownControl));
    DisposeWindow(w);
}

// A removed view leaves its window and survives it; a disposed one takes only
// its own subtree; the root goes only with its window.
TEST(Views, RemovedViewsSurviveTheirWindowDisposedOnesTakeOnlyTheirSubtree) {
    const auto before = ta::liveCounts();
    WindowRef w = new_window();
    ControlRef a = pane(w), b = pane(w), c = pane(w), child = pane(), inner = pane();
    HIViewAddSubview(a, child);
    HIViewAddSubview(c, inner);
    ASSERT_TRUE(GetControlOwner(child) == w && HIViewRemoveFromSuperview(a) == noErr);
    EXPECT_EQ(std::tuple(GetControlOwner(a), GetControlOwner(child), HIViewGetSuperview(a)),
              std::tuple(nullptr, nullptr, nullptr));
    EXPECT_EQ(HIViewRemoveFromSuperview(ta::rootView(w)), paramErr);
    DisposeControl(c);
    EXPECT_TRUE(ta::subviews(ta::rootView(w)) == (std::vector<HIViewRef>{b}) && ta::kindName(inner) == "");
    DisposeControl(ta::rootView(w));
    EXPECT_EQ(ta::kindName(ta::rootView(w)), "root");
    DisposeWindow(w);
    EXPECT_EQ(ta::kindName(a), "user pane");  // still alive
    DisposeControl(a);
    EXPECT_EQ(std::tuple(ta::kindName(child), ta::liveCounts()), std::tuple("", before));
}

TEST(Views, ValuesArePinnedToTheirRange) {
    // Each kind starts with its own range: a toggle's initial value is pinned to it.
    const Rect r{10, 20, 30, 120};
    ControlRef made[5] = {};
    CreateCheckBoxControl(nullptr, &r, nullptr, 5, true, &made[0]);
    CreateRadioButtonControl(nullptr, &r, nullptr, -4, true, &made[1]);
    CreatePushButtonControl(nullptr, &r, nullptr, &made[2]);
    CreateBevelButtonControl(nullptr, &r, nullptr, 0, 0, nullptr, 0, 0, 0, &made[3]);
    CreatePopupButtonControl(nullptr, &r, nullptr, -12345, false, 0, 0, 0, &made[4]);
    const std::array<SInt32, 3> ranges[] = {{0, 1, 1}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {1, 1, 1}};
    HIRect b{};  // its bounds as the view sees them: at its own origin
    HIViewGetBounds(made[0], &b);
    EXPECT_EQ(std::tuple(b.origin.x, b.origin.y, b.size.width, b.size.height), std::tuple(0.0, 0.0, 100.0, 20.0));
    for (int i = 0; i < 5; ++i) {
        const ControlRef c = made[i];
        EXPECT_EQ((std::array{GetControl32BitMinimum(c), GetControl32BitMaximum(c), GetControl32BitValue(c)}),
                  ranges[i]);
        DisposeControl(c);
    }
    ControlRef pane_ = pane();
    SetControl32BitMaximum(pane_, 100);
    SetControl32BitValue(pane_, 50);
    SetControl32BitMaximum(pane_, 10);
    EXPECT_EQ(GetControl32BitValue(pane_), 10);
    SetControl32BitMinimum(pane_, 20);
    EXPECT_EQ(GetControl32BitValue(pane_), 20);
    DisposeControl(pane_);
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
    EXPECT_TRUE(attempt.add == paramErr && attempt.remove == paramErr && ta::subviews(elsewhere).empty());
    DisposeControl(elsewhere);
}

// Best rectangles: the standard icon for an icon without a height or a width;
// the bounds of a sized icon, a user pane, an untitled bevel button and a group
// box with a short title; a longer title widens a group box, and makes a bevel
// button the size of a button with that title.
TEST(Views, BestRectsOfOtherKinds) {
    const Rect r{0, 0, 30, 60}, flat{0, 0, 0, 60}, thin{0, 0, 30, 0};
    std::string sizes;
    for (ControlRef v :
         {made([&](ControlRef* v) { CreateIconControl(nullptr, &flat, nullptr, true, v); }),
          made([&](ControlRef* v) { CreateIconControl(nullptr, &thin, nullptr, true, v); }),
          made([&](ControlRef* v) { CreateIconControl(nullptr, &r, nullptr, true, v); }), pane(nullptr, r),
          made([&](ControlRef* v) { CreateBevelButtonControl(nullptr, &r, nullptr, 0, 0, nullptr, 0, 0, 0, v); }),
          made([&](ControlRef* v) {
              CreateBevelButtonControl(nullptr, &r, Str("Wide title"), 0, 0, nullptr, 0, 0, 0, v);
          }),
          made([&](ControlRef* v) { CreateGroupBoxControl(nullptr, &r, Str("A"), true, v); }),
          made([&](ControlRef* v) { CreateGroupBoxControl(nullptr, &r, Str("A wide title"), true, v); })}) {
        Rect b{};
        SInt16 baseline = -1;
        GetBestControlRect(v, &b, &baseline);
        sizes += std::to_string(b.right - b.left) + "x" + std::to_string(b.bottom - b.top) + "+" +
                 std::to_string(baseline) + " ";
        DisposeControl(v);
    }
    EXPECT_EQ(sizes, "32x32+0 32x32+0 60x30+0 60x30+0 60x30+0 83x20+6 60x30+0 92x30+0 ");
}

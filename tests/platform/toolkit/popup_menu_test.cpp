// Popup menus: a click opens the menu in a window of its own above the popup's
// window; a click on an entry chooses it; Escape or a click elsewhere closes it.
// (How an open menu looks: the dialog library's golden pictures.)
#include "support.h"

using namespace tk_test;

namespace {

const EventTypeSpec kCommand[] = {{kEventClassCommand, kEventCommandProcess}};

OSStatus count_command(EventHandlerCallRef, EventRef, void* data) {
    ++*static_cast<int*>(data);
    return noErr;
}

// A shown window with a popup of three cameras, the second current and named wider than the popup, and a check box.
struct PopupWindow {
    WindowRef window = new_window(kWindowCloseBoxAttribute, {100, 100, 300, 500});
    ControlRef popup = nullptr, box = nullptr;
    int commands = 0;

    explicit PopupWindow(SInt16 top = 20) {
        const Rect r{top, 40, static_cast<SInt16>(top + 20), 200};
        CreatePopupButtonControl(window, &r, nullptr, -12345, false, -1, 0, normal, &popup);
        MenuRef menu = nullptr;
        CreateNewMenu(16000, 0, &menu);
        SetControlData(popup, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof menu, &menu);
        for (const char* name : {"Camera 1", "Camera 2, from above", "Camera 3"})
            InsertMenuItemTextWithCFString(menu, Str(name), CountMenuItems(menu), kMenuItemAttrIgnoreMeta, 0);
        SetControl32BitValue(popup, 2);
        InstallEventHandler(GetControlEventTarget(popup), count_command, 1, kCommand, &commands, nullptr);
        const Rect b{60, 40, 73, 140};
        CreateCheckBoxControl(window, &b, Str("Box"), 0, true, &box);
        ShowWindow(window);
    }
    ~PopupWindow() { DisposeWindow(window); }
};

}  // namespace

TEST(PopupMenu, AClickOpensTheMenuBelowThePopup) {
    PopupWindow w;
    const std::size_t windows = ta::windows().size();
    ASSERT_TRUE(ta::openPopup(w.popup));
    WindowRef menu = ta::openMenuWindow();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(std::tuple(ta::windows().size(), ta::windowVisible(menu), IsWindowActive(w.window) != 0, w.commands),
              std::tuple(windows + 1, true, true, 0))
        << "shown, without taking the activation, and nothing chosen";
    const Rect bounds = ta::windowBounds(menu);
    EXPECT_EQ(std::tuple(bounds.top, bounds.left, bounds.bottom - bounds.top, bounds.right - bounds.left),
              std::tuple(100 + 40, 100 + 40, 3 * 18 + 2 * 4, 178));
}

TEST(PopupMenu, ChoosingClosingAndDismissing) {
    PopupWindow w;
    const auto before = ta::liveCounts();
    const Point onBox{static_cast<SInt16>(ta::frame(w.box).top + 6), static_cast<SInt16>(ta::frame(w.box).left + 5)};
    const struct {
        const char* how;
        std::function<void()> end;
        SInt32 value;
        int commands;
        SInt32 box;
    } ways[] = {
        {"a click on an entry chooses it", [] { ta::chooseInOpenMenu("Camera 3"); }, 3, 1, 0},
        {"Escape closes it", [] { ta::pressKey(kEscapeCharCode); }, 2, 0, 0},
        {"a click elsewhere only closes it", [&] { ta::mouseDown(w.window, onBox), ta::mouseUp(w.window, onBox); }, 2, 0, 0},
        {"releasing outside every entry closes it",
         [&] {
             WindowRef menu = ta::openMenuWindow();
             ta::mouseDown(menu, Point{10, 10});
             ta::mouseDragged(menu, Point{-20, 10});
             ta::mouseUp(menu, Point{-20, 10});
         },
         2, 0, 0},
        {"releasing over another window closes it",
         [&] { ta::mouseDown(ta::openMenuWindow(), Point{10, 10}), ta::mouseUp(w.window, Point{10, 10}); }, 2, 0, 0},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.how);
        SetControl32BitValue(w.popup, 2);
        w.commands = 0;
        ASSERT_TRUE(ta::openPopup(w.popup));
        way.end();
        EXPECT_EQ(std::tuple(ta::openMenuWindow(), GetControl32BitValue(w.popup), w.commands,
                             GetControl32BitValue(w.box), ta::liveCounts()),
                  std::tuple(WindowRef{}, way.value, way.commands, way.box, before));
    }
    // Entries that are not there are not chosen, and a click on a popup that has no menu opens none.
    const Rect r{100, 40, 120, 200};
    ControlRef bare = nullptr;
    CreatePopupButtonControl(w.window, &r, nullptr, -12345, false, -1, 0, normal, &bare);
    EXPECT_FALSE(ta::choosePopupEntry(w.popup, "Camera 9") || ta::choosePopupEntry(w.popup, 9) || ta::openMenuWindow() ||
                 ta::openPopup(bare));
    // A menu a popup owns stays when given again and goes when replaced; one only lent to it outlives it.
    MenuRef owned = nullptr, lent = nullptr;
    CreateNewMenu(16001, 0, &owned), CreateNewMenu(16002, 0, &lent);
    for (int twice = 0; twice < 2; ++twice)
        SetControlData(bare, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof owned, &owned);
    const auto kept = ta::liveCounts().menus;
    SetControlData(bare, kControlEntireControl, kControlPopupButtonMenuRefTag, sizeof lent, &lent);
    DisposeControl(bare);
    EXPECT_EQ(std::pair(kept, ta::liveCounts().menus), std::pair(before.menus + 2, before.menus + 1));
    DisposeMenu(lent);
}

TEST(PopupMenu, TheMenuGoesWhenItsPopupCanNoLongerBeOperated) {
    PopupWindow w;
    const struct {
        const char* what;
        std::function<void()> act;
    } changes[] = {
        {"popup disabled", [&] { DisableControl(w.popup); }},
        {"popup hidden", [&] { HideControl(w.popup); }},
        {"window hidden", [&] { HideWindow(w.window); }},
        {"its items changed",
         [&] {
             MenuRef menu = nullptr;
             GetControlData(w.popup, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof menu, &menu,
                            nullptr);
             SetMenuItemTextWithCFString(menu, 1, Str("Camera 0"));
         }},
        {"popup disposed", [&] { DisposeControl(w.popup); }},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.what);
        ShowWindow(w.window);
        EnableControl(w.popup);
        ShowControl(w.popup);
        ASSERT_TRUE(ta::openPopup(w.popup));
        change.act();
        EXPECT_EQ(ta::openMenuWindow(), nullptr);
    }
}

// The menu stays on the screen: near its bottom it opens above the popup, near its right edge it moves left. Below
// the popup it may end at the screen's bottom; a popup on no screen opens its menu below it.
TEST(PopupMenu, NearTheBottomOfTheScreenTheMenuOpensAboveAndNearItsRightEdgeMovesLeft) {
    for (const auto& [screen, ends] : {std::pair(Rect{0, 0, 320, 250}, std::array<SInt16, 2>{100 + 180, 250}),
                                       {{0, 0, 362, 500}, {362, 318}}, {{0, 0, 9, 9}, {362, 318}}}) {
        ta::setScreens({screen});
        PopupWindow w(180);  // the popup ends 300 down the screen
        ASSERT_TRUE(ta::openPopup(w.popup));
        const Rect menu = ta::windowBounds(ta::openMenuWindow());
        EXPECT_EQ((std::array{menu.bottom, menu.right}), ends);  // its bottom and right
    }
    ta::resetScreens();
}

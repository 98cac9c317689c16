// Automation: finding views as a person would, and describing windows as trees (in JSON).
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation.h"
#include "toolkit/automation_json.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

ControlRef check_box(WindowRef w, Rect r, const char* title) {
    ControlRef c = nullptr;
    CreateCheckBoxControl(w, &r, title ? static_cast<CFStringRef>(Str(title)) : nullptr, 0, true, &c);
    return c;
}

ControlRef label(ControlRef parent, Rect r, const char* text) {
    ControlRef c = nullptr;
    CreateStaticTextControl(nullptr, &r, Str(text), nullptr, &c);
    HIViewAddSubview(parent, c);
    return c;
}

ControlRef edit(ControlRef parent, Rect r) {
    ControlRef c = nullptr;
    CreateEditUnicodeTextControl(nullptr, &r, nullptr, false, nullptr, &c);
    HIViewAddSubview(parent, c);
    return c;
}

// A shown window whose views are disposed with it at the end of the test.
struct ShownWindow {
    WindowRef window = new_window(kWindowCloseBoxAttribute, {100, 100, 335, 601});
    ShownWindow() { ShowWindow(window); }
    ~ShownWindow() { DisposeWindow(window); }
    ControlRef root() const { return ta::rootView(window); }
};

}  // namespace

TEST(Automation, FindsViewsByKindAndTitlePreferringVisibleOnes) {
    ShownWindow shown;
    ControlRef hidden = check_box(shown.window, {0, 0, 13, 60}, "Random");
    HideControl(hidden);
    ControlRef shownBox = check_box(shown.window, {20, 0, 33, 60}, "Random");
    EXPECT_EQ(ta::findView(shown.root(), "check box", "Random"), shownBox);
    EXPECT_EQ(ta::findView(shown.root(), "", "Random"), shownBox);
    EXPECT_EQ(ta::findView(shown.root(), "push button", "Random"), nullptr);
    // In a window the labelled control is the one with that title.
    EXPECT_EQ(ta::findLabelledControl(shown.root(), "check box", "Random"), shownBox);
    HideControl(shownBox);
    EXPECT_EQ(ta::findView(shown.root(), "check box", "Random"), hidden);
}

TEST(Automation, LabelledControlInAPanelIsTheBoxLeftOfItsLabel) {
    // A host container: boxes without titles, texts as labels 19 px right and 2 px lower.
    ControlRef container = nullptr;
    const Rect c{0, 0, 235, 501};
    CreateUserPaneControl(nullptr, &c, 0, &container);
    ControlRef first = check_box(nullptr, {40, 10, 53, 28}, nullptr);
    HIViewAddSubview(container, first);
    label(container, {42, 29, 53, 200}, "Random");
    ControlRef second = check_box(nullptr, {60, 10, 73, 28}, nullptr);
    HIViewAddSubview(container, second);
    label(container, {62, 29, 73, 200}, "Towards Camera");
    ControlRef far = check_box(nullptr, {40, 300, 53, 318}, nullptr);
    HIViewAddSubview(container, far);

    EXPECT_EQ(ta::findLabelledControl(container, "check box", "Random"), first);
    EXPECT_EQ(ta::findLabelledControl(container, "check box", "Towards Camera"), second);
    EXPECT_EQ(ta::findLabelledControl(container, "radio button", "Random"), nullptr);
    EXPECT_EQ(ta::findLabelledControl(container, "check box", "Scale"), nullptr);
    DisposeControl(container);
}

// A group's edit fields come left to right, in a window where the group box has
// its title, and in a panel where the title is a label above the frame.
TEST(Automation, EditFieldsOfAGroupComeLeftToRight) {
    ShownWindow shown;
    ControlRef group = nullptr;
    const Rect g{10, 10, 60, 300};
    CreateGroupBoxControl(shown.window, &g, Str("Cube Dimensions"), true, &group);
    ControlRef z = edit(shown.root(), {30, 200, 43, 260});
    ControlRef x = edit(shown.root(), {30, 20, 43, 80});
    ControlRef y = edit(shown.root(), {30, 110, 43, 170});
    edit(shown.root(), {80, 20, 93, 80});  // outside the group
    EXPECT_EQ(ta::editFieldsInGroup(shown.root(), "Cube Dimensions"), (std::vector<HIViewRef>{x, y, z}));
    EXPECT_TRUE(ta::editFieldsInGroup(shown.root(), "Nothing").empty());
    // The frame starts 13 px below the item's top; its label sits 9 px in, above it.
    ControlRef container = nullptr;
    const Rect c{0, 0, 235, 501}, framed{23, 10, 70, 300};
    CreateUserPaneControl(nullptr, &c, 0, &container);
    CreateGroupBoxControl(nullptr, &framed, nullptr, true, &group);
    HIViewAddSubview(container, group);
    label(container, {10, 19, 22, 300}, "Cube Dimensions");
    ControlRef a = edit(container, {40, 20, 53, 80}), b = edit(container, {40, 100, 53, 160});
    HideControl(edit(container, {40, 180, 53, 240}));
    EXPECT_EQ(ta::editFieldsInGroup(container, "Cube Dimensions"), (std::vector<HIViewRef>{a, b}));
    DisposeControl(container);
}

TEST(AutomationJson, WindowTreeCarriesKindsTextsFramesAndEntries) {
    WindowRef w = new_window(kWindowCloseBoxAttribute, {100, 50, 335, 551});
    SetWindowTitleWithCFString(w, Str("Voxtrel"));
    ControlRef popup = nullptr;
    const Rect r{5, 6, 22, 106};
    CreatePopupButtonControl(w, &r, nullptr, -12345, false, -1, 0, normal, &popup);
    MenuRef menu = nullptr;
    CreateNewMenu(16000, 0, &menu);
    SetControlData(popup, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof menu, &menu);
    InsertMenuItemTextWithCFString(menu, Str("Camera 1"), 0, 0, 0);
    DisableControl(popup);
    ControlRef group = nullptr, inner = nullptr;
    const Rect g{30, 10, 80, 300}, i{5, 5, 18, 80};
    CreateGroupBoxControl(w, &g, Str("Box"), true, &group);
    CreateCheckBoxControl(nullptr, &i, Str("Inner"), 0, true, &inner);
    HIViewAddSubview(group, inner);
    DisableControl(group);

    const nlohmann::json j = ta::describe(w);
    EXPECT_EQ(j["title"], "Voxtrel");
    EXPECT_EQ(j["bounds"]["left"], 50);
    EXPECT_EQ(j["visible"], false);
    const auto& view = j["root"]["children"][0];
    EXPECT_EQ(view["kind"], "popup button");
    EXPECT_EQ(view["text"], "Camera 1");
    EXPECT_EQ(view["frame"]["right"], 106);
    EXPECT_EQ(view["enabled"], false);
    EXPECT_EQ(view["entries"], nlohmann::json::array({"Camera 1"}));
    EXPECT_FALSE(j["root"].contains("entries"));
    EXPECT_EQ(j["root"]["kind"], "root");
    const auto& box = j["root"]["children"][1];
    EXPECT_EQ(std::tuple(box["kind"], box["text"], box["children"].size()), std::tuple("group box", "Box", 1u));
    const auto& check = box["children"][0];
    EXPECT_EQ(std::tuple(check["kind"], check["frame"]["top"], check["enabled"], check["maximum"]),
              std::tuple("check box", 35, false, 1));  // in window coordinates, inside a disabled group
    DisposeWindow(w);
}

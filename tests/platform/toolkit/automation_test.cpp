// Automation: finding views as a person would, and describing windows as trees (in JSON).
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation.h"
#include "toolkit/automation_json.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

ControlRef check_box(WindowRef w, Rect r, const char* title) {
    return made([&](ControlRef* c) {
        CreateCheckBoxControl(w, &r, title ? static_cast<CFStringRef>(Str(title)) : nullptr, 0, true, c);
    });
}

ControlRef edit(ControlRef parent, Rect r) {
    ControlRef c = made([&](ControlRef* v) { CreateEditUnicodeTextControl(nullptr, &r, nullptr, false, nullptr, v); });
    return HIViewAddSubview(parent, c), c;
}

// A shown window whose views are disposed with it at the end of the test.
struct ShownWindow {
    WindowRef window = new_window(kWindowCloseBoxAttribute, {100, 100, 335, 601});
    ShownWindow() { ShowWindow(window); }
    ~ShownWindow() { DisposeWindow(window); }
    ControlRef root() const { return ta::rootView(window); }
};

}  // namespace

// voxtrel-host's dialog driver finds what is there; these are what is hidden or absent.
TEST(Automation, FindingPrefersVisibleViewsAndFindsNothingOfAnotherKindOrLabel) {
    ShownWindow shown;
    ControlRef hidden = check_box(shown.window, {0, 0, 13, 60}, "Random");
    HideControl(hidden);
    ControlRef shownBox = check_box(shown.window, {20, 0, 33, 60}, "Random");
    EXPECT_EQ(ta::findView(shown.root(), "", "Random"), shownBox);
    EXPECT_EQ(ta::findView(shown.root(), "push button", "Random"), nullptr);
    HideControl(shownBox);
    EXPECT_EQ(ta::findView(shown.root(), "check box", "Random"), hidden);
    ControlRef group = nullptr;
    const Rect g{40, 10, 90, 300};
    CreateGroupBoxControl(shown.window, &g, Str("Cube Dimensions"), true, &group);
    HideControl(edit(shown.root(), {60, 20, 73, 80}));
    ControlRef field = edit(shown.root(), {60, 100, 73, 160});
    EXPECT_EQ(ta::editFieldsInGroup(shown.root(), "Cube Dimensions"), (std::vector<HIViewRef>{field}));
    EXPECT_TRUE(ta::editFieldsInGroup(shown.root(), "Nothing").empty());
    // In a panel the boxes have no titles; texts to their right label them.
    ControlRef container = nullptr;
    const Rect c{0, 0, 235, 501};
    CreateUserPaneControl(nullptr, &c, 0, &container);
    HIViewAddSubview(container, check_box(nullptr, {40, 10, 53, 28}, nullptr));
    const Rect l{42, 29, 53, 200};
    ControlRef label = nullptr;
    CreateStaticTextControl(nullptr, &l, Str("Random"), nullptr, &label);
    HIViewAddSubview(container, label);
    EXPECT_EQ(ta::findLabelledControl(container, "radio button", "Random"), nullptr);
    EXPECT_EQ(ta::findLabelledControl(container, "check box", "Scale"), nullptr);
    DisposeControl(container);
}

// The golden runs compare the whole tree of every dialog; what no dialog there
// shows: a hidden window, and a view disabled by its group.
TEST(AutomationJson, WindowTreeCarriesKindsTextsFramesAndStates) {
    WindowRef w = new_window(kWindowCloseBoxAttribute, {100, 50, 335, 551});
    ControlRef group = nullptr, inner = nullptr;
    const Rect g{30, 10, 80, 300}, i{5, 5, 18, 80};
    CreateGroupBoxControl(w, &g, Str("Box"), true, &group);
    CreateCheckBoxControl(nullptr, &i, Str("Inner"), 0, true, &inner);
    HIViewAddSubview(group, inner);
    DisableControl(group);
    const nlohmann::json j = ta::describe(w);
    EXPECT_EQ(std::tuple(j["visible"], j["bounds"]["left"], j["root"]["kind"]), std::tuple(false, 50, "root"));
    const auto& box = j["root"]["children"][0];
    EXPECT_EQ(std::tuple(box["kind"], box["text"], box["children"].size()), std::tuple("group box", "Box", 1u));
    const auto& check = box["children"][0];
    EXPECT_EQ(std::tuple(check["kind"], check["frame"]["top"], check["enabled"], check["maximum"]),
              std::tuple("check box", 35, false, 1));  // in window coordinates, inside a disabled group
    DisposeWindow(w);
}

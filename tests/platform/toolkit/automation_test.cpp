// Automation: finding views as a person would, and describing windows as trees (in JSON).
#include "support.h"
#include "toolkit/automation_json.h"

using namespace tk_test;

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
    ControlRef right = edit(shown.root(), {60, 100, 73, 160});  // made right to left, found left to right
    HideControl(edit(shown.root(), {60, 180, 73, 240}));
    ControlRef left = edit(shown.root(), {60, 20, 73, 80});
    EXPECT_EQ(ta::editFieldsInGroup(shown.root(), "Cube Dimensions"), (std::vector<HIViewRef>{left, right}));
    EXPECT_TRUE(ta::editFieldsInGroup(shown.root(), "Nothing").empty());
    // What is not there or has no area renders as nothing; a view one pixel high renders as one row.
    const ControlRef line = pane(shown.window, {200, 0, 201, 50}), flat = pane(shown.window, {210, 0, 210, 50});
    EXPECT_EQ(std::tuple(ta::renderView(nullptr).width, ta::renderWindow(nullptr).width, ta::renderView(flat).width,
                         ta::renderView(pane(shown.window, {210, 0, 250, 0})).height, ta::renderView(line).height),
              std::tuple(0, 0, 0, 0, 1));
}

// A separate label (as in a panel, where boxes have no titles) names the control
// left of it on its row, up to 40 pixels on, and the group box whose top left is
// up to 24 pixels below and left of it.
TEST(Automation, SeparateLabelsReachOnlySoFar) {
    ShownWindow shown;
    ControlRef box = check_box(shown.window, {100, 10, 113, 28}, nullptr), group = nullptr;
    const Rect g{150, 10, 220, 300};
    CreateGroupBoxControl(shown.window, &g, nullptr, true, &group);
    edit(shown.root(), {170, 20, 183, 80});
    // Where the label stands, and whether it names the box and the group.
    const std::tuple<Rect, bool, bool> rows[] = {
        {{100, 50, 113, 200}, true, false},  {{100, 51, 113, 200}, false, false},  // 40 pixels on, then 41
        {{113, 30, 126, 200}, false, false}, {{87, 30, 100, 200}, false, false},   // rows that only touch
        {{104, 30, 104, 200}, true, false},  {{105, 30, 105, 200}, false, false},  // no height: 4 rows off, then 5
        {{100, 10, 113, 200}, false, false},                                       // at the control's left edge
        {{126, 34, 139, 200}, false, true},  {{125, 34, 138, 200}, false, false},  // 24 above the group, then 25
        {{126, 35, 139, 200}, false, false}, {{150, 10, 163, 200}, false, true},   // 25 on; at its corner
    };
    for (const auto& [where, names_box, names_group] : rows) {
        ControlRef label = nullptr;
        CreateStaticTextControl(shown.window, &where, Str("Label"), nullptr, &label);
        EXPECT_EQ(ta::findLabelledControl(shown.root(), "check box", "Label"), names_box ? box : nullptr);
        EXPECT_EQ(ta::findLabelledControl(shown.root(), "radio button", "Label"), nullptr);  // of another kind
        EXPECT_EQ(ta::editFieldsInGroup(shown.root(), "Label").size(), names_group ? 1u : 0u);
        DisposeControl(label);
    }
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

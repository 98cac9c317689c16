// Window descriptions as trees, in their JSON form.
#include <gtest/gtest.h>

#include "support.h"
#include "toolkit/automation_json.h"

using namespace tk_test;
namespace ta = tk::automation;

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

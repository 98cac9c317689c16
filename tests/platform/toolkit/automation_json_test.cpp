// The JSON form of window descriptions.
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
    DisposeWindow(w);
}

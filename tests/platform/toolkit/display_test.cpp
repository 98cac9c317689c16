// The display seam: every change a person could see tells the display which
// window changed and how; and what the X display's keys type.
#include <algorithm>
#include <fstream>
#include <nlohmann/json.hpp>

#include "support.h"  // before the X headers, whose macros would break the test framework

#include "display.h"
#include "display_x11.h"

using namespace tk_test;
using tk::detail::display::Change;

using Notice = std::pair<WindowRef, Change>;

TEST(Display, WhatChangesInAWindowTellsTheDisplay) {
    std::vector<Notice> heard;
    tk::detail::display::set_observer([&](WindowRef w, Change c) { heard.emplace_back(w, c); });
    WindowRef w = new_window();
    const Rect r{10, 10, 23, 100};
    ControlRef box = nullptr, field = nullptr, inner = nullptr;
    CreateCheckBoxControl(w, &r, Str("Box"), 0, true, &box);
    const Rect f{30, 10, 43, 100};
    CreateEditUnicodeTextControl(w, &f, Str("12"), false, nullptr, &field);
    CreateUserPaneControl(nullptr, &r, 0, &inner);
    const struct {
        const char* what;
        std::function<void()> act;
        Change change;
    } cases[] = {
        {"shown", [&] { ShowWindow(w); }, Change::shown},
        {"another window in front, taking the activation", [&] { ShowWindow(new_window()); }, Change::content},
        {"clicked into, coming to the front", [&] { ta::mouseDown(w, Point{1, 1}), ta::mouseUp(w, Point{1, 1}); },
         Change::reordered},
        {"moved", [&] { const Rect b{0, 0, 100, 100}; SetWindowBounds(w, kWindowContentRgn, &b); }, Change::moved},
        {"retitled", [&] { SetWindowTitleWithCFString(w, Str("Voxtrel")); }, Change::retitled},
        {"a value", [&] { SetControl32BitValue(box, 1); }, Change::content},
        {"a title", [&] { SetControlTitleWithCFString(box, Str("Other")); }, Change::content},
        {"a text",
         [&] {
             Str seven("7");
             CFStringRef text = seven;
             SetControlData(field, kControlEntireControl, kControlEditTextCFStringTag, sizeof text, &text);
         },
         Change::content},
        {"a view hidden", [&] { HideControl(box); }, Change::content},
        {"a view disabled", [&] { DisableControl(field); EnableControl(field); }, Change::content},
        {"a view moved", [&] { SetControlBounds(box, &f); }, Change::content},
        {"a view added", [&] { HIViewAddSubview(ta::rootView(w), inner); }, Change::content},
        {"a view disposed", [&] { DisposeControl(inner); }, Change::content},
        {"the focus taken", [&] { ta::focus(field); }, Change::content},
        {"typing", [&] { ta::typeKeys("3"); }, Change::content},
        {"the caret moved", [&] { ta::pressKey(kLeftArrowCharCode); }, Change::content},
        {"hidden", [&] { HideWindow(w); }, Change::hidden},
        {"disposed", [&] { DisposeWindow(w); }, Change::disposed},
    };
    for (const auto& c : cases) {
        heard.clear();
        c.act();
        EXPECT_NE(std::find(heard.begin(), heard.end(), Notice{w, c.change}), heard.end()) << c.what;
    }
    tk::detail::display::set_observer(nullptr);
    for (WindowRef left : ta::windows()) DisposeWindow(left);
}

// What a key types on the X display: the toolkit's code for the keys it names,
// the key's own character (Latin-1, Unicode, the keypad's digits and point), or nothing.
TEST(Display, AnXKeyGivesItsCharacterOrTheToolkitsCode) {
    const nlohmann::json keys = nlohmann::json::parse(std::ifstream(VOXTREL_TOOLKIT_TEST_DATA "/x11_keys.json"));
    for (const auto& [name, code] : keys.items())
        EXPECT_EQ(tk::x11::detail::char_code(XStringToKeysym(name.c_str())), code.get<UInt32>()) << name;
    using tk::x11::detail::modifiers_of;
    EXPECT_EQ(std::pair(modifiers_of(0), modifiers_of(ShiftMask | ControlMask | Mod1Mask | Mod4Mask)),
              (std::pair<EventModifiers, EventModifiers>(0, shiftKey | controlKey | optionKey)));
}

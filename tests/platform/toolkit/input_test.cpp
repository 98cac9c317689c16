// A person's input: the mouse on controls, the keyboard focus and typing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support.h"
#include "toolkit/automation.h"

using namespace tk_test;
namespace ta = tk::automation;

namespace {

const EventTypeSpec kCommand[] = {{kEventClassCommand, kEventCommandProcess}};

// Every command event the dialog's controls send, each as the control's text
// (or value, for one without text) at that moment.
struct Commands {
    std::vector<std::string> seen;
};

struct Listener {
    Commands* commands;
    ControlRef view;
};

OSStatus note_command(EventHandlerCallRef, EventRef, void* data) {
    const auto* listener = static_cast<Listener*>(data);
    const std::string text = ta::text(listener->view);
    listener->commands->seen.push_back(text.empty() ? std::to_string(GetControl32BitValue(listener->view)) : text);
    return noErr;
}

Point centre_of(ControlRef view) {
    const Rect f = ta::frame(view);
    return Point{static_cast<SInt16>((f.top + f.bottom) / 2), static_cast<SInt16>((f.left + f.right) / 2)};
}

// A shown dialog window whose controls report their command events.
struct Dialog {
    WindowRef window = new_window(kWindowCloseBoxAttribute, {100, 100, 300, 500});
    Commands commands;
    std::vector<std::unique_ptr<Listener>> listeners;

    Dialog() {
        SetThemeWindowBackground(window, kThemeBrushDialogBackgroundActive, false);
        ShowWindow(window);
    }
    ~Dialog() { DisposeWindow(window); }

    ControlRef listen(ControlRef view) {
        listeners.push_back(std::make_unique<Listener>(Listener{&commands, view}));
        InstallEventHandler(GetControlEventTarget(view), note_command, 1, kCommand, listeners.back().get(), nullptr);
        return view;
    }
    ControlRef field(Rect r, const char* text) {
        ControlRef v = nullptr;
        CreateEditUnicodeTextControl(window, &r, Str(text), false, nullptr, &v);
        return listen(v);
    }
    ControlRef check_box(Rect r, const char* title) {
        ControlRef v = nullptr;
        CreateCheckBoxControl(window, &r, Str(title), 0, true, &v);
        return listen(v);
    }
    void click_at(Point p) {
        ta::mouseDown(window, p);
        ta::mouseUp(window, p);
    }
};

}  // namespace

TEST(Input, APersonTypesIntoFieldsAndMovesBetweenThem) {
    Dialog d;
    ControlRef x = d.field({10, 10, 23, 70}, "1000"), y = d.field({10, 80, 23, 140}, "1000"),
               z = d.field({10, 150, 23, 210}, "1000"), count = d.field({40, 10, 53, 60}, "1");
    ControlRef disabled = d.field({40, 80, 53, 140}, "off"), hidden = d.field({40, 150, 53, 210}, "gone");
    DisableControl(disabled);
    HideControl(hidden);
    ControlRef box = d.check_box({70, 10, 83, 100}, "Box");
    const Rect xf = ta::frame(x);
    const struct {
        const char* step;
        std::function<void()> act;
        ControlRef focus;
        std::vector<std::string> texts;  // x, y, z, count
        std::vector<std::string> commits;
    } steps[] = {
        {"click at the end of X", [&] { d.click_at({static_cast<SInt16>(xf.top + 6), static_cast<SInt16>(xf.right - 2)}); },
         x, {"1000", "1000", "1000", "1"}, {}},
        {"type at the caret", [] { ta::typeKeys("5"); }, x, {"10005", "1000", "1000", "1"}, {}},
        {"Backspace twice", [] { ta::pressKey(kBackspaceCharCode), ta::pressKey(kBackspaceCharCode); }, x,
         {"100", "1000", "1000", "1"}, {}},
        {"Home, then type", [] { ta::pressKey(kHomeCharCode), ta::typeKeys("9"); }, x, {"9100", "1000", "1000", "1"}, {}},
        {"End, Left, Delete", [] { ta::pressKey(kEndCharCode), ta::pressKey(kLeftArrowCharCode), ta::pressKey(kDeleteCharCode); },
         x, {"910", "1000", "1000", "1"}, {}},
        {"Shift+Left twice selects, typing replaces the selection",
         [] { ta::pressKey(kLeftArrowCharCode, shiftKey), ta::pressKey(kLeftArrowCharCode, shiftKey), ta::typeKeys("7"); },
         x, {"97", "1000", "1000", "1"}, {}},
        {"Ctrl+A selects all", [] { ta::pressKey('a', controlKey), ta::typeKeys("500"); }, x, {"500", "1000", "1000", "1"}, {}},
        {"Tab commits and selects the next field", [] { ta::pressKey(kTabCharCode), ta::typeKeys("7"); }, y,
         {"500", "7", "1000", "1"}, {"500"}},
        {"Tab commits again", [] { ta::pressKey(kTabCharCode); }, z, {"500", "7", "1000", "1"}, {"500", "7"}},
        {"Tab through an untouched field commits nothing, the next row follows",
         [] { ta::pressKey(kTabCharCode); }, count, {"500", "7", "1000", "1"}, {"500", "7"}},
        {"disabled and hidden fields are skipped, the order goes round",
         [] { ta::pressKey(kTabCharCode); }, x, {"500", "7", "1000", "1"}, {"500", "7"}},
        {"Shift+Tab goes back", [] { ta::pressKey(kTabCharCode, shiftKey), ta::pressKey(kTabCharCode, shiftKey); }, z,
         {"500", "7", "1000", "1"}, {"500", "7"}},
        {"Return commits and keeps the focus", [] { ta::typeKeys("3"), ta::pressKey(kReturnCharCode); }, z,
         {"500", "7", "3", "1"}, {"500", "7", "3"}},
        {"Return without typing commits nothing", [] { ta::pressKey(kReturnCharCode); }, z, {"500", "7", "3", "1"},
         {"500", "7", "3"}},
        {"clicking elsewhere leaves the field, commits it, then clicks",
         [&] { ta::typeKeys("4"), d.click_at(centre_of(box)); }, nullptr, {"500", "7", "34", "1"},
         {"500", "7", "3", "34", "Box"}},
        {"without a focus typing goes nowhere", [] { ta::typeKeys("x"); }, nullptr, {"500", "7", "34", "1"},
         {"500", "7", "3", "34", "Box"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        EXPECT_EQ(ta::focusedView(d.window), s.focus);
        EXPECT_EQ((std::vector<std::string>{ta::text(x), ta::text(y), ta::text(z), ta::text(count)}), s.texts);
        EXPECT_EQ(d.commands.seen, s.commits);
    }
    EXPECT_EQ(ta::text(disabled), "off");
}

TEST(Input, AClickIsAPressAndAReleaseInsideTheControl) {
    Dialog d;
    ControlRef box = d.check_box({10, 10, 23, 100}, "Box");
    const Point inside = centre_of(box), outside{100, 300};
    const auto looks = [&] { return ta::renderView(box).pixels; };
    const auto plain = looks();
    ta::mouseDown(d.window, inside);
    EXPECT_NE(looks(), plain) << "pressed while the mouse is inside";
    ta::mouseDragged(d.window, outside);
    EXPECT_EQ(looks(), plain) << "not pressed once it left";
    ta::mouseUp(d.window, outside);
    EXPECT_EQ(GetControl32BitValue(box), 0);
    EXPECT_TRUE(d.commands.seen.empty());
    // Back inside before the release: that is a click.
    ta::mouseDown(d.window, inside);
    ta::mouseDragged(d.window, outside);
    ta::mouseDragged(d.window, inside);
    ta::mouseUp(d.window, inside);
    EXPECT_EQ(GetControl32BitValue(box), 1);
    EXPECT_EQ(d.commands.seen, std::vector<std::string>{"Box"});
    EXPECT_EQ(looks().size(), plain.size());
}

TEST(Input, WhatAClickDoesToEachKindOfControl) {
    Dialog d;
    const Rect r{10, 10, 30, 110};
    const struct {
        const char* kind;
        std::function<ControlRef()> make;
        std::vector<SInt32> values;  // after each of two clicks
        std::vector<std::string> commands;
    } kinds[] = {
        {"check box", [&] { return d.check_box(r, ""); }, {1, 0}, {"1", "0"}},
        {"check box that does not toggle itself",
         [&] {
             ControlRef v = nullptr;
             CreateCheckBoxControl(d.window, &r, nullptr, 0, false, &v);
             return d.listen(v);
         },
         {0, 0}, {"0", "0"}},
        {"radio button, which only turns on",
         [&] {
             ControlRef v = nullptr;
             CreateRadioButtonControl(d.window, &r, nullptr, 0, true, &v);
             return d.listen(v);
         },
         {1, 1}, {"1", "1"}},
        {"push button",
         [&] {
             ControlRef v = nullptr;
             CreatePushButtonControl(d.window, &r, nullptr, &v);
             return d.listen(v);
         },
         {0, 0}, {"0", "0"}},
        {"toggling bevel button",
         [&] {
             ControlRef v = nullptr;
             CreateBevelButtonControl(d.window, &r, nullptr, 0, kControlBehaviorToggles, nullptr, 0, 0, 0, &v);
             return d.listen(v);
         },
         {1, 0}, {"1", "0"}},
        {"edit field, which takes the focus", [&] { return d.field(r, ""); }, {0, 0}, {}},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        d.commands.seen.clear();
        ControlRef view = k.make();
        std::vector<SInt32> values;
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(ta::click(view));
            values.push_back(GetControl32BitValue(view));
        }
        EXPECT_EQ(values, k.values);
        EXPECT_EQ(d.commands.seen, k.commands) << "the command goes out after the control toggled";
        DisposeControl(view);
    }
}

TEST(Input, ViewsThatCannotBeOperatedIgnoreTheMouseAndTheKeys) {
    Dialog d;
    const Rect r{10, 10, 40, 110};
    ControlRef group = nullptr;
    const Rect g{60, 10, 150, 300};
    CreateGroupBoxControl(d.window, &g, Str("Group"), true, &group);
    const auto make = [&](auto create) {
        ControlRef v = nullptr;
        create(&v);
        return d.listen(v);
    };
    const struct {
        const char* what;
        std::function<ControlRef()> make;
    } views[] = {
        {"a group box", [&] { return d.listen(group); }},
        {"an icon", [&] { return make([&](ControlRef* v) { CreateIconControl(d.window, &r, nullptr, false, v); }); }},
        {"a static text", [&] { return make([&](ControlRef* v) { CreateStaticTextControl(d.window, &r, Str("T"), nullptr, v); }); }},
        {"a user pane", [&] { return make([&](ControlRef* v) { CreateUserPaneControl(d.window, &r, 0, v); }); }},
        {"a disabled check box",
         [&] {
             ControlRef v = d.check_box(r, "Box");
             DisableControl(v);
             return v;
         }},
        {"a check box in a disabled group",
         [&] {
             ControlRef v = d.check_box({10, 10, 30, 100}, "Box");
             HIViewAddSubview(group, v);
             DisableControl(group);
             return v;
         }},
        {"a hidden push button",
         [&] {
             ControlRef v = make([&](ControlRef* out) { CreatePushButtonControl(d.window, &r, Str("Go"), out); });
             HideControl(v);
             return v;
         }},
        {"a push button in a hidden window",
         [&] {
             ControlRef v = make([&](ControlRef* out) { CreatePushButtonControl(d.window, &r, Str("Go"), out); });
             HideWindow(d.window);
             return v;
         }},
        {"a disabled edit field",
         [&] {
             ControlRef v = d.field(r, "12");
             DisableControl(v);
             return v;
         }},
        {"a disabled popup",
         [&] {
             ControlRef v = make([&](ControlRef* out) { CreatePopupButtonControl(d.window, &r, nullptr, 0, false, -1, 0, normal, out); });
             MenuRef menu = nullptr;
             CreateNewMenu(1, 0, &menu);
             InsertMenuItemTextWithCFString(menu, Str("One"), 0, 0, 0);
             SetControlData(v, kControlEntireControl, kControlPopupButtonOwnedMenuRefTag, sizeof menu, &menu);
             DisableControl(v);
             return v;
         }},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.what);
        d.commands.seen.clear();
        ControlRef view = v.make();
        const SInt32 value = GetControl32BitValue(view);
        const std::string text = ta::text(view);
        EXPECT_FALSE(ta::click(view));
        EXPECT_FALSE(ta::typeText(view, "9"));
        d.click_at(centre_of(view));
        ta::pressKey('7');
        ta::pressKey(kTabCharCode);
        EXPECT_TRUE(d.commands.seen.empty());
        EXPECT_EQ(GetControl32BitValue(view), value);
        EXPECT_EQ(ta::text(view), text);
        EXPECT_EQ(ta::focusedView(d.window), nullptr);
        EXPECT_EQ(ta::openMenuWindow(), nullptr);
        if (view != group) DisposeControl(view);
        EnableControl(group);
        ShowWindow(d.window);
    }
}

TEST(Input, TheFocusedFieldShowsARingAndTheCaretOrTheSelection) {
    Dialog d;
    ControlRef field = d.field({10, 10, 30, 110}, "42");
    ControlRef other = d.field({40, 10, 60, 110}, "42");
    const auto picture = [&] { return ta::renderView(field); };
    const auto unfocused = picture();
    ASSERT_TRUE(ta::focus(field));
    const auto withCaret = picture();
    ta::pressKey('a', controlKey);
    const auto withSelection = picture();
    // The ring replaces the border; the caret stands after the text; the selection lies behind it.
    EXPECT_NE(withCaret.at(0, 10), unfocused.at(0, 10));
    EXPECT_NE(withCaret.pixels, withSelection.pixels);
    int caretColumns = 0;
    for (int x = 5; x < 95; ++x) caretColumns += withCaret.at(x, 10) != unfocused.at(x, 10);
    EXPECT_EQ(caretColumns, 1);
    // Only the active window shows its focus.
    WindowRef front = new_window();
    ShowWindow(front);
    EXPECT_EQ(picture().pixels, unfocused.pixels);
    DisposeWindow(front);
    EXPECT_EQ(picture().pixels, withSelection.pixels);
    ASSERT_TRUE(ta::focus(other));
    EXPECT_EQ(picture().pixels, unfocused.pixels);
}

// A person's input: the mouse on controls, the keyboard focus and typing.
#include <list>

#include "support.h"

using namespace tk_test;

namespace {

using Make = std::function<void(ControlRef*)>;

Point centre_of(ControlRef view) {
    const Rect f = ta::frame(view);
    return Point{static_cast<SInt16>((f.top + f.bottom) / 2), static_cast<SInt16>((f.left + f.right) / 2)};
}

// A shown dialog window whose controls report each command event as the
// control's text (or value, for one without text) at that moment, joined by ",".
struct Dialog {
    WindowRef window = new_window(kWindowCloseBoxAttribute, {100, 100, 300, 500});
    std::string seen;
    std::list<std::pair<std::string*, ControlRef>> listeners;

    Dialog() {
        SetThemeWindowBackground(window, kThemeBrushDialogBackgroundActive, false);
        ShowWindow(window);
    }
    ~Dialog() { DisposeWindow(window); }

    static OSStatus note(EventHandlerCallRef, EventRef, void* data) {
        auto& [seen, view] = *static_cast<std::pair<std::string*, ControlRef>*>(data);
        const std::string text = ta::text(view);
        *seen += (seen->empty() ? "" : ",") + (text.empty() ? std::to_string(GetControl32BitValue(view)) : text);
        return noErr;
    }
    ControlRef make(const Make& create) {
        ControlRef v = nullptr;
        create(&v);
        listeners.emplace_back(&seen, v);
        const EventTypeSpec command{kEventClassCommand, kEventCommandProcess};
        InstallEventHandler(GetControlEventTarget(v), note, 1, &command, &listeners.back(), nullptr);
        return v;
    }
    ControlRef field(Rect r, const char* text) {
        return make([&](ControlRef* v) { CreateEditUnicodeTextControl(window, &r, Str(text), false, nullptr, v); });
    }
    ControlRef check_box(Rect r, const char* title) {
        return make([&](ControlRef* v) { CreateCheckBoxControl(window, &r, Str(title), 0, true, v); });
    }
    void click_at(Point p) { ta::mouseDown(window, p), ta::mouseUp(window, p); }
};

}  // namespace

TEST(Input, APersonTypesIntoFieldsAndMovesBetweenThem) {
    Dialog d;
    ControlRef x = d.field({10, 10, 23, 70}, "1000"), y = d.field({10, 80, 23, 140}, "1000"),
               z = d.field({10, 150, 23, 210}, "1000"), count = d.field({40, 10, 53, 60}, "1");
    ControlRef disabled = d.field({40, 80, 53, 140}, "off"), hidden = d.field({40, 150, 53, 210}, "gone");
    DisableControl(disabled), HideControl(hidden);
    ControlRef box = d.check_box({70, 10, 83, 100}, "Box");
    const auto inX = [&](int h) { return Point{static_cast<SInt16>(ta::frame(x).top + 6), static_cast<SInt16>(h)}; };
    const auto key = [](UInt32 c, EventModifiers m = 0) { return [=] { EXPECT_TRUE(ta::pressKey(c, m)) << c; }; };
    const auto type = [&](auto s) { return [&, s] { EXPECT_EQ(ta::typeKeys(s), !!ta::focusedView(d.window)); }; };
    const struct {
        const char* step;
        std::vector<std::function<void()>> acts;
        ControlRef focus;
        const char* texts;  // x|y|z|count
        const char* commits;
    } steps[] = {
        {"click at the end of X", {[&] { d.click_at(inX(ta::frame(x).right - 2)); }}, x, "1000|1000|1000|1", ""},
        {"type at the caret", {type("5")}, x, "10005|1000|1000|1", ""},
        {"Backspace twice", {key(kBackspaceCharCode), key(kBackspaceCharCode)}, x, "100|1000|1000|1", ""},
        {"Home, Backspace, type", {key(kHomeCharCode), key(kBackspaceCharCode), type("9")}, x, "9100|1000|1000|1", ""},
        {"click before it", {[&] { d.click_at(inX(ta::frame(x).left + 1)); }, type("8")}, x, "89100|1000|1000|1", ""},
        {"End, Left, Delete", {key(kEndCharCode), key(kLeftArrowCharCode), key(kDeleteCharCode)}, x,
         "8910|1000|1000|1", ""},
        {"Shift+Left twice selects, typing replaces the selection",
         {key(kLeftArrowCharCode, shiftKey), key(kLeftArrowCharCode, shiftKey), type("7")}, x, "897|1000|1000|1", ""},
        {"Command+Shift+A selects all", {key('A', cmdKey), type("500")}, x, "500|1000|1000|1", ""},
        {"U+10000 and U+10FFFF, the first and last of two units, are stepped over and deleted whole",
         {type("\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), key(kLeftArrowCharCode), key(kBackspaceCharCode),
          key(kRightArrowCharCode), key(kBackspaceCharCode)}, x, "500|1000|1000|1", ""},
        {"Tab commits and selects the next field", {key(kTabCharCode), type("7")}, y, "500|7|1000|1", "500"},
        {"Tab commits again", {key(kTabCharCode)}, z, "500|7|1000|1", "500,7"},
        {"Tab through an untouched field commits nothing", {key(kTabCharCode)}, count, "500|7|1000|1", "500,7"},
        {"disabled and hidden fields are skipped, the order goes round", {key(kTabCharCode)}, x, "500|7|1000|1",
         "500,7"},
        {"Shift+Tab goes back", {key(kTabCharCode, shiftKey), key(kTabCharCode, shiftKey)}, z, "500|7|1000|1", "500,7"},
        {"Return commits and keeps the focus", {type("3"), key(kReturnCharCode)}, z, "500|7|3|1", "500,7,3"},
        {"Return without typing commits nothing", {key(kReturnCharCode)}, z, "500|7|3|1", "500,7,3"},
        {"clicking elsewhere leaves the field, commits it, then clicks",
         {type("4"), [&] { d.click_at(centre_of(box)); }}, nullptr, "500|7|34|1", "500,7,3,34,Box"},
        {"without a focus typing goes nowhere", {type("x")}, nullptr, "500|7|34|1", "500,7,3,34,Box"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        for (const auto& act : s.acts) act();
        const std::string texts = ta::text(x) + "|" + ta::text(y) + "|" + ta::text(z) + "|" + ta::text(count);
        EXPECT_EQ(std::tuple(ta::focusedView(d.window), texts, d.seen), std::tuple(s.focus, s.texts, s.commits));
    }
    EXPECT_EQ(ta::text(disabled), "off");
}

TEST(Input, AClickIsAPressAndAReleaseInsideTheControl) {
    Dialog d;
    ControlRef box = d.check_box({10, 10, 23, 100}, "Box");
    HIViewAddSubview(pane(d.window, {30, 40, 80, 200}), box);  // reached through a view of its own at an offset
    const Point inside = centre_of(box), outside{100, 300};
    const auto looks = [&] { return ta::renderView(box).pixels; };
    const auto plain = looks();
    ta::mouseDown(d.window, inside);
    EXPECT_NE(looks(), plain) << "pressed while the mouse is inside";
    ta::mouseDragged(d.window, outside);
    EXPECT_EQ(looks(), plain) << "not pressed once it left";
    ta::mouseUp(d.window, outside);
    EXPECT_EQ(std::pair(GetControl32BitValue(box), d.seen), std::pair(0, std::string()));
    // Back inside before the release: that is a click.
    ta::mouseDown(d.window, inside), ta::mouseDragged(d.window, outside), ta::mouseDragged(d.window, inside);
    ta::mouseUp(d.window, inside);
    EXPECT_EQ(std::pair(GetControl32BitValue(box), d.seen), std::pair(1, std::string("Box")));
    // Released at the same point of another window: no click either.
    WindowRef other = new_window();
    ShowWindow(other), ta::mouseDown(d.window, inside), ta::mouseUp(other, inside), DisposeWindow(other);
    // A control disposed while pressed takes its press with it: the release clicks nothing.
    ta::mouseDown(d.window, inside), DisposeControl(box), ta::mouseUp(d.window, inside);
    EXPECT_EQ(d.seen, "Box");
}

TEST(Input, WhatAClickDoesToEachKindOfControl) {
    Dialog d;
    const Rect r{10, 10, 30, 110};
    const struct {
        const char* kind;
        Make create;
        const char* values;    // after each of two clicks, and how the control looks
        const char* commands;  // sent after the control toggled
    } kinds[] = {
        {"check box", [&](ControlRef* v) { CreateCheckBoxControl(d.window, &r, nullptr, 0, true, v); }, "1*0", "1,0"},
        {"check box that does not toggle itself",
         [&](ControlRef* v) { CreateCheckBoxControl(d.window, &r, nullptr, 0, false, v); }, "00", "0,0"},
        {"radio button, which only turns on",
         [&](ControlRef* v) { CreateRadioButtonControl(d.window, &r, nullptr, 0, true, v); }, "1*1*", "1,1"},
        {"tracking icon", [&](ControlRef* v) { CreateIconControl(d.window, &r, nullptr, false, v); }, "00", "0,0"},
        {"toggling bevel button",
         [&](ControlRef* v) {
             CreateBevelButtonControl(d.window, &r, nullptr, 0, kControlBehaviorToggles, nullptr, 0, 0, 0, v);
         },
         "1*0", "1,0"},
        {"edit field, which takes the focus",
         [&](ControlRef* v) { CreateEditUnicodeTextControl(d.window, &r, nullptr, false, nullptr, v); }, "00", ""},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.kind);
        d.seen.clear();
        ControlRef view = d.make(k.create);
        ta::typeText(view, "7");  // typing goes into fields alone: it neither clicks nor changes the others
        const auto plain = ta::renderView(view).pixels;
        std::string values;
        for (int i = 0; i < 2; ++i) {
            EXPECT_TRUE(ta::click(view));
            // The value, marked with * where the control then looks other than before the clicks.
            values += std::to_string(GetControl32BitValue(view)) + (ta::renderView(view).pixels == plain ? "" : "*");
        }
        EXPECT_EQ(std::tuple(values, d.seen), std::tuple(k.values, k.commands));
        DisposeControl(view);
    }
}

TEST(Input, ViewsThatCannotBeOperatedIgnoreTheMouseAndTheKeys) {
    Dialog d;
    const Rect r{10, 10, 40, 110}, g{60, 10, 150, 300};
    ControlRef group = d.make([&](ControlRef* v) { CreateGroupBoxControl(d.window, &g, Str("Group"), true, v); });
    const auto disabled = [](ControlRef v) { return DisableControl(v), v; };
    const auto hidden = [](ControlRef v) { return HideControl(v), v; };
    const auto in_group = [&](ControlRef v) { return HIViewAddSubview(group, v), v; };
    const auto push = [&] { return d.make([&](ControlRef* v) { CreatePushButtonControl(d.window, &r, nullptr, v); }); };
    const struct {
        const char* what;
        std::function<ControlRef()> make;
    } views[] = {
        {"a group box", [&] { return group; }},
        {"an icon", [&] { return d.make([&](ControlRef* v) { CreateIconControl(d.window, &r, nullptr, true, v); }); }},
        {"a static text",
         [&] { return d.make([&](ControlRef* v) { CreateStaticTextControl(d.window, &r, Str("T"), nullptr, v); }); }},
        {"a user pane", [&] { return d.make([&](ControlRef* v) { CreateUserPaneControl(d.window, &r, 0, v); }); }},
        {"a disabled check box", [&] { return disabled(d.check_box(r, "Box")); }},
        {"a check box in a disabled group",
         [&] { return disabled(group), in_group(d.check_box({10, 10, 30, 100}, "Box")); }},
        {"a push button in a hidden group", [&] { return hidden(group), in_group(push()); }},
        {"a hidden push button", [&] { return hidden(push()); }},
        {"a push button in a hidden window", [&] { return HideWindow(d.window), push(); }},
        {"a disabled edit field", [&] { return disabled(d.field(r, "12")); }},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.what);
        d.seen.clear();
        ControlRef view = v.make();
        const SInt32 value = GetControl32BitValue(view);
        const std::string text = ta::text(view);
        EXPECT_FALSE(ta::click(view) || ta::typeText(view, "9"));
        d.click_at(centre_of(view));
        EXPECT_FALSE(ta::pressKey('7'));  // no field has the focus
        ta::pressKey(kTabCharCode);
        EXPECT_EQ(std::tuple(d.seen, GetControl32BitValue(view), ta::text(view), ta::focusedView(d.window),
                             ta::openMenuWindow()),
                  std::tuple(std::string(), value, text, ControlRef{}, WindowRef{}));
        if (view != group) DisposeControl(view);
        EnableControl(group);
        ShowControl(group);
        ShowWindow(d.window);
    }
    EXPECT_FALSE(ta::mouseDown(nullptr, {20, 20}));  // nor a press on no window
}

TEST(Input, TheFocusedFieldShowsARingAndTheCaretOrTheSelection) {
    Dialog d;
    ControlRef field = d.field({10, 10, 30, 110}, "42"), other = d.field({40, 10, 60, 110}, "42");
    const auto picture = [&] { return ta::renderView(field); };
    const auto unfocused = picture();
    ASSERT_TRUE(ta::focus(field));
    const auto withCaret = picture();
    ta::pressKey('a', controlKey);
    const auto withSelection = picture();
    // The ring replaces the border; the caret stands after the text; the selection lies behind it.
    EXPECT_TRUE(withCaret.at(0, 10) != unfocused.at(0, 10) && withCaret.pixels != withSelection.pixels);
    int caretColumns = 0;
    for (int x = 5; x < 95; ++x) caretColumns += withCaret.at(x, 10) != unfocused.at(x, 10);
    EXPECT_EQ(caretColumns, 1);
    // Only the active window shows its focus.
    WindowRef front = new_window();
    ShowWindow(front);
    EXPECT_EQ(picture().pixels, unfocused.pixels);
    DisposeWindow(front);
    EXPECT_TRUE(picture().pixels == withSelection.pixels && ta::focus(other) && picture().pixels == unfocused.pixels);
}

// The dialog toolkit: the builder, enabling, item wrappers, image items, the
// destroy protocols and placing a dialog on the screen. The basic suite offers
// nothing (the builder asks for no host suite); a traced dialog and traced item
// wrappers record what they went through.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMDrawer.h"
#include "adm/detail/iADMImage.h"
#include "adm/detail/iADMItem.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "dialog/BaseADMImageItem.h"
#include "dialog/BaseDlg.h"
#include "toolkit/automation.h"

namespace {

// What a traced wrapper went through; it outlives the wrapper.
struct Trace {
    int destroy_calls = 0, deaths = 0, inits = 0;
    std::vector<std::string> notes;
};

inline std::string describe(IADMNotifier notifier) {
    return notifier.IsNotifierType(kADMUserChangedNotifier) ? "changed " + std::to_string(notifier.GetItemID())
                                                            : "other";
}

class TestDlg : public BaseDlg {
public:
    explicit TestDlg(Trace& trace) : trace(trace) {}
    ~TestDlg() override { ++trace.deaths; }

    ASErr Init() override {
        ++trace.inits;
        ASErr const err = BaseDlg::Init();
        if (build) build(*this);
        return err ? err : init_result;
    }
    void Notify(IADMNotifier notifier) override {
        trace.notes.push_back(describe(notifier));
        BaseDlg::Notify(notifier);
    }
    void Destroy() override {
        ++trace.destroy_calls;
        BaseDlg::Destroy();
    }

    ADMDialogRef make() { return Create(nullptr, "Test", 0, kADMTabbedFloatingDialogStyle, 0); }
    WindowRef window() const { return dialog ? from_ref(dialog)->window : nullptr; }
    std::list<BaseADMItem*> const& wrappers() const { return item_wrappers; }

    std::function<void(TestDlg&)> build;
    ASErr init_result = 0;
    Trace& trace;
};

class TestItem : public BaseADMItem {
public:
    explicit TestItem(Trace& trace, ADMItemRef item = nullptr) : BaseADMItem(item), trace(trace) {}
    ~TestItem() override { ++trace.deaths; }

    ASErr Init() override {
        ++trace.inits;
        init_saw_item = item != nullptr;
        return init_result;
    }
    void Notify(IADMNotifier notifier) override {
        trace.notes.push_back(describe(notifier));
        BaseADMItem::Notify(notifier);
    }

    ASErr init_result = 0;
    bool init_saw_item = false;
    Trace& trace;
};

// The control of an item, as the toolkit holds it.
inline ControlRef control_of(ADMItemRef item) { return from_ref(item)->control; }

// Top, left, bottom, right.
inline std::array<int, 4> bounds_of(ADMDialogRef dialog) {
    ADMRect r{0, 0, 0, 0};
    ADMDialogSuite9::GetBoundsRect(dialog, &r);
    return {r.top, r.left, r.bottom, r.right};
}

// A container view, as the host gives one to a panel.
struct PanelHost {
    PanelHost() {
        Rect const pane{0, 0, 300, 500};
        CreateUserPaneControl(nullptr, &pane, 0, &container);
    }
    ~PanelHost() {
        if (container) DisposeControl(container);
    }

    ADMDialogRef open(BaseADMDialog& dialog) {
        return dialog.CreatePanel(nullptr, "Panel", 0, nullptr, nullptr, container, &functions, &refcon);
    }

    ControlRef container = nullptr;
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
};

// Every test starts with a basic suite and the default screen, and must leave no
// toolkit object behind. Both are checked around the fixture's own members, which
// the derived fixtures construct after this base and destroy before it.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() : saved_basic(sSPBasic), live_before(tk::automation::liveCounts()) { sSPBasic = &no_suites; }
    ~DialogTest() override {
        tk::automation::resetScreens();
        EXPECT_EQ(tk::automation::liveCounts(), live_before) << "toolkit objects left alive";
        sSPBasic = saved_basic;
    }

private:
    SPBasicSuite no_suites{[](const char*, A_long, const void** suite) -> SPErr { return *suite = nullptr, 13; },
                           [](const char*, A_long) -> SPErr { return 0; }};
    SPBasicSuite* saved_basic;
    tk::automation::LiveCounts live_before;
};

void draw_nothing(ADMItemRef, ADMDrawerRef) {}

// The dialog builder (where its controls land and their texts are pinned by the
// main dialog's layout table): initial states, icons, and no dialog.

class Builder : public DialogTest {
protected:
    // Builds the dialog with `build` and keeps it open for the test.
    ADMDialogRef open(std::function<void(TestDlg&)> build) {
        dlg.build = std::move(build);
        return dlg.make();
    }

    Trace trace;
    TestDlg dlg{trace};
};

// Only the low byte of an initial state counts; a radio button switched on
// turns the rest of its group off.
TEST_F(Builder, InitialStatesOfBoxesAndRadioButtons) {
    open([](TestDlg& d) {
        int id = 1;
        for (int state : {256, 257, -256, 0, 2}) d.add_checkbox(IASRect{0, 0, 17, 80}, "box", id++, state);
        d.add_radio(IASRect{0, 0, 17, 80}, "one", 10, 0);
        d.add_radio(IASRect{20, 0, 17, 80}, "two", 11, 1);
        d.add_radio(IASRect{40, 0, 17, 80}, "three", 12, 256);
    });
    std::vector<bool> on;
    for (int id : {1, 2, 3, 4, 5, 10, 11, 12}) on.push_back(ADMItemSuite10::GetBooleanValue(dlg.get_item(id)));
    EXPECT_EQ(on, (std::vector<bool>{false, true, false, false, true, false, true, false}));
}

TEST_F(Builder, IconWrapperBelongsToItsItemAndDrawsThroughTheCallback) {
    static ADMItemRef drawn_item = nullptr;
    drawn_item = nullptr;
    ADMItemRef icon = nullptr;
    open([&](TestDlg& d) {
        icon = d.add_icon(
            IASRect{20, 30, 10, 16},
            [](ADMItemRef item, ADMDrawerRef drawer) {
                drawn_item = item;
                ADMDrawerSuite5::SetADMColor(drawer, kADMDisabledColor);
                ADMRect const all{0, 0, 10, 16};
                ADMDrawerSuite5::FillRect(drawer, &all);
            },
            40);
    });
    ASSERT_TRUE(icon && dlg.wrappers().size() == 1);
    EXPECT_EQ(std::pair(dlg.wrappers().front()->GetItemRef(), ADMItemSuite10::GetUserData(icon)),
              std::pair(icon, static_cast<void*>(dlg.wrappers().front())));
    // The grey the callback chose covers the icon's place on the window.
    EXPECT_EQ(tk::automation::renderWindow(dlg.window()).at(30 + 8, 20 + 5) & 0xFF0000FFu, 0xFF000020u);
    EXPECT_EQ(drawn_item, icon);
}

// Without a dialog, or past a dialog's 100 items, no item is made, yet an icon
// still gets its wrapper (which the dialog wrapper then owns).
TEST_F(Builder, IconWithoutItemStillGetsAWrapper) {
    IASRect const r{0, 0, 10, 10};
    EXPECT_EQ((std::vector<ADMItemRef>{dlg.add_ctrl(kADMTextPushButtonType, r, "x", 1), dlg.add_static({0, 0}, "x", 1),
                                       dlg.add_edit(r, 1, 0, 1, 0), dlg.add_icon(r, nullptr, 1), dlg.get_item(1)}),
              std::vector<ADMItemRef>(5, nullptr));
    EXPECT_EQ(dlg.wrappers().size(), 1u);

    TestDlg full{trace};
    ADMItemRef icon = reinterpret_cast<ADMItemRef>(1);
    full.build = [&](TestDlg& d) {
        for (int i = 0; i < 100; ++i) d.add_ctrl(kADMTextPushButtonType, r, nullptr, i);
        icon = d.add_icon(r, nullptr, 100);
    };
    ASSERT_NE(full.make(), nullptr);
    EXPECT_EQ(std::pair(full.get_item(99) != nullptr, icon), std::pair(true, ADMItemRef{}));
    EXPECT_TRUE(full.wrappers().size() == 1 && !full.wrappers().front()->GetItemRef());
}

// Enabling a whole dialog: the item walk starts at the first item with ID -1
// (the plug-in's dialogs have none), and the icon wrappers are reached besides;
// only a change of the dialog's state does anything, and only items in the
// other state change.
using Enabling = DialogTest;

TEST_F(Enabling, ReachesTheItemsFromIdMinusOneAndTheIconsOnAChangeOfState) {
    Trace trace;
    TestDlg dlg{trace};
    std::vector<ADMItemRef> items;  // before, icon, marker, after, static text
    dlg.build = [&](TestDlg& d) {
        items = {d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 60}, "before", 1),
                 d.add_icon(IASRect{30, 0, 16, 16}, draw_nothing, 40),
                 d.add_ctrl(kADMTextCheckBoxType, IASRect{30, 0, 20, 60}, "marker", -1),
                 d.add_ctrl(kADMTextPushButtonType, IASRect{60, 0, 20, 60}, "after", 2),
                 d.add_static(ADMPoint{90, 0}, "label", 5)};
    };
    ASSERT_NE(dlg.make(), nullptr);
    ControlRef const icon = control_of(items[1]);
    auto const states = [&] {  // the dialog's own state, then each item's
        std::string on = dlg.IsEnabled() ? "+" : "-";
        for (ADMItemRef item : items)
            on += IsControlEnabled(item == items[4] ? from_ref(item)->label : control_of(item)) ? '1' : '0';
        return on;
    };
    std::vector<std::string> seen;
    for (bool on : {false, true, false}) dlg.Enable(on), seen.push_back(states());
    // A static text never reports itself enabled, so disabling leaves its text alone.
    EXPECT_EQ(seen, (std::vector<std::string>{"-11111", "+11111", "-10001"}));
    EnableControl(icon);
    dlg.Enable(false);
    EXPECT_TRUE(IsControlEnabled(icon));
    dlg.Enable(true);
    DisableControl(icon);  // out of step behind the dialog's back
    dlg.Enable(false);
    EXPECT_FALSE(IsControlEnabled(icon));
}

// Item wrappers: how they hook onto their items, where notifications and value
// conversions go, and how they let go.

class Wrapping : public DialogTest {
protected:
    void SetUp() override {
        dlg.build = [this](TestDlg& d) {
            plain = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 60}, "plain", 5);
        };
        ASSERT_NE(dlg.make(), nullptr);
        ADMDialogSuite9::Show(dlg.GetDialogRef(), true);
    }

    Trace dialog_trace, trace;
    TestDlg dlg{dialog_trace};
    ADMItemRef plain = nullptr;
};

// Reads "half" as 0.5 and writes values as percentages.
class PercentItem : public TestItem {
public:
    using TestItem::TestItem;
    ADMBoolean TextToFloat(const char* text, float& value) override {
        if (std::strcmp(text, "half") != 0) return BaseADMItem::TextToFloat(text, value);
        value = 0.5f;
        return true;
    }
    ADMBoolean FloatToText(float value, char* text, ADMInt32 length) override {
        std::snprintf(text, static_cast<std::size_t>(length), "%d%%", static_cast<int>(value * 100));
        return true;
    }
};

// Create runs Init with the handle and installs the wrapper, which then takes
// the item's clicks instead of the dialog; a failed Init leaves no handle, and
// without a dialog nothing is made.
TEST_F(Wrapping, CreateInstallsTheWrapperWhichTakesTheClicks) {
    auto* wrapper = new TestItem(trace);
    ADMItemRef item = wrapper->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextPushButtonType, 6);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(std::tuple(wrapper->GetItemRef(), wrapper->init_saw_item, ADMItemSuite10::GetUserData(item)),
              std::tuple(item, true, static_cast<void*>(wrapper)));
    ASSERT_TRUE(tk::automation::click(control_of(item)) && trace.notes == std::vector<std::string>{"changed 6"});
    ASSERT_TRUE(tk::automation::click(control_of(plain)));
    EXPECT_EQ(dialog_trace.notes, std::vector<std::string>{"changed 5"});

    auto* refused = new TestItem(trace);
    refused->init_result = 1;
    EXPECT_EQ(refused->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextPushButtonType, 8), nullptr);
    EXPECT_TRUE(!refused->GetItemRef() && dlg.get_item(8) && !ADMItemSuite10::GetUserData(dlg.get_item(8)));
    delete refused;

    TestItem orphan(trace);
    int const inits = trace.inits;
    EXPECT_EQ(orphan.Create(nullptr, ADMRect{0, 0, 10, 10}, kADMTextPushButtonType, 1), nullptr);
    EXPECT_EQ(trace.inits, inits);
}

TEST_F(Wrapping, ConstructorHooksOntoAnExistingItemAndDestructorLetsGo) {
    auto* wrapper = new TestItem(trace, plain);
    EXPECT_EQ(ADMItemSuite10::GetUserData(plain), wrapper);
    EXPECT_TRUE(tk::automation::click(control_of(plain)) && trace.notes.size() == 1);
    delete wrapper;
    EXPECT_EQ(ADMItemSuite10::GetUserData(plain), nullptr);
    // Unhooked: the click goes to the dialog again, and disposal finds no wrapper to delete.
    ASSERT_TRUE(tk::automation::click(control_of(plain)));
    EXPECT_EQ(std::tuple(dialog_trace.notes, trace.deaths), std::tuple(std::vector<std::string>{"changed 5"}, 1));
}

TEST_F(Wrapping, ValueConversionsGoThroughTheWrapper) {
    auto* wrapper = new PercentItem(trace);
    ADMItemRef edit = wrapper->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextEditType, 7);
    ADMItemSuite10::SetMaxFloatValue(edit, 10.0f);
    ADMItemSuite10::SetFloatValue(edit, 0.25f);
    EXPECT_EQ(tk::automation::text(control_of(edit)), "25%");
    ADMItemSuite10::SetText(edit, "half");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(edit), 0.5f);
    ADMItemSuite10::SetText(edit, "3");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(edit), 3.0f);
    // Unhooked, the wrapper's procs write no text, and the shown text stays.
    ADMItemSuite10::SetUserData(edit, nullptr);
    ADMItemSuite10::SetFloatValue(edit, 0.75f);
    EXPECT_EQ(tk::automation::text(control_of(edit)), "3");
    ADMItemSuite10::SetUserData(edit, wrapper);
}

// Image items: drawing lands in an offscreen image of the item's size, kept
// from draw to draw until the size changes, then copied onto the item's drawer.

class PaintedItem : public BaseADMImageItem {
public:
    void Draw(IADMDrawer drawer) override {
        drawers.push_back(drawer);
        ADMRect const all{0, 0, 100, 100};
        if (paint) drawer.FillRect(all);
    }
    bool UseImage() override { return use_image; }

    std::vector<ADMDrawerRef> drawers;
    bool use_image = true, paint = true;
};

class ImageItems : public DialogTest {
protected:
    void SetUp() override {
        ASSERT_NE(dlg.make(), nullptr);
        painted = new PaintedItem;
        item = painted->Create(dlg.GetDialogRef(), ADMRect{10, 10, 30, 50}, kADMPictureStaticType, 9);
        ASSERT_NE(item, nullptr);
    }
    tk::automation::Bitmap draw() { return tk::automation::renderWindow(dlg.window()); }
    static std::pair<int, int> size(ADMImageRef image) {
        return {ADMImageSuite2::GetWidth(image), ADMImageSuite2::GetHeight(image)};
    }

    Trace trace;
    TestDlg dlg{trace};
    PaintedItem* painted = nullptr;  // owned by its item
    ADMItemRef item = nullptr;
};

TEST_F(ImageItems, DrawingGoesIntoAnImageOfTheItemsSizeKeptUntilTheSizeChanges) {
    tk::automation::Bitmap const picture = draw();
    ADMImageRef const first = painted->GetImageRef();
    ASSERT_TRUE(first != nullptr && size(first) == std::pair(40, 20));
    EXPECT_EQ(painted->drawers, std::vector<ADMDrawerRef>{ADMImageSuite2::BeginADMDrawer(first)});
    // Black, opaque, exactly at the item's place.
    EXPECT_EQ((std::array{picture.at(10, 10), picture.at(49, 29)}), (std::array{0xFF000000u, 0xFF000000u}));
    EXPECT_NE(picture.at(50, 30), 0xFF000000u);

    // A mark outside the area cleared before each draw survives only in the same image.
    from_ref(first)->pixels[0] = 77;
    painted->paint = false;
    draw();
    EXPECT_EQ(std::tuple(painted->GetImageRef(), from_ref(first)->pixels[0]), std::tuple(first, 77));
    ADMRect const wider{0, 0, 20, 60};  // only one side changes
    ADMItemSuite10::SetLocalRect(item, &wider);
    draw();
    ADMImageRef const second = painted->GetImageRef();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(std::tuple(size(second), from_ref(second)->pixels[0]), std::tuple(std::pair(60, 20), 0));

    // Without an image, or with an item of no size, the item draws straight on its drawer.
    painted->drawers.clear();
    painted->paint = true;
    painted->use_image = false;
    EXPECT_EQ(draw().at(10, 10), 0xFF000000u);
    painted->use_image = true;
    ADMRect const none{0, 0, 0, 0};
    ADMItemSuite10::SetLocalRect(item, &none);
    draw();
    EXPECT_TRUE(!painted->GetImageRef() && painted->drawers.size() == 2 && painted->drawers[0] == painted->drawers[1]);
}

// The destroy protocols: a dialog wrapper deleted or only detached when its
// dialog goes under it, item wrappers deleted by their items, and a failed
// creation that leaves the wrapper with its creator.

class Destroying : public DialogTest {
protected:
    // A dialog with an icon (its wrapper made by the builder) and a traced item wrapper.
    TestDlg* new_dialog() {
        auto* dlg = new TestDlg(trace);
        dlg->build = [this](TestDlg& d) {
            d.add_icon(IASRect{0, 0, 16, 16}, draw_nothing, 40);
            auto* wrapper = new TestItem(item_trace);
            wrapper->Create(d.GetDialogRef(), ADMRect{20, 0, 40, 60}, kADMTextPushButtonType, 41);
        };
        return dlg;
    }

    Trace trace, item_trace;
};

enum class End { dispose_view, suite_destroy, delete_wrapper, failed_init, never_made };

// Whichever way it ends, the wrapper hears Destroy once when its dialog goes
// under it, and is deleted then only when it asked to be; item wrappers always go.
TEST_F(Destroying, EveryWayADialogEnds) {
    struct Case {
        char const* what;
        bool panel, keep;
        End end;
        int destroy_calls, deaths, item_deaths;
    };
    Case const cases[] = {
        {"window disposed", false, false, End::dispose_view, 1, 1, 1},
        {"window disposed, wrapper kept", false, true, End::dispose_view, 1, 0, 1},
        {"suite destroy, wrapper kept", false, true, End::suite_destroy, 1, 0, 1},
        {"wrapper deleted", false, false, End::delete_wrapper, 0, 1, 1},
        {"window's init fails", false, false, End::failed_init, 1, 0, 1},
        {"container disposed", true, false, End::dispose_view, 1, 1, 1},
        {"container disposed, wrapper kept", true, true, End::dispose_view, 1, 0, 1},
        {"panel's suite destroy", true, false, End::suite_destroy, 1, 1, 1},
        {"panel's init fails", true, false, End::failed_init, 1, 0, 1},
        {"never made", false, false, End::never_made, 0, 1, 0},
    };
    std::size_t const windows = tk::automation::windows().size();
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        trace = Trace{};
        item_trace = Trace{};
        auto host = c.panel ? std::make_unique<PanelHost>() : nullptr;
        TestDlg* dlg = new_dialog();
        dlg->SetDeleteOnDestroy(!c.keep);
        if (c.end == End::failed_init) dlg->init_result = 7;
        ADMDialogRef made = nullptr;
        if (c.end != End::never_made) made = c.panel ? host->open(*dlg) : dlg->make();
        bool const disposes = c.end == End::dispose_view, destroys = c.end == End::suite_destroy;
        if (disposes && c.panel) DisposeControl(std::exchange(host->container, nullptr));
        if (disposes && !c.panel) DisposeWindow(dlg->window());
        if (destroys) ADMDialogSuite9::Destroy(made);
        if (c.end == End::delete_wrapper || c.end == End::never_made) delete dlg;
        EXPECT_TRUE(c.end != End::failed_init || (!made && (!c.panel || host->refcon == nullptr)));
        bool const alive = c.end == End::failed_init || (c.keep && (disposes || destroys));
        EXPECT_EQ(std::tuple(trace.destroy_calls, trace.deaths, item_trace.deaths),
                  std::tuple(c.destroy_calls, c.deaths, c.item_deaths));
        host.reset();
        EXPECT_EQ(tk::automation::windows().size(), windows);
        if (alive) {
            EXPECT_EQ(std::pair(dlg->GetDialogRef(), dlg->wrappers().size()),
                      std::pair(ADMDialogRef{}, std::size_t{0}));
            delete dlg;
            EXPECT_EQ(trace.destroy_calls, c.destroy_calls) << "deleting a detached wrapper calls nothing back";
        }
    }
}

// A kept or failed wrapper can make its dialog again, items and all.
TEST_F(Destroying, ADetachedWrapperMakesItsDialogAgain) {
    TestDlg* dlg = new_dialog();
    dlg->init_result = 7;
    EXPECT_EQ(dlg->make(), nullptr);
    dlg->init_result = 0;
    ASSERT_NE(dlg->make(), nullptr);
    EXPECT_EQ(std::pair(trace.inits, dlg->wrappers().size()), std::pair(2, std::size_t{1}));
    DisposeWindow(dlg->window());
    EXPECT_EQ(std::pair(trace.deaths, item_trace.deaths), std::pair(1, 2));
}

// Resizing a dialog and centring it on the screen that holds the point (0, 0).

using Placing = DialogTest;

// Only the size of the screen counts, not its origin; odd remainders are
// truncated; the origin may be a screen's last pixel; a dialog larger than
// the screen goes to the corner; with no screen holding the origin the dialog
// stays where it was.
TEST_F(Placing, CentresOnTheScreenHoldingTheOrigin) {
    struct Case {
        char const* what;
        std::optional<std::vector<Rect>> screens;  // none: the default screen
        SInt16 height, width;
        std::array<int, 4> expected;
    };
    Case const cases[] = {
        {"default screen", std::nullopt, 235, 501, {332, 469, 567, 970}},
        {"larger than the screen", std::nullopt, 1000, 2000, {0, 0, 1000, 2000}},
        {"screen not at the origin", std::vector<Rect>{{-100, -200, 800, 1240}}, 235, 501, {332, 469, 567, 970}},
        {"second screen", std::vector<Rect>{{0, 1, 1200, 1921}, {-767, -1023, 1, 1}}, 200, 400, {284, 312, 484, 712}},
        {"odd remainders", std::vector<Rect>{{0, 0, 101, 101}}, 20, 40, {40, 30, 60, 70}},
        {"no screen holds it", std::vector<Rect>{{100, 100, 1000, 1540}}, 235, 501, {40, 30, 275, 531}},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        Trace trace;
        TestDlg dlg{trace};
        ASSERT_NE(dlg.make(), nullptr);
        if (c.screens) tk::automation::setScreens(*c.screens);
        ADMRect const start{40, 30, 200, 150};
        ADMDialogSuite9::SetBoundsRect(dlg.GetDialogRef(), &start);
        // The size changes, the top-left corner stays.
        dlg.SetLocalRect(ADMRect{0, 0, c.height, c.width});
        EXPECT_EQ(bounds_of(dlg.GetDialogRef()), (std::array<int, 4>{40, 30, 40 + c.height, 30 + c.width}));
        dlg.MoveToScreenCenter();
        EXPECT_EQ(bounds_of(dlg.GetDialogRef()), c.expected);
        tk::automation::resetScreens();
    }
}

}  // namespace

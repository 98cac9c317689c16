// The destroy protocols: a dialog wrapper deleted or only detached when its
// dialog goes under it, item wrappers deleted by their items, and a failed
// creation that leaves the wrapper with its creator.
#include <algorithm>
#include <memory>

#include "support.h"

using namespace dialog_test;

namespace {

void draw_nothing(ADMItemRef, ADMDrawerRef) {}

bool window_alive(WindowRef window) {
    auto const all = tk::automation::windows();
    return std::find(all.begin(), all.end(), window) != all.end();
}

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

    Trace trace;
    Trace item_trace;
};

enum class End { dispose_view, suite_destroy, delete_wrapper, failed_init, never_made };

}  // namespace

// Whichever way it ends, the wrapper hears Destroy once when its dialog goes
// under it, and is deleted then only when it asked to be; item wrappers always go.
TEST_F(Destroying, EveryWayADialogEnds) {
    struct Case {
        char const* what;
        bool panel;
        bool keep;
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
        WindowRef const window = c.panel ? nullptr : dlg->window();
        bool alive = true;
        switch (c.end) {
            case End::dispose_view:
                if (c.panel) {
                    DisposeControl(host->container);
                    host->container = nullptr;
                } else {
                    DisposeWindow(window);
                }
                alive = c.keep;
                break;
            case End::suite_destroy:
                ADMDialogSuite9::Destroy(made);
                break;
            case End::delete_wrapper:
            case End::never_made:
                delete dlg;
                alive = false;
                break;
            case End::failed_init:
                EXPECT_EQ(made, nullptr);
                if (c.panel) {
                    EXPECT_EQ(host->refcon, nullptr);
                }
                break;
        }
        EXPECT_EQ(trace.destroy_calls, c.destroy_calls);
        EXPECT_EQ(trace.deaths, c.deaths);
        EXPECT_EQ(item_trace.deaths, c.item_deaths);
        if (window) {
            EXPECT_FALSE(window_alive(window));
        }
        host.reset();
        EXPECT_EQ(tk::automation::windows().size(), windows);
        if (alive) {
            EXPECT_EQ(dlg->GetDialogRef(), nullptr);
            EXPECT_TRUE(dlg->wrappers().empty());
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
    EXPECT_EQ(trace.inits, 2);
    EXPECT_EQ(dlg->wrappers().size(), 1u);
    DisposeWindow(dlg->window());
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(item_trace.deaths, 2);
}

TEST_F(Destroying, CloseBoxOnlyHidesAndTellsTheDialog) {
    std::unique_ptr<TestDlg> dlg(new_dialog());
    ASSERT_NE(dlg->make(), nullptr);
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    WindowRef window = dlg->window();
    ASSERT_TRUE(tk::automation::clickCloseBox(window));
    EXPECT_EQ(trace.notes, std::vector<std::string>{"close"});
    EXPECT_TRUE(window_alive(window));
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(dlg->GetDialogRef()));
    EXPECT_EQ(trace.destroy_calls, 0);
}

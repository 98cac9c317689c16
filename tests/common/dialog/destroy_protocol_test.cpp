// The destroy protocols: a dialog wrapper deleted or only detached when its
// dialog goes under it, item wrappers deleted by their items, and a failed
// creation that leaves the wrapper with its creator.
#include <algorithm>

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

}  // namespace

TEST_F(Destroying, CloseBoxOnlyHidesAndTellsTheDialog) {
    TestDlg* dlg = new_dialog();
    ASSERT_NE(dlg->make(), nullptr);
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    WindowRef window = dlg->window();
    ASSERT_TRUE(tk::automation::clickCloseBox(window));
    EXPECT_EQ(trace.notes, std::vector<std::string>{"close"});
    EXPECT_TRUE(window_alive(window));
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(dlg->GetDialogRef()));
    EXPECT_EQ(trace.destroy_calls, 0);
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    EXPECT_TRUE(ADMDialogSuite9::IsVisible(dlg->GetDialogRef()));
    delete dlg;
}

TEST_F(Destroying, WindowDisposedDeletesTheWrapperAndItsItemWrappers) {
    TestDlg* dlg = new_dialog();
    ASSERT_NE(dlg->make(), nullptr);
    DisposeWindow(dlg->window());
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(item_trace.deaths, 1);
}

TEST_F(Destroying, WindowDisposedOnlyDetachesAKeptWrapper) {
    TestDlg* dlg = new_dialog();
    dlg->SetDeleteOnDestroy(false);
    ASSERT_NE(dlg->make(), nullptr);
    DisposeWindow(dlg->window());
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 0);
    EXPECT_EQ(item_trace.deaths, 1);
    EXPECT_EQ(dlg->GetDialogRef(), nullptr);
    EXPECT_TRUE(dlg->wrappers().empty());

    // The kept wrapper can make its dialog again, items and all.
    ASSERT_NE(dlg->make(), nullptr);
    EXPECT_EQ(trace.inits, 2);
    EXPECT_EQ(dlg->wrappers().size(), 1u);
    delete dlg;
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(item_trace.deaths, 2);
}

TEST_F(Destroying, SuiteDestroyRunsTheSameProtocol) {
    TestDlg* dlg = new_dialog();
    dlg->SetDeleteOnDestroy(false);
    ASSERT_NE(dlg->make(), nullptr);
    WindowRef window = dlg->window();
    ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    EXPECT_FALSE(window_alive(window));
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(dlg->GetDialogRef(), nullptr);
    delete dlg;
    EXPECT_EQ(trace.destroy_calls, 1);
}

TEST_F(Destroying, DeletingTheWrapperDestroysItsDialogWithoutCallingBack) {
    TestDlg* dlg = new_dialog();
    ASSERT_NE(dlg->make(), nullptr);
    WindowRef window = dlg->window();
    delete dlg;
    EXPECT_FALSE(window_alive(window));
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(trace.destroy_calls, 0);
    EXPECT_EQ(item_trace.deaths, 1);
}

TEST_F(Destroying, ContainerDisposedDeletesAPanelWrapper) {
    PanelHost host;
    TestDlg* dlg = new_dialog();
    ASSERT_NE(host.open(*dlg), nullptr);
    DisposeControl(host.container);
    host.container = nullptr;
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(item_trace.deaths, 1);
}

TEST_F(Destroying, ContainerDisposedDetachesAKeptPanelWrapper) {
    PanelHost host;
    TestDlg dlg{trace};
    dlg.SetDeleteOnDestroy(false);
    dlg.build = [](TestDlg& d) { d.add_icon(IASRect{0, 0, 16, 16}, draw_nothing, 40); };
    ASSERT_NE(host.open(dlg), nullptr);
    DisposeControl(host.container);
    host.container = nullptr;
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 0);
    EXPECT_EQ(dlg.GetDialogRef(), nullptr);
}

TEST_F(Destroying, FailedCreationLeavesTheWrapperWithItsCreator) {
    std::size_t const windows_before = tk::automation::windows().size();
    TestDlg* dlg = new_dialog();
    ASSERT_TRUE(dlg->GetDeleteOnDestroy());
    dlg->init_result = 7;
    EXPECT_EQ(dlg->make(), nullptr);
    // The dialog went, running the protocol inside Create, but the wrapper stayed.
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 0);
    EXPECT_EQ(item_trace.deaths, 1);
    EXPECT_EQ(dlg->GetDialogRef(), nullptr);
    EXPECT_EQ(tk::automation::windows().size(), windows_before);

    dlg->init_result = 0;
    ASSERT_NE(dlg->make(), nullptr);
    DisposeWindow(dlg->window());
    EXPECT_EQ(trace.deaths, 1);
}

TEST_F(Destroying, FailedPanelCreationLeavesTheWrapperWithItsCreator) {
    PanelHost host;
    TestDlg* dlg = new_dialog();
    dlg->init_result = 7;
    EXPECT_EQ(host.open(*dlg), nullptr);
    EXPECT_EQ(host.refcon, nullptr);
    EXPECT_EQ(trace.destroy_calls, 1);
    EXPECT_EQ(trace.deaths, 0);
    delete dlg;
    EXPECT_EQ(trace.deaths, 1);
}

TEST_F(Destroying, WrapperWithoutDialogIsSimplyDeleted) {
    TestDlg* dlg = new_dialog();
    delete dlg;
    EXPECT_EQ(trace.deaths, 1);
    EXPECT_EQ(trace.destroy_calls, 0);
}

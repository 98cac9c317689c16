// Shared pieces of the dialog toolkit tests: a basic suite that offers nothing
// (the builder asks for no host suite), a traced dialog and traced item
// wrappers, and a host-like window that lends a container to panel dialogs.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "dialog/BaseADMImageItem.h"
#include "dialog/BaseDlg.h"
#include "toolkit/automation.h"

namespace dialog_test {

// What a traced wrapper went through; it outlives the wrapper.
struct Trace {
    int destroy_calls = 0;
    int deaths = 0;
    int inits = 0;
    std::vector<std::string> notes;
};

inline std::string describe(IADMNotifier notifier) {
    if (notifier.IsNotifierType(kADMCloseHitNotifier)) return "close";
    if (notifier.IsNotifierType(kADMUserChangedNotifier)) return "changed " + std::to_string(notifier.GetItemID());
    return "other";
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

// The control and label of an item, as the toolkit holds them.
inline ControlRef control_of(ADMItemRef item) { return from_ref(item)->control; }
inline ControlRef label_of(ADMItemRef item) { return from_ref(item)->label; }

inline ADMRect bounds_of(ADMItemRef item) {
    ADMRect r{0, 0, 0, 0};
    ADMItemSuite10::GetBoundsRect(item, &r);
    return r;
}

inline ADMRect bounds_of(ADMDialogRef dialog) {
    ADMRect r{0, 0, 0, 0};
    ADMDialogSuite9::GetBoundsRect(dialog, &r);
    return r;
}

inline bool same_rect(ADMRect const& a, ADMRect const& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

// A host window holding a container view, as the host gives one to a panel.
struct PanelHost {
    PanelHost() {
        Rect const content{0, 0, 400, 600};
        CreateNewWindow(kFloatingWindowClass, kWindowCompositingAttribute, &content, &window);
        ControlRef made = nullptr;
        CreateRootControl(window, &made);
        ControlRef root = nullptr;
        GetRootControl(window, &root);
        Rect const pane{0, 0, 300, 500};
        CreateUserPaneControl(window, &pane, 0, &container);
        HIViewAddSubview(root, container);
    }
    ~PanelHost() {
        if (window) DisposeWindow(window);
    }
    PanelHost(PanelHost const&) = delete;
    PanelHost& operator=(PanelHost const&) = delete;

    ADMDialogRef open(BaseADMDialog& dialog) {
        return dialog.CreatePanel(nullptr, "Panel", 0, nullptr, nullptr, container, &functions, &refcon);
    }

    WindowRef window = nullptr;
    ControlRef container = nullptr;
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
};

// Every test starts with a basic suite and the default screen, and must leave no
// toolkit object behind. Both are checked around the fixture's own members, which
// the derived fixtures construct after this base and destroy before it.
class DialogTest : public ::testing::Test {
protected:
    DialogTest() : saved_basic(sSPBasic), live_before(tk::automation::liveCounts().total()) { sSPBasic = &no_suites; }
    ~DialogTest() override {
        tk::automation::resetScreens();
        EXPECT_EQ(tk::automation::liveCounts().total(), live_before) << "toolkit objects left alive";
        sSPBasic = saved_basic;
    }

private:
    static SPErr acquire_nothing(const char*, A_long, const void** suite) {
        if (suite) *suite = nullptr;
        return 13;
    }
    static SPErr release_nothing(const char*, A_long) { return 0; }

    SPBasicSuite no_suites{acquire_nothing, release_nothing};
    SPBasicSuite* saved_basic;
    std::size_t live_before;
};

}  // namespace dialog_test

// Shared pieces of the dialog-service tests: a fake host app suite and panel
// suite, dialogs in windows and in panels, and a fixture that checks every test
// leaves no toolkit object behind.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"
#include "adm/host_suites.h"
#include "toolkit/automation.h"

namespace admtest {

namespace tka = tk::automation;

// The host's colours: every kind has its own colour, and every question is recorded.
struct FakeApp {
    static std::vector<PF_App_ColorType> asked;
    static PF_App_Color colour(PF_App_ColorType kind);
    static PFAppSuite2 suite;
};

// Records the panel titles the dialog sets.
struct FakePanel {
    static std::vector<std::string> titles;
    static AEGP_PanelSuite1 suite;
    static AEGP_PanelH handle();
};

// A dialog inside a host panel: the container view the host would hand over,
// and what the dialog put into the host's function table.
struct Panel {
    ControlRef container = nullptr;
    AEGP_PanelFunctions1 functions{};
    AEGP_PanelRefcon refcon = nullptr;
    ADMDialogRef dialog = nullptr;
};

class AdmTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A window dialog of the style the plug-in uses.
    ADMDialogRef makeWindow(ADMDialogInitProc init = nullptr, ADMUserData data = nullptr) {
        return ADMDialogSuite9::Create(nullptr, "Test", 0, kADMTabbedFloatingDialogStyle, init, data, 0);
    }
    // A panel dialog in a fresh 600 x 400 container.
    Panel makePanel(ADMDialogInitProc init = nullptr, ADMUserData data = nullptr);

    tk::automation::LiveCounts _liveAtStart;
};

// A shown window dialog for each test, destroyed at its end unless the test did.
class WindowTest : public AdmTest {
protected:
    void SetUp() override {
        AdmTest::SetUp();
        _dialog = makeWindow();
        ADMDialogSuite9::Show(_dialog, true);
    }
    void TearDown() override {
        if (_dialog) ADMDialogSuite9::Destroy(_dialog);
        AdmTest::TearDown();
    }
    ADMDialogRef _dialog = nullptr;
};

inline ADMItemRef add(ADMDialogRef dialog, ADMItemType type, Rect rect, ADMInt32 id = 0) {
    return ADMItemSuite10::Create(dialog, id, type, &rect, nullptr, nullptr, 0);
}
inline ControlRef control_of(ADMItemRef item) { return from_ref(item)->control; }
inline ControlRef label_of(ADMItemRef item) { return from_ref(item)->label; }
inline HIViewRef root_of(ADMDialogRef dialog) { return from_ref(dialog)->rootView; }

}  // namespace admtest

bool operator==(const Rect& a, const Rect& b);
std::ostream& operator<<(std::ostream& out, const Rect& r);

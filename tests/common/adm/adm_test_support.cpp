#include "adm_test_support.h"

#include <ostream>

#include "adm/detail/iADMDrawer.h"

namespace admtest {

std::vector<PF_App_ColorType> FakeApp::asked;

PF_App_Color FakeApp::colour(PF_App_ColorType kind) {
    const auto k = static_cast<A_u_short>(kind & 0xFF);
    return PF_App_Color{static_cast<A_u_short>(0x4000 + k * 0x80), static_cast<A_u_short>(0x8000 - k * 0x40),
                        static_cast<A_u_short>(0xC000 + k * 0x20)};
}

PFAppSuite2 FakeApp::suite = {[](PF_App_ColorType kind, PF_App_Color* out) -> PF_Err {
    asked.push_back(kind);
    *out = colour(kind);
    return 0;
}};

std::vector<std::string> FakePanel::titles;

AEGP_PanelSuite1 FakePanel::suite = {
    nullptr,
    [](AEGP_PanelH, const A_u_char* title) -> A_Err {
        titles.emplace_back(reinterpret_cast<const char*>(title));
        return 0;
    },
    nullptr,
};

AEGP_PanelH FakePanel::handle() {
    static int panel;
    return reinterpret_cast<AEGP_PanelH>(&panel);
}

void AdmTest::SetUp() {
    sPFAppSuite = &FakeApp::suite;
    sAEGPPanelSuite = nullptr;
    iADMDrawer::_useAppColor = false;
    FakeApp::asked.clear();
    FakePanel::titles.clear();
    _liveAtStart = tka::liveCounts();
}

void AdmTest::TearDown() {
    sPFAppSuite = nullptr;
    iADMDrawer::_useAppColor = false;
    tka::resetScreens();
    EXPECT_EQ(tka::liveCounts(), _liveAtStart) << "toolkit objects left behind";
}

Panel AdmTest::makePanel(ADMDialogInitProc init, ADMUserData data) {
    Panel panel;
    const Rect frame{0, 0, 400, 600};
    EXPECT_EQ(CreateUserPaneControl(nullptr, &frame, 0, &panel.container), noErr);
    panel.dialog = ADMDialogSuite9::CreatePanel(nullptr, "Test", 0, init, data, &FakePanel::suite, FakePanel::handle(),
                                                panel.container, &panel.functions, &panel.refcon);
    return panel;
}

}  // namespace admtest

bool operator==(const Rect& a, const Rect& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "{" << r.top << ", " << r.left << ", " << r.bottom << ", " << r.right << "}";
}

// Shared pieces of the distribution dialog tests: the dialog built in a hidden
// window as the shell builds it, with its records and camera orientation open
// to the tests, over a basic suite that offers no host suite (none is needed
// to build, enable or place).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Voxtrel/MainDlg.h"
#include "Voxtrel/MainDlg_controls.h"
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "math/random.h"
#include "toolkit/automation.h"

namespace main_dlg_test {

using Vector = MainDlg::Vector;

class OpenMainDlg : public MainDlg {
public:
    OpenMainDlg() : MainDlg(7) { SetDeleteOnDestroy(false); }

    using MainDlg::camera_orient;
    using MainDlg::layers;

    WindowRef window() const { return dialog ? from_ref(dialog)->window : nullptr; }
    ADMItemRef item(int id) { return get_item(id); }
    void check(int id, bool on) { ADMItemSuite10::SetBooleanValue(get_item(id), on); }
    void type(int id, const char* text) { ADMItemSuite10::SetText(get_item(id), text); }

    // Records of unscaled, unturned layers at the box centre.
    void add_records(int count, A_long width = 100, A_long height = 100) {
        for (int i = 0; i < count; ++i) {
            LayerInfo record;
            record.index = i;
            record.width = record.scaled_width = width;
            record.height = record.scaled_height = height;
            record.scale.val.three_d = {100, 100, 100};
            layers.push_back(record);
        }
    }
    std::vector<LayerInfo> records() const { return {layers.begin(), layers.end()}; }
};

inline Vector position_of(AssistantDlg::LayerInfo const& record) {
    AEGP_ThreeDVal const& p = record.position.val.three_d;
    return Vector(p.x, p.y, p.z);
}

inline Vector orientation_of(AssistantDlg::LayerInfo const& record) {
    AEGP_ThreeDVal const& o = record.orientation.val.three_d;
    return Vector(o.x, o.y, o.z);
}

// The generator's state after `steps` draws from `seed`.
inline std::int32_t state_after(long seed, int steps) {
    std::int32_t const saved = math::IY;
    math::SetRand(seed);
    for (int i = 0; i < steps; ++i) math::LRand();
    std::int32_t const state = math::IY;
    math::IY = saved;
    return state;
}

class MainDlgTest : public ::testing::Test {
protected:
    MainDlgTest() : saved_basic(sSPBasic) { sSPBasic = &no_suites; }
    ~MainDlgTest() override {
        dlg.reset();
        tk::automation::resetScreens();
        sSPBasic = saved_basic;
    }

    // Builds the dialog as the shell does: a floating window, hidden until shown.
    void build() {
        dlg = std::make_unique<OpenMainDlg>();
        ASSERT_NE(dlg->Create(nullptr, "QX_Voxtrel v1.3", 0, kADMTabbedFloatingDialogStyle, 0), nullptr);
    }

    std::unique_ptr<OpenMainDlg> dlg;

private:
    static SPErr acquire_nothing(const char*, A_long, const void** suite) {
        if (suite) *suite = nullptr;
        return 13;
    }
    static SPErr release_nothing(const char*, A_long) { return 0; }

    SPBasicSuite no_suites{acquire_nothing, release_nothing};
    SPBasicSuite* saved_basic;
};

}  // namespace main_dlg_test

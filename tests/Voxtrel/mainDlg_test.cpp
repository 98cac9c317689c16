// The distribution dialog on its own, built in a hidden window as the shell
// builds it, over a basic suite that offers no host suite (none is needed to
// build, enable, place, fit or turn): its controls, their enabling, and where
// the records go under a fixed seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <memory>
#include <set>
#include <sstream>

#include "Voxtrel/MainDlg.h"
#include "adm/ADMSuites.h"
#include "adm/detail/handles.h"
#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"
#include "adm/detail/iADMNotifier.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "math/random.h"
#include "toolkit/automation.h"

namespace {

namespace ta = tk::automation;
using Vector = MainDlg::Vector;
using Record = AssistantDlg::LayerInfo;

class OpenMainDlg : public MainDlg {
public:
    OpenMainDlg() : MainDlg(7) { SetDeleteOnDestroy(false); }
    using MainDlg::layers;

    ADMItemRef item(int id) { return get_item(id); }
    void check(int id, bool on) { ADMItemSuite10::SetBooleanValue(get_item(id), on); }
    void type(int id, const char* text) { ADMItemSuite10::SetText(get_item(id), text); }
    // Records of unscaled, unturned layers at the box centre.
    void add_records(int count, A_long width = 100, A_long height = 100) {
        for (int i = 0; i < count; ++i) {
            Record record;
            record.index = i;
            record.width = record.scaled_width = width;
            record.height = record.scaled_height = height;
            record.scale.val.three_d = {100, 100, 100};
            layers.push_back(record);
        }
    }
};

Vector position_of(Record const& r) { return {r.position.val.three_d.x, r.position.val.three_d.y, r.position.val.three_d.z}; }
Vector orientation_of(Record const& r) {
    return {r.orientation.val.three_d.x, r.orientation.val.three_d.y, r.orientation.val.three_d.z};
}

// The generator's state after `steps` draws from `seed`.
std::int32_t state_after(long seed, int steps) {
    std::int32_t const saved = math::IY;
    math::SetRand(seed);
    for (int i = 0; i < steps; ++i) math::LRand();
    std::int32_t const state = math::IY;
    math::IY = saved;
    return state;
}

HIViewRef view_of(ADMItemRef item) { return from_ref(item)->control ? from_ref(item)->control : from_ref(item)->label; }
bool shown(ADMItemRef item) {
    iADMItem const* i = from_ref(item);
    return (i->control && IsControlVisible(i->control)) || (i->label && IsControlVisible(i->label));
}
bool active(ADMItemRef item) { return IsControlEnabled(view_of(item)); }

constexpr long kSeed = 1234567;

class MainDlgTest : public ::testing::Test {
protected:
    MainDlgTest() : saved_basic(sSPBasic) {
        sSPBasic = &no_suites;
        dlg = std::make_unique<OpenMainDlg>();
        EXPECT_NE(dlg->Create(nullptr, "QX_Voxtrel v1.3", 0, kADMTabbedFloatingDialogStyle, 0), nullptr);
        math::SetRand(kSeed);
    }
    ~MainDlgTest() override {
        dlg.reset();
        ta::resetScreens();
        sSPBasic = saved_basic;
    }
    std::vector<ADMItemRef> items() const {
        std::vector<ADMItemRef> all;
        for (ADMItemRef i = dlg->item(3); i; i = ADMDialogSuite9::GetNextItem(dlg->GetDialogRef(), i)) all.push_back(i);
        return all;
    }
    // A person's change of a control, as the dialog's notify proc passes it on.
    void user_changed(int id) {
        iADMNotifier notifier{from_ref(dlg->item(id)), kADMUserChangedNotifier, 0};
        dlg->Notify(to_ref(&notifier));
    }
    std::vector<Record> place(int count) {
        dlg->add_records(count);
        EXPECT_EQ(dlg->get_layers_pos(), A_Err_NONE);
        return {dlg->layers.begin(), dlg->layers.end()};
    }

    std::unique_ptr<OpenMainDlg> dlg;

private:
    static SPErr acquire_nothing(const char*, A_long, const void** suite) {
        *suite = nullptr;
        return 13;
    }
    static SPErr release_nothing(const char*, A_long) { return 0; }
    SPBasicSuite no_suites{acquire_nothing, release_nothing};
    SPBasicSuite* saved_basic;
};

// Every control in order with its id, kind, text, place, value and range (the
// table is in data/): static texts and check boxes take their best size, edit
// fields are one line high and clamp to their range. The dialog is hidden,
// centred and titled; made again, it starts over from the initial values.
TEST_F(MainDlgTest, LayoutAsInTheTable) {
    Rect const bounds = ta::windowBounds(from_ref(dlg->GetDialogRef())->window);
    EXPECT_EQ((std::vector<int>{bounds.top, bounds.left, bounds.bottom, bounds.right}),
              (std::vector<int>{332, 469, 567, 970}));
    EXPECT_FALSE(ADMDialogSuite9::IsVisible(dlg->GetDialogRef()));
    EXPECT_EQ(ta::windowTitle(from_ref(dlg->GetDialogRef())->window), "Voxtrel");
    dlg->type(210, "250");
    dlg->check(504, false);
    ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    ASSERT_NE(dlg->Create(nullptr, "QX_Voxtrel v1.3", 0, kADMTabbedFloatingDialogStyle, 0), nullptr);

    std::ifstream table(std::string(TEST_DATA_DIR) + "/main_dialog_layout.txt");
    std::vector<ADMItemRef> const all = items();
    std::size_t i = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        int id = 0, top = 0, left = 0, height = 0, width = 0;
        float value = 0, min = 0, max = 0;
        std::string kind, text;
        in >> id >> std::quoted(kind) >> std::quoted(text) >> top >> left >> height >> width >> value >> min >> max;
        SCOPED_TRACE(line);
        ASSERT_LT(i, all.size());
        ADMItemRef item = all[i++];
        EXPECT_EQ(ADMItemSuite10::GetID(item), id);
        EXPECT_EQ(ta::kindName(view_of(item)), kind);
        EXPECT_EQ(ta::text(view_of(item)), text);
        ADMRect r{};
        ADMItemSuite10::GetBoundsRect(item, &r);
        ADMPoint best{};
        ADMItemSuite10::GetBestSize(item, &best);
        EXPECT_EQ(r.top, top);
        EXPECT_EQ(r.left, left);
        if (kind == "edit text") {
            EXPECT_EQ(r.bottom - r.top, 13);
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), value);
            ADMItemSuite10::SetText(item, "-1e30");
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), min);
            ADMItemSuite10::SetText(item, "1e30");
            EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(item), max);
        } else if (kind != "static text" && kind != "check box") {
            EXPECT_EQ(r.bottom - r.top, height);
        } else if (id == 530) {
            // The version line is sized in the plain font, then made bold: it needs more room than it got.
            EXPECT_GT(best.h, r.right - r.left);
            continue;
        } else {
            EXPECT_EQ(r.bottom - r.top, best.v);
            EXPECT_EQ(r.right - r.left, best.h);
        }
        if (kind != "static text" && kind != "check box") {
            EXPECT_EQ(r.right - r.left, width);
        }
        if (kind == "check box") {
            EXPECT_EQ(ADMItemSuite10::GetBooleanValue(item) != 0, value != 0);
        }
    }
    EXPECT_EQ(i, all.size());
}

// Enabling either way hides the same 37 fixed controls, which keep their
// values; the step controls follow "Distribute Randomly", the camera popup
// "Towards Camera" on a change of any orientation box, the repeat controls
// "Repeat Layers".
TEST_F(MainDlgTest, Enabling) {
    std::set<int> const hidden = {1100, 1101, 1102, 515, 516, 517, 1103, 216, 239, 224, 225, 223, 220,
                                  221,  222,  240,  230, 231, 229, 226,  227, 228, 241, 236, 237, 235,
                                  232,  233,  234,  238, 500, 501, 502,  527, 520, 521, 522};
    for (bool on : {true, false, true}) {
        dlg->Enable(on);
        for (ADMItemRef item : items())
            EXPECT_EQ(shown(item), !hidden.count(ADMItemSuite10::GetID(item))) << ADMItemSuite10::GetID(item);
    }
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg->item(216)));
    EXPECT_TRUE(ADMItemSuite10::GetBooleanValue(dlg->item(522)));

    int const steps[] = {220, 221, 222, 224, 225, 223, 226, 227, 228, 230, 231,
                         229, 232, 233, 234, 236, 237, 235, 238, 239, 240, 241};
    auto const steps_active = [&](bool on) {
        for (int id : steps) EXPECT_EQ(active(dlg->item(id)), on) << id;
    };
    steps_active(false);
    dlg->check(216, false);
    user_changed(216);
    steps_active(true);
    dlg->check(216, true);
    dlg->enable_distance();
    steps_active(false);
    EXPECT_TRUE(active(dlg->item(210)));

    struct Step {
        int box;       // checked first (0: none)
        bool on;
        int changed;   // the control the user changed
        bool camera;   // the popup enabled after it
    };
    EXPECT_FALSE(active(dlg->item(510)));
    for (Step const s : {Step{503, true, 503, true}, Step{503, false, 503, false}, Step{503, true, 505, true},
                         Step{503, false, 500, false}, Step{503, true, 524, false}}) {
        dlg->check(s.box, s.on);
        user_changed(s.changed);
        EXPECT_EQ(active(dlg->item(510)), s.camera) << s.changed;
    }
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    for (bool on : {true, false}) {
        ASSERT_TRUE(ta::click(from_ref(dlg->item(528))->control));
        EXPECT_EQ(active(dlg->item(529)), on);
        EXPECT_EQ(active(dlg->item(523)), on);
    }
}

// Random positions fill the box in draw order, three draws a record and none
// for the orientation; no records, no draws (repeat copies: the golden runs).
TEST_F(MainDlgTest, RandomPositions) {
    EXPECT_TRUE(place(0).empty());
    EXPECT_EQ(math::IY, kSeed);
    dlg->type(212, "0.5");
    EXPECT_EQ(dlg->get_dims(), Vector(1000, 1000, static_cast<double>(0.5f)));
    dlg->type(212, "1000");
    std::vector<Record> const records = place(50);
    math::SetRand(kSeed);
    for (Record const& record : records) {
        Vector const p = position_of(record);
        for (double c : {p.x, p.y, p.z}) {
            EXPECT_DOUBLE_EQ(c, math::Rand() * 1000.0 - 500.0);
            EXPECT_GE(c, -500.0);
            EXPECT_LT(c, 500.0);
        }
        EXPECT_EQ(orientation_of(record), Vector(0, 0, 0));
    }
    EXPECT_EQ(math::IY, state_after(kSeed, 150));
}

// Stepped: by default 50 a step to the corner, where they stay; each step is
// drawn between Min and Max (even when Max is below Min), the increment adds
// up from step to step, and the low face clamps. The starting value moves
// nothing here: the core adds it.
TEST_F(MainDlgTest, SteppedPositions) {
    dlg->check(216, false);
    dlg->type(515, "100");
    double expected = 0;
    for (Record const& record : place(14)) {
        EXPECT_EQ(position_of(record), Vector(expected, expected, expected));
        expected = std::min(expected + 50.0, 500.0);
    }
    EXPECT_EQ(math::IY, state_after(kSeed, 14 * 3));
    EXPECT_EQ(dlg->get_starting_point(), Vector(0, 0, 0));

    dlg->layers.clear();
    math::SetRand(kSeed);
    for (auto [id, text] : {std::pair{220, "0"}, {221, "0"}, {222, "10"}, {226, "40"}, {227, "20"}, {232, "-400"},
                            {233, "-400"}})
        dlg->type(id, text);
    std::vector<Record> const records = place(5);
    math::SetRand(kSeed);
    double const xs[] = {0, 10, 30, 60, 100};
    double y = 0;
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(position_of(records[i]), Vector(xs[i], y, std::max(-400.0 * i, -500.0)));
        math::Rand();
        y = ((20.0 - 40.0) * math::Rand() + 40.0) + y;
        math::Rand();
    }
}

// Scale to fit: 200 x 100 layers in the default 1000 box unless said otherwise
// shrink until their diagonals touch its faces, never below one pixel on their
// larger side; the recorded size is truncated.
TEST_F(MainDlgTest, FitExamples) {
    struct Case {
        char const* what;
        char const* box;
        Vector at, orientation;
        A_long w, h;
        double scale;  // x and y; z stays 100
        A_long scaled_w, scaled_h;
    };
    Case const cases[] = {
        {"inside the box", "1000", {100, -200, 300}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"past one face", "1000", {450, 0, 0}, {0, 0, 0}, 200, 100, 50, 100, 50},
        {"past two faces: the minimum size", "1000", {480, 480, 0}, {0, 0, 0}, 200, 100, 0.5, 1, 0},
        {"a wider box", "2000", {450, 0, 0}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"flat under the z face", "1000", {0, 0, 499.5}, {0, 0, 0}, 200, 100, 100, 200, 100},
        {"turned inside an x face", "1000", {499.5, 0, 0}, {0, 90, 0}, 200, 100, 100, 200, 100},
        {"turned: its width runs along z", "1000", {0, 0, 450}, {0, 90, 0}, 200, 100, 50, 100, 50},
        {"no size", "1000", {490, 490, 490}, {0, 0, 0}, 0, 0, 100, 0, 0},
        {"49 * (1 / 49) is just below 1", "10", {0, 0, 0}, {0, 0, 0}, 49, 30, 100.0 / 49.0, 0, 0},
    };
    // One diagonal's factor: half at one face, 1 inside, below zero past two faces.
    double const r = std::sqrt(200.0 * 200.0 + 100.0 * 100.0) * 0.5;
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(350, -50, 0), Vector(550, 50, 0), r), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(dlg->downscale_to_cube(Vector(-100, -50, 0), Vector(100, 50, 0), r), 1.0);
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(380, 430, 0), Vector(580, 530, 0), r), -0.4, 1e-12);
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        dlg->layers.clear();
        dlg->type(210, c.box);
        dlg->type(211, std::string(c.box) == "10" ? "10" : "1000");
        dlg->add_records(1, c.w, c.h);
        Record& record = dlg->layers.back();
        record.position.val.three_d = {c.at.x, c.at.y, c.at.z};
        record.orientation.val.three_d = {c.orientation.x, c.orientation.y, c.orientation.z};
        dlg->scale_layers_to_fit();
        EXPECT_NEAR(record.scale.val.three_d.x, c.scale, 1e-9);
        EXPECT_NEAR(record.scale.val.three_d.y, c.scale, 1e-9);
        EXPECT_EQ(record.scale.val.three_d.z, 100.0);
        EXPECT_EQ(record.scaled_width, c.scaled_w);
        EXPECT_EQ(record.scaled_height, c.scaled_h);
    }
}

// The hook fits when asked, before turning: still flat in x-y, the narrow box
// shrinks the layer; turned into y-z first, it would have had no width along x.
TEST_F(MainDlgTest, TheHookFitsBeforeTurning) {
    dlg->check(216, false);
    dlg->type(210, "100");
    dlg->check(527, true);
    dlg->check(502, true);
    dlg->add_records(1, 200, 100);
    ASSERT_EQ(dlg->get_layers_pos(), A_Err_NONE);
    EXPECT_LT(dlg->layers.back().scale.val.three_d.x, 100.0);
    EXPECT_EQ(orientation_of(dlg->layers.back()), Vector(0, -90, 0));
}

// Each record gets one of the checked options, picked by one draw per record
// in their fixed order, with random angles drawn after the pick; nothing is
// drawn or changed while none is checked. (Each option alone is pinned by the
// program's golden runs over every --orient.)
TEST_F(MainDlgTest, Orientation) {
    constexpr int kCount = 200;
    dlg->add_records(kCount);
    auto const orient_all = [&] {
        math::SetRand(kSeed);
        for (Record& record : dlg->layers) {
            record.orientation.val.three_d = {1, 2, 3};
            dlg->get_layer_orient(record.orientation);
        }
    };
    orient_all();  // only "Don't Change Orientation", which is no candidate
    for (Record const& record : dlg->layers) EXPECT_EQ(orientation_of(record), Vector(1, 2, 3));
    EXPECT_EQ(math::IY, kSeed);

    for (int id : {500, 501, 502}) dlg->check(id, id != 502);
    orient_all();
    math::SetRand(kSeed);
    for (Record const& record : dlg->layers)
        EXPECT_EQ(orientation_of(record), math::LRand() % 2 == 0 ? Vector(0, 0, 0) : Vector(-90, 0, 0));

    // A random angle: the largest draw stays below 360 (the state two steps before the largest value).
    for (int id : {500, 501}) dlg->check(id, false);
    dlg->check(505, true);
    std::uint32_t const a = 0x3243F6ADu, c = 0x1B0CB175u;
    std::uint32_t inverse = a;
    for (int i = 0; i < 5; ++i) inverse *= 2u - a * inverse;
    auto const back = [&](std::uint32_t s) { return static_cast<std::int32_t>(((s - c) * inverse) & 0x7FFFFFFFu); };
    math::SetRand(back(static_cast<std::uint32_t>(back(0x7FFFFFFFu))));
    AEGP_StreamValue orientation{};
    dlg->get_layer_orient(orientation);
    EXPECT_DOUBLE_EQ(orientation.val.three_d.x, 2147483647.0 / 2147483648.0 * 360.0);
}

}  // namespace

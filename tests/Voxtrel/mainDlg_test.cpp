// The distribution dialog on its own, built in a hidden window as the shell
// builds it, over a basic suite that offers no host suite (none is needed to
// build, enable, place, fit or turn): its controls, their enabling, and where
// the records go under a fixed seed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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
#include "test_data.h"
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

Vector angles_or_place(AEGP_StreamValue const& v) { return {v.val.three_d.x, v.val.three_d.y, v.val.three_d.z}; }

HIViewRef view_of(ADMItemRef item) { return from_ref(item)->control ? from_ref(item)->control : from_ref(item)->label; }
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
    SPBasicSuite no_suites{[](const char*, A_long, const void** suite) -> SPErr { return *suite = nullptr, 13; },
                           [](const char*, A_long) -> SPErr { return 0; }};
    SPBasicSuite* saved_basic;
};

// Every control in order with its id, kind, text, value and range (the table is
// in data/; where each goes is pinned by the program's golden view trees): edit
// fields clamp to their range. Made again, the dialog starts over from the
// initial values.
TEST_F(MainDlgTest, ControlsAsInTheTable) {
    dlg->type(210, "250");
    dlg->check(504, false);
    ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    ASSERT_NE(dlg->Create(nullptr, "QX_Voxtrel v1.3", 0, kADMTabbedFloatingDialogStyle, 0), nullptr);
    std::vector<ADMItemRef> const all = items();
    std::size_t i = 0;
    for (std::string const& line : data_rows("main_dialog_controls.txt")) {
        std::istringstream in(line);
        int id = 0;
        float value = 0, min = 0, max = 0;
        std::string kind, text;
        in >> id >> std::quoted(kind) >> std::quoted(text) >> value >> min >> max;
        SCOPED_TRACE(line);
        ASSERT_LT(i, all.size());
        ADMItemRef item = all[i++];
        EXPECT_EQ(std::tuple(ADMItemSuite10::GetID(item), ta::kindName(view_of(item)), ta::text(view_of(item))),
                  std::tuple(id, kind, text));
        EXPECT_TRUE(kind != "check box" || (ADMItemSuite10::GetBooleanValue(item) != 0) == (value != 0));
        if (kind != "edit text") continue;
        std::vector<float> got = {ADMItemSuite10::GetFloatValue(item)};
        for (char const* extreme : {"-1e30", "1e30"}) {
            ADMItemSuite10::SetText(item, extreme);
            got.push_back(ADMItemSuite10::GetFloatValue(item));
        }
        EXPECT_EQ(got, (std::vector<float>{value, min, max}));
    }
    EXPECT_EQ(i, all.size());
}

// Exactly the 22 step controls follow "Distribute Randomly", the camera popup
// "Towards Camera" on a change of any orientation box, the repeat controls
// "Repeat Layers". (What enabling shows, hides and keeps: the golden view trees.)
TEST_F(MainDlgTest, Enabling) {
    dlg->Enable(true);
    auto const inactive = [&] {
        std::set<int> ids;
        for (ADMItemRef item : items())
            if (!active(item)) ids.insert(ADMItemSuite10::GetID(item));
        return ids;
    };
    std::set<int> const random = inactive();
    dlg->check(216, false);
    user_changed(216);
    std::set<int> stepped = inactive();
    EXPECT_EQ(random.size() - stepped.size(), 22u);
    EXPECT_TRUE(std::includes(random.begin(), random.end(), stepped.begin(), stepped.end()));
    EXPECT_EQ(std::tuple(random.count(210), random.count(510)), std::tuple(0u, 1u));
    dlg->check(216, true);
    dlg->enable_distance();
    EXPECT_EQ(inactive(), random);

    struct Step {
        bool on;       // "Towards Camera" (503)
        int changed;   // the control the user changed
        bool camera;   // the popup enabled after it
    };
    for (Step const s : {Step{true, 503, true}, Step{false, 503, false}, Step{true, 505, true}, Step{false, 500, false},
                         Step{true, 524, false}}) {
        dlg->check(503, s.on);
        user_changed(s.changed);
        EXPECT_EQ(active(dlg->item(510)), s.camera) << s.changed;
    }
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    for (bool on : {true, false}) {
        ASSERT_TRUE(ta::click(from_ref(dlg->item(528))->control));
        EXPECT_EQ(std::pair(active(dlg->item(529)), active(dlg->item(523))), std::pair(on, on));
    }
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
        EXPECT_EQ(angles_or_place(record.position), Vector(expected, expected, expected));
        expected = std::min(expected + 50.0, 500.0);
    }
    std::int32_t const drawn = math::IY;  // three draws a record, also once in the corner
    math::SetRand(kSeed);
    for (int i = 0; i < 14 * 3; ++i) math::LRand();
    EXPECT_TRUE(drawn == math::IY && dlg->get_starting_point() == Vector(0, 0, 0));

    dlg->layers.clear();
    math::SetRand(kSeed);
    for (auto [id, text] : {std::pair{220, "0"}, {221, "0"}, {222, "10"}, {226, "40"}, {227, "20"}, {228, "5"},
                            {232, "-100"}, {233, "-100"}, {234, "-20"}})
        dlg->type(id, text);
    std::vector<Record> const records = place(5);
    math::SetRand(kSeed);
    double const xs[] = {0, 10, 30, 60, 100};
    double y = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(angles_or_place(records[i].position), Vector(xs[i], y, std::max(-10.0 * i * (i + 11), -500.0))) << i;
        math::Rand();
        y = ((20.0 - 40.0) * math::Rand() + 40.0) + 5.0 * (i + 1) + y;
        math::Rand();
    }
}

// Scale to fit (the cases are in data/): 200 x 100 layers in the default 1000
// box unless said otherwise shrink until their diagonals touch its faces, never
// below one pixel on their larger side; the recorded size is truncated.
TEST_F(MainDlgTest, FitExamples) {
    // One diagonal's factor: half at one face, 1 inside, below zero past two faces.
    double const r = std::sqrt(200.0 * 200.0 + 100.0 * 100.0) * 0.5;
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(350, -50, 0), Vector(550, 50, 0), r), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(dlg->downscale_to_cube(Vector(-100, -50, 0), Vector(100, 50, 0), r), 1.0);
    EXPECT_NEAR(dlg->downscale_to_cube(Vector(380, 430, 0), Vector(580, 530, 0), r), -0.4, 1e-12);
    for (std::string const& row : data_rows("fit_examples.txt")) {
        SCOPED_TRACE(row);
        std::istringstream in(row);
        std::string what, box;
        Vector at, turn;
        A_long w = 0, h = 0, scaled_w = 0, scaled_h = 0;
        double scale = 0;
        in >> std::quoted(what) >> box >> at.x >> at.y >> at.z >> turn.x >> turn.y >> turn.z >> w >> h >> scale >>
            scaled_w >> scaled_h;
        dlg->layers.clear();
        dlg->type(210, box.c_str());
        dlg->type(211, box == "10" ? "10" : "1000");
        dlg->add_records(1, w, h);
        Record& record = dlg->layers.back();
        record.position.val.three_d = {at.x, at.y, at.z};
        record.orientation.val.three_d = {turn.x, turn.y, turn.z};
        dlg->scale_layers_to_fit();
        auto const& got = record.scale.val.three_d;
        EXPECT_NEAR(std::hypot(got.x - scale, got.y - scale), 0, 1e-9) << got.x << " " << got.y;
        EXPECT_EQ(std::tuple(got.z, record.scaled_width, record.scaled_height), std::tuple(100.0, scaled_w, scaled_h));
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
    ASSERT_TRUE(dlg->get_layers_pos() == A_Err_NONE && dlg->layers.back().scale.val.three_d.x < 100.0);
    EXPECT_EQ(angles_or_place(dlg->layers.back().orientation), Vector(0, -90, 0));
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
    for (Record const& record : dlg->layers) EXPECT_EQ(angles_or_place(record.orientation), Vector(1, 2, 3));
    EXPECT_EQ(math::IY, kSeed);

    for (int id : {500, 501, 502}) dlg->check(id, id != 502);
    orient_all();
    math::SetRand(kSeed);
    for (Record const& record : dlg->layers)
        EXPECT_EQ(angles_or_place(record.orientation), math::LRand() % 2 == 0 ? Vector(0, 0, 0) : Vector(-90, 0, 0));

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

// The camera popup follows the composition's cameras, and the chosen camera's
// orientation includes the turn towards its point of interest.
#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <functional>
#include <tuple>

#include "adm/detail/handles.h"
#include "adm/detail/iADMItem.h"
#include "adobe/assistant_controls.h"
#include "assistant_fixture.h"
#include "toolkit/automation.h"

using namespace assistant;
using Names = std::vector<std::string>;

namespace {

class CameraTest : public AssistantTest {
protected:
    ADMListRef list() { return ADMItemSuite10::GetList(dlg->get_item(kCameraPopup)); }
    Names entries() { return tk::automation::popupEntries(from_ref(dlg->get_item(kCameraPopup))->control); }
    int active() {
        ADMEntryRef entry = ADMListSuite4::GetActiveEntry(list());
        return entry ? ADMEntrySuite6::GetIndex(entry) : -1;
    }
    void choose(int index) { ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(list(), index), true); }
    bool enabled(int id) { return ADMItemSuite10::IsEnabled(dlg->get_item(id)) != 0; }
    bool on(int id) { return ADMItemSuite10::GetBooleanValue(dlg->get_item(id)) != 0; }

    void remove(std::string const& name) { host.delete_layer(layer(name).id); }
    void add_camera(std::string const& name) {
        host::Layer cam;
        std::tie(cam.name, cam.type, cam.three_d) = std::tuple(name, host::LayerType::camera, true);
        host.add_layer(cam, static_cast<long>(host.layer_ids().size()));
    }
    host::Vec3 orientation() const { return vec(dlg->camera_orient); }
};

class ThreeCamerasTest : public CameraTest {
protected:
    void reset() {
        dlg.reset();
        load(scene({footage("Card", 10, 10), camera("Near", {0, 0, -100}, {0, 0, 0}), footage("F2", 10, 10),
                    camera("Middle", {0, 0, -200}, {0, 0, 0}), footage("F4", 10, 10),
                    camera("Far", {0, 0, -300}, {0, 0, 0})}));
        open();
        ASSERT_EQ(dlg->OnHostHasChanged(), A_Err_NONE);
    }
};

// The entries follow the stack order, the first chosen; the chosen camera is
// found again by its layer after each change of the composition.
TEST_F(ThreeCamerasTest, TheChoiceFollowsItsCamera) {
    reset();
    Names const all{"Near", "Middle", "Far"};
    EXPECT_EQ(std::tuple(entries(), dlg->cameras, active()),
              std::tuple(all, std::vector<AEGP_LayerH>{handle("Near"), handle("Middle"), handle("Far")}, 0));
    struct Case {
        char const* what;
        int chosen;
        std::function<void()> change;
        Names entries;
        int active;
    };
    std::vector<Case> const cases{
        {"refreshed twice", 2, [this] { dlg->fill_combo_camera(); }, all, 2},
        {"another removed", 2, [this] { remove("Middle"); }, {"Near", "Far"}, 1},
        {"first kept", 0, [this] { remove("Far"); }, {"Near", "Middle"}, 0},
        {"chosen removed", 1, [this] { remove("Middle"); }, {"Near", "Far"}, 0},
        {"one added", 1, [this] { add_camera("New"); }, {"Near", "Middle", "Far", "New"}, 1},
        {"renamed", 1, [this] { host.project().layer(layer("Middle").id)->name = "Renamed"; }, all, 1},
        {"no active composition", 2, [this] { host.project().active_item = 0; }, all, 2},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        reset();
        choose(c.chosen);
        c.change();
        ASSERT_EQ(dlg->fill_combo_camera(), A_Err_NONE);
        EXPECT_EQ(std::tuple(entries(), active()), std::tuple(c.entries, c.active));
    }
}

TEST_F(ThreeCamerasTest, AListingFailureLeavesEverythingAsItWas) {
    reset();
    choose(2);
    remove("Near");
    fail_next("AEGP_GetLayerObjectType", 2);
    EXPECT_EQ(dlg->fill_combo_camera(), 77);
    EXPECT_EQ(std::tuple(entries(), active(), dlg->cameras.size()), std::tuple(Names{"Near", "Middle", "Far"}, 2, 3u));
}

TEST_F(CameraTest, TwoCamerasWithOneNameAreChosenByHandle) {
    load(scene({camera("Camera", {-1000, 0, 0}, {0, 0, 0}), camera("Camera", {1000, 0, 0}, {0, 0, 0})}));
    open();
    EXPECT_EQ((std::tuple{dlg->fill_combo_camera(), entries()}), std::tuple(A_Err_NONE, Names{"Camera", "Camera"}));
    for (auto const& [index, y] : {std::pair(1, 270.0), std::pair(0, 90.0)}) {  // 270: the camera on the right
        choose(index);
        ASSERT_TRUE(dlg->get_camera_orientation() == A_Err_NONE && std::abs(orientation().y - y) < 1e-9) << index;
    }
}

TEST_F(CameraTest, WithoutCamerasTowardsCameraIsSwitchedOffAndDisabled) {
    load(scene({footage("Card", 10, 10), camera("Camera", {0, 0, -100}, {0, 0, 0})}));
    open();
    // "Towards Camera" on, and enabled; "Don't Change Orientation" on.
    auto const boxes = [&] { return std::array{on(kTowardsCamera), enabled(kTowardsCamera), on(kKeepOrientation)}; };
    ASSERT_EQ(dlg->fill_combo_camera(), A_Err_NONE);
    check(kTowardsCamera, true);
    check(kKeepOrientation, false);
    EXPECT_EQ(boxes(), (std::array{true, true, false}));

    remove("Camera");
    EXPECT_EQ((std::tuple{dlg->fill_combo_camera(), entries()}), std::tuple(A_Err_NONE, Names{}));
    EXPECT_TRUE(dlg->cameras.empty() && boxes() == (std::array{false, false, true}));

    add_camera("Back");
    EXPECT_EQ((std::tuple{dlg->fill_combo_camera(), boxes()}), std::tuple(A_Err_NONE, std::array{false, true, true}));
}

TEST_F(CameraTest, NoPopupNoHostCalls) {
    load(scene({camera("Camera", {0, 0, -100}, {0, 0, 0})}));
    open_without(kCameraPopup);
    mark();
    // Braced, so that the calls go in this order.
    EXPECT_EQ(
        (std::tuple{dlg->get_combo_id(), dlg->fill_combo_camera(), dlg->get_camera_orientation(), calls_since_mark()}),
        std::tuple(-1, A_Err_NONE, A_Err_NONE, Names{}));
}

// The effective orientation of a camera looking at the origin, to three decimals
// (the shared table); a camera on its point of interest turns only halfway
// (y + 180), with its own orientation and rotations.
TEST_F(CameraTest, EffectiveOrientationToThreeDecimals) {
    std::vector<std::pair<json, std::vector<double>>> rows = {
        {with(camera("Camera", {5, 6, 7}, {5, 6, 7}), {{"orientation", {10, 20, 30}}, {"rotation", {1, 2, 3}}}),
         {11, 202, 33}}};
    for (json const& row : json::parse(std::ifstream(VOXTREL_ADOBE_TEST_DATA "/cameras.json")))
        rows.emplace_back(camera("Camera", row["position"], {0, 0, 0}), row["turn"]);
    for (auto const& [cam, turn] : rows) {
        SCOPED_TRACE(cam.dump());
        load(scene({footage("Card", 10, 10), cam}));
        open();
        ASSERT_EQ(dlg->fill_combo_camera(), A_Err_NONE);
        // An application reads the chosen camera's orientation first.
        ASSERT_EQ(dlg->apply_assistant(), A_Err_NONE);
        host::Vec3 const o = orientation();
        EXPECT_LT(std::max({std::abs(o.x - turn[0]), std::abs(o.y - turn[1]), std::abs(o.z - turn[2])}), 5e-4);
    }
}

}  // namespace

// Load, command, idle, "Apply": the whole road of one application through the
// plug-in's real entry point, in a floating window and in a host panel.
#include <gtest/gtest.h>

#include <cmath>

#include "dialog_host.h"

namespace {

class EndToEnd : public DialogHostTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        start(GetParam());
        ASSERT_TRUE(choose_menu_item());
        host.idle();
        before = host.save_scene();
    }

    // Every layer the assistant works on lies inside the default box around the
    // composition's centre.
    void expect_inside_box(nlohmann::json const& l) {
        nlohmann::json const& p = l["position"];
        EXPECT_GE(p[0].get<double>(), 960 - 500) << l["name"];
        EXPECT_LT(p[0].get<double>(), 960 + 500) << l["name"];
        EXPECT_GE(p[1].get<double>(), 540 - 500) << l["name"];
        EXPECT_LT(p[1].get<double>(), 540 + 500) << l["name"];
        EXPECT_GE(p[2].get<double>(), -500) << l["name"];
        EXPECT_LT(p[2].get<double>(), 500) << l["name"];
    }

    void expect_undo_gives_back_the_scene() {
        ASSERT_EQ(host.undo_history().undo_steps().size(), 1u);
        EXPECT_EQ(host.undo_history().undo_steps().back().name, "Voxtrel");
        EXPECT_EQ(host.undo_history().depth(), 0);
        ASSERT_TRUE(host.undo());
        EXPECT_EQ(host.save_scene(), before);
    }

    nlohmann::json before;
};

TEST_P(EndToEnd, ApplyPlacesTheSelected3DLayersInTheBoxAndLeavesTheRest) {
    press_apply();
    nlohmann::json const after = host.save_scene();
    for (char const* name : {"Title", "Card", "Plate"}) {
        nlohmann::json const l = layer(after, name);
        expect_inside_box(l);
        EXPECT_NE(l["position"], layer(before, name)["position"]) << name;
        // "Don't Change Orientation" is checked at first.
        EXPECT_EQ(l["orientation"], layer(before, name)["orientation"]) << name;
        EXPECT_EQ(l["scale"], layer(before, name)["scale"]) << name;
    }
    for (char const* name : {"Camera", "Light", "Flat"}) EXPECT_EQ(layer(after, name), layer(before, name)) << name;
    expect_undo_gives_back_the_scene();
    expect_balanced_after_quit();
}

TEST_P(EndToEnd, RepeatsKeysAndTowardsCameraReachDuplicatesToo) {
    check("Repeat Layers", true);
    HIViewRef count = repeat_count_field();
    ASSERT_NE(count, nullptr);
    ASSERT_TRUE(ta::typeText(count, "2"));
    for (char const* key : {"Position", "Orientation", "Scale"}) check(key, true);
    check("Towards Camera", true);
    check("Don't Change Orientation", false);
    press_apply();

    nlohmann::json const after = host.save_scene();
    auto const& layers = after["composition"]["layers"];
    ASSERT_EQ(layers.size(), before["composition"]["layers"].size() + 6);
    int placed = 0;
    for (nlohmann::json const& l : layers) {
        std::string const name = l["name"];
        if (name != "Title" && name != "Card" && name != "Plate") continue;
        ++placed;
        // The camera stands straight in front of the composition's centre.
        for (char const* stream : {"position", "orientation", "scale"}) {
            ASSERT_TRUE(l["keys"].contains(stream)) << name << " " << stream;
            ASSERT_EQ(l["keys"][stream].size(), 1u) << name << " " << stream;
            // Keys land at the composition's current time.
            EXPECT_EQ(l["keys"][stream][0][0].get<double>(), 1.0) << name << " " << stream;
        }
        // A keyed stream's value is its key.
        nlohmann::json const keyed_position = {{"name", name}, {"position", l["keys"]["position"][0][1]}};
        expect_inside_box(keyed_position);
        nlohmann::json const& orientation = l["keys"]["orientation"][0][1];
        // The camera stands straight in front of the composition's centre.
        EXPECT_NEAR(orientation[0].get<double>(), 180, 1e-3) << name;
        EXPECT_NEAR(orientation[1].get<double>(), 180, 1e-3) << name;
        EXPECT_NEAR(orientation[2].get<double>(), -180, 1e-3) << name;
        EXPECT_EQ(l["rotation"], nlohmann::json::array({0, 0, 0})) << name;
    }
    EXPECT_EQ(placed, 9);
    for (char const* name : {"Camera", "Light", "Flat"}) EXPECT_EQ(layer(after, name), layer(before, name)) << name;
    expect_undo_gives_back_the_scene();
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(WindowAndPanel, EndToEnd, ::testing::Values(false, true),
                         [](auto const& info) { return info.param ? "Panel" : "Window"; });

}  // namespace

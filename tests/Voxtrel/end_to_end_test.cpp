// Load, command, idle, "Apply": the whole road of one application through the
// plug-in's real entry point, in a floating window and in a host panel.
#include <gtest/gtest.h>

#include "dialog_host.h"

namespace {

class EndToEnd : public DialogHostTest, public ::testing::WithParamInterface<bool> {};

// Every selected 3D layer and its copies land inside the default box around the
// composition's centre, keyed at the current time and turned towards the camera
// straight in front of the centre; the rest stays, and undo gives the scene back.
TEST_P(EndToEnd, ApplyPlacesRepeatsKeysAndTurnsOnlyThe3DLayersAndUndoesInOneStep) {
    start(GetParam());
    ASSERT_TRUE(choose_menu_item());
    host.idle();
    nlohmann::json const before = host.save_scene();
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
        SCOPED_TRACE(name + " #" + std::to_string(++placed));
        for (char const* stream : {"position", "orientation", "scale"}) {
            ASSERT_EQ(l["keys"][stream].size(), 1u) << stream;
            EXPECT_EQ(l["keys"][stream][0][0].get<double>(), 1.0) << stream;
        }
        nlohmann::json const& p = l["keys"]["position"][0][1];
        double const centre[] = {960, 540, 0};
        for (int i = 0; i < 3; ++i) {
            EXPECT_GE(p[i].get<double>(), centre[i] - 500) << i;
            EXPECT_LT(p[i].get<double>(), centre[i] + 500) << i;
        }
        nlohmann::json const& o = l["keys"]["orientation"][0][1];
        EXPECT_NEAR(o[0].get<double>(), 180, 1e-3);
        EXPECT_NEAR(o[1].get<double>(), 180, 1e-3);
        EXPECT_NEAR(o[2].get<double>(), -180, 1e-3);
        EXPECT_EQ(l["rotation"], nlohmann::json::array({0, 0, 0}));
    }
    EXPECT_EQ(placed, 9);
    for (char const* name : {"Camera", "Light", "Flat"}) EXPECT_EQ(layer(after, name), layer(before, name)) << name;

    ASSERT_EQ(host.undo_history().undo_steps().size(), 1u);
    EXPECT_EQ(host.undo_history().undo_steps().back().name, "Voxtrel");
    ASSERT_TRUE(host.undo());
    EXPECT_EQ(host.save_scene(), before);
    expect_balanced_after_quit();
}

INSTANTIATE_TEST_SUITE_P(WindowAndPanel, EndToEnd, ::testing::Values(false, true),
                         [](auto const& info) { return info.param ? "Panel" : "Window"; });

}  // namespace

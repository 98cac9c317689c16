// The scene the validation sweep runs on. Every injected failure runs on it, so
// a change to it changes what the sweep reaches without failing anything: the
// made layers are pinned in data/sweep_scene.json, to be changed on purpose.
#include "validate/sweep_scene.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using nlohmann::ordered_json;

ordered_json composition_of(ordered_json layers) {
    return {{"active", false},
            {"composition", {{"name", "Odd"}, {"width", 1000}, {"height", 600}, {"layers", layers}, {"selection", {}}}}};
}

TEST(SweepScene, MakesEachMissingKindAndKeepsTheFirstOfEachOther) {
    ordered_json made = app::validate::sweep_scene(composition_of(ordered_json::array()));
    app::validate::add_cameras(made);
    app::validate::add_keys(made);
    std::ifstream expected(VOXTREL_SOURCE_DIR "/tests/app/data/sweep_scene.json");
    EXPECT_EQ(made, ordered_json::parse(expected));

    const auto layer = [](const char* name, const char* type, bool three_d) {
        return ordered_json{{"name", name}, {"type", type}, {"3d", three_d}};
    };
    const ordered_json kept = app::validate::sweep_scene(composition_of(
        {layer("Flat", "solid", false), layer("C1", "camera", true), layer("F1", "footage", true),
         layer("C2", "camera", true), layer("F2", "footage", true), layer("Flat 2", "text", false)}));
    std::vector<std::string> names;
    for (const ordered_json& l : kept["composition"]["layers"]) {
        names.push_back(l["name"]);
        EXPECT_TRUE(l["selected"].get<bool>());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Flat", "C1", "F1", "Validation Light", "Validation Solid",
                                               "Validation Text", "Validation Shape"}));
}

}  // namespace

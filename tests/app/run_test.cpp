// voxtrel-host's whole run on the default scene: reproducible results, the box,
// undo, and what it prints and writes.
#include <cmath>

#include "program.h"

namespace app_test {
namespace {

using WholeRun = Program;

bool is_distributed(const json& layer) {
    const std::string type = layer["type"];
    return layer["selected"] == true && layer["3d"] == true && type != "camera" && type != "light";
}

TEST_F(WholeRun, SameClockGivesTheSameSceneAndPicture) {
    ASSERT_EQ(run({"--clock", "1000", "--out", path("a")}).status, 0);
    ASSERT_EQ(run({"--clock", "1000", "--out", path("b")}).status, 0);
    ASSERT_EQ(run({"--clock", "2000", "--out", path("c")}).status, 0);
    const std::string scene_a = read_file(dir / "a" / "scene.json");
    ASSERT_FALSE(scene_a.empty());
    EXPECT_EQ(scene_a, read_file(dir / "b" / "scene.json"));
    EXPECT_EQ(read_file(dir / "a" / "view.png"), read_file(dir / "b" / "view.png"));
    EXPECT_EQ(read_file(dir / "a" / "dialog.png"), read_file(dir / "b" / "dialog.png"));

    // Another second seeds other positions.
    const json a = json::parse(scene_a), c = json::parse(read_file(dir / "c" / "scene.json"));
    EXPECT_NE(layer_named(a, "Card 1")["position"], layer_named(c, "Card 1")["position"]);
    EXPECT_NE(read_file(dir / "a" / "view.png"), read_file(dir / "c" / "view.png"));
}

TEST_F(WholeRun, EverySelectedLayerLandsInsideTheBoxAroundTheCentre) {
    const Outcome before = run({"--apply", "0", "--json"});
    const Outcome after = run({"--cube", "600,400,200", "--clock", "77", "--json"});
    ASSERT_EQ(after.status, 0) << after.err;
    const json old_scene = scene_of(before), new_scene = scene_of(after);
    const json& old_layers = old_scene["composition"]["layers"];
    const json& layers = new_scene["composition"]["layers"];
    ASSERT_EQ(layers.size(), old_layers.size());
    int distributed = 0;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const json& layer = layers[i];
        SCOPED_TRACE(layer["name"].get<std::string>());
        if (!is_distributed(layer)) {
            EXPECT_EQ(layer, old_layers[i]);
            continue;
        }
        ++distributed;
        const double x = layer["position"][0], y = layer["position"][1], z = layer["position"][2];
        EXPECT_LE(std::abs(x - 960), 300);
        EXPECT_LE(std::abs(y - 540), 200);
        EXPECT_LE(std::abs(z), 100);
    }
    EXPECT_EQ(distributed, 30);
}

TEST_F(WholeRun, UndoGivesBackTheInputScene) {
    const std::string input = write("input.json", run({"--apply", "0", "--json"}).out);
    const Outcome undone = run({input, "--orient", "random", "--keys", "position,scale", "--undo", "--json"});
    ASSERT_EQ(undone.status, 0) << undone.err;
    EXPECT_EQ(undone.out, read_file(input));

    const Outcome table = run({input, "--undo"});
    EXPECT_NE(table.out.find("Undone: Voxtrel\n(no layer changed)\n"), std::string::npos) << table.out;
}

TEST_F(WholeRun, TableListsTheLayersTheApplicationTouchedThenTheAlerts) {
    const Outcome r = run({"--clock", "5", "--orient", "camera"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Layer ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("Position"), std::string::npos);
    EXPECT_NE(r.out.find("\nCard 1 "), std::string::npos);
    EXPECT_NE(r.out.find("180.0, 180.0, -180.0"), std::string::npos);
    // Untouched layers are not listed.
    EXPECT_EQ(r.out.find("Caption"), std::string::npos);
    EXPECT_EQ(r.out.find("Camera 1"), std::string::npos);
    EXPECT_NE(r.out.find("\nAlerts:\n  (none)\n"), std::string::npos) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(WholeRun, JsonPrintsTheSceneThatOutWrites) {
    const Outcome r = run({"--clock", "9", "--json", "--out", path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, read_file(dir / "out" / "scene.json"));
    EXPECT_NE(r.err.find("Alerts:"), std::string::npos);  // alerts move to standard error
    EXPECT_TRUE(fs::exists(dir / "out" / "view.png"));
    EXPECT_TRUE(fs::exists(dir / "out" / "dialog.png"));
}

TEST_F(WholeRun, OnlyOpeningTheDialogChangesNothing) {
    const Outcome r = run({"--apply", "0", "--out", path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "(no layer changed)\nAlerts:\n  (none)\n");
    EXPECT_TRUE(fs::exists(dir / "out" / "dialog.png"));
}

TEST_F(WholeRun, HelpDescribesEveryOption) {
    const Outcome r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"SCENE", "--cube", "--orient", "--camera", "--repeat", "--sequential", "--keys",
                               "--no-crop-text", "--apply", "--plugin", "--panel", "--without", "--clock", "--undo",
                               "--screen", "--json", "--out", "--ui-json"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

}  // namespace
}  // namespace app_test

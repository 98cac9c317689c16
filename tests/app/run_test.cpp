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

TEST_F(WholeRun, ClockStepGivesEveryPressItsOwnSecond) {
    // Presses within one second repeat the same arrangement; the last press decides the result.
    const std::string same_second = run({"--clock", "10", "--apply", "2", "--json"}).out;
    const std::string stepped = run({"--clock", "10", "--clock-step", "1", "--apply", "2", "--json"}).out;
    EXPECT_EQ(same_second, run({"--clock", "10", "--json"}).out);
    EXPECT_EQ(stepped, run({"--clock", "11", "--json"}).out);
    EXPECT_NE(stepped, same_second);
}

TEST_F(WholeRun, TellsWhatThereIs) {
    Outcome r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "voxtrel-host " VOXTREL_VERSION "\n");

    // The suites in the form --without takes; the panel suite only with --panel.
    r = run({"--list", "suites", "--without", "AEGP Layer Suite:10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("AEGP Layer Suite:8\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("AEGP Layer Suite:10\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("AEGP Workspace Panel Suite:1\n"), std::string::npos) << r.out;
    EXPECT_NE(run({"--list", "suites", "--panel"}).out.find("AEGP Workspace Panel Suite:1\n"), std::string::npos);
}

}  // namespace
}  // namespace app_test

// Operating the dialog from the command line: repeats, orientation, keys,
// controls a person cannot use, the view tree, panels and screens.
#include <cairo.h>

#include <cmath>
#include <cstring>

#include "program.h"

namespace app_test {
namespace {

class Dialog : public Program {
protected:
    // Three selected 3D layers over an unselected 2D backdrop.
    std::string three_cards() {
        json layers = json::array();
        for (int i = 1; i <= 3; ++i)
            layers.push_back({{"name", "Card " + std::to_string(i)},
                              {"type", "solid"},
                              {"source", {200, 100}},
                              {"3d", true},
                              {"selected", true},
                              {"anchor", {100, 50, 0}},
                              {"position", {100.0 * i, 100, 0}}});
        layers.push_back({{"name", "Backdrop"}, {"type", "solid"}, {"source", {1280, 720}}});
        return write("three.json", json{{"composition", {{"width", 1280}, {"height", 720}, {"layers", layers}}}}.dump());
    }

    static std::vector<std::string> names(const json& scene) {
        std::vector<std::string> out;
        for (const json& layer : scene["composition"]["layers"]) out.push_back(layer["name"]);
        return out;
    }
};

// A view of the tree --ui-json writes, by kind and text, depth first.
const json* find_view(const json& node, const std::string& kind, const std::string& text) {
    if (node["kind"] == kind && node["text"] == text) return &node;
    for (const json& child : node["children"])
        if (const json* found = find_view(child, kind, text)) return found;
    return nullptr;
}

TEST_F(Dialog, SequentialRepeatOnAnOlderHostPutsTheCopiesAtTheBottom) {
    const Outcome r =
        run({three_cards(), "--without", "AEGP Layer Suite:10", "--repeat", "1", "--sequential", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::vector<std::string> expected = {"Card 1", "Card 2", "Card 3", "Backdrop", "Card 1", "Card 2", "Card 3"};
    EXPECT_EQ(names(scene_of(r)), expected);
}

TEST_F(Dialog, TowardsACameraStraightInFrontGivesTheTurnThatKeepsLayersFacingIt) {
    // The default scene's camera stands in front of the composition's centre.
    const Outcome r = run({"--orient", "camera", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    int turned = 0;
    const json scene = scene_of(r);
    for (const json& layer : scene["composition"]["layers"]) {
        if (layer["selected"] != true || layer["type"] == "camera" || layer["type"] == "light") continue;
        SCOPED_TRACE(layer["name"].get<std::string>());
        EXPECT_NEAR(layer["orientation"][0].get<double>(), 180, 1e-9);
        EXPECT_NEAR(layer["orientation"][1].get<double>(), 180, 1e-9);
        EXPECT_NEAR(layer["orientation"][2].get<double>(), -180, 1e-9);
        EXPECT_EQ(layer["rotation"], json({0, 0, 0}));
        ++turned;
    }
    EXPECT_EQ(turned, 30);
}

TEST_F(Dialog, ChosenCameraDecidesTheTurn) {
    json scene = json::parse(read_file(three_cards()));
    json& layers = scene["composition"]["layers"];
    layers.push_back({{"name", "Front"}, {"type", "camera"}, {"3d", true},
                      {"position", {640, 360, -1000}}, {"anchor", {640, 360, 0}}});
    // Looking along -x from the right: the layers turn a quarter about y.
    layers.push_back({{"name", "Side"}, {"type", "camera"}, {"3d", true},
                      {"position", {1640, 360, 0}}, {"anchor", {640, 360, 0}}});
    const Outcome r = run({write("cameras.json", scene.dump()), "--orient", "camera", "--camera", "Side", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.find("voxtrel-host: "), std::string::npos) << r.err;
    const json result = scene_of(r);
    const json& turned = layer_named(result, "Card 2")["orientation"];
    EXPECT_NEAR(turned[0].get<double>(), 0, 1e-9);
    EXPECT_NEAR(turned[1].get<double>(), 270, 1e-9);
    EXPECT_NEAR(turned[2].get<double>(), 0, 1e-9);
}

TEST_F(Dialog, KeysAreInsertedAtTheCurrentTime) {
    // Orientation is only written (and keyed) when it is to change.
    const Outcome r = run({three_cards(), "--keys", "position,orientation", "--orient", "random", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const json scene = scene_of(r);
    const json& keys = layer_named(scene, "Card 1")["keys"];
    ASSERT_TRUE(keys.contains("position")) << keys;
    ASSERT_EQ(keys["position"].size(), 1u);
    EXPECT_EQ(keys["position"][0][0], 0.0);
    EXPECT_TRUE(keys.contains("orientation"));
    EXPECT_FALSE(keys.contains("scale"));
}

TEST_F(Dialog, ActionsOnControlsAPersonCannotUseAreReported) {
    // "Repeat Sequentially" waits for "Repeat Layers", the camera popup for "Towards Camera".
    Outcome r = run({"--sequential", "--camera", "Camera 1", "--apply", "0"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("voxtrel-host: \"Repeat Sequentially\" is disabled; not checked\n"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("voxtrel-host: the camera popup is disabled; \"Camera 1\" not chosen\n"), std::string::npos)
        << r.err;

    // A scene without cameras has no popup entries.
    r = run({three_cards(), "--orient", "camera", "--apply", "0"});
    EXPECT_NE(r.err.find("voxtrel-host: \"Towards Camera\" is disabled; not checked\n"), std::string::npos) << r.err;

    r = run({"--without", "AEGP Layer Suite:8", "--no-crop-text", "--apply", "0"});
    EXPECT_NE(r.err.find("\"Crop Text Layers To Size Of Other 3D Layers\" is disabled; not unchecked"),
              std::string::npos)
        << r.err;
}

TEST_F(Dialog, FieldsThatTookAnotherValueThanTypedSaySoAndTheBoxIsTheOneTheyTook) {
    const Outcome typed =
        run({"--cube", "-1000,99999999,0", "--repeat", "999999999", "--apply", "0", "--out", path("typed")});
    ASSERT_EQ(typed.status, 0) << typed.err;
    for (const char* line : {
             "voxtrel-host: the \"Cube Dimensions\" X field took 0.1 (its smallest value), not -1000\n",
             "voxtrel-host: the \"Cube Dimensions\" Y field took 10000000 (its largest value), not 99999999\n",
             "voxtrel-host: the \"Cube Dimensions\" Z field took 0.1 (its smallest value), not 0\n",
             "voxtrel-host: the repeat count field took 10000 (its largest value), not 999999999\n",
         })
        EXPECT_NE(typed.err.find(line), std::string::npos) << typed.err;
    // The wireframe is the box the dialog used, not the one typed.
    const Outcome took = run({"--cube", "0.1,10000000,0.1", "--apply", "0", "--out", path("took")});
    ASSERT_EQ(took.status, 0) << took.err;
    EXPECT_TRUE(took.err.empty()) << took.err;
    EXPECT_EQ(read_file(dir / "typed" / "view.png"), read_file(dir / "took" / "view.png"));
}

TEST_F(Dialog, ViewTreeShowsTheDialogAsOperated) {
    const Outcome r = run({"--cube", "500, 400,300", "--repeat", "3", "--keys", "scale", "--no-crop-text",
                           "--orient", "camera,random", "--apply", "0", "--ui-json", path("ui.json")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.err.empty()) << r.err;
    const json tree = json::parse(read_file(dir / "ui.json"));
    EXPECT_EQ(tree["title"], "Voxtrel");
    const json& root = tree["root"];
    for (const char* size : {"500", "400", "300", "3"}) EXPECT_TRUE(find_view(root, "edit text", size)) << size;
    const auto checked = [&](const char* title) {
        const json* box = find_view(root, "check box", title);
        return box ? (*box)["value"].get<int>() : -1;
    };
    EXPECT_EQ(checked("Repeat Layers"), 1);
    EXPECT_EQ(checked("Scale"), 1);
    EXPECT_EQ(checked("Position"), 0);
    EXPECT_EQ(checked("Crop Text Layers To Size Of Other 3D Layers"), 0);
    EXPECT_EQ(checked("Towards Camera"), 1);
    EXPECT_EQ(checked("Random"), 1);
    EXPECT_EQ(checked("Don't Change Orientation"), 0);
    const json* popup = find_view(root, "popup button", "Camera 1");
    ASSERT_TRUE(popup);
    EXPECT_EQ((*popup)["enabled"], true);
}

// Brightness of the picture's top-left corner, 0 to 765.
int corner_brightness(const fs::path& png) {
    cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
    EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    uint32_t p = 0;
    std::memcpy(&p, cairo_image_surface_get_data(image) + 4 * cairo_image_surface_get_stride(image) + 4 * 4, 4);
    cairo_surface_destroy(image);
    return static_cast<int>(((p >> 16) & 0xff) + ((p >> 8) & 0xff) + (p & 0xff));
}

TEST_F(Dialog, PanelModeOpensAndAppliesInAHostPanel) {
    const Outcome docked = run({"--panel", "--clock", "4", "--out", path("panel"), "--ui-json", path("ui.json")});
    ASSERT_EQ(docked.status, 0) << docked.err;
    EXPECT_NE(docked.out.find("Card 1"), std::string::npos);
    const Outcome floating = run({"--clock", "4", "--out", path("window")});
    ASSERT_EQ(floating.status, 0) << floating.err;
    // Same placement either way; the panel is drawn in the host's dark palette.
    EXPECT_EQ(read_file(dir / "panel" / "scene.json"), read_file(dir / "window" / "scene.json"));
    EXPECT_LT(corner_brightness(dir / "panel" / "dialog.png"), 300);
    EXPECT_GT(corner_brightness(dir / "window" / "dialog.png"), 450);
    // In a panel the check boxes' texts are separate labels.
    const json tree = json::parse(read_file(dir / "ui.json"));
    EXPECT_TRUE(find_view(tree["root"], "static text", "Repeat Layers"));
    EXPECT_FALSE(find_view(tree["root"], "check box", "Repeat Layers"));
}

TEST_F(Dialog, WindowIsCentredOnTheScreen) {
    ASSERT_EQ(run({"--screen", "800,600", "--apply", "0", "--ui-json", path("ui.json")}).status, 0);
    const json bounds = json::parse(read_file(dir / "ui.json"))["bounds"];
    EXPECT_NEAR((bounds["left"].get<int>() + bounds["right"].get<int>()) / 2.0, 400, 1);
    EXPECT_NEAR((bounds["top"].get<int>() + bounds["bottom"].get<int>()) / 2.0, 300, 1);
}

}  // namespace
}  // namespace app_test

// Scene files: exact round trips, the default scene, defaults, and every
// validation error with its JSON path.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "host/Host.h"
#include "host/scene.h"
#include "host_test_support.h"

namespace {

using host::Host;
using host::SceneError;
using Json = nlohmann::ordered_json;

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SceneRoundTrip, EveryExampleFileReadsBackToTheSameText) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(HOST_EXAMPLE_SCENES)) {
        if (entry.path().extension() != ".json") continue;
        ++files;
        const std::string text = read_file(entry.path());
        Host h;
        ASSERT_NO_THROW(h.load_scene_text(text)) << entry.path();
        EXPECT_EQ(h.save_scene_text(), text) << entry.path();
    }
    EXPECT_GE(files, 3);
}

TEST(SceneRoundTrip, DefaultSceneReadsBackToItself) {
    const std::string text = host::scene_text(host::default_scene());
    Host h;
    h.load_scene_text(text);
    EXPECT_EQ(h.save_scene_text(), text);
}

TEST(SceneRoundTrip, KeysDuplicatesAndAwkwardNumbersSurvive) {
    Host h;
    h.load_scene_text(host_test::kSmallScene);
    h.invoke_command(host::kDuplicateCommand);
    host::Layer& a = h.project().layers.at(h.find_layer("A"));
    a.stream(host::StreamId::position).value = {0.1 + 0.2, 1.0 / 3.0, -0.0};
    a.stream(host::StreamId::rotation_z).keys = {{*host::Time::fraction(1, 30), {1e-300, 0, 0}},
                                                  {*host::Time::fraction(5, 2), {-7.25e12, 0, 0}}};
    a.offset = *host::Time::fraction(-1, 7);
    const std::string first = h.save_scene_text();
    const host::Project saved = h.project();

    Host::current()->load_scene_text(first);
    EXPECT_EQ(h.save_scene_text(), first);
    const host::Layer& back = h.project().layers.at(h.find_layer("A"));
    EXPECT_EQ(back.stream(host::StreamId::position).value, (host::Vec3{0.1 + 0.2, 1.0 / 3.0, -0.0}));
    EXPECT_TRUE(std::signbit(back.stream(host::StreamId::position).value.z));
    EXPECT_EQ(back.stream(host::StreamId::rotation_z).keys, saved.layers.at(saved.comps.begin()->second.layers[0]).stream(host::StreamId::rotation_z).keys);
    EXPECT_EQ(back.offset, *host::Time::fraction(-1, 7));
    EXPECT_EQ(h.layer_ids().size(), 6u);
}

TEST(SceneRoundTrip, SelectionOrderIsKeptAndBothFormsAreWritten) {
    Host h;
    h.load_scene_text(host_test::kSmallScene);
    const nlohmann::json saved = h.save_scene();
    EXPECT_EQ(saved["composition"]["selection"], nlohmann::json::array({1, 0}));
    EXPECT_EQ(saved["composition"]["layers"][0]["selected"], true);
    EXPECT_EQ(saved["composition"]["layers"][2]["selected"], false);
    EXPECT_EQ(saved["active"], true);
}

TEST(DefaultScene, HasTheDescribedLayout) {
    Host h;
    h.load_scene_text(host::scene_text(host::default_scene()));
    const host::Project& p = h.project();
    const host::Composition* comp = p.active_comp();
    ASSERT_NE(comp, nullptr);
    EXPECT_EQ(p.items.at(comp->item).width, 1920);
    EXPECT_EQ(p.items.at(comp->item).height, 1080);
    int three_d = 0, two_d = 0, cameras = 0, lights = 0, text = 0, shape = 0;
    std::set<std::pair<A_long, A_long>> sizes;
    std::vector<host::ObjectId> expected_selection;
    for (host::ObjectId id : comp->layers) {
        const host::Layer& l = p.layers.at(id);
        if (l.type == host::LayerType::camera) {
            ++cameras;
            EXPECT_EQ(l.stream(host::StreamId::position).value, (host::Vec3{960, 540, -2666.7}));
            EXPECT_EQ(l.stream(host::StreamId::anchor).value, (host::Vec3{960, 540, 0}));
        } else if (l.type == host::LayerType::light) {
            ++lights;
        } else if (l.three_d) {
            ++three_d;
            text += l.type == host::LayerType::text;
            shape += l.type == host::LayerType::shape;
            if (const host::Item* s = p.item(l.source)) sizes.insert({s->width, s->height});
        } else {
            ++two_d;
        }
        if (l.three_d) expected_selection.push_back(id);
    }
    EXPECT_GE(three_d, 28);
    EXPECT_LE(three_d, 32);
    EXPECT_EQ(two_d, 2);
    EXPECT_EQ(cameras, 1);
    EXPECT_EQ(lights, 1);
    EXPECT_EQ(text, 1);
    EXPECT_EQ(shape, 1);
    EXPECT_GE(sizes.size(), 5u);
    EXPECT_EQ(comp->selection, expected_selection);
}

TEST(SceneDefaults, FieldsLeftOutTakeTheHostDefaults) {
    Host h;
    h.load_scene_text(R"({"composition": {"layers": [{"type": "text"}, {"type": "camera"}]}})");
    const host::Composition* comp = h.project().active_comp();
    ASSERT_NE(comp, nullptr);
    EXPECT_EQ(h.project().items.at(comp->item).width, 1920);
    EXPECT_EQ(comp->frame_rate, 30);
    const host::Layer& text = h.project().layers.at(comp->layers[0]);
    EXPECT_FALSE(text.three_d);
    EXPECT_EQ(text.name, "Text 1");
    EXPECT_EQ(text.stream(host::StreamId::scale).value, (host::Vec3{100, 100, 100}));
    EXPECT_EQ(text.stream(host::StreamId::position).value, (host::Vec3{0, 0, 0}));
    EXPECT_TRUE(h.project().layers.at(comp->layers[1]).three_d);  // cameras are 3D
    EXPECT_TRUE(comp->selection.empty());
}

TEST(SceneDefaults, InactiveCompositionLeavesNoActiveItem) {
    Host h;
    h.load_scene_text(R"({"composition": {"name": "Off"}, "active": false})");
    EXPECT_EQ(h.project().active_item, 0u);
    EXPECT_EQ(h.save_scene()["active"], false);
    EXPECT_EQ(h.save_scene()["composition"]["name"], "Off");
}

// A valid scene to break one field at a time.
Json base() {
    return Json::parse(R"({
      "composition": {
        "name": "Main", "width": 1920, "height": 1080, "frame_rate": 30, "time": 0,
        "layers": [
          {"name": "A", "type": "footage", "source": [640, 480], "3d": true, "selected": true,
           "position": [1, 2, 3], "keys": {"position": [[0, [0, 0, 0]], [1, [1, 1, 1]]]}},
          {"name": "T", "type": "text", "3d": true},
          {"name": "C", "type": "camera"}
        ],
        "selection": [0]
      },
      "active": true
    })");
}

struct BadScene {
    const char* what;
    void (*breaks)(Json&);
    const char* path;
};

const BadScene kBadScenes[] = {
    {"root not an object", [](Json& s) { s = Json::array(); }, ""},
    {"unknown root field", [](Json& s) { s["extra"] = 1; }, "/extra"},
    {"no composition", [](Json& s) { s.erase("composition"); }, "/composition"},
    {"active not a boolean", [](Json& s) { s["active"] = 1; }, "/active"},
    {"unknown composition field", [](Json& s) { s["composition"]["fps"] = 30; }, "/composition/fps"},
    {"width not whole", [](Json& s) { s["composition"]["width"] = 19.5; }, "/composition/width"},
    {"height zero", [](Json& s) { s["composition"]["height"] = 0; }, "/composition/height"},
    {"frame rate negative", [](Json& s) { s["composition"]["frame_rate"] = -1; }, "/composition/frame_rate"},
    {"time a string", [](Json& s) { s["composition"]["time"] = "0"; }, "/composition/time"},
    {"layers not a list", [](Json& s) { s["composition"]["layers"] = Json::object(); }, "/composition/layers"},
    {"layer not an object", [](Json& s) { s["composition"]["layers"][1] = 5; }, "/composition/layers/1"},
    {"unknown layer field", [](Json& s) { s["composition"]["layers"][0]["postion"] = Json::array({1, 2, 3}); },
     "/composition/layers/0/postion"},
    {"missing type", [](Json& s) { s["composition"]["layers"][1].erase("type"); }, "/composition/layers/1/type"},
    {"unknown type", [](Json& s) { s["composition"]["layers"][1]["type"] = "video"; }, "/composition/layers/1/type"},
    {"footage without source", [](Json& s) { s["composition"]["layers"][0].erase("source"); },
     "/composition/layers/0/source"},
    {"solid without source", [](Json& s) { s["composition"]["layers"][0]["type"] = "solid"; s["composition"]["layers"][0].erase("source"); },
     "/composition/layers/0/source"},
    {"text with source", [](Json& s) { s["composition"]["layers"][1]["source"] = Json::array({10, 10}); },
     "/composition/layers/1/source"},
    {"camera with source", [](Json& s) { s["composition"]["layers"][2]["source"] = Json::array({10, 10}); },
     "/composition/layers/2/source"},
    {"source of three", [](Json& s) { s["composition"]["layers"][0]["source"] = Json::array({1, 2, 3}); },
     "/composition/layers/0/source"},
    {"source negative", [](Json& s) { s["composition"]["layers"][0]["source"][1] = -4; },
     "/composition/layers/0/source/1"},
    {"camera not 3D", [](Json& s) { s["composition"]["layers"][2]["3d"] = false; }, "/composition/layers/2/3d"},
    {"3d not a boolean", [](Json& s) { s["composition"]["layers"][1]["3d"] = "yes"; }, "/composition/layers/1/3d"},
    {"name not a string", [](Json& s) { s["composition"]["layers"][1]["name"] = 3; }, "/composition/layers/1/name"},
    {"vector of two", [](Json& s) { s["composition"]["layers"][0]["position"] = Json::array({1, 2}); },
     "/composition/layers/0/position"},
    {"rotation of four", [](Json& s) { s["composition"]["layers"][0]["rotation"] = Json::array({1, 2, 3, 4}); },
     "/composition/layers/0/rotation"},
    {"value not a number", [](Json& s) { s["composition"]["layers"][0]["scale"] = Json::array({1, "2", 3}); },
     "/composition/layers/0/scale/1"},
    {"value null", [](Json& s) { s["composition"]["layers"][0]["anchor"] = Json::array({1, 2, nullptr}); },
     "/composition/layers/0/anchor/2"},
    {"offset not a number", [](Json& s) { s["composition"]["layers"][0]["offset"] = true; },
     "/composition/layers/0/offset"},
    {"keys not an object", [](Json& s) { s["composition"]["layers"][0]["keys"] = Json::array(); },
     "/composition/layers/0/keys"},
    {"unknown keyed property", [](Json& s) { s["composition"]["layers"][0]["keys"]["opacity"] = Json::array(); },
     "/composition/layers/0/keys/opacity"},
    {"empty key list", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"] = Json::array(); },
     "/composition/layers/0/keys/position"},
    {"key not a pair", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"][1] = Json::array({1}); },
     "/composition/layers/0/keys/position/1"},
    {"key times not increasing", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"][1][0] = 0; },
     "/composition/layers/0/keys/position/1/0"},
    {"key time not a number", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"][0][0] = "0"; },
     "/composition/layers/0/keys/position/0/0"},
    {"key time too fine to hold", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"][0][0] = 1e-300; },
     "/composition/layers/0/keys/position/0/0"},
    {"offset too fine to hand over", [](Json& s) { s["composition"]["layers"][0]["offset"] = 1e-12; },
     "/composition/layers/0/offset"},
    {"time too fine to hand over", [](Json& s) { s["composition"]["time"] = 0.1 + 0.2; }, "/composition/time"},
    {"vector key of two", [](Json& s) { s["composition"]["layers"][0]["keys"]["position"][0][1] = Json::array({1, 2}); },
     "/composition/layers/0/keys/position/0/1"},
    {"rotation key as vector", [](Json& s) { s["composition"]["layers"][0]["keys"]["rotation_x"] = Json::parse("[[0, [1, 2, 3]]]"); },
     "/composition/layers/0/keys/rotation_x/0/1"},
    {"selection not a list", [](Json& s) { s["composition"]["selection"] = 0; }, "/composition/selection"},
    {"selection out of range", [](Json& s) { s["composition"]["selection"] = Json::array({0, 3}); },
     "/composition/selection/1"},
    {"selection negative", [](Json& s) { s["composition"]["selection"] = Json::array({-1}); },
     "/composition/selection/0"},
    {"selection duplicated", [](Json& s) { s["composition"]["selection"] = Json::array({0, 0}); },
     "/composition/selection/1"},
    {"selected flag true but not listed", [](Json& s) { s["composition"]["layers"][1]["selected"] = true; },
     "/composition/layers/1/selected"},
    {"selected flag false but listed", [](Json& s) { s["composition"]["layers"][0]["selected"] = false; },
     "/composition/layers/0/selected"},
};

TEST(SceneValidation, EachProblemIsReportedWithItsPathAndLoadsNothing) {
    for (const BadScene& bad : kBadScenes) {
        Json scene = base();
        bad.breaks(scene);
        Host h;
        h.load_scene_text(host_test::kSmallScene);
        const std::string before = h.save_scene_text();
        try {
            h.load_scene_text(scene.dump());
            ADD_FAILURE() << bad.what << ": loaded";
        } catch (const SceneError& e) {
            EXPECT_EQ(e.path(), bad.path) << bad.what << ": " << e.what();
            EXPECT_EQ(std::string(e.what()).rfind(std::string(*bad.path ? bad.path : "/") + ": ", 0), 0u) << e.what();
        }
        EXPECT_EQ(h.save_scene_text(), before) << bad.what;
    }
}

TEST(SceneValidation, TheBaseSceneIsValid) {
    Host h;
    EXPECT_NO_THROW(h.load_scene_text(base().dump()));
}

TEST(SceneValidation, TheFirstProblemInDocumentOrderIsReported) {
    Json scene = base();
    scene["composition"]["layers"][1]["type"] = "bogus";
    scene["composition"]["layers"][2]["source"] = Json::array({1, 1});
    try {
        Host h;
        h.load_scene_text(scene.dump());
        FAIL();
    } catch (const SceneError& e) {
        EXPECT_EQ(e.path(), "/composition/layers/1/type");
    }
}

TEST(SceneValidation, NonFiniteNumbersFromAJsonValueAreRefused) {
    nlohmann::json scene = nlohmann::json::parse(base().dump());
    scene["composition"]["layers"][0]["position"][0] = std::nan("");
    Host h;
    try {
        h.load_scene(scene);
        FAIL();
    } catch (const SceneError& e) {
        EXPECT_EQ(e.path(), "/composition/layers/0/position/0");
    }
}

TEST(SceneValidation, TextThatIsNotJsonGivesLineAndColumn) {
    Host h;
    try {
        h.load_scene_text("{\n  \"composition\": {\n    \"name\": \"x\",,\n  }\n}");
        FAIL();
    } catch (const SceneError& e) {
        EXPECT_EQ(e.line(), 3);
        EXPECT_EQ(e.column(), 17);
        EXPECT_TRUE(e.path().empty());
        EXPECT_EQ(std::string(e.what()).rfind("line 3, column 17: ", 0), 0u) << e.what();
    }
    try {
        h.load_scene_text("");
        FAIL();
    } catch (const SceneError& e) {
        EXPECT_EQ(e.line(), 1);
    }
}

}  // namespace

// Scene files: exact round trips, the default scene, defaults, and every
// way a scene is refused, with where.
#include "host/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "host/Host.h"
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

// Random valid scenes: fields left out at random, numbers that are awkward to
// write (negative zero, the smallest and largest doubles, fractions without an
// exact decimal form), names with any characters a name may hold.
class RandomScene {
public:
    explicit RandomScene(std::uint64_t seed) : rng_(seed) {}

    Json make() {
        Json comp = Json::object();
        maybe(comp, "name", [&] { return name(); });
        maybe(comp, "width", [&] { return whole(1, 30000); });
        maybe(comp, "height", [&] { return whole(1, 30000); });
        maybe(comp, "frame_rate", [&] { return std::max(within(0, 999), 1e-9); });
        maybe(comp, "time", [&] { return whole(0, 86400 * 30) / 30.0; });
        Json layers = Json::array();
        std::vector<std::size_t> selection;
        const std::size_t count = rng_() % 6;
        for (std::size_t i = 0; i < count; ++i) {
            layers.push_back(layer());
            if (rng_() % 2) selection.push_back(i);
        }
        std::shuffle(selection.begin(), selection.end(), rng_);
        if (count) comp["layers"] = layers;
        if (rng_() % 2) {
            comp["selection"] = selection;
        } else {  // the flags alone, in stack order
            std::sort(selection.begin(), selection.end());
            for (std::size_t i : selection) comp["layers"][i]["selected"] = true;
        }
        Json scene = {{"composition", comp}};
        maybe(scene, "active", [&] { return rng_() % 4 != 0; });
        return scene;
    }

private:
    template <class Make>
    void maybe(Json& object, const char* field, Make make) {
        if (rng_() % 4) object[field] = make();
    }

    double any() {
        static const double awkward[] = {
            0.0,    -0.0,      0.1 + 0.2, 1.0 / 3.0,          -1.0 / 7.0, 1e-300,
            5e-324, -2.5e-310, 9e15,      9007199254740993.0, -7.25e12,   1.7976931348623157e308,
            1e22,   123.125};
        switch (rng_() % 3) {
            case 0:
                return awkward[rng_() % std::size(awkward)];
            case 1:
                return within(-1e6, 1e6);
            default: {
                double d;
                do d = std::bit_cast<double>(static_cast<std::uint64_t>(rng_()));
                while (!std::isfinite(d));
                return d;
            }
        }
    }
    double within(double low, double high) {
        const double d = rng_() % 3 ? std::uniform_real_distribution<double>(low, high)(rng_) : any();
        return d >= low && d <= high ? d : low;
    }
    long whole(long low, long high) { return std::uniform_int_distribution<long>(low, high)(rng_); }
    Json vec() { return {any(), any(), any()}; }
    std::string name() {
        static const char* names[] = {"",           "Card 1", "Kärtchen \U0001F3B4", "quote \" and \\ backslash",
                                      "\u00A0nbsp", "日本語"};
        return names[rng_() % std::size(names)];
    }

    Json layer() {
        static const char* types[] = {"footage", "solid", "text", "shape", "camera", "light"};
        const std::string type = types[rng_() % std::size(types)];
        Json l = {{"type", type}};
        maybe(l, "name", [&] { return name(); });
        if (type == "footage" || type == "solid") l["source"] = {whole(1, 30000), whole(1, 30000)};
        if (type == "camera" || type == "light")
            maybe(l, "3d", [] { return true; });
        else
            maybe(l, "3d", [&] { return rng_() % 2 == 0; });
        for (const char* field : {"anchor", "position", "scale", "orientation", "rotation"})
            maybe(l, field, [&] { return vec(); });
        // Offsets in frames of 24 per second: the plug-in is handed them as 32-bit fractions.
        maybe(l, "offset", [&] { return whole(-86400 * 24, 86400 * 24) / 24.0; });
        Json keys = Json::object();
        for (const char* stream :
             {"anchor", "position", "scale", "orientation", "rotation_x", "rotation_y", "rotation_z"}) {
            if (rng_() % 3) continue;
            Json list = Json::array();
            // Key times in milliseconds: any fraction the host holds exactly.
            double time = whole(-86400000, 0) / 1000.0;
            for (std::size_t k = rng_() % 4; k < 4 && time <= 86400; ++k) {
                list.push_back({time, std::string(stream).starts_with("rotation_") ? Json(any()) : vec()});
                time += whole(1, 1000000) / 1000.0;
            }
            keys[stream] = list;
        }
        maybe(l, "keys", [&] { return keys; });
        return l;
    }

    std::mt19937_64 rng_;
};

TEST(SceneRoundTrip, WhatLoadsSavesToTextThatLoadsBackToTheSameTextAndProject) {
    std::vector<std::string> texts = {host::scene_text(host::default_scene()), host_test::kSmallScene};
    for (std::uint64_t seed = 1; seed <= 300; ++seed) texts.push_back(RandomScene(seed).make().dump());
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        std::string saved;
        host::Project project;
        {
            Host h;
            ASSERT_NO_THROW(h.load_scene_text(text));
            saved = h.save_scene_text();
            project = h.project();
        }
        Host again;
        ASSERT_NO_THROW(again.load_scene_text(saved));
        EXPECT_EQ(again.save_scene_text(), saved);
        EXPECT_EQ(again.project(), project);
    }
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
    EXPECT_EQ(back.stream(host::StreamId::rotation_z).keys,
              saved.layers.at(saved.comps.begin()->second.layers[0]).stream(host::StreamId::rotation_z).keys);
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

// A scene text with one layer holding these fields.
std::string with_layer(const std::string& fields) { return R"({"composition": {"layers": [{)" + fields + "}]}}"; }

std::string nested(std::size_t levels) {
    return R"({"composition": {"layers": )" + std::string(levels, '[') + std::string(levels, ']') + "}}";
}

std::string many_fields(std::size_t count) {
    std::string fields = R"("type": "text")";
    for (std::size_t i = 1; i < count; ++i) fields += ", \"f" + std::to_string(i) + "\": 0";
    return with_layer(fields);
}

std::string list_of(std::size_t count, const std::string& entry) {
    std::string list = "[";
    for (std::size_t i = 0; i < count; ++i) list += (i ? "," : "") + entry;
    return list + "]";
}

struct BadScene {
    std::string text;
    std::string message;
};

// Every way a scene is refused, with the message voxtrel-host prints after the file name.
const std::vector<BadScene>& bad_scenes() {
    const std::string huge(host::kMaxSceneBytes + 1, ' ');
    static const std::vector<BadScene> table = {
        // Text that is not JSON, or not the JSON a scene is written in.
        {"", "line 1, column 1: the file is empty"},
        {" \n  ",
         "line 2, column 3: not valid JSON: syntax error while parsing value - unexpected end of input; "
         "expected '[', '{', or a literal; last read: ' <U+000A>  '"},
        {"\xEF\xBB\xBF{}", "line 1, column 1: the file starts with a byte-order mark; save it as UTF-8 without one"},
        {"{\n  \"composition\": {\n    \"name\": \"x\",,\n  }\n}",
         "line 3, column 17: not valid JSON: syntax error while parsing object key - unexpected ','; expected "
         "string literal; last read: '\"x\",,'"},
        {R"({"composition": {"width": 1e999}})", "line 1, column 27: number out of range: 1e999"},
        {R"({"composition": {"width": -)" + std::string(400, '9') + "}}",
         "line 1, column 27: number out of range: -999999999999999999999999999999999999999…"},
        {"{\"composition\": {\"name\": \"\xC3\xA9\xC3\"}}",
         "line 1, column 29: not valid JSON: syntax error while parsing value - invalid string: ill-formed "
         "UTF-8 byte; last read: '\"é\\xC3\"'"},
        {"{\"composition\": {\"name\": \"a\tb\"}}",
         "line 1, column 28: not valid JSON: syntax error while parsing value - invalid string: control "
         "character U+0009 (HT) must be escaped to \\u0009 or \\t; last read: '\"a<U+0009>'"},
        {huge, "line 1, column 16777217: the scene is larger than 16 MiB"},
        // Structures no scene holds.
        {nested(host::kMaxSceneDepth),
         "/composition/layers/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/0/"
         "0/0/0/0/0: nested more than 32 levels deep"},
        {R"({"composition": {"width": 100, "width": 200}})",
         "/composition/width: given twice (JSON readers disagree on which one counts)"},
        {many_fields(host::kMaxSceneFields + 1), "/composition/layers/0: more than 64 fields"},
        {R"({"composition": {"layers": )" + list_of(host::kMaxSceneLayers + 1, R"({"type": "text"})") + "}}",
         "/composition/layers: more than 100000 layers"},
        {with_layer(R"("type": "text", "keys": {"rotation_x": )" + list_of(host::kMaxSceneKeys + 1, "[0,0]") + "}"),
         "/composition/layers/0/keys/rotation_x: more than 100000 keys"},
        {R"({"composition": {"name": ")" + std::string(host::kMaxSceneNameBytes + 1, 'n') + "\"}}",
         "/composition/name: longer than 1024 bytes"},
        {with_layer(R"("type": "text", "name": "two\nlines")"),
         "/composition/layers/0/name: must not hold control characters (line breaks, tabs and the like)"},
        {R"({"composition": {"a/b~\u0007": 1}})", "/composition/a~1b~0\\u0007: unknown field \"a/b~\\u0007\""},
        {R"({"composition": {")" + std::string(50, 'x') + R"(": 1}})",
         "/composition/" + std::string(40, 'x') + "…: unknown field \"" + std::string(40, 'x') + "…\""},
        // The composition.
        {"[]", "/: must be an object"},
        {"{}", "/composition: missing"},
        {R"({"composition": {}, "extra": 1})", "/extra: unknown field \"extra\""},
        {R"({"composition": {}, "active": 1})", "/active: must be true or false"},
        {R"({"composition": {"fps°": 30}})", "/composition/fps°: unknown field \"fps°\""},
        {R"({"composition": {"width": 19.5}})", "/composition/width: must be a whole number"},
        {R"({"composition": {"height": 0}})", "/composition/height: must be between 1 and 30000"},
        {R"({"composition": {"width": 123456789012345678901234567890}})",
         "/composition/width: must be between 1 and 30000"},
        {R"({"composition": {"frame_rate": -1}})", "/composition/frame_rate: must be above 0 and at most 999"},
        {R"({"composition": {"time": "0"}})", "/composition/time: must be a number"},
        {R"({"composition": {"time": 86401}})", "/composition/time: must be between 0 and 86400 seconds"},
        {R"({"composition": {"layers": {}}})", "/composition/layers: must be a list of layers"},
        // Layers.
        {R"({"composition": {"layers": [5]}})", "/composition/layers/0: must be an object"},
        {with_layer(R"("type": "text", "postion": [1, 2, 3])"),
         "/composition/layers/0/postion: unknown field \"postion\""},
        {with_layer(R"("name": "A")"),
         "/composition/layers/0/type: missing: one of footage, solid, text, shape, camera, light"},
        {with_layer(R"("type": "video")"),
         "/composition/layers/0/type: must be one of footage, solid, text, shape, camera, light"},
        {with_layer(R"("type": "footage")"),
         "/composition/layers/0/source: missing: a footage layer needs [width, height]"},
        {with_layer(R"("type": "camera", "source": [10, 10])"),
         "/composition/layers/0/source: a camera layer has no source"},
        {with_layer(R"("type": "solid", "source": [1, 2, 3])"),
         "/composition/layers/0/source: must be [width, height]"},
        {with_layer(R"("type": "solid", "source": [1, -4])"),
         "/composition/layers/0/source/1: must be between 1 and 30000"},
        {with_layer(R"("type": "camera", "3d": false)"), "/composition/layers/0/3d: cameras and lights are always 3D"},
        {with_layer(R"("type": "text", "3d": "yes")"), "/composition/layers/0/3d: must be true or false"},
        {with_layer(R"("type": "text", "name": 3)"), "/composition/layers/0/name: must be a string"},
        {with_layer(R"("type": "text", "position": [1, 2])"),
         "/composition/layers/0/position: must be a list of three numbers"},
        {with_layer(R"("type": "text", "rotation": [1, 2, 3, 4])"),
         "/composition/layers/0/rotation: must be a list of three numbers"},
        {with_layer(R"("type": "text", "scale": [1, "2", 3])"), "/composition/layers/0/scale/1: must be a number"},
        {with_layer(R"("type": "text", "offset": true)"), "/composition/layers/0/offset: must be a number"},
        {with_layer(R"("type": "text", "offset": -90000)"),
         "/composition/layers/0/offset: must be within a day (86400 seconds)"},
        {with_layer(R"("type": "text", "offset": 1e-12)"),
         "/composition/layers/0/offset: must be a time a plug-in can be handed: a fraction of seconds with a 32-bit "
         "value and scale"},
        {R"({"composition": {"time": 0.30000000000000004}})",
         "/composition/time: must be a time a plug-in can be handed: a fraction of seconds with a 32-bit value and "
         "scale"},
        {with_layer(R"("type": "text", "keys": {"position": [[1e-300, [0, 0, 0]]]})"),
         "/composition/layers/0/keys/position/0/0: must be a time the host can hold exactly: the simplest fraction "
         "of seconds for it needs a numerator and denominator below 2^53"},
        // Keys.
        {with_layer(R"("type": "text", "keys": [])"), "/composition/layers/0/keys: must be an object"},
        {with_layer(R"("type": "text", "keys": {"opacity": []})"),
         "/composition/layers/0/keys/opacity: unknown keyed property \"opacity\""},
        {with_layer(R"("type": "text", "keys": {"position": []})"),
         "/composition/layers/0/keys/position: must hold at least one key"},
        {with_layer(R"("type": "text", "keys": {"position": [[0, [0, 0, 0]], [1]]})"),
         "/composition/layers/0/keys/position/1: must be a [time, value] pair"},
        {with_layer(R"("type": "text", "keys": {"rotation_z": [[1, 0], [1, 5]]})"),
         "/composition/layers/0/keys/rotation_z/1/0: key times must increase"},
        {with_layer(R"("type": "text", "keys": {"scale": [["0", [0, 0, 0]]]})"),
         "/composition/layers/0/keys/scale/0/0: must be a number"},
        {with_layer(R"("type": "text", "keys": {"anchor": [[0, [1, 2]]]})"),
         "/composition/layers/0/keys/anchor/0/1: must be a list of three numbers"},
        {with_layer(R"("type": "text", "keys": {"rotation_x": [[0, [1, 2, 3]]]})"),
         "/composition/layers/0/keys/rotation_x/0/1: must be a number"},
        // The selection.
        {R"({"composition": {"selection": 0}})", "/composition/selection: must be a list of layer indices"},
        {R"({"composition": {"layers": [{"type": "text"}], "selection": [0, 1]}})",
         "/composition/selection/1: there is no layer 1 (the composition has 1 layers)"},
        {R"({"composition": {"selection": [-1]}})", "/composition/selection/0: must be between 0 and 99999"},
        {R"({"composition": {"layers": [{"type": "text"}], "selection": [0, 0]}})",
         "/composition/selection/1: layer 0 is selected twice"},
        {R"({"composition": {"layers": [{"type": "text", "selected": true}, {"type": "text"}], "selection": [1]}})",
         "/composition/layers/0/selected: is true but the layer is not in /composition/selection"},
        {R"({"composition": {"layers": [{"type": "text", "selected": false}], "selection": [0]}})",
         "/composition/layers/0/selected: is false but the layer is in /composition/selection"},
        // The first problem in the order of the text is the one told.
        {R"({"composition": {"layers": [{"type": "bogus"}, {"type": "camera", "source": [1, 1]}]}})",
         "/composition/layers/0/type: must be one of footage, solid, text, shape, camera, light"},
    };
    return table;
}

TEST(SceneValidation, EachProblemIsToldWithWhereItIsAndLoadsNothing) {
    Host h;
    h.load_scene_text(host_test::kSmallScene);
    const std::string before = h.save_scene_text();
    for (const BadScene& bad : bad_scenes()) {
        SCOPED_TRACE(bad.message);
        try {
            h.load_scene_text(bad.text);
            ADD_FAILURE() << "loaded";
        } catch (const SceneError& e) {
            EXPECT_EQ(e.what(), bad.message);
            if (e.line() > 0)
                EXPECT_TRUE(bad.message.starts_with("line " + std::to_string(e.line()) + ", column " +
                                                    std::to_string(e.column()) + ": "));
            else
                EXPECT_TRUE(bad.message.starts_with((e.path().empty() ? "/" : e.path()) + ": "));
        }
        EXPECT_EQ(h.save_scene_text(), before);
    }
}

TEST(SceneValidation, NonFiniteNumbersFromAJsonValueAreRefused) {
    nlohmann::json scene = nlohmann::json::parse(with_layer(R"("type": "text")"));
    scene["composition"]["layers"][0]["position"] = {std::nan(""), 0, 0};
    Host h;
    try {
        h.load_scene(scene);
        FAIL();
    } catch (const SceneError& e) {
        EXPECT_EQ(e.path(), "/composition/layers/0/position/0");
    }
}

}  // namespace

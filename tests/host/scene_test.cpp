// Scene files: exact round trips, defaults, and every way a scene is refused,
// with where. (The default scene's layout is pinned by voxtrel-host's golden runs.)
#include "host/scene.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "host_test_support.h"

namespace {

using host::Host;
using host::SceneError;

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(SceneRoundTrip, WhatLoadsSavesToTextThatLoadsBackToTheSameTextAndProject) {
    std::vector<std::string> texts;
    for (const auto& entry : std::filesystem::directory_iterator(HOST_EXAMPLE_SCENES))
        if (entry.path().extension() == ".json") texts.push_back(read_file(entry.path()));
    const std::size_t written = texts.size();  // the examples are written as the host writes them
    texts.insert(texts.end(), {host::scene_text(host::default_scene()), host_test::kSmallScene});
    // Scenes with fields left out, numbers that are awkward to write (negative zero, the extremes of
    // doubles, fractions without an exact decimal form), names with any characters a name may hold, and
    // the selection as a list in any order or as flags.
    std::ifstream awkward(HOST_TEST_DATA "/round_trip.jsonl");
    for (std::string line; std::getline(awkward, line);) texts.push_back(line);
    ASSERT_GE(texts.size(), written + 12);
    // The text saved and the project, with only one host at a time.
    const auto load = [](const std::string& text) {
        Host h;
        h.load_scene_text(text);
        return std::pair(h.save_scene_text(), h.project());
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(texts[i]);
        const auto loaded = load(texts[i]);
        EXPECT_TRUE(loaded.first == (i < written ? texts[i] : loaded.first) && load(loaded.first) == loaded);
    }
    EXPECT_GE(written, 3u);
}

TEST(SceneDefaults, FieldsLeftOutTakeTheHostDefaults) {
    Host h;
    h.load_scene_text(R"({"composition": {"layers": [{"type": "text"}, {"type": "camera"}]}, "active": false})");
    const host::Composition& comp = h.project().comps.begin()->second;
    const host::Layer& text = h.project().layers.at(comp.layers[0]);
    // The composition 1920 wide at 30 fps, nothing selected; text 2D, cameras 3D.
    EXPECT_EQ(std::tuple(h.project().active_item, h.project().items.at(comp.item).width, comp.frame_rate,
                         comp.selection.size(), text.three_d, text.name, text.stream(host::StreamId::scale).value,
                         text.stream(host::StreamId::position).value, h.project().layers.at(comp.layers[1]).three_d),
              std::tuple(0u, 1920, 30, 0u, false, "Text 1", host::Vec3{100, 100, 100}, host::Vec3{0, 0, 0}, true));
    EXPECT_EQ(h.save_scene()["active"], false);
}

struct BadScene {
    std::string text, message;
};

// Every way a scene is refused, with the message voxtrel-host prints after the
// file name: the cases of the data file, and those made here.
std::vector<BadScene> bad_scenes() {
    const auto with_layer = [](const std::string& fields) {
        return R"({"composition": {"layers": [{)" + fields + "}]}}";
    };
    const auto list_of = [](std::size_t count, const char* entry) {
        return nlohmann::json(std::vector(count, nlohmann::json::parse(entry))).dump();
    };
    std::string many_fields = R"("type": "text")";
    for (std::size_t i = 1; i <= host::kMaxSceneFields; ++i) many_fields += ", \"f" + std::to_string(i) + "\": 0";
    std::vector<BadScene> table = {
        {"{\"composition\": {\"name\": \"\xC3\xA9\xC3\"}}",
         "line 1, column 29: not valid JSON: syntax error while parsing value - invalid string: ill-formed "
         "UTF-8 byte; last read: '\"é\\xC3\"'"},
        {std::string(host::kMaxSceneBytes + 1, ' '), "line 1, column 16777217: the scene is larger than 16 MiB"},
        // The largest size is read, and found to hold nothing.
        {std::string(host::kMaxSceneBytes, ' '),
         "line 1, column 16777217: not valid JSON: syntax error while parsing value - unexpected end of input; "
         "expected '[', '{', or a literal; last read: '…" + std::string(40, ' ') + "'"},
        {with_layer(many_fields), "/composition/layers/0: more than 64 fields"},
        {R"({"composition": {"layers": )" + list_of(host::kMaxSceneLayers + 1, R"({"type": "text"})") + "}}",
         "/composition/layers: more than 100000 layers"},
        {with_layer(R"("type": "text", "keys": {"rotation_x": )" + list_of(host::kMaxSceneKeys + 1, "[0,0]") + "}"),
         "/composition/layers/0/keys/rotation_x: more than 100000 keys"},
        {R"({"composition": {"name": ")" + std::string(host::kMaxSceneNameBytes + 1, 'n') + "\"}}",
         "/composition/name: longer than 1024 bytes"},
    };
    std::ifstream data(HOST_TEST_DATA "/bad_scenes.txt");
    for (std::string text, message; std::getline(data, text);) {
        if (text.empty() || text.starts_with('#') || !std::getline(data, message)) continue;
        table.push_back({text.starts_with('"') ? nlohmann::json::parse(text).get<std::string>() : text, message});
    }
    EXPECT_GE(table.size(), 60u);
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
            const std::string where =
                e.line() > 0       ? "line " + std::to_string(e.line()) + ", column " + std::to_string(e.column())
                : e.path().empty() ? "/"
                                   : e.path();
            EXPECT_TRUE(bad.message.starts_with(where + ": ") || where.size() > 240);  // else shortened
        }
        EXPECT_EQ(h.save_scene_text(), before);
    }
    // A JSON value handed in directly may hold what no text can.
    nlohmann::json scene = nlohmann::json::parse(R"({"composition": {"layers": [{"type": "text"}]}})");
    scene["composition"]["layers"][0]["position"] = {std::nan(""), 0, 0};
    try {
        h.load_scene(scene);
        ADD_FAILURE() << "loaded";
    } catch (const SceneError& e) {
        EXPECT_EQ(e.path(), "/composition/layers/0/position/0");
    }
    // At the limits a scene loads: a name of 1024 bytes, 100000 keys of one property.
    scene["composition"] = {{"name", std::string(host::kMaxSceneNameBytes, 'n')}, {"layers", {{{"type", "text"}}}}};
    auto& keys = scene["composition"]["layers"][0]["keys"]["rotation_x"];
    for (std::size_t i = 0; i < host::kMaxSceneKeys; ++i) keys.push_back({i / 10.0, 0});
    EXPECT_NO_THROW(h.load_scene(scene));
}

// Bytes from a file or a file name in a message: well-formed UTF-8 as it is,
// every form that is no character (overlong, surrogate, beyond U+10FFFF, cut
// short) and every control escaped, and the cut made between characters.
TEST(Printable, ShowsCharactersAndEscapesEverythingElse) {
    const struct {
        std::string bytes;
        std::size_t limit;
        bool keep_end;
        std::string shown;
    } cases[] = {
        {"a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA5\xF4\x8F\xBF\xBF\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80", 60, false,
         "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA5\xF4\x8F\xBF\xBF\xE0\xA0\x80\xED\x9F\xBF\xF0\x90\x80\x80"},
        {"\xC1\xBF\xE0\x9F\xBF\xF0\x8F\xBF\xBF", 60, false, "\\xC1\\xBF\\xE0\\x9F\\xBF\\xF0\\x8F\\xBF\\xBF"},
        {"\xED\xA0\x80\xF4\x90\x80\x80\xF5", 60, false, "\\xED\\xA0\\x80\\xF4\\x90\\x80\\x80\\xF5"},
        {"\xF5\x80\x80\x80\xE2\x82", 60, false, "\\xF5\\x80\\x80\\x80\\xE2\\x82"},
        {"\n\t\r\x1B\x7F\xC2\x85\xC2\xA0", 60, false, "\\n\\t\\r\\u001b\\u007f\\u0085\xC2\xA0"},
        {"a\x7F", 60, false, "a\\u007f"}, {"\xE2\x82" "A", 60, false, "\\xE2\\x82A"},
        {"\xDF\xBF\xDF\xBF\xDF\xBF", 2, false, "\xDF\xBF\xDF\xBF\xE2\x80\xA6"},
        {"ab\xC3\xA9", 2, true,
         "\xE2\x80\xA6"
         "b\xC3\xA9"},
    };
    for (const auto& c : cases) EXPECT_EQ(host::printable(c.bytes, c.limit, c.keep_end), c.shown) << c.shown;
}

}  // namespace

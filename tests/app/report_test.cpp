// What a run tells about itself, on a scene whose names are not ASCII: the
// table (new layers numbered, keys added, rotations zeroed, selected layers
// left alone, columns lined up by characters), the same as report.json, and
// the listings.
#include <sstream>

#include "program.h"

namespace app_test {
namespace {

using Report = Program;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST_F(Report, TableAndReportTellWhatTheRunDid) {
    const Outcome r = run({example("names.json"), "--clock", "5", "--orient", "random", "--repeat", "2", "--keys",
                           "position", "--out", path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 13u) << r.out;

    // The widest label, "Titel Ä (new 1)", is 15 characters: every next column starts at the 18th.
    const std::string& header = lines[0];
    EXPECT_EQ(header.rfind("Layer            Position", 0), 0u) << header;
    const std::size_t changes_at = header.find("Changes");
    ASSERT_NE(changes_at, std::string::npos) << header;
    const std::string titel = "keys added: position 1; rotation zeroed (was 0.0, 30.0, 0.0)";
    const std::string photo = "keys added: position 1";
    struct Row {
        std::string label;
        std::size_t characters;
        std::string changes;
    };
    const std::vector<Row> rows = {
        {"Titel Ä (new 1)", 15, titel}, {"Titel Ä (new 2)", 15, titel}, {"Titel Ä", 7, titel},
        {"写真 (new 1)", 12, photo},    {"写真 (new 2)", 12, photo},    {"写真", 4, photo},
    };
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& line = lines[i + 1];
        SCOPED_TRACE(line);
        const Row& row = rows[i];
        EXPECT_EQ(line.rfind(row.label + std::string(17 - row.characters, ' '), 0), 0u);
        EXPECT_NE(std::string("-0123456789").find(line[row.label.size() + 17 - row.characters]), std::string::npos);
        // Multi-byte characters take fewer columns than bytes.
        EXPECT_EQ(line.find(row.changes), changes_at + row.label.size() - row.characters);
        EXPECT_EQ(line.substr(line.size() - row.changes.size()), row.changes);
    }
    const std::vector<std::string> rest(lines.begin() + 7, lines.end());
    const std::vector<std::string> expected_rest = {"Selected but not distributed:",
                                                    "  Kamera Über  a camera",
                                                    "  Licht        a light",
                                                    "  Fläche       a 2D layer",
                                                    "Alerts:",
                                                    "  (none)"};
    EXPECT_EQ(rest, expected_rest);

    // The same in report.json, with the layers' places in the result scene.
    const json report = json::parse(read_file(dir / "out" / "report.json"));
    const json scene = json::parse(read_file(dir / "out" / "scene.json"));
    EXPECT_EQ(report["presses"], 1);
    EXPECT_EQ(report["applications"], 1);
    EXPECT_EQ(report["undone"], nullptr);
    EXPECT_EQ(report["alerts"], json::array());
    const json& layers = report["layers"];
    ASSERT_EQ(layers.size(), rows.size());
    const std::vector<std::pair<std::string, int>> made = {{"Titel Ä", 1}, {"Titel Ä", 2}, {"Titel Ä", 0},
                                                           {"写真", 1},    {"写真", 2},    {"写真", 0}};
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const json& layer = layers[i];
        SCOPED_TRACE(layer.dump());
        EXPECT_EQ(layer["index"], i + 1);
        EXPECT_EQ(layer["name"], made[i].first);
        EXPECT_EQ(layer["new"], made[i].second);
        EXPECT_EQ(scene["composition"]["layers"][i + 1]["name"], made[i].first);
        EXPECT_EQ(layer["keys_added"], json({{"position", 1}}));
        EXPECT_EQ(layer["rotation_zeroed"], i < 3 ? json({0.0, 30.0, 0.0}) : json(nullptr));
    }
    EXPECT_EQ(layers[0]["orientation"], scene["composition"]["layers"][1]["orientation"]);
    const json skipped = json::array({{{"index", 0}, {"name", "Kamera Über"}, {"reason", "camera"}},
                                      {{"index", 7}, {"name", "Licht"}, {"reason", "light"}},
                                      {{"index", 8}, {"name", "Fläche"}, {"reason", "2D"}}});
    EXPECT_EQ(report["skipped"], skipped);

    // The names come back as they were.
    EXPECT_EQ(run({path("out/scene.json"), "--apply", "0", "--json"}).out, read_file(dir / "out" / "scene.json"));
}

TEST_F(Report, ListingsShowTheNamesAsWritten) {
    Outcome r = run({"--list", "cameras", example("names.json")});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Kamera Über\n");

    r = run({"--list", "layers", example("names.json")});
    EXPECT_EQ(r.status, 0);
    const std::vector<std::string> lines = lines_of(r.out);
    ASSERT_EQ(lines.size(), 7u) << r.out;
    EXPECT_EQ(lines[0], "Index  Name         Type     3D   Selected");
    EXPECT_EQ(lines[2], "1      Titel Ä      text     yes  yes");
    EXPECT_EQ(lines[3], "2      写真         footage  yes  yes");
    EXPECT_EQ(lines[6], "5      Hintergrund  solid    no   no");

    // --camera takes the name as listed, and the popup shows it as written.
    r = run({example("names.json"), "--orient", "camera", "--camera", "Kamera Über", "--apply", "0", "--ui-json", "-"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"kind\": \"popup button\",\n        \"maximum\": 1,\n        \"minimum\": 1,\n        "
                         "\"text\": \"Kamera Über\""),
              std::string::npos)
        << r.out;
}

}  // namespace
}  // namespace app_test

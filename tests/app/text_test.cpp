// Text for people: widths of names in any language, and near matches for
// mistyped ones.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "suggest.h"
#include "text_columns.h"

namespace {

TEST(Text, DisplayWidthCountsTerminalColumns) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"Card 1", 6},     {"Titel Ä", 7},          {"写真", 4},  // wide characters take two columns
        {"Cafe\u0301", 4}, {"\xF0\x90\x80\x80", 1},               // a combining accent takes none; U+10000 one
        {"\xff\xfe", 2},                                          // bytes that are not UTF-8 take one each
        {"\xe5\x86", 2},                                          // as does a character cut short
    };
    for (const auto& [text, columns] : cases) EXPECT_EQ(app::display_width(text), columns) << text;
}

// Each row: a given name, its nearest among the names of the row (or the
// cameras below), and why.
TEST(Text, NearestIsASlipOfTheFingersAway) {
    const std::vector<std::string> cameras = {"Camera 1", "Kamera Über", "Top"};
    const auto cases = nlohmann::json::parse(std::ifstream(VOXTREL_SOURCE_DIR "/tests/app/data/nearest.json"));
    for (const nlohmann::json& c : cases) {
        const auto nearest = c["nearest"].is_null() ? std::nullopt : std::optional<std::string>(c["nearest"]);
        EXPECT_EQ(app::nearest(c["given"].get<std::string>(), c.value("among", cameras)), nearest) << c["why"];
    }
}

}  // namespace

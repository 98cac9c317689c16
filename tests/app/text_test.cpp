// Text for people: widths of names in any language, and near matches for
// mistyped ones.
#include <gtest/gtest.h>

#include "suggest.h"
#include "text_columns.h"

namespace {

TEST(Text, DisplayWidthCountsTerminalColumns) {
    const std::pair<std::string, std::size_t> cases[] = {
        {"Card 1", 6},     {"Titel Ä", 7}, {"写真", 4},  // wide characters take two columns
        {"Cafe\u0301", 4},                               // a combining accent takes none
        {"\xff\xfe", 2},                                 // bytes that are not UTF-8 take one each
        {"\xe5\x86", 2},                                 // as does a character cut short
    };
    for (const auto& [text, columns] : cases) EXPECT_EQ(app::display_width(text), columns) << text;
}

TEST(Text, NearestIsASlipOfTheFingersAway) {
    const std::vector<std::string> cameras = {"Camera 1", "Kamera Über", "Top"};
    struct Case {
        std::string given;
        std::optional<std::string> nearest;
        std::vector<std::string> candidates;
    };
    const Case cases[] = {
        {"camera 1", "Camera 1", cameras},        // case
        {"Tpo", "Top", cameras},                  // two letters swapped are one edit
        {"Kamera Uber", "Kamera Über", cameras},  // one character, not two bytes
        {"Tip", "Top", cameras},                  // one edit is allowed even in a short word
        {"Tipp", std::nullopt, cameras},          // two in four characters are not
        {"El", "e", {"e"}},                        // a letter left out at the end
        {"Öe", "eÖ", {"elÖEe", "eÖ", "Öle"}},      // the first of equally near ones
        {"röele", "röErEö", {"röErEö"}},           // two edits in six characters
        {"Öl", std::nullopt, {"löö", "ö", "lö"}},  // Ö is not ö: only ASCII letters fold
    };
    for (const Case& c : cases) EXPECT_EQ(app::nearest(c.given, c.candidates), c.nearest) << c.given;
}

}  // namespace

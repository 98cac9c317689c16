// Names cross the interface in Mac Roman: the host's UTF-8 names go out
// converted (with "?" for what Mac Roman cannot hold) and cut to fit; texts a
// plug-in hands in come in converted to UTF-8 (menu, undo group and panel names
// are in the commands, undo and panels tests).
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

using host_test::ModelFixture;

using Names = ModelFixture;

TEST_F(Names, NamesGoOutInMacRomanAndTextsComeInAsUtf8) {
    const struct {
        const char* utf8;
        std::string mac_roman;
    } cases[] = {
        {"Kamera \xC3\x9C" "ber", "Kamera \x86" "ber"},
        {"caf\xC3\xA9 \xC3\x9F", "caf\x8E \xA7"},
        {"Tokyo \xE6\x9D\xB1\xE4\xBA\xAC", "Tokyo ??"},         // no Japanese in Mac Roman
        {"clip \xF0\x9F\x8E\xA5!", "clip ?!"},                   // nor pictures
        {"bad \xC3 byte \xFF", "bad ? byte ?"},                  // bytes that are not UTF-8
        {"", ""},
    };
    host::Layer& a = h.project().layers.at(h.find_layer("A"));
    A_char name[AEGP_MAX_LAYER_NAME_SIZE], source[AEGP_MAX_LAYER_NAME_SIZE];
    for (const auto& c : cases) {
        a.name = c.utf8;
        h.project().items.at(a.source).name = c.utf8;
        ASSERT_EQ(layers->AEGP_GetLayerName(layer(0), name, source), A_Err_NONE);
        EXPECT_EQ(std::string(name) + " | " + source, c.mac_roman + " | " + c.mac_roman) << c.utf8;
    }
    // Cut to the buffer, one byte a character.
    a.name = std::string(62, 'x') + "\xC3\x9C\xC3\x9C";
    layers->AEGP_GetLayerName(layer(0), name, source);
    EXPECT_EQ(std::string(name), std::string(62, 'x') + "\x86");

    // A text handed in.
    utility->AEGP_ReportInfo(plugin, "\x86" "berall gr\x9A\xA7" "er");
    EXPECT_EQ(h.alerts().back().text, "\xC3\x9C" "berall gr\xC3\xB6\xC3\x9F" "er");
}

}  // namespace

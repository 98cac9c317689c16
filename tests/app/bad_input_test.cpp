// What voxtrel-host does with input it cannot use: bad command lines and
// scenes (status 2), modules it cannot load (3), a plug-in that fails (1).
#include "program.h"

namespace app_test {
namespace {

using BadInput = Program;

TEST_F(BadInput, CommandLineErrorsNameTheOption) {
    const std::vector<std::vector<std::string>> lines = {
        {"--cube", "1,2"},          {"--cube", "1,2,x"},           {"--orient", "sideways"},
        {"--keys", "rotation"},     {"--repeat", "0"},             {"--repeat", "two"},
        {"--without", "Suite"},     {"--without", ":5"},           {"--without", "AEGP Layer Suite:ten"},
        {"--screen", "0,600"},      {"--screen", "800"},           {"--clock", "-5"},
        {"--clock", "soon"},        {"--apply", "-1"},             {"--apply", "x"},
        // The validation's own options, and only with it.
        {"--steps", "5"},           {"--seed", "3"},               {"--json", "--validate"},
        {"--scenarios", "nope", "--validate"},                     {"--steps", "-1", "--validate"}};
    for (const auto& line : lines) {
        SCOPED_TRACE(line[0] + " " + line[1]);
        const Outcome r = run(line);
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(line[0]), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
    EXPECT_EQ(run({"--no-such-option"}).status, 2);
    EXPECT_EQ(run({path("missing.json")}).status, 2);
}

TEST_F(BadInput, MalformedScenesSayWhere) {
    Outcome r = run({write("broken.json", "{\n  \"composition\": {]\n}")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("broken.json: line 2, column 19: "), std::string::npos) << r.err;

    r = run({write("bad.json", R"({"composition": {"width": 100, "height": 100, "layers": [{"type": "text", "source": [1, 1]}]}})")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("bad.json: /composition/layers/0/source: "), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST_F(BadInput, ModulesThatCannotBeLoaded) {
    Outcome r = run({"--plugin", path("Nothing.so")});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Nothing.so"), std::string::npos) << r.err;
    // A shared library that is not a plug-in: the toolkit beside the program.
    r = run({"--plugin", (fs::path(VOXTREL_HOST_PATH).parent_path() / "libtoolkit.so").string()});
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("no entry point"), std::string::npos) << r.err;
}

TEST_F(BadInput, DisabledMenuItemOpensNothing) {
    const std::string scene = write(
        "flat.json", R"({"composition": {"width": 100, "height": 100, "layers": [
            {"name": "Flat", "type": "solid", "source": [10, 10], "selected": true}]}})");
    const Outcome r = run({scene, "--json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("the \"Voxtrel\" menu item is disabled"), std::string::npos) << r.err;
    EXPECT_EQ(scene_of(r)["composition"]["layers"][0]["position"], json({0, 0, 0}));
}

TEST_F(BadInput, PluginFailuresExitWithOne) {
    // Without the stream suite the application fails and the plug-in says so.
    Outcome r = run({"--without", "AEGP Stream Suite:4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("status 516"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("reported a problem"), std::string::npos) << r.err;
    // Without the utility suite it can neither open its undo group nor tell anyone.
    r = run({"--without", "AEGP Utility Suite:3", "--apply", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"Apply\" was pressed 2 times but the plug-in applied 0 times"), std::string::npos) << r.err;
}

TEST_F(BadInput, SuiteTheHostNeverOfferedChangesNothing) {
    const Outcome r = run({"--without", "Imaginary Suite:1", "--apply", "0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("offers no \"Imaginary Suite\" version 1"), std::string::npos) << r.err;
}

TEST_F(BadInput, UnwritableOutputIsABadCommandLine) {
    write("file", "x");
    Outcome r = run({"--out", path("file/sub")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot create"), std::string::npos) << r.err;
    r = run({"--apply", "0", "--ui-json", path("missing/ui.json")});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot write " + path("missing/ui.json")), std::string::npos) << r.err;
}

}  // namespace
}  // namespace app_test

// What voxtrel-host does with input it cannot use: bad command lines, scenes
// and places for outputs (status 2), modules it cannot load (3), a plug-in that
// fails (1), and options that cannot do what they ask.
#include <algorithm>

#include "program.h"

namespace app_test {
namespace {

using BadInput = Program;

TEST_F(BadInput, EveryBadCommandLineGetsOneSentence) {
    fs::create_directories(dir / "folder");
    write("file", "x");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--clock", "-1"}, "--clock \"-1\": must be a whole number of seconds since 1970, from 0 to 253402300799"},
        {{"--clock", "1.9"}, "--clock \"1.9\": must be a whole number of seconds since 1970, from 0 to 253402300799"},
        {{"--clock-step", "0"}, "--clock-step \"0\": must be a whole number of seconds from 1 to 86400"},
        {{"--apply", "x"}, "--apply \"x\": must be a whole number from 0 to 1000000"},
        {{"--repeat", "0"}, "--repeat \"0\": must be a whole number from 1 to 999999999"},
        {{"--cube", "1,2,x"}, "--cube \"1,2,x\": must be three numbers X,Y,Z"},
        {{"--cube", "--json"}, "--cube: must be followed by X,Y,Z"},
        {{"--out", ""}, "--out: must be followed by DIR"},
        {{"--orient", "none,sideways"},
         "--orient \"none,sideways\": must be none, camera or random, or several of them separated by commas"},
        {{"--keys", "rotation"},
         "--keys \"rotation\": must be position, orientation or scale, or several of them separated by commas"},
        {{"--without", "Suite"},
         "--without \"Suite\": must be \"SUITE NAME:VERSION\" with a whole-number version, such as \"AEGP Layer "
         "Suite:10\""},
        {{"--without", ":5"},
         "--without \":5\": must be \"SUITE NAME:VERSION\" with a whole-number version, such as \"AEGP Layer "
         "Suite:10\""},
        {{"--screen", "800"}, "--screen \"800\": must be W,H, two whole numbers from 1 to 32767"},
        {{"--camera", "A", "--camera", "B"}, "--camera: given 2 times (\"A\", \"B\"); must be given once"},
        {{"--json=yes"}, "--json \"yes\": must be left out, since --json takes no value"},
        {{"--ui-json", "-", "--json"},
         "--ui-json \"-\": must be a file name, since standard output already carries the result scene (--json)"},
        {{"--list", "everything"}, "--list \"everything\": must be cameras, layers or suites"},
        {{"--list", "cameras", "--apply", "2"}, "--apply: has no effect with --list, which lists without running"},
        {{"--steps", "5"}, "--steps: has no effect without --validate"},
        {{"--validate", "--json"}, "--json: has no effect with --validate, which runs its own scenarios"},
        {{"--validate", "--steps", "-1"}, "--steps \"-1\": must be a whole number from 0 to 100000000"},
        {{"--clok", "5"}, "--clok: no such option; did you mean --clock?"},
        {{"--no-such-option"}, "--no-such-option: no such option; voxtrel-host --help lists them"},
        {{"a.json", "b.json"}, "\"b.json\": only one SCENE can be given, and \"a.json\" came first"},
        {{path("missing.json")}, path("missing.json") + ": cannot be read: No such file or directory"},
        {{path("folder")}, path("folder") + ": cannot be read: it is a folder"},
        // The scene's cameras are checked before anything runs.
        {{"--camera", "Nope"}, "--camera \"Nope\": must name one of the scene's cameras, \"Camera 1\""},
        {{"--camera", "camera 1"},
         "--camera \"camera 1\": must name one of the scene's cameras, \"Camera 1\" (did you mean \"Camera 1\"?)"},
        {{example("small.json"), "--camera", "Camera 1"},
         "--camera \"Camera 1\": must name one of the scene's cameras, but it has none"},
        // So are the places outputs go to.
        {{"--out", path("file/sub")}, "cannot create " + path("file/sub") + ": Not a directory"},
        {{"--out", path("out"), "--ui-json", path("missing/ui.json")},
         "cannot write " + path("missing/ui.json") + ": No such file or directory"},
        {{"--out", path("out"), "--report", path("folder")}, "cannot write " + path("folder") + ": it is a folder"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, "voxtrel-host: " + c.message + "\n");
        EXPECT_EQ(r.out, "");
    }
    // The folder that could be made holds no temporary files.
    EXPECT_TRUE(files_in("out").empty());
}

TEST_F(BadInput, MalformedScenesSayWhereInOneLineAndWriteNothing) {
    const struct {
        std::string file, text, where;
    } scenes[] = {
        {"broken.json", "{\n  \"composition\": {]\n}", "line 2, column 19: "},
        {"bad.json",
         R"({"composition": {"width": 100, "height": 100, "layers": [{"type": "text", "source": [1, 1]}]}})",
         "/composition/layers/0/source: "},
        {"overflow.json", R"({"composition": {"width": 1e999}})", "line 1, column 27: number out of range: 1e999"},
    };
    for (const auto& scene : scenes) {
        SCOPED_TRACE(scene.file);
        const Outcome r = run({write(scene.file, scene.text), "--out", path("out")});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.rfind("voxtrel-host: " + path(scene.file) + ": " + scene.where, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_TRUE(r.out.empty());
        EXPECT_FALSE(fs::exists(path("out")));
    }
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

TEST_F(BadInput, WhatCannotBeDoneIsSaid) {
    const std::string inactive = write("inactive.json", R"({"active": false, "composition": {"width": 100,
        "height": 100, "layers": [{"name": "Card", "type": "solid", "source": [10, 10], "3d": true,
        "selected": true}]}})");
    const std::string flat = write("flat.json", R"({"composition": {"width": 100, "height": 100, "layers": [
        {"name": "Flat", "type": "solid", "source": [10, 10], "selected": true}]}})");
    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    };
    const std::vector<Case> cases = {
        {{inactive},
         1,
         "the \"Voxtrel\" menu item is disabled: no composition is active (the scene says \"active\": false); "
         "nothing opened"},
        {{flat},
         1,
         "the \"Voxtrel\" menu item is disabled: the selection holds no 3D footage, solid, text or shape layer; "
         "nothing opened"},
        {{"--without", "AEGP Layer Suite:11", "--apply", "0"},
         0,
         "--without \"AEGP Layer Suite:11\": the host offers no such suite, so nothing was removed; did you mean "
         "\"AEGP Layer Suite:10\"?"},
        {{"--panel", "--without", "AEGP Workspace Panel Suite:1", "--apply", "0"},
         0,
         "--panel: the host offers no panels without \"AEGP Workspace Panel Suite\" version 1 (removed with "
         "--without), so the dialog opens in its own window"},
        // Without --panel the host lacks it anyway: nothing to say.
        {{"--without", "AEGP Workspace Panel Suite:1", "--apply", "0"}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.front());
        const Outcome r = run(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, c.err.empty() ? "" : "voxtrel-host: " + c.err + "\n");
        EXPECT_EQ(r.out, "(no layer changed)\nAlerts:\n  (none)\n");
    }
}

TEST_F(BadInput, PluginFailuresExitWithOne) {
    // Without the stream suite the application fails and the plug-in says so.
    Outcome r = run({"--without", "AEGP Stream Suite:4"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("status 516"), std::string::npos) << r.out;
    // The message names the suite the host could not give (its absent panel suite is no failure).
    EXPECT_EQ(r.err,
              "voxtrel-host: the plug-in reported a problem (see the alerts)\n"
              "voxtrel-host: the host refused AcquireSuite: no \"AEGP Stream Suite\" version 4\n");
    // Without the utility suite it can neither open its undo group nor tell anyone.
    r = run({"--without", "AEGP Utility Suite:3", "--apply", "2"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("\"Apply\" was pressed 2 times but the plug-in applied 0 times\n"
                         "voxtrel-host: the host refused AcquireSuite: no \"AEGP Utility Suite\" version 3 (4 times)"),
              std::string::npos)
        << r.err;
}

}  // namespace
}  // namespace app_test

// voxtrel-host as a program: what it prints, what it writes and how it exits.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/scene.h"

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string read_file(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoted(const std::string& s) { return "'" + s + "'"; }

class VoxtrelHost : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() /
                   ("voxtrel-host-cli-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    Outcome run(const std::string& arguments) {
        const fs::path out = dir / "stdout", err = dir / "stderr";
        const std::string command = quoted(VOXTREL_HOST_PATH) + " " + arguments + " >" + quoted(out.string()) +
                                    " 2>" + quoted(err.string());
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(out), read_file(err)};
    }
    std::string write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name) << text;
        return quoted((dir / name).string());
    }
};

const std::string kTestPlugin = std::string("--plugin ") + HOST_TEST_PLUGIN;

TEST_F(VoxtrelHost, PrintsRegistrationsAndAlertsAndQuits) {
    const Outcome r = run(kTestPlugin);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Window > Test Command"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("command       command 3000 (before the host)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("death         1"), std::string::npos) << r.out;
    // The death hook's alert shows that the host quit before the alerts were printed.
    const auto loaded = r.out.find("  loaded 13.0 from");
    const auto goodbye = r.out.find("  goodbye");
    ASSERT_NE(loaded, std::string::npos) << r.out;
    ASSERT_NE(goodbye, std::string::npos) << r.out;
    EXPECT_LT(loaded, goodbye);
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(VoxtrelHost, JsonPrintsTheDefaultSceneOnly) {
    const Outcome r = run(kTestPlugin + " --json --apply 0");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, host::scene_text(host::default_scene()));
    EXPECT_NE(r.err.find("goodbye"), std::string::npos);
}

TEST_F(VoxtrelHost, OutWritesTheSceneIntoANewDirectory) {
    const std::string scene = std::string(HOST_EXAMPLE_SCENES) + "/keyed.json";
    const fs::path out = dir / "results" / "first";
    const Outcome r = run(quoted(scene) + " " + kTestPlugin + " --out " + quoted(out.string()));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read_file(out / "scene.json"), read_file(scene));
}

TEST_F(VoxtrelHost, BadSceneNamesTheFileAndThePath) {
    const std::string scene = write("bad.json", R"({"composition": {"layers": [{"type": "text", "source": [1, 1]}]}})");
    const Outcome r = run(scene + " " + kTestPlugin);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("bad.json: /composition/layers/0/source: "), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
}

TEST_F(VoxtrelHost, SceneThatIsNotJsonGivesLineAndColumn) {
    const std::string scene = write("broken.json", "{\n  \"composition\": {]\n}");
    const Outcome r = run(scene + " " + kTestPlugin);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("broken.json: line 2, column 19: "), std::string::npos) << r.err;
}

TEST_F(VoxtrelHost, MissingSceneFileAndBadOptionsAreCommandLineErrors) {
    EXPECT_EQ(run(quoted((dir / "none.json").string())).status, 2);
    EXPECT_EQ(run("--no-such-option").status, 2);
    EXPECT_EQ(run("--apply -1").status, 2);
    EXPECT_EQ(run("--apply x").status, 2);
}

TEST_F(VoxtrelHost, ModulesThatCannotBeLoaded) {
    Outcome r = run("--plugin " + quoted((dir / "Nothing.so").string()));
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("Nothing.so"), std::string::npos) << r.err;
    r = run(std::string("--plugin ") + HOST_TEST_NO_ENTRY);
    EXPECT_EQ(r.status, 3);
    EXPECT_NE(r.err.find("no entry point"), std::string::npos) << r.err;
}

TEST_F(VoxtrelHost, EntryPointFailurePrintsTheStatusAndTheAlerts) {
    const Outcome r = run(std::string("--plugin ") + HOST_TEST_FAILING_PLUGIN);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("status 7"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("cannot start"), std::string::npos) << r.out;
}

TEST_F(VoxtrelHost, UnwritableOutDirectory) {
    write("file", "x");
    const Outcome r = run(kTestPlugin + " --out " + quoted((dir / "file" / "sub").string()));
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot create"), std::string::npos) << r.err;
}

}  // namespace

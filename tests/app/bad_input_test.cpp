// What voxtrel-host does with input it cannot use, from the table in
// data/bad_input.json: bad command lines, scenes and places for outputs
// (status 2; every numeric option at both ends of its range and one beyond),
// modules it cannot load (3), a plug-in that fails or cannot be
// opened (1), and options that cannot do what they ask; and the run that
// fails for want of memory.
#include "program.h"

namespace app_test {
namespace {

using BadInput = Program;

TEST_F(BadInput, EachGetsItsStatusAndMessagesAndWritesNothing) {
    fs::create_directories(dir / "folder");
    write("file", "x");
    ::unsetenv("DISPLAY");  // for --gui, which then has no display to open
    const auto expand = [&](std::string text) {
        replace_all(text, "$DIR", dir.string());
        replace_all(text, "$SRC", VOXTREL_SOURCE_DIR);
        replace_all(text, "$HOST_DIR", fs::path(VOXTREL_HOST_PATH).parent_path().string());
        return text;
    };
    for (const json& row : json::parse(read_file(VOXTREL_SOURCE_DIR "/tests/app/data/bad_input.json"))) {
        std::vector<std::string> arguments;
        for (const std::string word : row["args"]) arguments.push_back(expand(word));
        std::string err;
        for (const std::string line : row["err"].is_string() ? json::array({row["err"]}) : row["err"])
            err += "voxtrel-host: " + expand(line) + "\n";
        const Outcome r = run(arguments, RLIM_INFINITY, row.value("file_size", RLIM_INFINITY));
        EXPECT_EQ((std::tuple{r.status, r.err, r.out}),
                  (std::tuple{row.value("status", 2), err, row.value("out", "")})) << row["args"].dump();
    }
    // A folder that could be made holds no temporary files; on a full disk, the smaller outputs.
    EXPECT_TRUE(files_in("out").empty());
    EXPECT_EQ(files_in("full"), (std::vector<std::string>{"dialog.png", "report.json", "scene.json"}));
}

TEST_F(BadInput, RunningOutOfMemoryStopsTheRunAndWritesNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    fs::create_directories(dir / "out");
    write("out/scene.json", "earlier");
    // The host and the plug-in start within 20 MB; ten thousand copies of thirty layers need far more.
    const Outcome r = run({"--repeat", "10000", "--apply", "10", "--out", path("out")}, rlim_t{64} << 20);
    EXPECT_EQ(r.err,
              "voxtrel-host: ran out of memory while pressing \"Apply\" (1 of 10); the run was stopped and nothing "
              "was written\n");
    EXPECT_EQ(std::tuple(r.status, r.out, files_in("out"), read_file(dir / "out" / "scene.json")),
              std::tuple(1, "", std::vector<std::string>{"scene.json"}, "earlier"));
#endif
}

TEST_F(BadInput, RunThatOpensNoDialogLeavesNoEarlierPictureOfIt) {
    ASSERT_EQ(run({"--apply", "0", "--out", path("out")}).status, 0);
    const Outcome r = run({VOXTREL_SOURCE_DIR "/tests/app/data/flat.json", "--out", path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("voxtrel-host: removed " + path("out/dialog.png") + ", which an earlier run left"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(files_in("out"), (std::vector<std::string>{"report.json", "scene.json", "view.png"}));
}

}  // namespace
}  // namespace app_test

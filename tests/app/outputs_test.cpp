// What voxtrel-host writes and where: written whole or not at all, nothing of
// an earlier run passed off as this one's, and standard output carrying one
// document.
#include "program.h"

namespace app_test {
namespace {

using Outputs = Program;

TEST_F(Outputs, RunThatOpensNoDialogLeavesNoEarlierPictureOfIt) {
    ASSERT_EQ(run({"--apply", "0", "--out", path("out")}).status, 0);
    const std::vector<std::string> all = {"dialog.png", "report.json", "scene.json", "view.png"};
    EXPECT_EQ(files_in("out"), all);

    const std::string flat = write("flat.json", R"({"composition": {"width": 100, "height": 100, "layers": [
        {"name": "Flat", "type": "solid", "source": [10, 10], "selected": true}]}})");
    const Outcome r = run({flat, "--out", path("out")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("voxtrel-host: removed " + path("out/dialog.png") + ", which an earlier run left"),
              std::string::npos)
        << r.err;
    const std::vector<std::string> without_dialog = {"report.json", "scene.json", "view.png"};
    EXPECT_EQ(files_in("out"), without_dialog);
    EXPECT_EQ(json::parse(read_file(dir / "out" / "scene.json"))["composition"]["layers"][0]["name"], "Flat");
}

TEST_F(Outputs, StandardOutputCarriesOneDocument) {
    // The view tree, with nothing else around it.
    Outcome r = run({"--apply", "0", "--ui-json", "-"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(json::parse(r.out)["title"], "Voxtrel");
    EXPECT_EQ(r.err, "");

    // The report --out writes; the alerts, when there are none, nowhere.
    r = run({"--clock", "9", "--report", "-", "--out", path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, read_file(dir / "out" / "report.json"));
    EXPECT_EQ(json::parse(r.out)["applications"], 1);
    EXPECT_EQ(r.err, "");

    r = run({"--clock", "9", "--json", "--out", path("out")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, read_file(dir / "out" / "scene.json"));
    EXPECT_EQ(r.err, "");
}

TEST_F(Outputs, RunningOutOfMemoryStopsTheRunAndWritesNothing) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer needs more address space than the limit leaves";
#else
    fs::create_directories(dir / "out");
    write("out/scene.json", "earlier");
    // The host and the plug-in start within 20 MB; ten thousand copies of thirty layers need far more.
    const Outcome r = run({"--repeat", "10000", "--out", path("out")}, rlim_t{64} << 20);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "voxtrel-host: ran out of memory while pressing \"Apply\" (1 of 1); the run was stopped and nothing "
              "was written\n");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(files_in("out"), std::vector<std::string>{"scene.json"});
    EXPECT_EQ(read_file(dir / "out" / "scene.json"), "earlier");
#endif
}

}  // namespace
}  // namespace app_test

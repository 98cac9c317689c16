// voxtrel-host --validate: a short validation of the plug-in passes with its
// lines and summary, and a plug-in with a planted fault is caught by it.
#include <regex>
#include <sstream>

#include "program.h"

namespace app_test {
namespace {

using Validation = Program;

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// "NAME   C calls   R runs   F failures" lines: the names in order, the runs added up.
struct Lines {
    std::vector<std::string> names;
    long runs = 0;
};

Lines scenario_lines(const std::vector<std::string>& lines) {
    static const std::regex line(R"(^(\S+(?: \(seed \d+, \d+ steps\))?) +\d+ calls +(\d+) runs +\d+ failures$)");
    Lines found;
    for (const std::string& text : lines) {
        std::smatch m;
        if (!std::regex_match(text, m, line)) continue;
        found.names.push_back(m[1]);
        found.runs += std::stol(m[2]);
    }
    return found;
}

TEST_F(Validation, AShortValidationOfThePlugInPasses) {
    const Outcome r = run({"--validate", "--scenarios", "load-quit,window,torture-window", "--steps", "40",
                           "--seed", "7"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    const std::vector<std::string> lines = lines_of(r.out);
    const Lines found = scenario_lines(lines);
    EXPECT_EQ(found.names, (std::vector<std::string>{"load-quit", "window", "torture-window (seed 7, 40 steps)"}));
    ASSERT_FALSE(lines.empty());
    std::smatch m;
    ASSERT_TRUE(std::regex_match(lines.back(), m, std::regex(R"(^validation: (\d+) runs, (\d+) injection points, 0 failures$)")))
        << lines.back();
    EXPECT_EQ(std::stol(m[1]), found.runs);
    EXPECT_GT(std::stol(m[2]), 100);
}

TEST_F(Validation, ASuiteLeakedOnAnErrorPathIsReported) {
    const Outcome r = run({"--validate", "--plugin", LEAKING_PLUGIN, "--scenarios", "load-quit", "--steps", "0"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    // The module holds both suites when its command number is refused.
    EXPECT_NE(r.out.find("\n  FAIL load-quit, call 3 (AEGP_GetUniqueCommand) refused once: \"AEGP Command Suite\" 1 "
                         "was acquired 1 times but released 0 times by quit (and 1 more)\n"),
              std::string::npos)
        << r.out;
    EXPECT_TRUE(std::regex_search(r.out, std::regex(R"(\nvalidation: \d+ runs, \d+ injection points, 1 failures\n$)")))
        << r.out;
}

}  // namespace
}  // namespace app_test

// voxtrel-host --validate: a short validation of the plug-in passes with its
// lines and summary, and a plug-in with a planted fault is caught by it.
#include <cstdio>
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
    Lines found;
    for (const std::string& text : lines) {
        std::istringstream in(text);
        std::vector<std::string> words;
        for (std::string w; in >> w;) words.push_back(w);
        const std::size_t n = words.size();
        if (n < 7 || words[n - 5] != "calls" || words[n - 3] != "runs" || words[n - 1] != "failures") continue;
        // The name is everything before the count of calls, which is right-aligned after it.
        const std::size_t end = text.rfind(words[n - 6] + " calls");
        found.names.push_back(text.substr(0, text.find_last_not_of(' ', end - 1) + 1));
        found.runs += std::stol(words[n - 4]);
    }
    return found;
}

// The counts of the summary line; false when the line is not one.
bool summary(const std::string& line, long& runs, long& points, long& failures) {
    int used = 0;
    return std::sscanf(line.c_str(), "validation: %ld runs, %ld injection points, %ld failures%n", &runs, &points,
                       &failures, &used) == 3 &&
           static_cast<std::size_t>(used) == line.size();
}

TEST_F(Validation, AShortValidationOfThePlugInPasses) {
    const Outcome r = run({"--validate", "--scenarios", "load-quit,window,torture-window", "--steps", "40",
                           "--seed", "7"});
    EXPECT_EQ(r.status, 0) << r.out << r.err;
    const std::vector<std::string> lines = lines_of(r.out);
    const Lines found = scenario_lines(lines);
    EXPECT_EQ(found.names, (std::vector<std::string>{"load-quit", "window", "torture-window (seed 7, 40 steps)"}));
    ASSERT_FALSE(lines.empty());
    long runs = 0, points = 0, failures = -1;
    ASSERT_TRUE(summary(lines.back(), runs, points, failures)) << lines.back();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(runs, found.runs);
    EXPECT_GT(points, 100);
}

TEST_F(Validation, ASuiteLeakedOnAnErrorPathIsReported) {
    const Outcome r = run({"--validate", "--plugin", LEAKING_PLUGIN, "--scenarios", "load-quit", "--steps", "0"});
    EXPECT_EQ(r.status, 1) << r.out << r.err;
    // The module holds both suites when its command number is refused.
    EXPECT_NE(r.out.find("\n  FAIL load-quit, call 3 (AEGP_GetUniqueCommand) refused once: \"AEGP Command Suite\" 1 "
                         "was acquired 1 times but released 0 times by quit (and 1 more)\n"),
              std::string::npos)
        << r.out;
    const std::vector<std::string> lines = lines_of(r.out);
    long runs = 0, points = 0, failures = 0;
    ASSERT_TRUE(!lines.empty() && summary(lines.back(), runs, points, failures)) << r.out;
    EXPECT_EQ(failures, 1);
}

}  // namespace
}  // namespace app_test

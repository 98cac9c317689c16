// voxtrel-host --validate catches a plug-in with a planted fault, each fault
// breaking one promise the validator keeps the plug-in to (a short validation
// of the real plug-in is a golden row).
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string_view>

#include "program.h"

namespace app_test {
namespace {

using Validation = Program;

struct Planted {
    const char* fault;         // VOXTREL_TEST_FAULT for the module; empty: none
    std::string_view finding;  // what every failure line says; empty: the module passes
};

TEST_F(Validation, EachPlantedFaultIsReportedAsTheRuleItBreaks) {
    const Planted rows[] = {
        {"", ""},
        {"leak", "was acquired 1 times but released 0 times by quit"},
        {"double-release", "the plug-in released a suite it did not hold (1 times)"},
        {"collection-leak", "1 collection(s) still held at quit"},
        {"toolkit-leak", "after quit the toolkit still holds 1 string(s)"},
        {"status-of-acquire", "where it promises 516: it could not acquire"},
        {"swallow-status", "the entry point returned 0 where it promises 7: AEGP_InsertMenuCommand("},
        {"blame-suite", "the entry point returned 516 (a suite is missing) though it was given every suite"},
        {"own-status", "the entry point returned -1, which is none of 0, 516, 1 nor a status the host returned"},
        {"failure-out-of-nothing",
         "the death hook returned 1 though the host refused nothing it was asked, while quitting"},
        {"open-group", "and closed 0 by the end of loading the plug-in"},
        {"group-name", "opened an undo group named \"Layers\", not \"Voxtrel\""},
        {"unopened-group", "the plug-in closed an undo group it had not opened"},
        {"outside-group", "the plug-in changed the project outside an undo group: AEGP_DoCommand("},
        {"write-after-failed-read", "the application wrote AEGP_DoCommand("},
    };
    for (const Planted& row : rows) {
        SCOPED_TRACE(row.fault);
        ::setenv("VOXTREL_TEST_FAULT", row.fault, 1);
        // No torture run with 0 steps, even when asked for by name.
        const Outcome r = run({"--validate", "--plugin", FAULTY_PLUGIN, "--scenarios", "load-quit,torture-window",
                               "--steps", "0"});
        ::unsetenv("VOXTREL_TEST_FAULT");
        EXPECT_EQ(r.status, row.finding.empty() ? 0 : 1) << r.out << r.err;
        std::vector<std::string> failures;
        std::istringstream lines(r.out);
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with("  FAIL ")) failures.push_back(line);
        EXPECT_EQ(failures.empty(), row.finding.empty()) << r.out;
        if (row.finding.empty()) EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
        for (const std::string& line : failures) EXPECT_NE(line.find(row.finding), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace app_test

// voxtrel-host --validate catches a plug-in with a planted fault, each fault
// breaking one promise the validator keeps the plug-in to (a short validation
// of the real plug-in is a golden row). The table, data/planted_faults.json,
// holds each run's whole output: the rule broken, and how each failure names
// the run, the refused call and the step, in the order the runs were started.
#include <cstdlib>

#include "program.h"

namespace app_test {
namespace {

using Validation = Program;

TEST_F(Validation, EachPlantedFaultIsReportedAsTheRuleItBreaks) {
    for (const json& row : json::parse(read_file(VOXTREL_SOURCE_DIR "/tests/app/data/planted_faults.json"))) {
        const std::string fault = row["fault"];
        SCOPED_TRACE(fault);
        std::string expected;
        for (const std::string line : row["out"]) expected += line + "\n";
        ::setenv("VOXTREL_TEST_FAULT", fault.c_str(), 1);
        // No torture run with 0 steps, even when asked for by name.
        const Outcome r = run({"--validate", "--plugin", FAULTY_PLUGIN, "--scenarios", "load-quit,torture-window",
                               "--steps", "0"});
        ::unsetenv("VOXTREL_TEST_FAULT");
        EXPECT_EQ(r.status, row["status"].get<int>()) << r.err;
        EXPECT_EQ(r.out, expected);
    }
}

}  // namespace
}  // namespace app_test

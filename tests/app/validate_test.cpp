// voxtrel-host --validate catches a plug-in with a planted fault (a short
// validation of the real plug-in is a golden row).
#include "program.h"

namespace app_test {
namespace {

using Validation = Program;

TEST_F(Validation, ASuiteLeakedOnAnErrorPathIsReported) {
    const Outcome r = run({"--validate", "--plugin", LEAKING_PLUGIN, "--scenarios", "load-quit", "--steps", "0"});
    EXPECT_EQ(r.status, 1) << r.err;
    // The module holds both suites when its command number is refused.
    EXPECT_EQ(r.out,
              "load-quit                                           5 calls     23 runs     1 failures\n"
              "  FAIL load-quit, call 3 (AEGP_GetUniqueCommand) refused once: \"AEGP Command Suite\" 1 was acquired 1 "
              "times but released 0 times by quit (and 1 more)\n"
              "validation: 23 runs, 17 injection points, 1 failures\n");
}

}  // namespace
}  // namespace app_test

// voxtrel-host --validate catches a plug-in with a planted fault, each fault
// breaking one promise the validator keeps the plug-in to (a short validation
// of the real plug-in is a golden row). The table, data/planted_faults.json,
// holds each run's whole output: the rule broken, and how each failure names
// the run, the refused call and the step, in the order the runs were started.
#include <cstdlib>

#include "program.h"
#include "validate/checks.h"

namespace app_test {
namespace {

using Validation = Program;

TEST_F(Validation, EachPlantedFaultIsReportedAsTheRuleItBreaks) {
    for (const json& row : json::parse(read_file(VOXTREL_SOURCE_DIR "/tests/app/data/planted_faults.json"))) {
        const std::string fault = row["fault"];
        std::string expected;
        for (const std::string line : row["out"]) expected += line + "\n";
        ::setenv("VOXTREL_TEST_FAULT", fault.c_str(), 1);
        // No torture run with 0 steps, even when asked for by name.
        const Outcome r = run({"--validate", "--plugin", FAULTY_PLUGIN, "--scenarios", "load-quit,torture-window",
                               "--steps", "0"});
        ::unsetenv("VOXTREL_TEST_FAULT");
        EXPECT_EQ(std::pair(r.status, r.out), std::pair(row["status"].get<int>(), expected)) << fault << "\n" << r.err;
    }
}

// The validator's checks over call logs written by hand, for what a one-fault
// sweep of the real plug-in never produces: several refusals in one hook, hooks
// run inside others. A call is [function, arguments, status] and, when the host
// refused it, "injected" or the rule it broke; a hook is [name, first call,
// last call, status, the hook it ran in]. "fitting": the dialog fits layers.
TEST(Checks, FindEachBrokenPromiseInAHandWrittenLog) {
    for (const json& row : json::parse(read_file(VOXTREL_SOURCE_DIR "/tests/app/data/checks.json"))) {
        SCOPED_TRACE(row["what"].get<std::string>());
        host::Host h;
        host::CallGate& gate = h.calls();
        gate.log_calls();
        for (const json& call : row["calls"]) {
            const bool injected = call.size() > 3 && call[3] == "injected";
            if (injected) gate.fail_call(gate.total_calls() + 1, call[2]);
            const host::CallGate::Entry entry = gate.enter(*host::function_id(call[0].get<std::string>()));
            gate.finish(entry, call[2], call.size() > 3 && !injected ? call[3] : "", [&] { return call[1]; });
        }
        std::vector<app::validate::HookCall> hooks;
        for (const json& k : row["hooks"]) hooks.push_back({k[0], k[1], k[2], k[3], k[4]});
        const app::validate::CallLog log(h);
        app::validate::Checks checks(h, log, false);
        checks.fitting(row.value("fitting", false));
        checks.look(hooks, "a step");
        EXPECT_EQ(checks.findings(), row["findings"].get<std::vector<std::string>>());
    }
}

}  // namespace
}  // namespace app_test

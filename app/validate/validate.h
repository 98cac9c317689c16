// voxtrel-host --validate: the plug-in run through every scenario with each
// host call failed once and from then on, every suite missing in turn, and a
// seeded torture run, each run in its own child process and checked against
// the plug-in's promises. One line per scenario, one per failure, and a last
// line "validation: R runs, P injection points, F failures".
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace app::validate {

struct ValidateOptions {
    std::string scene;   // empty: the embedded default scene
    std::string plugin;  // empty: Voxtrel.so beside the program
    long steps = 10000;  // torture steps; 0 leaves the torture run out
    std::optional<std::uint64_t> seed;
    std::vector<std::string> only;  // scenario names to run; empty: all
    bool quick{};                   // each scenario once with nothing refused, and no torture run
};

// The names --scenarios takes: every scenario, then the two torture runs.
std::vector<std::string> scenario_names();

// Whether a --scenarios name is one of the torture runs.
bool is_torture(const std::string& name);

// Returns the exit status: 0 when nothing failed, 1 when something did, 2 for
// a bad scene, 3 when the module cannot be loaded.
int validate(const ValidateOptions& options, std::ostream& out, std::ostream& err);

}  // namespace app::validate

// voxtrel-host's command line: the scene, the host it simulates, what a person
// does in the dialog and where the results go.
#pragma once

#include <CLI/CLI.hpp>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialog_actions.h"
#include "option_values.h"
#include "validate/validate.h"

namespace app {

// What the program does: a run, a listing of what the host and scene hold, the
// validation of the plug-in, an interactive session on a display, or its version.
enum class Mode { run, list, validate, gui, version };
enum class Listing { cameras, layers, suites };

// "-" as a file name: standard output.
inline constexpr char kStandardOutput[] = "-";

struct Options {
    Mode mode = Mode::run;
    Listing listing = Listing::cameras;
    std::string scene;    // empty: the embedded default scene
    std::string plugin;   // empty: Voxtrel.so beside the program
    bool json{};          // the result scene on standard output
    std::string out;      // directory for scene.json, view.png, dialog.png, report.json; empty: none
    std::string ui_json;  // file for the dialog's view tree; empty: none
    std::string report;   // file for the report of what happened; empty: none
    bool panel{};         // the host offers workspace panels
    std::vector<std::pair<std::string, long>> without;  // suites the host lacks
    std::optional<long long> clock;                     // calendar seconds the plug-in sees
    long long clock_step{};                             // seconds the clock moves on after each press
    bool undo{};
    std::optional<ScreenSize> screen;
    DialogActions dialog;
    validate::ValidateOptions validation;  // with --validate; its scene and plug-in are the ones above
};

// Option values as written, every use of each; turned into Options by finish_options.
struct RawOptions {
    std::string scene;
    std::map<std::string, std::vector<std::string>> values;  // by option name
    std::vector<std::string> switches;                       // names of the options without a value
    bool version{};
    bool validate{};
    bool gui{};
};

// Declares the options on the parser.
void add_options(CLI::App& cli, Options& options, RawOptions& raw);

// Refuses a switch given a value (--json=yes), which the parser would try to
// read as true or false; call before parsing.
void check_switches(const RawOptions& raw, int argc, const char* const* argv);

// Checks and converts what the parser kept as text, and what it let through
// (unknown options, a second scene). Throws std::invalid_argument with one
// sentence naming the option, what was given and what is accepted.
void finish_options(const CLI::App& cli, const RawOptions& raw, Options& options);

// Voxtrel.so in the directory of the running program.
std::string default_plugin_path();

}  // namespace app

// voxtrel-host's command line: the scene, the host it simulates, what a person
// does in the dialog and where the results go.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <CLI/CLI.hpp>

#include "dialog_actions.h"
#include "validate/validate.h"

namespace app {

struct ScreenSize {
    int width = 0, height = 0;
};

struct Options {
    std::string scene;    // empty: the embedded default scene
    std::string plugin;   // empty: Voxtrel.so beside the program
    bool json = false;    // the result scene on standard output
    std::string out;      // directory for scene.json, view.png, dialog.png; empty: none
    std::string ui_json;  // file for the dialog's view tree; empty: none
    bool panel = false;   // the host offers workspace panels
    std::vector<std::pair<std::string, long>> without;  // suites the host lacks
    std::optional<long long> clock;                     // calendar seconds the plug-in sees
    bool undo = false;
    std::optional<ScreenSize> screen;
    DialogActions dialog;
    bool validate = false;                  // the validation programme instead of one run
    validate::ValidateOptions validation;  // its scene and plug-in are the ones above
};

// Option values as written; turned into Options by finish_options.
struct RawOptions {
    std::vector<std::string> without;
    std::string screen, cube, orient, keys, repeat, camera, scenarios;
    long long clock = 0;
};

// Declares the options on the parser.
void add_options(CLI::App& cli, Options& options, RawOptions& raw);

// Checks and converts the values CLI11 keeps as text; throws std::invalid_argument
// with a message naming the option.
void finish_options(const CLI::App& cli, const RawOptions& raw, Options& options);

// "SUITE NAME:VERSION".
std::pair<std::string, long> parse_suite(const std::string& value);
// "W,H", each from 1 to 32767.
ScreenSize parse_screen(const std::string& value);
// Comma-separated names of validation scenarios.
std::vector<std::string> parse_scenarios(const std::string& value);

// Voxtrel.so in the directory of the running program.
std::string default_plugin_path();

}  // namespace app

#include "options.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>

#include "suggest.h"

namespace app {

namespace {

constexpr long long kLastClock = 253402300799;  // the last second of the year 9999
constexpr long long kMaxClockStep = 86400;
constexpr long long kMaxApply = 1000000;

constexpr char kDialogGroup[] = "Operating the dialog";
constexpr char kHostGroup[] = "The host";
constexpr char kOutputGroup[] = "Output";
constexpr char kOtherGroup[] = "Finding out";
constexpr char kValidationGroup[] = "Validation";
constexpr long long kMaxSteps = 100000000;

// An option with one value. Every use is kept, a use without a value too (as an
// empty one), so that finish_options can say what was wrong in its own words.
void add_value(CLI::App& cli, RawOptions& raw, const std::string& name, const std::string& type,
               const std::string& help, const char* group) {
    cli.add_option(name, raw.values[name], help)
        ->type_name(type)
        ->expected(0, 1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->group(group);
}

void add_switch(CLI::App& cli, RawOptions& raw, const std::string& name, bool& value, const std::string& help,
                const char* group) {
    raw.switches.push_back(name);
    cli.add_flag(name, value, help)->group(group);
}

std::string quoted(const std::string& s) { return "\"" + s + "\""; }

// The long names of every option, for suggestions.
std::vector<std::string> option_names(const CLI::App& cli) {
    std::vector<std::string> names;
    for (const CLI::Option* option : cli.get_options())
        for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
    return names;
}

// Words the parser did not take: unknown options, a second scene.
void refuse_leftovers(const CLI::App& cli, const std::string& scene) {
    for (const std::string& word : cli.remaining()) {
        if (word.size() > 1 && word[0] == '-') {
            const std::string name = word.substr(0, word.find('='));
            const std::optional<std::string> near = nearest(name, option_names(cli));
            throw std::invalid_argument(name + ": no such option; " +
                                        (near ? "did you mean " + *near + "?" : "voxtrel-host --help lists them"));
        }
        throw std::invalid_argument(quoted(word) + ": only one SCENE can be given, and " + quoted(scene) +
                                    " came first");
    }
}

// The value of an option that may be given once; none when it was not given.
std::optional<std::string> single(const CLI::App& cli, const RawOptions& raw, const std::string& name) {
    const std::size_t uses = cli.count(name);
    if (uses == 0) return std::nullopt;
    const std::vector<std::string>& values = raw.values.at(name);
    if (uses > 1) {
        std::string given;
        for (const std::string& v : values) given += (given.empty() ? "" : ", ") + quoted(v);
        throw std::invalid_argument(name + ": given " + std::to_string(uses) + " times (" + given +
                                    "); must be given once");
    }
    // The parser gives a use without a value as an empty one; only an empty list of boxes means something.
    if (values.empty() || (values.front().empty() && name != "--orient"))
        throw std::invalid_argument(name + ": must be followed by " + cli.get_option(name)->get_type_name());
    return values.front();
}

// Standard output carries one document; a second one asked for there must go to a file.
void check_standard_output(const Options& options) {
    std::vector<std::pair<std::string, std::string>> claims;  // option, what it prints
    if (options.json) claims.emplace_back("--json", "the result scene");
    if (options.report == kStandardOutput) claims.emplace_back("--report", "the report");
    if (options.ui_json == kStandardOutput) claims.emplace_back("--ui-json", "the view tree");
    if (claims.size() > 1)
        throw bad_value(
            claims[1].first, kStandardOutput,
            "a file name, since standard output already carries " + claims[0].second + " (" + claims[0].first + ")");
}

// --list only looks: options that act or write have nothing to do with it.
void check_listing_alone(const CLI::App& cli) {
    for (const CLI::Option* option : cli.get_options()) {
        const std::string name = option->get_name();
        if (option->count() == 0 || name == "SCENE" || name == "--list" || name == "--panel" || name == "--without")
            continue;
        throw std::invalid_argument(name + ": has no effect with --list, which lists without running");
    }
}

// With --gui a person operates the dialog and the results are written at the
// end: what operates the dialog or prints instead of the table means nothing there.
void check_gui_alone(const CLI::App& cli) {
    static const std::vector<std::string> kMeaningful = {"SCENE",   "--gui",        "--plugin", "--panel", "--without",
                                                         "--clock", "--clock-step", "--screen", "--out"};
    for (const CLI::Option* option : cli.get_options()) {
        const std::string name = option->get_name();
        if (option->count() == 0 || std::find(kMeaningful.begin(), kMeaningful.end(), name) != kMeaningful.end())
            continue;
        throw std::invalid_argument(name + ": has no effect with --gui, where a person operates the dialog");
    }
}

// --validate runs scenarios of its own: only the scene, the plug-in and its own
// options mean anything to it; and its own options mean nothing without it.
void check_validation_alone(const CLI::App& cli, bool validating) {
    static const std::vector<std::string> kOwn = {"--steps", "--seed", "--scenarios", "--quick"};
    for (const CLI::Option* option : cli.get_options()) {
        const std::string name = option->get_name();
        if (option->count() == 0 || name == "SCENE" || name == "--plugin" || name == "--validate") continue;
        const bool own = std::find(kOwn.begin(), kOwn.end(), name) != kOwn.end();
        if (validating && !own)
            throw std::invalid_argument(name + ": has no effect with --validate, which runs its own scenarios");
        if (!validating && own) throw std::invalid_argument(name + ": has no effect without --validate");
    }
}

// Comma-separated names of validation scenarios.
std::vector<std::string> parse_scenarios(const std::string& value) {
    const std::vector<std::string> known = validate::scenario_names();
    std::vector<std::string> names;
    for (std::string::size_type start = 0;;) {
        const auto comma = value.find(',', start);
        const std::string name = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            std::string list;
            for (const std::string& k : known) list += (list.empty() ? "" : ", ") + k;
            throw bad_value("--scenarios", value, "names of scenarios separated by commas: " + list);
        }
        names.push_back(name);
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

Listing parse_listing(const std::string& value) {
    if (value == "cameras") return Listing::cameras;
    if (value == "layers") return Listing::layers;
    if (value == "suites") return Listing::suites;
    throw bad_value("--list", value, "cameras, layers or suites");
}

}  // namespace

void add_options(CLI::App& cli, Options& options, RawOptions& raw) {
    cli.add_option("SCENE", raw.scene, "Scene file (JSON); without it the embedded default scene")->type_name("");
    cli.allow_extras();

    add_value(cli, raw, "--cube", "X,Y,Z", "Type X,Y,Z into the three \"Cube Dimensions\" fields", kDialogGroup);
    add_value(cli, raw, "--orient", "LIST",
              "Leave exactly these \"Layer Orientation\" boxes checked: none (\"Don't Change Orientation\"), "
              "camera (\"Towards Camera\"), random (\"Random\"); comma-separated",
              kDialogGroup);
    add_value(cli, raw, "--camera", "NAME",
              "Choose this camera in the camera popup (enabled with --orient camera; --list cameras shows them)",
              kDialogGroup);
    add_value(cli, raw, "--repeat", "N", "Check \"Repeat Layers\" and type N as its count", kDialogGroup);
    add_switch(cli, raw, "--sequential", options.dialog.sequential, "Check \"Repeat Sequentially\" (needs --repeat)",
               kDialogGroup);
    add_value(cli, raw, "--keys", "LIST", "Check these \"Insert Keys\" boxes: position, orientation, scale",
              kDialogGroup);
    add_switch(cli, raw, "--no-crop-text", options.dialog.no_crop_text,
               "Uncheck \"Crop Text Layers To Size Of Other 3D Layers\"", kDialogGroup);
    add_value(cli, raw, "--apply", "N", "Press \"Apply\" N times (default 1; 0 only opens the dialog)", kDialogGroup);

    add_value(cli, raw, "--plugin", "PATH", "Plug-in module to load (default: Voxtrel.so beside the program)",
              kHostGroup);
    add_switch(cli, raw, "--panel", options.panel,
               "The host offers workspace panels: the dialog opens docked in a panel", kHostGroup);
    add_value(cli, raw, "--without", "\"SUITE NAME:VERSION\"",
              "The host lacks this suite, e.g. \"AEGP Layer Suite:10\" (repeatable)", kHostGroup);
    add_value(cli, raw, "--clock", "SECONDS", "Calendar time in seconds the plug-in sees (makes a run reproducible)",
              kHostGroup);
    add_value(cli, raw, "--clock-step", "SECONDS",
              "Move the clock on by SECONDS after each press of \"Apply\" (the plug-in seeds with whole seconds)",
              kHostGroup);
    add_switch(cli, raw, "--undo", options.undo, "Undo the last step after applying", kHostGroup);
    add_value(cli, raw, "--screen", "W,H", "Screen size (default 1440,900)", kHostGroup);

    add_switch(cli, raw, "--json", options.json, "Print the result scene instead of the table of layers", kOutputGroup);
    add_value(cli, raw, "--out", "DIR",
              "Write DIR/scene.json, DIR/view.png, DIR/dialog.png and DIR/report.json (DIR is created)", kOutputGroup);
    add_value(cli, raw, "--ui-json", "FILE",
              "Write the dialog's view tree, as the automation sees it, to FILE (- for standard output)", kOutputGroup);
    add_value(cli, raw, "--report", "FILE",
              "Write the report of what the run did, as JSON, to FILE (- for standard output)", kOutputGroup);

    add_switch(cli, raw, "--validate", raw.validate,
               "Instead of one run, run the plug-in through every scenario with each host call failing in turn, "
               "every suite missing in turn and a torture run; one line per scenario, then \"validation: R runs, "
               "P injection points, F failures\"",
               kValidationGroup);
    add_value(
        cli, raw, "--steps", "N",
        "Steps of the torture run (default " + std::to_string(validate::ValidateOptions{}.steps) + "; 0 leaves it out)",
        kValidationGroup);
    add_value(cli, raw, "--seed", "S", "Seed of the torture run (default: a new one, printed)", kValidationGroup);
    add_value(cli, raw, "--scenarios", "LIST", "Run only these scenarios, comma-separated (see README)",
              kValidationGroup);
    add_switch(cli, raw, "--quick", options.validation.quick,
               "Run each scenario once with nothing refused, without the torture run: a check in seconds",
               kValidationGroup);

    add_switch(cli, raw, "--gui", raw.gui,
               "Open the composition and the dialog on the X display named by DISPLAY for a person to use; Ctrl+Z "
               "undoes, Ctrl+Shift+Z redoes, Ctrl+Q quits and writes --out as a run does",
               kOtherGroup);
    add_value(cli, raw, "--list", "WHAT",
              "Print the scene's cameras or layers, or the suites the host offers, and stop: cameras, layers, suites",
              kOtherGroup);
    add_switch(cli, raw, "--version", raw.version, "Print the version and stop", kOtherGroup);
}

void check_switches(const RawOptions& raw, int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--") return;
        const auto equals = word.find('=');
        if (equals == std::string::npos) continue;
        const std::string name = word.substr(0, equals);
        for (const std::string& s : raw.switches)
            if (name == s)
                throw bad_value(name, word.substr(equals + 1), "left out, since " + name + " takes no value");
    }
}

void finish_options(const CLI::App& cli, const RawOptions& raw, Options& options) {
    refuse_leftovers(cli, raw.scene);
    if (raw.version) {
        options.mode = Mode::version;
        return;
    }
    if (cli.count("SCENE") && raw.scene.empty()) throw bad_value("SCENE", "", "the name of a scene file");
    options.scene = raw.scene;
    const auto given = [&](const std::string& name) { return single(cli, raw, name); };

    check_validation_alone(cli, raw.validate);
    if (raw.validate) {
        options.mode = Mode::validate;
        options.validation.scene = options.scene;
        if (const auto v = given("--plugin")) options.validation.plugin = *v;
        if (const auto v = given("--steps")) {
            const auto steps = whole_number(*v, 0, kMaxSteps);
            if (!steps) throw bad_value("--steps", *v, "a whole number from 0 to " + std::to_string(kMaxSteps));
            options.validation.steps = static_cast<long>(*steps);
        }
        if (const auto v = given("--seed")) {
            const auto seed = whole_number(*v, 0, std::numeric_limits<long long>::max());
            if (!seed) throw bad_value("--seed", *v, "a whole number from 0 to 9223372036854775807");
            options.validation.seed = static_cast<std::uint64_t>(*seed);
        }
        if (const auto v = given("--scenarios")) options.validation.only = parse_scenarios(*v);
        if (!options.validation.quick) return;
        for (const char* torture : {"--steps", "--seed"})
            if (cli.count(torture))
                throw std::invalid_argument(std::string(torture) +
                                            ": has no effect with --quick, which runs no torture");
        for (const std::string& name : options.validation.only)
            if (validate::is_torture(name))
                throw std::invalid_argument("--scenarios: " + name +
                                            " has no effect with --quick, which runs no torture");
        return;
    }
    if (raw.gui) {
        check_gui_alone(cli);
        options.mode = Mode::gui;
    }
    if (const auto v = given("--list")) {
        options.mode = Mode::list;
        options.listing = parse_listing(*v);
        check_listing_alone(cli);
    }
    if (const auto v = given("--cube")) options.dialog.cube = parse_cube(*v);
    if (const auto v = given("--orient")) options.dialog.orient = parse_orient(*v);
    if (const auto v = given("--camera")) options.dialog.camera = *v;
    if (const auto v = given("--repeat")) options.dialog.repeat = parse_repeat(*v);
    if (const auto v = given("--keys")) options.dialog.keys = parse_keys(*v);
    if (const auto v = given("--apply")) {
        const auto n = whole_number(*v, 0, kMaxApply);
        if (!n) throw bad_value("--apply", *v, "a whole number from 0 to " + std::to_string(kMaxApply));
        options.dialog.apply = static_cast<int>(*n);
    }

    if (const auto v = given("--plugin")) options.plugin = *v;
    for (const std::string& suite : raw.values.at("--without")) {
        if (suite.empty()) throw std::invalid_argument("--without: must be followed by \"SUITE NAME:VERSION\"");
        options.without.push_back(parse_suite(suite));
    }
    if (const auto v = given("--clock")) {
        options.clock = whole_number(*v, 0, kLastClock);
        if (!options.clock)
            throw bad_value("--clock", *v,
                            "a whole number of seconds since 1970, from 0 to " + std::to_string(kLastClock));
    }
    if (const auto v = given("--clock-step")) {
        const auto step = whole_number(*v, 1, kMaxClockStep);
        if (!step)
            throw bad_value("--clock-step", *v, "a whole number of seconds from 1 to " + std::to_string(kMaxClockStep));
        options.clock_step = *step;
    }
    if (const auto v = given("--screen")) options.screen = parse_screen(*v);

    if (const auto v = given("--out")) options.out = *v;
    if (const auto v = given("--ui-json")) options.ui_json = *v;
    if (const auto v = given("--report")) options.report = *v;
    check_standard_output(options);
}

std::string default_plugin_path() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "Voxtrel.so";
    return (self.parent_path() / "Voxtrel.so").string();
}

}  // namespace app

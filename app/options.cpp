#include "options.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace app {

namespace {

// A whole decimal number from `low` to `high`, or nullopt.
std::optional<long> whole_number(const std::string& s, long low, long high) {
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const long n = std::stol(s);
    if (n < low || n > high) return std::nullopt;
    return n;
}

}  // namespace

void add_options(CLI::App& cli, Options& options, RawOptions& raw) {
    cli.add_option("SCENE", options.scene, "Scene file (JSON); without it the embedded default scene")
        ->check(CLI::ExistingFile);

    auto* dialog = "Operating the dialog";
    cli.add_option("--cube", raw.cube, "Type X,Y,Z into the three \"Cube Dimensions\" fields")
        ->type_name("X,Y,Z")
        ->group(dialog);
    cli.add_option("--orient", raw.orient,
                   "Leave exactly these \"Layer Orientation\" boxes checked: none (\"Don't Change "
                   "Orientation\"), camera (\"Towards Camera\"), random (\"Random\"); comma-separated")
        ->type_name("LIST")
        ->group(dialog);
    cli.add_option("--camera", raw.camera, "Choose this camera in the camera popup (enabled with --orient camera)")
        ->type_name("NAME")
        ->group(dialog);
    cli.add_option("--repeat", raw.repeat, "Check \"Repeat Layers\" and type N as its count")
        ->type_name("N")
        ->group(dialog);
    cli.add_flag("--sequential", options.dialog.sequential, "Check \"Repeat Sequentially\" (needs --repeat)")
        ->group(dialog);
    cli.add_option("--keys", raw.keys, "Check these \"Insert Keys\" boxes: position, orientation, scale")
        ->type_name("LIST")
        ->group(dialog);
    cli.add_flag("--no-crop-text", options.dialog.no_crop_text,
                 "Uncheck \"Crop Text Layers To Size Of Other 3D Layers\"")
        ->group(dialog);
    cli.add_option("--apply", options.dialog.apply, "Press \"Apply\" N times (default 1; 0 only opens the dialog)")
        ->type_name("N")
        ->check(CLI::Range(0, 1000000))
        ->group(dialog);

    auto* host = "The host";
    cli.add_option("--plugin", options.plugin, "Plug-in module to load (default: Voxtrel.so beside the program)")
        ->type_name("PATH")
        ->group(host);
    cli.add_flag("--panel", options.panel, "The host offers workspace panels: the dialog opens docked in a panel")
        ->group(host);
    cli.add_option("--without", raw.without, "The host lacks this suite, e.g. \"AEGP Layer Suite:10\" (repeatable)")
        ->type_name("\"SUITE NAME:VERSION\"")
        ->group(host);
    cli.add_option("--clock", raw.clock, "Calendar time in seconds the plug-in sees (makes a run reproducible)")
        ->type_name("SECONDS")
        ->check(CLI::NonNegativeNumber)
        ->group(host);
    cli.add_flag("--undo", options.undo, "Undo the last step after applying")->group(host);
    cli.add_option("--screen", raw.screen, "Screen size (default 1440,900)")->type_name("W,H")->group(host);

    auto* output = "Output";
    cli.add_flag("--json", options.json, "Print the result scene instead of the table of layers")->group(output);
    cli.add_option("--out", options.out, "Write DIR/scene.json, DIR/view.png and DIR/dialog.png (DIR is created)")
        ->type_name("DIR")
        ->group(output);
    cli.add_option("--ui-json", options.ui_json, "Write the dialog's view tree, as the automation sees it, to FILE")
        ->type_name("FILE")
        ->group(output);

    auto* validation = "Validation";
    cli.add_flag("--validate", options.validate,
                 "Instead of one run, run the plug-in through every scenario with each host call failing in "
                 "turn, every suite missing in turn and a torture run; takes only SCENE, --plugin and the options "
                 "below")
        ->group(validation);
    cli.add_option("--steps", options.validation.steps, "Steps of the torture run (default 10000; 0: none)")
        ->type_name("N")
        ->check(CLI::Range(0L, 100000000L))
        ->group(validation);
    cli.add_option("--seed", options.validation.seed, "Seed of the torture run (default: a new one, printed)")
        ->type_name("S")
        ->group(validation);
    cli.add_option("--scenarios", raw.scenarios, "Run only these scenarios, comma-separated (see README)")
        ->type_name("LIST")
        ->group(validation);
}

void finish_options(const CLI::App& cli, const RawOptions& raw, Options& options) {
    auto given = [&](const char* name) { return cli.count(name) > 0; };
    static const std::vector<const char*> kOneRunOnly = {"--cube",  "--orient", "--camera", "--repeat", "--sequential",
                                               "--keys",  "--no-crop-text", "--apply", "--panel", "--without",
                                               "--clock", "--undo",   "--screen", "--json",   "--out",
                                               "--ui-json"};
    static const std::vector<const char*> kValidationOnly = {"--steps", "--seed", "--scenarios"};
    for (const char* name : options.validate ? kOneRunOnly : kValidationOnly) {
        if (!given(name)) continue;
        if (options.validate)
            throw std::invalid_argument(std::string(name) + " is not for --validate, which runs its own scenarios");
        throw std::invalid_argument(std::string(name) + " needs --validate");
    }
    if (options.validate) {
        options.validation.scene = options.scene;
        options.validation.plugin = options.plugin;
        if (given("--scenarios")) options.validation.only = parse_scenarios(raw.scenarios);
        return;
    }
    if (given("--cube")) options.dialog.cube = parse_cube(raw.cube);
    if (given("--orient")) options.dialog.orient = parse_orient(raw.orient);
    if (given("--camera")) options.dialog.camera = raw.camera;
    if (given("--repeat")) options.dialog.repeat = parse_repeat(raw.repeat);
    if (given("--keys")) options.dialog.keys = parse_keys(raw.keys);
    if (given("--clock")) options.clock = raw.clock;
    if (given("--screen")) options.screen = parse_screen(raw.screen);
    for (const std::string& suite : raw.without) options.without.push_back(parse_suite(suite));
}

std::pair<std::string, long> parse_suite(const std::string& value) {
    const auto colon = value.rfind(':');
    const std::optional<long> version =
        colon == std::string::npos ? std::nullopt : whole_number(value.substr(colon + 1), 0, 999999);
    if (!version || colon == 0)
        throw std::invalid_argument("--without: expected \"SUITE NAME:VERSION\", got \"" + value + "\"");
    return {value.substr(0, colon), *version};
}

ScreenSize parse_screen(const std::string& value) {
    const auto comma = value.find(',');
    const std::optional<long> w = comma == std::string::npos ? std::nullopt : whole_number(value.substr(0, comma), 1, 32767);
    const std::optional<long> h = comma == std::string::npos ? std::nullopt : whole_number(value.substr(comma + 1), 1, 32767);
    if (!w || !h)
        throw std::invalid_argument("--screen: expected W,H, whole numbers from 1 to 32767, got \"" + value + "\"");
    return {static_cast<int>(*w), static_cast<int>(*h)};
}

std::vector<std::string> parse_scenarios(const std::string& value) {
    const std::vector<std::string> known = validate::scenario_names();
    std::vector<std::string> names;
    std::string::size_type start = 0;
    while (true) {
        const auto comma = value.find(',', start);
        const std::string name = value.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            std::string list;
            for (const std::string& k : known) list += (list.empty() ? "" : ", ") + k;
            throw std::invalid_argument("--scenarios: no scenario \"" + name + "\"; there are " + list);
        }
        names.push_back(name);
        if (comma == std::string::npos) return names;
        start = comma + 1;
    }
}

std::string default_plugin_path() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return "Voxtrel.so";
    return (self.parent_path() / "Voxtrel.so").string();
}

}  // namespace app

#include "validate.h"

#include <dlfcn.h>

#include <algorithm>
#include <filesystem>
#include <iomanip>
#include <random>
#include <thread>

#include "children.h"
#include "host/scene.h"
#include "host_setup.h"
#include "options.h"
#include "run.h"
#include "run_messages.h"
#include "scenarios.h"
#include "sweep_scene.h"
#include "toolkit/automation.h"
#include "torture.h"

namespace app::validate {

namespace {

using nlohmann::ordered_json;

constexpr unsigned kRunSeconds = 120;
constexpr unsigned kTortureSeconds = 3 * 3600;
constexpr std::size_t kFailureLinesShown = 10;
constexpr char kCannotLoad[] = "the module cannot be loaded: ";

const char* const kTortureNames[] = {"torture-window", "torture-panel"};

// Every suite of the host interface the simulated host offers.
const std::vector<host::SuiteKey>& host_suites() {
    static const std::vector<host::SuiteKey> suites = {
        {kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1},       {kAEGPCommandSuite, kAEGPCommandSuiteVersion1},
        {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3},         {kAEGPItemSuite, kAEGPItemSuiteVersion3},
        {kAEGPCompSuite, kAEGPCompSuiteVersion4},               {kAEGPLayerSuite, kAEGPLayerSuiteVersion5},
        {kAEGPLayerSuite, kAEGPLayerSuiteVersion8},             {kAEGPLayerSuite, kAEGPLayerSuiteVersion10},
        {kAEGPCollectionSuite, kAEGPCollectionSuiteVersion1},   {kAEGPStreamSuite, kAEGPStreamSuiteVersion4},
        {kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion1},       {kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1},
        {kPFAppSuite, kPFAppSuiteVersion2}};
    return suites;
}

// What one run told, and how it ended.
struct RunResult {
    long calls = 0;
    std::vector<std::string> names;
    std::string injected;
    std::vector<std::string> findings;
    std::string last_step;
};

bool starts(const std::string& line, std::string_view prefix, std::string& rest) {
    if (!line.starts_with(prefix)) return false;
    rest = line.substr(prefix.size());
    return true;
}

RunResult read_end(const ChildEnd& end) {
    RunResult result;
    std::string rest;
    for (const std::string& line : end.lines) {
        if (starts(line, message::kCalls, rest)) result.calls = std::atol(rest.c_str());
        else if (starts(line, message::kName, rest)) result.names.push_back(rest);
        else if (starts(line, message::kInjected, rest)) result.injected = rest;
        else if (starts(line, message::kFinding, rest)) result.findings.push_back(rest);
        else if (starts(line, message::kStep, rest)) result.last_step = rest;
    }
    const std::string at = result.last_step.empty() ? "" : " at step " + result.last_step;
    if (!end.sanitizer.empty()) result.findings.push_back("sanitizer report" + at + ": " + end.sanitizer);
    else if (!end.abnormal.empty()) result.findings.push_back("the run " + end.abnormal + at);
    return result;
}

// The child's side of a sweep run.
void run_scenario(const Scenario& scenario, const RunPlan& plan, Reporter& reporter) {
    Session session(plan);
    if (session.load()) scenario.steps(session);
    session.quit();
    reporter.say(std::string(message::kCalls) + std::to_string(session.calls()));
    if (plan.clean)
        for (const std::string& name : session.call_names()) reporter.say(std::string(message::kName) + name);
    if (plan.fail_at > 0) reporter.say(std::string(message::kInjected) + session.call_name(plan.fail_at));
    for (const std::string& finding : session.findings()) reporter.say(std::string(message::kFinding) + finding);
}

enum class Fault { none, once, from_then_on, without_suite, torture };

struct Job {
    std::size_t line;  // the output line it counts in
    Fault fault = Fault::none;
    long call = 0;
    host::SuiteKey suite{};
};

// One output line: a scenario or a torture run, with its failures.
struct Line {
    std::string name;
    long calls = 0, runs = 0, failing_runs = 0, pending = 0;
    bool closed = false;  // every run of it has been started
    // The first failing runs in the order they were started, whatever order
    // they end in, so that a validation prints the same every time.
    using Failure = std::pair<std::size_t, std::string>;  // the run's order and its line
    std::vector<Failure> failures;
    std::vector<std::string> names;  // of the clean run's calls

    // The clean run's name of a call, numbered from 1, or "" for a number it has no call of.
    std::string call_name(long call) const {
        return call >= 1 && call <= static_cast<long>(names.size()) ? names[static_cast<std::size_t>(call) - 1] : "";
    }
};

std::string injection_text(const Job& job, const Line& line) {
    const auto name = [&](long call) {
        const std::string known = line.call_name(call);
        return known.empty() ? known : " (" + known + ")";
    };
    switch (job.fault) {
        case Fault::none: return "nothing refused";
        case Fault::once: return "call " + std::to_string(job.call) + name(job.call) + " refused once";
        case Fault::from_then_on:
            return "every call from " + std::to_string(job.call) + name(job.call) + " on refused";
        case Fault::without_suite:
            return "without \"" + job.suite.first + "\" " + std::to_string(job.suite.second);
        case Fault::torture: return "";
    }
    return "";
}

class Validation {
public:
    // As many runs at a time as the machine has cores: the output keeps the order the runs were started in.
    Validation(std::ostream& out)
        : out_(out), children_(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())), kRunSeconds) {}

    std::size_t add_line(const std::string& name) {
        Line line;
        line.name = name;
        lines_.push_back(line);
        return lines_.size() - 1;
    }
    Line& line(std::size_t index) { return lines_[index]; }

    // Runs `work` in a child as a run of the line; `inspect` may add findings.
    void run(const Job& job, std::function<void(Reporter&)> work, unsigned seconds,
             std::function<void(RunResult&)> inspect = {}) {
        ++lines_[job.line].pending;
        children_.run(std::move(work),
                      [this, job, inspect, order = started_++](const ChildEnd& end) {
                          RunResult result = read_end(end);
                          if (inspect) inspect(result);
                          count(job, order, result);
                          print_ready();
                      },
                      seconds);
    }
    // No more runs will be started for the line.
    void close(std::size_t index) {
        lines_[index].closed = true;
        print_ready();
    }
    void wait() { children_.wait_all(); }

    long runs() const { return runs_; }
    long failures() const { return failures_; }

private:
    void count(const Job& job, std::size_t order, const RunResult& result) {
        Line& line = lines_[job.line];
        --line.pending;
        ++line.runs;
        ++runs_;
        if (job.fault == Fault::torture) line.calls = result.calls;
        if (result.findings.empty()) return;
        ++line.failing_runs;
        ++failures_;
        const auto at = std::ranges::upper_bound(line.failures, order, {}, &Line::Failure::first);
        std::string text = "  FAIL " + line.name;
        const std::string injection = injection_text(job, line);
        if (!injection.empty()) text += ", " + injection;
        text += ": " + result.findings.front();
        if (result.findings.size() > 1) text += " (and " + std::to_string(result.findings.size() - 1) + " more)";
        line.failures.insert(at, {order, text});
        if (line.failures.size() > kFailureLinesShown) line.failures.pop_back();
    }

    // Lines are told in order, each once all its runs have ended.
    void print_ready() {
        while (printed_ < lines_.size() && lines_[printed_].closed && lines_[printed_].pending == 0) {
            const Line& line = lines_[printed_++];
            out_ << std::left << std::setw(44) << line.name << std::right << std::setw(9) << line.calls << " calls"
                 << std::setw(7) << line.runs << " runs" << std::setw(6) << line.failing_runs << " failures\n";
            for (const auto& [order, failure] : line.failures) out_ << failure << "\n";
            if (line.failing_runs > static_cast<long>(line.failures.size()))
                out_ << "  (" << line.failing_runs - static_cast<long>(line.failures.size())
                     << " more failing runs in " << line.name << ")\n";
            out_.flush();
        }
    }

    std::ostream& out_;
    Children children_;
    std::vector<Line> lines_;
    std::size_t printed_ = 0, started_ = 0;
    long runs_ = 0, failures_ = 0;
};

// What every child would do first, done once here: the module mapped and
// linked (its entry point never called, so each child's copy of it is as
// loading leaves it) and the toolkit's fonts read. No toolkit object is left.
void share_loading(const std::string& plugin) {
    dlopen(plugin.c_str(), RTLD_NOW | RTLD_LOCAL);  // kept for the validator's life
    if (CFStringRef text = CFStringCreateWithCString(nullptr, "Voxtrel", kCFStringEncodingUTF8)) {
        Point size{};
        SInt16 baseline{};
        for (ThemeFontID font : {kThemeSystemFont, kThemeSmallSystemFont, kThemeMiniSystemFont})
            GetThemeTextDimensions(text, font, kThemeStateActive, false, &size, &baseline);
        CFRelease(text);
    }
}

bool wanted(const ValidateOptions& options, const std::string& name) {
    return options.only.empty() || std::find(options.only.begin(), options.only.end(), name) != options.only.end();
}

}  // namespace

std::vector<std::string> scenario_names() {
    std::vector<std::string> names;
    for (const Scenario& s : scenarios()) names.push_back(s.name);
    names.insert(names.end(), std::begin(kTortureNames), std::end(kTortureNames));
    return names;
}

bool is_torture(const std::string& name) {
    return std::find(std::begin(kTortureNames), std::end(kTortureNames), name) != std::end(kTortureNames);
}

int validate(const ValidateOptions& options, std::ostream& out, std::ostream& err) {
    Options source;
    source.scene = options.scene;
    std::string text;
    if (!read_scene(source, text, err)) return kExitBadInput;
    ordered_json scene;
    try {
        scene = host::parse_scene_text(text);
        host::IdCounters ids;
        host::read_scene(scene, ids);
    } catch (const host::SceneError& e) {
        err << "voxtrel-host: " << scene_name(source) << ": " << e.what() << "\n";
        return kExitBadInput;
    }
    const std::string plugin = options.plugin.empty() ? default_plugin_path() : options.plugin;
    if (!std::filesystem::is_regular_file(plugin)) {
        err << "voxtrel-host: cannot open " << plugin << "\n";
        return kExitCannotLoad;
    }
    const std::uint64_t seed = options.seed ? *options.seed : std::random_device{}();
    const ordered_json sweep = sweep_scene(scene);

    struct Planned {
        const Scenario* scenario;
        RunPlan plan;
        std::size_t line;
    };
    Validation validation(out);
    std::vector<Planned> planned;
    for (const Scenario& s : scenarios()) {
        if (!wanted(options, s.name)) continue;
        ordered_json own = sweep;
        if (s.scene) s.scene(own);
        RunPlan plan;
        plan.plugin = plugin;
        plan.scene = host::scene_text(own);
        plan.panels = s.panels;
        plan.without = s.without;
        planned.push_back({&s, plan, validation.add_line(s.name)});
    }

    // Clean runs first: they count each scenario's calls and name them.
    std::string cannot_load;
    for (const Planned& p : planned) {
        RunPlan clean = p.plan;
        clean.clean = true;
        validation.run(
            Job{p.line, Fault::none}, [&p, clean](Reporter& r) { run_scenario(*p.scenario, clean, r); }, 0,
            [&validation, &cannot_load, line = p.line](RunResult& result) {
                validation.line(line).calls = result.calls;
                validation.line(line).names = result.names;
                for (const std::string& f : result.findings)
                    if (f.starts_with(kCannotLoad)) cannot_load = f.substr(sizeof kCannotLoad - 1);
            });
    }
    validation.wait();
    if (!cannot_load.empty()) {
        err << "voxtrel-host: " << cannot_load << "\n";
        return kExitCannotLoad;
    }
    const auto finish = [&](long points) {
        validation.wait();
        out << "validation: " << validation.runs() << " runs, " << points << " injection points, "
            << validation.failures() << " failures\n";
        return validation.failures() == 0 ? kExitDone : kExitPluginFailed;
    };
    if (options.quick) {
        for (const Planned& p : planned) validation.close(p.line);
        return finish(0);
    }
    // Only once a child has loaded the module without harm.
    share_loading(plugin);

    // The torture runs take longest, so they start first.
    long points = 0;
    for (const bool panels : {false, true}) {
        const std::string name = kTortureNames[panels ? 1 : 0];
        if (options.steps <= 0 || !wanted(options, name)) continue;
        const std::size_t line = validation.add_line(name + " (seed " + std::to_string(seed) + ", " +
                                                     std::to_string(options.steps) +
                                                     (options.steps == 1 ? " step)" : " steps)"));
        const TorturePlan plan{plugin, text, panels, seed, options.steps};
        validation.run(Job{line, Fault::torture}, [plan](Reporter& r) { torture(plan, r); }, kTortureSeconds);
        validation.close(line);
    }

    for (const Planned& p : planned) {
        const Line& line = validation.line(p.line);
        const auto runs = [&](const Job& job, RunPlan plan) {
            const long call = job.call;
            const std::string expected = line.call_name(call);
            validation.run(job, [&p, plan](Reporter& r) { run_scenario(*p.scenario, plan, r); }, 0,
                           [call, expected](RunResult& result) {
                               if (!result.injected.empty() && result.injected != expected)
                                   result.findings.push_back("the run is not reproducible: call " +
                                                             std::to_string(call) + " was " + result.injected +
                                                             ", in the run with nothing refused " + expected);
                           });
        };
        for (long k = 1; k <= line.calls; ++k) {
            RunPlan plan = p.plan;
            plan.fail_at = k;
            runs({p.line, Fault::once, k}, plan);
            plan.persistent = true;
            runs({p.line, Fault::from_then_on, k}, plan);
            ++points;
        }
        for (const host::SuiteKey& suite : host_suites()) {
            const bool panel_suite = suite.first == kAEGPWorkspacePanelSuite;
            const bool absent = (panel_suite && !p.plan.panels) ||
                                std::find(p.plan.without.begin(), p.plan.without.end(), suite) != p.plan.without.end();
            if (absent) continue;
            RunPlan plan = p.plan;
            plan.without.push_back(suite);
            runs({.line = p.line, .fault = Fault::without_suite, .suite = suite}, plan);
            ++points;
        }
        validation.close(p.line);
    }
    return finish(points);
}

}  // namespace app::validate

// The plug-in's work measured as a person causes it: the module loaded through
// its entry point into the simulated host, "Voxtrel" chosen from its menu, the
// dialog operated through the toolkit's automation and "Apply" clicked, on
// generated scenes. Each case is a row of the table below; the time is that of
// the one action named, and the host's call counters stand next to it. Undoing
// an application, and everything else that puts the state back, is untimed.
//
//   voxtrel-bench --scene=LAYERS[:CAMERAS] FILE   writes a generated scene instead;
//   voxtrel-bench --once [benchmark options]       runs each case once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "host/Host.h"
#include "host/scene.h"
#include "open_dialog.h"
#include "replay.h"
#include "scenes.h"
#include "toolkit/automation.h"

namespace {

namespace auto_ = tk::automation;
using app::KeyKind;
using app::Orientation;

enum class Action {
    apply,    // one "Apply": records = selected layers × (repeats + 1)
    replay,   // the same host calls without the plug-in
    refresh,  // one idle tick with the dialog open, 100 cameras in the scene
    fit,      // "Apply" with "Scale Layers To Fit" on, after an earlier fit (its restore)
    load,     // the scene read into the host
    save,     // and written out
};

struct Case {
    const char* name;
    Action action;
    std::vector<long> sizes;  // records, or layers for refresh, load and save
    app::DialogActions dialog;
    bool older_host = false;  // without "AEGP Layer Suite" 10: the Duplicate-command path
};

const std::vector<long> kRecords = {100, 1000, 10000, 100000};
const std::vector<long> kReplayed = {100, 1000, 10000};
const std::set<KeyKind> kAllKeys = {KeyKind::position, KeyKind::orientation, KeyKind::scale};
const app::DialogActions kRepeat3{.repeat = "3"};

// The Duplicate-command path snapshots every layer of the composition twice per
// duplicate, so it grows with records × layers; 4,000 records (1,000 layers × 3
// repeats, 3,000 duplicates) is the largest that stays within a minute.
const Case kCases[] = {
    {"random", Action::apply, kRecords, {}},
    {"camera", Action::apply, kRecords, {.orient = std::set{Orientation::camera}}},
    {"orient_random", Action::apply, kRecords, {.orient = std::set{Orientation::random}}},
    {"keys", Action::apply, kRecords, {.orient = std::set{Orientation::random}, .keys = kAllKeys}},
    {"repeat_direct", Action::apply, {100, 1000, 4000, 10000, 100000}, kRepeat3},
    {"repeat_command", Action::apply, {100, 1000, 4000}, kRepeat3, true},
    {"random", Action::replay, kReplayed, {}},
    {"camera", Action::replay, kReplayed, {.orient = std::set{Orientation::camera}}},
    {"orient_random", Action::replay, kReplayed, {.orient = std::set{Orientation::random}}},
    {"keys", Action::replay, kReplayed, {.orient = std::set{Orientation::random}, .keys = kAllKeys}},
    {"repeat_direct", Action::replay, {100, 1000, 4000, 10000}, kRepeat3},
    {"repeat_command", Action::replay, {100, 1000}, kRepeat3, true},
    {"idle", Action::refresh, {10, 1000, 10000}, {}},
    {"scale_to_fit", Action::fit, {100, 1000, 10000, 100000}, {}},
    {"scene", Action::load, {1000, 10000, 100000}, {}},
    {"scene", Action::save, {1000, 10000, 100000}, {}},
};

long cameras_for(const Case& c) { return c.action == Action::refresh ? 100 : 1; }
// Selected layers, within the scene files' limit with the cameras and the light.
long layers_for(const Case& c, long size) {
    const long layers = c.dialog.repeat ? std::max(1L, size / 4) : size;
    return std::min(layers, static_cast<long>(host::kMaxSceneLayers) - cameras_for(c) - 1);
}
long records_for(const Case& c, long size) { return layers_for(c, size) * (c.dialog.repeat ? 4 : 1); }

// A host with the scene loaded, as voxtrel-host prepares it: no panels (the
// dialog opens in its own window), and for the older host no layer duplication.
std::unique_ptr<host::Host> new_host(const Case& c, const std::string& scene) {
    auto h = std::make_unique<host::Host>();
    h->remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
    if (c.older_host) h->remove_suite(kAEGPLayerSuite, kAEGPLayerSuiteVersion10);
    h->load_scene_text(scene);
    return h;
}

// The plug-in loaded and its dialog open and operated; empty `error` when it all worked.
struct Session {
    std::unique_ptr<host::Host> h;
    HIViewRef root = nullptr, apply = nullptr;
    std::string error;

    Session(const Case& c, const std::string& scene) : h(new_host(c, scene)) {
        if (!h->load_module(VOXTREL_MODULE_PATH).ok()) {
            error = "the plug-in module did not load";
            return;
        }
        const app::OpenResult opened = app::open_voxtrel(*h);
        if (!opened.place) {
            error = opened.message;
            return;
        }
        root = opened.place.root;
        std::ostringstream complaints;
        app::DialogDriver(root, [this] { h->idle(); }, complaints).operate(c.dialog);
        apply = auto_::findView(root, "push button", "Apply");
        if (!complaints.str().empty()) error = complaints.str();
        if (!apply) error = "no \"Apply\" button";
    }
    // Sets a check box the dialog keeps hidden, as the item suite's
    // SetBooleanValue does: the check box's control value is the item's value.
    bool set_hidden_check_box(const char* title, bool on) {
        HIViewRef box = auto_::findView(root, "check box", title);
        if (box) SetControl32BitValue(box, on ? 1 : 0);
        return box != nullptr;
    }
};

// Every timed action runs inside this function, so that callgrind can count
// the instructions of those alone (scripts/callgrind.sh collects only in it).
[[gnu::noinline]] void timed_action(const std::function<void()>& action) { action(); }

// Run each case once (for callgrind) instead of the iterations the table gives.
bool _once = false;

// Times `action` once per iteration and puts the state back untimed with `reset`;
// reports the host calls it made per `per` unit under `counter`.
void measure(benchmark::State& state, host::Host& h, long per, const char* counter, const std::function<void()>& action,
             const std::function<void()>& reset) {
    long calls = 0;
    for (auto _ : state) {
        const long before = h.calls().total_calls();
        timed_action(action);
        calls += h.calls().total_calls() - before;
        state.PauseTiming();
        reset();
        state.ResumeTiming();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["calls"] = static_cast<double>(calls) / runs;
    state.counters[counter] = static_cast<double>(calls) / runs / static_cast<double>(per);
}

// A plug-in that does nothing: the replay's host needs a loaded plug-in's id.
A_Err idle_entry(SPBasicSuite*, A_long, A_long, const A_char*, const A_char*, AEGP_PluginID, AEGP_GlobalRefcon*) {
    return A_Err_NONE;
}

void run_case(benchmark::State& state, const Case& c, long size) {
    const long records = records_for(c, size);
    const long layers = layers_for(c, size);
    const std::string scene = bench::generated_scene_text(layers, cameras_for(c));
    const auto no_reset = [] {};
    if (c.action == Action::load || c.action == Action::save) {
        host::Host h;
        h.load_scene_text(scene);
        long bytes = 0;
        for (auto _ : state) {
            timed_action([&] {
                if (c.action == Action::load) h.load_scene_text(scene);
                else bytes = static_cast<long>(h.save_scene_text().size());
            });
        }
        state.counters["layers"] = static_cast<double>(layers);
        if (c.action == Action::save) state.counters["bytes"] = static_cast<double>(bytes);
        return;
    }
    if (c.action == Action::replay) {
        std::deque<host::CallRecord> log;
        bench::RecordedStart start;
        {
            Session s(c, scene);
            if (!s.error.empty()) return state.SkipWithError(s.error.c_str());
            start.next_layer = 1;
            for (const auto& [id, layer] : s.h->project().layers) start.next_layer = std::max(start.next_layer, id + 1);
            start.next_stream = static_cast<host::ObjectId>(s.h->streams_made() + 1);
            start.next_collection = static_cast<host::ObjectId>(s.h->collections_made() + 1);
            s.h->calls().log_calls(SIZE_MAX);
            auto_::click(s.apply);
            log = s.h->calls().calls();
        }
        bench::Replay replay(log, start);
        log.clear();
        auto h = new_host(c, scene);
        const AEGP_PluginID plugin = h->load_entry(idle_entry).plugin;
        replay.prepare(*h, plugin);
        long refused = 0;
        measure(
            state, *h, records, "calls/record", [&] { refused += replay.run(); },
            [&] {
                h->undo();
                replay.prepare(*h, plugin);
            });
        if (refused) {
            const host::CallRecord& last = h->calls().refusals().back();
            const std::string why = "the replay was refused other calls than the recording, the last " +
                                    last.function + "(" + last.arguments + "): " + last.reason;
            state.SkipWithError(why.c_str());
        }
        return;
    }
    Session s(c, scene);
    if (!s.error.empty()) return state.SkipWithError(s.error.c_str());
    host::Host& h = *s.h;
    if (c.action == Action::refresh) {
        measure(state, h, layers, "calls/layer", [&] { h.idle(); }, no_reset);
        return;
    }
    if (c.action == Action::fit) {
        if (!s.set_hidden_check_box("Scale Layers To Fit", true)) return state.SkipWithError("no fitting check box");
        auto_::click(s.apply);  // the first fit takes the snapshot the later ones restore
        h.undo();
    }
    measure(
        state, h, records, "calls/record", [&] { auto_::click(s.apply); }, [&] { h.undo(); });
}

int register_cases() {
    for (const Case& c : kCases) {
        static const char* const kActions[] = {"apply", "replay", "refresh", "fit", "load", "save"};
        for (long size : c.sizes) {
            const std::string name = std::string(kActions[static_cast<int>(c.action)]) + "/" + c.name + "/" +
                                     std::to_string(size);
            const auto run = [&c, size](benchmark::State& s) {
                try {
                    run_case(s, c, size);
                } catch (const std::exception& e) {
                    s.SkipWithError(e.what());
                }
            };
            benchmark::RegisterBenchmark(name.c_str(), run)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(_once ? 1 : std::clamp(20000L / size, 1L, 100L));
        }
    }
    return 0;
}

// --scene=LAYERS[:CAMERAS] FILE
bool write_scene(int argc, char** argv, int& status) {
    if (argc != 3 || std::string(argv[1]).rfind("--scene=", 0) != 0) return false;
    long layers = 0, cameras = 1;
    if (std::sscanf(argv[1], "--scene=%ld:%ld", &layers, &cameras) < 1 || layers < 0 || cameras < 0) {
        std::fprintf(stderr, "voxtrel-bench: --scene=LAYERS[:CAMERAS] takes whole numbers\n");
        status = 2;
        return true;
    }
    std::ofstream out(argv[2]);
    out << bench::generated_scene_text(layers, cameras);
    status = out.good() ? 0 : 1;
    if (status) std::fprintf(stderr, "voxtrel-bench: cannot write %s\n", argv[2]);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (int status = 0; write_scene(argc, argv, status)) return status;
    if (argc > 1 && std::string(argv[1]) == "--once") {
        _once = true;
        std::rotate(argv + 1, argv + 2, argv + argc--);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    register_cases();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

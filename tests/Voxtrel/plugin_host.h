// A simulated host (offering every suite unless a test takes one away) that
// loads the plug-in module the way the host application does, the host calls
// it logged, for call-order contracts, and the dialog found as a person finds it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "host/Host.h"
#include "toolkit/automation.h"

namespace ta = tk::automation;

// One host call as a contract lists it: the function, its key arguments as the
// host's log writes them, and the status it returned.
struct Call {
    std::string function, arguments;
    A_Err status = A_Err_NONE;
    bool operator==(Call const&) const = default;
};

inline void PrintTo(Call const& c, std::ostream* out) { *out << c.function << "(" << c.arguments << ") -> " << c.status; }

class PluginHostTest : public ::testing::Test {
protected:
    static constexpr char kMatchName[] = "QX_Voxtrel v1.3";

    PluginHostTest() { host.calls().log_calls(); }

    host::LoadResult load() { return host.load_module(VOXTREL_MODULE_PATH); }
    // Loads the scene and the module; `panels` chooses whether the host offers workspace panels.
    void start(bool panels, std::string const& scene_text) {
        if (!panels) host.remove_suite(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1);
        host.load_scene_text(scene_text);
        host::LoadResult const loaded = load();
        ASSERT_TRUE(loaded.ok()) << loaded.message;
    }
    AEGP_Command command() const {
        auto const& items = host.menus().items(AEGP_Menu_FLOATERS);
        return items.empty() ? 0 : items.front().command;
    }
    // Fails the next call of `function`, once (or, persistent, every call from then on).
    void fail_next(std::string const& function, A_Err status, bool persistent = false) {
        host.calls().fail_function(function, host.calls().calls_of(function) + 1, status, persistent);
    }

    // Marks the log: calls() then lists only what came after.
    void mark() { mark_ = host.calls().total_calls(); }
    // The calls since the mark, suite acquisitions and releases left out; only
    // those of `functions` when given.
    std::vector<Call> calls(std::vector<std::string> const& functions = {}) const {
        std::vector<Call> made;
        for (host::CallRecord const& r : host.calls().calls()) {
            bool const wanted = functions.empty() ? r.function != "AcquireSuite" && r.function != "ReleaseSuite"
                                                  : std::count(functions.begin(), functions.end(), r.function) > 0;
            if (r.number > mark_ && wanted) made.push_back({r.function, r.arguments, r.status});
        }
        return made;
    }

    WindowRef dialog_window() const {
        for (WindowRef window : ta::windows())
            if (ta::windowTitle(window) == "Voxtrel") return window;
        return nullptr;
    }
    // A control by its kind and text, in the dialog's window.
    HIViewRef control(std::string const& kind, std::string const& text) const {
        WindowRef window = dialog_window();
        return window ? ta::findLabelledControl(ta::rootView(window), kind, text) : nullptr;
    }

    // Quits the host, which runs the death hooks, and checks that every suite
    // the plug-in acquired was released.
    void expect_balanced_after_quit() {
        host.quit();
        EXPECT_TRUE(host.balanced()) << host.balance_report();
    }

    host::Host host;
    long mark_ = 0;
};

// A simulated host (offering every suite unless a test takes one away) that
// loads the plug-in module the way the host application does, and what the
// spine tests read back from it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/Host.h"

class PluginHostTest : public ::testing::Test {
protected:
    PluginHostTest() { host.calls().log_calls(); }

    host::LoadResult load() { return host.load_module(VOXTREL_MODULE_PATH); }

    // The calls the plug-in made, suite acquisitions and releases left out.
    std::vector<std::string> calls_without_suites() const {
        std::vector<std::string> names;
        for (host::CallRecord const& call : host.calls().calls()) {
            if (call.function != "AcquireSuite" && call.function != "ReleaseSuite") names.push_back(call.function);
        }
        return names;
    }

    // Position in the call log of the first call of `function` whose arguments
    // start with `arguments`; the log's size when there is none.
    std::size_t position_of(std::string const& function, std::string const& arguments = "") const {
        auto const& calls = host.calls().calls();
        auto it = std::find_if(calls.begin(), calls.end(), [&](host::CallRecord const& call) {
            return call.function == function && call.arguments.starts_with(arguments);
        });
        return static_cast<std::size_t>(it - calls.begin());
    }

    std::vector<std::string> alert_texts() const {
        std::vector<std::string> texts;
        for (host::Alert const& alert : host.alerts()) texts.push_back(alert.text);
        return texts;
    }

    // Quits the host, which runs the death hooks, and checks that every suite
    // the plug-in acquired was released.
    void expect_balanced_after_quit() {
        host.quit();
        EXPECT_TRUE(host.balanced()) << host.balance_report();
    }

    host::Host host;
};

// A simulated host (offering every suite unless a test takes one away) that
// loads the plug-in module the way the host application does, and the host
// calls it logged, for call-order contracts.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "host/Host.h"

// One host call as a contract lists it: the function, its key arguments as the
// host's log writes them, and the status it returned.
struct Call {
    std::string function;
    std::string arguments;
    A_Err status = A_Err_NONE;
    bool operator==(Call const&) const = default;
};

inline void PrintTo(Call const& c, std::ostream* out) {
    *out << c.function << "(" << c.arguments << ") -> " << c.status;
}

class PluginHostTest : public ::testing::Test {
protected:
    PluginHostTest() { host.calls().log_calls(); }

    host::LoadResult load() { return host.load_module(VOXTREL_MODULE_PATH); }

    // Marks the log: calls() then lists only what came after.
    void mark() { mark_ = host.calls().total_calls(); }
    // The calls since the mark, suite acquisitions and releases left out.
    std::vector<Call> calls() const {
        std::vector<Call> made;
        for (host::CallRecord const& r : host.calls().calls()) {
            if (r.number > mark_ && r.function != "AcquireSuite" && r.function != "ReleaseSuite")
                made.push_back({r.function, r.arguments, r.status});
        }
        return made;
    }

    // Only the calls of these functions.
    std::vector<Call> calls_of(std::vector<std::string> const& functions) const {
        std::vector<Call> kept;
        for (Call const& c : calls())
            if (std::find(functions.begin(), functions.end(), c.function) != functions.end()) kept.push_back(c);
        return kept;
    }
    // The functions called since the mark, a run of one function as "name xN".
    std::vector<std::string> function_runs() const {
        std::vector<std::string> runs;
        std::string last;
        int n = 0;
        auto flush = [&] {
            if (n) runs.push_back(n == 1 ? last : last + " x" + std::to_string(n));
        };
        for (Call const& c : calls()) {
            if (c.function != last) {
                flush();
                last = c.function;
                n = 0;
            }
            ++n;
        }
        flush();
        return runs;
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
    long mark_ = 0;
};

// The host's call log read by call number (the first call the host saw is 1),
// forgotten in pieces so that a long run does not keep every call.
#pragma once

#include <algorithm>

#include "host/Host.h"

namespace app::validate {

class CallLog {
public:
    explicit CallLog(const host::Host& h) : host_(h) {}

    // The record of call `number`; null when it was forgotten or not made yet.
    const host::CallRecord* at(long number) const {
        // Kept in order of their numbers, though not every number is kept (a
        // call that leaves the gate with no record).
        const auto& calls = host_.calls().calls();
        const auto found = std::lower_bound(calls.begin(), calls.end(), number,
                                            [](const host::CallRecord& c, long n) { return c.number < n; });
        return found != calls.end() && found->number == number ? &*found : nullptr;
    }
    // The number of the last call made.
    long last() const { return host_.calls().total_calls(); }

    // Forgets every call made so far; only between calls.
    void forget(host::Host& h) { h.calls().clear_log(); }

private:
    const host::Host& host_;
};

}  // namespace app::validate

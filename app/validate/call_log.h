// The host's call log read by call number (the first call the host saw is 1),
// forgotten in pieces so that a long run does not keep every call.
#pragma once

#include "host/Host.h"

namespace app::validate {

class CallLog {
public:
    explicit CallLog(const host::Host& h) : host_(h) {}

    // The record of call `number`; null when it was forgotten or not made yet.
    const host::CallRecord* at(long number) const {
        const auto& calls = host_.calls().calls();
        if (calls.empty()) return nullptr;
        const long index = number - calls.front().number;
        if (index < 0 || index >= static_cast<long>(calls.size())) return nullptr;
        return &calls[static_cast<std::size_t>(index)];
    }
    // The number of the last call made.
    long last() const { return host_.calls().total_calls(); }

    // Forgets every call made so far; only between calls.
    void forget(host::Host& h) { h.calls().clear_log(); }

private:
    const host::Host& host_;
};

}  // namespace app::validate

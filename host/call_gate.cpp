#include "host/call_gate.h"

#include <stdexcept>

namespace host {

namespace {

bool hits(long count, long at, bool persistent) { return persistent ? count >= at : count == at; }

}  // namespace

void CallGate::fail_call(long k, A_Err status, bool persistent) {
    if (k < 1 || status == A_Err_NONE) throw std::invalid_argument("a fault needs a call number from 1 and a non-zero status");
    faults_.push_back({std::string(), k, persistent, status});
}

void CallGate::fail_function(const std::string& function, long n, A_Err status, bool persistent) {
    if (function.empty() || n < 1 || status == A_Err_NONE)
        throw std::invalid_argument("a fault needs a function name, a call number from 1 and a non-zero status");
    faults_.push_back({function, n, persistent, status});
}

void CallGate::clear_faults() { faults_.clear(); }

CallGate::Entry CallGate::enter(const char* function, std::string arguments) {
    const long overall = ++total_;
    const long own = ++per_function_[function];
    A_Err fault = A_Err_NONE;
    for (const Fault& f : faults_) {
        const bool match = f.function.empty() ? hits(overall, f.at, f.persistent)
                                              : f.function == function && hits(own, f.at, f.persistent);
        if (match) {
            fault = f.status;
            break;
        }
    }
    calls_.push_back({function, std::move(arguments), fault, fault != A_Err_NONE});
    return {calls_.size() - 1, fault};
}

void CallGate::finish(std::size_t record, A_Err status) {
    if (record < calls_.size()) calls_[record].status = status;
}

long CallGate::calls_of(const std::string& function) const {
    const auto it = per_function_.find(function);
    return it == per_function_.end() ? 0 : it->second;
}

std::vector<std::string> CallGate::call_names() const {
    std::vector<std::string> names;
    names.reserve(calls_.size());
    for (const CallRecord& c : calls_) names.push_back(c.function);
    return names;
}

}  // namespace host

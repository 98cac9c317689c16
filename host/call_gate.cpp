#include "host/call_gate.h"

#include <iterator>
#include <stdexcept>

namespace host {

namespace {

bool hits(long count, long at, bool persistent) { return persistent ? count >= at : count == at; }

}  // namespace

void CallGate::fail_call(long k, A_Err status, bool persistent) {
    if (k < 1 || status == A_Err_NONE) throw std::invalid_argument("a fault needs a call number from 1 and a non-zero status");
    faults_.push_back({true, 0, k, persistent, status});
}

void CallGate::fail_function(const std::string& function, long n, A_Err status, bool persistent) {
    const auto id = function_id(function);
    if (!id) throw std::invalid_argument("\"" + function + "\" is not a function the host offers");
    if (n < 1 || status == A_Err_NONE)
        throw std::invalid_argument("a fault needs a call number from 1 and a non-zero status");
    faults_.push_back({false, *id, n, persistent, status});
}

void CallGate::log_calls(std::size_t size) {
    log_size_ = size;
    while (log_.size() > log_size_) log_.pop_front();
}

std::vector<std::string> CallGate::call_names() const {
    std::vector<std::string> names;
    names.reserve(log_.size());
    for (const CallRecord& c : log_) names.push_back(c.function);
    return names;
}

long CallGate::calls_of(std::string_view function) const {
    const auto id = function_id(function);
    return id ? per_function_[*id] : 0;
}

CallGate::Entry CallGate::enter(FunctionId function) {
    const long overall = ++total_;
    const long own = ++per_function_[function];
    for (const Fault& f : faults_) {
        const bool match = f.any_function ? hits(overall, f.at, f.persistent)
                                          : f.function == function && hits(own, f.at, f.persistent);
        if (match) return {overall, function, f.status};
    }
    return {overall, function, A_Err_NONE};
}

void CallGate::keep(const Entry& entry, A_Err status, const std::string& reason, std::string arguments) {
    CallRecord record{entry.number,  std::string(kFunctionNames[entry.function]), std::move(arguments), status,
                      entry.fault != A_Err_NONE, reason};
    if (record.injected && !first_injection_) first_injection_ = record;
    if (!reason.empty()) {
        ++refused_;
        if (refusals_.size() == kRefusalsKept) refusals_.pop_front();
        refusals_.push_back(record);
    }
    if (logging()) {
        if (log_.size() == log_size_) log_.pop_front();
        // A call that runs a hook finishes after the calls the hook made: it goes
        // before them, so the log is in the order the calls were made.
        auto at = log_.end();
        while (at != log_.begin() && std::prev(at)->number > record.number) --at;
        log_.insert(at, std::move(record));
    }
}

}  // namespace host

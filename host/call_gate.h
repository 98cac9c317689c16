// Every call a plug-in makes into the host passes this gate. It is numbered
// and counted per function; an armed fault refuses it with the fault's status
// before it has any effect; and when the host refuses it by its own rules, it
// is kept with the rule it broke among the recent refusals, which are always
// kept because refusals are rare. The call log is off until asked for, and then
// keeps the most recent calls; without it, passing the gate costs O(1): no
// text is made and nothing grows.
#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aegp/aegp_types.h"
#include "host/functions.h"

namespace host {

struct CallRecord {
    long number{};          // the call's number among all calls, from 1
    std::string function;   // the suite function's name, or "AcquireSuite" / "ReleaseSuite"
    std::string arguments;  // key arguments as text
    A_Err status = A_Err_NONE;
    bool injected{};     // refused by an armed fault
    std::string reason;  // the rule the call broke when the host refused it; empty otherwise
};

class CallGate {
public:
    static constexpr std::size_t kLogSize = 100000;
    static constexpr std::size_t kRefusalsKept = 100;

    // Fails the k-th host call overall (1-based); persistent: that call and every later one.
    void fail_call(long k, A_Err status, bool persistent = false);
    // Fails the n-th call (1-based) of the named function; persistent: that one
    // and every later one. A name the host does not offer is refused
    // (std::invalid_argument), so a misspelt fault cannot go quietly unfired.
    void fail_function(const std::string& function, long n, A_Err status, bool persistent = false);
    void clear_faults() {
        faults_.clear();
        first_injection_.reset();
    }

    // The call log keeps the most recent `size` calls from now on; 0 turns it
    // off, as it is at the start.
    void log_calls(std::size_t size = kLogSize);
    bool logging() const { return log_size_ > 0; }
    // In the order the calls were made (by number), though a call that runs a
    // hook is kept only when it returns.
    const std::deque<CallRecord>& calls() const { return log_; }
    std::vector<std::string> call_names() const;
    void clear_log() { log_.clear(); }

    // Counts of every call, log or not.
    long total_calls() const { return total_; }
    long calls_of(std::string_view function) const;

    // The most recent calls the host refused by its own rules, oldest first,
    // and how many there were in all.
    const std::deque<CallRecord>& refusals() const { return refusals_; }
    long refusals_total() const { return refused_; }
    // The first call refused by the faults armed since the last clear_faults,
    // kept with the log off, so that a run can name the call it failed.
    const std::optional<CallRecord>& first_injection() const { return first_injection_; }

    // ---- For the suite functions' frame (host/host_call.h) ----------------------
    struct Entry {
        long number;
        FunctionId function;
        A_Err fault;  // the armed fault's status, 0 when the call may go ahead
    };
    Entry enter(FunctionId function);
    // Keeps the finished call in the log when it is on, and among the refusals
    // when the host refused it (a reason is given). `arguments` makes the text
    // of the key arguments; it is only called when the text is kept.
    template <class ArgumentText>
    void finish(const Entry& entry, A_Err status, const std::string& reason, ArgumentText&& arguments) {
        const bool first_injected = entry.fault != A_Err_NONE && !first_injection_;
        if (logging() || !reason.empty() || first_injected) keep(entry, status, reason, arguments());
    }

private:
    struct Fault {
        bool any_function;
        FunctionId function;
        long at;
        bool persistent;
        A_Err status;
    };
    void keep(const Entry& entry, A_Err status, const std::string& reason, std::string arguments);

    std::vector<Fault> faults_;
    std::array<long, kFunctionCount> per_function_{};
    long total_{};
    std::size_t log_size_{};
    std::deque<CallRecord> log_;
    std::deque<CallRecord> refusals_;
    long refused_{};
    std::optional<CallRecord> first_injection_;
};

}  // namespace host

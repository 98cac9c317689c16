// Every call the plug-in makes into the host passes this gate: it is counted,
// logged with its key arguments and, when a fault is armed for it, refused with
// the fault's status before it has any effect.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "aegp/aegp_types.h"

namespace host {

struct CallRecord {
    std::string function;   // the suite function's name, or "AcquireSuite" / "ReleaseSuite"
    std::string arguments;  // key arguments as text
    A_Err status = A_Err_NONE;
    bool injected = false;  // refused by an armed fault
};

class CallGate {
public:
    // Fails the k-th host call overall (1-based); persistent: that call and every later one.
    void fail_call(long k, A_Err status, bool persistent = false);
    // Fails the n-th call (1-based) of the named function; persistent: that one and every later one.
    void fail_function(const std::string& function, long n, A_Err status, bool persistent = false);
    void clear_faults();

    // Counts and logs a call; returns the record's position and the injected
    // status (0 when the call may go ahead).
    struct Entry {
        std::size_t record;
        A_Err fault;
    };
    Entry enter(const char* function, std::string arguments);
    void finish(std::size_t record, A_Err status);

    const std::vector<CallRecord>& calls() const { return calls_; }
    long total_calls() const { return total_; }
    long calls_of(const std::string& function) const;
    // Names only, in order; handy for comparing call sequences.
    std::vector<std::string> call_names() const;
    // Forgets the log but keeps the counters that faults refer to.
    void clear_log() { calls_.clear(); }

private:
    struct Fault {
        std::string function;  // empty: counts every call
        long at;
        bool persistent;
        A_Err status;
    };
    std::vector<Fault> faults_;
    std::vector<CallRecord> calls_;
    std::map<std::string, long> per_function_;
    long total_ = 0;
};

}  // namespace host

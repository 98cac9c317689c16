// The promises a run is held to, checked after every step from the host's
// call log and the recorded hook calls, and at the end of the run:
// - every hook and the entry point return what they promise: the status of a
//   refused call they pass on, 516 for a suite they cannot do without, and
//   otherwise 0, 1 or a status the host returned, never a failure out of nothing;
// - undo groups are balanced within a step and named "Voxtrel";
// - the project changes only inside an application's undo group, and an
//   application whose reading saw a refused call writes nothing;
// - undo after "Apply" gives back the project as it was, redo the applied one;
// - after quit every suite is released, every stream and collection disposed
//   (excused where the host refused to take one back, or the suite to give it
//   back with) and the toolkit holds no object.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "call_log.h"
#include "hook_watch.h"
#include "host/Host.h"

namespace app::validate {

class Checks {
public:
    // `faults_persist`: every call from some point on is refused, so whatever
    // was held then can never be given back.
    Checks(host::Host& h, const CallLog& log, bool faults_persist);
    // The run has checked "Scale Layers To Fit" (or unchecked it): an Apply
    // fits layers, whose snapshot may skip layers it cannot read.
    void fitting(bool on) { scale_to_fit_ = on; }

    // The calls made and hooks run since the last look; `step` says what was being done.
    void look(const std::vector<HookCall>& hooks, const std::string& step);
    // After a press of "Apply", given the project and the number of undo steps
    // before it: undo and redo must give back both projects.
    void application(const host::Project& before, std::size_t steps_before, const std::string& step);
    // After quit.
    void at_quit();

    // A broken promise, said in full.
    void add(const std::string& finding);
    const std::vector<std::string>& findings() const { return findings_; }

private:
    struct Group {
        std::vector<long> starts;  // the calls that opened it and the groups inside it
        long failed_read{};        // the first refused read before any write
        bool writing{};
        bool snapshot{};  // reading the fitting snapshot, which may skip layers
        int counts{};     // selection counts read in the group
    };

    void scan(long number, const host::CallRecord& call, const std::string& step);
    void judge(const std::vector<HookCall>& hooks, std::size_t index, const std::string& step);
    std::vector<long> own_calls(const std::vector<HookCall>& hooks, std::size_t index) const;
    // What the hook must return given its own calls, and why; none when any of 0, 1 or a host status will do.
    struct Promise {
        A_Err status;
        std::string why;
    };
    std::optional<Promise> promise(const std::string& hook, const std::vector<long>& own) const;
    bool refused_required_suite(long number) const;
    Promise missing_suite(long number) const;
    bool refused_between(long first, long last, bool acquisitions_only) const;
    std::string call_text(long number) const;
    // The last call of the step that the host refused on its own, with its reason.
    std::string refusal_note() const;

    host::Host& host_;
    const CallLog& log_;
    bool scale_to_fit_{};
    bool faults_persist_;
    std::vector<std::string> findings_;
    std::set<A_Err> statuses_;  // returned by the host in this run
    int depth_{};               // undo groups the plug-in has open
    Group group_;
    long step_first_ = 1;                               // the first call of the step being looked at
    long last_refusal_{};                               // the last call the host refused on its own
    long looked_{};                                     // calls looked at so far
    std::size_t failures_looked_{};                     // hook failures the host noted, looked at so far
    std::map<host::SuiteKey, long> refused_releases_;   // by an injected fault
    std::set<std::string> refused_disposals_;           // handles whose disposal a fault refused
    std::map<std::string, long> refused_acquisitions_;  // by suite name: refused by a fault or as missing
};

}  // namespace app::validate

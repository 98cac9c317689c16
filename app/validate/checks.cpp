#include "checks.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "project_difference.h"
#include "toolkit/automation.h"

namespace app::validate {

namespace {

constexpr char kGroupName[] = "Voxtrel";
// The group's name as the call log quotes it.
constexpr char kGroupArgument[] = "\"Voxtrel\"";
constexpr A_Err kMissingSuite = 516;
constexpr A_Err kOtherFailure = 1;

// Calls that change the project.
bool is_write(std::string_view f) {
    static constexpr std::string_view writes[] = {"AEGP_SetStreamValue", "AEGP_InsertKeyframe", "AEGP_DuplicateLayer",
                                                  "AEGP_ReorderLayer",   "AEGP_SetSelection",   "AEGP_DoCommand"};
    return std::find(std::begin(writes), std::end(writes), f) != std::end(writes);
}

// Calls that fetch what an application reads. Opening a stream is left out:
// the writing phase opens streams too, and a stream it cannot open is skipped.
bool is_read(std::string_view f) {
    if (f == "AcquireSuite") return true;
    if (f == "AEGP_GetNewLayerStream") return false;
    return f.starts_with("AEGP_Get") || f.starts_with("AEGP_Is");
}

bool is_disposal(std::string_view f) { return f == "AEGP_DisposeStream" || f == "AEGP_DisposeCollection"; }

// "AEGP Layer Suite", 8 (the arguments of AcquireSuite and ReleaseSuite).
host::SuiteKey suite_of(const std::string& arguments) {
    const auto open = arguments.find('"');
    const auto close = arguments.find('"', open + 1);
    if (open == std::string::npos || close == std::string::npos) return {arguments, 0};
    const auto comma = arguments.find(',', close);
    const long version = comma == std::string::npos ? 0 : std::atol(arguments.c_str() + comma + 1);
    return {arguments.substr(open + 1, close - open - 1), static_cast<A_long>(version)};
}

std::string suite_text(const host::SuiteKey& key) { return "\"" + key.first + "\" " + std::to_string(key.second); }

// Suites the plug-in does without: it probes for them or falls back.
bool is_optional(const host::SuiteKey& key) {
    static const std::set<host::SuiteKey> optional = {{kAEGPLayerSuite, kAEGPLayerSuiteVersion8},
                                                      {kAEGPLayerSuite, kAEGPLayerSuiteVersion10},
                                                      {kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1},
                                                      {kPFAppSuite, kPFAppSuiteVersion2}};
    return optional.count(key) != 0;
}

// Calls whose refusal a hook passes on as its own status.
const std::set<std::string_view>& passed_on(const std::string& hook) {
    static const std::set<std::string_view> entry = {"AEGP_InsertMenuCommand", "AEGP_RegisterCommandHook",
                                                     "AEGP_RegisterUpdateMenuHook", "AEGP_RegisterIdleHook",
                                                     "AEGP_RegisterCreatePanelHook"};
    static const std::set<std::string_view> menu = {"AEGP_CheckMarkMenuCommand", "AEGP_EnableCommand",
                                                    "AEGP_DisableCommand"};
    static const std::set<std::string_view> none;
    if (hook == "entry point") return entry;
    if (hook == "update menu") return menu;
    return none;
}

std::string hook_text(const std::string& hook) {
    return hook == "entry point" ? "the entry point" : "the " + hook + " hook";
}

std::string counts_text(const tk::automation::LiveCounts& c) {
    std::string text;
    const auto add = [&](std::size_t n, const char* what) {
        if (n) text += (text.empty() ? "" : ", ") + std::to_string(n) + " " + what;
    };
    add(c.windows, "window(s)");
    add(c.views, "view(s)");
    add(c.menus, "menu(s)");
    add(c.strings, "string(s)");
    add(c.contexts, "drawing context(s)");
    add(c.images, "image(s)");
    add(c.colorSpaces, "colour space(s)");
    add(c.eventHandlers, "event handler(s)");
    return text;
}

}  // namespace

Checks::Checks(host::Host& h, const CallLog& log, bool faults_persist)
    : host_(h), log_(log), faults_persist_(faults_persist) {}

void Checks::add(const std::string& finding) { findings_.push_back(finding); }

std::string Checks::call_text(long number) const {
    const host::CallRecord* call = log_.at(number);
    if (!call) return "call " + std::to_string(number);
    return call->function + "(" + call->arguments + ") (call " + std::to_string(number) + ")";
}

std::string Checks::refusal_note() const {
    if (last_refusal_ < step_first_) return "";
    const host::CallRecord* call = log_.at(last_refusal_);
    if (!call) return "";
    std::string note = "; the host refused " + call_text(last_refusal_) + " with " + std::to_string(call->status);
    if (!call->reason.empty()) note += ": " + call->reason;
    return note;
}

void Checks::look(const std::vector<HookCall>& hooks, const std::string& step) {
    step_first_ = looked_ + 1;
    const long last = log_.last();
    for (long n = looked_ + 1; n <= last; ++n)
        if (const host::CallRecord* call = log_.at(n)) scan(n, *call, step);
    looked_ = last;
    if (depth_ != 0) {
        std::string calls;
        for (long n : group_.starts) calls += (calls.empty() ? "" : ", ") + std::to_string(n);
        add("the plug-in opened " + std::to_string(group_.starts.size()) + " undo group(s) (call " + calls +
            ") and closed " + std::to_string(group_.starts.size() - static_cast<std::size_t>(depth_)) + " by the end of " +
            step + refusal_note());
        depth_ = 0;  // told once
    }
    for (std::size_t i = 0; i < hooks.size(); ++i) judge(hooks, i, step);
    // The panel's snap sizes are no hook, but the host notes what they return.
    const auto& failures = host_.hooks().failures;
    for (; failures_looked_ < failures.size(); ++failures_looked_) {
        const host::HookFailure& f = failures[failures_looked_];
        if (f.hook == "snap sizes" && f.status != kMissingSuite && f.status != kOtherFailure &&
            !statuses_.count(f.status))
            add("the panel's snap sizes returned " + std::to_string(f.status) +
                ", which is none of 0, 516, 1 nor a status the host returned, while " + step);
    }
}

void Checks::scan(long number, const host::CallRecord& call, const std::string& step) {
    const std::string& f = call.function;
    if (call.status != A_Err_NONE) {
        statuses_.insert(call.status);
        if (!call.injected) last_refusal_ = number;
    }
    if (call.injected && f == "ReleaseSuite") ++refused_releases_[suite_of(call.arguments)];
    if (f == "AcquireSuite" && call.status != A_Err_NONE) ++refused_acquisitions_[suite_of(call.arguments).first];
    if (is_disposal(f)) {
        if (call.injected) refused_disposals_.insert(call.arguments);
        else if (call.status == A_Err_NONE) refused_disposals_.erase(call.arguments);
    }

    if (f == "AEGP_StartUndoGroup") {
        if (call.status != A_Err_NONE) return;
        if (call.arguments != kGroupArgument)
            add("the plug-in opened an undo group named " + call.arguments + ", not \"" + kGroupName +
                "\" (call " + std::to_string(number) + "), while " + step);
        if (depth_++ == 0) group_ = Group{};
        group_.starts.push_back(number);
        return;
    }
    if (f == "AEGP_EndUndoGroup") {
        if (depth_ == 0)
            add("the plug-in closed an undo group it had not opened (call " + std::to_string(number) + "), while " +
                step);
        else
            --depth_;
        return;
    }
    if (is_write(f)) {
        if (depth_ == 0) {
            add("the plug-in changed the project outside an undo group: " + call_text(number) + ", while " + step);
        } else if (!group_.writing && group_.failed_read) {
            add("the application wrote " + call_text(number) + " after " + call_text(group_.failed_read) +
                " was refused while reading, while " + step);
        }
        group_.writing = true;  // outside a group, the next group's start resets it
        return;
    }
    if (depth_ == 0 || group_.writing) return;
    // The fitting snapshot starts with the second count of the selection.
    if (scale_to_fit_ && f == "AEGP_GetCollectionNumItems" && ++group_.counts == 2) group_.snapshot = true;
    if (is_read(f) && call.status != A_Err_NONE && !group_.snapshot && !group_.failed_read)
        group_.failed_read = number;
}

std::vector<long> Checks::own_calls(const std::vector<HookCall>& hooks, std::size_t index) const {
    const HookCall& call = hooks[index];
    std::vector<long> own;
    for (long n = call.first; n <= call.last; ++n) {
        bool inner = false;
        for (std::size_t j = index + 1; j < hooks.size() && !inner; ++j)
            inner = hooks[j].parent == static_cast<int>(index) && n >= hooks[j].first && n <= hooks[j].last;
        if (!inner) own.push_back(n);
    }
    return own;
}

bool Checks::refused_between(long first, long last, bool acquisitions_only) const {
    for (long n = first; n <= last; ++n) {
        const host::CallRecord* call = log_.at(n);
        if (!call || call->status == A_Err_NONE) continue;
        if (!acquisitions_only || call->function == "AcquireSuite" || call->status == kMissingSuite) return true;
    }
    return false;
}

bool Checks::refused_required_suite(long number) const {
    const host::CallRecord* call = log_.at(number);
    return call && call->function == "AcquireSuite" && call->status != A_Err_NONE &&
           !is_optional(suite_of(call->arguments));
}

Checks::Promise Checks::missing_suite(long number) const {
    const host::CallRecord* call = log_.at(number);
    return {kMissingSuite, "it could not acquire " + suite_text(suite_of(call ? call->arguments : "")) + " (call " +
                               std::to_string(number) + ")"};
}

// A refusal the hook passes on is its result, unless a suite it then needs (to
// report the refusal) is missing: that raises 516 on the way out. The entry
// point reports a refused death hook and returns the report's status; it
// reports a refused command number too and, when that report goes through,
// goes on with the registrations.
std::optional<Checks::Promise> Checks::promise(const std::string& hook, const std::vector<long>& own) const {
    // The death hook and the command hook run the dialog's teardown (the
    // command inside the host's panel toggle), which drops what it cannot give
    // back: a suite missing there is no failure of the hook.
    if (hook == "death" || hook == "command") return std::nullopt;
    const auto& pass = passed_on(hook);
    const auto missing_after = [&](std::size_t i) -> std::optional<Promise> {
        for (std::size_t j = i + 1; j < own.size(); ++j)
            if (refused_required_suite(own[j])) return missing_suite(own[j]);
        return std::nullopt;
    };
    for (std::size_t i = 0; i < own.size(); ++i) {
        const host::CallRecord* call = log_.at(own[i]);
        if (!call || call->status == A_Err_NONE) continue;
        if (refused_required_suite(own[i])) return missing_suite(own[i]);
        const std::string& f = call->function;
        const bool reported = hook == "entry point" && (f == "AEGP_RegisterDeathHook" || f == "AEGP_GetUniqueCommand");
        if (reported) {
            if (const auto missing = missing_after(i)) return missing;
            const auto report = std::find_if(own.begin() + static_cast<long>(i) + 1, own.end(), [&](long n) {
                const host::CallRecord* r = log_.at(n);
                return r && r->function == "AEGP_ReportInfo";
            });
            if (report == own.end()) continue;
            const host::CallRecord* r = log_.at(*report);
            if (f == "AEGP_RegisterDeathHook" || r->status != A_Err_NONE)
                return Promise{r->status, call_text(own[i]) + " was refused and its report, " + call_text(*report) +
                                              ", returned " + std::to_string(r->status)};
            i = static_cast<std::size_t>(report - own.begin());  // reported: the registrations go ahead
            continue;
        }
        if (pass.count(f)) {
            if (const auto missing = missing_after(i)) return missing;
            return Promise{call->status, call_text(own[i]) + " was refused with " + std::to_string(call->status)};
        }
    }
    return std::nullopt;
}

void Checks::judge(const std::vector<HookCall>& hooks, std::size_t index, const std::string& step) {
    const HookCall& call = hooks[index];
    const std::string who = hook_text(call.hook);
    const std::string status = std::to_string(call.status);
    const std::string when = ", while " + step;
    if (const auto expected = promise(call.hook, own_calls(hooks, index))) {
        if (call.status != expected->status)
            add(who + " returned " + status + " where it promises " + std::to_string(expected->status) + ": " +
                expected->why + when);
        return;
    }
    if (call.status == A_Err_NONE) return;
    if (call.status != kMissingSuite && call.status != kOtherFailure && !statuses_.count(call.status))
        add(who + " returned " + status + ", which is none of 0, 516, 1 nor a status the host returned" + when);
    else if (!refused_between(call.first, call.last, false))
        add(who + " returned " + status + " though the host refused nothing it was asked" + when);
    else if (call.status == kMissingSuite && !refused_between(call.first, call.last, true))
        add(who + " returned 516 (a suite is missing) though it was given every suite it asked for" + when +
            refusal_note());
}

void Checks::application(const host::Project& before, std::size_t steps_before, const std::string& step) {
    const host::UndoHistory& history = host_.undo_history();
    if (history.depth() != 0) return;  // the host's group is still open: its closing was refused
    const std::size_t made = history.undo_steps().size() - std::min(steps_before, history.undo_steps().size());
    const host::Project after = host_.project();
    if (made == 0) {
        if (const std::string d = difference(before, after); !d.empty())
            add("the project changed without an undo step (" + d + "), while " + step);
        return;
    }
    for (std::size_t i = 0; i < made; ++i) host_.undo();
    if (const std::string d = difference(before, host_.project()); !d.empty())
        add("undo after \"Apply\" did not give back the project as it was (" + d + "), while " + step);
    for (std::size_t i = 0; i < made; ++i) host_.redo();
    if (const std::string d = difference(after, host_.project()); !d.empty())
        add("redo after undoing \"Apply\" did not give back the applied project (" + d + "), while " + step);
}

void Checks::at_quit() {
    const tk::automation::LiveCounts left = tk::automation::liveCounts();
    if (left != tk::automation::LiveCounts{}) add("after quit the toolkit still holds " + counts_text(left));
    const host::SuiteRegistry& suites = host_.suites();
    if (suites.refused_releases() > 0)
        add("the plug-in released a suite it did not hold (" + std::to_string(suites.refused_releases()) + " times)");
    if (faults_persist_) return;
    for (const auto& [key, held] : suites.outstanding()) {
        const auto excused = refused_releases_.find(key);
        if (held > (excused == refused_releases_.end() ? 0 : excused->second))
            add(suite_text(key) + " was acquired " + std::to_string(suites.acquisitions(key.first, key.second)) +
                " times but released " + std::to_string(suites.releases(key.first, key.second)) + " times by quit");
    }
    // Handles the plug-in could not dispose of: it was refused their suite or their disposal.
    const auto excused = [&](std::string_view kind, const char* suite) {
        return refused_acquisitions_[suite] +
               std::count_if(refused_disposals_.begin(), refused_disposals_.end(),
                             [&](const std::string& handle) { return handle.starts_with(kind); });
    };
    if (host_.open_streams() > excused("stream#", kAEGPStreamSuite))
        add(std::to_string(host_.open_streams()) + " stream(s) still open at quit");
    if (host_.open_collections() > excused("collection#", kAEGPCollectionSuite))
        add(std::to_string(host_.open_collections()) + " collection(s) still held at quit");
}

}  // namespace app::validate

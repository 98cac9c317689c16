// Every call the host makes into the plug-in, recorded: its entry point and
// each hook it registered, with the host calls made inside (by call number)
// and the status it returned. Hooks run inside one another (a command that
// toggles a panel runs the panel's creation hook; "Apply" on an older host runs
// the Duplicate command and with it every command hook), so each record knows
// the one it ran in.
#pragma once

#include <string>
#include <vector>

#include "host/Host.h"

namespace app::validate {

struct HookCall {
    std::string hook;  // "entry point", "command", "update menu", "idle", "death", "create panel"
    long first{};      // the first host call made inside it; more than `last` when none was made
    long last{};
    A_Err status = A_Err_NONE;
    int parent = -1;  // the record it ran inside, or -1
};

// One per process: the hooks are plain functions, so the watch they report to is global.
class HookWatch {
public:
    explicit HookWatch(host::Host& h);
    ~HookWatch();
    HookWatch(const HookWatch&) = delete;
    HookWatch& operator=(const HookWatch&) = delete;

    // Puts a recording stand-in in front of every hook registered since the last call.
    void wrap();

    // Runs `body`, a call into the plug-in, as a recorded call of `hook`.
    template <class Body>
    A_Err around(const char* hook, Body&& body) {
        const int index = begin(hook);
        const A_Err status = body();
        end(index, status);
        return status;
    }

    const std::vector<HookCall>& calls() const { return calls_; }
    // Forgets the records; only between calls into the plug-in.
    void forget() { calls_.clear(); }

private:
    int begin(const char* hook);
    void end(int index, A_Err status);

    host::Host& host_;
    std::vector<HookCall> calls_;
    int open_ = -1;
};

}  // namespace app::validate

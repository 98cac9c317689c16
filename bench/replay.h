// The floor of an application: the host calls one "Apply" made, taken from the
// host's call log and made again, without the plug-in, against another host
// loaded with the same scene. Handles are deterministic, so a logged handle
// names the same object there; objects the logged calls made (streams,
// collections, duplicated layers) are renumbered by the order they were made.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "host/Host.h"

namespace bench {

// What the recording host had made before the recorded calls began.
struct RecordedStart {
    host::ObjectId next_layer = 0;       // the id the first new layer got
    host::ObjectId next_stream = 0;      // the same for streams
    host::ObjectId next_collection = 0;  // and for collections
};

class Replay {
public:
    // Throws std::runtime_error for a call it cannot make again.
    Replay(const std::deque<host::CallRecord>& calls, RecordedStart start);

    // Makes every call again against the host alive now, whose project was
    // loaded from the same scene; `plugin` is an id that host gave out.
    // Untimed work first: prepare() before each run() (collections the calls
    // use without making them are made there).
    void prepare(host::Host& h, AEGP_PluginID plugin);
    // How many more or fewer calls the host refused than in the recording (0
    // for a faithful replay; an older host refuses a missing suite both times).
    long run();
    // Calls per run, and layers each run makes.
    std::size_t size() const { return ops_.size(); }

    struct Arg {
        enum Kind { number, real, text, time, handle, none } kind = none;
        host::HandleKind handle_kind{};
        long long n = 0;
        double x[3] = {0, 0, 0};
        std::string s;
        A_Time t{};
    };
    struct Op {
        host::FunctionId function{};
        std::vector<Arg> args;
    };

private:
    template <class H>
    H handle(const Arg& a) const;

    std::vector<Op> ops_;
    RecordedStart start_;
    long layers_made_ = 0;
    long refused_ = 0;  // in the recording
    host::Host* host_ = nullptr;
    AEGP_PluginID plugin_ = 0;
    host::ObjectId layer_base_ = 0, stream_base_ = 0, collection_base_ = 0;
    std::vector<AEGP_CollectionH> old_collections_;  // made in prepare(), by recorded id
    const SPBasicSuite* basic_ = nullptr;
    const void* suites_[12] = {};
};

}  // namespace bench

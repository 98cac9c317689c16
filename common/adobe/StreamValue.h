// Writes one transform stream of one layer: opens the stream, optionally keys
// it, sets its value, and releases it when the object goes out of scope.
#pragma once

#include "adobe/AEGP_SuiteHandler.h"
#include "aegp/aegp_suites.h"

class StreamValue {
public:
    // A failed open leaves the stream null; every later call then does nothing.
    StreamValue(int plugin_id, AEGP_LayerH layer, AEGP_LayerStream which);
    virtual ~StreamValue();

    StreamValue(StreamValue const&) = delete;
    StreamValue& operator=(StreamValue const&) = delete;

    // Stores the stream's handle into `value` before handing it to the host,
    // which takes the handle and the value together.
    bool set_value(AEGP_StreamValue& value);
    // Keys the stream at `time`; the key's index goes to `index` when given.
    bool insert_key(A_Time const& time, A_short time_mode, AEGP_KeyframeIndex* index = nullptr);

    AEGP_StreamRefH handle() const { return stream; }

private:
    AEGP_StreamRefH stream = nullptr;
    AEGP_SuiteHandler suites;
    int plugin_id;
};

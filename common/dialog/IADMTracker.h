// A tracker handle as a value. Track procs are never called by the dialog
// services, so the wrapper only carries the handle.
#pragma once

#include "adm/ADMTypes.h"

class IADMTracker {
public:
    IADMTracker(ADMTrackerRef tracker = nullptr) : tracker(tracker) {}

    operator ADMTrackerRef() const { return tracker; }

private:
    ADMTrackerRef tracker;
};

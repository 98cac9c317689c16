// Follows the presses of "Apply" from the host's side. Every application the
// plug-in makes is an undo group named "Voxtrel", even one that changes
// nothing, so a press without one failed before it began. After each
// application the clock moves on (--clock-step) and the progress tells how many
// layers it wrote.
#pragma once

#include <string>

#include "host/Host.h"
#include "progress.h"

namespace app {

class ApplicationWatch {
public:
    // `presses`: how many presses are to come.
    ApplicationWatch(const host::Host& h, Progress& progress, int presses, long long clock_step);

    // Call after every idle of the host while "Apply" is being pressed.
    void after_idle();
    // The presses are over.
    void finish();

    int applications() const { return applications_; }

private:
    // "30 layers written", from the undo step of the last application.
    std::string last_step_detail() const;

    const host::Host& host_;
    Progress& progress_;
    int presses_;
    long long clock_step_;
    std::size_t groups_seen_;
    int applications_{};
};

}  // namespace app

#include "application_watch.h"

#include <set>

#include "clock.h"

namespace app {

namespace {

constexpr char kUndoGroup[] = "Voxtrel";
constexpr char kPressing[] = "pressing \"Apply\"";

}  // namespace

ApplicationWatch::ApplicationWatch(const host::Host& h, Progress& progress, int presses, long long clock_step)
    : host_(h),
      progress_(progress),
      presses_(presses),
      clock_step_(clock_step),
      groups_seen_(h.undo_history().group_names().size()) {
    if (presses_ > 0) progress_.begin(kPressing, 1, presses_);
}

void ApplicationWatch::after_idle() {
    const std::vector<std::string>& names = host_.undo_history().group_names();
    for (; groups_seen_ < names.size(); ++groups_seen_) {
        if (names[groups_seen_] != kUndoGroup) continue;
        ++applications_;
        if (clock_step_) advance_clock(static_cast<std::time_t>(clock_step_));
        progress_.end(last_step_detail());
        if (applications_ < presses_) progress_.begin(kPressing, applications_ + 1, presses_);
    }
}

void ApplicationWatch::finish() { progress_.end(); }

std::string ApplicationWatch::last_step_detail() const {
    const auto& steps = host_.undo_history().undo_steps();
    if (steps.empty() || steps.back().name != kUndoGroup) return "";
    // The step keeps what it changed: streams of the layers it wrote, and no
    // earlier state for the layers it made.
    const host::ProjectPart& before = steps.back().before;
    std::set<host::ObjectId> touched;
    long made = 0;
    for (const auto& [id, layer] : before.layers) {
        if (layer) continue;
        touched.insert(id);
        ++made;
    }
    for (const auto& [key, stream] : before.streams) touched.insert(key.layer);
    const long written = static_cast<long>(touched.size());
    std::string detail = std::to_string(written) + (written == 1 ? " layer" : " layers") + " written";
    if (made) detail += ", " + std::to_string(made) + " of them new";
    return detail;
}

}  // namespace app

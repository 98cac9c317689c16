// Boolean values and radio groups: the run of radio buttons with consecutive IDs
// around a button, of which one is on.
#include <limits>

#include "adm/detail/iADMDialog.h"
#include "adm/detail/iADMItem.h"

namespace {

// Calls `visit` for each button of the group below `id` (nearest first), then, if
// `up`, above it; stops early when `visit` returns true.
template <typename Visit>
bool walk_group(const iADMItem& item, bool down, bool up, Visit visit) {
    const ADMInt32 id = item.id;
    // At most `id` IDs below, so the walk never goes below 0.
    if (down) {
        for (ADMInt32 step = 1; step <= id; ++step) {
            iADMItem* other = item.dialog->GetItem(id - step);
            if (!other || !other->radio) break;
            if (visit(*other)) return true;
        }
    }
    if (up) {
        for (ADMInt32 next = id; next < std::numeric_limits<ADMInt32>::max();) {
            iADMItem* other = item.dialog->GetItem(++next);
            if (!other || !other->radio) break;
            if (visit(*other)) return true;
        }
    }
    return false;
}

bool is_on(const iADMItem& item) { return item.control && GetControl32BitValue(item.control) != 0; }

}  // namespace

bool iADMItem::radioInitiallyOn() const {
    auto on = [](const iADMItem& other) { return is_on(other); };
    // Down first; up only when nothing below is on.
    return !walk_group(*this, true, false, on) && !walk_group(*this, false, true, on);
}

void iADMItem::SetBooleanValue(bool on) {
    if (radio && on) {
        if (control) SetControl32BitValue(control, 1);
        walk_group(*this, true, true, [](iADMItem& other) {
            if (other.control) SetControl32BitValue(other.control, 0);
            return false;
        });
        return;
    }
    if (control) SetControl32BitValue(control, on);
}

bool iADMItem::GetBooleanValue() const { return control && GetControl32BitValue(control) != 0; }

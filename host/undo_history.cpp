#include "host/undo_history.h"

namespace host {

void UndoHistory::start(const std::string& name, const Project& now) {
    ++started_;
    names_.push_back(name);
    if (depth_++ == 0) open_ = UndoStep{name, now, Project{}};
}

bool UndoHistory::end(const Project& now) {
    if (depth_ == 0) return false;
    ++ended_;
    if (--depth_ == 0) {
        open_.after = now;
        undo_.push_back(std::move(open_));
        open_ = UndoStep{};
        redo_.clear();
    }
    return true;
}

bool UndoHistory::undo(Project& project) {
    if (depth_ != 0 || undo_.empty()) return false;
    project = undo_.back().before;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
    return true;
}

bool UndoHistory::redo(Project& project) {
    if (depth_ != 0 || redo_.empty()) return false;
    project = redo_.back().after;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
    return true;
}

void UndoHistory::clear() {
    undo_.clear();
    redo_.clear();
    open_ = UndoStep{};
    depth_ = 0;
}

}  // namespace host

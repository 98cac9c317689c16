// Undo groups: nested groups make one step, named after the outermost group.
// A step keeps the project as it was when the group opened and as it was when
// it closed, so undo and redo give back exactly those projects.
#pragma once

#include <string>
#include <vector>

#include "host/project.h"

namespace host {

struct UndoStep {
    std::string name;
    Project before;
    Project after;
};

class UndoHistory {
public:
    void start(const std::string& name, const Project& now);
    // False when no group is open.
    bool end(const Project& now);
    int depth() const { return depth_; }

    // A change made outside any group: it cannot be redone over.
    void changed_outside_group() { redo_.clear(); }

    bool undo(Project& project);
    bool redo(Project& project);
    void clear();

    const std::vector<UndoStep>& undo_steps() const { return undo_; }
    const std::vector<UndoStep>& redo_steps() const { return redo_; }
    long groups_started() const { return started_; }
    long groups_ended() const { return ended_; }
    // Every group name given to start, nested ones included, in order.
    const std::vector<std::string>& group_names() const { return names_; }

private:
    std::vector<UndoStep> undo_, redo_;
    UndoStep open_;
    int depth_ = 0;
    long started_ = 0, ended_ = 0;
    std::vector<std::string> names_;
};

}  // namespace host

// Undo groups: nested groups make one step, named after the outermost group.
// A step keeps only what its group changed, each object as it was before its
// first change in the group and as it was when the group closed: whole layers
// (new and deleted ones), single streams of other layers, a composition's layer
// order and its selection. Undo and redo put those back, which gives exactly
// the projects before and after the group; a group costs what it changes, not a
// copy of the project.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "host/project.h"

namespace host {

struct StreamKey {
    ObjectId layer;
    StreamId which;
};

// Objects as they were at one moment. Layers are put back before streams, so a
// stream of a layer that is not there then is left out.
struct ProjectPart {
    std::vector<std::pair<ObjectId, std::optional<Layer>>> layers;  // none: no such layer then
    std::vector<std::pair<StreamKey, Stream>> streams;
    std::vector<std::pair<ObjectId, std::vector<ObjectId>>> orders;      // composition: its stack, top first
    std::vector<std::pair<ObjectId, std::vector<ObjectId>>> selections;  // composition: its selection
};

struct UndoStep {
    std::string name;
    ProjectPart before, after;
};

class UndoHistory {
public:
    void start(const std::string& name);
    // False when no group is open.
    bool end(const Project& now);
    int depth() const { return depth_; }

    // Called before each change to the project. Inside a group the first call
    // for an object keeps it as it is; outside, the change makes redo impossible.
    void changing_layer(const Project& now, ObjectId layer);
    void changing_stream(const Project& now, ObjectId layer, StreamId which);
    void changing_order(const Project& now, ObjectId comp);
    void changing_selection(const Project& now, ObjectId comp);
    // A layer that did not exist before this change.
    void made_layer(ObjectId layer);

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
    // False outside a group (after making redo impossible) and for an object
    // the open group already keeps.
    bool first_change(std::uint64_t key);

    std::vector<UndoStep> undo_, redo_;
    UndoStep open_;
    std::unordered_set<std::uint64_t> kept_;  // what the open group keeps
    int depth_{};
    long started_ = 0, ended_ = 0;
    std::vector<std::string> names_;
};

}  // namespace host

// How a run ends, in batch mode and on screen alike: what the dialog left
// behind, the report, standard output, the files and the failures told.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "host/Host.h"
#include "layer_table.h"
#include "options.h"
#include "output.h"
#include "report.h"
#include "view/geometry.h"

namespace app {

// What the dialog left behind for the outputs.
struct DialogResult {
    bool opened{};
    int presses{};         // presses of "Apply" that reached the button
    int applications{};    // undo groups the plug-in opened for them
    std::string undone;    // the step undone at the end
    bool written = true;   // its outputs could be written
    std::string ui_tree;   // the view tree, for --ui-json -
    std::optional<std::array<double, 3>> cube;
};

// The box the picture shows: the size the dialog's fields took (typing may
// have been clamped), else the dialog's initial size.
view::Vec3 box_size(const std::optional<std::array<double, 3>>& fields);

// Whatever shows that the plug-in failed, on `err`; true when something did.
bool report_failures(const host::Host& h, const host::LoadResult& loaded, const DialogResult& dialog,
                     std::ostream& err);

// What the run did, from the composition as loaded and as it is now.
Report make_report(const host::Host& h, const Snapshot& before, const DialogResult& dialog);

// Standard output's text, the alerts, and the files; false when a file could
// not be written. Standard output is written last and whole.
bool tell_results(const host::Host& h, const Options& options, Report report, const DialogResult& dialog,
                  OutputFiles& files, std::ostream& out, std::ostream& err);

}  // namespace app

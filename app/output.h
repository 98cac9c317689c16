// What voxtrel-host writes: the files of a run, made ready before it starts and
// moved into place at its end, the host's alerts and the hooks that failed.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "host/Host.h"
#include "options.h"
#include "staged_file.h"
#include "toolkit/native.h"
#include "view/geometry.h"

namespace app {

// The files asked for; a null one is not asked for (or goes to standard output).
struct OutputFiles {
    std::unique_ptr<StagedFile> scene, view, dialog, report;  // in --out DIR
    std::unique_ptr<StagedFile> ui_json;                      // --ui-json FILE
    std::unique_ptr<StagedFile> report_file;                  // --report FILE
};

// Creates --out DIR and a temporary file for every output, so that a place
// that cannot be written is found before the run; false with a message on `err`.
bool prepare_outputs(const Options& options, OutputFiles& files, std::ostream& err);

// Moves what was written into place; an output not written this time (no
// dialog opened, so no picture of it) leaves no earlier file behind, and `err`
// says so. False when a file could not be moved into place.
bool commit_outputs(OutputFiles& files, std::ostream& err);

// The alerts, in order, one a line under "Alerts:"; "(none)" when there are none.
void print_alerts(const host::Host& h, std::ostream& out);

// One line per kind of hook and status that failed, with how often; false when none did.
bool print_hook_failures(const host::Host& h, std::ostream& err);

// The calls the host refused by its own rules, one line per rule broken, with
// how often: why a failure happened (a suite the host lacks, a bad argument).
void print_refusals(const host::Host& h, std::ostream& err);

// The result scene through its camera, with the box.
bool write_view_picture(StagedFile& file, const nlohmann::json& scene, view::Vec3 box, std::ostream& err);

// The dialog's window (or the panel frame holding it) as the toolkit draws it.
bool write_dialog_picture(StagedFile& file, WindowRef window, std::ostream& err);

// The window's view tree as the automation sees it, as JSON text.
std::string ui_tree_text(WindowRef window);

}  // namespace app

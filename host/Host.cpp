// The host's construction, suite offering, accounting, and the changes an open
// undo group keeps.
#include "host/Host.h"

#include <dlfcn.h>

#include <sstream>
#include <stdexcept>

#include "host/suite_tables.h"

namespace host {

namespace {

Host* _current = nullptr;

}  // namespace

Host::Host() {
    if (_current) throw std::logic_error("only one host can exist at a time");
    suites_.offer(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1, &gRegisterSuite1);
    suites_.offer(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, &gCommandSuite1);
    suites_.offer(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, &gUtilitySuite3);
    suites_.offer(kAEGPItemSuite, kAEGPItemSuiteVersion3, &gItemSuite3);
    suites_.offer(kAEGPCompSuite, kAEGPCompSuiteVersion4, &gCompSuite4);
    suites_.offer(kAEGPLayerSuite, kAEGPLayerSuiteVersion5, &gLayerSuite5);
    suites_.offer(kAEGPLayerSuite, kAEGPLayerSuiteVersion8, &gLayerSuite8);
    suites_.offer(kAEGPLayerSuite, kAEGPLayerSuiteVersion10, &gLayerSuite10);
    suites_.offer(kAEGPCollectionSuite, kAEGPCollectionSuiteVersion1, &gCollectionSuite1);
    suites_.offer(kAEGPStreamSuite, kAEGPStreamSuiteVersion4, &gStreamSuite4);
    suites_.offer(kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion1, &gKeyframeSuite1);
    suites_.offer(kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1, &gPanelSuite1);
    suites_.offer(kPFAppSuite, kPFAppSuiteVersion2, &gAppSuite2);
    _current = this;
}

Host::~Host() {
    if (!plugins_.empty()) quit();
    // Whatever is still open belongs to the host's own frames.
    for (auto& [name, frame] : panels_)
        if (frame->id) close_panel(*frame);
    for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) dlclose(*it);
    _current = nullptr;
}

Host* Host::current() { return _current; }

SPBasicSuite* Host::basic_suite() { return &gBasicSuite; }

bool Host::balanced() const { return balance_report().empty(); }

std::string Host::balance_report() const {
    std::ostringstream out;
    for (const auto& [key, n] : suites_.outstanding())
        out << "\"" << key.first << "\" " << key.second << ": acquired " << suites_.acquisitions(key.first, key.second)
            << ", released " << suites_.releases(key.first, key.second) << "\n";
    if (suites_.refused_releases() > 0)
        out << suites_.refused_releases() << " release(s) of suites that were not held\n";
    if (!streams_.empty()) out << streams_.size() << " stream(s) not disposed\n";
    if (!collections_.empty()) out << collections_.size() << " collection(s) not disposed\n";
    if (wrong_plugin_ids_ > 0) out << wrong_plugin_ids_ << " call(s) with a plug-in id no loaded module was given\n";
    return out.str();
}

bool Host::known_plugin(AEGP_PluginID plugin) {
    if (plugins_.count(plugin)) return true;
    ++wrong_plugin_ids_;
    return false;
}

Stream& Host::edit_stream(ObjectId layer, StreamId which) {
    undo_.changing_stream(project_, layer, which);
    return project_.layers.at(layer).stream(which);
}

Composition& Host::edit_selection(ObjectId comp) {
    undo_.changing_selection(project_, comp);
    return project_.comps.at(comp);
}

ObjectId Host::duplicate_layer(ObjectId layer) {
    const Layer* original = project_.layer(layer);
    if (!original) return 0;
    undo_.changing_order(project_, original->comp);
    const ObjectId made = project_.duplicate_layer(ids_, layer);
    undo_.made_layer(made);
    return made;
}

bool Host::undo() { return undo_.undo(project_); }

bool Host::redo() { return undo_.redo(project_); }

ObjectId Host::main_comp() const {
    if (project_.active_comp()) return project_.active_item;
    return project_.comps.empty() ? 0 : project_.comps.begin()->first;
}

std::vector<ObjectId> Host::layer_ids() const {
    const Composition* comp = project_.comp(main_comp());
    return comp ? comp->layers.ids() : std::vector<ObjectId>{};
}

ObjectId Host::find_layer(const std::string& name) const {
    for (ObjectId id : layer_ids())
        if (project_.layers.at(id).name == name) return id;
    return 0;
}

}  // namespace host

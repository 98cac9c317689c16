// The host's construction, suite offering, accounting, undo groups and model services.
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
    return out.str();
}

ObjectId Host::new_collection(AEGP_PluginID plugin, std::vector<AEGP_CollectionItem> items) {
    const ObjectId id = next_collection_++;
    collections_[id] = Collection{plugin, std::move(items)};
    ++collections_made_;
    return id;
}

ObjectId Host::new_stream(AEGP_PluginID plugin, ObjectId layer, StreamId which) {
    const ObjectId id = next_stream_++;
    streams_[id] = StreamRef{plugin, layer, which};
    ++streams_made_;
    return id;
}

A_Err Host::start_undo_group(const std::string& name) {
    undo_.start(name, project_);
    return A_Err_NONE;
}

A_Err Host::end_undo_group() { return undo_.end(project_) ? A_Err_NONE : A_Err_PARAMETER; }

void Host::project_changed() {
    if (undo_.depth() == 0) undo_.changed_outside_group();
}

bool Host::undo() { return undo_.undo(project_); }

bool Host::redo() { return undo_.redo(project_); }

ObjectId Host::main_comp() const {
    if (project_.active_comp()) return project_.active_item;
    return project_.comps.empty() ? 0 : project_.comps.begin()->first;
}

std::vector<ObjectId> Host::layer_ids() const {
    const Composition* comp = project_.comp(main_comp());
    return comp ? comp->layers : std::vector<ObjectId>{};
}

ObjectId Host::find_layer(const std::string& name) const {
    for (ObjectId id : layer_ids())
        if (project_.layers.at(id).name == name) return id;
    return 0;
}

}  // namespace host

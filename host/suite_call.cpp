#include "host/suite_call.h"

namespace host {

namespace {

// Checks a handle's kind; the reason names the argument.
template <class H>
std::optional<ObjectId> id_in(SuiteCall& call, H handle, HandleKind kind, const char* name, const char* what) {
    if (!handle) {
        call.refuse(A_Err_PARAMETER, std::string(name) + " is null");
        return std::nullopt;
    }
    const auto id = handle_id(handle, kind);
    if (!id) call.refuse(A_Err_PARAMETER, std::string(name) + " is not " + what + " handle");
    return id;
}

}  // namespace

A_Err SuiteCall::refuse(A_Err status, std::string reason) {
    // The first rule broken is the one to tell.
    if (reason_.empty()) {
        reason_ = std::move(reason);
        status_ = status;
    }
    return status_;
}

A_Err SuiteCall::settle(Host::Outcome outcome) {
    return outcome.status == A_Err_NONE ? A_Err_NONE : refuse(outcome.status, std::move(outcome.reason));
}

bool SuiteCall::plugin(AEGP_PluginID plugin) {
    if (h_.known_plugin(plugin)) return true;
    refuse(A_Err_PARAMETER, "plug-in id " + std::to_string(plugin) + " is not the id of a loaded plug-in");
    return false;
}

const Item* SuiteCall::item(AEGP_ItemH handle) {
    const auto id = id_in(*this, handle, HandleKind::item, "itemH", "an item");
    if (!id) return nullptr;
    const Item* found = h_.project_.item(*id);
    if (!found) refuse(A_Err_PARAMETER, "itemH names no item of the project");
    return found;
}

const Composition* SuiteCall::comp(AEGP_CompH handle) {
    const auto id = id_in(*this, handle, HandleKind::comp, "compH", "a composition");
    if (!id) return nullptr;
    const Composition* found = h_.project_.comp(*id);
    if (!found) refuse(A_Err_PARAMETER, "compH names no composition of the project");
    return found;
}

const Layer* SuiteCall::layer(AEGP_LayerH handle, const char* name) {
    const auto id = id_in(*this, handle, HandleKind::layer, name, "a layer");
    if (!id) return nullptr;
    const Layer* found = h_.project_.layer(*id);
    if (!found) refuse(A_Err_PARAMETER, std::string(name) + " names no live layer (deleted, undone or never made)");
    return found;
}

Collection* SuiteCall::collection(AEGP_CollectionH handle) {
    const auto id = id_in(*this, handle, HandleKind::collection, "collectionH", "a collection");
    if (!id) return nullptr;
    const auto it = h_.collections_.find(*id);
    if (it != h_.collections_.end()) return &it->second;
    refuse(A_Err_PARAMETER, "collectionH names no live collection (disposed or never made)");
    return nullptr;
}

const StreamRef* SuiteCall::stream(AEGP_StreamRefH handle) {
    const auto id = id_in(*this, handle, HandleKind::stream, "streamH", "a stream");
    if (!id) return nullptr;
    const auto it = h_.streams_.find(*id);
    if (it != h_.streams_.end()) return &it->second;
    refuse(A_Err_PARAMETER, "streamH names no open stream (disposed or never made)");
    return nullptr;
}

const Layer* SuiteCall::stream_layer(const StreamRef& stream) {
    const Layer* found = h_.project_.layer(stream.layer);
    if (!found) refuse(A_Err_PARAMETER, "the stream's layer was deleted or undone");
    return found;
}

std::optional<Time> SuiteCall::comp_time(const Layer& layer, AEGP_LTimeMode mode, const A_Time* time) {
    if (!time_mode(mode) || !given(time, "time")) return std::nullopt;
    const auto t = Time::of(*time);
    if (!t) {
        refuse(A_Err_PARAMETER, "time has a scale of 0");
        return std::nullopt;
    }
    if (mode == AEGP_LTimeMode_CompTime) return t;
    const auto shifted = t->plus(layer.offset);
    if (!shifted) refuse(A_Err_PARAMETER, "time plus the layer's offset is out of range");
    return shifted;
}

bool SuiteCall::time_mode(AEGP_LTimeMode mode) {
    if (mode == AEGP_LTimeMode_LayerTime || mode == AEGP_LTimeMode_CompTime) return true;
    refuse(A_Err_PARAMETER, "time mode " + std::to_string(mode) + " is neither layer time (0) nor composition time (1)");
    return false;
}

AEGP_CollectionH SuiteCall::new_collection(AEGP_PluginID plugin, std::vector<AEGP_CollectionItem> items) {
    const ObjectId id = h_.next_collection_++;
    h_.collections_[id] = Collection{plugin, std::move(items)};
    ++h_.collections_made_;
    return make_handle<AEGP_CollectionH>(HandleKind::collection, id);
}

void SuiteCall::dispose_collection(AEGP_CollectionH handle) {
    if (const auto id = handle_id(handle, HandleKind::collection)) h_.collections_.erase(*id);
}

AEGP_StreamRefH SuiteCall::new_stream(AEGP_PluginID plugin, ObjectId layer, StreamId which) {
    const ObjectId id = h_.next_stream_++;
    h_.streams_[id] = StreamRef{plugin, layer, which};
    ++h_.streams_made_;
    return make_handle<AEGP_StreamRefH>(HandleKind::stream, id);
}

void SuiteCall::dispose_stream(AEGP_StreamRefH handle) {
    if (const auto id = handle_id(handle, HandleKind::stream)) h_.streams_.erase(*id);
}

}  // namespace host

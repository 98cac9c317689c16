#include "replay.h"

#include <stdexcept>

#include "aegp/aegp_suites.h"
#include "host/functions.h"

namespace bench {

namespace {

using host::fn;
using Arg = Replay::Arg;

// The suites the replayed calls go through, by their place in Replay::suites_.
struct SuiteName {
    const char* name;
    A_long version;
};
constexpr SuiteName kSuites[] = {
    {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3},    {kAEGPItemSuite, kAEGPItemSuiteVersion3},
    {kAEGPCompSuite, kAEGPCompSuiteVersion4},          {kAEGPLayerSuite, kAEGPLayerSuiteVersion5},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion10},       {kAEGPCollectionSuite, kAEGPCollectionSuiteVersion1},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion4},      {kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion1},
    {kAEGPCommandSuite, kAEGPCommandSuiteVersion1},
};
enum { kUtility, kItem, kComp, kLayer5, kLayer10, kCollection, kStream, kKeyframe, kCommand };

host::HandleKind kind_named(const std::string& name) {
    static const std::pair<const char*, host::HandleKind> kinds[] = {
        {"item", host::HandleKind::item},           {"comp", host::HandleKind::comp},
        {"layer", host::HandleKind::layer},         {"collection", host::HandleKind::collection},
        {"stream", host::HandleKind::stream},       {"panel", host::HandleKind::panel}};
    for (const auto& [n, k] : kinds)
        if (name == n) return k;
    throw std::runtime_error("no handle kind " + name);
}

// One argument as call_text.h writes it.
Arg parse_arg(const std::string& text) {
    Arg a;
    if (text == "null") return a;
    if (text.front() == '"') {
        a.kind = Arg::text;
        a.s = text.substr(1, text.size() - 2);
    } else if (text.front() == '(') {
        a.kind = Arg::real;
        if (std::sscanf(text.c_str(), "(%lf %lf %lf)", &a.x[0], &a.x[1], &a.x[2]) != 3)
            throw std::runtime_error("not a value: " + text);
    } else if (const auto hash = text.find('#'); hash != std::string::npos) {
        a.kind = Arg::handle;
        a.handle_kind = kind_named(text.substr(0, hash));
        a.n = std::stoll(text.substr(hash + 1));
    } else if (const auto slash = text.find('/'); slash != std::string::npos) {
        a.kind = Arg::time;
        a.t = A_Time{static_cast<A_long>(std::stol(text.substr(0, slash))),
                     static_cast<A_u_long>(std::stoul(text.substr(slash + 1)))};
    } else {
        a.kind = Arg::number;
        a.n = std::stoll(text);
    }
    return a;
}

// "a, b, c" with quoted texts and parenthesised values kept whole.
std::vector<Arg> parse_args(const std::string& text) {
    std::vector<Arg> args;
    std::string current;
    bool quoted = false;
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') quoted = !quoted;
        if (!quoted && c == '(') ++depth;
        if (!quoted && c == ')') --depth;
        if (!quoted && depth == 0 && c == ',' && i + 1 < text.size() && text[i + 1] == ' ') {
            args.push_back(parse_arg(current));
            current.clear();
            ++i;
            continue;
        }
        current += c;
    }
    if (!current.empty()) args.push_back(parse_arg(current));
    return args;
}

}  // namespace

Replay::Replay(const std::deque<host::CallRecord>& calls, RecordedStart start) : start_(start) {
    host::ObjectId last_layer = 0;
    for (const host::CallRecord& call : calls) {
        const auto function = host::function_id(call.function);
        if (!function) throw std::runtime_error("no host function " + call.function);
        if (call.status != A_Err_NONE) ++refused_;
        Op op{*function, parse_args(call.arguments)};
        for (const Arg& a : op.args)
            if (a.kind == Arg::handle && a.handle_kind == host::HandleKind::layer)
                last_layer = std::max(last_layer, static_cast<host::ObjectId>(a.n));
        ops_.push_back(std::move(op));
    }
    if (last_layer >= start_.next_layer) layers_made_ = last_layer - start_.next_layer + 1;
}

template <class H>
H Replay::handle(const Arg& a) const {
    if (a.kind != Arg::handle) return nullptr;
    auto id = static_cast<host::ObjectId>(a.n);
    switch (a.handle_kind) {
        case host::HandleKind::layer:
            if (id >= start_.next_layer) id = id - start_.next_layer + layer_base_;
            break;
        case host::HandleKind::stream:
            id = id - start_.next_stream + stream_base_;
            break;
        case host::HandleKind::collection:
            if (id < start_.next_collection) return reinterpret_cast<H>(old_collections_.at(id));
            id = id - start_.next_collection + collection_base_;
            break;
        default:
            break;
    }
    return host::make_handle<H>(a.handle_kind, id);
}

void Replay::prepare(host::Host& h, AEGP_PluginID plugin) {
    const bool first = host_ != &h;
    host_ = &h;
    plugin_ = plugin;
    basic_ = h.basic_suite();
    for (std::size_t i = 0; i < std::size(kSuites); ++i) {
        suites_[i] = nullptr;
        if (basic_->AcquireSuite(kSuites[i].name, kSuites[i].version, &suites_[i]) == A_Err_NONE)
            basic_->ReleaseSuite(kSuites[i].name, kSuites[i].version);
    }
    if (first) {
        layer_base_ = 1;
        for (const auto& [id, layer] : h.project().layers) layer_base_ = std::max(layer_base_, id + 1);
    }
    // Collections the calls use that were made before them: made here, untimed.
    const auto* collections = static_cast<const AEGP_CollectionSuite1*>(suites_[kCollection]);
    old_collections_.assign(start_.next_collection, nullptr);
    for (const Op& op : ops_)
        for (const Arg& a : op.args)
            if (a.kind == Arg::handle && a.handle_kind == host::HandleKind::collection &&
                a.n < start_.next_collection && !old_collections_[a.n])
                collections->AEGP_NewCollection(plugin_, &old_collections_[a.n]);
    stream_base_ = static_cast<host::ObjectId>(h.streams_made() + 1);
    collection_base_ = static_cast<host::ObjectId>(h.collections_made() + 1);
}

long Replay::run() {
    const auto* utility = static_cast<const AEGP_UtilitySuite3*>(suites_[kUtility]);
    const auto* items = static_cast<const AEGP_ItemSuite3*>(suites_[kItem]);
    const auto* comps = static_cast<const AEGP_CompSuite4*>(suites_[kComp]);
    const auto* layers = static_cast<const AEGP_LayerSuite5*>(suites_[kLayer5]);
    const auto* duplicates = static_cast<const AEGP_LayerSuite10*>(suites_[kLayer10]);
    const auto* collections = static_cast<const AEGP_CollectionSuite1*>(suites_[kCollection]);
    const auto* streams = static_cast<const AEGP_StreamSuite4*>(suites_[kStream]);
    const auto* keys = static_cast<const AEGP_KeyframeSuite1*>(suites_[kKeyframe]);
    const auto* commands = static_cast<const AEGP_CommandSuite1*>(suites_[kCommand]);
    const long refused_before = host_->calls().refusals_total();

    // Whatever a call hands back is dropped here; the replay only makes the calls.
    A_long l = 0;
    A_u_long u = 0;
    A_Time t{};
    A_Boolean b = 0;
    AEGP_ItemH item = nullptr;
    AEGP_CompH comp = nullptr;
    AEGP_LayerH layer = nullptr;
    AEGP_CollectionH collection = nullptr;
    AEGP_StreamRefH stream = nullptr;
    AEGP_CollectionItem collection_item{};
    AEGP_StreamVal value{};
    AEGP_StreamType type{};
    AEGP_ItemType item_type{};
    AEGP_ObjectType object_type{};
    A_char name[AEGP_MAX_LAYER_NAME_SIZE], source_name[AEGP_MAX_LAYER_NAME_SIZE];
    for (const Op& op : ops_) {
        const auto& a = op.args;
        const auto n = [&](std::size_t i) { return static_cast<A_long>(a.at(i).n); };
        switch (op.function) {
            case fn("AcquireSuite"): {
                const void* suite = nullptr;
                basic_->AcquireSuite(a[0].s.c_str(), n(1), &suite);
                break;
            }
            case fn("ReleaseSuite"): basic_->ReleaseSuite(a[0].s.c_str(), n(1)); break;
            case fn("AEGP_StartUndoGroup"): utility->AEGP_StartUndoGroup(a[0].s.c_str()); break;
            case fn("AEGP_EndUndoGroup"): utility->AEGP_EndUndoGroup(); break;
            case fn("AEGP_GetActiveItem"): items->AEGP_GetActiveItem(&item); break;
            case fn("AEGP_GetItemType"): items->AEGP_GetItemType(handle<AEGP_ItemH>(a[0]), &item_type); break;
            case fn("AEGP_GetItemDimensions"):
                items->AEGP_GetItemDimensions(handle<AEGP_ItemH>(a[0]), &l, &l);
                break;
            case fn("AEGP_GetCompFromItem"): comps->AEGP_GetCompFromItem(handle<AEGP_ItemH>(a[0]), &comp); break;
            case fn("AEGP_GetNewCollectionFromCompSelection"):
                comps->AEGP_GetNewCollectionFromCompSelection(plugin_, handle<AEGP_CompH>(a[1]), &collection);
                break;
            case fn("AEGP_SetSelection"):
                comps->AEGP_SetSelection(handle<AEGP_CompH>(a[0]), handle<AEGP_CollectionH>(a[1]));
                break;
            case fn("AEGP_GetCompNumLayers"): layers->AEGP_GetCompNumLayers(handle<AEGP_CompH>(a[0]), &l); break;
            case fn("AEGP_GetCompLayerByIndex"):
                layers->AEGP_GetCompLayerByIndex(handle<AEGP_CompH>(a[0]), n(1), &layer);
                break;
            case fn("AEGP_GetLayerIndex"): layers->AEGP_GetLayerIndex(handle<AEGP_LayerH>(a[0]), &l); break;
            case fn("AEGP_GetLayerSourceItem"):
                layers->AEGP_GetLayerSourceItem(handle<AEGP_LayerH>(a[0]), &item);
                break;
            case fn("AEGP_GetLayerName"):
                layers->AEGP_GetLayerName(handle<AEGP_LayerH>(a[0]), name, source_name);
                break;
            case fn("AEGP_GetLayerCurrentTime"):
                layers->AEGP_GetLayerCurrentTime(handle<AEGP_LayerH>(a[0]), n(1), &t);
                break;
            case fn("AEGP_GetLayerOffset"): layers->AEGP_GetLayerOffset(handle<AEGP_LayerH>(a[0]), &t); break;
            case fn("AEGP_ReorderLayer"): layers->AEGP_ReorderLayer(handle<AEGP_LayerH>(a[0]), n(1)); break;
            case fn("AEGP_GetLayerObjectType"):
                layers->AEGP_GetLayerObjectType(handle<AEGP_LayerH>(a[0]), &object_type);
                break;
            case fn("AEGP_IsLayer3D"): layers->AEGP_IsLayer3D(handle<AEGP_LayerH>(a[0]), &b); break;
            case fn("AEGP_DuplicateLayer"):
                duplicates->AEGP_DuplicateLayer(handle<AEGP_LayerH>(a[0]), &layer);
                break;
            case fn("AEGP_NewCollection"): collections->AEGP_NewCollection(plugin_, &collection); break;
            case fn("AEGP_DisposeCollection"):
                collections->AEGP_DisposeCollection(handle<AEGP_CollectionH>(a[0]));
                break;
            case fn("AEGP_GetCollectionNumItems"):
                collections->AEGP_GetCollectionNumItems(handle<AEGP_CollectionH>(a[0]), &u);
                break;
            case fn("AEGP_GetCollectionItemByIndex"):
                collections->AEGP_GetCollectionItemByIndex(handle<AEGP_CollectionH>(a[0]),
                                                           static_cast<A_u_long>(a[1].n), &collection_item);
                break;
            case fn("AEGP_CollectionPushBack"): {
                AEGP_CollectionItem pushed{};
                pushed.type = AEGP_CollectionItemType_LAYER;
                pushed.u.layer.layerH = handle<AEGP_LayerH>(a[1]);
                collections->AEGP_CollectionPushBack(handle<AEGP_CollectionH>(a[0]), &pushed);
                break;
            }
            case fn("AEGP_GetNewLayerStream"):
                streams->AEGP_GetNewLayerStream(plugin_, handle<AEGP_LayerH>(a[1]), n(2), &stream);
                break;
            case fn("AEGP_DisposeStream"): streams->AEGP_DisposeStream(handle<AEGP_StreamRefH>(a[0])); break;
            case fn("AEGP_GetLayerStreamValue"):
                streams->AEGP_GetLayerStreamValue(handle<AEGP_LayerH>(a[0]), n(1), n(2), &a[3].t,
                                                  static_cast<A_Boolean>(a[4].n), &value, &type);
                break;
            case fn("AEGP_SetStreamValue"): {
                AEGP_StreamValue v{handle<AEGP_StreamRefH>(a[1]), {}};
                v.val.three_d = {a[2].x[0], a[2].x[1], a[2].x[2]};
                streams->AEGP_SetStreamValue(plugin_, v.streamH, &v);
                break;
            }
            case fn("AEGP_InsertKeyframe"): {
                AEGP_KeyframeIndex index = 0;
                keys->AEGP_InsertKeyframe(handle<AEGP_StreamRefH>(a[0]), n(1), &a[2].t, &index);
                break;
            }
            case fn("AEGP_DoCommand"): commands->AEGP_DoCommand(n(0)); break;
            default: throw std::runtime_error("cannot replay " + std::string(host::kFunctionNames[op.function]));
        }
    }
    layer_base_ += static_cast<host::ObjectId>(layers_made_);
    return host_->calls().refusals_total() - refused_before - refused_;
}

}  // namespace bench

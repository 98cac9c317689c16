#include "adobe/AEGP_SuiteHandler.h"

#include <iterator>

#include "core/status.h"

SPBasicSuite* sSPBasic = nullptr;

namespace {

struct SuiteName {
    char const* name;
    A_long version;
};

// Indexed by AEGP_SuiteHandler::Slot.
constexpr SuiteName kSuiteNames[] = {
    {kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1},
    {kAEGPCommandSuite, kAEGPCommandSuiteVersion1},
    {kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3},
    {kAEGPItemSuite, kAEGPItemSuiteVersion3},
    {kAEGPCompSuite, kAEGPCompSuiteVersion4},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion5},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion8},
    {kAEGPLayerSuite, kAEGPLayerSuiteVersion10},
    {kAEGPCollectionSuite, kAEGPCollectionSuiteVersion1},
    {kAEGPStreamSuite, kAEGPStreamSuiteVersion4},
    {kAEGPKeyframeSuite, kAEGPKeyframeSuiteVersion1},
    {kAEGPWorkspacePanelSuite, kAEGPWorkspacePanelSuiteVersion1},
    {kPFAppSuite, kPFAppSuiteVersion2},
};

// Suite tables are read-only to the plug-in; the accessors hand them out
// non-const only because that is how callers spell suite pointers.
template <class Suite>
Suite* table(void const* suite) {
    return static_cast<Suite*>(const_cast<void*>(suite));
}

}  // namespace

AEGP_SuiteHandler::AEGP_SuiteHandler(SPBasicSuite const* basic) : _basic(basic) {
    static_assert(std::size(kSuiteNames) == kSlotCount, "one name per cache slot");
    if (!_basic) MissingSuiteError();
}

AEGP_SuiteHandler::~AEGP_SuiteHandler() {
    ReleaseAllSuites();
}

void AEGP_SuiteHandler::MissingSuiteError() {
    throw static_cast<A_Err>(core::kErrMissingSuite);
}

void const* AEGP_SuiteHandler::LoadSuite(char const* name, A_long version) const {
    void const* suite = nullptr;
    if (_basic->AcquireSuite(name, version, &suite) != A_Err_NONE || !suite) MissingSuiteError();
    return suite;
}

void AEGP_SuiteHandler::ReleaseAllSuites() {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (_suites[i]) {
            _basic->ReleaseSuite(kSuiteNames[i].name, kSuiteNames[i].version);
            _suites[i] = nullptr;
        }
    }
}

void const* AEGP_SuiteHandler::suite(Slot slot) const {
    if (!_suites[slot]) _suites[slot] = LoadSuite(kSuiteNames[slot].name, kSuiteNames[slot].version);
    return _suites[slot];
}

AEGP_RegisterSuite1* AEGP_SuiteHandler::RegisterSuite1() const {
    return table<AEGP_RegisterSuite1>(suite(kRegister1));
}
AEGP_CommandSuite1* AEGP_SuiteHandler::CommandSuite1() const {
    return table<AEGP_CommandSuite1>(suite(kCommand1));
}
AEGP_UtilitySuite3* AEGP_SuiteHandler::UtilitySuite3() const {
    return table<AEGP_UtilitySuite3>(suite(kUtility3));
}
AEGP_ItemSuite3* AEGP_SuiteHandler::ItemSuite3() const {
    return table<AEGP_ItemSuite3>(suite(kItem3));
}
AEGP_CompSuite4* AEGP_SuiteHandler::CompSuite4() const {
    return table<AEGP_CompSuite4>(suite(kComp4));
}
AEGP_LayerSuite5* AEGP_SuiteHandler::LayerSuite5() const {
    return table<AEGP_LayerSuite5>(suite(kLayer5));
}
AEGP_LayerSuite8* AEGP_SuiteHandler::LayerSuite8() const {
    return table<AEGP_LayerSuite8>(suite(kLayer8));
}
AEGP_LayerSuite10* AEGP_SuiteHandler::LayerSuite10() const {
    return table<AEGP_LayerSuite10>(suite(kLayer10));
}
AEGP_CollectionSuite1* AEGP_SuiteHandler::CollectionSuite1() const {
    return table<AEGP_CollectionSuite1>(suite(kCollection1));
}
AEGP_StreamSuite4* AEGP_SuiteHandler::StreamSuite4() const {
    return table<AEGP_StreamSuite4>(suite(kStream4));
}
AEGP_KeyframeSuite1* AEGP_SuiteHandler::KeyframeSuite1() const {
    return table<AEGP_KeyframeSuite1>(suite(kKeyframe1));
}
AEGP_PanelSuite1* AEGP_SuiteHandler::PanelSuite1() const {
    return table<AEGP_PanelSuite1>(suite(kPanel1));
}
PFAppSuite2* AEGP_SuiteHandler::AppSuite2() const {
    return table<PFAppSuite2>(suite(kApp2));
}

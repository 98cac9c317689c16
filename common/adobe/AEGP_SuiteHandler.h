// The per-object cache of host suites: each suite is acquired from the basic
// suite the first time it is asked for and released when the cache goes away,
// so suites are released even while an exception passes.
#pragma once

#include <cstddef>

#include "aegp/aegp_suites.h"

// The host's basic suite, handed to the entry point; every acquisition in the
// plug-in goes through it.
extern SPBasicSuite* sSPBasic;

class AEGP_SuiteHandler {
public:
    // A null basic suite raises the missing-suite error.
    explicit AEGP_SuiteHandler(SPBasicSuite const* basic);
    ~AEGP_SuiteHandler();

    AEGP_SuiteHandler(AEGP_SuiteHandler const&) = delete;
    AEGP_SuiteHandler& operator=(AEGP_SuiteHandler const&) = delete;

    // Each accessor returns its suite, acquiring it on first use. A suite the
    // host lacks raises the missing-suite error; none ever returns null.
    AEGP_RegisterSuite1* RegisterSuite1() const;
    AEGP_CommandSuite1* CommandSuite1() const;
    AEGP_UtilitySuite3* UtilitySuite3() const;
    AEGP_ItemSuite3* ItemSuite3() const;
    AEGP_CompSuite4* CompSuite4() const;
    AEGP_LayerSuite5* LayerSuite5() const;
    AEGP_LayerSuite8* LayerSuite8() const;
    AEGP_LayerSuite10* LayerSuite10() const;
    AEGP_CollectionSuite1* CollectionSuite1() const;
    AEGP_StreamSuite4* StreamSuite4() const;
    AEGP_KeyframeSuite1* KeyframeSuite1() const;
    AEGP_PanelSuite1* PanelSuite1() const;
    PFAppSuite2* AppSuite2() const;

    // Releases every suite acquired so far, each by its own name and version.
    void ReleaseAllSuites();

    // Throws the missing-suite status (516) as an integer exception.
    [[noreturn]] static void MissingSuiteError();

private:
    enum Slot : std::size_t {
        kRegister1,
        kCommand1,
        kUtility3,
        kItem3,
        kComp4,
        kLayer5,
        kLayer8,
        kLayer10,
        kCollection1,
        kStream4,
        kKeyframe1,
        kPanel1,
        kApp2,
        kSlotCount
    };

    // Acquires a suite by name and version; a failed acquisition or a null
    // table raises the missing-suite error.
    void const* LoadSuite(char const* name, A_long version) const;
    // The cached table of `slot`, loaded on first use.
    void const* suite(Slot slot) const;

    SPBasicSuite const* _basic;
    // Caching is not a change the caller can see, so const handlers acquire too.
    mutable void const* _suites[kSlotCount] = {};
};

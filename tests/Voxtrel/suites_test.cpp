// Suite access without the simulated host: the suite handler, the long-lived
// suites and the shell functions the host cannot drive into every case.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "Voxtrel/main.h"
#include "adm/host_suites.h"
#include "adobe/AEGP_SuiteHandler.h"

namespace {

using Key = std::pair<std::string, A_long>;

// A basic suite over a set of offered suites, each answered with a table of
// its own; `empty` ones are answered with success but no table.
struct FakeBasic {
    FakeBasic() { _current = this; }
    ~FakeBasic() { _current = nullptr; }
    static SPErr acquire(char const* name, A_long version, void const** out) {
        Key const key{name, version};
        *out = nullptr;
        if (_current->empty.count(key)) return A_Err_NONE;
        if (!_current->offered.count(key)) return A_Err_MISSING_SUITE;
        ++_current->acquired[key];
        *out = &_current->tables[key];
        return A_Err_NONE;
    }
    static SPErr release(char const* name, A_long version) {
        ++_current->released[{name, version}];
        return A_Err_NONE;
    }
    void const* table(char const* name, A_long version) { return &tables[{name, version}]; }
    bool balanced() const { return acquired == released; }

    std::set<Key> offered, empty;
    std::map<Key, long> acquired, released;
    std::map<Key, char> tables;
    SPBasicSuite suite{acquire, release};
    static inline FakeBasic* _current = nullptr;
};

A_Err status_of(auto&& call) {
    try {
        call();
    } catch (A_Err err) {
        return err;
    }
    return 0;
}

class Suites : public ::testing::Test {
protected:
    void SetUp() override {
        for (auto const& [name, version] : kAll) basic.offered.insert({name, version});
    }
    void TearDown() override {
        adm::releaseSuites();
        sSPBasic = nullptr;
    }

    static constexpr std::pair<char const*, A_long> kAll[] = {
        {kAEGPRegisterSuite, 1},   {kAEGPCommandSuite, 1}, {kAEGPUtilitySuite, 3},    {kAEGPItemSuite, 3},
        {kAEGPCompSuite, 4},       {kAEGPLayerSuite, 5},   {kAEGPLayerSuite, 8},      {kAEGPLayerSuite, 10},
        {kAEGPCollectionSuite, 1}, {kAEGPStreamSuite, 4},  {kAEGPKeyframeSuite, 1},   {kAEGPWorkspacePanelSuite, 1},
        {kPFAppSuite, 2},
    };

    FakeBasic basic;
};

// Each accessor asks for its own name and version, once however often it is
// asked, and the handler gives everything back when it goes.
TEST_F(Suites, HandlerAcquiresEachSuiteOnceAndReleasesItOnce) {
    {
        AEGP_SuiteHandler suites(&basic.suite);
        void const* got[] = {suites.RegisterSuite1(),   suites.CommandSuite1(),    suites.UtilitySuite3(),
                             suites.ItemSuite3(),       suites.CompSuite4(),       suites.LayerSuite5(),
                             suites.LayerSuite8(),      suites.LayerSuite10(),     suites.CollectionSuite1(),
                             suites.StreamSuite4(),     suites.KeyframeSuite1(),   suites.PanelSuite1(),
                             suites.AppSuite2()};
        for (std::size_t i = 0; i < std::size(kAll); ++i)
            EXPECT_EQ(got[i], basic.table(kAll[i].first, kAll[i].second)) << kAll[i].first << " " << kAll[i].second;
        suites.LayerSuite5();
        EXPECT_EQ(basic.acquired[Key(kAEGPLayerSuite, 5)], 1);
        EXPECT_TRUE(basic.released.empty());
        // Released early, a suite asked again is acquired afresh, and released once.
        suites.ReleaseAllSuites();
        suites.ReleaseAllSuites();
        EXPECT_TRUE(basic.balanced());
        suites.CompSuite4();
        EXPECT_EQ(basic.acquired[Key(kAEGPCompSuite, 4)], 2);
    }
    EXPECT_TRUE(basic.balanced());
    EXPECT_EQ(basic.released[Key(kAEGPCompSuite, 4)], 2);
}

// A refused suite, one answered without a table and a missing basic suite all
// raise 516; a failure is not cached, and what was held goes back as it passes.
TEST_F(Suites, AMissingSuiteRaises516AndReleasesWhatIsHeld) {
    basic.offered.erase({kAEGPLayerSuite, 8});
    basic.empty.insert({kAEGPKeyframeSuite, 1});
    {
        AEGP_SuiteHandler suites(&basic.suite);
        EXPECT_EQ(status_of([&] { suites.LayerSuite8(); }), 516);
        EXPECT_EQ(status_of([&] { suites.LayerSuite8(); }), 516);
    }
    EXPECT_EQ(status_of([&] {
                  AEGP_SuiteHandler suites(&basic.suite);
                  suites.StreamSuite4();
                  suites.KeyframeSuite1();
              }),
              516);
    EXPECT_TRUE(basic.balanced());
    EXPECT_EQ(basic.released[Key(kAEGPStreamSuite, 4)], 1);
    EXPECT_EQ(status_of([] { AEGP_SuiteHandler suites(nullptr); }), 516);
}

// The long-lived suites: the panel suite is optional; without the app suite
// acquisition fails, with the host's status when it refuses and 516 when it
// answers without a table or there is no basic suite.
TEST_F(Suites, LongLivedSuitesNeedOnlyTheAppSuite) {
    sSPBasic = &basic.suite;
    basic.offered.erase({kAEGPWorkspacePanelSuite, 1});
    EXPECT_EQ(adm::acquireSuites(), 0);
    EXPECT_EQ(adm::acquireSuites(), 0);  // a second time keeps what is held
    EXPECT_EQ(sAEGPPanelSuite, nullptr);
    EXPECT_EQ(static_cast<void const*>(sPFAppSuite), basic.table(kPFAppSuite, 2));
    adm::releaseSuites();
    adm::releaseSuites();
    EXPECT_EQ(sPFAppSuite, nullptr);
    EXPECT_TRUE(basic.balanced());
    EXPECT_EQ(basic.released[Key(kPFAppSuite, 2)], 1);

    basic.offered.insert({kAEGPWorkspacePanelSuite, 1});
    for (char const* how : {"refused", "no table", "no basic suite"}) {
        SCOPED_TRACE(how);
        basic.offered.erase({kPFAppSuite, 2});
        if (std::string(how) == "no table") basic.empty.insert({kPFAppSuite, 2});
        if (std::string(how) == "no basic suite") sSPBasic = nullptr;
        EXPECT_EQ(adm::acquireSuites(), std::string(how) == "refused" ? A_Err_MISSING_SUITE : 516);
        EXPECT_EQ(sPFAppSuite, nullptr);
        EXPECT_EQ(sAEGPPanelSuite != nullptr, sSPBasic != nullptr);
        adm::releaseSuites();
    }
}

TEST(Shell, EntryWithoutBasicSuiteReturns516AndTheAllCommandsHookTakesNoCommand) {
    EXPECT_EQ(PluginEntry(nullptr, 13, 0, "/p", "/r", 5, nullptr), 516);
    sSPBasic = nullptr;
    for (A_Boolean already : {A_Boolean{0}, A_Boolean{1}}) {
        A_Boolean handled = 1;
        EXPECT_EQ(on_all_command(nullptr, nullptr, 2080, AEGP_HP_BeforeAE, already, &handled), 0);
        EXPECT_EQ(handled, 0);
    }
}

}  // namespace

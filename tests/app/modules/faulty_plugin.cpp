// A plug-in module for the validation mode's tests. Its entry point takes a
// command, puts it in a menu, makes one edit in an undo group and registers a
// death hook, well behaved unless VOXTREL_TEST_FAULT names one planted fault;
// each breaks one promise the validator checks, the way a careless plug-in would.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "aegp/aegp_suites.h"
#include "toolkit/native.h"

namespace {

// What a plug-in returns for a suite the host does not give.
constexpr A_Err kMissingSuite = 516;

bool fault(const char* name) {
    const char* planted = std::getenv("VOXTREL_TEST_FAULT");
    return planted && std::string(planted) == name;
}

// The suites the entry point holds, given back when it returns.
class Suites {
public:
    explicit Suites(SPBasicSuite* basic) : basic_(basic) {}
    ~Suites() {
        if (!keep_)
            for (const auto& [name, version] : held_) basic_->ReleaseSuite(name, version);
        if (fault("double-release") && !held_.empty()) basic_->ReleaseSuite(held_[0].first, held_[0].second);
    }
    Suites(const Suites&) = delete;
    Suites& operator=(const Suites&) = delete;

    template <class Suite>
    A_Err get(const char* name, A_long version, const Suite*& suite) {
        const void* given = nullptr;
        if (const A_Err err = basic_->AcquireSuite(name, version, &given))
            return fault("status-of-acquire") ? err : kMissingSuite;
        held_.emplace_back(name, version);
        if (fault("leak") && held_.size() == 1) basic_->AcquireSuite(name, version, &given);  // never given back
        suite = static_cast<const Suite*>(given);
        return A_Err_NONE;
    }
    void keep() { keep_ = true; }

private:
    SPBasicSuite* basic_;
    std::vector<std::pair<const char*, A_long>> held_;
    bool keep_ = false;
};

// Has nothing to give back; the fault is a failure out of nothing.
A_Err death(AEGP_GlobalRefcon, AEGP_DeathRefcon) {
    return fault("failure-out-of-nothing") ? A_Err_GENERIC : A_Err_NONE;
}

// One edit of the project in an undo group, made only from what could be read.
A_Err edit(const AEGP_UtilitySuite3& util, const AEGP_ItemSuite3& items, const AEGP_CommandSuite1& commands,
           AEGP_Command command) {
    if (const A_Err started = util.AEGP_StartUndoGroup("Voxtrel")) return started;
    AEGP_ItemH item = nullptr;
    A_Err err = items.AEGP_GetActiveItem(&item);
    if (err && fault("crash-after-refusal")) {
        std::fputs("used the item it was refused\n", stderr);
        std::abort();
    }
    if (err && fault("sanitizer-exit")) std::fputs("a\n==7==ERROR: LeakSanitizer: b\nc\n", stderr), std::_Exit(3);
    if (err && fault("exit-early")) std::fputc('!', stderr), std::_Exit(0);  // one byte, the least a read gets
    if (!err || fault("write-after-failed-read")) err = commands.AEGP_DoCommand(command);
    const A_Err ended = util.AEGP_EndUndoGroup();
    return err ? err : ended;
}

A_Err entry(SPBasicSuite* basic, AEGP_PluginID id) {
    Suites suites(basic);
    const AEGP_RegisterSuite1* hooks = nullptr;
    const AEGP_CommandSuite1* commands = nullptr;
    const AEGP_UtilitySuite3* util = nullptr;
    const AEGP_ItemSuite3* items = nullptr;
    const AEGP_CollectionSuite1* collections = nullptr;
    if (const A_Err err = suites.get(kAEGPRegisterSuite, kAEGPRegisterSuiteVersion1, hooks)) return err;
    if (const A_Err err = suites.get(kAEGPCommandSuite, kAEGPCommandSuiteVersion1, commands)) return err;
    if (const A_Err err = suites.get(kAEGPUtilitySuite, kAEGPUtilitySuiteVersion3, util)) return err;
    if (const A_Err err = suites.get(kAEGPItemSuite, kAEGPItemSuiteVersion3, items)) return err;
    if (const A_Err err = suites.get(kAEGPCollectionSuite, kAEGPCollectionSuiteVersion1, collections)) return err;

    AEGP_Command command = 0;
    if (const A_Err err = commands->AEGP_GetUniqueCommand(&command)) {
        if (fault("leak")) suites.keep();
        return err;
    }
    CFStringRef title = CFStringCreateWithCString(nullptr, "Voxtrel Test", kCFStringEncodingUTF8);
    if (title && !fault("toolkit-leak")) CFRelease(title);
    if (const A_Err err = commands->AEGP_InsertMenuCommand(command, "Voxtrel Test", AEGP_Menu_LAYER, -1))
        return fault("swallow-status") ? A_Err_NONE : err;

    AEGP_CollectionH collection = nullptr;
    if (const A_Err err = collections->AEGP_NewCollection(id, &collection)) return err;
    if (!fault("collection-leak")) collections->AEGP_DisposeCollection(collection);

    if (const A_Err err = edit(*util, *items, *commands, command)) return err;
    return hooks->AEGP_RegisterDeathHook(id, death, nullptr);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) A_Err PluginEntry(SPBasicSuite* basic, A_long, A_long, const A_char*,
                                                                    const A_char*, AEGP_PluginID id,
                                                                    AEGP_GlobalRefcon*) {
    return entry(basic, id);
}

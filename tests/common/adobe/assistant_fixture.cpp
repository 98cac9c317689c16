#include "assistant_fixture.h"

#include <map>
#include <sstream>

#include "adm/detail/handles.h"
#include "adm/detail/iADMItem.h"
#include "adobe/AEGP_SuiteHandler.h"
#include "toolkit/automation.h"

namespace {

AEGP_PluginID _plugin_id = 0;

// Stands in for the plug-in's entry point: keeps what the host hands over.
A_Err test_entry(SPBasicSuite* basic, A_long, A_long, const A_char*, const A_char*, AEGP_PluginID id,
                 AEGP_GlobalRefcon*) {
    sSPBasic = basic;
    _plugin_id = id;
    return A_Err_NONE;
}

}  // namespace

json scene(std::vector<json> layers, int width, int height, double time) {
    json comp = {{"name", "Main"}, {"width", width}, {"height", height}, {"frame_rate", 30}, {"time", time}};
    comp["layers"] = std::move(layers);
    return json{{"composition", comp}, {"active", true}};
}

std::vector<std::string> aegp(std::string const& names) {
    std::vector<std::string> calls;
    std::istringstream words(names);
    for (std::string word; words >> word;) calls.push_back("AEGP_" + word);
    return calls;
}

void AssistantTest::SetUp() {
    host.calls().log_calls();
    host::LoadResult const loaded = host.load_entry(test_entry);
    ASSERT_TRUE(loaded.ok()) << loaded.message;
    plugin = _plugin_id;
}

void AssistantTest::TearDown() {
    // The dialog goes away as the host makes it go, through its destroy proc.
    if (dlg && dlg->GetDialogRef()) ADMDialogSuite9::Destroy(dlg->GetDialogRef());
    dlg.reset();
    // No undo group left open, none ended twice.
    EXPECT_EQ(std::pair(host.undo_history().depth(), host.undo_history().groups_started()),
              std::pair(0, host.undo_history().groups_ended()));
    EXPECT_TRUE(host.balanced()) << host.balance_report();
    sSPBasic = nullptr;
}

TestAssistant& AssistantTest::open(std::set<int> controls) {
    dlg = std::make_unique<TestAssistant>(plugin, std::move(controls));
    dlg->SetDeleteOnDestroy(false);
    EXPECT_NE(dlg->Create(nullptr, "QX_Test v1.0", 0, kADMFloatingDialogStyle, 0), nullptr);
    ADMDialogSuite9::Show(dlg->GetDialogRef(), true);
    return *dlg;
}

TestAssistant& AssistantTest::open_without(int control) {
    std::set<int> controls = TestAssistant::all_controls();
    controls.erase(control);
    return open(controls);
}

ADMItemRef AssistantTest::item(int id) const {
    ADMItemRef const found = dlg->get_item(id);
    EXPECT_NE(found, nullptr) << "no control " << id;
    return found;
}

void AssistantTest::check(int id, bool on) { ADMItemSuite10::SetBooleanValue(item(id), on); }
void AssistantTest::number(int id, float value) { ADMItemSuite10::SetFloatValue(item(id), value); }
bool AssistantTest::click(int id) { return item(id) && tk::automation::click(from_ref(item(id))->control); }

host::Layer const& AssistantTest::layer(std::string const& name) const {
    host::Layer const* found = host.project().layer(host.find_layer(name));
    if (!found) throw std::runtime_error("no layer " + name);
    return *found;
}

std::string AssistantTest::name_of(AEGP_LayerH layer_handle) const {
    auto const id = host::handle_id(layer_handle, host::HandleKind::layer);
    host::Layer const* found = id ? host.project().layer(*id) : nullptr;
    return found ? found->name : "?";
}

host::Vec3 AssistantTest::value(std::string const& name, host::StreamId stream) const {
    return layer(name).stream(stream).at(host.project().comp(host.main_comp())->time);
}

std::vector<std::string> AssistantTest::calls_since_mark() const {
    std::vector<std::string> names;
    for (host::CallRecord const& record : host.calls().calls())
        if (record.number > mark_ && record.function != "AcquireSuite" && record.function != "ReleaseSuite")
            names.push_back(record.function);
    return names;
}

std::vector<std::string> AssistantTest::writes_since_mark() const {
    static std::map<std::string, std::string> const words{
        {"AEGP_InsertKeyframe", "key"}, {"AEGP_SetStreamValue", "set"}, {"AEGP_DisposeStream", "close"}};
    std::vector<std::string> writes;
    for (host::CallRecord const& record : host.calls().calls()) {
        if (record.number <= mark_) continue;
        if (record.function == "AEGP_GetNewLayerStream")
            writes.push_back("open " + record.arguments.substr(record.arguments.rfind(' ') + 1));
        else if (words.count(record.function))
            writes.push_back(words.at(record.function));
    }
    return writes;
}

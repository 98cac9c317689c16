#include "assistant_fixture.h"

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

json layer_of(std::string const& name, char const* type) {
    return json{{"name", name}, {"type", type}, {"3d", true}, {"selected", true}};
}

}  // namespace

json footage(std::string const& name, int width, int height, char const* type) {
    json layer = layer_of(name, type);
    layer["source"] = {width, height};
    return layer;
}

json text_layer(std::string const& name) { return layer_of(name, "text"); }
json shape_layer(std::string const& name) { return layer_of(name, "shape"); }

json camera(std::string const& name, std::vector<double> position, std::vector<double> point_of_interest) {
    json layer = layer_of(name, "camera");
    layer["position"] = position;
    layer["anchor"] = point_of_interest;
    layer["selected"] = false;
    return layer;
}

json light(std::string const& name) { return layer_of(name, "light"); }

json flat(json layer) {
    layer["3d"] = false;
    return layer;
}

json unselected(json layer) {
    layer["selected"] = false;
    return layer;
}

json scene(std::vector<json> layers, int width, int height, double time) {
    return json{{"composition",
                 {{"name", "Main"},
                  {"width", width},
                  {"height", height},
                  {"frame_rate", 30},
                  {"time", time},
                  {"layers", layers}}},
                {"active", true}};
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
    EXPECT_EQ(host.undo_history().depth(), 0) << "an undo group was left open";
    EXPECT_EQ(host.undo_history().groups_started(), host.undo_history().groups_ended());
    EXPECT_TRUE(host.balanced()) << host.balance_report();
    sSPBasic = nullptr;
}

void AssistantTest::load(json const& scene_json) { host.load_scene(scene_json); }

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

void AssistantTest::check(int id, bool on) {
    ADMItemRef item = dlg->get_item(id);
    ASSERT_NE(item, nullptr) << "no control " << id;
    ADMItemSuite10::SetBooleanValue(item, on);
}

void AssistantTest::number(int id, float value) {
    ADMItemRef item = dlg->get_item(id);
    ASSERT_NE(item, nullptr) << "no control " << id;
    ADMItemSuite10::SetFloatValue(item, value);
}

bool AssistantTest::click(int id) {
    ADMItemRef item = dlg->get_item(id);
    return item && tk::automation::click(from_ref(item)->control);
}

host::Layer const& AssistantTest::layer(std::string const& name) const {
    host::ObjectId const id = host.find_layer(name);
    host::Layer const* found = host.project().layer(id);
    if (!found) throw std::runtime_error("no layer " + name);
    return *found;
}

AEGP_LayerH AssistantTest::handle(std::string const& name) const { return host::Host::layer_handle(layer(name).id); }

std::string AssistantTest::name_of(AEGP_LayerH layer_handle) const {
    auto const id = host::handle_id(layer_handle, host::HandleKind::layer);
    host::Layer const* found = id ? host.project().layer(*id) : nullptr;
    return found ? found->name : "?";
}

host::Vec3 AssistantTest::value(std::string const& name, host::StreamId stream) const {
    host::Composition const* comp = host.project().comp(host.main_comp());
    return layer(name).stream(stream).at(comp->time);
}

void AssistantTest::mark() { mark_ = host.calls().total_calls(); }

std::vector<host::CallRecord> AssistantTest::records_since_mark() const {
    std::vector<host::CallRecord> records;
    for (host::CallRecord const& record : host.calls().calls())
        if (record.number > mark_ && record.function != "AcquireSuite" && record.function != "ReleaseSuite")
            records.push_back(record);
    return records;
}

std::vector<std::string> AssistantTest::calls_since_mark() const {
    std::vector<std::string> names;
    for (host::CallRecord const& record : records_since_mark()) names.push_back(record.function);
    return names;
}

std::vector<std::string> AssistantTest::writes_since_mark() const {
    std::vector<std::string> writes;
    for (host::CallRecord const& record : records_since_mark()) {
        if (record.function == "AEGP_GetNewLayerStream")
            writes.push_back("open " + record.arguments.substr(record.arguments.rfind(' ') + 1));
        else if (record.function == "AEGP_InsertKeyframe")
            writes.push_back("key");
        else if (record.function == "AEGP_SetStreamValue")
            writes.push_back("set");
        else if (record.function == "AEGP_DisposeStream")
            writes.push_back("close");
    }
    return writes;
}

void AssistantTest::fail_next(std::string const& function, long occurrence, A_Err status) {
    host.calls().fail_function(function, host.calls().calls_of(function) + occurrence, status);
}

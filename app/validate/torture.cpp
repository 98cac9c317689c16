#include "torture.h"

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

#include "run_messages.h"
#include "session.h"
#include "toolkit/automation.h"

namespace app::validate {

namespace auto_ = tk::automation;

namespace {

// What a person might type: nothing, words, numbers out of every range, numbers
// the way other locales or languages write them.
const char* const kTyped[] = {"",        " ",          "abc",     "12abc", "1e308",  "-1e308", "1e-320",
                              "nan",     "inf",        "-inf",    "0",     "-0",     "0.1",    "-5",
                              "1,5",     "0x10",       "  42  ",  "é",     "1e999",  "1000",   "-2147483649",
                              "4294967296", "99999999999999999999999999999999999999", "3.4028236e38"};

// The repeat count makes that many rounds of duplicates of every selected
// layer in one application; it gets small counts and garbage only, so that a
// run stays a run of thousands of steps, not of a million layers.
const char* const kCounts[] = {"", "abc", "0", "1", "2", "3", "-5", "1,5", "nan", " 2 "};

constexpr std::time_t kClock = 1700000000;

struct Action {
    std::string what;
    std::function<void()> run;
};

class Torture {
public:
    Torture(Session& s, std::uint64_t seed) : s_(s), random_(seed) {}

    Action next() {
        // Weights: what a person does often comes up often.
        const std::pair<int, Action (Torture::*)()> kinds[] = {
            {10, &Torture::select},      {3, &Torture::deselect},  {3, &Torture::add_camera},
            {3, &Torture::remove_camera}, {15, &Torture::type},    {20, &Torture::click},
            {8, &Torture::choose},       {5, &Torture::command},   {3, &Torture::close},
            {10, &Torture::apply},       {5, &Torture::undo},      {4, &Torture::redo},
            {5, &Torture::move_time},    {4, &Torture::menus},     {2, &Torture::switch_active}};
        int total = 0;
        for (const auto& [weight, make] : kinds) total += weight;
        int pick = static_cast<int>(below(static_cast<std::uint64_t>(total)));
        for (const auto& [weight, make] : kinds) {
            if (pick < weight) return (this->*make)();
            pick -= weight;
        }
        return menus();
    }

private:
    std::uint64_t below(std::uint64_t n) { return random_() % n; }  // every caller has n > 0
    double between(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }
    template <class T>
    const T& any(const std::vector<T>& items) {
        return items[below(items.size())];
    }

    host::Host& h() { return s_.host(); }

    std::vector<HIViewRef> views(bool (*wanted)(HIViewRef)) const {
        std::vector<HIViewRef> found;
        if (const DialogPlace place = s_.dialog()) collect(place.root, wanted, found);
        return found;
    }
    static void collect(HIViewRef view, bool (*wanted)(HIViewRef), std::vector<HIViewRef>& out) {
        for (HIViewRef child : auto_::subviews(view)) {
            if (wanted(child)) out.push_back(child);
            collect(child, wanted, out);
        }
    }
    static std::string describe(HIViewRef view) {
        const std::string text = auto_::text(view);
        if (!text.empty()) return "the " + auto_::kindName(view) + " \"" + text + "\"";
        const Rect f = auto_::frame(view);
        return "the " + auto_::kindName(view) + " at " + std::to_string(f.left) + "," + std::to_string(f.top);
    }

    // The edit field on the row of "Repeat Layers".
    HIViewRef repeat_field() const {
        const DialogPlace place = s_.dialog();
        return place ? auto_::editFieldRightOf(place.root,
                                               auto_::findLabelledControl(place.root, "check box", "Repeat Layers"))
                     : nullptr;
    }

    Action select() {
        std::vector<host::ObjectId> chosen;
        for (host::ObjectId id : h().layer_ids())
            if (below(2)) chosen.push_back(id);
        std::shuffle(chosen.begin(), chosen.end(), random_);
        return {"select " + std::to_string(chosen.size()) + " layer(s)", [this, chosen] { s_.select(chosen); }};
    }
    Action deselect() {
        return {"deselect every layer", [this] { s_.select(std::vector<host::ObjectId>{}); }};
    }
    Action add_camera() {
        const host::Item* comp = h().project().item(h().main_comp());
        const double w = comp ? comp->width : 1920, ht = comp ? comp->height : 1080;
        host::Layer camera;
        camera.name = "Camera " + std::to_string(++cameras_made_);
        camera.type = host::LayerType::camera;
        camera.three_d = true;
        camera.stream(host::StreamId::scale).value = {100, 100, 100};
        camera.stream(host::StreamId::anchor).value = {between(0, w), between(0, ht), between(-500, 500)};
        camera.stream(host::StreamId::position).value = {between(-w, 2 * w), between(-ht, 2 * ht), between(-5000, 1000)};
        const long index = static_cast<long>(below(h().layer_ids().size() + 1));
        return {"add " + camera.name + " at index " + std::to_string(index), [this, camera, index] {
                    h().add_layer(camera, index);
                    s_.step_done("adding a camera");
                }};
    }
    Action remove_camera() {
        std::vector<host::ObjectId> cameras;
        for (host::ObjectId id : h().layer_ids())
            if (h().project().layers.at(id).type == host::LayerType::camera) cameras.push_back(id);
        if (cameras.empty()) return add_camera();
        const host::ObjectId id = any(cameras);
        return {"delete the camera \"" + h().project().layers.at(id).name + "\"", [this, id] {
                    h().delete_layer(id);
                    s_.step_done("deleting a camera");
                }};
    }
    Action type() {
        const auto fields = views([](HIViewRef v) { return auto_::kindName(v) == "edit text" && auto_::visible(v); });
        if (fields.empty()) return reopen();
        HIViewRef field = any(fields);
        std::string text;
        if (field == repeat_field()) text = kCounts[below(std::size(kCounts))];
        else switch (below(3)) {
            case 0: text = kTyped[below(std::size(kTyped))]; break;
            case 1: text = std::to_string(between(-20000, 20000)); break;
            default: text = std::to_string(static_cast<long long>(between(-1e7, 1e7))); break;
        }
        return {"type \"" + text + "\" into " + describe(field), [this, field, text] {
                    auto_::typeText(field, text);
                    s_.step_done("typing");
                }};
    }
    Action click() {
        const auto controls = views([](HIViewRef v) {
            const std::string kind = auto_::kindName(v);
            return auto_::visible(v) && kind != "static text" && kind != "user pane";
        });
        if (controls.empty()) return reopen();
        HIViewRef control = any(controls);
        return {"click " + describe(control), [this, control] { s_.click(control, "clicking " + describe(control)); }};
    }
    Action choose() {
        const auto popups = views([](HIViewRef v) { return auto_::kindName(v) == "popup button" && auto_::visible(v); });
        if (popups.empty()) return reopen();
        HIViewRef popup = any(popups);
        const std::vector<std::string> entries = auto_::popupEntries(popup);
        if (entries.empty()) return reopen();
        const int index = static_cast<int>(below(entries.size())) + 1;
        return {"choose \"" + entries[static_cast<std::size_t>(index) - 1] + "\" in " + describe(popup),
                [this, popup, index] {
                    auto_::choosePopupEntry(popup, index);
                    s_.step_done("choosing in a popup");
                }};
    }
    Action command() { return {"choose \"Voxtrel\" from its menu", [this] { s_.choose_command(); }}; }
    // Without a dialog to operate: select some layers and choose the command.
    Action reopen() {
        Action selecting = select();
        return {selecting.what + ", choose \"Voxtrel\" from its menu", [this, selecting] {
                    selecting.run();
                    s_.choose_command();
                }};
    }
    Action close() { return {"click the dialog's close box", [this] { s_.close_box(); }}; }
    Action apply() { return {"press \"Apply\"", [this] { s_.apply(); }}; }
    Action undo() { return {"undo", [this] { s_.undo(); }}; }
    Action redo() { return {"redo", [this] { s_.redo(); }}; }
    Action move_time() {
        static const A_u_long kScales[] = {30, 24, 25, 1000, 75};
        const A_Time time{static_cast<A_long>(below(600)), kScales[below(std::size(kScales))]};
        return {"move the current time to " + std::to_string(time.value) + "/" + std::to_string(time.scale) + " s",
                [this, time] {
                    h().set_current_time(time);
                    s_.step_done("moving the current time");
                }};
    }
    Action menus() { return {"open a menu", [this] { s_.show_menus(); }}; }
    Action switch_active() {
        const bool active = h().project().active_comp() == nullptr;
        return {active ? "make the composition active" : "make no composition active",
                [this, active] { s_.set_composition_active(active); }};
    }

    Session& s_;
    std::mt19937_64 random_;
    int cameras_made_ = 0;
};

}  // namespace

void torture(const TorturePlan& plan, Reporter& reporter) {
    RunPlan run;
    run.plugin = plan.plugin;
    run.scene = plan.scene;
    run.panels = plan.panels;
    run.long_run = true;
    run.clock = kClock;
    Session session(run);
    std::size_t told = 0;
    const auto tell = [&](const std::string& when) {
        for (; told < session.findings().size(); ++told)
            reporter.say(std::string(message::kFinding) + when + ": " + session.findings()[told]);
        return told > 0;
    };
    reporter.say(std::string(message::kStep) + "0: load the plug-in, choose \"Voxtrel\" from its menu");
    if (!session.load()) {
        tell("step 0");
        return;
    }
    session.open();
    session.idle();
    if (tell("step 0")) return;
    Torture person(session, plan.seed);
    // A person who finds the composition crowded undoes, so that it stays small.
    const std::size_t crowded = session.host().layer_ids().size() + 40;
    for (long k = 1; k <= plan.steps; ++k) {
        session.set_clock(kClock + k);
        const Action action = session.host().layer_ids().size() > crowded
                                  ? Action{"undo, the composition being crowded", [&session] { session.undo(); }}
                                  : person.next();
        const std::string step = "step " + std::to_string(k) + " (" + action.what + ")";
        reporter.say(std::string(message::kStep) + std::to_string(k) + ": " + action.what);
        action.run();
        session.idle();
        if (tell(step)) return;
    }
    reporter.say(std::string(message::kStep) + "quit");
    session.quit();
    tell("quitting after step " + std::to_string(plan.steps));
    reporter.say(std::string(message::kCalls) + std::to_string(session.calls()));
}

}  // namespace app::validate

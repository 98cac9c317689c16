// voxtrel-host --gui on an Xvfb display of the test's own, operated with real
// mouse and key events from xdotool; what it writes when the person quits is
// compared with batch runs of the same settings.
#include <signal.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

#include "../program.h"
// After the tests' own headers: Xlib's macros would rename what they use.
#include <X11/Xlib.h>

namespace app_test {
namespace {

constexpr char kScene[] = VOXTREL_SOURCE_DIR "/tests/app/data/two_cameras.json";
constexpr char kClock[] = "1700000000";

// A program's standard output, given up on after 20 seconds.
std::string output_of(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(("timeout 20 " + command).c_str(), "r")) {
        char chunk[256];
        while (std::size_t n = std::fread(chunk, 1, sizeof chunk, pipe)) text.append(chunk, n);
        pclose(pipe);
    }
    return text;
}

// The exit status, or -1 when the process has not ended within 30 seconds (it is then killed).
int wait_for(pid_t pid) {
    for (int tries = 0; tries < 300; ++tries) {
        if (int raw = 0; waitpid(pid, &raw, WNOHANG) == pid) return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return -1;
}

class Gui : public Program {
protected:
    pid_t xvfb = 0, host = 0;
    json tree;  // the dialog's view tree, from a batch run

    void SetUp() override {
        Program::SetUp();
        if (std::system("command -v Xvfb >/dev/null") != 0) GTEST_SKIP() << "no Xvfb (scripts/deps.sh installs it)";
        // Xvfb picks a free display number and tells it through the pipe.
        int number_pipe[2];
        ASSERT_EQ(pipe(number_pipe), 0);
        xvfb = spawn({"Xvfb", "-displayfd", "3", "-screen", "0", "1440x900x24", "-nolisten", "tcp"}, dir / "xvfb.out",
                     dir / "xvfb.err", RLIM_INFINITY, number_pipe[1]);
        close(number_pipe[1]);
        std::string number;
        char c;
        while (read(number_pipe[0], &c, 1) == 1 && c != '\n') number += c;
        close(number_pipe[0]);
        ASSERT_FALSE(number.empty()) << read_file(dir / "xvfb.err");
        setenv("DISPLAY", (":" + number).c_str(), 1);
        ASSERT_EQ(run({kScene, "--apply", "0", "--ui-json", path("ui.json")}).status, 0);
        tree = json::parse(read_file(dir / "ui.json"));
    }

    void TearDown() override {
        if (host > 0) {
            kill(host, SIGKILL);
            waitpid(host, nullptr, 0);
        }
        if (xvfb > 0) {
            kill(xvfb, SIGTERM);
            waitpid(xvfb, nullptr, 0);
        }
        unsetenv("DISPLAY");
        Program::TearDown();
    }

    // voxtrel-host --gui on the scene, writing into gui/; returns the dialog's X window.
    std::string start(const std::vector<std::string>& more = {}) {
        std::vector<std::string> arguments = {VOXTREL_HOST_PATH, kScene,     "--gui", "--clock", kClock,
                                              "--out",           path("gui")};
        arguments.insert(arguments.end(), more.begin(), more.end());
        host = spawn(arguments, dir / "gui.out", dir / "gui.err");
        return window("--name '^Voxtrel$'");
    }
    // The first visible window that matches, waiting until there is one.
    std::string window(const std::string& match) {
        const std::string found = output_of("xdotool search --sync --onlyvisible " + match);
        return found.substr(0, found.find('\n'));
    }
    void xdotool(const std::string& command) { output_of("xdotool " + command); }

    // The centre of the dialog's view of that kind and text (the n-th such, from 0).
    std::pair<int, int> centre(const std::string& kind, const std::string& text, int nth = 0) const {
        std::vector<const json*> stack = {&tree["root"]};
        while (!stack.empty()) {
            const json& view = *stack.back();
            stack.pop_back();
            if (view["kind"] == kind && (text.empty() || view["text"] == text) && nth-- == 0) {
                const json& f = view["frame"];
                return {(f["left"].get<int>() + f["right"].get<int>()) / 2,
                        (f["top"].get<int>() + f["bottom"].get<int>()) / 2};
            }
            for (auto it = view["children"].rbegin(); it != view["children"].rend(); ++it) stack.push_back(&*it);
        }
        ADD_FAILURE() << "the dialog has no " << kind << " \"" << text << "\"";
        return {0, 0};
    }
    void click(const std::string& dialog, std::pair<int, int> at) {
        xdotool("mousemove --window " + dialog + " " + std::to_string(at.first) + " " + std::to_string(at.second) +
                " click 1");
    }
    // Quits with Ctrl+Q and waits for the program to end.
    int quit() {
        xdotool("key ctrl+q");
        return wait_for(std::exchange(host, 0));
    }
    // A batch run of the scene with these settings, writing into batch/.
    void batch(const std::vector<std::string>& settings) {
        std::vector<std::string> arguments = {kScene, "--clock", kClock, "--out", path("batch")};
        arguments.insert(arguments.end(), settings.begin(), settings.end());
        ASSERT_EQ(run(arguments).status, 0);
    }
    std::string written(const std::string& file) const { return read_file(dir / file); }
    // A window as the X server shows it: a window dump, made a PNG by ImageMagick.
    Picture grab(const std::string& window) {
        output_of("xwd -silent -id " + window + " | convert xwd:- " + path("grab.png"));
        return read_png(path("grab.png"));
    }
};

// Typing into a field (select all, digits, Backspace, Tab to commit), pressing
// "Apply" twice a second apart, Ctrl+Z and quitting writes the scene and the
// picture a batch run of the same settings writes: the typed box, the first press.
// The dialog is moved across, then down, before each press: a release is placed
// by the pointer's place on the screen, so a move not followed loses that press.
TEST_F(Gui, TypedSizeAppliedTwiceUndoneOnceGivesTheBatchResult) {
    const std::string dialog = start({"--clock-step", "1"});
    ASSERT_FALSE(dialog.empty()) << written("gui.err");
    click(dialog, centre("edit text", "", 0));
    // The keypad's digits too, and the first and last printable ASCII keys, taken back with Backspace; Shift alone
    // types nothing. (Keys missing from the server's keyboard map are left out: xdotool maps them only for a moment.)
    xdotool("key ctrl+a KP_1 6 KP_0 0 KP_9 space asciitilde KP_Decimal Shift_L key --repeat 4 BackSpace key Tab");
    xdotool("windowmove --sync --relative " + dialog + " 40 0");
    click(dialog, centre("push button", "Apply"));
    xdotool("windowmove --sync --relative " + dialog + " 0 30");
    click(dialog, centre("push button", "Apply"));
    xdotool("key ctrl+z");
    EXPECT_EQ(quit(), 0) << written("gui.err");
    batch({"--cube", "1600,1000,1000", "--apply", "2", "--clock-step", "1", "--undo"});
    EXPECT_EQ(json::parse(written("gui/scene.json")), json::parse(written("batch/scene.json")));
    EXPECT_EQ(written("gui/view.png"), written("batch/view.png"));
    // Moved, not resized.
    EXPECT_EQ(read_png(path("gui/dialog.png")).rgb.size(), read_png(path("batch/dialog.png")).rgb.size());
    // A module that cannot be opened ends a live run before it opens a window, as it ends a batch run.
    EXPECT_EQ(run({kScene, "--gui", "--plugin", "/nonexistent/Voxtrel.so", "--out", path("none")}).status, 3);
}

// Clicking "Towards Camera" enables the camera popup; its menu opens as a
// window of its own and a click there picks "Side". The dialog on screen is
// the same pixels as its picture, and as the batch run's.
TEST_F(Gui, CheckBoxEnablesThePopupWhoseMenuPicksACamera) {
    const std::string dialog = start();
    ASSERT_FALSE(dialog.empty()) << written("gui.err");
    click(dialog, centre("check box", "Don't Change Orientation"));
    click(dialog, centre("check box", "Towards Camera"));
    click(dialog, centre("popup button", ""));
    // A press on the viewer's list while the menu is open only closes the menu: no layer is picked.
    xdotool("mousemove --window " + window("--name '^Two cameras$'") + " 1060 77 click 1");
    xdotool("windowraise " + dialog);
    click(dialog, centre("popup button", ""));
    const std::string menu = window("--classname voxtrel-host-menu");
    ASSERT_FALSE(menu.empty());
    // The entries are 18 pixels high below a 4-pixel margin: "Side" is the second.
    xdotool("mousemove --window " + menu + " 20 31 click 1");
    click(dialog, centre("push button", "Apply"));
    xdotool("mousemove --window " + dialog + " 2 2");
    const Picture screen = grab(dialog);
    EXPECT_EQ(quit(), 0) << written("gui.err");
    batch({"--orient", "camera", "--camera", "Side"});
    EXPECT_EQ(json::parse(written("gui/scene.json")), json::parse(written("batch/scene.json")));
    const Picture picture = read_png(path("gui/dialog.png"));
    EXPECT_TRUE(picture.width > 0 && screen.width == picture.width && screen.rgb == picture.rgb);
    EXPECT_TRUE(read_png(path("batch/dialog.png")).rgb == picture.rgb);
}

// A click on a layer in the viewer's list (right of the 960-pixel picture, rows
// of 18 pixels from 50 down; this one on the first row's top left corner) selects
// that layer alone, and "Apply" moves it only. A click just below the last row picks nothing;
// the viewer's close box ends the run as Ctrl+Q does.
TEST_F(Gui, ClickInTheViewersListSelectsTheLayerThatApplyMoves) {
    const std::string dialog = start();
    ASSERT_FALSE(dialog.empty()) << written("gui.err");
    const std::string viewer = window("--name '^Two cameras$'");
    xdotool("mousemove --window " + viewer + " 960 50 click 1 mousemove --window " + viewer + " 1060 158 click 1");
    xdotool("windowraise " + dialog);  // over the viewer, which the click raised
    click(dialog, centre("push button", "Apply"));
    xdotool("windowraise " + viewer);
    // Grabbed once it has redrawn: half a second after, when two grabs in a row agree.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Picture shown, last;
    do last = shown, shown = grab(viewer);
    while (shown.rgb != last.rgb);
    // The whole viewer as "Apply" left it: the composition, the list and its selection. Its reference is
    // rewritten from the last grab when VOXTREL_REGEN_GOLDENS is set.
    const std::string reference = VOXTREL_SOURCE_DIR "/tests/app/gui/viewer.png";
    if (std::getenv("VOXTREL_REGEN_GOLDENS"))
        fs::copy_file(path("grab.png"), reference, fs::copy_options::overwrite_existing);
    EXPECT_EQ(test_pictures::picture_difference(read_png(reference), shown), "") << "see " << reference;
    // The close box, as a window manager asks for it.
    ::Display* x = XOpenDisplay(nullptr);
    XClientMessageEvent e{ClientMessage, 0, True, x, std::stoul(viewer), XInternAtom(x, "WM_PROTOCOLS", False), 32, {}};
    e.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    XSendEvent(x, e.window, False, NoEventMask, reinterpret_cast<XEvent*>(&e));
    XCloseDisplay(x);
    EXPECT_EQ(wait_for(std::exchange(host, 0)), 0) << written("gui.err");
    const json input = json::parse(read_file(kScene)), result = json::parse(written("gui/scene.json"));
    for (const std::string name : {"Card 1", "Card 2", "Card 3"})
        EXPECT_EQ(layer_named(result, name)["position"] == layer_named(input, name)["position"], name != "Card 1")
            << name;
}

}  // namespace
}  // namespace app_test

// Workspace panels: toggling creates a host frame with a container view and
// calls the create-panel hook, sized by the snap sizes; toggling again
// disposes the container, then the frame. Names and titles come in as Mac Roman.
#include "host_test_support.h"
#include "toolkit/native.h"

namespace {

using host::Host;
using host_test::acquire;

// The match name as the plug-in hands it in (Mac Roman) and as the host keeps it.
const char* kMatchIn = "QX_\x86 v1.0";
const char* kMatch = "QX_\xC3\x9C v1.0";

struct FakePanel {
    int creations = 0, disposals = 0;
    A_long snap_count = 1;
    A_LPoint snap{501, 235};
    A_Err status = A_Err_NONE;
    AEGP_PanelH panel = nullptr;
    Rect inside{};  // the container's bounds when the hook got it
};
FakePanel _fake;
const AEGP_PanelSuite1* _panels = nullptr;

OSStatus count_dispose(EventHandlerCallRef, EventRef, void*) {
    ++_fake.disposals;
    // A plug-in may ask for its panel while the panel is going away.
    _panels->AEGP_ToggleVisibility(reinterpret_cast<const A_u_char*>(kMatchIn));
    return eventNotHandledErr;
}

A_Err snap_sizes(AEGP_PanelRefcon refcon, A_LPoint* sizes, A_long* count) {
    if (refcon != reinterpret_cast<AEGP_PanelRefcon>(&_fake)) return A_Err_PARAMETER;
    for (A_long i = 0; i < *count; ++i) sizes[i] = _fake.snap;  // whatever the count it reports
    *count = _fake.snap_count;
    return A_Err_NONE;
}

A_Err create_panel(AEGP_GlobalRefcon, AEGP_CreatePanelRefcon, AEGP_PlatformViewRef container, AEGP_PanelH panel,
                   AEGP_PanelFunctions1* functions, AEGP_PanelRefcon* refcon) {
    ++_fake.creations;
    _fake.panel = panel;
    GetControlBounds(container, &_fake.inside);
    const EventTypeSpec dispose{kEventClassControl, kEventControlDispose};
    InstallEventHandler(GetControlEventTarget(container), count_dispose, 1, &dispose, nullptr, nullptr);
    functions->GetSnapSizes = snap_sizes;
    _panels->AEGP_SetTitle(panel, reinterpret_cast<const A_u_char*>("R\x9F" "ckblick"));
    *refcon = reinterpret_cast<AEGP_PanelRefcon>(&_fake);
    return _fake.status;
}

// A failing hook leaves it closed; then open (the title handed in Mac Roman), close, open again with an empty
// snap size or none, close by the frame's close, open at the narrowest snap size, and quit.
TEST(Panels, ToggleOpensAFrameWithTheContainerAndClosesItContainerFirst) {
    Host h;
    const auto* match = reinterpret_cast<const A_u_char*>(kMatchIn);
    _fake = FakePanel{};
    _panels = acquire<AEGP_PanelSuite1>(h, kAEGPWorkspacePanelSuite, 1);
    ASSERT_EQ(_panels->AEGP_RegisterCreatePanelHook(host_test::attach_plugin(h), match, create_panel, nullptr, 1),
              A_Err_NONE);
    _fake.status = 516;
    EXPECT_EQ(_panels->AEGP_ToggleVisibility(match), 516);
    EXPECT_EQ(std::tuple(h.panel_open(kMatch), _fake.disposals, _fake.inside.top, _fake.inside.left,
                         _fake.inside.bottom, _fake.inside.right),
              std::tuple(false, 1, 0, 0, 300, 400));  // the default size, from the frame's corner
    EXPECT_TRUE(h.hooks().failures.size() == 1 && h.hooks().failures[0].hook == "create panel");
    _fake.status = A_Err_NONE;

    _fake.snap = {4001, 1};  // the frame is from 1 to 4000 pixels each way
    ASSERT_EQ(_panels->AEGP_ToggleVisibility(match), A_Err_NONE);
    ASSERT_TRUE(h.panel_open(kMatch));  // how it opens is pinned by the --panel golden run
    EXPECT_EQ(std::tuple(h.panel_title(kMatch), h.panel_size(kMatch)->x, h.panel_size(kMatch)->y),
              std::tuple("R\xC3\xBC" "ckblick", 4000, 1));
    CFStringRef title = nullptr;
    CopyWindowTitleAsCFString(h.panel_window(kMatch), &title);
    char text[64] = {};
    CFStringGetCString(title, text, sizeof text, kCFStringEncodingMacRoman);
    CFRelease(title);
    EXPECT_STREQ(text, "R\x9F" "ckblick");
    const AEGP_PanelH panel = _fake.panel;
    WindowRef const window = h.panel_window(kMatch);
    ASSERT_EQ(_panels->AEGP_ToggleVisibility(match), A_Err_NONE);
    EXPECT_EQ(std::tuple(_fake.creations, _fake.disposals, IsWindowVisible(window)), std::tuple(2, 2, false));
    EXPECT_EQ(std::tuple(h.panel_open(kMatch), h.panel_container(kMatch), h.panel_size(kMatch).has_value()),
              std::tuple(false, nullptr, false));
    EXPECT_EQ(_panels->AEGP_SetTitle(panel, reinterpret_cast<const A_u_char*>("late")), A_Err_PARAMETER);

    // With an empty snap size, or none, the frame keeps its default size.
    for (const auto& [snap, count] : {std::pair(A_LPoint{0, 300}, 1), {A_LPoint{300, 0}, 1}, {A_LPoint{9, 9}, 0}}) {
        _fake.snap = snap, _fake.snap_count = count;
        if (h.panel_open(kMatch)) _panels->AEGP_ToggleVisibility(match);
        _panels->AEGP_ToggleVisibility(match);
        Rect content{};
        GetWindowBounds(h.panel_window(kMatch), kWindowContentRgn, &content);
        EXPECT_EQ(std::tuple(content.right - content.left, content.bottom - content.top, h.panel_size(kMatch)->x,
                             h.panel_size(kMatch)->y),
                  std::tuple(400, 300, 400, 300));
    }
    EXPECT_EQ(std::pair(_fake.creations, _fake.panel != panel), std::pair(5, true));
    DisposeWindow(h.panel_window(kMatch));
    EXPECT_EQ(std::pair(_fake.disposals, h.panel_open(kMatch)), std::pair(5, false));
    _fake.snap = {1, 4001}, _fake.snap_count = 1;  // the narrowest frame there is
    _panels->AEGP_ToggleVisibility(match);
    EXPECT_EQ(std::pair(h.panel_size(kMatch)->x, h.panel_size(kMatch)->y), std::pair(1, 4000));
    h.quit();
    EXPECT_EQ(std::pair(_fake.disposals, h.panel_open(kMatch)), std::pair(6, false));
}

}  // namespace

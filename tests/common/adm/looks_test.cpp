// Every kind of item with text, in a window and in a host panel (the host's own
// dark colours), enabled and disabled: enabled text reads well, disabled text
// is clearly dimmer than the enabled text of the same kind and look.
#include <cmath>
#include <functional>

#include "adm_test_support.h"
#include "host/app_colors.h"

namespace admtest {
namespace {

PFAppSuite2 _hostColours = {[](PF_App_ColorType kind, PF_App_Color* out) -> PF_Err {
    const auto colour = host::app_color(kind);
    if (!colour) return 1;
    *out = *colour;
    return 0;
}};

double luminance(std::uint32_t pixel) {
    const auto channel = [](std::uint32_t c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel((pixel >> 16) & 0xFF) + 0.7152 * channel((pixel >> 8) & 0xFF) +
           0.0722 * channel(pixel & 0xFF);
}

double contrast(std::uint32_t a, std::uint32_t b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text against what it is drawn on: of the pixels the text
// changed, the one that differs most from what was there before.
double text_contrast(const tka::Bitmap& without, const tka::Bitmap& with) {
    double best = 1;
    for (std::size_t i = 0; i < with.pixels.size(); ++i)
        best = std::max(best, contrast(with.pixels[i], without.pixels[i]));
    return best;
}

struct Kind {
    const char* name;
    ADMItemType type;
    // Gives the item a text (for a popup, the text of its current entry).
    std::function<void(ADMItemRef, const char*)> write;
};

void write_text(ADMItemRef item, const char* text) { ADMItemSuite10::SetText(item, text); }

void write_entry(ADMItemRef item, const char* text) {
    ADMListRef list = ADMItemSuite10::GetList(item);
    if (ADMListSuite4::NumberOfEntries(list) == 0) ADMListSuite4::InsertEntry(list, 0);
    ADMEntrySuite6::SetText(ADMListSuite4::IndexEntry(list, 0), text);
    ADMEntrySuite6::Select(ADMListSuite4::IndexEntry(list, 0), true);
}

class Looks : public AdmTest {};

TEST_F(Looks, EnabledTextReadsWellAndDisabledTextIsDimmerInBothLooks) {
    const Kind kinds[] = {
        {"push button", kADMTextPushButtonType, write_text}, {"check box", kADMTextCheckBoxType, write_text},
        {"radio button", kADMTextRadioButtonType, write_text}, {"popup", kADMPopupListType, write_entry},
        {"static text", kADMTextStaticType, write_text},     {"edit text", kADMTextEditType, write_text},
        {"frame", kADMFrameType, write_text},
    };
    for (const bool panelLook : {false, true}) {
        sPFAppSuite = panelLook ? &_hostColours : &FakeApp::suite;
        for (const Kind& kind : kinds) {
            SCOPED_TRACE(std::string(kind.name) + (panelLook ? " in a panel" : " in a window"));
            double enabledContrast = 0, disabledContrast = 0;
            for (const bool enabled : {true, false}) {
                const Panel panel = panelLook ? makePanel() : Panel{};
                ADMDialogRef dialog = panelLook ? panel.dialog : makeWindow();
                ADMItemRef item = add(dialog, kind.type, {10, 10, 30, 150});
                ADMItemSuite10::Enable(item, enabled);
                const auto picture = [&] {
                    return panelLook ? tka::renderView(panel.container) : tka::renderWindow(from_ref(dialog)->window);
                };
                // A blank text first, so the text alone makes the difference (in a
                // panel, the first text also lays the item out with its label).
                kind.write(item, " ");
                const tka::Bitmap without = picture();
                kind.write(item, "Sample 42");
                (enabled ? enabledContrast : disabledContrast) = text_contrast(without, picture());
                ADMDialogSuite9::Destroy(dialog);
                if (panelLook) DisposeControl(panel.container);
            }
            // Readable when enabled; dimmed, yet still to be seen, when disabled.
            EXPECT_TRUE(enabledContrast >= 4.5 && disabledContrast >= 1.5 && disabledContrast <= 0.6 * enabledContrast)
                << enabledContrast << " enabled, " << disabledContrast << " disabled";
        }
    }
}

}  // namespace
}  // namespace admtest

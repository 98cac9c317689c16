// Making and ending dialogs many times leaves nothing behind in the toolkit.
#include "adm_test_support.h"

namespace admtest {
namespace {

ASErr every_item(ADMDialogRef dialog) {
    SInt16 top = 10;
    for (ADMItemType type : kAllTypes) {
        ADMItemRef item = add(dialog, type, {top, 10, static_cast<SInt16>(top + 20), 200}, top);
        ADMItemSuite10::SetText(item, "Text");
        ADMItemSuite10::SetFloatValue(item, 1.5f);
        ADMListSuite4::InsertEntry(ADMItemSuite10::GetList(item), 0);
        top = static_cast<SInt16>(top + 25);
    }
    return 0;
}

class Stress : public AdmTest {};

TEST_F(Stress, AThousandWindowDialogs) {
    for (int i = 0; i < 1000; ++i) {
        ADMDialogRef dialog = makeWindow(every_item);
        ASSERT_NE(dialog, nullptr);
        // Half end by their owner, half by the window closing under them.
        if (i % 2)
            ADMDialogSuite9::Destroy(dialog);
        else
            DisposeWindow(from_ref(dialog)->window);
    }
    EXPECT_EQ(tka::liveCounts().total(), 0u);
}

TEST_F(Stress, AThousandPanelDialogs) {
    for (int i = 0; i < 1000; ++i) {
        Panel panel = makePanel(every_item);
        ASSERT_NE(panel.dialog, nullptr);
        // Half end by their owner, half by the host disposing the container.
        if (i % 2) ADMDialogSuite9::Destroy(panel.dialog);
        DisposeControl(panel.container);
    }
    const tka::LiveCounts counts = tka::liveCounts();
    EXPECT_EQ(counts.total(), 0u) << "views " << counts.views << ", menus " << counts.menus
                                            << ", handlers " << counts.eventHandlers;
}

}  // namespace
}  // namespace admtest

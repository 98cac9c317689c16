// Item wrappers: how they hook onto their items, where notifications and value
// conversions go, and how they let go.
#include <cstdio>
#include <cstring>

#include "support.h"

using namespace dialog_test;

namespace {

class Wrapping : public DialogTest {
protected:
    void SetUp() override {
        dlg.build = [this](TestDlg& d) {
            plain = d.add_ctrl(kADMTextPushButtonType, IASRect{0, 0, 20, 60}, "plain", 5);
        };
        ASSERT_NE(dlg.make(), nullptr);
        ADMDialogSuite9::Show(dlg.GetDialogRef(), true);
    }

    Trace dialog_trace;
    Trace trace;
    TestDlg dlg{dialog_trace};
    ADMItemRef plain = nullptr;
};

// Reads "half" as 0.5 and writes values as percentages.
class PercentItem : public TestItem {
public:
    using TestItem::TestItem;
    ADMBoolean TextToFloat(const char* text, float& value) override {
        if (std::strcmp(text, "half") != 0) return BaseADMItem::TextToFloat(text, value);
        value = 0.5f;
        return true;
    }
    ADMBoolean FloatToText(float value, char* text, ADMInt32 length) override {
        std::snprintf(text, static_cast<std::size_t>(length), "%d%%", static_cast<int>(value * 100));
        return true;
    }
};

}  // namespace

// Create runs Init with the handle and installs the wrapper, which then takes
// the item's clicks instead of the dialog; a failed Init leaves no handle, and
// without a dialog nothing is made.
TEST_F(Wrapping, CreateInstallsTheWrapperWhichTakesTheClicks) {
    auto* wrapper = new TestItem(trace);
    ADMItemRef item = wrapper->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextPushButtonType, 6);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(wrapper->GetItemRef(), item);
    EXPECT_TRUE(wrapper->init_saw_item);
    EXPECT_EQ(ADMItemSuite10::GetUserData(item), wrapper);
    ASSERT_TRUE(tk::automation::click(control_of(item)));
    EXPECT_EQ(trace.notes, std::vector<std::string>{"changed 6"});
    ASSERT_TRUE(tk::automation::click(control_of(plain)));
    EXPECT_EQ(dialog_trace.notes, std::vector<std::string>{"changed 5"});

    auto* refused = new TestItem(trace);
    refused->init_result = 1;
    EXPECT_EQ(refused->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextPushButtonType, 8), nullptr);
    EXPECT_EQ(refused->GetItemRef(), nullptr);
    ASSERT_NE(dlg.get_item(8), nullptr);
    EXPECT_EQ(ADMItemSuite10::GetUserData(dlg.get_item(8)), nullptr);
    delete refused;

    TestItem orphan(trace);
    int const inits = trace.inits;
    EXPECT_EQ(orphan.Create(nullptr, ADMRect{0, 0, 10, 10}, kADMTextPushButtonType, 1), nullptr);
    EXPECT_EQ(trace.inits, inits);
}

TEST_F(Wrapping, ConstructorHooksOntoAnExistingItemAndDestructorLetsGo) {
    auto* wrapper = new TestItem(trace, plain);
    EXPECT_EQ(ADMItemSuite10::GetUserData(plain), wrapper);
    ASSERT_TRUE(tk::automation::click(control_of(plain)));
    EXPECT_EQ(trace.notes.size(), 1u);
    delete wrapper;
    EXPECT_EQ(ADMItemSuite10::GetUserData(plain), nullptr);
    // Unhooked: the click goes to the dialog again, and disposal finds no wrapper to delete.
    ASSERT_TRUE(tk::automation::click(control_of(plain)));
    EXPECT_EQ(dialog_trace.notes, std::vector<std::string>{"changed 5"});
    EXPECT_EQ(trace.deaths, 1);
}

TEST_F(Wrapping, ValueConversionsGoThroughTheWrapper) {
    auto* wrapper = new PercentItem(trace);
    ADMItemRef edit = wrapper->Create(dlg.GetDialogRef(), ADMRect{30, 0, 50, 60}, kADMTextEditType, 7);
    ADMItemSuite10::SetMaxFloatValue(edit, 10.0f);
    ADMItemSuite10::SetFloatValue(edit, 0.25f);
    EXPECT_EQ(tk::automation::text(control_of(edit)), "25%");
    ADMItemSuite10::SetText(edit, "half");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(edit), 0.5f);
    ADMItemSuite10::SetText(edit, "3");
    EXPECT_FLOAT_EQ(ADMItemSuite10::GetFloatValue(edit), 3.0f);
}


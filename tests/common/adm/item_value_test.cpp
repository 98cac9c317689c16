// Values shown as text: writing a value, reading what was typed, the bounds and
// the default conversions.
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <tuple>

#include "adm/detail/item_text.h"
#include "adm_test_support.h"

namespace admtest {
namespace {

class ItemValues : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        _edit = add(_dialog, kADMTextEditType, {10, 10, 23, 80}, 1);
    }
    void type(const char* text) { ASSERT_TRUE(tka::typeText(control_of(_edit), text)); }
    std::string shown() const { return tka::text(control_of(_edit)); }

    ADMItemRef _edit = nullptr;
};

// What a read gives for a typed text (rows: data/typed_values.json): clamped to
// the bounds (never-set bounds read everything as 0), the text itself kept; an
// unreadable text keeps the previous value; integer reads truncate and clamp on
// their own, so a whole number just above a large bound is above it, though as a
// float it would equal it.
TEST_F(ItemValues, ReadsOfTypedTexts) {
    for (const nlohmann::json& c : nlohmann::json::parse(std::ifstream(VOXTREL_ADM_TEST_DATA "/typed_values.json"))) {
        SCOPED_TRACE(c["typed"]);
        if (!c["bounds"].is_null()) {
            ADMItemSuite10::SetMinFloatValue(_edit, c["bounds"][0]);
            ADMItemSuite10::SetMaxFloatValue(_edit, c["bounds"][1]);
        }
        type(c["typed"].get<std::string>().c_str());
        EXPECT_EQ((std::tuple{ADMItemSuite10::GetIntValue(_edit), ADMItemSuite10::GetFloatValue(_edit), shown()}),
                  std::tuple(c["integer"].get<int>(), c["value"].get<float>(), c["typed"]));
    }
}

ADMBoolean pixels(ADMItemRef, float value, char* text, ADMInt32 length) {
    std::snprintf(text, static_cast<std::size_t>(length), "%d px", static_cast<int>(value));
    return true;
}

TEST_F(ItemValues, BoundsRewriteTheTextAndCustomConversionsReplaceTheDefaults) {
    ADMItemSuite10::SetMaxFloatValue(_edit, 1000);
    ADMItemSuite10::SetFloatValue(_edit, 4);
    // Setting a bound rewrites the text from the value (a set value is shown
    // unclamped: the last row of the table below).
    type("77");
    ADMItemSuite10::SetMinFloatValue(_edit, 1);
    EXPECT_EQ(shown(), "4");
    ADMItemSuite10::SetFloatToTextProc(_edit, pixels);
    EXPECT_EQ(shown(), "4 px") << "setting the proc rewrites the text";
    ADMItemSuite10::SetTextToFloatProc(_edit, [](ADMItemRef, const char* text, float* value) -> ADMBoolean {
        *value = static_cast<float>(std::strlen(text));
        return true;
    });
    type("abcdefg");
    EXPECT_EQ(ADMItemSuite10::GetFloatValue(_edit), 7.0f);
    type("12");
    EXPECT_EQ(ADMItemSuite10::GetIntValue(_edit), 12) << "integer reads do not use the proc";
}

// What the dialog heard, with the field's text at that moment.
std::vector<std::string> _heard;

TEST_F(ItemValues, LeavingAFieldTakesTheValueAsReadAndShowsIt) {
    ADMDialogSuite9::SetNotifyProc(_dialog, [](ADMDialogRef, ADMNotifierRef notifier) {
        EXPECT_TRUE(ADMNotifierSuite2::IsNotifierType(notifier, kADMUserChangedNotifier));
        _heard.push_back(tka::text(control_of(ADMNotifierSuite2::GetItem(notifier))));
    });
    const struct {
        float min, max;
        ADMItemFloatToTextProc floatToText;
        const char* typed;  // null: the field is only passed through
        UInt32 leave;
        const char* shown;
        float value;
    } cases[] = {
        {1, 10000, nullptr, "999999999", kTabCharCode, "10000", 10000},
        {1, 10000, nullptr, "-5", kReturnCharCode, "1", 1},
        {0, 100, nullptr, "12.50", kTabCharCode, "12.5", 12.5f},
        {0, 100, nullptr, "abc", kTabCharCode, "4", 4},
        {0, 1000, pixels, "250", kReturnCharCode, "250 px", 250},
        {0, 100, nullptr, nullptr, kTabCharCode, "500", 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "nothing typed");
        _heard.clear();
        ADMItemSuite10::SetFloatToTextProc(_edit, c.floatToText);
        ADMItemSuite10::SetMinFloatValue(_edit, c.min);
        ADMItemSuite10::SetMaxFloatValue(_edit, c.max);
        ADMItemSuite10::SetFloatValue(_edit, c.typed ? 4 : 500);
        if (c.typed)
            type(c.typed);
        else
            ASSERT_TRUE(tka::focus(control_of(_edit)));
        tka::pressKey(c.leave);
        EXPECT_EQ(
            std::tuple(shown(), _heard, ADMItemSuite10::GetFloatValue(_edit)),
            std::tuple(c.shown, c.typed ? std::vector<std::string>{c.shown} : std::vector<std::string>{}, c.value));
    }
}

// The longest number fits in 48 bytes: "%f" writes 47 characters for it before the zeros go.
TEST(DefaultFloatToText, DropsTrailingZeros) {
    for (const nlohmann::json& c : nlohmann::json::parse(std::ifstream(VOXTREL_ADM_TEST_DATA "/float_texts.json"))) {
        char buffer[48];
        default_float_to_text(c[0].get<float>(), buffer);
        EXPECT_EQ(std::string(buffer), c[1]) << c[0];
    }
}

// The defaults, also as the suite offers them for an item; a failed read leaves the value.
TEST_F(ItemValues, DefaultTextToFloatReadsALeadingNumber) {
    const std::tuple<const char*, bool, float> reads[] = {
        {"", false, 9}, {"abc", false, 9}, {"12abc", true, 12}, {"-2.5e1", true, -25}};
    float value = 9.0f;
    for (const auto& [text, read, expected] : reads) {
        value = 9.0f;
        EXPECT_EQ((std::pair{default_text_to_float(text, value), value}), std::pair(read, expected)) << text;
    }
    char text[48];
    EXPECT_EQ((std::tuple{ADMItemSuite10::DefaultTextToFloat(_edit, " 7", &value), value,
                          ADMItemSuite10::DefaultFloatToText(_edit, -0.25f, text, sizeof text), std::string(text)}),
              std::tuple(true, 7.0f, true, "-0.25"));
    // Nowhere to write, or no item to read for.
    EXPECT_FALSE(ADMItemSuite10::DefaultFloatToText(_edit, 1, nullptr, 48) ||
                 ADMItemSuite10::DefaultTextToFloat(nullptr, "1", &value));
}

}  // namespace
}  // namespace admtest

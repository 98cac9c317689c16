#include "dialog/BaseDlg.h"

#include <algorithm>
#include <cstdint>

namespace {

// The builder reads its rectangle as top, left, height, width.
ADMRect absolute_rect(const IASRect& rect) {
    return ADMRect{rect.top, rect.left, static_cast<SInt16>(rect.top + rect.bottom),
                   static_cast<SInt16>(rect.left + rect.right)};
}

// Only the low byte of a builder's boolean counts.
ADMBoolean low_byte(int value) { return static_cast<ADMBoolean>(static_cast<std::uint8_t>(value) != 0); }

}  // namespace

BaseDlg::BaseDlg() : enabled(ADMDialogSuite9::IsEnabled(dialog) != 0), suites(sSPBasic) {}

BaseDlg::~BaseDlg() = default;

void BaseDlg::Destroy() {
    // The wrappers go with their items' controls; only the unowned ones are ours.
    item_wrappers.clear();
    unowned_wrappers.clear();
    BaseADMDialog::Destroy();
}

ADMItemRef BaseDlg::add_ctrl(ADMItemType type, const IASRect& rect, const char* text, ADMInt32 id) {
    const ADMRect bounds = absolute_rect(rect);
    ADMItemRef item = ADMItemSuite10::Create(dialog, id, type, &bounds, nullptr, nullptr, 0);
    if (item && text) ADMItemSuite10::SetText(item, text);
    return item;
}

ADMItemRef BaseDlg::add_frame(const IASRect& rect, const char* text, ADMInt32 id, ADMFrameStyle style) {
    ADMItemRef item = add_ctrl(kADMFrameType, rect, text, id);
    ADMItemSuite10::SetItemStyle(item, style);
    return item;
}

ADMItemRef BaseDlg::add_edit(const IASRect& rect, ADMInt32 id, float min, float max, float value) {
    ADMItemRef item = add_ctrl(kADMTextEditType, rect, nullptr, id);
    ADMItemSuite10::ShowUnits(item, false);
    ADMItemSuite10::SetUnits(item, kADMNoUnits);
    ADMItemSuite10::SetMinFloatValue(item, min);
    ADMItemSuite10::SetMaxFloatValue(item, max);
    ADMItemSuite10::SetFloatValue(item, value);
    return item;
}

ADMItemRef BaseDlg::add_static(const ADMPoint& point, const char* text, ADMInt32 id) {
    ADMItemRef item = add_ctrl(kADMTextStaticType, IASRect{point.v, point.h, point.v, point.h}, text, id);
    size_to_best(item);
    return item;
}

ADMItemRef BaseDlg::add_checkbox(const IASRect& rect, const char* text, ADMInt32 id, int value) {
    ADMItemRef item = add_ctrl(kADMTextCheckBoxType, rect, text, id);
    ADMItemSuite10::SetBooleanValue(item, low_byte(value));
    size_to_best(item);
    return item;
}

ADMItemRef BaseDlg::add_radio(const IASRect& rect, const char* text, ADMInt32 id, int value) {
    ADMItemRef item = add_ctrl(kADMTextRadioButtonType, rect, text, id);
    ADMItemSuite10::SetBooleanValue(item, low_byte(value));
    size_to_best(item);
    return item;
}

ADMItemRef BaseDlg::add_icon(const IASRect& rect, CustomIcon::DrawFunc draw_func, ADMInt32 id) {
    ADMItemRef item = add_ctrl(kADMPictureStaticType, rect, nullptr, id);
    auto* wrapper = new CustomIcon(item, draw_func);
    item_wrappers.push_back(wrapper);
    if (!item) unowned_wrappers.emplace_back(wrapper);
    return item;
}

void BaseDlg::size_to_best(ADMItemRef item) {
    if (!item) return;
    ADMPoint best{};
    ADMItemSuite10::GetBestSize(item, &best);
    const ADMRect size{0, 0, best.v, best.h};
    ADMItemSuite10::SetLocalRect(item, &size);
}

ADMItemRef BaseDlg::get_item(ADMInt32 id) { return ADMDialogSuite9::GetItem(dialog, id); }

void BaseDlg::Enable(bool enable) {
    if (IsEnabled() == enable) return;
    auto set = [enable](ADMItemRef item) {
        if ((ADMItemSuite10::IsEnabled(item) != 0) != enable) ADMItemSuite10::Enable(item, enable);
    };
    // The walk starts at the first item with ID -1; the dialogs here have none.
    for (ADMItemRef item = ADMDialogSuite9::GetItem(dialog, -1); item;
         item = ADMDialogSuite9::GetNextItem(dialog, item))
        set(item);
    for (BaseADMItem* wrapper : item_wrappers) set(wrapper->GetItemRef());
    enabled = enable;
}

bool BaseDlg::IsEnabled() { return enabled; }

void BaseDlg::SetLocalRect(const ADMRect& rect) { ADMDialogSuite9::SetLocalRect(dialog, &rect); }

void BaseDlg::MoveToScreenCenter() {
    const ADMPoint origin{0, 0};
    ADMRect screen{};
    if (!ADMBasicSuite8::GetScreenDimensions(&origin, &screen)) return;
    ADMRect bounds{};
    ADMDialogSuite9::GetBoundsRect(dialog, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    // The screen's own origin is not added: the screen holding (0, 0) starts there.
    const int left = std::max(0, ((screen.right - screen.left) - width) / 2);
    const int top = std::max(0, ((screen.bottom - screen.top) - height) / 2);
    const ADMRect centred{static_cast<SInt16>(top), static_cast<SInt16>(left), static_cast<SInt16>(top + height),
                          static_cast<SInt16>(left + width)};
    ADMDialogSuite9::SetBoundsRect(dialog, &centred);
}

#include "text_editing.h"

#include <algorithm>
#include <cmath>

#include "display.h"
#include "focus.h"
#include "look_paint.h"
#include "unicode.h"

namespace tk::detail {
namespace {

bool is_high_surrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::size_t previous_position(const std::u16string& text, std::size_t from) {
    if (from == 0) return 0;
    --from;
    if (from > 0 && is_low_surrogate(text[from]) && is_high_surrogate(text[from - 1])) --from;
    return from;
}

std::size_t next_position(const std::u16string& text, std::size_t from) {
    if (from >= text.size()) return text.size();
    ++from;
    if (from < text.size() && is_low_surrogate(text[from]) && is_high_surrogate(text[from - 1])) ++from;
    return from;
}

std::size_t selection_start(const TkView* field) { return std::min(field->edit.caret, field->edit.anchor); }
std::size_t selection_end(const TkView* field) { return std::max(field->edit.caret, field->edit.anchor); }

void move_caret(TkView* field, std::size_t to, bool extend) {
    field->edit.caret = to;
    if (!extend) field->edit.anchor = to;
    touch(field);
}

// Replaces the selection with the text, as typing does.
void replace_selection(TkView* field, const std::u16string& text) {
    const std::size_t start = selection_start(field);
    field->title.replace(start, selection_end(field) - start, text);
    field->edit.caret = field->edit.anchor = start + text.size();
    field->edit.edited = true;
    touch(field);
}

// Deletes the selection, or the character on the given side of the caret.
void delete_one(TkView* field, bool forward) {
    if (field->edit.caret == field->edit.anchor) {
        const std::size_t caret = field->edit.caret;
        field->edit.anchor =
            forward ? next_position(field->title, caret) : previous_position(field->title, caret);
    }
    replace_selection(field, u"");
}

}  // namespace

bool types_a_character(UInt32 code) {
    return code >= 0x20 && code != kDeleteCharCode && code <= 0x10FFFF && !(code >= 0xD800 && code <= 0xDFFF);
}

void set_field_text(TkView* view, std::u16string text) {
    view->title = std::move(text);
    view->edit.caret = view->edit.anchor = view->title.size();
    touch(view);
}

void select_all(TkView* field) {
    field->edit.anchor = 0;
    field->edit.caret = field->title.size();
    touch(field);
}

void place_caret(TkView* field, std::size_t position, bool extend) {
    move_caret(field, std::min(position, field->title.size()), extend);
}

bool edit_key(TkView* field, UInt32 code, EventModifiers modifiers) {
    const bool extend = modifiers & shiftKey;
    const std::u16string& text = field->title;
    // Keep the positions inside a text a program may have shortened.
    field->edit.caret = std::min(field->edit.caret, text.size());
    field->edit.anchor = std::min(field->edit.anchor, text.size());
    const std::size_t caret = field->edit.caret;
    const bool selection = caret != field->edit.anchor;
    if (modifiers & (controlKey | cmdKey)) {
        if (code != 'a' && code != 'A') return false;
        select_all(field);
        return true;
    }
    switch (code) {
    case kBackspaceCharCode:
        delete_one(field, false);
        return true;
    case kDeleteCharCode:
        delete_one(field, true);
        return true;
    case kLeftArrowCharCode:
        move_caret(field, selection && !extend ? selection_start(field) : previous_position(text, caret), extend);
        return true;
    case kRightArrowCharCode:
        move_caret(field, selection && !extend ? selection_end(field) : next_position(text, caret), extend);
        return true;
    case kHomeCharCode:
        move_caret(field, 0, extend);
        return true;
    case kEndCharCode:
        move_caret(field, text.size(), extend);
        return true;
    default:
        if (!types_a_character(code)) return false;
        replace_selection(field, utf16_of(code));
        return true;
    }
}

double FieldLayout::x_of(std::size_t position) const {
    const auto at = std::lower_bound(positions.begin(), positions.end(), position);
    return at == positions.end() ? xs.back() : xs[static_cast<std::size_t>(at - positions.begin())];
}

std::size_t FieldLayout::position_at(double x) const {
    std::size_t best = 0;
    for (std::size_t i = 1; i < xs.size(); ++i)
        if (std::abs(xs[i] - x) < std::abs(xs[best] - x)) best = i;
    return positions[best];
}

FieldLayout field_layout(const TkView* field) {
    FieldLayout layout;
    layout.font = control_font(field);
    const std::u16string& text = field->title;
    std::u16string drawn;  // what is measured: the text, or as many stars as it has characters
    std::vector<double> widths;  // of what is drawn before each position
    for (std::size_t at = 0;; at = next_position(text, at)) {
        layout.positions.push_back(at);
        widths.push_back(measure_text(layout.font, utf16_to_utf8(drawn)).width);
        if (at == text.size()) break;
        drawn += field->password ? u"*" : text.substr(at, next_position(text, at) - at);
    }
    layout.shown = utf16_to_utf8(drawn);
    layout.top = std::floor((view_height(field) - measure_text(layout.font, layout.shown).lineHeight) / 2.0);
    double left = justified_x(field, layout.font, layout.shown, look::kEditInset);
    // A focused field keeps its caret in sight.
    if (has_focus(field)) {
        const double room = view_width(field) - look::kEditInset - 1;
        const std::size_t caret = std::min(field->edit.caret, text.size());
        const auto index = static_cast<std::size_t>(
            std::lower_bound(layout.positions.begin(), layout.positions.end(), caret) - layout.positions.begin());
        const double caretX = left + widths[std::min(index, widths.size() - 1)];
        if (caretX > room) left -= caretX - room;
    }
    for (const double w : widths) layout.xs.push_back(left + w);
    return layout;
}

}  // namespace tk::detail

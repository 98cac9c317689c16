// Typing in an edit field: the caret and the selection, the edits keys make,
// and where the text and each caret position sit in the field.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "model.h"
#include "text_metrics.h"

namespace tk::detail {

// Replaces the view's text (a program setting it, not a person typing); the
// caret goes to the end of it.
void set_field_text(TkView* view, std::u16string text);

// One key in a focused field: characters are typed over the selection;
// Backspace, Delete, Left, Right, Home and End edit and move the caret (with
// Shift, the selection grows); Ctrl+A selects everything. False when the key
// means nothing to a field.
bool edit_key(TkView* field, UInt32 charCode, EventModifiers modifiers);
// Whether the key types a character; control characters edit or do nothing.
bool types_a_character(UInt32 code);
void select_all(TkView* field);
// Puts the caret at the position; with `extend` the selection grows to it instead.
void place_caret(TkView* field, std::size_t position, bool extend = false);

// Where a field shows its text: the text as drawn, where it starts and the x of
// every caret position. A focused field scrolls a text too long for it so the
// caret stays in sight.
struct FieldLayout {
    TkFont font;
    std::string shown;                   // UTF-8, stars for a password
    double top{};                        // of the line of text
    std::vector<std::size_t> positions;  // caret positions: UTF-16 indexes of character starts, and the end
    std::vector<double> xs;              // the x of each position, in the field
    double x_of(std::size_t position) const;
    // The caret position nearest to x.
    std::size_t position_at(double x) const;
};
FieldLayout field_layout(const TkView* field);

}  // namespace tk::detail

// The table voxtrel-host prints: the layers an application touched or made,
// with their position, orientation and scale afterwards and what else changed,
// then the selected layers it left alone.
#pragma once

#include <ostream>

#include "report.h"

namespace app {

// "Undone: NAME" when the run ended with an undo; a column per value, aligned
// by terminal columns ("(no layer changed)" for none), with a "Changes" column
// when any layer gained keys or lost its rotation; then the skipped layers.
void print_layer_table(const Report& report, std::ostream& out);

}  // namespace app

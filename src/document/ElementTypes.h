#pragma once

namespace loopora {

// Fills the prototype table with one pristine element of every row of the
// type table, once per run. Every program entry point calls it before it
// makes or loads a chart.
void installElementTypes();

} // namespace loopora

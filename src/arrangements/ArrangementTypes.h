#pragma once

namespace loopora {

// Installs the row, arc, arc-with-loops and chain-ring prototypes (the chain
// ring also under the ids 72 to 78, which files may hold).
void installArrangementTypes();

} // namespace loopora

#pragma once

namespace loopora {

// Installs the prototypes of every stitch symbol and its primitives.
void installStitchTypes();

} // namespace loopora

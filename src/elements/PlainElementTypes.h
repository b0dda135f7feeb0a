#pragma once

namespace loopora {

// Installs the prototypes of the group and the plain figures (line, rectangle,
// text label, lens).
void installPlainElementTypes();

} // namespace loopora

#pragma once
// Decimal numbers as the user reads and types them, the same in every locale:
// the C library's numeric locale follows the desktop's language, and under a
// Russian one printf would write "1,5" and strtod would stop at "0.5".

#include <optional>
#include <string>
#include <string_view>

namespace loopora {

// General notation with 15 significant digits and a dot: 30, 0.1, 1.5.
std::string formatDecimal(double value);

// A number with a dot or a comma as the decimal mark ("0.5" and "0,5"), blanks
// around it allowed, nothing else after it; nothing for other text, for a
// number out of the double range, and for not-a-number.
std::optional<double> parseDecimal(std::string_view text);

} // namespace loopora

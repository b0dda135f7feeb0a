#pragma once
// Text as a JSON string: quoted, with quotes, backslashes and control
// characters escaped; UTF-8 passes through unchanged.

#include <string>
#include <string_view>

namespace loopora {

void appendJsonString(std::string& out, std::string_view text);

} // namespace loopora

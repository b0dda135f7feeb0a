#pragma once
// UTF-8 decoding for chart texts. Malformed input never stops a chart from
// drawing: each maximal ill-formed subsequence becomes one U+FFFD.

#include <string>
#include <string_view>

namespace loopora {

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::u32string decodeUtf8(std::string_view utf8);

} // namespace loopora

#pragma once
// UTF-8 decoding and encoding. Malformed input never stops a chart from
// drawing or saving: each maximal ill-formed subsequence becomes one U+FFFD.

#include <cstdint>
#include <string>
#include <string_view>

namespace loopora {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point starting at text[pos] and advances pos past it.
char32_t decodeUtf8(std::string_view text, size_t& pos);
std::u32string decodeUtf8(std::string_view utf8);
void appendUtf8(std::string& out, char32_t cp);
// The text with every ill-formed subsequence replaced, as decoding sees it.
std::string wellFormedUtf8(std::string_view utf8);

} // namespace loopora

#pragma once
// UTF-8 decoding and encoding of single code points; malformed input decodes
// as U+FFFD one byte at a time, so every byte sequence reads as some text.

#include <cstdint>
#include <string>
#include <string_view>

namespace loopora {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point starting at text[pos] and advances pos past it.
char32_t decodeUtf8(std::string_view text, size_t& pos);
void appendUtf8(std::string& out, char32_t cp);

} // namespace loopora

#pragma once
// Chart files keep label texts in Windows-1251 (Cyrillic); inside the program
// texts are UTF-8.

#include <string>
#include <string_view>

namespace loopora {

std::string cp1251ToUtf8(std::string_view bytes);
// Characters that 1251 cannot hold become '?'.
std::string utf8ToCp1251(std::string_view utf8);
// True when every character of the text has a place in 1251.
bool fitsCp1251(std::string_view utf8);

} // namespace loopora

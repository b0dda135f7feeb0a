#include "platform/DecimalText.h"

#include <charconv>
#include <cmath>

namespace loopora {
namespace {

std::string_view trimmedBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string formatDecimal(double value)
{
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return ec == std::errc() ? std::string(buffer, end) : std::string();
}

std::optional<double> parseDecimal(std::string_view text)
{
    std::string number(trimmedBlanks(text));
    // from_chars takes no plus sign; the edit boxes always took one.
    if (!number.empty() && number.front() == '+' && number.size() > 1 && number[1] != '-')
        number.erase(0, 1);
    if (const size_t comma = number.find(','); comma != std::string::npos) {
        if (number.find_first_of(",.", comma + 1) != std::string::npos || number.find('.') != std::string::npos)
            return std::nullopt; // one decimal mark at most
        number[comma] = '.';
    }
    double value = 0;
    const char* begin = number.data();
    const char* end = begin + number.size();
    auto [stop, ec] = std::from_chars(begin, end, value, std::chars_format::general);
    if (begin == end || ec != std::errc() || stop != end || std::isnan(value))
        return std::nullopt;
    return value;
}

} // namespace loopora
